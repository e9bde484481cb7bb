#pragma once
// What every window is handed at construction: the shared state of the program.
#include <QString>

class QMainWindow;

namespace tervalo::data {
class Connection;
}
namespace tervalo::platform {
class Notifier;
class SettingsStore;
class Clock;
class ReportService;
class TextReportService;
}  // namespace tervalo::platform

namespace tervalo::widgets {

class WindowRegistry;
class LauncherPanel;

struct AppContext {
    data::Connection* cnn = nullptr;        // the shared connection to the chosen database
    data::Connection* reportCnn = nullptr;  // the report layouts' connection (always dbWHouse.mdb)
    QString dataSource;                     // "Demo.mdb" or "dbWHouse.mdb"
    QString programDir;                     // the folder of the executable and the database files
    platform::SettingsStore* settings = nullptr;
    platform::Notifier* notifier = nullptr;
    platform::Clock* clock = nullptr;
    platform::ReportService* reports = nullptr;
    platform::TextReportService* textReports = nullptr;
    WindowRegistry* registry = nullptr;
    QMainWindow* mainWindow = nullptr;  // the main window, once created
    LauncherPanel* panel = nullptr;     // the main window's left panel, when it has one
};

}  // namespace tervalo::widgets
