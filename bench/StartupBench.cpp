// The program's start-up less the three-second splash wait: both connections
// opened on copies of the database files, the main window built, loaded and
// shown, offscreen. Run: build/<dir>/bin/bench_StartupBench (reports the median
// of ten repetitions).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/WindowCatalog.h"
#include "data/Connection.h"
#include "platform/AppSettings.h"
#include "platform/SettingsStore.h"
#include "shell/StartUp.h"
#include "support/FakeClock.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingReportOutput.h"
#include "support/WindowTestContext.h"
#include "widgets/WindowRegistry.h"

using namespace tervalo;

namespace {

// A stand-in program folder with copies of the two database files start-up opens.
QString programFolder() {
    static QTemporaryDir dir;
    static bool filled = false;
    if (!filled) {
        for (const char* file : {"Demo.mdb", "dbWHouse.mdb"}) {
            const QString from = QCoreApplication::applicationDirPath() + '/' + file;
            if (!QFile::copy(from, dir.filePath(file))) std::fprintf(stderr, "missing %s\n", qPrintable(from));
        }
        filled = true;
    }
    return dir.path();
}

void BM_StartUp(benchmark::State& state) {
    platform::SettingsStore store;
    platform::AppSettings settings(store);
    test::RecordingNotifier notifier;
    test::FakeClock clock;
    test::RecordingReportService reports;
    test::RecordingTextReportService textReports;
    test::RecordingReportOutput reportOutput;
    const QString folder = programFolder();
    for (auto _ : state) {
        data::Connection cnn;
        data::Connection reportCnn;
        widgets::WindowRegistry registry;
        widgets::AppContext ctx(cnn, reportCnn, settings, notifier, clock, reports, textReports, registry);
        auto startUp = std::make_unique<shell::StartUp>(
            ctx, folder, [&reportOutput](widgets::AppContext& c) { app::registerWindows(c, reportOutput); });
        benchmark::DoNotOptimize(startUp->run());
        state.PauseTiming();
        startUp.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    if (!notifier.messages.isEmpty()) state.SkipWithError(qPrintable(notifier.last().text));
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
