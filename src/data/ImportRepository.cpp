#include "data/ImportRepository.h"

#include <QSqlError>
#include <QStringList>
#include <algorithm>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

QString quoted(const QString& name) {
    QString inner = name;
    return '"' + inner.replace('"', "\"\"") + '"';
}

QString setList(const ColumnValues& values) {
    QStringList parts;
    for (const auto& column : values)
        parts.append(quoted(column.first) + " = ?");
    return parts.join(", ");
}

QVariantList valuesOf(const ColumnValues& values) {
    QVariantList list;
    list.reserve(values.size());
    for (const auto& column : values)
        list.append(column.second);
    return list;
}

}  // namespace

QString ImportRepository::foldedKey(const QString& itemId) {
    QString folded = itemId;
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

QSet<QString> ImportRepository::itemKeys() {
    QSet<QString> keys;
    QSqlQuery query = m_cnn.run(QStringLiteral("SELECT ItemID FROM Items WHERE ItemID IS NOT NULL"));
    while (query.next())
        keys.insert(foldedKey(query.value(0).toString()));
    return keys;
}

QSet<QPair<QString, int>> ImportRepository::salesYears(const QString& table) {
    QSet<QPair<QString, int>> years;
    QSqlQuery query = m_cnn.run("SELECT ItemID, \"Year\" FROM " + quoted(table) +
                                " WHERE ItemID IS NOT NULL AND \"Year\" IS NOT NULL");
    while (query.next())
        years.insert({foldedKey(query.value(0).toString()), query.value(1).toInt()});
    return years;
}

void ImportRepository::insertRow(const QString& table, const ColumnValues& values) {
    QStringList names;
    QStringList marks;
    for (const auto& column : values) {
        names.append(quoted(column.first));
        marks.append(QStringLiteral("?"));
    }
    runPrepared("INSERT INTO " + quoted(table) + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")",
                valuesOf(values));
}

void ImportRepository::insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows) {
    if (rows.isEmpty() || columns.isEmpty()) return;
    // SQLite binds at most 999 values a statement in its older builds.
    const int perStatement = std::max(1, 999 / int(columns.size()));
    QStringList names;
    for (const QString& c : columns)
        names.append(quoted(c));
    const QString head = "INSERT INTO " + quoted(table) + " (" + names.join(", ") + ") VALUES ";
    const QString marks = "(" + QStringList(columns.size(), QStringLiteral("?")).join(", ") + ")";
    for (qsizetype first = 0; first < rows.size(); first += perStatement) {
        const int count = int(std::min<qsizetype>(perStatement, rows.size() - first));
        QSqlQuery& query = prepared(head + QStringList(count, marks).join(", "));
        int index = 0;
        for (qsizetype r = first; r < first + count; ++r)
            for (const QVariant& value : rows[r])
                query.bindValue(index++, value);
        if (!query.exec()) throw databaseError(describe(query.lastError()));
    }
}

void ImportRepository::updateItem(const QString& itemId, const ColumnValues& values) {
    if (values.isEmpty()) return;
    QVariantList bound = valuesOf(values);
    bound.append(itemId);
    runPrepared("UPDATE \"Items\" SET " + setList(values) + " WHERE ItemID = ?", bound);
}

void ImportRepository::updateSalesYear(const QString& table, const QString& itemId, int year,
                                       const ColumnValues& values) {
    if (values.isEmpty()) return;
    QVariantList bound = valuesOf(values);
    bound.append(itemId);
    bound.append(year);
    runPrepared("UPDATE " + quoted(table) + " SET " + setList(values) + " WHERE ItemID = ? AND \"Year\" = ?", bound);
}

QSqlQuery& ImportRepository::prepared(const QString& sql) {
    if (!m_cnn.isOpen()) throw objectClosedError();
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_cnn.database());
        if (!query.prepare(sql)) throw databaseError(describe(query.lastError()));
        it = m_statements.insert(sql, query);
    }
    return it.value();
}

void ImportRepository::runPrepared(const QString& sql, const QVariantList& values) {
    QSqlQuery& query = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) throw databaseError(describe(query.lastError()));
}

}  // namespace tervalo::data
