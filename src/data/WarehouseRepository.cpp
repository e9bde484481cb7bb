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

// Keys compare as the table does, without regard to case.
void refuseTakenKey(Connection& cnn, const QVariant& key) {
    QSqlQuery taken = cnn.run(QStringLiteral("SELECT 1 FROM Items WHERE ItemID = ?"), {key});
    if (taken.next())
        throw databaseError("Item ID " + key.toString() +
                            " is already used by another item. Please enter another Item ID.");
}

}  // namespace

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
    CheckedRowUpdate update(QStringLiteral("Items"));
    for (int i = 0; i < changes.count(); ++i)
        update.set(changes.fieldName(i), changes.value(i));
    for (int i = 0; i < read.count(); ++i)
        update.where(read.fieldName(i), read.value(i));
    Transaction transaction(m_cnn);
    if (newKey.toString().compare(storedKey.toString(), Qt::CaseInsensitive) != 0) refuseTakenKey(m_cnn, newKey);
    if (update.run(m_cnn) == 0) {
        QSqlQuery stored = m_cnn.run("SELECT 1 FROM Items" + kByKey, {storedKey});
        const QString happened = stored.next() ? QStringLiteral("changed") : QStringLiteral("deleted");
        throw ChangedRowError("Item " + storedKey.toString() + " was " + happened +
                              " elsewhere after it was shown here, so your changes were not saved. It is now shown "
                              "as stored.");
    }
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
