#pragma once
// The purchasing worked example (8 boxes of paper a week) as the two purchasing
// windows save it in EOQ1, for the tests of the table and of its report.
#include <QDate>
#include <QString>

#include "data/Eoq1Repository.h"

namespace tervalo::test {

// Model 1, no shortages.
inline data::Eoq1Row paperRow(const QDate& day, const QString& item = QStringLiteral("Paper")) {
    data::Eoq1Row row;
    row.date = day;
    row.timeUnit = "Week";
    row.itemName = item;
    row.demand = "8";
    row.itemCost = "25";
    row.holdingCost = "1.173";
    row.setupCost = "130";
    row.orderQty = " 42";
    row.orderInterval = " 37";
    row.tItemCost = 200;
    row.tHoldingCost = 24.6973682808513;
    row.tSetupCost = 24.6973682808513;
    row.totalCost = 249.394736561703;
    row.modelId = 1;
    return row;
}

// Model 2, shortages allowed (cost 15 a box short a week).
inline data::Eoq1Row paperWithShortagesRow(const QDate& day) {
    data::Eoq1Row row = paperRow(day);
    row.shortageCost = "15";
    row.orderQty = " 44";
    row.orderInterval = " 38";
    row.shortageAllowed = " 3";
    row.tSetupCost = 23.7848827098288;
    row.tHoldingCost = 22.0598058892866;
    row.tShortageCost = 1.72507682054221;
    row.totalCost = 247.569765419658;
    row.modelId = 2;
    return row;
}

}  // namespace tervalo::test
