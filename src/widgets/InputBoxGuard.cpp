#include "widgets/InputBoxGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include "widgets/InputBoxBehaviour.h"
#include "widgets/InputBoxTargets.h"

namespace tervalo::widgets {

namespace {

// The box holding the focus, when it is an input box; nullptr otherwise.
InputBoxBehaviour* focusedBox() { return InputBoxBehaviour::of(QApplication::focusWidget()); }

// Whether `target` is another control of the form the box `focus` is on.
bool isOtherControlOfForm(QWidget* focus, QWidget* target) {
    if (!target || target == focus) return false;
    QWidget* form = InputBoxTargets::formOf(focus);
    return target != form && InputBoxTargets::formOf(target) == form;
}

}  // namespace

InputBoxGuard::InputBoxGuard(QObject* parent) : QObject(parent) {}

void InputBoxGuard::ensureInstalled() {
    static QPointer<InputBoxGuard> guard;
    if (guard || !qApp) return;
    guard = new InputBoxGuard(qApp);
    qApp->installEventFilter(guard);
}

bool InputBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (watched->isWindowType()) return filterWindowEvent(static_cast<QWindow*>(watched), event);
            return false;
        case QEvent::KeyPress:
            if (watched->isWidgetType()) {
                return filterTab(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
            }
            return false;
        case QEvent::Shortcut:
            if (watched->isWidgetType()) return filterShortcut(static_cast<QWidget*>(watched));
            return false;
        default:
            return false;
    }
}

// Mouse events reach the QWindow before QApplication gives the focus on click,
// so the target is hit-tested here the way Qt will do it next. Qt delivers no
// release to a widget that had no press, so the press is all to swallow.
bool InputBoxGuard::filterWindowEvent(QWindow* window, QEvent* event) {
    if (QApplication::activePopupWidget() || QWidget::mouseGrabber()) return false;
    QWidget* top = InputBoxTargets::widgetOf(window);
    if (!top) return false;
    const bool wheel = event->type() == QEvent::Wheel;
    const QPointF pos =
        wheel ? static_cast<QWheelEvent*>(event)->position() : static_cast<QMouseEvent*>(event)->position();
    QWidget* target = InputBoxTargets::clickTarget(top, pos, wheel ? Qt::WheelFocus : Qt::ClickFocus);
    return !mayMoveTo(target);
}

bool InputBoxGuard::filterTab(QWidget* widget, const QKeyEvent* key) {
    if (widget != QApplication::focusWidget()) return false;
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    // Qt leaves Ctrl+Tab and Alt+Tab to others (MDI window switching, the desktop).
    if (!tab || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    const bool next = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
    return !mayMoveTo(InputBoxTargets::tabTarget(widget, next));
}

bool InputBoxGuard::filterShortcut(QWidget* widget) {
    QWidget* target = InputBoxTargets::shortcutTarget(widget);
    if (!mayMoveTo(target)) return true;
    // Qt clicks a button by its mnemonic without giving it the focus; the user
    // leaving a box that way expects the focus on the button, as with a click.
    const InputBoxBehaviour* box = focusedBox();
    if (box && isOtherControlOfForm(box->box(), target) && target->focusPolicy() != Qt::NoFocus) {
        target->setFocus(Qt::ShortcutFocusReason);
    }
    return false;
}

bool InputBoxGuard::mayMoveTo(QWidget* target) {
    InputBoxBehaviour* box = focusedBox();
    if (!box || !box->options().numberCheck) return true;
    if (!isOtherControlOfForm(box->box(), target) || !InputBoxes::causesValidation(target)) return true;
    // While the message is open, whatever else would leave the box is dropped.
    if (m_checking) return false;
    QPointer<QLineEdit> boxWidget = box->box();
    m_checking = true;
    const bool passes = box->checkOnLeaving();
    m_checking = false;
    if (!passes && boxWidget) giveFocusBack(boxWidget);
    return passes;
}

// After a modal message closes, no window may be active (the offscreen
// platform activates none): activate the box's window so the box has the focus.
void InputBoxGuard::giveFocusBack(QLineEdit* box) {
    QWidget* top = box->window();
    if (!top->isActiveWindow()) top->activateWindow();
    if (QApplication::focusWidget() != box) box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tervalo::widgets
