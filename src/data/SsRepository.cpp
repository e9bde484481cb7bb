#include "data/SsRepository.h"

#include <QSqlRecord>

#include "data/RowInsert.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

SsRow rowFrom(const QSqlRecord& r) {
    SsRow row;
    row.logId = r.value("LogID").toString();
    row.date = dateFromValue(r.value("Date"));
    row.itemName = r.value("ItemName").toString();
    row.problemId = r.value("ProblemID").toInt();
    row.demandId = r.value("DemandID").toInt();
    row.lDemand = optionalText(r.value("LDemand"));
    row.uDemand = optionalText(r.value("UDemand"));
    row.meanDemand = optionalText(r.value("MeanDemand"));
    row.vDemand = optionalText(r.value("VDemand"));
    row.itemCost = r.value("ItemCost").toString();
    row.holdingCost = r.value("HoldingCost").toString();
    row.shortageCost = r.value("ShortageCost").toString();
    row.setupCost = optionalText(r.value("SetupCost"));
    row.orderQty = r.value("OrderQty").toString();
    row.reorderPoint = optionalText(r.value("ReorderPoint"));
    row.tItemCost = r.value("TItemCost").toDouble();
    row.tHoldingCost = r.value("THoldingCost").toDouble();
    row.tShortageCost = r.value("TShortageCost").toDouble();
    row.tSetupCost = optionalText(r.value("TSetupCost"));
    row.totalCost = r.value("TotalCost").toDouble();
    row.modelId = r.value("ModelID").toInt();
    row.itemId = r.value("ItemID").toString();
    row.timeUnit = r.value("TimeUnit").toString();
    row.modelName = r.value("ModelName").toString();
    row.demandDesc = r.value("Desc").toString();
    return row;
}

}  // namespace

QString SsRepository::insert(const SsRow& row) {
    m_cnn.ensureOpen();
    RowInsert insert(QStringLiteral("s_S"));
    insert.set("Date", isoDate(row.date))
        .set("ItemName", row.itemName)
        .set("ProblemID", row.problemId)
        .set("DemandID", row.demandId)
        .setIf("LDemand", row.lDemand)
        .setIf("UDemand", row.uDemand)
        .setIf("MeanDemand", row.meanDemand)
        .setIf("VDemand", row.vDemand)
        .set("ItemCost", row.itemCost)
        .set("HoldingCost", row.holdingCost)
        .set("ShortageCost", row.shortageCost)
        .setIf("SetupCost", row.setupCost)
        .set("OrderQty", row.orderQty)
        .setIf("ReorderPoint", row.reorderPoint)
        .set("TItemCost", row.tItemCost)
        .set("THoldingCost", row.tHoldingCost)
        .set("TShortageCost", row.tShortageCost)
        .setIf("TSetupCost", row.tSetupCost)
        .set("TotalCost", row.totalCost)
        .set("ModelID", row.modelId);
    return insert.run(m_cnn).toString();
}

std::optional<SsRow> SsRepository::rowByLogId(const QString& logId) {
    const auto id = logIdValue(logId);
    if (!id) return std::nullopt;
    QSqlQuery query = m_cnn.run(QStringLiteral("SELECT s_S.*, Models.ModelName, DemandType.Desc FROM s_S "
                                               "LEFT JOIN Models ON s_S.ModelID = Models.ModelID "
                                               "LEFT JOIN DemandType ON s_S.DemandID = DemandType.DemandID "
                                               "WHERE s_S.LogID = ?"),
                                {*id});
    if (!query.next()) return std::nullopt;
    return rowFrom(query.record());
}

}  // namespace tervalo::data
