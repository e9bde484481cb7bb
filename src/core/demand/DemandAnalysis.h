#pragma once
// The analysis of one demand history as the regression window shows it and the
// batch analysis uses it: the series in time order, the fitted line tested at
// the chosen level, the prediction, the texts of every label and box, the
// suggested demand model, and the lowest and highest demand.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/demand/Regression.h"

namespace tervalo::core::demand {

struct DemandPoint {
    double time = 0;  // the period number
    double demand = 0;
};

struct DemandBounds {
    double low = 0;
    double high = 0;
};

// The lowest and highest demand of a series that has points.
DemandBounds demandBounds(const std::vector<DemandPoint>& series);

// How the critical value is written in the significance sentence: with two
// decimals after a new series, in general form after a change of level or time.
enum class CritFormat { TwoDecimals, General };

// The texts that follow from one regression: lblABX, txtY, lblError and lblReg
// (the equation, CR LF and the significance sentence).
struct RegressionTexts {
    std::string abx;
    std::string y;
    std::string error;
    std::string reg;
};

// xText is the prediction time as txtX shows it (read with the leading-number
// rule); alphaText the level as the combo box shows it.
RegressionTexts regressionTexts(const Regression& r, std::string_view xText, std::string_view alphaText,
                                bool significant, CritFormat format);

// lblSuggestion: the normal model (mean from txtY, variance SE squared) or the
// uniform model between the lowest and highest demand. Numbers in general form
// here keep the zero before the point ("between 0.25 and 0.75").
std::string normalSuggestion(std::string_view yText, double se);
std::string uniformSuggestion(const DemandBounds& bounds);

// "Significant linear relationship. T > TCrit", the box a change of level or
// time shows when the slope is significant.
std::string significanceNotice(double t, double tcrit);

struct AnalysisOptions {
    std::string alphaText = "0.05";  // the level box's text
    bool useCurrentTime = false;     // predict at the current month instead of the last time
    std::string timeUnit;            // "Week" (exactly) selects the week rule
    int currentMonth = 1;            // 1 to 12, read when useCurrentTime
};

struct DemandAnalysis {
    std::vector<DemandPoint> series;  // in time order (numbers, not texts)
    DemandBounds bounds;
    // Set when the series has at least 6 points and the line could be fitted;
    // otherwise the window empties its results and only the bounds go on.
    std::optional<Regression> regression;
    bool significant = false;
    std::string xText;  // txtX
    RegressionTexts texts;
    std::string suggestion;  // lblSuggestion
};

// Sorts the series by time (stable), fits the line at the last time when it
// has 6 points or more, and writes every text. An empty series gives nothing:
// the bounds handed on before stay as they were.
std::optional<DemandAnalysis> analyzeDemand(std::vector<DemandPoint> series, const AnalysisOptions& options);

// The regression of a sorted series at time x0 and the level's text, read with the leading-number rule.
Regression regressionAt(const std::vector<DemandPoint>& series, double x0, std::string_view alphaText);

}  // namespace tervalo::core::demand
