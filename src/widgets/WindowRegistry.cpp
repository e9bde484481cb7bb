#include "widgets/WindowRegistry.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace tervalo::widgets {

WindowRegistry::~WindowRegistry() {
    for (const QPointer<QWidget>& w : std::as_const(m_slots)) {
        if (w && !w->parent()) delete w.data();
    }
}

void WindowRegistry::registerWindow(const QString& formName, Factory factory) {
    m_factories.insert(formName, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString& formName) const { return m_factories.contains(formName); }

QWidget* WindowRegistry::instance(const QString& formName) {
    if (QWidget* w = existing(formName)) return w;
    const auto factory = m_factories.constFind(formName);
    if (factory == m_factories.constEnd()) return nullptr;
    QWidget* w = (*factory)();
    if (!w) return nullptr;
    if (w->objectName().isEmpty()) w->setObjectName(formName);
    m_slots.insert(formName, w);  // the QPointer clears itself when the window is deleted
    return w;
}

QWidget* WindowRegistry::existing(const QString& formName) const {
    const auto it = m_slots.constFind(formName);
    return it == m_slots.constEnd() ? nullptr : it->data();
}

QWidget* WindowRegistry::show(const QString& formName) {
    QWidget* w = instance(formName);
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

QWidget* WindowRegistry::openFresh(const QString& formName) {
    release(formName);
    return show(formName);
}

void WindowRegistry::release(const QString& formName) { m_slots.remove(formName); }

void WindowRegistry::unload(const QString& formName) {
    QPointer<QWidget> w = m_slots.take(formName);
    if (!w) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    w->close();
    if (sub && sub->mdiArea()) sub->close();
    // A window that was never shown has no sub-window that would delete it.
    if (w) w->deleteLater();
}

QSize WindowRegistry::workspaceFormSize() const {
    QSize largest;
    for (const QString& form : m_workspaceForms) {
        const auto factory = m_factories.constFind(form);
        if (factory == m_factories.constEnd()) continue;
        // A sub-window gives the size with the title bar and borders of this
        // style; it has them only while it has a parent.
        QWidget holder;
        auto* frame = new QMdiSubWindow(&holder);
        QWidget* w = (*factory)();
        if (!w) continue;
        frame->setWidget(w);
        largest = largest.expandedTo(frame->sizeHint());
    }
    return largest;
}

}  // namespace tervalo::widgets
