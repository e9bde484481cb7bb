#pragma once
// The program's start-up: reads the chosen database, shows the splash window,
// then, while it is up, opens the shared connection and the report layouts'
// connection and makes the main window; shows the main window when the splash
// has been up for three seconds (counted from its appearance) and closes the splash.
//
//   widgets::AppContext ctx{cnn, reportCnn, settings, notifier, clock, reports, textReports, registry};
//   StartUp startUp(ctx, programDir, app::registerWindows);
//   startUp.run();
//
// Tests and the start-up benchmark pass a stand-in program folder, a
// recording notifier and a clock that does not wait.
#include <QString>
#include <functional>
#include <memory>

#include "widgets/AppContext.h"

namespace tervalo::shell {

class MainWindow;

class StartUp {
public:
    // Tells the registry how to make every window (the program's window catalogue).
    using WindowRegistration = std::function<void(widgets::AppContext&)>;

    // `programDir` empty: the executable's folder. `registerWindows` runs here,
    // so the registry is ready before run().
    explicit StartUp(widgets::AppContext& ctx, const QString& programDir = QString(),
                     const WindowRegistration& registerWindows = {});
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The start-up sequence. Connection failures are reported in one box (the
    // last failure's description) and start-up goes on. Returns the shown main window.
    MainWindow* run();

    widgets::AppContext& context() { return m_ctx; }
    MainWindow* mainWindow() const { return m_main.get(); }

private:
    widgets::AppContext& m_ctx;
    std::unique_ptr<MainWindow> m_main;
};

}  // namespace tervalo::shell
