#pragma once
// The column list of the main database, one row per column of every table, as
// the data source dialog's structure view shows it.
#include <QList>
#include <QString>

namespace tervalo::data {

class Connection;

struct SchemaColumn {
    QString tableName;
    QString columnName;
    int ordinalPosition = 0;  // 1 for a table's first column
    QString dataType;         // the declared type ("TEXT", "REAL", "BOOLEAN")
    bool isNullable = true;
};

class SchemaRepository {
public:
    explicit SchemaRepository(Connection& cnn) : m_cnn(cnn) {}

    // Every column of every table, by table name then ordinal position.
    // Throws RuntimeError on failure.
    QList<SchemaColumn> allColumns();
    // The columns of one table in their order; empty when there is no such table.
    QList<SchemaColumn> columnsOf(const QString& table);

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
