#pragma once
// The per-box half of the input-box convention, installed on one QLineEdit
// (and owned by it): focus colouring, the numeric key filter, and Enter moving
// on as Tab does. The leave-time check is run by InputBoxGuard, which finds a
// box's options through InputBoxBehaviour::of().
#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include "widgets/InputBoxes.h"

class QColor;
class QKeyEvent;

namespace tervalo::widgets {

class InputBoxBehaviour : public QObject {
    Q_OBJECT
public:
    InputBoxBehaviour(QLineEdit* box, const InputBoxOptions& options, platform::Notifier* notifier);

    // The behaviour installed on `widget`, or nullptr when it is no input box.
    static InputBoxBehaviour* of(const QWidget* widget);

    void setOptions(const InputBoxOptions& options, platform::Notifier* notifier);
    const InputBoxOptions& options() const { return m_options; }
    QLineEdit* box() const { return m_box; }

    // The leave-time check: true when the box may be left; otherwise shows the
    // check's message (exclamation icon) and returns false.
    bool checkOnLeaving();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropsKey(const QKeyEvent* key) const;
    void moveOnAsTab();
    void paint(const QColor& colour);

    QPointer<QLineEdit> m_box;
    InputBoxOptions m_options;
    platform::Notifier* m_notifier = nullptr;
};

}  // namespace tervalo::widgets
