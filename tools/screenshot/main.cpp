// tervalo-screenshot OUT_DIR [STEP]...: the program, started as for a user,
// with a tour of its windows that writes PNGs to OUT_DIR (ScreenshotTour.h).
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "ScreenshotTour.h"
#include "app/Program.h"
#include "app/WindowCatalog.h"
#include "shell/MainWindow.h"
#include "warehouse/runs/BatchAnalysis.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

using namespace tervalo;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    app::prepareApplication(qapp);
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: tervalo-screenshot OUT_DIR [STEP]...\n");
        return 2;
    }
    const QString outDir = args.takeFirst();

    app::Program program;
    shell::MainWindow* main = program.start();
    widgets::AppContext& ctx = program.context();
    screenshot::ScreenshotTour tour(ctx, outDir, args);
    // BatchAnalysis: every item of the database analysed, the log window during and after the run.
    auto* batch = new warehouse::BatchAnalysis(ctx, app::singlePeriodCalculator(), main);
    tour.addScene(QStringLiteral("BatchAnalysis"), [batch, &ctx] {
        batch->startAll({});
        return ctx.registry.existing(widgets::WindowId::Log);
    });
    QTimer::singleShot(0, &tour, &screenshot::ScreenshotTour::start);
    return qapp.exec();
}
