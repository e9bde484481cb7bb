#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/lotsize/LotSizeText.h"
#include "core/lotsize/QuantityDiscount.h"
#include "support/Tolerance.h"

using tervalo::core::formatNumber;
using namespace tervalo::core::lotsize;
using tervalo::core::CheckMessage;
using tervalo::core::firstFailedCheck;
using tervalo::core::MessageIcon;

namespace {

// The worked example: 100 a week, $1 up to 500 units and $0.95 beyond, $300 an
// order, $0.10 handling a unit and week, 10 % interest.
DiscountTexts exampleTexts() { return {{"An Item", "100", "1", "500", "0.95", "300", "0.1", "10"}}; }

std::optional<CheckMessage> check(DiscountKind kind, const DiscountTexts& texts) {
    return firstFailedCheck(quantityDiscountChecks(kind), texts.all());
}

constexpr int f(DiscountField field) { return static_cast<int>(field); }

QuantityDiscountInputs exampleInputs(double breakPoint = 500) {
    auto in = QuantityDiscountInputs::fromTexts(exampleTexts(), TimeUnit::Week);
    in.breakPoint = breakPoint;
    return in;
}

QuantityDiscountResult calculate(DiscountKind kind, const QuantityDiscountInputs& in) {
    return evaluateQuantityDiscount(kind, in);
}

std::string faultOf(DiscountKind kind, const QuantityDiscountInputs& in) {
    try {
        evaluateQuantityDiscount(kind, in);
    } catch (const tervalo::core::RuntimeError& fault) {
        return fault.description();
    }
    return "no fault";
}

std::string amount(double value) { return formatNumber(value, "#.00"); }

// What the window shows: order quantity, interval, then the comparison grid's
// quantities and totals (no discount, discount considered), then the cost table.
std::vector<std::string> shown(const QuantityDiscountResult& r) {
    return {roundedText(r.orderQuantity),
            roundedText(r.intervalDays),
            roundedText(r.noDiscountQuantity),
            roundedText(r.discountQuantity),
            amount(r.noDiscountTotal),
            amount(r.discountTotal),
            amount(r.purchaseCost),
            amount(r.orderingCost),
            amount(r.holdingCost),
            amount(r.totalCost)};
}

void expectPartsAddUp(const QuantityDiscountResult& r) {
    EXPECT_NEARLY_EQUAL(r.purchaseCost + r.orderingCost + r.holdingCost, r.totalCost);
}

}  // namespace

TEST(QuantityDiscountIncremental, WorkedExampleAcceptsByTheBreakPointRule) {
    const auto r = std::optional(calculate(DiscountKind::Incremental, exampleInputs()));
    EXPECT_NEARLY_EQUAL(r->noDiscountUnitHolding, 0.2);
    EXPECT_NEARLY_EQUAL(r->discountUnitHolding, 0.195);
    EXPECT_TRUE(r->accepted);
    EXPECT_FALSE(r->recostedAtBreakPoint);
    EXPECT_EQ(shown(*r), (std::vector<std::string>{" 555", " 39", " 548", " 555", "209.54", "203.17", "95.00", "54.08",
                                                   "54.08", "203.17"}));
    EXPECT_EQ(r->conclusion, "The quantity discount is a good deal that may decrease your total cost, so accept it.");
    expectPartsAddUp(*r);
}

TEST(QuantityDiscountIncremental, BreakPointAtTheDiscountQuantityRejects) {
    const double q1 = calculate(DiscountKind::Incremental, exampleInputs()).discountQuantity;
    const auto r = calculate(DiscountKind::Incremental, exampleInputs(q1));
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.conclusion, "The quantity discount may increase your total cost, so reject it.");
    EXPECT_EQ(shown(r), (std::vector<std::string>{" 548", " 38", " 548", " 555", "209.54", "203.17", "100.00", "54.77",
                                                  "54.77", "209.54"}));
}

TEST(QuantityDiscountIncremental, BreakPointAtTheRegularQuantityAccepts) {
    const double q0 = calculate(DiscountKind::Incremental, exampleInputs()).noDiscountQuantity;
    EXPECT_TRUE(calculate(DiscountKind::Incremental, exampleInputs(q0)).accepted);
}

TEST(QuantityDiscountIncremental, BetweenTheQuantitiesTheTotalsDecide) {
    EXPECT_TRUE(calculate(DiscountKind::Incremental, exampleInputs(550)).accepted);
}

TEST(QuantityDiscountIncremental, WithoutInterestTheLowerPriceWins) {
    auto in = exampleInputs(10000);
    in.interestPercent = 0;
    const auto r = calculate(DiscountKind::Incremental, in);
    EXPECT_NEARLY_EQUAL(r.noDiscountQuantity, r.discountQuantity);
    EXPECT_TRUE(r.accepted);
}

TEST(QuantityDiscountIncremental, EqualTotalsAccept) {
    auto in = exampleInputs();
    in.discountPrice = in.price;
    const auto r = calculate(DiscountKind::Incremental, in);
    EXPECT_EQ(r.noDiscountTotal, r.discountTotal);
    EXPECT_TRUE(r.accepted);
}

TEST(QuantityDiscountIncremental, IntervalFollowsTheTimeUnit) {
    auto in = exampleInputs();
    in.timeUnit = TimeUnit::Month;
    EXPECT_EQ(roundedText(calculate(DiscountKind::Incremental, in).intervalDays), " 166");
}

TEST(QuantityDiscountAllUnits, WorkedExampleAcceptsWithoutRecosting) {
    const auto r = calculate(DiscountKind::AllUnits, exampleInputs());
    EXPECT_TRUE(r.accepted);
    EXPECT_FALSE(r.recostedAtBreakPoint);
    EXPECT_EQ(shown(r), (std::vector<std::string>{" 555", " 39", " 548", " 555", "209.54", "203.17", "95.00", "54.08",
                                                  "54.08", "203.17"}));
}

TEST(QuantityDiscountAllUnits, BreakPointBeyondTheQuantityIsRecostedAndAccepted) {
    const auto r = std::optional(calculate(DiscountKind::AllUnits, exampleInputs(600)));
    EXPECT_TRUE(r->recostedAtBreakPoint);
    EXPECT_TRUE(r->accepted);
    // The cost table shows the parts at the break point, which add up to the total.
    EXPECT_EQ(shown(*r), (std::vector<std::string>{" 600", " 42", " 548", " 600", "209.54", "203.50", "95.00", "50.00",
                                                   "58.50", "203.50"}));
    expectPartsAddUp(*r);
    EXPECT_NEARLY_EQUAL(r->orderingCost, 50);
    EXPECT_NEARLY_EQUAL(r->orderingCycle, 6);
}

TEST(QuantityDiscountAllUnits, DearRecostingIsRejected) {
    const auto r = calculate(DiscountKind::AllUnits, exampleInputs(1000));
    EXPECT_TRUE(r.recostedAtBreakPoint);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(shown(r), (std::vector<std::string>{" 548", " 38", " 548", " 1000", "209.54", "222.50", "100.00", "54.77",
                                                  "54.77", "209.54"}));
    expectPartsAddUp(r);
}

// With no interest Q0 = Q1, which earns no discount below the break point:
// the discount is re-costed there, as with any other interest rate.
TEST(QuantityDiscountAllUnits, WithoutInterestTheBreakPointIsStillRecosted) {
    struct Row {
        QuantityDiscountInputs in;
        bool accepted;
        const char* quantity;
        const char* total;
    };
    auto example = [](double breakPoint) {
        auto in = exampleInputs(breakPoint);
        in.interestPercent = 0;
        return in;
    };
    const Row rows[] = {
        {example(1000), true, " 1000", "175.00"},
        {example(5000), false, " 775", "177.46"},
        // 22 units at the discount price were shown as 70574.87; they cost 96308.95.
        {{140.97, 675.35, 492.8, 201.8, 85.381, 50.71, 0, TimeUnit::Year}, true, " 202", "74646.30"},
    };
    for (const Row& row : rows) {
        const auto r = calculate(DiscountKind::AllUnits, row.in);
        EXPECT_TRUE(r.recostedAtBreakPoint) << row.quantity;
        EXPECT_EQ(r.accepted, row.accepted) << row.quantity;
        EXPECT_EQ(roundedText(r.orderQuantity), row.quantity);
        EXPECT_EQ(amount(r.totalCost), row.total);
    }
}

// What ordering q units at a time costs, every unit priced by the order's size.
double costOfOrdering(const QuantityDiscountInputs& in, double q) {
    const double price = q >= in.breakPoint ? in.discountPrice : in.price;
    return in.demand * price + in.orderingCost * in.demand / q +
           (in.holdingCost + in.interestPercent / 100 * price) * q / 2;
}

// Random offers, a third of them without interest: the policy shown is the
// cheapest one (the regular EOQ below the break point, or the discount's EOQ
// raised to the break point) and its total is what it costs.
TEST(QuantityDiscountAllUnits, RandomOffersShowTheCheapestPolicyAtItsCost) {
    std::mt19937 random(41);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    for (int i = 0; i < 400; ++i) {
        QuantityDiscountInputs in{draw(1, 1000),
                                  draw(1, 1000),
                                  0,
                                  draw(1, 1000),
                                  draw(1, 500),
                                  draw(0.1, 100),
                                  i % 3 == 0 ? 0.0 : draw(0, 30)};
        in.discountPrice = in.price * draw(0.5, 0.99);
        auto eoq = [&in](double price) {
            return std::sqrt(2 * in.orderingCost * in.demand / (in.holdingCost + in.interestPercent / 100 * price));
        };
        double best = costOfOrdering(in, std::max(eoq(in.discountPrice), in.breakPoint));
        if (eoq(in.price) < in.breakPoint) best = std::min(best, costOfOrdering(in, eoq(in.price)));
        const auto r = calculate(DiscountKind::AllUnits, in);
        EXPECT_NEAR(r.totalCost, costOfOrdering(in, r.orderQuantity), 1e-9 * best) << i;
        EXPECT_NEAR(r.totalCost, best, 1e-9 * best) << i;
    }
}

TEST(QuantityDiscountFaults, CalculatorFaultStopsTheCalculation) {
    for (auto kind : {DiscountKind::Incremental, DiscountKind::AllUnits}) {
        auto in = exampleInputs();
        in.demand = 0;
        EXPECT_EQ(faultOf(kind, in), "Invalid procedure call or argument");

        in = exampleInputs();
        in.holdingCost = 0;
        in.interestPercent = 0;
        EXPECT_EQ(faultOf(kind, in), "Division by zero");
    }
}

TEST(QuantityDiscountChecks, IncrementalOrder) {
    const auto k = DiscountKind::Incremental;
    auto texts = exampleTexts();
    EXPECT_EQ(check(k, texts), std::nullopt);

    texts[DiscountField::Price] = "";
    EXPECT_EQ(check(k, texts), (CheckMessage{"Please enter Price.", "Missing Input", MessageIcon::Exclamation,
                                             f(DiscountField::Price)}));
    texts[DiscountField::Item] = "";
    EXPECT_EQ(check(k, texts)->text, "Please enter a name for this item.");

    texts = exampleTexts();
    texts[DiscountField::DiscountPrice] = "x";
    EXPECT_EQ(check(k, texts), (CheckMessage{"Please enter Discount Price.", "", MessageIcon::Information,
                                             f(DiscountField::DiscountPrice)}));
    texts[DiscountField::DiscountPrice] = "1";
    EXPECT_EQ(check(k, texts), (CheckMessage{"The Discount Price cannnot be larger or equal to the Price.", "",
                                             MessageIcon::Information, f(DiscountField::DiscountPrice)}));
    texts = exampleTexts();
    texts[DiscountField::BreakPoint] = "5 00";
    EXPECT_EQ(check(k, texts)->field, f(DiscountField::BreakPoint));
    texts = exampleTexts();
    texts[DiscountField::Interest] = "";
    EXPECT_EQ(check(k, texts), (CheckMessage{"Please enter Intertest rate.", "Missing Input", MessageIcon::Exclamation,
                                             f(DiscountField::Interest)}));
}

TEST(QuantityDiscountChecks, AllUnitsOrder) {
    const auto k = DiscountKind::AllUnits;
    auto texts = exampleTexts();
    EXPECT_EQ(check(k, texts), std::nullopt);

    // An empty price leads with 0, which is not above the discount price.
    texts[DiscountField::Price] = "";
    EXPECT_EQ(check(k, texts)->text, "The Discount Price cannnot be larger or equal to the Price.");
    // A price that is not a number but leads with a higher one is caught later.
    texts[DiscountField::Price] = "2x";
    EXPECT_EQ(check(k, texts), (CheckMessage{"Please enter Price.", "Missing Input", MessageIcon::Exclamation,
                                             f(DiscountField::Price)}));
    texts[DiscountField::BreakPoint] = "";
    EXPECT_EQ(check(k, texts)->text, "Please enter Break Point.");
    texts = exampleTexts();
    texts[DiscountField::HoldingCost] = "";
    EXPECT_EQ(check(k, texts)->text, "Please enter Holding Cost.");
    texts[DiscountField::Interest] = "";
    texts[DiscountField::OrderingCost] = "";
    EXPECT_EQ(check(k, texts)->text, "Please enter Ordering Cost.");
    texts = exampleTexts();
    texts[DiscountField::Interest] = "ten";
    EXPECT_EQ(check(k, texts)->text, "Please enter Interest rate.");
}
