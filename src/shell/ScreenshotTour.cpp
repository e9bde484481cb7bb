#include "shell/ScreenshotTour.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::shell {

ScreenshotTour::ScreenshotTour(widgets::AppContext& ctx, const QString& outDir, const QStringList& formNames,
                               QObject* parent)
    : QObject(parent), m_ctx(ctx), m_outDir(outDir), m_forms(formNames) {
    m_modalTimer = new QTimer(this);
    m_modalTimer->setInterval(400);
    connect(m_modalTimer, &QTimer::timeout, this, &ScreenshotTour::onModalTimerTimeout);
}

void ScreenshotTour::settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ScreenshotTour::grabMainWindow(const QString& name) {
    QWidget* main = m_ctx.mainWindow;
    if (!main) return;
    const QString file = QDir(m_outDir).filePath(name + QStringLiteral(".png"));
    if (!main->grab().save(file)) std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(file));
}

void ScreenshotTour::onModalTimerTimeout() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    const QString file = QDir(m_outDir).filePath(QStringLiteral("%1_box%2.png").arg(m_current).arg(++m_boxes));
    modal->grab().save(file);
    std::fprintf(stderr, "screenshot: closed a message box (%s)\n", qPrintable(file));
    modal->close();
}

void ScreenshotTour::pressControls(QWidget* window, const QStringList& names) {
    for (const QString& name : names) {
        if (auto* button = window ? window->findChild<QAbstractButton*>(name) : nullptr) {
            button->click();
        } else if (auto* action = m_ctx.mainWindow ? m_ctx.mainWindow->findChild<QAction*>(name) : nullptr) {
            action->trigger();
        } else {
            std::fprintf(stderr, "screenshot: no control %s\n", qPrintable(name));
            continue;
        }
        settle(600);
    }
}

void ScreenshotTour::grabOtherWindows(const QString& name) {
    int n = 0;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w == m_ctx.mainWindow || !w->isVisible()) continue;
        const QString file = QDir(m_outDir).filePath(QStringLiteral("%1_win%2.png").arg(name).arg(++n));
        w->grab().save(file);
        w->close();
    }
    settle(200);
}

void ScreenshotTour::start() {
    QDir().mkpath(m_outDir);
    m_modalTimer->start();
    if (QWidget* main = m_ctx.mainWindow) {
        // Large enough for the model windows; not stored, the tour ends without closing.
        main->setGeometry(0, 0, 1400, 940);
        main->raise();
        main->activateWindow();
    }
    settle(600);
    grabMainWindow(m_current);
    for (const QString& step : std::as_const(m_forms)) {
        // "frmPurchaseNS+cmdPrint": after the example, press these controls too.
        QStringList controls = step.split('+', Qt::SkipEmptyParts);
        const QString form = controls.isEmpty() ? QString() : controls.takeFirst();
        m_current = form;
        m_boxes = 0;
        if (form == QStringLiteral("frmMain")) {
            pressControls(m_ctx.mainWindow, controls);
            grabOtherWindows(form);
            continue;
        }
        if (!m_ctx.registry.isRegistered(form)) {
            std::fprintf(stderr, "screenshot: %s is not a registered window\n", qPrintable(form));
            continue;
        }
        QWidget* w = m_ctx.registry.openFresh(form);
        settle(400);
        if (auto* example = w ? w->findChild<QAbstractButton*>(QStringLiteral("cmdExample")) : nullptr) {
            example->click();
            settle(600);
        }
        grabMainWindow(form);
        if (!controls.isEmpty()) {
            pressControls(w, controls);
            grabMainWindow(form + QStringLiteral("_pressed"));
        }
        grabOtherWindows(form);
        m_ctx.registry.unload(form);
        settle(200);
    }
    m_modalTimer->stop();
    QCoreApplication::quit();
}

}  // namespace tervalo::shell
