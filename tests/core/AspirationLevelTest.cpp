// The aspiration-level window's calculation without the window: tail
// probabilities, the marked row and the result text over the table taken in
// ascending order of demand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/stochastic/AspirationLevel.h"

using tervalo::core::CheckMessage;
using tervalo::core::MessageIcon;
using namespace tervalo::core::stochastic;

namespace {

const std::vector<DemandRow> kReserve{{0, 0.1}, {1, 0.2}, {2, 0.2}, {3, 0.2}, {4, 0.2}, {5, 0.1}};

std::string resultText(const char* level, const char* limit, const char* safety) {
    return std::string("When inventory level reaches ") + level + ", place an order to ensure stockout probability <" +
           limit + "\r\nThe average demand during the lead time is  2.5.\r\nThe safety stock level is " + safety + ".";
}

TEST(AspirationLevel, DemonstrationGrid) {
    const AspirationResult r = computeAspiration(kReserve, "0.05");
    const std::vector<AspirationGridRow> grid{
        {" 0", " .1", " .9"}, {" 1", " .2", " .7"}, {" 2", " .2", " .5"},
        {" 3", " .2", " .3"}, {" 4", " .2", " .1"}, {" 5", " .1", " 1.11022302462516E-16"},
    };
    EXPECT_EQ(r.grid, grid);
    EXPECT_EQ(r.mean, 2.5);
    EXPECT_EQ(r.tails[4], 0.10000000000000009);
    EXPECT_EQ(r.tails[3], 0.30000000000000004);
}

struct LimitCase {
    const char* name;
    std::vector<DemandRow> rows;
    const char* limit;
    std::optional<std::size_t> marked;
    std::string text;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class AspirationLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(AspirationLimitTest, MarksTheFirstRowWithinTheLimit) {
    const LimitCase& c = GetParam();
    const AspirationResult r = computeAspiration(c.rows, c.limit);
    EXPECT_EQ(r.markedRow, c.marked);
    EXPECT_EQ(r.resultText, c.text);
}

std::vector<DemandRow> reversed(std::vector<DemandRow> rows) {
    std::reverse(rows.begin(), rows.end());
    return rows;
}

const LimitCase kLimits[] = {
    {"FivePercentMarksRowSix", kReserve, "0.05", 6, resultText(" 5", "0.05", " 2.5")},
    // The fifth tail is 0.10000000000000009, just above 0.1.
    {"TenPercentStillMarksRowSix", kReserve, "0.1", 6, resultText(" 5", "0.1", " 2.5")},
    // The fourth tail is 0.30000000000000004, just above 0.3.
    {"ThirtyPercentMarksRowFive", kReserve, "0.3", 5, resultText(" 4", "0.3", " 1.5")},
    {"OneMarksTheFirstRow", kReserve, "1", 1, resultText(" 0", "1", "-2.5")},
    {"ZeroMarksNothing", kReserve, "0", std::nullopt, ""},
    {"EmptyLimitMarksNothing", kReserve, "", std::nullopt, ""},
    {"TypedFromFiveDownToZero", reversed(kReserve), "0.05", 6, resultText(" 5", "0.05", " 2.5")},
};

INSTANTIATE_TEST_SUITE_P(Limits, AspirationLimitTest, ::testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AspirationLevel, OneGridRowPerTableRowUpToAHundred) {
    std::vector<DemandRow> rows;
    for (int i = 0; i < 100; ++i)
        rows.push_back({static_cast<double>(i), 0.01});
    const AspirationResult r = computeAspiration(rows, "0.05");
    ASSERT_EQ(r.grid.size(), 100u);
    EXPECT_EQ(r.grid[99].demand, " 99");
    ASSERT_TRUE(r.markedRow);
    EXPECT_GT(*r.markedRow, 49u);  // beyond the old grid's 49 rows
    EXPECT_EQ(r.rows[*r.markedRow - 1].demand, static_cast<double>(*r.markedRow - 1));
    EXPECT_LE(r.tails[*r.markedRow - 1], 0.05);
    EXPECT_GT(r.tails[*r.markedRow - 2], 0.05);
}

TEST(AspirationLevel, StockoutProbabilityBox) {
    EXPECT_EQ(checkStockoutProbability(""), std::nullopt);
    EXPECT_EQ(checkStockoutProbability("0.05"), std::nullopt);
    EXPECT_EQ(checkStockoutProbability("1"), std::nullopt);
    EXPECT_EQ(checkStockoutProbability("abc"),
              (CheckMessage{"This field must be a number.", "Not a number", MessageIcon::Exclamation, -1}));
    EXPECT_EQ(checkStockoutProbability("1.01"),
              (CheckMessage{"The probability should be less than 1. Please reenter this parameter.", "Error Message",
                            MessageIcon::Information, -1}));
}

}  // namespace
