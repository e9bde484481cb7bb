#include "data/ReportRowsRepository.h"

#include <QSqlQuery>

#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

QList<QSqlRecord> recordsOf(QSqlQuery query) {
    QList<QSqlRecord> rows;
    while (query.next())
        rows.append(query.record());
    return rows;
}

}  // namespace

QList<QSqlRecord> ReportRowsRepository::eoqRows(const QString& itemName, const QDate& day, int modelId) {
    m_cnn.ensureOpen();
    return recordsOf(m_cnn.run(QStringLiteral("SELECT EOQ1.*, Models.ModelName "
                                              "FROM EOQ1 INNER JOIN Models ON EOQ1.ModelID = Models.ModelID "
                                              "WHERE EOQ1.ItemName = ? AND EOQ1.Date = ? AND EOQ1.ModelID = ? "
                                              "ORDER BY EOQ1.LogID"),
                               {itemName, isoDate(day), modelId}));
}

QList<QSqlRecord> ReportRowsRepository::singlePeriodRows(qlonglong logId, const QDate& day, const QString& itemName) {
    m_cnn.ensureOpen();
    return recordsOf(m_cnn.run(QStringLiteral("SELECT s_S.*, Models.ModelName, DemandType.\"Desc\" "
                                              "FROM (s_S INNER JOIN Models ON s_S.ModelID = Models.ModelID) "
                                              "INNER JOIN DemandType ON s_S.DemandID = DemandType.DemandID "
                                              "WHERE s_S.LogID = ? AND s_S.Date = ? AND s_S.ItemName = ?"),
                               {logId, isoDate(day), itemName}));
}

}  // namespace tervalo::data
