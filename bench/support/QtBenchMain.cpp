// The main of the benchmarks that need a Qt application: offscreen, the C
// locale, and temporary settings folders, so a run never touches the user's
// own settings. A QApplication where Qt Widgets is linked, else a
// QGuiApplication (support/TestApplication.h).
#include <benchmark/benchmark.h>

#include "support/TestApplication.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    tervalo::test::TestApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
