#include "data/SalesRows.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Connection.h"
#include "data/RowInsert.h"
#include "data/SqlSupport.h"
#include "data/Transaction.h"

namespace tervalo::data {

void SalesRows::open(Connection& cnn, SalesTable table, const QString& key) {
    QSqlQuery query = cnn.run(
        "SELECT rowid, * FROM " + quotedName(salesTableName(table)) + " WHERE ItemID = ? ORDER BY [Year] DESC", {key});
    QStringList columns;
    const QSqlRecord fields = query.record();
    for (int i = 1; i < fields.count(); ++i)
        columns << fields.fieldName(i);
    QList<Row> rows;
    while (query.next()) {
        Row row;
        row.rowId = query.value(0).toLongLong();
        for (int i = 1; i < fields.count(); ++i)
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
    QList<QPair<int, qint64>> written;
    Transaction transaction(*m_cnn);
    for (int i : rows) {
        const Row& row = m_rows.at(i);
        // A row without its item's key would belong to no item.
        if (!row.pending || row.values.value(0).isNull()) continue;
        if (row.rowId < 0) {
            RowInsert insert(salesTableName(m_table));
            for (int c = 0; c < m_columns.size(); ++c)
                insert.set(m_columns[c], row.values[c]);
            written.append({i, insert.run(*m_cnn).toLongLong()});
        } else {
            QStringList sets;
            for (const QString& column : m_columns)
                sets << quotedName(column) + " = ?";
            m_cnn->execute(
                "UPDATE " + quotedName(salesTableName(m_table)) + " SET " + sets.join(", ") + " WHERE rowid = ?",
                QVariantList(row.values) << row.rowId);
            written.append({i, row.rowId});
        }
    }
    transaction.commit();
    for (const auto& [i, rowId] : written) {
        Row& row = m_rows[i];
        row.rowId = rowId;
        row.read = row.values;
        row.pending = false;
    }
}

void SalesRows::cancelPending() {
    for (int i = int(m_rows.size()) - 1; i >= 0; --i)
        cancelRow(i);
}

void SalesRows::cancelRow(int row) {
    Row& r = m_rows[row];
    if (r.rowId < 0) {
        m_rows.removeAt(row);
        return;
    }
    r.values = r.read;
    r.pending = false;
}

}  // namespace tervalo::data
