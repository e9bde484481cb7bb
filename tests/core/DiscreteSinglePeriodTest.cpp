// The discrete single-period and (s,S) window's calculation without the
// window: its checks, S by the critical ratio, the cost split and the
// reorder-point search over the table taken in ascending order of demand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "StochasticTestSupport.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/stochastic/DiscreteSinglePeriod.h"

using tervalo::core::CheckMessage;
using tervalo::core::field;
using tervalo::core::MessageIcon;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;
using tervalo::test::messageOf;
using tervalo::test::pieSlices;
using tervalo::test::resultOf;

namespace {

using F = DiscreteField;
using Strings = std::vector<std::string>;

const std::vector<DemandRow> kBoats{{0, 0.1}, {1, 0.2}, {2, 0.2}, {3, 0.2}, {4, 0.2}, {5, 0.1}};
const std::vector<DemandRow> kNegativeRow{{0, 0.5}, {1, -0.5}};

// The demonstration's boxes: the sixth row still in the editor, the boat's costs.
DiscreteTexts boatTexts(const char* setup = "") {
    DiscreteTexts t;
    t[F::Item] = "Boat";
    t[F::Demand] = "5";
    t[F::Probability] = "0.1";
    t[F::Price] = "30000";
    t[F::HoldingCost] = "10000";
    t[F::ShortageCost] = "60000";
    t[F::SetupCost] = setup;
    return t;
}

std::vector<DemandRow> reversed(std::vector<DemandRow> rows) {
    std::reverse(rows.begin(), rows.end());
    return rows;
}

// --- worked examples ---

struct DiscreteCase {
    const char* name;
    Problem problem;
    std::vector<DemandRow> rows;
    const char* setup;
    const char* s2;
    std::optional<std::string> s1;
    bool noSolution;
};
void PrintTo(const DiscreteCase& c, std::ostream* os) { *os << c.name; }

const Strings kBoatAmounts{"60000.00", "54000.00", "4000.00", "118000.00"};
const Strings kBoatShares{"50.85", "45.76", "3.39", "100.00"};

class DiscreteExampleTest : public ::testing::TestWithParam<DiscreteCase> {};

TEST_P(DiscreteExampleTest, BoatDemonstration) {
    const DiscreteCase& c = GetParam();
    const DiscreteTexts t = boatTexts(c.setup);
    ASSERT_EQ(checkDiscrete(c.rows, t), std::nullopt);
    const DiscreteResult r = resultOf(computeDiscrete(c.problem, c.rows, t));
    EXPECT_EQ(r.orderUpToText, c.s2);
    EXPECT_EQ(r.sRow, 3u);
    EXPECT_EQ(r.costs.amountTexts(), kBoatAmounts);
    EXPECT_EQ(r.costs.shareTexts(), kBoatShares);
    EXPECT_EQ(pieSlices(r.costs.shareTexts()), (std::vector<int>{51, 46, 3}));
    EXPECT_EQ(r.reorderPointText, c.s1);
    if (c.problem == Problem::SsPolicy && !c.noSolution) {
        // By enumeration: the smallest demand up to S whose G is within K of G(S).
        auto g = [](double y) {
            double cost = 30000 * y;
            for (const DemandRow& row : kBoats)
                cost += row.probability * (row.demand <= y ? 10000 * (y - row.demand) : 60000 * (row.demand - y));
            return cost;
        };
        double s = 2;
        for (double y = 1; y >= 0; --y)
            if (g(y) <= tervalo::core::leadingNumber(c.setup) + g(2)) s = y;
        EXPECT_EQ(r.reorderPointText, tervalo::core::textWithLeadingBlank(s));
    }
    if (c.noSolution) {
        EXPECT_EQ(r.reorderNotice,
                  (CheckMessage{"No solution in this case.", "No Solution", MessageIcon::Exclamation, -1}));
        EXPECT_EQ(discreteBeep(*r.reorderNotice), Beep::None);
    } else {
        EXPECT_EQ(r.reorderNotice, std::nullopt);
    }
}

const DiscreteCase kDiscreteCases[] = {
    {"ChristmasTree", Problem::SinglePeriod, kBoats, "", " 2", std::nullopt, false},
    // s is the smallest demand with G(s) <= K + G(S): S itself without an order cost.
    {"SsPolicyWithoutSetupCost", Problem::SsPolicy, kBoats, "", " 2", " 2", false},
    {"SsPolicyWithSetupCost", Problem::SsPolicy, kBoats, "50000", " 2", " 0", false},
    {"SsPolicyWithSetupCostAMillion", Problem::SsPolicy, kBoats, "1000000", " 2", " 0", false},
    {"SsPolicyWithSetupCost20000", Problem::SsPolicy, kBoats, "20000", " 2", " 1", false},
    {"SsPolicyWithNegativeSetupCost", Problem::SsPolicy, kBoats, "-1", " 2", "no solution", true},
    {"TypedFromFiveDownToZero", Problem::SinglePeriod, reversed(kBoats), "", " 2", std::nullopt, false},
    {"SsPolicyTypedFromFiveDownToZero", Problem::SsPolicy, reversed(kBoats), "50000", " 2", " 0", false},
};

INSTANTIATE_TEST_SUITE_P(Boats, DiscreteExampleTest, ::testing::ValuesIn(kDiscreteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The costs straight from the rows as typed, for a table already in ascending order.
TEST(DiscreteResult, AscendingTableGivesBitIdenticalCosts) {
    const std::vector<DemandRow> rows{{10, 0.05}, {12, 0.15}, {13, 0.3}, {15, 0.25}, {18, 0.15}, {21, 0.1}};
    DiscreteTexts t = boatTexts();
    t[F::Price] = "7";
    t[F::HoldingCost] = "1.25";
    t[F::ShortageCost] = "19";
    const DiscreteResult r = resultOf(computeDiscrete(Problem::SinglePeriod, rows, t));
    const double ratio = (19 - 7) / (1.25 + 19);
    double cumulative = 0;
    std::size_t k = 0;
    while (!((cumulative += rows[k].probability) >= ratio))
        ++k;
    const double s = rows[k].demand;
    double leftover = 0, shortfall = 0;
    for (std::size_t j = 0; j <= k; ++j)
        leftover += (s - rows[j].demand) * rows[j].probability;
    for (std::size_t j = k + 1; j < rows.size(); ++j)
        shortfall += (rows[j].demand - s) * rows[j].probability;
    EXPECT_EQ(r.ratio, ratio);
    EXPECT_EQ(r.orderUpTo, s);
    EXPECT_EQ(r.costs.amounts, (std::vector<double>{7 * s, 19 * shortfall, 1.25 * leftover,
                                                    (7 * s + 19 * shortfall) + 1.25 * leftover}));
    EXPECT_EQ(r.rows, rows);
}

TEST(DiscreteResult, SInTheFirstRowIsTheReorderPoint) {
    // A ratio below the first row's probability puts S on the smallest demand.
    DiscreteTexts t = boatTexts("100000");
    t[F::HoldingCost] = "300000";
    const DiscreteResult r = resultOf(computeDiscrete(Problem::SsPolicy, kBoats, t));
    EXPECT_EQ(r.sRow, 1u);
    EXPECT_EQ(r.orderUpToText, " 0");
    EXPECT_EQ(r.reorderPointText, " 0");
    EXPECT_EQ(r.reorderNotice, std::nullopt);
}

TEST(DiscreteResult, TableEndingBelowTheRatioHasNoS) {
    const std::vector<DemandRow> rows{{0, 0.3}, {1, 0.3}, {2, 0.3}};  // ends at 0.9
    DiscreteTexts t = boatTexts();
    t[F::Price] = "5";
    t[F::HoldingCost] = "0";
    t[F::ShortageCost] = "100";  // R = 0.95
    EXPECT_EQ(messageOf(computeDiscrete(Problem::SinglePeriod, rows, t)),
              (CheckMessage{"No solution in this case. Please check your data to see if there is anything unreasonable",
                            "Error Message", MessageIcon::Exclamation, -1}));
}

TEST(DiscreteResult, ZeroTotalIsARunTimeError) {
    DiscreteTexts t = boatTexts();
    t[F::Price] = "0";
    t[F::HoldingCost] = "0";
    t[F::ShortageCost] = "5";
    const std::vector<DemandRow> rows{{0, 1.0}};
    EXPECT_THROW(computeDiscrete(Problem::SinglePeriod, rows, t), RuntimeError);
}

TEST(DiscreteResult, ExpectedCostOfALevel) {
    EXPECT_DOUBLE_EQ(discreteExpectedCost(kBoats, 30000, 10000, 60000, 1), 127000);
    EXPECT_DOUBLE_EQ(discreteExpectedCost(kBoats, 30000, 10000, 60000, 0), 150000);
    EXPECT_DOUBLE_EQ(discreteExpectedCost(kBoats, 30000, 10000, 60000, 2), 118000);
}

// --- checks ---

struct DiscreteCheckCase {
    const char* name;
    F box;
    const char* text;
    std::optional<CheckMessage> expected;
    std::vector<DemandRow> rows = kBoats;
};
void PrintTo(const DiscreteCheckCase& c, std::ostream* os) { *os << c.name; }

CheckMessage boxMessage(F f, const char* text) {
    return CheckMessage{text, "Error Message", MessageIcon::Exclamation, field(f)};
}

class DiscreteCheckTest : public ::testing::TestWithParam<DiscreteCheckCase> {};

TEST_P(DiscreteCheckTest, GivesTheFirstFailingMessage) {
    const DiscreteCheckCase& c = GetParam();
    DiscreteTexts t = boatTexts();
    t[c.box] = c.text;
    const auto message = checkDiscrete(c.rows, t);
    EXPECT_EQ(message, c.expected);
    if (message) {
        EXPECT_EQ(discreteBeep(*message), Beep::BeforeMessage);
    }
}

const DiscreteCheckCase kDiscreteChecks[] = {
    {"DemandBoxWithTheBlankNextLeft", F::Demand, " ", boxMessage(F::Demand, "Please enter the Demand.")},
    {"EmptyProbability", F::Probability, "", boxMessage(F::Probability, "Please enter the Probability.")},
    {"PriceNotANumber", F::Price, "1..2", boxMessage(F::Price, "Please enter the Purchase or Production Cost.")},
    {"EmptyHoldingCost", F::HoldingCost, "", boxMessage(F::HoldingCost, "Please enter the Holding Cost.")},
    {"EmptyShortageCost", F::ShortageCost, "",
     boxMessage(F::ShortageCost, "Please enter the Shortage Cost or Selling Price.")},
    {"SellingPriceEqualToCost", F::ShortageCost, "30000",
     CheckMessage{"Your selling price cannot be equal to purchase price. Please reenter these data.", "",
                  MessageIcon::Exclamation, field(F::Price)}},
    {"SellingPriceBelowCost", F::ShortageCost, "29999.99",
     CheckMessage{"Your selling price cannot be less than purchase price. Please reenter these data.", "",
                  MessageIcon::Exclamation, field(F::Price)}},
    {"HoldingPlusSellingPriceZero", F::HoldingCost, "-60000",
     CheckMessage{"Check your Holding cost and Selling Price. They might be unreasonable.", "Error Message",
                  MessageIcon::Exclamation, field(F::HoldingCost)}},
    // The boxes first, then the table's rows, then the costs.
    {"EmptyShortageCostBeforeARefusedRow", F::ShortageCost, "",
     boxMessage(F::ShortageCost, "Please enter the Shortage Cost or Selling Price."), kNegativeRow},
    {"RefusedRowBeforeTheSellingPrice", F::ShortageCost, "30000",
     CheckMessage{"The probability cannot be negative", "Error Message", MessageIcon::Exclamation, -1}, kNegativeRow},
    {"ItemIsNotTested", F::Item, "", std::nullopt},
    {"SetupCostIsNotTested", F::SetupCost, "abc", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Checks, DiscreteCheckTest, ::testing::ValuesIn(kDiscreteChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiscreteChecks, TableOrder) {
    const auto checks = discreteBoxChecks();
    ASSERT_EQ(checks.size(), 5u);
    const F order[] = {F::Demand, F::Probability, F::Price, F::HoldingCost, F::ShortageCost};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(checks[i].field, field(order[i]));
}

}  // namespace
