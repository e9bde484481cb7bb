#pragma once
// The skeleton every model window stands on.
//
// Form: the window's controls live on form(), inside a scroll area, so a
// window made smaller than its form (Window > Tile, Cascade, a small screen)
// scrolls instead of crushing its frames. It opens at the top left corner of
// the main window's client area at its form's natural size, or the client
// area's where that is smaller, and follows the client area as it grows (the
// main window maximised) and shrinks, up to its form's size, until it is
// sized some other way. Builders make the usual controls with their names,
// labels as buddies and the input-box convention.
//
// Input boxes are registered by the model's field enum (as a number), so the
// core's check tables and the window speak of the same fields; no box is
// looked up by name.
//
// Calculate runs the core's one calculation sequence: read the boxes, run the table checks,
// then the window's computed check (the first failure is shown with its beep
// and its box gets the focus), compute the model (it may answer with a message
// in place of a result; a fault in it is shown as the calculator's own
// message, with no icon, or goes to the window's handler), prepare every text
// to show (a fault here goes to the window's handler), then show all of it and
// save. A message of the calculation or a fault before showing empties every
// result, the cost table's pie with it, unless the window keeps what it
// showed, so the window never shows two calculations at once.
#include <QString>
#include <QWidget>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/CalculationSequence.h"
#include "core/CheckMessage.h"
#include "core/InputCheck.h"
#include "platform/Notifier.h"
#include "widgets/WindowId.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;

namespace tervalo::widgets {

struct AppContext;
class FormScrollArea;

class ModelWindow : public QWidget {
    Q_OBJECT
public:
    ~ModelWindow() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The box of a field, nullptr when the window has none for it.
    QLineEdit* inputBox(int field) const;
    template <class Field>
    QLineEdit* inputBox(Field f) const {
        return inputBox(static_cast<int>(f));
    }

protected:
    ModelWindow(AppContext& ctx, WindowId window, const QString& caption, int fieldCount, QWidget* parent = nullptr);

    AppContext& context() const { return m_ctx; }
    // The widget the window builds its controls on.
    QWidget* form() const { return m_form; }

    // --- builders
    // A frame with a word-wrapped text `columns` average characters wide, and
    // an optional button under it (the example button).
    QGroupBox* textFrame(QWidget* parent, const QString& name, const QString& caption, const QString& labelName,
                         const QString& text, int columns, QPushButton* button = nullptr);
    // A number box with the whole input-box convention, registered for `field`.
    QLineEdit* numberBox(QWidget* parent, int field, const QString& name);
    // The item-name box: colouring and Enter only, registered for `field`.
    QLineEdit* itemBox(QWidget* parent, int field, const QString& name);
    // A plain box registered for `field`: no colouring, key filter, Enter or
    // leave-time check (a window whose boxes take any text as typed).
    QLineEdit* plainBox(QWidget* parent, int field, const QString& name);
    // A button; `causesValidation` false lets it be reached while a box holds a non-number.
    QPushButton* button(QWidget* parent, const QString& name, const QString& caption, bool causesValidation = true);
    // Grows the window (its MDI sub-window) to show its whole form, as far as
    // the main window's client area allows; beyond that the form scrolls.
    void growToFitForm();
    // A box wide enough for nine digits.
    static void fitToNineDigits(QLineEdit* box);

    // --- the calculate sequence
    // The wording of a run-time error in Calculate: description + suffix, title, icon.
    void setCalculateErrorWording(const QString& suffix, platform::MsgIcon icon,
                                  const QString& title = QStringLiteral("Error Message"));
    // Where a RuntimeError raised by computeModel() is shown.
    enum class ModelFault {
        CalculatorBox,  // the calculator's own message: its description, no icon, the program's title
        Handler,        // the window's handler, in the Calculate error wording
    };
    void setModelFaultShown(ModelFault where) { m_modelFault = where; }
    // Runs the sequence under the window's handler; true when results were shown.
    bool calculate();

    // Where a message beeped around comes from.
    using MessageSource = core::MessageSource;

    virtual std::span<const core::InputCheck> checks() const = 0;
    // A check that computes (on the boxes' texts, indexed by field), run once
    // the table checks have passed; nullopt: the inputs pass.
    virtual std::optional<core::CheckMessage> computedCheck(const std::vector<std::string>& /*texts*/) {
        return std::nullopt;
    }
    // Whether the window beeps before or after showing a failed check or a
    // message of the calculation.
    virtual core::Beep beepFor(const core::CheckMessage& /*message*/, MessageSource /*source*/) const {
        return core::Beep::None;
    }
    // Before the model runs (forget the last row's key...).
    virtual void startCalculation() {}
    // Runs the model on the boxes' texts (indexed by field); raises RuntimeError
    // on a fault. Answers the message that takes the result's place, or nullopt
    // when a result was computed.
    virtual std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) = 0;
    // Makes every text the calculation shows; may raise RuntimeError (a rounding overflow...).
    virtual void prepareDisplay() = 0;
    // Shows what prepareDisplay() made; raises nothing.
    virtual void showPrepared() = 0;
    // Saves the calculation; may raise RuntimeError (the results stay shown).
    virtual void saveResult() {}
    // Empties every result and what depends on one.
    virtual void clearResults() = 0;
    // Whether a message of the calculation empties the last result (false: it stays shown).
    virtual bool messageEmptiesResults() const { return true; }
    // Whether a fault while computing or preparing empties the last result (false: it stays shown).
    virtual bool faultEmptiesResults() const { return true; }

    // The box holding a field's text, which gets the focus back when its
    // check fails: the registered box unless the window keeps it elsewhere.
    virtual QLineEdit* fieldBox(int field) const { return inputBox(field); }
    // The texts of every field's box, indexed by field.
    std::vector<std::string> fieldTexts() const;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize sizeInWorkspace(const QMdiSubWindow* sub) const;
    void fitToWorkspace(QMdiSubWindow* sub);

    void runSequence(bool& shown);
    // A fault of the sequence's compute or prepare step: true when shown here.
    bool onCalculationFault(core::CalculationStep step, const core::RuntimeError* fault);
    // Shows a message in place of a result, with its beep; its box gets the focus.
    void showMessage(const core::CheckMessage& message, MessageSource source);
    // Empties every result, the pies of the cost tables with the tables.
    void emptyResults();

    AppContext& m_ctx;
    FormScrollArea* m_scroll = nullptr;
    QWidget* m_form = nullptr;
    std::vector<QLineEdit*> m_inputs;
    QString m_errorSuffix;
    QString m_errorTitle = QStringLiteral("Error Message");
    ModelFault m_modelFault = ModelFault::CalculatorBox;
    platform::MsgIcon m_errorIcon = platform::MsgIcon::Exclamation;
    bool m_placed = false;
    QSize m_workspaceFit;  // the size the last fit to the workspace gave the sub-window
};

}  // namespace tervalo::widgets
