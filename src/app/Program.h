#pragma once
// The program as it runs: its services (message boxes, settings, clock, the two
// connections, report output, text reports, the window registry), the window
// catalogue and the start-up sequence. The program (main.cpp) and the
// screenshot tour (tools/screenshot) start the same way:
//
//     QApplication qapp(argc, argv);
//     app::prepareApplication(qapp);
//     app::Program program;
//     program.start();
//     return qapp.exec();
//
// Closing the main window ends the event loop.
#include <memory>

class QApplication;

namespace tervalo::shell {
class MainWindow;
}
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::app {

// The application's name, numbers read and written with "." whatever the
// locale, and the window icon.
void prepareApplication(QApplication& qapp);

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up sequence; returns the shown main window.
    shell::MainWindow* start();
    widgets::AppContext& context();

private:
    struct Services;
    std::unique_ptr<Services> m_services;
};

}  // namespace tervalo::app
