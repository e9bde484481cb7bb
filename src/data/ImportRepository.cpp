#include "data/ImportRepository.h"

#include <sqlite3.h>

#include <QSqlError>
#include <QStringList>
#include <algorithm>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

QString setList(const ColumnValues& values) {
    QStringList parts;
    for (const auto& column : values)
        parts.append(quotedName(column.first) + " = ?");
    return parts.join(", ");
}

QVariantList valuesOf(const ColumnValues& values) {
    QVariantList list;
    list.reserve(values.size());
    for (const auto& column : values)
        list.append(column.second);
    return list;
}

}  // namespace

// Prepared statements on the SQLite handle under a Qt connection (the same
// handle, so they run inside the connection's transaction).
class NativeStatements {
public:
    explicit NativeStatements(sqlite3* db) : m_db(db) {}
    ~NativeStatements() {
        for (sqlite3_stmt* statement : std::as_const(m_statements))
            sqlite3_finalize(statement);
    }
    NativeStatements(const NativeStatements&) = delete;
    NativeStatements& operator=(const NativeStatements&) = delete;

    // Runs `sql` once with the values bound in order. Throws RuntimeError.
    void run(const QString& sql, const QList<QVariantList>& rows, qsizetype first, int count) {
        sqlite3_stmt* statement = prepared(sql);
        int index = 1;
        for (qsizetype r = first; r < first + count; ++r)
            for (const QVariant& value : rows[r])
                bind(statement, index++, value);
        const int status = sqlite3_step(statement);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        if (status != SQLITE_DONE) throw databaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

private:
    sqlite3_stmt* prepared(const QString& sql) {
        auto it = m_statements.constFind(sql);
        if (it != m_statements.constEnd()) return *it;
        sqlite3_stmt* statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            throw databaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        }
        m_statements.insert(sql, statement);
        return statement;
    }

    void bind(sqlite3_stmt* statement, int index, const QVariant& value) {
        if (bindSqliteValue(statement, index, value) != SQLITE_OK)
            throw databaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    sqlite3* m_db;
    QHash<QString, sqlite3_stmt*> m_statements;
};

ImportRepository::ImportRepository(Connection& cnn) : m_cnn(cnn) {
    if (m_cnn.isOpen())
        if (sqlite3* db = m_cnn.sqliteHandle()) m_native = std::make_unique<NativeStatements>(db);
}

ImportRepository::~ImportRepository() = default;

QString ImportRepository::foldedKey(const QString& itemId) {
    QString folded = itemId;
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

QSet<QString> ImportRepository::itemKeys() {
    QSet<QString> keys;
    QSqlQuery query = m_cnn.run(QStringLiteral("SELECT ItemID FROM Items WHERE ItemID IS NOT NULL"));
    while (query.next())
        keys.insert(foldedKey(query.value(0).toString()));
    return keys;
}

QSet<QPair<QString, int>> ImportRepository::salesYears(const QString& table) {
    QSet<QPair<QString, int>> years;
    QSqlQuery query = m_cnn.run("SELECT ItemID, \"Year\" FROM " + quotedName(table) +
                                " WHERE ItemID IS NOT NULL AND \"Year\" IS NOT NULL");
    while (query.next())
        years.insert({foldedKey(query.value(0).toString()), query.value(1).toInt()});
    return years;
}

void ImportRepository::insertRow(const QString& table, const ColumnValues& values) {
    QStringList names;
    QStringList marks;
    for (const auto& column : values) {
        names.append(quotedName(column.first));
        marks.append(QStringLiteral("?"));
    }
    runPrepared("INSERT INTO " + quotedName(table) + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")",
                valuesOf(values));
}

int ImportRepository::rowsPerStatement(qsizetype columns) {
    // SQLite binds at most 999 values a statement in its older builds.
    return std::max(1, 999 / int(std::max<qsizetype>(columns, 1)));
}

void ImportRepository::insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows) {
    if (rows.isEmpty() || columns.isEmpty()) return;
    const int perStatement = rowsPerStatement(columns.size());
    QStringList names;
    for (const QString& c : columns)
        names.append(quotedName(c));
    const QString head = "INSERT INTO " + quotedName(table) + " (" + names.join(", ") + ") VALUES ";
    const QString marks = "(" + QStringList(columns.size(), QStringLiteral("?")).join(", ") + ")";
    for (qsizetype first = 0; first < rows.size(); first += perStatement) {
        const int count = int(std::min<qsizetype>(perStatement, rows.size() - first));
        const QString sql = head + QStringList(count, marks).join(", ");
        if (m_native) {
            m_native->run(sql, rows, first, count);
            continue;
        }
        QSqlQuery& query = prepared(sql);
        int index = 0;
        for (qsizetype r = first; r < first + count; ++r)
            for (const QVariant& value : rows[r])
                query.bindValue(index++, value);
        if (!query.exec()) throw databaseError(describe(query.lastError()));
    }
}

void ImportRepository::updateItem(const QString& itemId, const ColumnValues& values) {
    if (values.isEmpty()) return;
    QVariantList bound = valuesOf(values);
    bound.append(itemId);
    runPrepared("UPDATE \"Items\" SET " + setList(values) + " WHERE ItemID = ?", bound);
}

void ImportRepository::updateSalesYear(const QString& table, const QString& itemId, int year,
                                       const ColumnValues& values) {
    if (values.isEmpty()) return;
    QVariantList bound = valuesOf(values);
    bound.append(itemId);
    bound.append(year);
    runPrepared("UPDATE " + quotedName(table) + " SET " + setList(values) + " WHERE ItemID = ? AND \"Year\" = ?",
                bound);
}

QSqlQuery& ImportRepository::prepared(const QString& sql) {
    if (!m_cnn.isOpen()) throw objectClosedError();
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_cnn.database());
        if (!query.prepare(sql)) throw databaseError(describe(query.lastError()));
        it = m_statements.insert(sql, query);
    }
    return it.value();
}

void ImportRepository::runPrepared(const QString& sql, const QVariantList& values) {
    QSqlQuery& query = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) throw databaseError(describe(query.lastError()));
}

}  // namespace tervalo::data
