#include "reports/FieldText.h"

#include <QDate>
#include <QDateTime>

#include "core/NumberText.h"

namespace tervalo::reports {

namespace {

const char* const kMoney = "$#,##0.00";

bool isNumericType(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

QString numberText(const QVariant& value, const char* pattern) {
    return QString::fromStdString(core::formatNumber(value.toDouble(), pattern));
}

QString dateText(const QDate& day) { return day.toString(QStringLiteral("M/d/yyyy")); }

}  // namespace

QString fieldText(const QVariant& value, FieldFormat format) {
    if (value.isNull() || !value.isValid()) return QString();
    if (value.typeId() == QMetaType::QDate) return dateText(value.toDate());
    if (value.typeId() == QMetaType::QDateTime) return dateText(value.toDateTime().date());
    if (isNumericType(value)) return numberText(value, format == FieldFormat::Money ? kMoney : "");

    const QString text = value.toString();
    const std::string utf8 = text.toStdString();
    switch (format) {
        case FieldFormat::Money:
            if (core::isNumber(utf8))
                return QString::fromStdString(core::formatNumber(core::leadingNumber(utf8), kMoney));
            return text;
        case FieldFormat::Date: {
            // Stored as ISO text; a date with a time of day keeps only the day.
            if (text.size() == 10) {
                const QDate day = QDate::fromString(text, Qt::ISODate);
                return day.isValid() ? dateText(day) : text;
            }
            const QDateTime moment = QDateTime::fromString(QString(text).replace(u' ', u'T'), Qt::ISODate);
            return moment.isValid() ? dateText(moment.date()) : text;
        }
        case FieldFormat::Stored:
            break;
    }
    return core::isNumber(utf8) ? text.trimmed() : text;
}

}  // namespace tervalo::reports
