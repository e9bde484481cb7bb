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
#include "support/BulkWarehouseRows.h"
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
        test::addNumberedItems(cnn, kItems);
        test::addFiveYearsOfSales(cnn);
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
