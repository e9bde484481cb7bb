#pragma once
// The warehouse tables: Items (one row per stocked item) and the two sales
// tables, Sales (one column per month) and SalesWeekly (one per week), one row
// per item and calendar year. Sales rows are read by position: ItemID, Year,
// then every period column the table has, in order. Every value is bound, so a
// key holding quotes or wildcards is stored, found and deleted as itself.
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <optional>

namespace tervalo::data {

class Connection;
class RecordSnapshot;

enum class SalesTable { Monthly, Weekly };

// "Sales" or "SalesWeekly".
QString salesTableName(SalesTable table);
// The table an item's time unit keeps its sales in: "Month" and an empty unit
// the monthly one, "Week" the weekly one, any other text none.
std::optional<SalesTable> salesTableFor(const QString& timeUnit);

// The key the sales rows are asked for when an item has none: one blank.
inline const QString kNoItemKey = QStringLiteral(" ");

class WarehouseRepository {
public:
    explicit WarehouseRepository(Connection& cnn) : m_cnn(cnn) {}

    // Every item, in ItemID order.
    void openItems(RecordSnapshot& items) const;

    // Adds an Items row from the record's fields (named as the table's). A row
    // without a key is refused, as is one whose key is taken (any letter case).
    void insertItem(const QSqlRecord& row) const;
    // Rewrites the row stored under `storedKey` with the record's fields. When
    // the key changes, the item's rows of both sales tables take the new key in
    // the same transaction; a failure leaves every table as it was.
    void updateItem(const QVariant& storedKey, const QSqlRecord& row) const;
    // Removes the item and its rows of both sales tables in one transaction.
    void deleteItem(const QVariant& key) const;

    Connection& connection() const { return m_cnn; }

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
