#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include <QString>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"

namespace tervalo::widgets {

// What the regression window made of a series: the lowest and highest demand
// (none for an empty series, which changes nothing), and whether a line was
// fitted (6 points or more, not all at one time) and its slope is significant.
struct RegressionRunResult {
    std::optional<core::demand::DemandBounds> bounds;
    bool fitted = false;
    bool significant = false;
};

// frmD2, the regression window, as the demand-history window and the batch
// analysis drive it.
class RegressionAnalysisWindow {
public:
    virtual ~RegressionAnalysisWindow() = default;
    // Predict at the current month (0 for the unit "Week") instead of at the
    // last period of the series; read by the next calculate().
    virtual void setUseCurrentTime(bool use) = 0;
    virtual void setTimeUnit(const QString& unit) = 0;
    // Analyses the series (any order; sorted by period) and shows the results;
    // the lowest and highest demand come back in the result (none for no periods).
    virtual RegressionRunResult calculate(std::vector<core::demand::DemandPoint> series) = 0;
    // Draws the series of the last calculate() and its fitted line.
    virtual void plotData() = 0;
    // The Back button; the batch analysis has no window to go back to.
    virtual void setBackEnabled(bool enabled) = 0;
};

}  // namespace tervalo::widgets
