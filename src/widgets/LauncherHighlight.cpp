#include "widgets/LauncherHighlight.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QPalette>
#include <QWidget>

#include "widgets/AppContext.h"
#include "widgets/LauncherPanel.h"

namespace tervalo::widgets {

LauncherHighlight::LauncherHighlight(QWidget* window, const AppContext& ctx, int firstTabButton, int otherTabButton)
    : QObject(window),
      m_window(window),
      m_ctx(ctx),
      m_firstTabButton(firstTabButton),
      m_otherTabButton(otherTabButton) {
    window->installEventFilter(this);
    watchSubWindow();
}

bool LauncherHighlight::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        switch (event->type()) {
            case QEvent::ParentChange:
                watchSubWindow();
                break;
            // A top-level window is activated by the window system. Inside the main
            // window these events reach every child whenever the main window gains
            // or loses the focus (a message box, another program): only the
            // sub-window's own activation counts there.
            case QEvent::WindowActivate:
                if (!m_subWindow) colour(true);
                break;
            case QEvent::WindowDeactivate:
                if (!m_subWindow) colour(false);
                break;
            case QEvent::Close:
                colour(false);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Inside the main window's MDI area, activation is the sub-window's state.
void LauncherHighlight::watchSubWindow() {
    auto* sub = qobject_cast<QMdiSubWindow*>(m_window->parentWidget());
    if (sub == m_subWindow) return;
    if (m_subWindow) disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow = sub;
    if (!sub) return;
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        const bool was = before.testFlag(Qt::WindowActive);
        const bool is = now.testFlag(Qt::WindowActive);
        if (was != is) colour(is);
    });
}

void LauncherHighlight::colour(bool active) {
    LauncherPanel& panel = m_ctx.panel();
    const bool firstTab = panel.currentTab() <= 0;
    const int index = firstTab ? m_firstTabButton : m_otherTabButton;
    if (index < 0) return;
    QWidget* button = panel.button(firstTab ? QStringLiteral("Command2") : QStringLiteral("Command1"), index);
    if (!button) return;
    const QPalette system = QApplication::palette();
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, system.color(active ? QPalette::ToolTipBase : QPalette::Button));
    button->setPalette(palette);
}

}  // namespace tervalo::widgets
