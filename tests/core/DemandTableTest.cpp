// The discrete demand table the row editor fills: cumulative probabilities,
// RunningTotal, the order the calculations take the rows in, and the editor's
// messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/stochastic/DemandTable.h"

using tervalo::core::CheckMessage;
using tervalo::core::MessageIcon;
using namespace tervalo::core::stochastic;

namespace {

const std::vector<DemandRow> kDemo{{0, 0.1}, {1, 0.2}, {2, 0.2}, {3, 0.2}, {4, 0.2}, {5, 0.1}};

TEST(DemandTable, DemonstrationSumsAreTheExactDoubles) {
    const std::vector<double> sums = cumulativeProbabilities(kDemo);
    const std::vector<double> expected{0.1, 0.30000000000000004, 0.5, 0.7, 0.8999999999999999, 0.9999999999999999};
    ASSERT_EQ(sums.size(), expected.size());
    for (std::size_t i = 0; i < sums.size(); ++i)
        EXPECT_EQ(sums[i], expected[i]) << "row " << i + 1;
    // Five rows stored by Next, the sixth still in the boxes.
    EXPECT_EQ(runningTotal(std::span(kDemo).first(5)), 0.8999999999999999);
    EXPECT_EQ(runningTotal({}), 0);
}

TEST(DemandTable, EditingAStoredRowChangesEveryLaterSum) {
    std::vector<DemandRow> rows{{0, 0.1}, {1, 0.2}, {2, 0.3}, {3, 0.1}};
    rows[1].probability = 0.3;
    const std::vector<double> sums = cumulativeProbabilities(rows);
    EXPECT_EQ(sums[1], 0.1 + 0.3);
    EXPECT_EQ(sums[3], ((0.1 + 0.3) + 0.3) + 0.1);
    EXPECT_EQ(runningTotal(rows), sums.back());
}

TEST(DemandTable, SortsByDemandKeepingTiesInTheirOrder) {
    const std::vector<DemandRow> typed{{5, 0.1}, {2, 0.2}, {4, 0.3}, {2, 0.15}, {0, 0.25}};
    EXPECT_EQ(sortedByDemand(typed), (std::vector<DemandRow>{{0, 0.25}, {2, 0.2}, {2, 0.15}, {4, 0.3}, {5, 0.1}}));
    EXPECT_EQ(sortedByDemand(kDemo), kDemo);
}

struct SumMessageCase {
    const char* name;
    std::vector<double> probabilities;
    std::optional<CheckMessage> expected;  // as the last probability is typed
    Beep beep;
    std::optional<CheckMessage> calculate;  // as Calculate reads the table
};
void PrintTo(const SumMessageCase& c, std::ostream* os) { *os << c.name; }

const CheckMessage kRemind{
    "The cumulative probability has already reached 1. If you still have the probability data to enter, your data "
    "will not be correct. If the input in this section is completed, please enter the costs and then calculate.",
    "Remind", MessageIcon::Exclamation, -1};
const CheckMessage kAboveOne{"The cumulative probability cannot be larger than 1", "Error Message",
                             MessageIcon::Exclamation, -1};
const CheckMessage kNegative{"The probability cannot be negative", "Error Message", MessageIcon::Exclamation, -1};

class CumulativeMessageTest : public ::testing::TestWithParam<SumMessageCase> {};

TEST_P(CumulativeMessageTest, RemindsAtOneAndRefusesAboveOrNegative) {
    const SumMessageCase& c = GetParam();
    std::vector<DemandRow> rows;
    for (double p : c.probabilities)
        rows.push_back({static_cast<double>(rows.size()), p});
    const auto message = probabilityMessage(rows.back().probability, cumulativeProbabilities(rows).back());
    EXPECT_EQ(message, c.expected);
    if (message) {
        EXPECT_EQ(cumulativeMessageBeep(*message), c.beep);
    }
    EXPECT_EQ(checkDemandTable(rows), c.calculate);
}

const SumMessageCase kSumMessages[] = {
    {"HalfAndHalfReachOneExactly", {0.5, 0.5}, kRemind, Beep::BeforeMessage, std::nullopt},
    {"DemonstrationStopsJustBelowOne", {0.1, 0.2, 0.2, 0.2, 0.2, 0.1}, std::nullopt, Beep::None, std::nullopt},
    {"HalfAndSevenTenthsAreAbove", {0.5, 0.7}, kAboveOne, Beep::None, kAboveOne},
    {"HalfAndThreeQuartersAreAbove", {0.5, 0.75}, kAboveOne, Beep::None, kAboveOne},
    {"BelowOneSaysNothing", {0.5, 0.25}, std::nullopt, Beep::None, std::nullopt},
    // 1.0000000000000002: the editor says so, Calculate takes the table.
    {"AboveOneByRoundingAlone", {0.2, 0.4, 0.3, 0.1}, kAboveOne, Beep::None, std::nullopt},
    {"NegativeIsRefused", {0.5, -0.25}, kNegative, Beep::None, kNegative},
    {"NegativeBringingTheSumBackToOne", {1.5, -0.5}, kNegative, Beep::None, kAboveOne},
    {"EarlierNegativeRow", {-0.5, 0.5}, std::nullopt, Beep::None, kNegative},
};

INSTANTIATE_TEST_SUITE_P(Sums, CumulativeMessageTest, ::testing::ValuesIn(kSumMessages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DemandTable, NextRefusesWithinATenThousandthOfOne) {
    EXPECT_EQ(nextRefusal(0.9999999999999999), kAboveOne);
    EXPECT_EQ(nextRefusal(1.0), kAboveOne);
    EXPECT_EQ(nextRefusal(0.99995), kAboveOne);
    EXPECT_EQ(nextRefusal(0.9998), std::nullopt);
    EXPECT_EQ(nextRefusal(0.8999999999999999), std::nullopt);
}

}  // namespace
