// The item card over a warehouse of 20,000 items (a copy of Demo.mdb whose
// Items holds just those rows): reading the card's item set, and one search
// keystroke that finds the last item or none (every item looked at).
// Run: build/<dir>/bin/bench_WarehouseBench (reports the median of ten repetitions).
#include <benchmark/benchmark.h>

#include "data/ItemCursor.h"
#include "support/WindowTestContext.h"

using namespace tervalo;

namespace {

constexpr int kItems = 20000;

struct Rig {
    Rig() {
        t.cnn.execute(QStringLiteral("DELETE FROM Items"));
        t.cnn.execute(QStringLiteral("INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, HoldingCost, ShortageCost) "
                                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                     "SELECT printf('IT%06d', i), 'Copier paper, box ' || i, 24.5, "
                                     "CASE WHEN i % 2 THEN 'Month' ELSE 'Week' END, 0.45, 6 FROM n"),
                      {kItems});
        items.open();
    }
    test::WindowTestContext t;
    data::ItemCursor items{t.cnn};
};

Rig& rig() {
    static Rig r;
    return r;
}

void BM_OpenItems(benchmark::State& state) {
    Rig& r = rig();
    for (auto _ : state)
        r.items.open();
    if (r.items.recordCount() != kItems) state.SkipWithError("wrong item count");
}
BENCHMARK(BM_OpenItems)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_LocateKeystroke(benchmark::State& state) {
    Rig& r = rig();
    const QString typed = state.range(0) ? QStringLiteral("it020000") : QStringLiteral("Q");
    for (auto _ : state)
        r.items.locate(typed, QString());
    if (r.items.positionText() != QString::number(kItems) + " of " + QString::number(kItems))
        state.SkipWithError("not on the last item");
}
BENCHMARK(BM_LocateKeystroke)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(50)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
