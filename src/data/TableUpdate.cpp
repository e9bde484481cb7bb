#include "data/TableUpdate.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

// The places in `names` that `name` stands for: those spelt exactly so, else
// those that differ from it in case alone. More than one is for the user to
// settle: a database may hold "Qty" beside "qty", or a table "s.t" beside
// table t of schema s.
QList<qsizetype> spellings(const QStringList& names, const QString& name) {
    QList<qsizetype> exact, inOtherCase;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            exact.append(i);
        else if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            inOtherCase.append(i);
    }
    return exact.isEmpty() ? inOtherCase : exact;
}

[[noreturn]] void refuseAmbiguous(const QString& name, const QString& what, QStringList candidates) {
    candidates.sort();
    throw databaseError("The name '" + name + "' fits more than one " + what + ": " + candidates.join(", ") + ".");
}

// Rows a many-row statement writes at most, and values it binds at most
// (PostgreSQL takes 65,535).
constexpr int kRowsPerStatement = 1000;
constexpr int kValuesPerStatement = 30000;

const QString kSavepoint = QStringLiteral("SAVEPOINT tervalo_rows");
const QString kRollbackToSavepoint = QStringLiteral("ROLLBACK TO SAVEPOINT tervalo_rows");
const QString kReleaseSavepoint = QStringLiteral("RELEASE SAVEPOINT tervalo_rows");

// The PostgreSQL statement that updates `count` rows of one table, each found
// by the same key column, in one go:
//
//   WITH tervalo_rows (n, s, k, c1, c2) AS (VALUES
//       (1, CAST(? AS integer), CAST(? AS <key type>), CAST(? AS <type 1>), CAST(? AS <type 2>)), (2, ...)),
//     tervalo_changed1 AS (UPDATE <table> AS t SET <column 1> = v.c1, <column 2> = v.c2
//       FROM tervalo_rows AS v WHERE v.s = 1 AND t.<key> = v.k RETURNING v.n),
//     tervalo_changed2 AS (... the columns of the second shape, v.s = 2 ...)
//   SELECT n, 0 FROM tervalo_changed1 UNION ALL SELECT n, 0 FROM tervalo_changed2
//   UNION ALL SELECT 0, count(*) FROM <table> AS t JOIN tervalo_rows AS v ON t.<key> = v.k
//
// Row n binds its shape s (the columns it writes: rows of several shapes share
// the statement), its key and a value for every column, Null for the columns
// its shape does not write. Each value is cast to its column's own type, so
// it is taken as the one-row statement takes it. The result holds a row n for
// each table row changed and one row 0 with the number of (table row, row n)
// pairs the keys match: when that number is more than the changes, a table
// row was matched by two rows n and only one of them changed it, so the
// counts are not each row's own.
QString manyRowsSql(const QString& table, const QString& key, const QHash<QString, QString>& types,
                    const QList<QStringList>& shapes, const QStringList& columns, int count) {
    const auto typeOf = [&types](const QString& column) {
        const auto type = types.constFind(column);
        if (type == types.constEnd()) throw databaseError("The column '" + column + "' has no type.");
        return *type;
    };
    QString row = ", CAST(? AS integer), CAST(? AS " + typeOf(key) + ")";
    QString names = "n, s, k";
    for (int c = 0; c < columns.size(); ++c) {
        row += ", CAST(? AS " + typeOf(columns[c]) + ")";
        names += QStringLiteral(", c%1").arg(c + 1);
    }
    QString sql = "WITH tervalo_rows (" + names + ") AS (VALUES ";
    for (int n = 1; n <= count; ++n)
        sql += (n > 1 ? ", (" : "(") + QString::number(n) + row + ")";
    sql += ")";
    QString results;
    for (int s = 1; s <= shapes.size(); ++s) {
        QStringList sets;
        for (const QString& c : shapes[s - 1])
            sets.append(quotedName(c) + QStringLiteral(" = v.c%1").arg(columns.indexOf(c) + 1));
        sql += QStringLiteral(", tervalo_changed%1 AS (UPDATE ").arg(s) + table + " AS t SET " + sets.join(", ") +
               QStringLiteral(" FROM tervalo_rows AS v WHERE v.s = %1 AND t.").arg(s) + quotedName(key) +
               " = v.k RETURNING v.n)";
        results += QStringLiteral(" SELECT n, 0 FROM tervalo_changed%1 UNION ALL").arg(s);
    }
    return sql + results + " SELECT 0, count(*) FROM " + table + " AS t JOIN tervalo_rows AS v ON t." +
           quotedName(key) + " = v.k";
}

}  // namespace

TableUpdate::TableUpdate(Connection& cnn) : m_cnn(cnn) {}

TableUpdate::~TableUpdate() = default;

const TableUpdate::Table& TableUpdate::table(const QString& name) {
    const auto cached = m_tables.constFind(name);
    if (cached != m_tables.constEnd()) return *cached;

    if (!m_cnn.isOpen()) throw objectClosedError();
    const QList<Table> tables = tableNames();
    QStringList names;
    for (const Table& t : tables)
        names.append(t.name);
    const QList<qsizetype> found = spellings(names, name);
    if (found.isEmpty()) throw databaseError("The database has no table named '" + name + "'.");
    if (found.size() > 1) {
        QStringList candidates;
        for (const qsizetype i : found)
            candidates.append(tables[i].sql);
        refuseAmbiguous(name, QStringLiteral("table"), candidates);
    }
    Table t = tables[found.first()];
    t.columns = columnNames(t);
    return *m_tables.insert(name, t);
}

bool TableUpdate::onSqlite() const { return m_cnn.database().driver()->dbmsType() == QSqlDriver::SQLite; }

QList<TableUpdate::Table> TableUpdate::tableNames() const {
    QList<Table> tables;
    if (onSqlite()) {
        for (const QString& name : m_cnn.database().tables(static_cast<QSql::TableType>(QSql::Tables | QSql::Views)))
            tables.append({name, quotedName(name), {}, {}});
        return tables;
    }
    // PostgreSQL: a table of another schema than public is named
    // "schema.table", as Qt names it; the schema is quoted apart.
    QSqlQuery query = m_cnn.run(QStringLiteral(
        "SELECT n.nspname, c.relname FROM pg_class AS c JOIN pg_namespace AS n ON n.oid = c.relnamespace "
        "WHERE c.relkind IN ('r', 'v', 'p', 'm', 'f') AND n.nspname NOT IN ('pg_catalog', 'information_schema') "
        "AND n.nspname NOT LIKE 'pg\\_%'"));
    while (query.next()) {
        const QString schema = query.value(0).toString(), name = query.value(1).toString();
        if (schema == QLatin1String("public"))
            tables.append({name, quotedName(name), {}, {}});
        else
            tables.append({schema + '.' + name, quotedName(schema) + '.' + quotedName(name), {}, {}});
    }
    return tables;
}

QStringList TableUpdate::columnNames(const Table& table) {
    // Not the drivers' record(): it takes a dot in a name for a schema's and
    // strips quotes, as SQLite's driver does with the names a query reports,
    // so there the catalogue is asked.
    QStringList names;
    if (onSqlite()) {
        QSqlQuery query = m_cnn.run(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
        while (query.next())
            names.append(query.value(0).toString());
        return names;
    }
    const QSqlRecord record = m_cnn.run("SELECT * FROM " + table.sql + " WHERE 1 = 0").record();
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

QHash<QString, QString> TableUpdate::columnTypes(const Table& table) {
    // The type without its length or precision: a value is cast to it as a
    // one-row statement's value is, and the column checks the length itself.
    QHash<QString, QString> types;
    QSqlQuery query =
        m_cnn.run(QStringLiteral("SELECT attname, format_type(atttypid, NULL) FROM pg_attribute "
                                 "WHERE attrelid = CAST(? AS regclass) AND attnum > 0 AND NOT attisdropped"),
                  {table.sql});
    while (query.next())
        types.insert(query.value(0).toString(), query.value(1).toString());
    return types;
}

QString TableUpdate::column(const Table& table, const QString& name) const {
    const QList<qsizetype> found = spellings(table.columns, name);
    if (found.isEmpty()) throw databaseError("The table '" + table.name + "' has no column named '" + name + "'.");
    if (found.size() > 1) {
        QStringList candidates;
        for (const qsizetype i : found)
            candidates.append(quotedName(table.columns[i]));
        refuseAmbiguous(name, "column of the table '" + table.name + "'", candidates);
    }
    return table.columns[found.first()];
}

const TableUpdate::Shape& TableUpdate::shape(const RowUpdate& row) {
    QString id = row.table + QChar(0) + row.keyColumn;
    for (const auto& [name, value] : row.values)
        id += QChar(0) + name;
    const auto cached = m_shapes.find(id);
    if (cached != m_shapes.end()) return cached->second;

    const Table& t = table(row.table);
    Shape s{row.table, {}, {}, {}};
    QStringList sets;
    for (const auto& [name, value] : row.values) {
        s.columns.append(column(t, name));
        sets.append(quotedName(s.columns.last()) + " = ?");
    }
    s.key = column(t, row.keyColumn);
    s.sql = "UPDATE " + t.sql + " SET " + sets.join(", ") + " WHERE " + quotedName(s.key) + " = ?";
    return m_shapes.emplace(std::move(id), std::move(s)).first->second;
}

QString TableUpdate::sql(const RowUpdate& row) { return shape(row).sql; }

bool TableUpdate::sameShape(const RowUpdate& a, const RowUpdate& b) {
    if (a.table != b.table || a.keyColumn != b.keyColumn || a.values.size() != b.values.size()) return false;
    for (qsizetype i = 0; i < a.values.size(); ++i)
        if (a.values[i].first != b.values[i].first) return false;
    return true;
}

QSqlQuery& TableUpdate::prepared(const QString& sql) {
    auto statement = m_statements.find(sql);
    if (statement == m_statements.end()) {
        QSqlQuery query(m_cnn.database());
        if (!query.prepare(sql)) throw databaseError(describe(query.lastError()));
        statement = m_statements.insert(sql, query);
    }
    return *statement;
}

QVariantList TableUpdate::boundValues(const RowUpdate& row) {
    QVariantList values;
    values.reserve(row.values.size() + 1);
    for (const auto& [name, value] : row.values)
        values.append(value);
    values.append(row.key);
    return values;
}

int TableUpdate::run(const RowUpdate& row) {
    QSqlQuery& query = prepared(sql(row));
    const QVariantList values = boundValues(row);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) throw databaseError(describe(query.lastError()));
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

UpdatesRun TableUpdate::runAll(const QList<RowUpdate>& rows) {
    UpdatesRun out;
    // Every row's names are looked up first: a row that names a table or
    // column the database does not have fails where it stands, after the rows
    // before it ran.
    QList<const Shape*> shapes;
    shapes.reserve(rows.size());
    int end = int(rows.size());
    QString unknownName;
    for (int i = 0; i < end; ++i) {
        try {
            // A run of rows of one shape is the usual case: it is looked up once.
            shapes.append(i > 0 && sameShape(rows[i], rows[i - 1]) ? shapes.last() : &shape(rows[i]));
        } catch (const core::RuntimeError& error) {
            unknownName = QString::fromStdString(error.description());
            end = i;
        }
    }
    if (onSqlite()) {
        // The connection's own statement, prepared on SQLite's handle, stepped row by row.
        for (int i = 0; i < end && out.failedAt < 0; ++i) {
            try {
                out.changed.append(m_cnn.execute(shapes[i]->sql, boundValues(rows[i])));
            } catch (const core::RuntimeError& error) {
                out.failedAt = i;
                out.failure = QString::fromStdString(error.description());
            }
        }
    } else {
        for (int first = 0; first < end && out.failedAt < 0;) {
            // Rows of one table and key column, as many as one statement takes.
            const Shape& head = *shapes[first];
            int stop = first + 1;
            qsizetype values = 2 + head.columns.size();
            while (stop < end && stop - first < kRowsPerStatement && shapes[stop]->table == head.table &&
                   shapes[stop]->key == head.key) {
                values += 2 + shapes[stop]->columns.size();
                if (values > kValuesPerStatement) break;
                ++stop;
            }
            runMany(rows, shapes, first, stop, out);
            first = stop;
        }
    }
    if (out.failedAt < 0 && end < rows.size()) {
        out.failedAt = end;
        out.failure = unknownName;
    }
    return out;
}

void TableUpdate::runEach(const QList<RowUpdate>& rows, int first, int end, UpdatesRun& out) {
    for (int i = first; i < end; ++i) {
        try {
            out.changed.append(run(rows[i]));
        } catch (const core::RuntimeError& error) {
            out.failedAt = i;
            out.failure = QString::fromStdString(error.description());
            return;
        }
    }
}

void TableUpdate::runMany(const QList<RowUpdate>& rows, const QList<const Shape*>& shapes, int first, int end,
                          UpdatesRun& out) {
    // A row alone, or rows of a table whose statement the server would not
    // prepare, go one by one: a failure ends the run, so no savepoint is needed.
    if (end - first == 1 || m_refused.contains(shapes[first]->table)) return runEach(rows, first, end, out);
    try {
        m_cnn.execute(kSavepoint);

        QList<int> changed;
        bool counted = false;
        try {
            counted = runInOne(rows, shapes, first, end, changed);
        } catch (const core::RuntimeError&) {
            // The rows run again one by one, to find the one that fails and its reason.
        }
        if (counted) {
            out.changed += changed;
        } else {
            m_cnn.execute(kRollbackToSavepoint);
            runEach(rows, first, end, out);
            if (out.failedAt >= 0) return;
        }
        m_cnn.execute(kReleaseSavepoint);
    } catch (const core::RuntimeError& error) {
        // The savepoint failed, as it does once the connection is lost: the
        // rows of this statement go with it, and the first is the one named.
        out.changed.resize(first);
        out.failedAt = first;
        out.failure = QString::fromStdString(error.description());
    }
}

bool TableUpdate::runInOne(const QList<RowUpdate>& rows, const QList<const Shape*>& shapes, int first, int end,
                           QList<int>& changed) {
    const QString& tableName = shapes[first]->table;
    if (m_tables[tableName].types.isEmpty()) {
        try {
            m_tables[tableName].types = columnTypes(table(tableName));
        } catch (const core::RuntimeError&) {
            m_refused.insert(tableName);  // its rows go one by one
            throw;
        }
    }
    const Table& t = table(tableName);
    // The shapes of these rows, each once, and every column any of them writes.
    QList<const Shape*> distinct;
    QList<QStringList> shapeColumns;
    QStringList columns;
    for (int i = first; i < end; ++i) {
        if (distinct.contains(shapes[i])) continue;
        distinct.append(shapes[i]);
        shapeColumns.append(shapes[i]->columns);
        for (const QString& c : shapes[i]->columns)
            if (!columns.contains(c)) columns.append(c);
    }
    const QString text = manyRowsSql(t.sql, shapes[first]->key, t.types, shapeColumns, columns, end - first);
    auto statement = m_statements.find(text);
    if (statement == m_statements.end()) {
        QSqlQuery query(m_cnn.database());
        if (!query.prepare(text)) {
            m_refused.insert(tableName);
            throw databaseError(describe(query.lastError()));
        }
        statement = m_statements.insert(text, query);
    }
    QSqlQuery& query = *statement;
    int b = 0;
    for (int i = first; i < end; ++i) {
        const Shape& s = *shapes[i];
        query.bindValue(b++, int(distinct.indexOf(&s)) + 1);
        query.bindValue(b++, rows[i].key);
        for (const QString& c : columns) {
            const qsizetype at = s.columns.indexOf(c);
            query.bindValue(b++, at < 0 ? QVariant() : rows[i].values[at].second);
        }
    }
    if (!query.exec()) throw databaseError(describe(query.lastError()));
    changed = QList<int>(end - first, 0);
    qlonglong pairs = 0, changes = 0;
    while (query.next()) {
        const int n = query.value(0).toInt();
        if (n == 0) {
            pairs = query.value(1).toLongLong();
        } else {
            ++changed[n - 1];
            ++changes;
        }
    }
    query.finish();
    return changes == pairs;
}

}  // namespace tervalo::data
