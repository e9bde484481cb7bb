#pragma once
// The three worked examples of the single-period and (s,S) window as it saves
// them in s_S, for the tests of the table's reports.
#include <QDate>
#include <QString>

#include "data/SsRepository.h"

namespace tervalo::test {

// Single period, uniform demand between 500 and 1000 trees (model 7).
inline data::SsRow christmasTreeRow(const QDate& day) {
    data::SsRow row;
    row.date = day;
    row.itemName = "Christmas Tree";
    row.problemId = 2;
    row.demandId = 1;
    row.lDemand = "500";
    row.uDemand = "1000";
    row.itemCost = "6.00";
    row.holdingCost = "0.50";
    row.shortageCost = "20";
    row.orderQty = " 841";
    row.tItemCost = 5048.78048780488;
    row.tHoldingCost = 58.2986317668055;
    row.tShortageCost = 502.676977989292;
    row.totalCost = 5609.75609756098;
    row.modelId = 7;
    return row;
}

// Single period, normal demand with mean 20 and variance 25: the skis, whose
// holding cost is negative (model 8).
inline data::SsRow skisRow(const QDate& day) {
    data::SsRow row;
    row.date = day;
    row.itemName = "Skis";
    row.problemId = 2;
    row.demandId = 2;
    row.meanDemand = "20";
    row.vDemand = "25";
    row.itemCost = "60";
    row.holdingCost = "-40";
    row.shortageCost = "125";
    row.orderQty = " 24";
    row.tItemCost = 1416.684;
    row.tHoldingCost = -171.936;
    row.tShortageCost = 85.77875;
    row.totalCost = 1330.52675;
    row.modelId = 8;
    return row;
}

// The (s,S) policy of the car dealer, demand uniform between 75 and 100 cars
// a month (model 10).
inline data::SsRow carDealerRow(const QDate& day) {
    data::SsRow row;
    row.date = day;
    row.itemName = "Cars";
    row.problemId = 1;
    row.demandId = 1;
    row.lDemand = "75";
    row.uDemand = "100";
    row.itemCost = "14000";
    row.holdingCost = "60";
    row.shortageCost = "16000";
    row.setupCost = "5000";
    row.orderQty = " 78";
    row.reorderPoint = " 74";
    row.tItemCost = 1098586.55043587;
    row.tHoldingCost = 11.6313512993771;
    row.tShortageCost = 153288.493181702;
    row.tSetupCost = "5000";
    row.totalCost = 1251886.67496887;
    row.modelId = 10;
    return row;
}

}  // namespace tervalo::test
