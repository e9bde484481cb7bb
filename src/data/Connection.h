#pragma once
// A database connection opened from a connection string:
//   "Provider=...;Data Source=FILE;..."  opens FILE as SQLite (read-write, never creates it);
//   "Driver=QPSQL;Host=...;Port=...;Database=...;User=...;Password=..." reaches PostgreSQL.
// Failures raise core::RuntimeError(ErrorCode::Database, description).
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace tervalo::data {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void open(const QString& connectionString);  // throws RuntimeError on failure
    void close();
    // When the last open failed (a lock held by another program, a file missing
    // for a moment at start-up), tries that open once more and raises its error
    // if it fails again. Does nothing on an open connection or after close():
    // a deliberately closed connection stays closed.
    void ensureOpen();
    bool isOpen() const;
    int state() const { return isOpen() ? 1 : 0; }  // 0 closed, 1 open
    QString connectionString() const { return m_connectionString; }

    // The Qt handle, for repositories. Valid while open.
    QSqlDatabase database() const;
    // SQLite's own handle, for statements bound and read without Qt; null
    // when the connection is closed or reaches another database.
    sqlite3* sqliteHandle() const;

    // Runs one statement with bound values (positional '?' placeholders).
    // Throws RuntimeError on failure. Returns the number of rows affected.
    // The statement is prepared once and kept for the next run of the same
    // text, so a statement run for every row of a long job is parsed once.
    int execute(const QString& sql, const QVariantList& values = {});
    // The same, returning the key the database gave a new row.
    QVariant insert(const QString& sql, const QVariantList& values);

    // Runs one statement with bound values and hands back the executed query,
    // positioned before its first row (forward only), for reading rows or the
    // new row's key (lastInsertId). Throws RuntimeError on failure.
    QSqlQuery run(const QString& sql, const QVariantList& values = {});

private:
    void release();  // drops the Qt handles
    // Runs a kept statement (prepared on its first run) and finishes it, so
    // it holds no lock between runs. The new row's key is asked for only when
    // wanted: PostgreSQL's driver asks the server for it with a statement of
    // its own, whose failure when no key was made spoils an open transaction.
    struct KeptRun {
        int rowsAffected = 0;
        QVariant lastInsertId;
    };
    KeptRun runKept(const QString& sql, const QVariantList& values, bool wantInsertId);
    void dropKept();

    // On SQLite the statements are kept on the database handle itself and
    // bound directly; other databases keep a prepared query.
    QHash<QString, QSqlQuery> m_kept;
    QHash<QString, sqlite3_stmt*> m_keptSqlite;
    sqlite3* m_sqlite = nullptr;  // SQLite's handle while an SQLite file is open

    QString m_name;
    QString m_connectionString;
    bool m_openFailed = false;
};

// Binds a value to an SQLite statement as every statement of the program
// binds it: Null (a null variant, text or bytes) as NULL, whole numbers and
// Booleans as integers, reals as reals, bytes as a blob, the rest as text.
// Returns SQLite's result code.
int bindSqliteValue(sqlite3_stmt* statement, int index, const QVariant& value);

// Runs one SQL command on the shared connection (the shared routine of the same
// name). Values are always bound. Throws RuntimeError when the connection is
// closed or the statement fails.
void ExecuteSQL(Connection& cnn, const QString& sql, const QVariantList& values = {});

}  // namespace tervalo::data
