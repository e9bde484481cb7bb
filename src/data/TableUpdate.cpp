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
    const QList<Table> tables = tableNames();
    QStringList names;
    for (const Table& t : tables)
        names.append(t.name);
    const qsizetype found = names.indexOf(ownSpelling(names, name));
    if (found < 0) throw databaseError("The database has no table named '" + name + "'.");
    Table t = tables[found];
    t.columns = columnNames(t);
    return *m_tables.insert(name, t);
}

bool TableUpdate::onSqlite() const { return m_cnn.database().driver()->dbmsType() == QSqlDriver::SQLite; }

QList<TableUpdate::Table> TableUpdate::tableNames() const {
    QList<Table> tables;
    if (onSqlite()) {
        for (const QString& name : m_cnn.database().tables(static_cast<QSql::TableType>(QSql::Tables | QSql::Views)))
            tables.append({name, quotedName(name), {}});
        return tables;
    }
    // PostgreSQL: a table of another schema than public is named
    // "schema.table", as Qt names it; the schema is quoted apart.
    QSqlQuery query = m_cnn.run(QStringLiteral(
        "SELECT n.nspname, c.relname FROM pg_class AS c JOIN pg_namespace AS n ON n.oid = c.relnamespace "
        "WHERE c.relkind IN ('r', 'v', 'p', 'm', 'f') AND n.nspname NOT IN ('pg_catalog', 'information_schema') "
        "AND n.nspname NOT LIKE 'pg\\_%'"));
    while (query.next()) {
        const QString schema = query.value(0).toString(), name = query.value(1).toString();
        if (schema == QLatin1String("public"))
            tables.append({name, quotedName(name), {}});
        else
            tables.append({schema + '.' + name, quotedName(schema) + '.' + quotedName(name), {}});
    }
    return tables;
}

QStringList TableUpdate::columnNames(const Table& table) {
    // Not the drivers' record(): it takes a dot in a name for a schema's and
    // strips quotes, as SQLite's driver does with the names a query reports,
    // so there the catalogue is asked.
    QStringList names;
    if (onSqlite()) {
        QSqlQuery query = m_cnn.run(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
        while (query.next())
            names.append(query.value(0).toString());
        return names;
    }
    const QSqlRecord record = m_cnn.run("SELECT * FROM " + table.sql + " WHERE 1 = 0").record();
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

QString TableUpdate::column(const Table& table, const QString& name) const {
    const QString own = ownSpelling(table.columns, name);
    if (own.isEmpty()) throw databaseError("The table '" + table.name + "' has no column named '" + name + "'.");
    return own;
}

QString TableUpdate::sql(const RowUpdate& row) {
    const Table& t = table(row.table);
    QStringList sets;
    for (const auto& [name, value] : row.values)
        sets.append(quotedName(column(t, name)) + " = ?");
    return "UPDATE " + t.sql + " SET " + sets.join(", ") + " WHERE " + quotedName(column(t, row.keyColumn)) + " = ?";
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
