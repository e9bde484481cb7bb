#include "data/SalesTable.h"

namespace tervalo::data {

QString salesTableName(SalesTable table) {
    return table == SalesTable::Weekly ? QStringLiteral("SalesWeekly") : QStringLiteral("Sales");
}

std::optional<SalesTable> salesTableFor(const QString& timeUnit) {
    if (timeUnit.isEmpty() || timeUnit == QLatin1String("Month")) return SalesTable::Monthly;
    if (timeUnit == QLatin1String("Week")) return SalesTable::Weekly;
    return std::nullopt;
}

}  // namespace tervalo::data
