// The floor of the start-up benchmark (bench/startup_window.sh): a bare Qt
// window: a QApplication and one empty window at Qt's default size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
