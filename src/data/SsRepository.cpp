#include "data/SsRepository.h"

#include <QSqlRecord>
#include <algorithm>

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

// The columns a row writes, in the order the window writes them, each with its
// value (the date given as it is stored); a case leaves its unused columns
// out. `column(position, name, value)` is called for each, `position`
// counting every column of the table's order.
template <class Column>
void forEachWritten(const SsRow& row, const QVariant& date, Column&& column) {
    int position = 0;
    auto set = [&](const char* name, const QVariant& value) { column(position++, name, value); };
    auto setIf = [&](const char* name, const std::optional<QString>& value) {
        if (value) column(position, name, QVariant(*value));
        ++position;
    };
    set("Date", date);
    set("ItemName", row.itemName);
    set("ProblemID", row.problemId);
    set("DemandID", row.demandId);
    setIf("LDemand", row.lDemand);
    setIf("UDemand", row.uDemand);
    setIf("MeanDemand", row.meanDemand);
    setIf("VDemand", row.vDemand);
    set("ItemCost", row.itemCost);
    set("HoldingCost", row.holdingCost);
    set("ShortageCost", row.shortageCost);
    setIf("SetupCost", row.setupCost);
    set("OrderQty", row.orderQty);
    setIf("ReorderPoint", row.reorderPoint);
    set("TItemCost", row.tItemCost);
    set("THoldingCost", row.tHoldingCost);
    set("TShortageCost", row.tShortageCost);
    setIf("TSetupCost", row.tSetupCost);
    set("TotalCost", row.totalCost);
    set("ModelID", row.modelId);
}

constexpr int kSsColumns = 20;

}  // namespace

QString SsRepository::insert(const SsRow& row) {
    m_cnn.ensureOpen();
    RowInsert insert(QStringLiteral("s_S"));
    forEachWritten(row, isoDate(row.date),
                   [&insert](int, const char* name, const QVariant& value) { insert.set(QLatin1String(name), value); });
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

void SsRowWriter::insert(const SsRow& row) {
    QVariant values[kSsColumns];
    const char* names[kSsColumns];
    int count = 0;
    std::uint32_t written = 0;  // a bit for each column written
    if (m_dayText.isNull() || row.date != m_day) {
        m_day = row.date;
        m_dayText = isoDate(row.date);
    }
    forEachWritten(row, m_dayText, [&](int position, const char* name, const QVariant& value) {
        written |= 1u << position;
        names[count] = name;
        values[count++] = value;
    });
    auto kept = std::find_if(m_statements.begin(), m_statements.end(),
                             [written](const auto& statement) { return statement.first == written; });
    if (kept == m_statements.end()) {
        RowInsert columns(QStringLiteral("s_S"));
        for (int i = 0; i < count; ++i)
            columns.set(QLatin1String(names[i]), QVariant());
        m_statements.emplace_back(written, std::make_unique<Statement>(m_cnn, columns.sql()));
        kept = std::prev(m_statements.end());
    }
    Statement& statement = *kept->second;
    for (int i = 0; i < count; ++i)
        statement.bind(i, values[i]);
    statement.execute();
}

}  // namespace tervalo::data
