// The stochastic models' core as a batch run calls it: texts in, checks, the
// calculation, the texts and cost table out. Each benchmark cycles through
// 10,000 generated items, one item per iteration, so the reported time is the
// cost of one call. Run: build/<dir>/bin/bench_StochasticBench (reports the
// median of ten repetitions). Goals: 20 us per normal single-period item,
// 200 us per whole (Q,r) iteration, 1 ms for the normal (s,S) reorder point
// at S = 10,000,000.
//
// BM_NormalSsPolicy times the normal (s,S) reorder point of the calculation
// object's path (no window reaches it) for one item whose order-up-to level S
// is about 10,000,000: the search must not grow with S (a scan in steps of
// one unit took 85 s there).
//
// BM_NormalTableGap reports, as counters, the largest gap between the
// normal table's interpolated z and the exact inverse (AS 241) over the
// ratios the table covers, and the ratio where it lies.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "ExactNormalQuantile.h"
#include "core/NumberText.h"
#include "core/stochastic/ContinuousReview.h"
#include "core/stochastic/ContinuousSinglePeriod.h"
#include "core/stochastic/NormalTable.h"
#include "core/stochastic/SinglePeriod.h"

using namespace tervalo::core;
using namespace tervalo::core::stochastic;

namespace {

constexpr std::size_t kItems = 10000;

// A small fixed generator, so every run measures the same items.
class Items {
public:
    explicit Items(std::uint64_t seed) : m_state(seed) {}
    double uniform(double low, double high) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53);
        return low + (high - low) * unit;
    }
    // A figure as a user types it: two decimals.
    std::string text(double low, double high) { return generalText(std::round(uniform(low, high) * 100) / 100); }

private:
    std::uint64_t m_state;
};

std::vector<ContinuousTexts> continuousItems(Problem problem, ContinuousDemand demand) {
    using F = ContinuousField;
    Items gen(problem == Problem::SsPolicy ? 7 : demand == ContinuousDemand::Normal ? 11 : 3);
    std::vector<ContinuousTexts> items(kItems);
    for (ContinuousTexts& t : items) {
        const double price = gen.uniform(1, 50);
        t[F::Item] = "Item";
        t[F::Price] = generalText(price);
        t[F::HoldingCost] = gen.text(0.1, 5);
        t[F::ShortageCost] = generalText(price + gen.uniform(1, 50));
        if (demand == ContinuousDemand::Uniform) {
            const double low = gen.uniform(50, 500);
            t[F::LowDemand] = generalText(low);
            t[F::HighDemand] = generalText(low + gen.uniform(10, 500));
        } else {
            const double mean = gen.uniform(20, 500);
            t[F::Mean] = generalText(mean);
            t[F::Variance] = generalText(std::pow(mean * gen.uniform(0.05, 0.3), 2));
        }
        if (problem == Problem::SsPolicy) t[F::OrderingCost] = gen.text(0, 5000);
    }
    return items;
}

void runContinuous(benchmark::State& state, Problem problem, ContinuousDemand demand) {
    const std::vector<ContinuousTexts> items = continuousItems(problem, demand);
    std::size_t i = 0, results = 0;
    for (auto _ : state) {
        const ContinuousTexts& t = items[i++ % kItems];
        if (auto refused = checkContinuous(problem, demand, t)) {
            benchmark::DoNotOptimize(refused);
            continue;
        }
        auto outcome = computeContinuous(problem, demand, t);
        results += std::holds_alternative<ContinuousResult>(outcome);
        benchmark::DoNotOptimize(outcome);
    }
    // The share of items that gave a result (the rest: a check or a message).
    state.counters["result_share"] = static_cast<double>(results) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_ContinuousUniform(benchmark::State& state) {
    runContinuous(state, Problem::SinglePeriod, ContinuousDemand::Uniform);
}
void BM_ContinuousUniformSs(benchmark::State& state) {
    runContinuous(state, Problem::SsPolicy, ContinuousDemand::Uniform);
}
void BM_ContinuousNormal(benchmark::State& state) {
    runContinuous(state, Problem::SinglePeriod, ContinuousDemand::Normal);
}

std::vector<ReviewTexts> reviewItems(ReviewDemand demand) {
    using F = ReviewField;
    Items gen(demand == ReviewDemand::Normal ? 13 : 5);
    std::vector<ReviewTexts> items(kItems);
    for (ReviewTexts& t : items) {
        const double holding = gen.uniform(0.5, 5);
        t[F::LeadTime] = gen.text(1, 4);
        t[F::Price] = gen.text(1, 50);
        t[F::HoldingCost] = generalText(holding);
        t[F::OrderingCost] = gen.text(20, 500);
        t[F::ShortageCost] = generalText(holding * gen.uniform(5, 20));
        if (demand == ReviewDemand::Uniform) {
            const double low = gen.uniform(20, 200);
            t[F::LowDemand] = generalText(low);
            t[F::HighDemand] = generalText(low + gen.uniform(5, 40));
        } else {
            const double mean = gen.uniform(20, 200);
            t[F::Mean] = generalText(mean);
            t[F::Variance] = generalText(std::pow(mean * gen.uniform(0.05, 0.2), 2));
        }
    }
    return items;
}

void runReview(benchmark::State& state, ReviewDemand demand) {
    const std::vector<ReviewTexts> items = reviewItems(demand);
    std::size_t i = 0, results = 0;
    for (auto _ : state) {
        const ReviewTexts& t = items[i++ % kItems];
        if (auto refused = checkReview(demand, t)) {
            benchmark::DoNotOptimize(refused);
            continue;
        }
        auto outcome = computeReview(reviewInputs(demand, LeadTimeUnit::Week, t));
        results += std::holds_alternative<ReviewResult>(outcome);
        benchmark::DoNotOptimize(outcome);
    }
    // The share of items that gave a result (the rest: a check or a message).
    state.counters["result_share"] = static_cast<double>(results) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_ReviewUniform(benchmark::State& state) { runReview(state, ReviewDemand::Uniform); }
void BM_ReviewNormal(benchmark::State& state) { runReview(state, ReviewDemand::Normal); }

void BM_NormalSsPolicy(benchmark::State& state) {
    SinglePeriodInputs in;
    in.models = static_cast<int>(DemandModel::Normal);
    in.problems = problemsNumber(Problem::SsPolicy);
    in.mean = 1e7;
    in.variance = 1e10;  // a deviation of 1 %
    in.price = 10;
    in.holding = 1;
    in.shortage = 30;
    in.orderCost = 100;
    SinglePeriodOutputs out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeSinglePeriod(in, out));
        benchmark::DoNotOptimize(out);
    }
    state.counters["S"] = out.s2;
    state.counters["s"] = out.s1;
}

void BM_NormalTableGap(benchmark::State& state) {
    std::pair<double, double> gap;
    for (auto _ : state) {
        gap = tervalo::test::largestTableGap(normInverse, 1e-6);
        benchmark::DoNotOptimize(gap);
    }
    state.counters["largest_gap"] = gap.first;
    state.counters["at_ratio"] = gap.second;
}

}  // namespace

BENCHMARK(BM_ContinuousUniform)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContinuousUniformSs)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContinuousNormal)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewUniform)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewNormal)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NormalSsPolicy)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalTableGap)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
