// The main of the benchmarks that need a QApplication: offscreen, the C
// locale, and temporary settings folders, so a run never touches the user's
// own settings.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
