#include "jobs/ItemAnalysis.h"

#include "import/FieldText.h"

#include "core/NumberText.h"

namespace tervalo::jobs {

namespace {

const QString kNoSales = QStringLiteral("No sales data available for analyzing.");
const QString kInvalidItem = QStringLiteral("Item data is not valid.");
const QString kNoResult =
    QStringLiteral("Error occured during calculation, so no result was obtained. Revisit this data later.");

QString missing(const QString& cost) { return cost + " is null. Enter this cost and revisit the data later."; }

double numberOf(const QString& text) { return core::leadingNumber(text.toStdString()); }

}  // namespace

std::optional<double> demandOfCell(const QVariant& cell) {
    if (cell.isNull()) return std::nullopt;
    if (cell.typeId() == QMetaType::LongLong) return double(cell.toLongLong());
    if (cell.typeId() == QMetaType::QString) {
        const std::string text = cell.toString().toStdString();
        if (!core::isNumber(text)) return std::nullopt;
        return core::leadingNumber(text);
    }
    bool ok = false;
    const double value = cell.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

namespace {

struct Line {
    QString& log;
    void operator()(const QString& text) const { log += text + kCrLf; }
};

// The heading and the cost lines; false when a cost is missing, which ends the item.
bool headingAndCosts(const data::WarehouseItem& item, const Line& line) {
    line(import::fieldText(item.item) + " (ID: " + import::fieldText(item.itemId) + ")");
    if (isSinglePeriod(item)) {
        line("Single Period, Time Unit: " + import::fieldText(item.timeUnit));
    } else {
        if (import::fieldText(item.orderCost).isEmpty()) {
            line(missing(QStringLiteral("Order Cost")));
            return false;
        }
        line("s-S Poclicy, Time Unit: " + import::fieldText(item.timeUnit));
        line("Order/Setup Cost: " + import::fieldText(item.orderCost));
    }
    const std::pair<const char*, const QVariant*> costs[] = {
        {"Unit Cost", &item.unitCost}, {"Holding Cost", &item.holdingCost}, {"Shortage Cost", &item.shortageCost}};
    for (const auto& [name, value] : costs) {
        if (value->isNull()) {
            line(missing(QString::fromLatin1(name)));
            return false;
        }
        line(QString::fromLatin1(name) + ": " + import::fieldText(*value));
    }
    return true;
}

// The model's texts; none when the item has no name to give it.
std::optional<ModelRequest> modelRequest(const data::WarehouseItem& item, const core::demand::DemandBounds& bounds) {
    if (item.item.isNull()) return std::nullopt;
    const QString low = QString::fromStdString(core::plainDecimalText(bounds.low));
    const QString high = QString::fromStdString(core::plainDecimalText(bounds.high));
    const QString name = import::fieldText(item.item);
    const QString unitCost = import::fieldText(item.unitCost);
    const QString holdingCost = import::fieldText(item.holdingCost);
    const QString shortageCost = import::fieldText(item.shortageCost);
    ModelRequest request;
    request.singlePeriod = isSinglePeriod(item);
    request.singlePeriodTexts = {low, high, name, unitCost, holdingCost, shortageCost};
    request.ssTexts = {low, high, name, import::fieldText(item.orderCost), unitCost, holdingCost, shortageCost};
    return request;
}

// "Result:" and what the model left in S and s.
std::optional<ItemFigures> resultLines(const SinglePeriodRunResult& result, bool singlePeriod, const Line& line) {
    line(QStringLiteral("Result:"));
    if (!result.calculated()) {
        line(kNoResult);
        return std::nullopt;
    }
    ItemFigures figures;
    line("\tOrder " + result.orderUpTo + " at the begining of the period.");
    figures.orderQty = numberOf(result.orderUpTo);
    if (!result.reorderPoint.isEmpty() && !singlePeriod) {
        line("When onhand quantity is below " + result.reorderPoint + " then place order to replensh inventoey to " +
             result.orderUpTo + ".");
        figures.reorderPoint = numberOf(result.reorderPoint);
        figures.orderQty -= *figures.reorderPoint;
    }
    return figures;
}

}  // namespace

bool isSinglePeriod(const data::WarehouseItem& item) {
    return item.singlePeriod.isNull() || item.singlePeriod.toBool();
}

std::optional<data::SalesTable> salesTableOf(const data::WarehouseItem& item) {
    return data::salesTableFor(import::fieldText(item.timeUnit));
}

std::vector<core::demand::DemandPoint> demandSeries(const std::vector<data::SalesYear>& years) {
    std::vector<core::demand::DemandPoint> series;
    const std::size_t used = std::min<std::size_t>(years.size(), kYearsAnalysed);
    for (std::size_t y = 0; y < used; ++y) {
        const data::SalesYear& cells = years[y];
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (auto demand = demandOfCell(cells[i])) series.push_back({double(i + 1), *demand});
        }
    }
    return series;
}

std::optional<ItemFigures> analyzeItem(const data::WarehouseItem& item, const ItemAnalysisContext& context,
                                       QString& log) {
    const Line line{log};
    if (!headingAndCosts(item, line)) return std::nullopt;

    if (import::fieldText(item.itemId).isEmpty()) {
        line(context.currentItem ? kInvalidItem : kNoSales);
        return std::nullopt;
    }
    // Of the regression only the lowest and highest demand go on to the model.
    std::optional<core::demand::DemandBounds> bounds;
    if (const std::optional<data::SalesTable> table = salesTableOf(item)) {
        if (context.bounds) {
            bounds = context.bounds(*table);
        } else if (const auto series = demandSeries(context.sales(*table)); !series.empty()) {
            bounds = core::demand::demandBounds(series);
        }
    }
    if (!bounds) {
        line(kNoSales);
        return std::nullopt;
    }

    SinglePeriodRunResult result;
    if (const std::optional<ModelRequest> request = modelRequest(item, *bounds)) result = context.runModel(*request);
    return resultLines(result, isSinglePeriod(item), line);
}

}  // namespace tervalo::jobs
