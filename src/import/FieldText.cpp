#include "import/FieldText.h"

#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::import {

QString fieldText(const QVariant& value) {
    if (value.isNull()) return QString();
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong: {
            return QString::fromStdString(core::plainDecimalText(value.toDouble()));
        }
        default:
            return value.toString();
    }
}

QVariant numberValue(const QString& text) {
    if (text.isEmpty()) return QVariant();
    if (!core::isNumber(text.toStdString())) throw core::RuntimeError(core::ErrorCode::TypeMismatch);
    return core::leadingNumber(text.toStdString());
}

QVariant textValue(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }

}  // namespace tervalo::import
