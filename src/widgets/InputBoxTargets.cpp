#include "widgets/InputBoxTargets.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyleHints>
#include <QToolBar>
#include <QWidget>
#include <QWindow>

namespace tervalo::widgets::InputBoxTargets {

namespace {

QWidget* deepestFocusProxy(const QWidget* widget) {
    QWidget* proxy = widget->focusProxy();
    while (proxy && proxy->focusProxy())
        proxy = proxy->focusProxy();
    return proxy;
}

bool hasPolicy(const QWidget* widget, Qt::FocusPolicy policy) {
    return (uint(widget->focusPolicy()) & uint(policy)) == uint(policy);
}

// A widget takes the focus on a click when it, and the widget its focus is
// handed to, both accept the policy.
bool acceptsFocus(const QWidget* widget, Qt::FocusPolicy policy) {
    const QWidget* proxy = deepestFocusProxy(widget);
    return hasPolicy(widget, policy) && (!proxy || hasPolicy(proxy, policy));
}

bool isSubWindow(const QWidget* widget) { return widget->windowType() == Qt::SubWindow; }

// One step along the focus chain of `scope` from `from`, with the rules of a
// Tab key press: the next (or, backwards, the previous) visible, enabled widget
// that takes Tab focus, staying inside a sub-window, and not stepping into a
// compound widget from the wrong side of its focus proxy.
QWidget* stepInChain(QWidget* scope, QWidget* from, bool next) {
    const bool tabAll = QGuiApplication::styleHints()->tabFocusBehavior() == Qt::TabFocusAllControls;
    const Qt::FocusPolicy tabPolicy = tabAll ? Qt::TabFocus : Qt::StrongFocus;
    QWidget* found = from;
    for (QWidget* test = from->nextInFocusChain(); test && test != from; test = test->nextInFocusChain()) {
        QWidget* proxy = deepestFocusProxy(test);
        const QWidget* taker = proxy ? proxy : test;
        const bool canTakeFocus = taker->isEnabled() && hasPolicy(taker, tabPolicy);
        const bool intoComposite = proxy && (next ? proxy->isAncestorOf(test) : test->isAncestorOf(proxy));
        const bool inScope =
            (!isSubWindow(found) || found->isAncestorOf(test)) && (!isSubWindow(scope) || scope->isAncestorOf(test));
        if (canTakeFocus && !intoComposite && inScope && test->isVisibleTo(scope) && test->isEnabled() &&
            from != proxy) {
            found = test;
            if (next) break;
        }
    }
    return found == from ? nullptr : found;
}

}  // namespace

QWidget* formOf(QWidget* widget) {
    while (widget && !widget->isWindow() && !isSubWindow(widget))
        widget = widget->parentWidget();
    return widget;
}

QWidget* widgetOf(const QWindow* window) {
    if (!window) return nullptr;
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget* top : tops) {
        if (top->windowHandle() == window) return top;
    }
    return nullptr;
}

QWidget* clickTarget(QWidget* top, QPointF pos, Qt::FocusPolicy policy) {
    QWidget* widget = top->childAt(pos.toPoint());
    if (!widget) widget = top;
    QPointF local = widget->mapFrom(top, pos);
    while (widget) {
        if (widget->isEnabled() && widget->rect().contains(local.toPoint()) && acceptsFocus(widget, policy)) {
            return widget;
        }
        if (widget->isWindow()) break;
        // A click inside the focused widget (or its compound) keeps the focus there.
        const QWidget* holder = widget->focusProxy() ? widget->focusProxy() : widget;
        if (holder->hasFocus()) break;
        local += widget->pos();
        widget = widget->parentWidget();
    }
    return nullptr;
}

QWidget* tabTarget(QWidget* focus, bool next) {
    QWidget* scope = formOf(focus);
    if (!scope) return nullptr;
    QWidget* from = scope->focusWidget() ? scope->focusWidget() : scope;
    QWidget* target = stepInChain(scope, from, next);
    // The sub-window hands a focus it got by Tab on to its next control.
    if (target == scope && isSubWindow(scope)) target = stepInChain(scope, scope, next);
    return target;
}

QWidget* shortcutTarget(QWidget* receiver) {
    for (QWidget* w = receiver; w; w = w->parentWidget()) {
        if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w) || qobject_cast<QToolBar*>(w)) {
            return nullptr;
        }
    }
    if (const auto* label = qobject_cast<QLabel*>(receiver)) return label->buddy();
    return receiver;
}

}  // namespace tervalo::widgets::InputBoxTargets
