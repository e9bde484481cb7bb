// The report browser listing 100,000 saved EOQ results of the last month (a
// copy of Demo.mdb whose EOQ1 holds just those rows), offscreen: the time of
// showList(1) with the list laid out and painted, and the resident memory the
// listed window holds above the same window empty (from /proc/self/statm,
// the largest over all runs). Run: build/<dir>/bin/bench_ReportBrowserBench
// (reports the median of ten repetitions).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "reports/ReportBrowserWindow.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"

using namespace tervalo;

namespace {

constexpr int kRows = 100000;

double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// 100,000 rows dated 11/7/2026 to 12/7/2026 (the fixed clock's last month), of
// the four models, with names of ordinary length, in place of the shipped rows.
void fillResults(data::Connection& cnn) {
    cnn.execute(QStringLiteral("DELETE FROM EOQ1"));
    cnn.execute(QStringLiteral(
                    "INSERT INTO EOQ1 (Date, TimeUnit, ItemName, Demand, ItemCost, HoldingCost, SetupCost, OrderQty, "
                    "OrderInterval, TItemCost, THoldingCost, TSetupCost, TotalCost, ModelID, ItemID) "
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                    "SELECT date('2026-11-07', '+' || (i % 31) || ' days'), 'Week', 'Copier paper, box ' || i, '8', "
                    "'25', '1.173', '130', ' 42', ' 37', 200, 24.69, 24.69, 249.39, 1 + i % 4, "
                    "CASE WHEN i % 3 = 0 THEN NULL ELSE 'ITEM-' || i END FROM n"),
                {kRows});
}

// The database copy and the empty window of one run. Each run makes its own
// and destroys it before returning: widgets and connections must not outlive
// the application object, as a static would at exit.
struct Rig {
    Rig() {
        fillResults(t.cnn);
        window = std::make_unique<reports::ReportBrowserWindow>(t.ctx, t.reportOutput);
        window->show();
        QApplication::processEvents();
        empty = residentMegabytes();
    }
    test::WindowTestContext t;
    std::unique_ptr<reports::ReportBrowserWindow> window;
    double empty = 0;
};

void BM_ShowEoqList(benchmark::State& state) {
    Rig r;
    static double largestAbove = 0;  // over all runs
    for (auto _ : state) {
        r.window->showList(1);
        QApplication::processEvents();  // lays out and paints the visible entries
        state.PauseTiming();
        largestAbove = std::max(largestAbove, residentMegabytes() - r.empty);
        state.ResumeTiming();
    }
    const QString count = r.window->findChild<QLabel*>(QStringLiteral("lblCount"))->text();
    if (count != QString::number(kRows)) state.SkipWithError(qPrintable("count " + count));
    if (!r.t.notifier.messages.isEmpty()) state.SkipWithError(qPrintable(r.t.notifier.last().text));
    state.counters["rss_above_empty_MB"] = largestAbove;
}
BENCHMARK(BM_ShowEoqList)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
