// The main of the benchmarks that need a Qt application: offscreen, the C
// locale, and temporary settings folders, so a run never touches the user's
// own settings. A QApplication where Qt Widgets is linked, else a
// QGuiApplication.
#include <benchmark/benchmark.h>

#if __has_include(<QApplication>)
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
