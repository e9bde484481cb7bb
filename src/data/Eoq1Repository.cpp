#include "data/Eoq1Repository.h"

#include <QSqlRecord>

#include "data/RowInsert.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

const QString kSelect = QStringLiteral("SELECT EOQ1.*, Models.ModelName FROM EOQ1 ");

Eoq1Row rowFrom(const QSqlRecord& r) {
    Eoq1Row row;
    row.logId = r.value("LogID").toString();
    row.date = dateFromValue(r.value("Date"));
    row.timeUnit = r.value("TimeUnit").toString();
    row.itemName = r.value("ItemName").toString();
    row.demand = r.value("Demand").toString();
    row.itemCost = r.value("ItemCost").toString();
    row.holdingCost = r.value("HoldingCost").toString();
    row.shortageCost = optionalText(r.value("ShortageCost"));
    row.setupCost = r.value("SetupCost").toString();
    row.orderQty = r.value("OrderQty").toString();
    row.orderInterval = r.value("OrderInterval").toString();
    row.shortageAllowed = optionalText(r.value("ShortageAllowed"));
    row.tItemCost = r.value("TItemCost").toDouble();
    row.tHoldingCost = r.value("THoldingCost").toDouble();
    row.tShortageCost = optionalDouble(r.value("TShortageCost"));
    row.tSetupCost = r.value("TSetupCost").toDouble();
    row.totalCost = r.value("TotalCost").toDouble();
    row.modelId = r.value("ModelID").toInt();
    row.qtyDiscount = r.value("QtyDiscount").toString();
    row.qtyDiscount2 = r.value("QtyDiscount2").toString();
    row.itemId = r.value("ItemID").toString();
    row.modelName = r.value("ModelName").toString();
    return row;
}

QList<Eoq1Row> rowsOf(QSqlQuery query) {
    QList<Eoq1Row> rows;
    while (query.next())
        rows.append(rowFrom(query.record()));
    return rows;
}

}  // namespace

QString Eoq1Repository::insert(const Eoq1Row& row) {
    m_cnn.ensureOpen();
    RowInsert insert(QStringLiteral("EOQ1"));
    insert.set("Date", isoDate(row.date))
        .set("TimeUnit", row.timeUnit)
        .set("ItemName", row.itemName)
        .set("Demand", row.demand)
        .set("ItemCost", row.itemCost)
        .set("HoldingCost", row.holdingCost)
        .setIf("ShortageCost", row.shortageCost)
        .set("SetupCost", row.setupCost)
        .set("OrderQty", row.orderQty)
        .set("OrderInterval", row.orderInterval)
        .setIf("ShortageAllowed", row.shortageAllowed)
        .set("TItemCost", row.tItemCost)
        .set("THoldingCost", row.tHoldingCost)
        .setIf("TShortageCost", row.tShortageCost)
        .set("TSetupCost", row.tSetupCost)
        .set("TotalCost", row.totalCost)
        .set("ModelID", row.modelId);
    return insert.run(m_cnn).toString();
}

void Eoq1Repository::updateDiscount(int modelId, const QString& logId, const QString& offer, const QString& decision) {
    m_cnn.ensureOpen();
    const int changed = m_cnn.execute(
        QStringLiteral("UPDATE EOQ1 SET QtyDiscount = ?, QtyDiscount2 = ? WHERE ModelID = ? AND LogID = ?"),
        {offer, decision, modelId, requireLogId(logId)});
    // The row may have been deleted since the calculation saved it.
    if (changed == 0)
        throw databaseError(
            QStringLiteral("The saved result of this calculation no longer exists, so the offer was not saved."));
}

QList<Eoq1Row> Eoq1Repository::rowsFor(const QString& itemName, const QDate& day, int modelId) {
    return rowsOf(m_cnn.run(kSelect + "INNER JOIN Models ON EOQ1.ModelID = Models.ModelID "
                                      "WHERE EOQ1.ItemName = ? AND EOQ1.Date = ? AND EOQ1.ModelID = ? "
                                      "ORDER BY EOQ1.LogID",
                            {itemName, isoDate(day), modelId}));
}

std::optional<Eoq1Row> Eoq1Repository::byLogId(const QString& logId) {
    const auto id = logIdValue(logId);
    if (!id) return std::nullopt;
    const QList<Eoq1Row> rows = rowsOf(m_cnn.run(kSelect + "LEFT JOIN Models ON EOQ1.ModelID = Models.ModelID "
                                                           "WHERE EOQ1.LogID = ?",
                                                 {*id}));
    if (rows.isEmpty()) return std::nullopt;
    return rows.first();
}

}  // namespace tervalo::data
