#include "data/WarehouseRepository.h"

#include <QSqlQuery>
#include <QStringList>

#include "data/CheckedRowUpdate.h"
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

const QString kItemId = QStringLiteral("ItemID");

// Every stored item has a key: the card, the search and the sales rows find it by it.
void requireKey(const QVariant& key) {
    if (key.isNull() || key.toString().isEmpty())
        throw databaseError(QStringLiteral("Index or primary key cannot contain a Null value."));
}

bool isStored(Connection& cnn, const QVariant& key) {
    QSqlQuery stored = cnn.run("SELECT 1 FROM Items" + kByKey, {key});
    return stored.next();
}

// Keys compare as the table does, without regard to case.
void refuseTakenKey(Connection& cnn, const QVariant& key) {
    if (isStored(cnn, key))
        throw databaseError("Item ID " + key.toString() +
                            " is already used by another item. Please enter another Item ID.");
}

// Every column of the row as it was read.
CheckedRowUpdate asRead(const QSqlRecord& read) {
    CheckedRowUpdate row(QStringLiteral("Items"));
    for (int i = 0; i < read.count(); ++i)
        row.where(read.fieldName(i), read.value(i));
    return row;
}

}  // namespace

QString changedElsewhere(const QVariant& key, const QString& happened, const QString& outcome) {
    return "Item " + key.toString() + " was " + happened + " elsewhere after it was shown here, so " + outcome;
}

bool WarehouseRepository::hasItem(const QVariant& key) const { return isStored(m_cnn, key); }

void WarehouseRepository::openItems(RecordSnapshot& items) const {
    items.open(m_cnn, QStringLiteral("SELECT Items.* FROM Items ORDER BY ItemID"));
}

void WarehouseRepository::insertItem(const QSqlRecord& row) const {
    const QVariant key = row.value(kItemId);
    requireKey(key);
    RowInsert insert(QStringLiteral("Items"));
    for (int i = 0; i < row.count(); ++i)
        insert.set(row.fieldName(i), row.value(i));
    Transaction transaction(m_cnn);
    refuseTakenKey(m_cnn, key);
    insert.run(m_cnn);
    transaction.commit();
}

void WarehouseRepository::updateItem(const QSqlRecord& read, const QSqlRecord& changes) const {
    const QVariant storedKey = read.value(kItemId);
    const QVariant newKey = changes.contains(kItemId) ? changes.value(kItemId) : storedKey;
    requireKey(newKey);
    if (changes.isEmpty()) return;
    CheckedRowUpdate update = asRead(read);
    for (int i = 0; i < changes.count(); ++i)
        update.set(changes.fieldName(i), changes.value(i));
    Transaction transaction(m_cnn);
    if (newKey.toString().compare(storedKey.toString(), Qt::CaseInsensitive) != 0) refuseTakenKey(m_cnn, newKey);
    if (update.run(m_cnn) == 0) {
        const QString happened = isStored(m_cnn, storedKey) ? QStringLiteral("changed") : QStringLiteral("deleted");
        throw ChangedRowError(changedElsewhere(
            storedKey, happened, QStringLiteral("your changes were not saved. It is now shown as stored.")));
    }
    // Keys compare as the table does: a change of letter case alone is a change too.
    if (newKey != storedKey) {
        for (SalesTable table : kSalesTables)
            m_cnn.execute("UPDATE " + quotedName(salesTableName(table)) + " SET ItemID = ?" + kByKey,
                          {newKey, storedKey});
    }
    transaction.commit();
}

void WarehouseRepository::deleteItem(const QSqlRecord& read) const {
    const QVariant key = read.value(kItemId);
    Transaction transaction(m_cnn);
    for (SalesTable table : kSalesTables)
        m_cnn.execute("DELETE FROM " + quotedName(salesTableName(table)) + kByKey, {key});
    // An item that another writer deleted meanwhile is gone as the user wants it.
    if (asRead(read).runDelete(m_cnn) == 0 && isStored(m_cnn, key))
        throw ChangedRowError(changedElsewhere(key, QStringLiteral("changed"),
                                               QStringLiteral("it was not deleted. It is now shown as stored.")));
    transaction.commit();
}

}  // namespace tervalo::data
