// The batch analysis of 10,000 items, each with five years of monthly sales
// (a copy of Demo.mdb whose warehouse holds just those items; one in three a
// single-period item), end to end: the connection of its own, the snapshot,
// the sales in one ordered pass, the regression and the model per item, the
// Items updates and s_S rows, the commit. BM_AllItemsJob times the job on
// the calling thread; BM_AllItemsInTheLogWindow the whole command as the user
// starts it, on the worker thread with the log window following, until its
// end is told. Each iteration starts from a fresh copy of the file (not
// timed). peak_RSS_MB is the process's peak resident memory (getrusage).
// Run: build/<dir>/bin/bench_BatchBench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "data/Connection.h"
#include "stochastic/SinglePeriodCalculator.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"
#include "warehouse/BatchAnalysis.h"
#include "warehouse/BatchJob.h"
#include "warehouse/WarehouseWindows.h"

using namespace tervalo;

namespace {

constexpr int kItems = 10000;

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The warehouse of 10,000 items, made once.
QString preparedFile() {
    static const QString file = [] {
        const QString path = test::tempCopyOfDatabase(QStringLiteral("Demo.mdb"));
        data::Connection cnn;
        cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
        for (const char* table : {"Items", "Sales", "SalesWeekly", "s_S"})
            cnn.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        cnn.execute(
            QStringLiteral("INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, LeadTime, HoldingCost, ShortageCost, "
                           "SinglePeriod, OrderCost) "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                           "SELECT printf('IT%05d', i), 'Item number ' || i, 10 + i % 50, 'Month', 1, 0.5 + i % 3, "
                           "60 + i % 40, i % 3 = 0, CASE WHEN i % 3 = 0 THEN NULL ELSE 25 + i % 10 END FROM n"),
            {kItems});
        cnn.execute(QStringLiteral(
            "INSERT INTO Sales (ItemID, Year, Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec) "
            "WITH RECURSIVE y(year) AS (SELECT 2022 UNION ALL SELECT year + 1 FROM y WHERE year < 2026) "
            "SELECT ItemID, year, "
            "50 + (rowid * 7 + year) % 40, 50 + (rowid * 11 + year) % 40, 50 + (rowid * 13 + year) % 40, "
            "50 + (rowid * 17 + year) % 40, 50 + (rowid * 19 + year) % 40, 50 + (rowid * 23 + year) % 40, "
            "50 + (rowid * 29 + year) % 40, 50 + (rowid * 31 + year) % 40, 50 + (rowid * 37 + year) % 40, "
            "50 + (rowid * 41 + year) % 40, 50 + (rowid * 43 + year) % 40, 50 + (rowid * 47 + year) % 40 "
            "FROM Items, y"));
        cnn.execute(QStringLiteral("VACUUM"));
        return path;
    }();
    return file;
}

// A fresh copy of the prepared warehouse in a folder that lives until exit.
QString freshCopy() {
    static QTemporaryDir dir;
    static int copies = 0;
    const QString path = dir.filePath(QStringLiteral("warehouse%1.mdb").arg(++copies));
    QFile::copy(preparedFile(), path);
    return path;
}

class CollectingControl : public warehouse::JobControl {
public:
    bool cancelled() const override { return false; }
    void appendLog(const QString& text) override { log += text; }
    void setProgress(int, int) override {}
    void show(const core::CheckMessage& message) override { messages += QString::fromStdString(message.text); }
    QString log;
    QStringList messages;
};

void BM_AllItemsJob(benchmark::State& state) {
    const stochastic::WindowlessSinglePeriod calculator;
    for (auto _ : state) {
        state.PauseTiming();
        warehouse::BatchJobSettings settings{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + freshCopy(),
                                             QDate(2026, 12, 7)};
        CollectingControl control;
        state.ResumeTiming();
        const warehouse::BatchJobResult result = warehouse::runAllItems(settings, calculator, control);
        state.PauseTiming();
        if (!result.saved) state.SkipWithError(qPrintable(control.log.right(200)));
        if (!control.messages.isEmpty()) state.SkipWithError(qPrintable(control.messages.first()));
        if (control.log.count(QStringLiteral("Result:")) != kItems) state.SkipWithError("an item without a result");
        state.ResumeTiming();
    }
    state.counters["peak_RSS_MB"] = peakResidentMegabytes();
}
BENCHMARK(BM_AllItemsJob)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_AllItemsInTheLogWindow(benchmark::State& state) {
    const stochastic::WindowlessSinglePeriod calculator;
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<test::WindowTestContext>(false);
        t->cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + freshCopy());
        warehouse::registerWarehouseWindows(t->ctx, calculator);
        auto batch = std::make_unique<warehouse::BatchAnalysis>(t->ctx, calculator);
        std::optional<warehouse::BatchOutcome> outcome;
        state.ResumeTiming();
        batch->startAll([&outcome](const warehouse::BatchOutcome& o) { outcome = o; });
        while (!outcome)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        if (!outcome->saved) state.SkipWithError("not saved");
        batch.reset();
        t.reset();
        state.ResumeTiming();
    }
    state.counters["peak_RSS_MB"] = peakResidentMegabytes();
}
BENCHMARK(BM_AllItemsInTheLogWindow)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
