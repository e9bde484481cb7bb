#include "data/SqlSupport.h"

#include <sqlite3.h>

#include <QSqlError>

namespace tervalo::data {

core::RuntimeError databaseError(const QString& description) {
    return core::RuntimeError(core::ErrorCode::Database, description.toStdString());
}

core::RuntimeError objectClosedError() {
    return databaseError(QStringLiteral("Operation is not allowed when the object is closed."));
}

QString describe(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    if (text.isEmpty()) return error.text().trimmed();
    // Qt's SQLite driver gives SQLite's extended result code as the native
    // code; PostgreSQL's are five-character states.
    const QString code = error.nativeErrorCode();
    return code.size() < 5 ? describeSqlite(code.toInt(), text) : text;
}

QString describeSqlite(int code, const QString& text) {
    // SQLite finds the file it opened gone from its place and calls itself read-only.
    if (code == SQLITE_READONLY_DBMOVED)
        return QStringLiteral(
            "The database file was moved or deleted while the program had it open, so nothing was written to it. "
            "Close the program and start it again.");
    return text;
}

QString quotedName(const QString& name) {
    QString inner = name;
    return '"' + inner.replace('"', "\"\"") + '"';
}

QVariant isoDate(const QDate& day) { return day.isValid() ? QVariant(day.toString(Qt::ISODate)) : QVariant(); }

QDate dateFromValue(const QVariant& value) { return QDate::fromString(value.toString().left(10), Qt::ISODate); }

std::optional<QString> optionalText(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    return value.toString();
}

std::optional<double> optionalDouble(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    return value.toDouble();
}

std::optional<qlonglong> logIdValue(const QString& logId) {
    bool ok = false;
    const qlonglong id = logId.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return id;
}

qlonglong requireLogId(const QString& logId) {
    const auto id = logIdValue(logId);
    if (!id) throw databaseError("No saved row has the LogID '" + logId + "'.");
    return *id;
}

}  // namespace tervalo::data
