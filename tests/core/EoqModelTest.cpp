#include <gtest/gtest.h>

#include <cmath>

#include "core/NumberText.h"
#include "core/lotsize/Eoq.h"
#include "core/lotsize/LotSizeText.h"
#include "support/Tolerance.h"

using tervalo::core::formatNumber;
using tervalo::core::lotsize::Eoq;
using tervalo::core::lotsize::intervalDays;
using tervalo::core::lotsize::roundedText;
using tervalo::core::lotsize::TimeUnit;

namespace {

// The paper example: 8 boxes a week at $25, $130 an order, $1.173 a box and week.
Eoq paperExample(int modelType) {
    Eoq eoq;
    eoq.setModelType(modelType);
    eoq.setDemand(8);
    eoq.setPurchaseOrProductionCost(25);
    eoq.setOderOrSetupCost(130);
    eoq.setHoldingCost(1.173);
    eoq.setShortageCost(15);
    return eoq;
}

// The cell-phone example: 18000 a year made at 36000 a year, $2 each, $500 a
// setup, $1.80 a unit and year.
Eoq cellPhoneExample(int modelType) {
    Eoq eoq;
    eoq.setModelType(modelType);
    eoq.setDemand(18000);
    eoq.setPurchaseOrProductionCost(2);
    eoq.setOderOrSetupCost(500);
    eoq.setHoldingCost(1.8);
    eoq.setProductionRate(36000);
    eoq.setShortageCost(20);
    return eoq;
}

std::string amount(double value) { return formatNumber(value, "#.00"); }

}  // namespace

TEST(EoqModels, PurchasingWithoutShortagesPaperExample) {
    Eoq eoq = paperExample(1);
    ASSERT_NO_THROW(eoq.run());
    EXPECT_NEARLY_EQUAL(eoq.optimumOrderOrProductionQuantity(), std::sqrt(2080 / 1.173));
    EXPECT_NEARLY_EQUAL(eoq.orderingCycle(), std::sqrt(2080 / 1.173) / 8);
    EXPECT_NEARLY_EQUAL(eoq.periodPuchaseOrProductionCost(), 200);
    EXPECT_NEARLY_EQUAL(eoq.periodOrderingOrProductionCost(), eoq.periodHoldingCost());
    EXPECT_NEARLY_EQUAL(eoq.totalPeriodCost(), 200 + 2 * eoq.periodHoldingCost());
    EXPECT_EQ(roundedText(eoq.optimumOrderOrProductionQuantity()), " 42");
    EXPECT_EQ(roundedText(intervalDays(eoq.orderingCycle(), TimeUnit::Week)), " 37");
    EXPECT_EQ(amount(eoq.orderingCycle()), "5.26");
    EXPECT_EQ(amount(eoq.periodOrderingOrProductionCost()), "24.70");
    EXPECT_EQ(amount(eoq.totalPeriodCost()), "249.39");
}

TEST(EoqModels, PurchasingWithShortagesPaperExample) {
    Eoq eoq = paperExample(2);
    ASSERT_NO_THROW(eoq.run());
    EXPECT_EQ(amount(eoq.optimumOrderOrProductionQuantity()), "43.73");
    EXPECT_EQ(amount(eoq.allowedShortage()), "3.17");
    EXPECT_EQ(roundedText(eoq.optimumOrderOrProductionQuantity()), " 44");
    EXPECT_EQ(roundedText(eoq.allowedShortage()), " 3");
    EXPECT_EQ(roundedText(intervalDays(eoq.orderingCycle(), TimeUnit::Week)), " 38");
    EXPECT_EQ(amount(eoq.periodPuchaseOrProductionCost()), "200.00");
    EXPECT_EQ(amount(eoq.periodOrderingOrProductionCost()), "23.78");
    EXPECT_EQ(amount(eoq.periodHoldingCost()), "22.06");
    EXPECT_EQ(amount(eoq.periodShortageCost()), "1.73");
    EXPECT_EQ(amount(eoq.totalPeriodCost()), "247.57");
    EXPECT_NEARLY_EQUAL(eoq.totalPeriodCost(), eoq.periodOrderingOrProductionCost() +
                                                   eoq.periodPuchaseOrProductionCost() + eoq.periodHoldingCost() +
                                                   eoq.periodShortageCost());
}

TEST(EoqModels, VeryDearShortagesTendToThePlainModel) {
    Eoq plain = paperExample(1);
    Eoq shortages = paperExample(2);
    shortages.setShortageCost(1e12);
    ASSERT_NO_THROW(plain.run());
    ASSERT_NO_THROW(shortages.run());
    EXPECT_NEARLY_EQUAL(shortages.optimumOrderOrProductionQuantity(), plain.optimumOrderOrProductionQuantity());
    EXPECT_LT(shortages.allowedShortage(), 1e-3);
    EXPECT_NEARLY_EQUAL(shortages.totalPeriodCost(), plain.totalPeriodCost());
}

TEST(EoqModels, ProductionWithoutShortagesCellPhoneExample) {
    Eoq eoq = cellPhoneExample(3);
    ASSERT_NO_THROW(eoq.run());
    EXPECT_EQ(roundedText(eoq.optimumOrderOrProductionQuantity()), " 4472");
    EXPECT_EQ(roundedText(intervalDays(eoq.orderingCycle(), TimeUnit::Year)), " 91");
    EXPECT_EQ(roundedText(eoq.maxInventory()), " 2236");
    EXPECT_NEARLY_EQUAL(eoq.maxInventory(), 0.5 * eoq.optimumOrderOrProductionQuantity());
    EXPECT_EQ(amount(eoq.periodPuchaseOrProductionCost()), "36000.00");
    EXPECT_EQ(amount(eoq.periodOrderingOrProductionCost()), "2012.46");
    EXPECT_EQ(amount(eoq.periodHoldingCost()), "2012.46");
    EXPECT_EQ(amount(eoq.totalPeriodCost()), "40024.92");
}

TEST(EoqModels, ProductionWithShortagesCellPhoneExample) {
    Eoq eoq = cellPhoneExample(4);
    ASSERT_NO_THROW(eoq.run());
    EXPECT_EQ(roundedText(eoq.optimumOrderOrProductionQuantity()), " 4669");
    EXPECT_EQ(roundedText(intervalDays(eoq.orderingCycle(), TimeUnit::Year)), " 95");
    EXPECT_EQ(roundedText(eoq.maxInventory()), " 2142");
    EXPECT_EQ(roundedText(eoq.allowedShortage()), " 193");
    EXPECT_EQ(amount(eoq.periodPuchaseOrProductionCost()), "36000.00");
    EXPECT_EQ(amount(eoq.periodOrderingOrProductionCost()), "1927.59");
    EXPECT_EQ(amount(eoq.periodHoldingCost()), "1768.43");
    EXPECT_EQ(amount(eoq.periodShortageCost()), "159.16");
    EXPECT_EQ(amount(eoq.totalPeriodCost()), "39855.18");
    EXPECT_NEARLY_EQUAL(eoq.maxInventory(), 0.5 * eoq.optimumOrderOrProductionQuantity() - eoq.allowedShortage());
}

TEST(LotSizeText, QuantitiesAboveSixteenBitsAreOrdinaryResults) {
    // A yearly demand of a million with a high ordering cost orders about 133,000 units.
    tervalo::core::lotsize::Eoq eoq;
    eoq.setModelType(1);
    eoq.setDemand(1000000);
    eoq.setPurchaseOrProductionCost(2);
    eoq.setHoldingCost(0.5);
    eoq.setOderOrSetupCost(4418);
    ASSERT_NO_THROW(eoq.run());
    EXPECT_EQ(roundedText(eoq.optimumOrderOrProductionQuantity()), " 132936");
    EXPECT_EQ(roundedText(32767.5), " 32768");
    EXPECT_THROW(roundedText(3e9), tervalo::core::RuntimeError);
}
