#include "shell/StartUp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>
#include <exception>

#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"

namespace tervalo::shell {

namespace {

const QString kReportDatabase = QStringLiteral("dbWHouse.mdb");
constexpr int kSplashMilliseconds = 3000;
// The longest wait for the window system to show the splash (it is painted then).
constexpr int kSplashShownMilliseconds = 250;

// Opens the database file of the program's folder; a failure's description goes to `lastError`.
void openRecordingFailure(data::Connection& cnn, const QString& folder, const QString& fileName, QString& lastError) {
    try {
        cnn.open(data::ConnectionString::forFile(folder, fileName));
    } catch (const core::RuntimeError& e) {
        lastError = QString::fromStdString(e.description());
    } catch (const std::exception& e) {
        lastError = QString::fromUtf8(e.what());
    }
}

}  // namespace

StartUp::StartUp(widgets::AppContext& ctx, const QString& programDir, const WindowRegistration& registerWindows)
    : m_ctx(ctx) {
    m_ctx.programDir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    if (registerWindows) registerWindows(m_ctx);
}

StartUp::~StartUp() = default;

MainWindow* StartUp::run() {
    m_ctx.dataSource = m_ctx.settings.dataSourceName();

    // The splash first; the rest of the start-up happens while it is up.
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    // Painted as soon as the window system shows it: nothing below handles events.
    const QDeadlineTimer shownInTime(kSplashShownMilliseconds);
    do
        QCoreApplication::processEvents();
    while (!splash->windowHandle()->isExposed() && !shownInTime.hasExpired());
    const qint64 splashShown = m_ctx.clock.steadyMs();

    // Both connections are tried; the program starts either way, and the windows
    // that need a closed connection report it in their own handlers.
    QString lastError;
    openRecordingFailure(m_ctx.cnn, m_ctx.programDir, m_ctx.dataSource, lastError);
    if (!m_ctx.reportCnn.isOpen()) openRecordingFailure(m_ctx.reportCnn, m_ctx.programDir, kReportDatabase, lastError);
    if (!lastError.isEmpty())
        m_ctx.notifier.show(nullptr, lastError, QStringLiteral("Error Message"), platform::MsgIcon::Exclamation);

    // The main window is made and loaded behind the splash, and shown when the
    // splash has been up for three seconds, the set-up's time included.
    m_main = std::make_unique<MainWindow>(m_ctx);
    m_ctx.mainWindow = m_main.get();
    const qint64 left = kSplashMilliseconds - (m_ctx.clock.steadyMs() - splashShown);
    if (left > 0) m_ctx.clock.wait(static_cast<int>(left));
    m_main->show();
    splash->close();
    return m_main.get();
}

}  // namespace tervalo::shell
