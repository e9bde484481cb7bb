#pragma once
// A throwaway X desktop for the tests that look at windows as a window manager
// frames them: Xvfb on a display number it finds free itself, with one screen
// of the given size, and openbox managing it. Both are stopped by process id on
// destruction. When a program is not installed, missing() names it and nothing
// is started. The window system is read with xwininfo and xprop.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

namespace tervalo::test {

class VirtualDesktop {
public:
    VirtualDesktop(int width, int height);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    // The programs that are missing, "" when all are there.
    QString missing() const { return m_missing; }
    // Why the desktop did not start ("" when it runs).
    QString failure() const { return m_failure; }
    bool running() const { return m_running; }

    // The environment of a Qt program shown on this desktop: this process's,
    // with its DISPLAY and the xcb platform.
    QProcessEnvironment environment() const;

    // The frame around the shown ordinary (not splash or dialog) window titled
    // `title`, on the screen: its client area with the frame's extents as the
    // window manager gives them. Empty while there is none.
    QRect managedFrame(const QString& title) const;

private:
    QString output(const QString& program, const QStringList& arguments) const;
    bool managerReady() const;

    QString m_missing;
    QString m_failure;
    QString m_display;
    QProcess m_server;
    QProcess m_manager;
    bool m_running = false;
};

}  // namespace tervalo::test
