#pragma once
// The program's start-up and the shared state it owns for the whole run: reads
// the chosen database, shows the splash window, opens the shared connection and
// the report layouts' connection, keeps the splash up for three seconds, then
// creates and shows the main window.
//
//   StartUp startUp(settings, notifier, clock);   // program folder: the executable's
//   startUp.run();
//
// Tests and the start-up benchmark pass a stand-in program folder, a
// RecordingNotifier and a FakeClock.
#include <QString>
#include <functional>
#include <memory>

#include "data/Connection.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::platform {
class Clock;
class Notifier;
class SettingsStore;
}  // namespace tervalo::platform

namespace tervalo::shell {

class MainWindow;

class StartUp {
public:
    // Tells the registry how to make every window (the program's window catalogue).
    using WindowRegistration = std::function<void(widgets::AppContext&)>;

    // `programDir` empty: the executable's folder. `registerWindows` runs here,
    // so the registry is ready before run().
    StartUp(platform::SettingsStore& settings, platform::Notifier& notifier, platform::Clock& clock,
            const QString& programDir = QString(), const WindowRegistration& registerWindows = {});
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The start-up sequence. Connection failures are reported in one box (the
    // last failure's description) and start-up goes on. Returns the shown main window.
    MainWindow* run();

    // The shared state handed to every window. Set the report services here before run().
    widgets::AppContext& context() { return m_ctx; }
    MainWindow* mainWindow() const { return m_main.get(); }
    data::Connection& connection() { return m_cnn; }
    data::Connection& reportConnection() { return m_reportCnn; }

private:
    data::Connection m_cnn;
    data::Connection m_reportCnn;
    widgets::WindowRegistry m_registry;
    widgets::AppContext m_ctx;
    std::unique_ptr<MainWindow> m_main;  // last: it goes before the state it uses
};

}  // namespace tervalo::shell
