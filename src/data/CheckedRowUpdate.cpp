#include "data/CheckedRowUpdate.h"

#include <QStringList>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

CheckedRowUpdate& CheckedRowUpdate::set(const QString& column, const QVariant& value) {
    m_sets.append({column, value});
    return *this;
}

CheckedRowUpdate& CheckedRowUpdate::where(const QString& column, const QVariant& read) {
    m_wheres.append({column, read});
    return *this;
}

QString CheckedRowUpdate::condition() const {
    // BINARY: a text column that ignores letter case would take another writer's "UMBRELLAS" for "Umbrellas".
    QStringList tests;
    for (const auto& column : m_wheres)
        tests << quotedName(column.first) + QLatin1String(" IS ? COLLATE BINARY");
    return " WHERE " + tests.join(" AND ");
}

QString CheckedRowUpdate::sql() const {
    QStringList sets;
    for (const auto& column : m_sets)
        sets << quotedName(column.first) + QLatin1String(" = ?");
    return "UPDATE " + quotedName(m_table) + " SET " + sets.join(", ") + condition();
}

QVariantList CheckedRowUpdate::readValues() const {
    QVariantList values;
    for (const auto& column : m_wheres)
        values.append(column.second);
    return values;
}

int CheckedRowUpdate::run(Connection& cnn) const {
    QVariantList values;
    for (const auto& column : m_sets)
        values.append(column.second);
    return cnn.execute(sql(), values + readValues());
}

int CheckedRowUpdate::runDelete(Connection& cnn) const {
    return cnn.execute("DELETE FROM " + quotedName(m_table) + condition(), readValues());
}

}  // namespace tervalo::data
