#pragma once
// Table s_S: one row per calculation of the single-period and (s,S) window.
// Box texts are stored as typed; the amounts unrounded.
#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "data/Connection.h"
#include "data/Statement.h"

namespace tervalo::data {

struct SsRow {
    QString logId;  // read back after insert; ignored on insert
    QDate date;
    QString itemName;
    int problemId = 0;                  // 1 (s,S) policy, 2 single period
    int demandId = 0;                   // 1 uniform, 2 normal
    std::optional<QString> lDemand;     // uniform demand only
    std::optional<QString> uDemand;     // uniform demand only
    std::optional<QString> meanDemand;  // normal demand only
    std::optional<QString> vDemand;     // normal demand only
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
    std::optional<QString> setupCost;     // (s,S) policy only
    QString orderQty;                     // S, with its leading blank
    std::optional<QString> reorderPoint;  // s, (s,S) policy only
    double tItemCost = 0;
    double tHoldingCost = 0;
    double tShortageCost = 0;
    std::optional<QString> tSetupCost;  // (s,S) policy only: the ordering cost box's text
    double totalCost = 0;
    int modelId = 0;     // 7, 8 or 10
    QString itemId;      // read only
    QString timeUnit;    // read only
    QString modelName;   // read only, from Models
    QString demandDesc;  // read only, Desc from DemandType
};

class SsRepository {
public:
    explicit SsRepository(Connection& cnn) : m_cnn(cnn) {}

    // Appends the row in one statement with bound values and returns the new
    // LogID as text. A connection whose open failed is tried once more first.
    // Throws RuntimeError on failure (no row is then added).
    QString insert(const SsRow& row);

    // One row by key with its model and demand names, or nullopt.
    std::optional<SsRow> rowByLogId(const QString& logId);

private:
    Connection& m_cnn;
};

// The rows of a run that saves one for every item, appended as insert() of
// SsRepository appends them, each with a statement prepared once for the set
// of columns it writes.
class SsRowWriter {
public:
    explicit SsRowWriter(Connection& cnn) : m_cnn(cnn) {}
    void insert(const SsRow& row);  // throws RuntimeError

private:
    Connection& m_cnn;
    std::vector<std::pair<std::uint32_t, std::unique_ptr<Statement>>> m_statements;  // by the columns written
    QDate m_day;  // the date of the last row, and its text
    QVariant m_dayText;
};

}  // namespace tervalo::data
