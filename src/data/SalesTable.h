#pragma once
// The warehouse's two sales tables and which one an item's time unit keeps
// its sales in; the card, the import and the batch analysis all ask this.
#include <QString>
#include <optional>

namespace tervalo::data {

// Sales (months) or SalesWeekly (weeks).
enum class SalesTable { Monthly, Weekly };

// "Sales" or "SalesWeekly".
QString salesTableName(SalesTable table);
// The table an item's time unit keeps its sales in: "Month" and an empty unit
// the monthly one, "Week" the weekly one, any other text none.
std::optional<SalesTable> salesTableFor(const QString& timeUnit);

}  // namespace tervalo::data
