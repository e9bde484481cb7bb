#include "data/SalesRows.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "data/CheckedRowUpdate.h"
#include "data/Connection.h"
#include "data/RowInsert.h"
#include "data/SqlSupport.h"
#include "data/Transaction.h"

namespace tervalo::data {

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

void SalesRows::writePending() {
    QList<int> rows;
    for (int i = 0; i < m_rows.size(); ++i)
        rows << i;
    write(rows);
}

void SalesRows::writeRow(int row) { write({row}); }

void SalesRows::write(const QList<int>& rows) {
    if (!isOpen()) throw objectClosedError();
    const QString table = salesTableName(m_table);
    QList<int> written;
    Transaction transaction(*m_cnn);
    for (int i : rows) {
        const Row& row = m_rows.at(i);
        // A row without its item's key would belong to no item.
        if (!row.pending || row.values.value(0).isNull()) continue;
        if (!row.stored) {
            RowInsert insert(table);
            for (int c = 0; c < m_columns.size(); ++c)
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
            if (update.hasChanges() && update.run(*m_cnn) == 0)
                throw ChangedRowError("The sales of item " + row.read[0].toString() + " for " + row.read[1].toString() +
                                      " were changed or deleted elsewhere after they were shown here, so your "
                                      "changes were not saved. They are now shown as stored.");
        }
        written << i;
    }
    transaction.commit();
    for (int i : written) {
        Row& row = m_rows[i];
        row.stored = true;
        row.read = row.values;
        row.changed.clear();
        row.pending = false;
    }
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
