#include "data/Statement.h"

#include <sqlite3.h>

#include <QSqlError>
#include <QSqlRecord>
#include <cstring>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

Statement::Statement(Connection& cnn, const QString& sql) {
    if (!cnn.isOpen()) throw objectClosedError();
    m_db = cnn.sqliteHandle();
    if (!m_db) {
        m_query = QSqlQuery(cnn.database());
        m_query.setForwardOnly(true);
        if (!m_query.prepare(sql)) throw databaseError(describe(m_query.lastError()));
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        fail();
    }
}

Statement::~Statement() { sqlite3_finalize(m_statement); }

void Statement::fail() const {
    throw databaseError(describeSqlite(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))));
}

void Statement::bind(int index, const QVariant& value) {
    if (!m_statement) return m_query.bindValue(index, value);
    int rc;
    if (value.typeId() == QMetaType::QString && !value.isNull() &&
        !static_cast<const QString*>(value.constData())->isNull()) {
        const QString& text = *static_cast<const QString*>(value.constData());
        if (std::size_t(index) >= m_texts.size()) m_texts.resize(std::size_t(index) + 1);
        QByteArray& buffer = m_texts[std::size_t(index)];
        buffer.resize(m_utf8.requiredSpace(text.size()));
        const char* end = m_utf8.appendToBuffer(buffer.data(), text);
        rc =
            sqlite3_bind_text(m_statement, index + 1, buffer.constData(), int(end - buffer.constData()), SQLITE_STATIC);
    } else {
        rc = bindSqliteValue(m_statement, index + 1, value);
    }
    if (rc != SQLITE_OK) fail();
}

void Statement::bind(int index, double value) {
    if (!m_statement) return m_query.bindValue(index, value);
    if (sqlite3_bind_double(m_statement, index + 1, value) != SQLITE_OK) fail();
}

// Ready for the next run: no lock held, no value left bound.
void Statement::done() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_running = false;
}

int Statement::execute() {
    if (!m_statement) {
        if (!m_query.exec()) throw databaseError(describe(m_query.lastError()));
        const int changed = m_query.numRowsAffected();
        m_query.finish();
        return changed;
    }
    int rc;
    while ((rc = sqlite3_step(m_statement)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        const int code = sqlite3_extended_errcode(m_db);
        const QString text = QString::fromUtf8(sqlite3_errmsg(m_db));
        done();
        throw databaseError(describeSqlite(code, text));
    }
    done();
    return sqlite3_changes(m_db);
}

bool Statement::next() {
    if (!m_statement) {
        if (!m_running) {
            if (!m_query.exec()) throw databaseError(describe(m_query.lastError()));
            m_running = true;
        }
        if (m_query.next()) return true;
        const QSqlError error = m_query.lastError();
        m_query.finish();
        m_running = false;
        if (error.isValid()) throw databaseError(describe(error));
        return false;
    }
    m_running = true;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) {
        done();
        return false;
    }
    const int code = sqlite3_extended_errcode(m_db);
    const QString text = QString::fromUtf8(sqlite3_errmsg(m_db));
    done();
    throw databaseError(describeSqlite(code, text));
}

int Statement::columnCount() const {
    if (!m_statement) return m_query.record().count();
    return sqlite3_column_count(m_statement);
}

QVariant Statement::value(int column) const {
    if (!m_statement) return m_query.value(column);
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return qlonglong(sqlite3_column_int64(m_statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        case SQLITE_NULL:
            return QVariant(QMetaType::fromType<QString>());
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                              sqlite3_column_bytes(m_statement, column));
        default: {
            // Read as stored (UTF-8), which spares SQLite a conversion of its own.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
            const int size = sqlite3_column_bytes(m_statement, column);
            return size == 0 ? QStringLiteral("") : QString::fromUtf8(text, size);
        }
    }
}

bool Statement::isNull(int column) const {
    if (!m_statement) return m_query.isNull(column);
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::optional<double> Statement::number(int column) const {
    if (!m_statement) {
        const QVariant value = m_query.value(column);
        const int type = value.typeId();
        if (value.isNull() || type == QMetaType::QString || type == QMetaType::QByteArray) return std::nullopt;
        return value.toDouble();
    }
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return double(sqlite3_column_int64(m_statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        default:
            return std::nullopt;
    }
}

bool Statement::isText(int column) const {
    if (!m_statement) return m_query.value(column).typeId() == QMetaType::QString;
    return sqlite3_column_type(m_statement, column) == SQLITE_TEXT;
}

bool Statement::textEquals(int column, const QByteArray& utf8) const {
    if (!m_statement) return m_query.value(column).toString().toUtf8() == utf8;
    const auto* text = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return text && size == utf8.size() && std::memcmp(text, utf8.constData(), std::size_t(size)) == 0;
}

}  // namespace tervalo::data
