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

#include "data/SalesTable.h"

namespace tervalo::data {

class Connection;
class RecordSnapshot;

// The key the sales rows are asked for when an item has none: one blank.
inline const QString kNoItemKey = QStringLiteral(" ");

// What a write that another copy of the program forestalled says:
// "Item 12 was changed elsewhere after it was shown here, so " + outcome.
QString changedElsewhere(const QVariant& key, const QString& happened, const QString& outcome);

class WarehouseRepository {
public:
    explicit WarehouseRepository(Connection& cnn) : m_cnn(cnn) {}

    // Every item, in ItemID order.
    void openItems(RecordSnapshot& items) const;

    // Adds an Items row from the record's fields (named as the table's). A row
    // without a key is refused, as is one whose key is taken (any letter case).
    void insertItem(const QSqlRecord& row) const;
    // Writes the fields of `changes` into the item row that still holds every
    // value of `read`, the row as it was read. When the key changes, the item's
    // rows of both sales tables take the new key in the same transaction; a
    // failure leaves every table as it was. A row that another writer changed
    // or removed since it was read is left as that writer left it: ChangedRowError.
    void updateItem(const QSqlRecord& read, const QSqlRecord& changes) const;
    // Removes the item and its rows of both sales tables in one transaction,
    // when the item row still holds every value of `read`: one that another
    // writer changed since it was read stays, with its rows (ChangedRowError).
    void deleteItem(const QSqlRecord& read) const;
    // Whether Items has a row with this key (any letter case).
    bool hasItem(const QVariant& key) const;

    Connection& connection() const { return m_cnn; }

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
