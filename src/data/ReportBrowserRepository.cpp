#include "data/ReportBrowserRepository.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "data/SqlSupport.h"
#include "data/Transaction.h"

namespace tervalo::data {

namespace {

// The one model a kind of s_S results is restricted to; EOQ results list every model.
std::optional<int> modelOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::Eoq:
            return std::nullopt;
        case ReportKind::ReorderPoint:
            return 10;
        case ReportKind::SinglePeriodUniform:
            return 7;
        case ReportKind::SinglePeriodNormal:
            return 8;
    }
    return std::nullopt;
}

QString tableName(ResultTable table) {
    return table == ResultTable::Eoq1 ? QStringLiteral("EOQ1") : QStringLiteral("s_S");
}

// The temporary table that carries the checked entries' keys into a statement.
// It is made inside the caller's transaction: a rollback takes it away too.
class KeyTable {
public:
    KeyTable(Connection& cnn, const QString& columns, int columnCount) : m_query(cnn.database()) {
        cnn.execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(kName));
        cnn.execute(QStringLiteral("CREATE TEMP TABLE %1 (%2)").arg(kName, columns));
        QStringList marks;
        for (int i = 0; i < columnCount; ++i)
            marks << QStringLiteral("?");
        // Keys repeat when several entries stand for the same rows; one is enough.
        if (!m_query.prepare(QStringLiteral("INSERT OR IGNORE INTO temp.%1 VALUES (%2)").arg(kName, marks.join(", "))))
            throw databaseError(describe(m_query.lastError()));
    }
    void add(const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values.at(i));
        if (!m_query.exec()) throw databaseError(describe(m_query.lastError()));
    }
    // Removes the table (before a commit would keep it on the connection).
    void drop(Connection& cnn) {
        m_query.clear();  // a table in use by a statement cannot be dropped
        cnn.execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(kName));
    }

    static inline const QString kName = QStringLiteral("BrowserKeys");

private:
    QSqlQuery m_query;
};

}  // namespace

ResultTable tableOf(ReportKind kind) { return kind == ReportKind::Eoq ? ResultTable::Eoq1 : ResultTable::SS; }

QList<ReportEntry> ReportBrowserRepository::list(ReportKind kind, const QDate& from, const QDate& to) {
    m_cnn.ensureOpen();
    const ResultTable table = tableOf(kind);
    const QString t = tableName(table);
    QString rows = QStringLiteral(
                       " FROM %1 INNER JOIN Models ON %1.ModelID = Models.ModelID"
                       " WHERE %1.Date BETWEEN ? AND ?")
                       .arg(t);
    QVariantList values{isoDate(from), isoDate(to)};
    if (const auto model = modelOf(kind)) {
        rows += QStringLiteral(" AND %1.ModelID = ?").arg(t);
        values << *model;
    }

    QList<ReportEntry> entries;
    // Counted first, the list is made once at its size: a long list does not
    // grow by copies that leave the memory they held scattered behind it.
    {
        QSqlQuery count = m_cnn.run(QStringLiteral("SELECT count(*)") + rows, values);
        if (count.next()) entries.reserve(count.value(0).toLongLong());
    }
    QSqlQuery query = m_cnn.run(
        QStringLiteral("SELECT %1.LogID, %1.ItemID, %1.ItemName, %1.Date, %1.ModelID, Models.ModelName").arg(t) + rows,
        values);
    QHash<int, QString> modelNames;  // one shared text per model, however many rows
    while (query.next()) {
        ReportEntry& e = entries.emplace_back();
        e.table = table;
        e.logId = query.value(0).toLongLong();
        e.itemId = optionalText(query.value(1));
        e.itemName = query.value(2).toString();
        e.date = dateFromValue(query.value(3));
        e.modelId = query.value(4).toInt();
        auto name = modelNames.find(e.modelId);
        if (name == modelNames.end()) name = modelNames.insert(e.modelId, query.value(5).toString());
        e.modelName = *name;
    }
    if (query.lastError().isValid()) throw databaseError(describe(query.lastError()));
    // Ordered here rather than by the query: SQLite's sorter would copy every
    // row's texts once more, which doubles the time a long list takes.
    std::sort(entries.begin(), entries.end(), [](const ReportEntry& a, const ReportEntry& b) {
        return a.date != b.date ? a.date > b.date : a.logId < b.logId;
    });
    return entries;
}

QList<QSqlRecord> ReportBrowserRepository::reportRows(ReportKind kind, const QList<ReportEntry>& entries) {
    m_cnn.ensureOpen();
    const ResultTable table = tableOf(kind);
    const QString t = tableName(table);
    // Only read: the transaction ends in a rollback, which also removes the key table.
    Transaction transaction(m_cnn, Transaction::Purpose::Reads);
    KeyTable keys(
        m_cnn, QStringLiteral("ItemName TEXT, Date TEXT, ModelID INTEGER, PRIMARY KEY (ItemName, Date, ModelID)"), 3);
    for (const ReportEntry& e : entries) {
        if (e.table == table) keys.add({e.itemName, isoDate(e.date), e.modelId});
    }

    // The name matches exactly: the first comparison uses the table's
    // case-blind index, the second keeps only the entry's own spelling.
    QString sql = table == ResultTable::Eoq1
                      ? QStringLiteral(
                            "SELECT EOQ1.*, Models.ModelName FROM temp.%1 AS k "
                            "INNER JOIN EOQ1 ON EOQ1.ItemName = k.ItemName AND EOQ1.Date = k.Date "
                            "AND EOQ1.ModelID = k.ModelID "
                            "INNER JOIN Models ON EOQ1.ModelID = Models.ModelID ")
                      : QStringLiteral(
                            "SELECT s_S.*, Models.ModelName, DemandType.Desc FROM temp.%1 AS k "
                            "INNER JOIN s_S ON s_S.ItemName = k.ItemName AND s_S.Date = k.Date "
                            "AND s_S.ModelID = k.ModelID "
                            "INNER JOIN Models ON s_S.ModelID = Models.ModelID "
                            "INNER JOIN DemandType ON s_S.DemandID = DemandType.DemandID ");
    sql = sql.arg(KeyTable::kName);
    sql += QStringLiteral("WHERE %1.ItemName = k.ItemName COLLATE BINARY").arg(t);
    QVariantList values;
    // The single-period kinds print only their own model's rows.
    if (kind == ReportKind::SinglePeriodUniform || kind == ReportKind::SinglePeriodNormal) {
        sql += QStringLiteral(" AND s_S.ModelID = ?");
        values << *modelOf(kind);
    }
    sql += QStringLiteral(" ORDER BY %1.LogID").arg(t);

    QList<QSqlRecord> rows;
    {
        QSqlQuery query = m_cnn.run(sql, values);
        while (query.next())
            rows.append(query.record());
        if (query.lastError().isValid()) throw databaseError(describe(query.lastError()));
    }
    return rows;
}

int ReportBrowserRepository::deleteRows(ReportKind kind, const QList<ReportEntry>& entries) {
    m_cnn.ensureOpen();
    const ResultTable table = tableOf(kind);
    const QString t = tableName(table);
    Transaction transaction(m_cnn);
    KeyTable keys(m_cnn, QStringLiteral("LogID INTEGER PRIMARY KEY, ModelID INTEGER"), 2);
    for (const ReportEntry& e : entries) {
        if (e.table == table) keys.add({e.logId, e.modelId});
    }
    QString sql = QStringLiteral(
                      "DELETE FROM %1 WHERE LogID IN (SELECT k.LogID FROM temp.%2 AS k "
                      "INNER JOIN %1 AS r ON r.LogID = k.LogID AND r.ModelID = k.ModelID)")
                      .arg(t, KeyTable::kName);
    QVariantList values;
    if (kind == ReportKind::SinglePeriodUniform || kind == ReportKind::SinglePeriodNormal) {
        sql += QStringLiteral(" AND ModelID = ?");
        values << *modelOf(kind);
    }
    const int deleted = m_cnn.execute(sql, values);
    keys.drop(m_cnn);
    transaction.commit();
    return deleted;
}

}  // namespace tervalo::data
