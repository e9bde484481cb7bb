// The second row of the start-up benchmark (bench/startup_window.sh): the
// program's splash window alone, with the program's libraries but none of its
// set-up, so that what the program does before its splash appears shows apart
// from what the window itself costs (fonts, text layout).
#include <QApplication>

#include "shell/SplashWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tervalo::shell::SplashWindow splash;
    splash.show();
    return app.exec();
}
