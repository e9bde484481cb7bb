#pragma once
// UPDATEs of a table in a database the program does not own (the write-back
// target): the user names the table and columns as they think of them, so the
// names are matched to the database's own tables and views without regard to
// case, then always quoted as the database spells them (quotedName: a name
// that already holds quotes is still only a name); every value is bound.
// Statements are prepared once per shape and reused.
#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tervalo::data {

class Connection;

// UPDATE table SET column = value, ... WHERE keyColumn = key.
struct RowUpdate {
    QString table;
    QList<QPair<QString, QVariant>> values;  // column, value
    QString keyColumn;
    QVariant key;
};

class TableUpdate {
public:
    explicit TableUpdate(Connection& cnn) : m_cnn(cnn) {}

    // The statement as it is sent, with the names as the database spells them.
    // Throws core::RuntimeError(ErrorCode::Database) naming a table or column
    // the database does not have.
    QString sql(const RowUpdate& row);
    // Runs the statement; returns how many rows it changed. Throws as sql()
    // does, or with the database's description when the statement fails.
    int run(const RowUpdate& row);

private:
    struct Table {
        QString name;         // as the database spells it
        QString sql;          // as a statement names it, quoted
        QStringList columns;  // as the database spells them
    };
    const Table& table(const QString& name);
    bool onSqlite() const;
    QList<Table> tableNames() const;
    QStringList columnNames(const Table& table);
    QString column(const Table& table, const QString& name) const;

    Connection& m_cnn;
    QHash<QString, Table> m_tables;          // by the name as given
    QHash<QString, QSqlQuery> m_statements;  // by SQL text
};

}  // namespace tervalo::data
