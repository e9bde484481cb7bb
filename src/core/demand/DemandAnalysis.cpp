#include "core/demand/DemandAnalysis.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::core::demand {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kModelLine = "Inventory Model: Single Period/s-S Policy";

std::string critText(double tcrit, CritFormat format) {
    return format == CritFormat::TwoDecimals ? formatNumber(tcrit, "##0.00") : plainDecimalText(tcrit);
}

}  // namespace

DemandBounds demandBounds(const std::vector<DemandPoint>& series) {
    DemandBounds bounds{series.front().demand, series.front().demand};
    for (const DemandPoint& point : series) {
        bounds.low = std::min(bounds.low, point.demand);
        bounds.high = std::max(bounds.high, point.demand);
    }
    return bounds;
}

RegressionTexts regressionTexts(const Regression& r, std::string_view xText, std::string_view alphaText,
                                bool significant, CritFormat format) {
    RegressionTexts texts;
    texts.abx = "Y = " + formatNumber(r.A, "#####0.0000") + (r.B < 0 ? " - " : " + ") +
                formatNumber(std::fabs(r.B), "#####0.0000") + " x ";
    texts.y = formatNumber(leadingNumber(xText) * r.B + r.A, "#####0.0000");
    texts.error = "with error + or - " + formatNumber(r.Err, "#####0.0000");
    texts.reg = "Reagression equation: Y = " + formatNumber(r.A, "###0.0000") + "+ " + formatNumber(r.B, "####0.0000") +
                "X, where Y is demand, and X is time." + kCrLf;
    texts.reg +=
        significant ? "Linear relationship is significant, with t>" : "Linear relationship is not significant, with t<";
    texts.reg += critText(r.TCrit, format) + " at (1-" + std::string(alphaText) + ") confidence interval.";
    return texts;
}

std::string normalSuggestion(std::string_view yText, double se) {
    return std::string(kModelLine) + kCrLf + "Demand Model: Normal Distribution with Mean=" + std::string(yText) +
           ", and Variance=" + formatNumber(se * se, "#0.0000");
}

std::string uniformSuggestion(const DemandBounds& bounds) {
    return std::string(kModelLine) + kCrLf + "Demand Model: Uniform Distribution between " +
           plainDecimalText(bounds.low) + " and " + plainDecimalText(bounds.high);
}

std::string significanceNotice(double t, double tcrit) {
    return "Significant linear relationship. " + plainDecimalText(t) + " > " + plainDecimalText(tcrit);
}

Regression regressionAt(const std::vector<DemandPoint>& series, double x0, std::string_view alphaText) {
    std::vector<double> x, y;
    x.reserve(series.size());
    y.reserve(series.size());
    for (const DemandPoint& point : series) {
        x.push_back(point.time);
        y.push_back(point.demand);
    }
    return LinearRegression(x, y, x0, leadingNumber(alphaText));
}

std::optional<DemandAnalysis> analyzeDemand(std::vector<DemandPoint> series, const AnalysisOptions& options) {
    if (series.empty()) return std::nullopt;
    std::stable_sort(series.begin(), series.end(),
                     [](const DemandPoint& a, const DemandPoint& b) { return a.time < b.time; });
    DemandAnalysis analysis;
    analysis.series = std::move(series);
    analysis.bounds = demandBounds(analysis.series);
    if (analysis.series.size() < 6) return analysis;
    try {
        analysis.regression = regressionAt(analysis.series, analysis.series.back().time, options.alphaText);
    } catch (const RuntimeError&) {
        return analysis;
    }
    const Regression& r = *analysis.regression;
    analysis.significant = r.T > r.TCrit;
    if (!options.useCurrentTime) {
        analysis.xText = formatNumber(r.X0, "#####0.00");
    } else if (options.timeUnit == "Week") {
        analysis.xText = formatNumber(0, "#####0.00");
    } else {
        analysis.xText = formatNumber(options.currentMonth, "####0.00");
    }
    analysis.texts =
        regressionTexts(r, analysis.xText, options.alphaText, analysis.significant, CritFormat::TwoDecimals);
    analysis.suggestion =
        analysis.significant ? normalSuggestion(analysis.texts.y, r.SE) : uniformSuggestion(analysis.bounds);
    return analysis;
}

}  // namespace tervalo::core::demand
