#include "app/Program.h"

#include <QApplication>
#include <QLocale>
#include <clocale>

#include "app/WindowCatalog.h"
#include "data/Connection.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/PlainTextReportService.h"
#include "platform/SettingsStore.h"
#include "reports/PaintedReportOutput.h"
#include "reports/ReportPrintService.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "shell/ToolbarIcons.h"
#include "widgets/AccessibleNames.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::app {

void prepareApplication(QApplication& qapp) {
    QApplication::setApplicationName(QStringLiteral("Tervalo"));
    // Combo boxes are announced by their label, not by their value.
    widgets::AccessibleNames::install();
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(shell::ToolbarIcons::icon(QStringLiteral("Tervalo"), qapp.style()));
}

// Members in the order they depend on each other; destroyed in reverse.
struct Program::Services {
    platform::MessageBoxNotifier notifier;
    platform::SettingsStore settingsStore;
    platform::AppSettings settings{settingsStore};
    platform::Clock clock;
    data::Connection cnn;
    data::Connection reportCnn;
    // Where reports are printed and previewed; it outlives the windows.
    reports::PaintedReportOutput reportOutput{notifier, clock};
    widgets::WindowRegistry registry;
    platform::PlainTextReportService textReports{&notifier};
    // The model windows print the rows they saved, so each print's query runs on
    // the shared connection; the layouts are painted in a preview or on paper.
    reports::ReportPrintService printService{cnn, reportOutput};
    widgets::AppContext ctx{cnn, reportCnn, settings, notifier, clock, printService, textReports, registry};
    shell::StartUp startUp{ctx, QString(), [this](widgets::AppContext& c) { registerWindows(c, reportOutput); }};
};

Program::Program() : m_services(std::make_unique<Services>()) {}

Program::~Program() = default;

shell::MainWindow* Program::start() {
    shell::MainWindow* main = m_services->startUp.run();
    // Closing the main window ends the program.
    QObject::connect(main, &shell::MainWindow::unloaded, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return main;
}

widgets::AppContext& Program::context() { return m_services->startUp.context(); }

}  // namespace tervalo::app
