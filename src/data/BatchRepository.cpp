#include "data/BatchRepository.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

const QString kItemColumns = QStringLiteral(
    "\"ItemID\", \"Item\", \"UnitCost\", \"TimeUnit\", \"HoldingCost\", \"ShortageCost\", \"OrderCost\", "
    "\"SinglePeriod\", \"ReorderPoint\", \"OrderQty\"");

QString tableName(SalesTable table) { return quotedName(salesTableName(table)); }

template <class Row>
WarehouseItem itemFrom(const Row& q) {
    return {q.value(0), q.value(1), q.value(2), q.value(3), q.value(4),
            q.value(5), q.value(6), q.value(7), q.value(8), q.value(9)};
}

// The cells of the current row from `first` on.
template <class Row>
SalesYear cellsFrom(const Row& q, int first, int count) {
    SalesYear cells;
    cells.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        cells.push_back(q.value(first + i));
    return cells;
}

}  // namespace

// The item's own key comes first, then the sales row as the table has it
// (ItemID, Year, the periods); both sides order by the item's key, so the
// rows come in the order of items(). An item's few years are put in order
// here, which spares the database a sort of the whole table.
SalesPass::SalesPass(Connection& cnn, SalesTable table)
    : m_query(cnn, "SELECT i.\"ItemID\", s.* FROM \"Items\" AS i JOIN " + tableName(table) +
                       " AS s ON s.\"ItemID\" = i.\"ItemID\" ORDER BY i.\"ItemID\"") {
    advance();
    m_cells = std::max(0, m_query.columnCount() - 3);
}

void SalesPass::advance() { m_onRow = m_query.next(); }

// The row's key as text equals the item's: text keys are compared as they
// are stored, without a QString made for every row.
bool SalesPass::onItem(const QVariant& itemId, const QByteArray& key) const {
    if (!m_onRow) return false;
    if (!key.isNull() && m_query.isText(0)) return m_query.textEquals(0, key);
    return m_query.value(0).toString() == itemId.toString();
}

// Newest first, a Null year last, as ORDER BY [Year] DESC gives them; rows of
// the same year keep their order. An item has a few years: they are sorted in place.
template <class Kept, class Keep>
void SalesPass::takeYears(const QVariant& itemId, std::vector<Year<Kept>>& years, Keep keep) {
    years.clear();
    if (itemId.isNull()) return;
    const QByteArray key = itemId.typeId() == QMetaType::QString ? itemId.toString().toUtf8() : QByteArray();
    while (onItem(itemId, key)) {
        years.push_back({m_query.value(2), keep()});
        advance();
    }
    auto newer = [](const QVariant& a, const QVariant& b) {
        if (a.isNull() || b.isNull()) return !a.isNull() && b.isNull();
        return a.toDouble() > b.toDouble();
    };
    for (std::size_t i = 1; i < years.size(); ++i) {
        for (std::size_t j = i; j > 0 && newer(years[j].year, years[j - 1].year); --j)
            std::swap(years[j], years[j - 1]);
    }
}

std::vector<SalesYear> SalesPass::take(const QVariant& itemId, int maxYears) {
    std::vector<Year<SalesYear>> rows;
    takeYears(itemId, rows, [this] { return cellsFrom(m_query, 3, m_cells); });
    std::vector<SalesYear> years;
    for (std::size_t i = 0; i < rows.size() && int(i) < maxYears; ++i)
        years.push_back(std::move(rows[i].kept));
    return years;
}

std::optional<core::demand::DemandBounds> SalesPass::takeRange(const QVariant& itemId, int maxYears,
                                                               const CellNumber& otherCell) {
    takeYears(itemId, m_ranges, [this, &otherCell] {
        std::optional<core::demand::DemandBounds> range;
        for (int column = 3; column < 3 + m_cells; ++column) {
            std::optional<double> cell = m_query.number(column);
            if (!cell && !m_query.isNull(column)) cell = otherCell(m_query.value(column));
            if (!cell) continue;
            if (!range) range = core::demand::DemandBounds{*cell, *cell};
            range->low = std::min(range->low, *cell);
            range->high = std::max(range->high, *cell);
        }
        return range;
    });
    std::optional<core::demand::DemandBounds> range;
    for (std::size_t i = 0; i < m_ranges.size() && int(i) < maxYears; ++i) {
        const std::optional<core::demand::DemandBounds>& year = m_ranges[i].kept;
        if (!year) continue;
        if (!range) range = year;
        range->low = std::min(range->low, year->low);
        range->high = std::max(range->high, year->high);
    }
    return range;
}

ItemPass::ItemPass(Connection& cnn) : m_query(cnn, "SELECT " + kItemColumns + " FROM \"Items\" ORDER BY \"ItemID\"") {}

std::optional<WarehouseItem> ItemPass::next() {
    if (!m_query.next()) return std::nullopt;
    return itemFrom(m_query);
}

std::vector<WarehouseItem> BatchRepository::items() {
    ItemPass pass(m_cnn);
    std::vector<WarehouseItem> items;
    while (std::optional<WarehouseItem> item = pass.next())
        items.push_back(std::move(*item));
    return items;
}

int BatchRepository::itemCount() {
    QSqlQuery q = m_cnn.run(QStringLiteral("SELECT count(*) FROM \"Items\""));
    return q.next() ? q.value(0).toInt() : 0;
}

std::optional<WarehouseItem> BatchRepository::item(const QString& itemId) {
    QSqlQuery q = m_cnn.run("SELECT " + kItemColumns + " FROM \"Items\" WHERE \"ItemID\" = ?", {itemId});
    if (!q.next()) return std::nullopt;
    return itemFrom(q);
}

std::vector<SalesYear> BatchRepository::salesOf(const QString& itemId, SalesTable table, int maxYears) {
    QSqlQuery q =
        m_cnn.run("SELECT * FROM " + tableName(table) + " WHERE \"ItemID\" = ? ORDER BY \"Year\" DESC", {itemId});
    const int cells = std::max(0, q.record().count() - 2);
    std::vector<SalesYear> years;
    while (int(years.size()) < maxYears && q.next())
        years.push_back(cellsFrom(q, 2, cells));
    return years;
}

void BatchRepository::updateItem(const QVariant& itemId, double orderQty, std::optional<double> reorderPoint) {
    std::unique_ptr<Statement>& statement = reorderPoint ? m_orderQtyAndReorderPoint : m_orderQty;
    if (!statement) {
        statement = std::make_unique<Statement>(
            m_cnn, reorderPoint ? QStringLiteral("UPDATE \"Items\" SET \"OrderQty\" = ?, \"ReorderPoint\" = ? "
                                                 "WHERE \"ItemID\" = ?")
                                : QStringLiteral("UPDATE \"Items\" SET \"OrderQty\" = ? WHERE \"ItemID\" = ?"));
    }
    int next = 0;
    statement->bind(next++, orderQty);
    if (reorderPoint) statement->bind(next++, *reorderPoint);
    statement->bind(next, itemId);
    statement->execute();
}

}  // namespace tervalo::data
