#include "widgets/WindowRegistry.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <utility>

namespace tervalo::widgets {

WindowRegistry::~WindowRegistry() {
    for (const QPointer<QWidget>& w : std::as_const(m_slots)) {
        if (w && !w->parent()) delete w.data();
    }
}

void WindowRegistry::registerWindow(WindowId window, Factory factory) {
    m_factories[windowIndex(window)] = std::move(factory);
}

bool WindowRegistry::isRegistered(WindowId window) const { return bool(m_factories[windowIndex(window)]); }

QWidget* WindowRegistry::instance(WindowId window) {
    if (QWidget* w = existing(window)) return w;
    const Factory& factory = m_factories[windowIndex(window)];
    if (!factory) return nullptr;
    QWidget* w = factory();
    if (!w) return nullptr;
    if (w->objectName().isEmpty()) w->setObjectName(formName(window));
    m_slots[windowIndex(window)] = w;  // the QPointer clears itself when the window is deleted
    return w;
}

QWidget* WindowRegistry::existing(WindowId window) const { return m_slots[windowIndex(window)].data(); }

QWidget* WindowRegistry::show(WindowId window) {
    QWidget* w = instance(window);
    if (!w) return nullptr;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    // A window no one owns becomes a child window; dialogs stay in front of the main window.
    if (!sub && m_mdi && !w->parent() && !qobject_cast<QDialog*>(w)) {
        sub = m_mdi->addSubWindow(w);
        // A window that closes itself takes its (otherwise empty) frame with it.
        QObject::connect(w, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    }
    if (sub) {
        // Closing the sub-window deletes it and the window, which clears the slot.
        sub->setAttribute(Qt::WA_DeleteOnClose);
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (sub->isMinimized()) sub->showNormal();
        sub->show();
        w->show();
        m_mdi->setActiveSubWindow(sub);
    } else {
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        w->raise();
        w->activateWindow();
    }
    return w;
}

QWidget* WindowRegistry::openFresh(WindowId window) {
    release(window);
    return show(window);
}

void WindowRegistry::release(WindowId window) { m_slots[windowIndex(window)].clear(); }

void WindowRegistry::unload(WindowId window) {
    QPointer<QWidget> w = std::exchange(m_slots[windowIndex(window)], nullptr);
    if (!w) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    w->close();
    if (sub && sub->mdiArea()) sub->close();
    // A window that was never shown has no sub-window that would delete it.
    if (w) w->deleteLater();
}

QSize WindowRegistry::workspaceFormSize() const {
    QSize largest;
    for (WindowId form : m_workspaceForms) {
        const Factory& factory = m_factories[windowIndex(form)];
        if (!factory) continue;
        // A sub-window gives the size with the title bar and borders of this
        // style; it has them only while it has a parent.
        QWidget holder;
        auto* frame = new QMdiSubWindow(&holder);
        QWidget* w = factory();
        if (!w) continue;
        frame->setWidget(w);
        largest = largest.expandedTo(frame->sizeHint());
    }
    return largest;
}

}  // namespace tervalo::widgets
