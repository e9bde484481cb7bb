#include "data/TableUpdate.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

// The database's spelling of `name`: the exact one when it has it, else the
// only one that differs in case alone; empty when there is none.
QString ownSpelling(const QStringList& names, const QString& name) {
    QString found;
    for (const QString& own : names) {
        if (own == name) return own;
        if (found.isEmpty() && own.compare(name, Qt::CaseInsensitive) == 0) found = own;
    }
    return found;
}

}  // namespace

const TableUpdate::Table& TableUpdate::table(const QString& name) {
    const auto cached = m_tables.constFind(name);
    if (cached != m_tables.constEnd()) return *cached;

    if (!m_cnn.isOpen()) throw objectClosedError();
    const QSqlDatabase db = m_cnn.database();
    Table t;
    t.name = ownSpelling(db.tables(static_cast<QSql::TableType>(QSql::Tables | QSql::Views)), name);
    if (t.name.isEmpty()) throw databaseError("The database has no table named '" + name + "'.");
    const QSqlRecord record = db.record(t.name);
    for (int i = 0; i < record.count(); ++i)
        t.columns.append(record.fieldName(i));
    return *m_tables.insert(name, t);
}

QString TableUpdate::column(const Table& table, const QString& name) const {
    const QString own = ownSpelling(table.columns, name);
    if (own.isEmpty()) throw databaseError("The table '" + table.name + "' has no column named '" + name + "'.");
    return own;
}

QString TableUpdate::quoted(const QString& name, bool isTable) const {
    const QSqlDriver* driver = m_cnn.database().driver();
    const auto kind = isTable ? QSqlDriver::TableName : QSqlDriver::FieldName;
    if (driver->isIdentifierEscaped(name, kind)) return name;
    return driver->escapeIdentifier(name, kind);
}

QString TableUpdate::sql(const RowUpdate& row) {
    const Table& t = table(row.table);
    QStringList sets;
    for (const auto& [name, value] : row.values)
        sets.append(quoted(column(t, name), false) + " = ?");
    return "UPDATE " + quoted(t.name, true) + " SET " + sets.join(", ") + " WHERE " +
           quoted(column(t, row.keyColumn), false) + " = ?";
}

int TableUpdate::run(const RowUpdate& row) {
    const QString text = sql(row);
    auto statement = m_statements.find(text);
    if (statement == m_statements.end()) {
        QSqlQuery query(m_cnn.database());
        if (!query.prepare(text)) throw databaseError(describe(query.lastError()));
        statement = m_statements.insert(text, query);
    }
    QSqlQuery& query = *statement;
    int i = 0;
    for (const auto& [name, value] : row.values)
        query.bindValue(i++, value);
    query.bindValue(i, row.key);
    if (!query.exec()) throw databaseError(describe(query.lastError()));
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

}  // namespace tervalo::data
