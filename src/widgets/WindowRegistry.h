#pragma once
// Default window instances: one slot per window class, named by the form's name
// ("frmPurchaseNS"). show() reuses the instance in the slot (creating it on first
// use); openFresh() releases the slot first so a new instance opens in its initial
// state, while an instance still open stays open. A window's slot is cleared when
// it is closed (the window is deleted).
#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QMdiArea;

namespace tervalo::widgets {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    void registerWindow(const QString& formName, Factory factory);
    bool isRegistered(const QString& formName) const;

    // The MDI area that child windows are shown in (set by the main window).
    void setMdiArea(QMdiArea* area) { m_mdi = area; }
    QMdiArea* mdiArea() const { return m_mdi; }

    // The default instance, created (not shown) on first use.
    QWidget* instance(const QString& formName);
    // The default instance if one exists, else nullptr.
    QWidget* existing(const QString& formName) const;
    // The default instance as the window class or interface `W` (a window
    // driven from outside implements one of WindowInterfaces.h); nullptr when
    // the form is not registered or is no `W`.
    template <class W>
    W* instanceAs(const QString& formName) {
        return dynamic_cast<W*>(instance(formName));
    }

    // Shows the default instance as a child of the MDI area (or top-level without one)
    // and activates it.
    QWidget* show(const QString& formName);
    // Releases the slot, then shows a new instance.
    QWidget* openFresh(const QString& formName);
    // Clears the slot without closing the window.
    void release(const QString& formName);
    // Closes the default instance, if one exists, and clears its slot.
    void unload(const QString& formName);

    // The windows the main window's first frame is made to hold (the model
    // windows), and the largest width and the largest height they ask for as
    // child windows, title bar and borders included; each is made for the
    // measure and deleted unshown. An empty size when none are named.
    void setWorkspaceForms(const QStringList& formNames) { m_workspaceForms = formNames; }
    QSize workspaceFormSize() const;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    // Deletes the default instances that no parent owns.
    ~WindowRegistry();

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_slots;
    QMdiArea* m_mdi = nullptr;
    QStringList m_workspaceForms;
};

}  // namespace tervalo::widgets
