// The demand analysis of one item as the batch analysis runs it: five years of
// monthly sales (60 points). BM_Regression60 is the least-squares line with
// its t statistic, critical value and prediction interval; BM_Analysis60 the
// whole analysis with every text of the regression window. Each iteration
// takes the next of 1,000 generated series. Run: build/<dir>/bin/bench_DemandAnalysisBench
// (the median of ten repetitions). Goals: 2 us and 10 us.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/demand/DemandAnalysis.h"
#include "core/demand/Regression.h"

using namespace tervalo::core::demand;

namespace {

constexpr std::size_t kSeries = 1000;
constexpr int kPoints = 60;

// Monthly sales around a slow trend, from a small fixed generator.
std::vector<std::vector<DemandPoint>> makeSeries() {
    std::uint64_t state = 20261207;
    auto uniform = [&state](double low, double high) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + (high - low) * static_cast<double>(state >> 11) / static_cast<double>(1ULL << 53);
    };
    std::vector<std::vector<DemandPoint>> all(kSeries);
    for (std::vector<DemandPoint>& series : all) {
        const double level = uniform(50, 5000);
        const double trend = uniform(-0.01, 0.02) * level;
        for (int month = 1; month <= kPoints; ++month)
            series.push_back({double(month), std::round(level + trend * month + uniform(-0.2, 0.2) * level)});
    }
    return all;
}

const std::vector<std::vector<DemandPoint>>& series() {
    static const auto all = makeSeries();
    return all;
}

void BM_Regression60(benchmark::State& state) {
    std::vector<std::vector<double>> xs, ys;
    for (const auto& s : series()) {
        xs.emplace_back();
        ys.emplace_back();
        for (const DemandPoint& p : s) {
            xs.back().push_back(p.time);
            ys.back().push_back(p.demand);
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Regression r = LinearRegression(xs[i], ys[i], kPoints, 0.05);
        benchmark::DoNotOptimize(r.Err);
        i = (i + 1) % kSeries;
    }
}

void BM_Analysis60(benchmark::State& state) {
    AnalysisOptions options;
    std::size_t i = 0;
    for (auto _ : state) {
        auto analysis = analyzeDemand(series()[i], options);
        benchmark::DoNotOptimize(analysis->suggestion.data());
        i = (i + 1) % kSeries;
    }
}

}  // namespace

BENCHMARK(BM_Regression60)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Analysis60)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
