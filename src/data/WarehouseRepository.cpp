#include "data/WarehouseRepository.h"

#include <QStringList>

#include "data/Connection.h"
#include "data/RecordSnapshot.h"
#include "data/RowInsert.h"
#include "data/SqlSupport.h"
#include "data/Transaction.h"

namespace tervalo::data {

namespace {

constexpr SalesTable kSalesTables[] = {SalesTable::Monthly, SalesTable::Weekly};

// `IS` also matches the Null key of an imported row that lacked one.
const QString kByKey = QStringLiteral(" WHERE ItemID IS ?");

// Every stored item has a key: the card, the search and the sales rows find it by it.
void requireKey(const QSqlRecord& row) {
    const QVariant key = row.value(QStringLiteral("ItemID"));
    if (key.isNull() || key.toString().isEmpty())
        throw databaseError(QStringLiteral("Index or primary key cannot contain a Null value."));
}

}  // namespace

QString salesTableName(SalesTable table) {
    return table == SalesTable::Weekly ? QStringLiteral("SalesWeekly") : QStringLiteral("Sales");
}

std::optional<SalesTable> salesTableFor(const QString& timeUnit) {
    if (timeUnit.isEmpty() || timeUnit == QLatin1String("Month")) return SalesTable::Monthly;
    if (timeUnit == QLatin1String("Week")) return SalesTable::Weekly;
    return std::nullopt;
}

void WarehouseRepository::openItems(RecordSnapshot& items) const {
    items.open(m_cnn, QStringLiteral("SELECT Items.* FROM Items ORDER BY ItemID"));
}

void WarehouseRepository::insertItem(const QSqlRecord& row) const {
    requireKey(row);
    RowInsert insert(QStringLiteral("Items"));
    for (int i = 0; i < row.count(); ++i)
        insert.set(row.fieldName(i), row.value(i));
    insert.run(m_cnn);
}

void WarehouseRepository::updateItem(const QVariant& storedKey, const QSqlRecord& row) const {
    requireKey(row);
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < row.count(); ++i) {
        sets << quotedName(row.fieldName(i)) + " = ?";
        values << row.value(i);
    }
    values << storedKey;
    const QVariant newKey = row.value(QStringLiteral("ItemID"));
    Transaction transaction(m_cnn);
    if (m_cnn.execute("UPDATE Items SET " + sets.join(", ") + kByKey, values) == 0)
        throw databaseError(QStringLiteral("The item is no longer in the database."));
    // Keys compare as the table does: a change of letter case alone is a change too.
    if (newKey != storedKey) {
        for (SalesTable table : kSalesTables)
            m_cnn.execute("UPDATE " + quotedName(salesTableName(table)) + " SET ItemID = ?" + kByKey,
                          {newKey, storedKey});
    }
    transaction.commit();
}

void WarehouseRepository::deleteItem(const QVariant& key) const {
    Transaction transaction(m_cnn);
    for (SalesTable table : kSalesTables)
        m_cnn.execute("DELETE FROM " + quotedName(salesTableName(table)) + kByKey, {key});
    m_cnn.execute("DELETE FROM Items" + kByKey, {key});
    transaction.commit();
}

}  // namespace tervalo::data
