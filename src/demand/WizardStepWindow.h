#pragma once
// What the four steps of the model wizard share: an ordinary top-level window
// (owned by the main window, never one of its child windows) with the wizard's
// illustration along the left edge, the step's own form beside it and the row
// Cancel, Back, Next, Finish along the bottom; Cancel closes all four steps.
// A step reaches another through the window registry as its window class.
// Next (Finish on the last step) is the default button: Enter on a control
// that has no use for it (an option, the item's name) presses it. Each step
// opens with the focus on its first answer.
#include <QList>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "widgets/WindowId.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::demand {

// The wizard's steps as the registry knows them.
namespace WizardForms {
inline constexpr widgets::WindowId kStep1 = widgets::WindowId::Wizard;
inline constexpr widgets::WindowId kStep2 = widgets::WindowId::W1;
inline constexpr widgets::WindowId kStep3 = widgets::WindowId::W2;
inline constexpr widgets::WindowId kStep4 = widgets::WindowId::W3;
}  // namespace WizardForms

class WizardStepWindow : public QWidget {
    Q_OBJECT
public:
    // The width the step's texts wrap at.
    static constexpr int kTextWidth = 440;

protected:
    struct EnabledButtons {
        bool back = true;
        bool next = true;
        bool finish = false;
    };

    WizardStepWindow(widgets::AppContext& ctx, widgets::WindowId form, const QString& title, EnabledButtons enabled,
                     QWidget* parent);

    widgets::AppContext& context() const { return m_ctx; }
    // The column the step builds its form in.
    QVBoxLayout* body() const { return m_body; }
    // A label whose text wraps at `width` and that is tall enough for all of it.
    QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text, int width = kTextWidth);
    // Runs `handler` with the option's index whenever an option of the array
    // becomes selected, by a click or from code.
    void onOptionSelected(const QList<QRadioButton*>& options, const std::function<void(int)>& handler);
    // The tab order: the given controls, then the four buttons.
    void setTabChain(std::initializer_list<QWidget*> controls);

    // Shows the step `form` in front (loading it on first use) and returns it
    // as its window class.
    template <class Step>
    Step& showStep(widgets::WindowId form);
    // Runs a handler; a run-time error shows its description titled `title`.
    void guarded(const std::function<void()>& body, const QString& title = QStringLiteral("Error Message"));

    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdFinish = nullptr;

    // The control that holds the focus when the step opens.
    virtual QWidget* firstAnswer() const = 0;

    // Steps that place themselves open where they were put; the others open
    // centred on the main window (or the screen) the first time they show.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void onCmdCancelClicked();

private:
    QWidget* buildPicture();
    QWidget* showWindow(widgets::WindowId form);
    [[noreturn]] static void raiseNotAStep();

    widgets::AppContext& m_ctx;
    QVBoxLayout* m_body = nullptr;
    QPushButton* m_defaultButton = nullptr;
    bool m_shownOnce = false;
};

template <class Step>
Step& WizardStepWindow::showStep(widgets::WindowId form) {
    auto* step = dynamic_cast<Step*>(showWindow(form));
    if (!step) raiseNotAStep();
    return *step;
}

}  // namespace tervalo::demand
