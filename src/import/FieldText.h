#pragma once
// Stored warehouse values as the card's boxes and the sales grid show them,
// and typed texts as they are stored.
#include <QString>
#include <QVariant>

namespace tervalo::import {

// Null as an empty text, a number in its general form with the zero before
// the point (0.45 -> "0.45", 12 -> "12"), any other value as its text.
QString fieldText(const QVariant& value);

// An empty text as Null, a number as its value; raises "Type mismatch" for any other text.
QVariant numberValue(const QString& text);

// An empty text as Null, any other text as itself.
QVariant textValue(const QString& text);

}  // namespace tervalo::import
