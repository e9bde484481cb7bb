#pragma once
// UPDATEs of a table in a database the program does not own (the write-back
// target): the user names the table and columns as they think of them, so the
// names are matched to the database's own tables and views without regard to
// case, an exact spelling first, then always quoted as the database spells
// them (quotedName: a name that already holds quotes is still only a name); a
// name that fits several is refused, naming them. Every value is bound.
// Statements are prepared once per shape and reused. A list of updates
// (runAll) goes to SQLite one prepared statement stepped per row, and to
// PostgreSQL many rows to a statement, so a long list does not wait on the
// network once per row.
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <unordered_map>

namespace tervalo::data {

class Connection;

// UPDATE table SET column = value, ... WHERE keyColumn = key.
struct RowUpdate {
    QString table;
    QList<QPair<QString, QVariant>> values;  // column, value
    QString keyColumn;
    QVariant key;
};

// How a list of updates went: the rows each changed, in order, up to the
// first update that failed.
struct UpdatesRun {
    QList<int> changed;  // one count for each update that ran
    int failedAt = -1;   // the update that failed (changed.size()), -1 when none did
    QString failure;     // the description of that failure, as run() would throw it
};

class TableUpdate {
public:
    explicit TableUpdate(Connection& cnn);
    ~TableUpdate();
    TableUpdate(const TableUpdate&) = delete;
    TableUpdate& operator=(const TableUpdate&) = delete;

    // The statement as it is sent, with the names as the database spells them.
    // Throws core::RuntimeError(ErrorCode::Database) naming a table or column
    // the database does not have, or the ones a name fits when it fits several.
    QString sql(const RowUpdate& row);
    // Runs the statement; returns how many rows it changed. Throws as sql()
    // does, or with the database's description when the statement fails.
    int run(const RowUpdate& row);
    // Runs the updates in order, as run() would one by one, and stops at the
    // first that fails. Runs inside the caller's transaction: on PostgreSQL
    // the rows of one table go many to a statement, from a savepoint; when
    // such a statement fails, or cannot tell each row's count for sure, its
    // rows run again one by one from the savepoint, so the failure reported
    // is the one the first failing row gives.
    UpdatesRun runAll(const QList<RowUpdate>& rows);

private:
    struct Table {
        QString name;                   // as the database spells it
        QString sql;                    // as a statement names it, quoted
        QStringList columns;            // as the database spells them
        QHash<QString, QString> types;  // PostgreSQL: each column's type as SQL names it
    };
    // A row's statement: its table as given, its columns and key as the database spells them.
    struct Shape {
        QString table;
        QStringList columns;
        QString key;
        QString sql;
    };
    const Table& table(const QString& name);
    bool onSqlite() const;
    QList<Table> tableNames() const;
    QStringList columnNames(const Table& table);
    QHash<QString, QString> columnTypes(const Table& table);
    QString column(const Table& table, const QString& name) const;
    const Shape& shape(const RowUpdate& row);
    static bool sameShape(const RowUpdate& a, const RowUpdate& b);
    QSqlQuery& prepared(const QString& sql);
    static QVariantList boundValues(const RowUpdate& row);

    // PostgreSQL: rows [first, end) of one table and key column, in as few statements as may be.
    void runMany(const QList<RowUpdate>& rows, const QList<const Shape*>& shapes, int first, int end, UpdatesRun& out);
    // One statement for the rows; false when its counts cannot be taken (then nothing of it is kept).
    bool runInOne(const QList<RowUpdate>& rows, const QList<const Shape*>& shapes, int first, int end,
                  QList<int>& changed);
    void runEach(const QList<RowUpdate>& rows, int first, int end, UpdatesRun& out);

    Connection& m_cnn;
    QHash<QString, Table> m_tables;               // by the name as given
    std::unordered_map<QString, Shape> m_shapes;  // by table, key and columns as given; kept in place
    QHash<QString, QSqlQuery> m_statements;       // by SQL text
    QSet<QString> m_refused;                      // tables whose many-row statement the server would not prepare
};

}  // namespace tervalo::data
