#include "shell/StartUp.h"

#include <QCoreApplication>
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

    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    QCoreApplication::processEvents();  // painted now: the wait below handles no events

    // Both connections are tried; the program starts either way, and the windows
    // that need a closed connection report it in their own handlers.
    QString lastError;
    openRecordingFailure(m_ctx.cnn, m_ctx.programDir, m_ctx.dataSource, lastError);
    if (!m_ctx.reportCnn.isOpen()) openRecordingFailure(m_ctx.reportCnn, m_ctx.programDir, kReportDatabase, lastError);
    if (!lastError.isEmpty())
        m_ctx.notifier.show(nullptr, lastError, QStringLiteral("Error Message"), platform::MsgIcon::Exclamation);

    m_ctx.clock.wait(kSplashMilliseconds);

    m_main = std::make_unique<MainWindow>(m_ctx);
    m_ctx.mainWindow = m_main.get();
    m_main->show();
    splash->close();
    return m_main.get();
}

}  // namespace tervalo::shell
