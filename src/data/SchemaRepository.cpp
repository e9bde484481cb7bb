#include "data/SchemaRepository.h"

#include <QSqlQuery>

#include "data/Connection.h"

namespace tervalo::data {

namespace {

const QString kColumnsSql = QStringLiteral(
    "SELECT m.name, p.name, p.cid + 1, p.type, p.\"notnull\" "
    "FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p "
    "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' %1"
    "ORDER BY m.name, p.cid");

QList<SchemaColumn> readColumns(QSqlQuery query) {
    QList<SchemaColumn> columns;
    while (query.next())
        columns.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                        query.value(3).toString(), query.value(4).toInt() == 0});
    return columns;
}

}  // namespace

QList<SchemaColumn> SchemaRepository::allColumns() { return readColumns(m_cnn.run(kColumnsSql.arg(QString()))); }

QList<SchemaColumn> SchemaRepository::columnsOf(const QString& table) {
    return readColumns(m_cnn.run(kColumnsSql.arg(QStringLiteral("AND m.name = ? COLLATE NOCASE ")), {table}));
}

}  // namespace tervalo::data
