#include "data/SqlSupport.h"

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
    return text.isEmpty() ? error.text().trimmed() : text;
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
