#include "data/Connection.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <atomic>

#include "data/ConnectionString.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

// Long enough for another program holding a write lock to finish.
constexpr int kBusyTimeoutMs = 5000;
// Statements kept prepared per connection; beyond that they are all dropped.
constexpr int kKeptStatements = 32;

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tervalo.connection.%1").arg(++counter);
}

// Errors name the database (`target`): a failed open is reported again when a
// save tries it once more, and the message must say which database it was.
QSqlDatabase addDatabase(const QString& driver, const QString& name, const QString& target) {
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw databaseError("The database driver " + driver + " is not available to open '" + target + "'.");
    return QSqlDatabase::addDatabase(driver, name);
}

// Opens an existing SQLite file read-write. The "mode=rw" URI makes SQLite
// refuse a missing file instead of creating an empty database.
void openSqliteFile(const QString& name, const QString& file) {
    const QFileInfo info(file);
    const QString path = info.absoluteFilePath();
    if (!info.exists()) throw databaseError("Could not find file '" + path + "'.");

    QSqlDatabase db = addDatabase(QStringLiteral("QSQLITE"), name, path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    db.setDatabaseName("file:" + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) + "?mode=rw");
    if (!db.open()) throw databaseError("Could not open '" + path + "': " + describe(db.lastError()));

    // SQLite reads the file lazily: make sure it is a database now.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString reason = describe(probe.lastError());
        if (reason.contains(QLatin1String("not a database")))
            throw databaseError("Unrecognized database format '" + path + "'.");
        // Another program writing to the file holds it past the busy timeout.
        if ((probe.lastError().nativeErrorCode().toInt() & 0xff) == SQLITE_BUSY)
            throw LockedDatabaseError("Could not open '" + path + "': " + reason);
        throw databaseError("Could not open '" + path + "': " + reason);
    }
}

void openPostgres(const QString& name, const ConnectionString& cs) {
    QSqlDatabase db = addDatabase(QStringLiteral("QPSQL"), name, cs.value("Database"));
    db.setHostName(cs.value("Host"));
    if (cs.contains("Port")) {
        bool ok = false;
        const int port = cs.value("Port").toInt(&ok);
        if (!ok) throw databaseError("The port '" + cs.value("Port") + "' is not a number.");
        db.setPort(port);
    }
    db.setDatabaseName(cs.value("Database"));
    db.setUserName(cs.contains("User") ? cs.value("User") : cs.value("User ID"));
    db.setPassword(cs.value("Password"));
    if (!db.open())
        throw databaseError("Could not open the database '" + db.databaseName() + "' on '" + db.hostName() +
                            "': " + describe(db.lastError()));
}

sqlite3* sqliteHandleOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

// Null as Qt's SQLite driver takes it: a null variant, text or bytes.
bool isNullValue(const QVariant& value) {
    if (value.isNull()) return true;
    if (value.typeId() == QMetaType::QString) return value.toString().isNull();
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().isNull();
    return false;
}

}  // namespace

int bindSqliteValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (isNullValue(value)) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return sqlite3_bind_double(statement, index, value.toDouble());
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            return sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
}

Connection::Connection() : m_name(nextConnectionName()) {}

Connection::~Connection() { close(); }

void Connection::open(const QString& connectionString) {
    release();
    m_connectionString = connectionString;
    m_openFailed = false;
    try {
        const ConnectionString cs = ConnectionString::parse(connectionString);
        const QString driver = cs.value("Driver");
        if (driver.compare("QPSQL", Qt::CaseInsensitive) == 0) {
            openPostgres(m_name, cs);
        } else if (driver.compare("QSQLITE", Qt::CaseInsensitive) == 0) {
            openSqliteFile(m_name, cs.value("Database"));
        } else if (driver.isEmpty() && !cs.value("Data Source").isEmpty()) {
            openSqliteFile(m_name, cs.value("Data Source"));
        } else if (!driver.isEmpty()) {
            throw databaseError("The database driver '" + driver + "' is not supported.");
        } else {
            throw databaseError("Data source name not found and no default driver specified.");
        }
        m_sqlite = sqliteHandleOf(database());
    } catch (...) {
        release();  // the failed connection's handles are gone by now
        m_openFailed = true;
        throw;
    }
}

void Connection::ensureOpen() {
    if (m_openFailed && !isOpen()) open(m_connectionString);
}

void Connection::close() {
    release();
    m_openFailed = false;
}

void Connection::dropKept() {
    m_kept.clear();
    for (sqlite3_stmt* statement : std::as_const(m_keptSqlite))
        sqlite3_finalize(statement);
    m_keptSqlite.clear();
}

void Connection::release() {
    dropKept();  // the statements go before their connection
    m_sqlite = nullptr;
    if (!QSqlDatabase::contains(m_name)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool Connection::isOpen() const { return QSqlDatabase::contains(m_name) && database().isOpen(); }

QSqlDatabase Connection::database() const { return QSqlDatabase::database(m_name, false); }

sqlite3* Connection::sqliteHandle() const { return m_sqlite; }

QSqlQuery Connection::run(const QString& sql, const QVariantList& values) {
    if (!isOpen()) throw objectClosedError();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // A statement without values runs as it is: PostgreSQL prepares only
    // queries and changes of rows, not statements such as CREATE TABLE.
    if (values.isEmpty()) {
        if (!query.exec(sql)) throw databaseError(describe(query.lastError()));
        return query;
    }
    if (!query.prepare(sql)) throw databaseError(describe(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) throw databaseError(describe(query.lastError()));
    return query;
}

Connection::KeptRun Connection::runKept(const QString& sql, const QVariantList& values, bool wantInsertId) {
    // SQLite's handle stands for an open connection: the kept statements need no look-up of Qt's.
    if (sqlite3* db = m_sqlite) {
        sqlite3_stmt* statement = m_keptSqlite.value(sql);
        if (!statement) {
            if (m_keptSqlite.size() >= kKeptStatements) dropKept();
            const QByteArray text = sql.toUtf8();
            if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
                const QString error =
                    describeSqlite(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
                sqlite3_finalize(statement);
                throw databaseError(error);
            }
            m_keptSqlite.insert(sql, statement);
        }
        int rc = SQLITE_OK;
        for (int i = 0; i < values.size() && rc == SQLITE_OK; ++i)
            rc = bindSqliteValue(statement, i + 1, values.at(i));
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            }
        }
        const QString error = rc == SQLITE_DONE
                                  ? QString()
                                  : describeSqlite(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        if (!error.isNull()) throw databaseError(error);
        const qint64 id = sqlite3_last_insert_rowid(db);
        return {sqlite3_changes(db), id ? QVariant(id) : QVariant()};
    }
    if (!isOpen()) throw objectClosedError();
    if (values.isEmpty()) {  // not prepared, as run() does for the other databases
        QSqlQuery query = run(sql, values);
        return {query.numRowsAffected(), wantInsertId ? query.lastInsertId() : QVariant()};
    }
    auto kept = m_kept.find(sql);
    if (kept == m_kept.end()) {
        if (m_kept.size() >= kKeptStatements) m_kept.clear();
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.prepare(sql)) throw databaseError(describe(query.lastError()));
        kept = m_kept.insert(sql, query);
    }
    QSqlQuery& query = *kept;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        throw databaseError(describe(error));
    }
    const KeptRun done{query.numRowsAffected(), wantInsertId ? query.lastInsertId() : QVariant()};
    query.finish();
    return done;
}

int Connection::execute(const QString& sql, const QVariantList& values) {
    return runKept(sql, values, false).rowsAffected;
}

QVariant Connection::insert(const QString& sql, const QVariantList& values) {
    return runKept(sql, values, true).lastInsertId;
}

void ExecuteSQL(Connection& cnn, const QString& sql, const QVariantList& values) { cnn.execute(sql, values); }

}  // namespace tervalo::data
