#include "warehouse/FieldText.h"

#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::warehouse {

QString fieldText(const QVariant& value) {
    if (value.isNull()) return QString();
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong: {
            QString text = QString::fromStdString(core::generalText(value.toDouble()));
            if (text.startsWith('.')) text.prepend('0');
            if (text.startsWith(QLatin1String("-."))) text.insert(1, '0');
            return text;
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

}  // namespace tervalo::warehouse
