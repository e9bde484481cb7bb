#pragma once
// Table EOQ1: one row per calculation of the four lot-size windows.
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

#include "data/Connection.h"

namespace tervalo::data {

struct Eoq1Row {
    QString logId;  // read back after insert; ignored on insert
    QDate date;
    QString timeUnit;  // "Year", "Month" or "Week"
    QString itemName;
    QString demand;  // box texts as typed
    QString itemCost;
    QString holdingCost;
    std::optional<QString> shortageCost;  // ModelID 2 and 4 only
    QString setupCost;
    QString orderQty;  // as displayed, with its leading blank
    QString orderInterval;
    std::optional<QString> shortageAllowed;  // ModelID 2 and 4 only
    double tItemCost = 0;
    double tHoldingCost = 0;
    std::optional<double> tShortageCost;  // ModelID 2 and 4 only
    double tSetupCost = 0;
    double totalCost = 0;
    int modelId = 0;
    QString qtyDiscount;   // read only
    QString qtyDiscount2;  // read only
    QString itemId;        // read only
    QString modelName;     // read only, from Models
};

class Eoq1Repository {
public:
    explicit Eoq1Repository(Connection& cnn) : m_cnn(cnn) {}

    // Appends the row in one statement with bound values and returns the new
    // LogID as text. A connection whose open failed is tried once more first.
    // Throws RuntimeError on failure (no row is then added).
    QString insert(const Eoq1Row& row);

    // Writes the discount offer and decision into the row (ModelID and LogID
    // bound). Throws RuntimeError when no such row exists (any more).
    void updateDiscount(int modelId, const QString& logId, const QString& offer, const QString& decision);

    // The print query: every row of that item, day and model, joined with Models
    // (inner join), oldest first.
    QList<Eoq1Row> rowsFor(const QString& itemName, const QDate& day, int modelId);

    // One row by key, or nullopt.
    std::optional<Eoq1Row> byLogId(const QString& logId);

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
