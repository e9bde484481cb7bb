#pragma once
// Small helpers shared by the data classes: database errors and the conversions
// between stored values and row fields.
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

#include "core/RuntimeError.h"

class QSqlError;

namespace tervalo::data {

// A run-time error with the database's description.
core::RuntimeError databaseError(const QString& description);
// A row that another writer changed or removed after it was read: nothing was written.
class ChangedRowError : public core::RuntimeError {
public:
    explicit ChangedRowError(const QString& description)
        : core::RuntimeError(core::ErrorCode::Database, description.toStdString()) {}
};
// A database file another program keeps locked for longer than the connection waits.
class LockedDatabaseError : public core::RuntimeError {
public:
    explicit LockedDatabaseError(const QString& description)
        : core::RuntimeError(core::ErrorCode::Database, description.toStdString()) {}
};
// Using a closed connection or recordset.
core::RuntimeError objectClosedError();
// The driver's own text when it has one ("no such table: Foo"), else Qt's.
QString describe(const QSqlError& error);
// SQLite's text for a failure, or what happened in the user's words where
// SQLite's text misleads. `code` is SQLite's extended result code.
QString describeSqlite(int code, const QString& text);
// A table or column name in double quotes, inner quotes doubled: the one
// way every statement quotes a name, whatever the name already holds.
QString quotedName(const QString& name);

// Dates are stored as ISO "YYYY-MM-DD" text; an invalid date is stored as NULL.
QVariant isoDate(const QDate& day);
QDate dateFromValue(const QVariant& value);
// NULL becomes nullopt.
std::optional<QString> optionalText(const QVariant& value);
std::optional<double> optionalDouble(const QVariant& value);
// A LogID given as text, as a number; nullopt when it is not a whole number.
std::optional<qlonglong> logIdValue(const QString& logId);
// The same, for a row that must exist: throws when it is not a whole number.
qlonglong requireLogId(const QString& logId);

}  // namespace tervalo::data
