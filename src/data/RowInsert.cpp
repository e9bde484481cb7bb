#include "data/RowInsert.h"

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

RowInsert& RowInsert::set(const QString& column, const QVariant& value) {
    m_columns.append({column, value});
    return *this;
}

// Built in one string: a statement is made for every row saved.
QString RowInsert::sql() const {
    QString text;
    text.reserve(40 + int(m_columns.size()) * 20);
    text += QLatin1String("INSERT INTO ");
    text += quotedName(m_table);
    text += QLatin1String(" (");
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (i > 0) text += QLatin1String(", ");
        text += quotedName(m_columns.at(i).first);
    }
    text += QLatin1String(") VALUES (");
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        text += i > 0 ? QLatin1String(", ?") : QLatin1String("?");
    text += u')';
    return text;
}

QVariant RowInsert::run(Connection& cnn) const {
    QVariantList values;
    for (const auto& column : m_columns)
        values.append(column.second);
    return cnn.insert(sql(), values);
}

}  // namespace tervalo::data
