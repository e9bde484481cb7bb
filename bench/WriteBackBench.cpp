// The write-back of 10,000 (s,S) items into a table of 10,000 rows of an
// SQLite file (a copy of NWRetail.mdb with the rows added), all items in one
// transaction, every value bound as a number: the time of one whole run, the
// connection and the log included. Run: build/<dir>/bin/bench_WriteBackBench
// (reports the median of ten repetitions).
#include <benchmark/benchmark.h>

#include <QList>

#include "data/Connection.h"
#include "support/TestEnvironment.h"
#include "warehouse/WriteBackRun.h"

using namespace tervalo;

namespace {

constexpr int kItems = 10000;

class SilentJob : public warehouse::JobControl {
public:
    bool cancelled() const override { return false; }
    void appendLog(const QString& text) override { log += text; }
    void setProgress(int, int) override {}
    void show(const core::CheckMessage&) override {}
    QString log;
};

void BM_WriteBackAllItems(benchmark::State& state) {
    const QString cnnString = test::connectionToCopyOf(QStringLiteral("NWRetail.mdb"));
    {
        data::Connection cnn;
        cnn.open(cnnString);
        cnn.execute(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 1000 + ?) "
                           "INSERT INTO Products (ProductID, ProductName, UnitsOnOrder, ReorderLevel) "
                           "SELECT i, 'Item ' || i, 0, 0 FROM n"),
            {kItems - 1});
    }
    QList<warehouse::WriteBackItem> items;
    for (int i = 0; i < kItems; ++i)
        items.append(
            {QStringLiteral("Item %1").arg(1000 + i), QString::number(1000 + i), 20.0 + i % 50, 5.0 + i % 7, false});
    const warehouse::WriteBackTarget target{cnnString,   "Products", "ReorderLevel", "UnitsOnOrder",
                                            "ProductID", "Numeric",  "Numeric",      "Numeric"};
    for (auto _ : state) {
        SilentJob job;
        const auto result = warehouse::runWriteBack(
            target, items, 0, [] { return warehouse::WriteBackChoice::AllItems; }, job);
        if (!result.committed || result.rowsChanged != kItems) state.SkipWithError("the run did not write every item");
        benchmark::DoNotOptimize(job.log);
    }
    state.counters["items"] = kItems;
}

}  // namespace

BENCHMARK(BM_WriteBackAllItems)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
