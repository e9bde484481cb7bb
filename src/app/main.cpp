// Tervalo: cost-minimising inventory policies.
#include <QApplication>

#include "app/Program.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    tervalo::app::prepareApplication(qapp);
    tervalo::app::Program program;
    program.start();
    return qapp.exec();
}
