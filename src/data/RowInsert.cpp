#include "data/RowInsert.h"

#include <QStringList>

#include "data/Connection.h"

namespace tervalo::data {

namespace {
QString quoted(const QString& name) {
    QString inner = name;
    return '"' + inner.replace('"', "\"\"") + '"';
}
}  // namespace

RowInsert& RowInsert::set(const QString& column, const QVariant& value) {
    m_columns.append({column, value});
    return *this;
}

QString RowInsert::sql() const {
    QStringList names;
    QStringList marks;
    for (const auto& column : m_columns) {
        names.append(quoted(column.first));
        marks.append(QStringLiteral("?"));
    }
    return "INSERT INTO " + quoted(m_table) + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")";
}

QVariant RowInsert::run(Connection& cnn) const {
    QVariantList values;
    for (const auto& column : m_columns)
        values.append(column.second);
    return cnn.run(sql(), values).lastInsertId();
}

}  // namespace tervalo::data
