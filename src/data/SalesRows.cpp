#include "data/SalesRows.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "data/CheckedRowUpdate.h"
#include "data/Connection.h"
#include "data/RowInsert.h"
#include "data/SqlSupport.h"
#include "data/Transaction.h"

namespace tervalo::data {

namespace {

bool sameKey(const QVariant& a, const QVariant& b) {
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
}

}  // namespace

void SalesRows::open(Connection& cnn, SalesTable table, const QString& key) {
    QSqlQuery query =
        cnn.run("SELECT * FROM " + quotedName(salesTableName(table)) + " WHERE ItemID = ? ORDER BY [Year] DESC", {key});
    QStringList columns;
    const QSqlRecord fields = query.record();
    for (int i = 0; i < fields.count(); ++i)
        columns << fields.fieldName(i);
    QList<Row> rows;
    while (query.next()) {
        Row row;
        row.stored = true;
        for (int i = 0; i < fields.count(); ++i)
            row.values << query.value(i);
        row.read = row.values;
        rows << row;
    }
    m_cnn = &cnn;
    m_table = table;
    m_key = key;
    m_columns = columns;
    m_rows = rows;
}

void SalesRows::requery() {
    if (!isOpen()) throw objectClosedError();
    open(*m_cnn, m_table, m_key);
}

QVariant SalesRows::value(int row, int column) const { return m_rows.at(row).values.at(column); }

void SalesRows::setValue(int row, int column, const QVariant& value) {
    Row& r = m_rows[row];
    r.values[column] = value;
    r.changed.insert(column);
    r.pending = true;
}

int SalesRows::appendRow(const QVariant& itemId) {
    Row row;
    row.values = QVariantList(m_columns.size());
    row.values[0] = itemId;
    row.pending = true;
    m_rows << row;
    return int(m_rows.size()) - 1;
}

bool SalesRows::hasPending() const {
    for (const Row& row : m_rows)
        if (row.pending) return true;
    return false;
}

bool SalesRows::isPending(int row) const { return m_rows.at(row).pending; }

bool SalesRows::waitsForItem() const {
    for (const Row& row : m_rows)
        if (row.pending && !row.stored && !row.values.value(0).isNull()) return true;
    return false;
}

void SalesRows::writePending(const QVariant& itemKey) {
    QList<int> rows;
    for (int i = 0; i < m_rows.size(); ++i)
        rows << i;
    write(rows, itemKey);
}

void SalesRows::writeRow(int row, const QVariant& itemKey) { write({row}, itemKey); }

void SalesRows::write(const QList<int>& rows, const QVariant& itemKey) {
    if (!isOpen()) throw objectClosedError();
    const QString table = salesTableName(m_table);
    const WarehouseRepository items(*m_cnn);
    const auto gone = [](const QVariant& key) {
        return MissingItemError(
            changedElsewhere(key, QStringLiteral("deleted"), QStringLiteral("your changes were not saved.")));
    };
    QList<int> written;
    Transaction transaction(*m_cnn);
    for (int i : rows) {
        const Row& row = m_rows.at(i);
        // A row without its item's key would belong to no item.
        if (!row.pending || row.values.value(0).isNull()) continue;
        // A new row was typed for the item the rows are written for, whatever
        // key the card showed then: it waits until that item is stored, and
        // never goes into another item that has the key typed.
        if (!row.stored && itemKey.isNull()) continue;
        // A row is kept by its year: one without a year belongs to no year.
        if (row.values.value(1).isNull()) throw databaseError(kMissingYearText);
        if (!row.stored) {
            if (!items.hasItem(itemKey)) throw gone(itemKey);
            refuseYearAddedElsewhere(itemKey, row.values.value(1));
            RowInsert insert(table);
            insert.set(m_columns[0], itemKey);
            for (int c = 1; c < m_columns.size(); ++c)
                insert.set(m_columns[c], row.values[c]);
            insert.run(*m_cnn);
        } else {
            // Found by what was read (its key, ItemID and Year, among it), never by SQLite's row number,
            // which a row added elsewhere may have taken over.
            CheckedRowUpdate update(table);
            for (int c : row.changed)
                update.set(m_columns[c], row.values[c]);
            for (int c = 0; c < m_columns.size(); ++c)
                update.where(m_columns[c], row.read[c]);
            if (update.hasChanges() && update.run(*m_cnn) == 0) {
                if (!items.hasItem(row.read[0])) throw gone(row.read[0]);
                throw ChangedRowError("The sales of item " + row.read[0].toString() + " for " + row.read[1].toString() +
                                      " were changed or deleted elsewhere after they were shown here, so your "
                                      "changes were not saved. They are now shown as stored.");
            }
        }
        written << i;
    }
    transaction.commit();
    for (int i : written) {
        Row& row = m_rows[i];
        if (!row.stored) row.values[0] = itemKey;
        row.stored = true;
        row.read = row.values;
        row.changed.clear();
        row.pending = false;
    }
}

// A year that these rows show stored is the user's second row for it, which
// the table refuses as such; so is any year of an item whose rows these are not.
void SalesRows::refuseYearAddedElsewhere(const QVariant& key, const QVariant& year) const {
    if (!sameKey(key, m_key)) return;
    for (const Row& shown : m_rows) {
        if (shown.stored && sameKey(shown.read[0], key) && !shown.read[1].isNull() &&
            shown.read[1].toDouble() == year.toDouble())
            return;
    }
    QSqlQuery stored = m_cnn->run("SELECT 1 FROM " + quotedName(salesTableName(m_table)) + " WHERE " +
                                      quotedName(m_columns[0]) + " = ? AND " + quotedName(m_columns[1]) + " = ?",
                                  {key, year});
    if (stored.next())
        throw ChangedRowError("The sales of item " + key.toString() + " for " + year.toString() +
                              " were added elsewhere after this item's sales were shown here, so your changes were "
                              "not saved. They are now shown as stored.");
}

void SalesRows::cancelPending() {
    for (int i = int(m_rows.size()) - 1; i >= 0; --i)
        cancelRow(i);
}

void SalesRows::cancelRow(int row) {
    Row& r = m_rows[row];
    if (!r.stored) {
        m_rows.removeAt(row);
        return;
    }
    r.values = r.read;
    r.changed.clear();
    r.pending = false;
}

}  // namespace tervalo::data
