// Tervalo: cost-minimising inventory policies.
#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <memory>

#include "app/WindowCatalog.h"
#include "data/Connection.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/PlainTextReportService.h"
#include "platform/SettingsStore.h"
#include "reports/PaintedReportOutput.h"
#include "reports/ReportPrintService.h"
#include "shell/BrowserWindow.h"
#include "shell/MainWindow.h"
#include "shell/ScreenshotTour.h"
#include "shell/StartUp.h"
#include "shell/ToolbarIcons.h"
#include "warehouse/BatchAnalysis.h"
#include "widgets/AccessibleNames.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

using namespace tervalo;

int main(int argc, char** argv) {
    // The web browser window: WebEngine needs shared OpenGL contexts, set before
    // the QApplication, and, run as root, Chromium's --no-sandbox.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    shell::BrowserWindow::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tervalo"));
    widgets::AccessibleNames::install();
    // Numbers are read and written with "." whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(shell::ToolbarIcons::icon(QStringLiteral("Tervalo"), app.style()));

    platform::MessageBoxNotifier notifier;
    platform::SettingsStore settingsStore;
    platform::AppSettings settings(settingsStore);
    platform::Clock clock;
    data::Connection cnn;
    data::Connection reportCnn;
    // Where reports are printed and previewed; it outlives the windows.
    reports::PaintedReportOutput reportOutput(notifier, clock);
    widgets::WindowRegistry registry;
    platform::PlainTextReportService textReports(&notifier);
    // The model windows print the rows they saved, so each print's query runs on
    // the shared connection; the layouts are painted in a preview or on paper.
    reports::ReportPrintService printService(cnn, reportOutput);
    widgets::AppContext ctx{cnn, reportCnn, settings, notifier, clock, printService, textReports, registry};
    shell::StartUp startUp(ctx, QString(),
                           [&reportOutput](widgets::AppContext& c) { app::registerWindows(c, reportOutput); });

    shell::MainWindow* main = startUp.run();
    // Closing the main window ends the program.
    QObject::connect(main, &shell::MainWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // Only for scripts/screenshot: TERVALO_SCREENSHOT=<folder>, TERVALO_SCREENSHOT_FORMS=frmA,frmB
    std::unique_ptr<shell::ScreenshotTour> tour;
    if (const char* out = std::getenv("TERVALO_SCREENSHOT"); out && *out) {
        const char* forms = std::getenv("TERVALO_SCREENSHOT_FORMS");
        tour = std::make_unique<shell::ScreenshotTour>(
            startUp.context(), QString::fromLocal8Bit(out),
            QString::fromLocal8Bit(forms ? forms : "").split(',', Qt::SkipEmptyParts));
        // BatchAnalysis: every item of the database analysed, the log window during and after the run.
        auto* batch = new warehouse::BatchAnalysis(startUp.context(), app::singlePeriodCalculator(), main);
        tour->addScene(QStringLiteral("BatchAnalysis"), [batch, &startUp] {
            batch->startAll({});
            return startUp.context().registry.existing(QStringLiteral("frmLog"));
        });
        QTimer::singleShot(0, tour.get(), &shell::ScreenshotTour::start);
    }
    return app.exec();
}
