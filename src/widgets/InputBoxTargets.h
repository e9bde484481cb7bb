#pragma once
// Where the focus is about to go, worked out before Qt moves it, with the same
// rules Qt applies (so a leave-time check can veto the move):
//  - a mouse press (or wheel) gives the focus like QApplication does on a click;
//  - Tab and Shift+Tab follow the focus chain like QWidget::focusNextPrevChild;
//  - a mnemonic (QEvent::Shortcut) reaches its widget, or a label's buddy.
#include <QPointF>
#include <Qt>

class QWidget;
class QWindow;

namespace tervalo::widgets::InputBoxTargets {

// The form a control belongs to: its top-level window or MDI sub-window.
QWidget* formOf(QWidget* widget);

// The top-level widget shown in `window`, or nullptr.
QWidget* widgetOf(const QWindow* window);

// The widget a mouse event at `pos` (window coordinates) in `top` would give the
// focus to with `policy` (Qt::ClickFocus for a press, Qt::WheelFocus for the
// wheel); nullptr when the focus would not move.
QWidget* clickTarget(QWidget* top, QPointF pos, Qt::FocusPolicy policy);

// The widget Tab (`next`) or Shift+Tab would give the focus to from `focus`.
// Inside an MDI sub-window a wrapping Tab passes through the sub-window itself
// before reaching a control; the control is returned. nullptr when nothing moves.
QWidget* tabTarget(QWidget* focus, bool next);

// The widget a mnemonic shortcut delivered to `receiver` activates: the receiver,
// or a label's buddy; nullptr for menus, tool bars and labels without a buddy.
QWidget* shortcutTarget(QWidget* receiver);

}  // namespace tervalo::widgets::InputBoxTargets
