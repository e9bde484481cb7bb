#pragma once
// What the import of item and sales files reads and writes in Items, Sales and
// SalesWeekly: the keys already there, and one row added or updated at a time
// with its columns named and every value bound. The caller holds the
// transaction (data::Transaction), so a whole import goes in or none of it.
// Statements are prepared once per column list, as an import writes many rows
// of the same shape; on SQLite the new rows are bound through SQLite's own
// interface, whose binding costs a fraction of Qt's per value.
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <memory>

namespace tervalo::data {

class Connection;
class NativeStatements;

// Column name and value of one row to write.
using ColumnValues = QList<QPair<QString, QVariant>>;

class ImportRepository {
public:
    explicit ImportRepository(Connection& cnn);
    ~ImportRepository();
    ImportRepository(const ImportRepository&) = delete;
    ImportRepository& operator=(const ImportRepository&) = delete;

    // Item keys compare as the tables compare them: ASCII letters without case.
    static QString foldedKey(const QString& itemId);

    // The folded ItemID of every Items row.
    QSet<QString> itemKeys();
    // The folded ItemID and the Year of every row of a sales table.
    QSet<QPair<QString, int>> salesYears(const QString& table);

    // Adds one row. Throws RuntimeError on failure.
    void insertRow(const QString& table, const ColumnValues& values);
    // How many rows of that many columns insertRows() writes with one statement.
    static int rowsPerStatement(qsizetype columns);
    // Adds rows that give the same columns, each row's values in the columns'
    // order, many rows to a statement. Throws RuntimeError on failure.
    void insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows);
    // Writes the columns of the Items row with that ItemID.
    void updateItem(const QString& itemId, const ColumnValues& values);
    // Writes the columns of the item's row of that year in a sales table.
    void updateSalesYear(const QString& table, const QString& itemId, int year, const ColumnValues& values);

private:
    void runPrepared(const QString& sql, const QVariantList& values);
    QSqlQuery& prepared(const QString& sql);

    Connection& m_cnn;
    QHash<QString, QSqlQuery> m_statements;
    std::unique_ptr<NativeStatements> m_native;  // null unless the database is SQLite
};

}  // namespace tervalo::data
