#include "shell/ScreenshotTour.h"

#include <QAbstractButton>
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
    const QString file =
        QDir(m_outDir).filePath(QStringLiteral("%1_box%2.png").arg(m_current).arg(++m_boxes));
    modal->grab().save(file);
    std::fprintf(stderr, "screenshot: closed a message box (%s)\n", qPrintable(file));
    modal->close();
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
    for (const QString& form : std::as_const(m_forms)) {
        m_current = form;
        m_boxes = 0;
        if (!m_ctx.registry || !m_ctx.registry->isRegistered(form)) {
            std::fprintf(stderr, "screenshot: %s is not a registered window\n", qPrintable(form));
            continue;
        }
        QWidget* w = m_ctx.registry->openFresh(form);
        settle(400);
        if (auto* example = w ? w->findChild<QAbstractButton*>(QStringLiteral("cmdExample")) : nullptr) {
            example->click();
            settle(600);
        }
        grabMainWindow(form);
        m_ctx.registry->unload(form);
        settle(200);
    }
    m_modalTimer->stop();
    QCoreApplication::quit();
}

}  // namespace tervalo::shell
