#pragma once
// What every window is handed at construction: the program's services and its
// shared state. The services are references, so a window never asks whether
// one is there; whoever starts the program (main, a test) makes them first.
#include <QString>

class QMainWindow;

namespace tervalo::data {
class Connection;
}
namespace tervalo::platform {
class Notifier;
class AppSettings;
class Clock;
class ReportService;
class TextReportService;
class Beeper;
}  // namespace tervalo::platform

namespace tervalo::widgets {

class WindowRegistry;
class LauncherPanel;

struct AppContext {
    AppContext(data::Connection& cnn, data::Connection& reportCnn, platform::AppSettings& settings,
               platform::Notifier& notifier, platform::Clock& clock, platform::ReportService& reports,
               platform::TextReportService& textReports, WindowRegistry& registry)
        : cnn(cnn),
          reportCnn(reportCnn),
          settings(settings),
          notifier(notifier),
          clock(clock),
          reports(reports),
          textReports(textReports),
          registry(registry) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    data::Connection& cnn;        // the shared connection to the chosen database
    data::Connection& reportCnn;  // the report layouts' connection (always dbWHouse.mdb)
    platform::AppSettings& settings;
    platform::Notifier& notifier;
    platform::Clock& clock;
    platform::ReportService& reports;
    platform::TextReportService& textReports;
    WindowRegistry& registry;

    QString dataSource;                 // "Demo.mdb" or "dbWHouse.mdb"
    QString programDir;                 // the folder of the executable and the database files
    QMainWindow* mainWindow = nullptr;  // the main window, once it is made

    // The main window's left panel of launcher buttons; until one is set, a
    // panel without buttons.
    LauncherPanel& panel() const;
    void setPanel(LauncherPanel* panel) { m_panel = panel; }

    // The beep of the checks that beep; the system's unless another is set (tests count).
    platform::Beeper& beeper() const;
    void setBeeper(platform::Beeper& beeper) { m_beeper = &beeper; }

private:
    LauncherPanel* m_panel = nullptr;
    platform::Beeper* m_beeper = nullptr;
};

}  // namespace tervalo::widgets
