#pragma once
// Default window instances: one slot per window, named by its WindowId. show()
// reuses the instance in the slot (creating it on first use); openFresh()
// releases the slot first so a new instance opens in its initial state, while
// an instance still open stays open. A window's slot is cleared when
// it is closed (the window is deleted).
#include <QPointer>
#include <QSize>
#include <array>
#include <functional>
#include <vector>

#include "widgets/WindowId.h"

class QWidget;
class QMdiArea;

namespace tervalo::widgets {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    void registerWindow(WindowId window, Factory factory);
    bool isRegistered(WindowId window) const;

    // The MDI area that child windows are shown in (set by the main window).
    void setMdiArea(QMdiArea* area) { m_mdi = area; }
    QMdiArea* mdiArea() const { return m_mdi; }

    // The default instance, created (not shown) on first use.
    QWidget* instance(WindowId window);
    // The default instance if one exists, else nullptr.
    QWidget* existing(WindowId window) const;
    // The default instance as the window class or interface `W` (a window
    // driven from outside implements an interface of widgets/windows/);
    // nullptr when the window is not registered or is no `W`.
    template <class W>
    W* instanceAs(WindowId window) {
        return dynamic_cast<W*>(instance(window));
    }

    // Shows the default instance as a child of the MDI area (or top-level without one)
    // and activates it.
    QWidget* show(WindowId window);
    // Releases the slot, then shows a new instance.
    QWidget* openFresh(WindowId window);
    // Clears the slot without closing the window.
    void release(WindowId window);
    // Closes the default instance, if one exists, and clears its slot.
    void unload(WindowId window);

    // The windows the main window's first frame is made to hold (the model
    // windows), and the largest width and the largest height they ask for as
    // child windows, title bar and borders included; each is made for the
    // measure and deleted unshown. An empty size when none are named.
    void setWorkspaceForms(std::vector<WindowId> windows) { m_workspaceForms = std::move(windows); }
    QSize workspaceFormSize() const;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    // Deletes the default instances that no parent owns.
    ~WindowRegistry();

private:
    std::array<Factory, kWindowCount> m_factories;
    std::array<QPointer<QWidget>, kWindowCount> m_slots;
    QMdiArea* m_mdi = nullptr;
    std::vector<WindowId> m_workspaceForms;
};

}  // namespace tervalo::widgets
