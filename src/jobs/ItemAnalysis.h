#pragma once
// The analysis of one item, without a window: its lines of the log (CR LF
// line ends), the demand series from its newest years of sales, its lowest
// and highest demand (what the regression hands on), the texts the single-period
// model is run with, and the order quantity and reorder point its result
// gives. Whoever runs it supplies the sales and the model run, so the same
// procedure serves the run over all items and the run of the card's item.
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"
#include "data/BatchRepository.h"
#include "import/FieldText.h"
#include "jobs/SinglePeriodRuns.h"

namespace tervalo::jobs {

inline constexpr int kYearsAnalysed = 5;
inline const QString kCrLf = QStringLiteral("\r\n");

// Single period unless SinglePeriod holds False: a Null is single period.
bool isSinglePeriod(const data::WarehouseItem& item);

// The table of the item's own time unit: "Month" (or none) the monthly sales,
// "Week" the weekly; nullopt for any other text.
std::optional<data::SalesTable> salesTableOf(const data::WarehouseItem& item);

// The series of the years given newest first: at most five years, each
// year's non-empty cells in column order with Time = the period number (the
// first period column gives 1). A cell that is not a number is left out.
std::vector<core::demand::DemandPoint> demandSeries(const std::vector<data::SalesYear>& years);

// A sales cell as a demand: a number as it is, text only when it is a number
// as a whole; nullopt for a cell that gives no point.
std::optional<double> demandOfCell(const QVariant& cell);

// The run the model is called with: the single-period problem or the (s,S)
// policy, uniform demand between the two bounds.
struct ModelRequest {
    bool singlePeriod = true;
    SinglePeriodUniformTexts singlePeriodTexts;  // runSingleP_unif
    SsUniformTexts ssTexts;                      // runSS_unif
};

// What the item's row receives: OrderQty, and for an (s,S) item ReorderPoint.
struct ItemFigures {
    double orderQty = 0;
    std::optional<double> reorderPoint;
};

struct ItemAnalysisContext {
    bool currentItem = false;  // the card's item alone: a missing key is "Item data is not valid."
    // The item's years of a table, newest first.
    std::function<const std::vector<data::SalesYear>&(data::SalesTable)> sales;
    // Or, in place of the years: the lowest and highest demand of the item's
    // series from a table, as demandSeries gives it; nullopt: no point.
    std::function<std::optional<core::demand::DemandBounds>(data::SalesTable)> bounds;
    // Runs the model; may raise core::RuntimeError, which ends the item.
    std::function<SinglePeriodRunResult(const ModelRequest&)> runModel;
};

// Appends the item's lines to `log` (without the blank line that separates it
// from the item before) and returns the figures to write, if any. A
// RuntimeError of the model run leaves the lines written so far in `log`.
std::optional<ItemFigures> analyzeItem(const data::WarehouseItem& item, const ItemAnalysisContext& context,
                                       QString& log);

}  // namespace tervalo::jobs
