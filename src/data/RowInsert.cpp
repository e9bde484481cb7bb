#include "data/RowInsert.h"

#include <QStringList>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

RowInsert& RowInsert::set(const QString& column, const QVariant& value) {
    m_columns.append({column, value});
    return *this;
}

QString RowInsert::sql() const {
    QStringList names;
    QStringList marks;
    for (const auto& column : m_columns) {
        names.append(quotedName(column.first));
        marks.append(QStringLiteral("?"));
    }
    return "INSERT INTO " + quotedName(m_table) + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")";
}

QVariant RowInsert::run(Connection& cnn) const {
    QVariantList values;
    for (const auto& column : m_columns)
        values.append(column.second);
    return cnn.run(sql(), values).lastInsertId();
}

}  // namespace tervalo::data
