// The s_S_Policy class: its cost properties and POLINT, Neville's polynomial
// interpolation with its two errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "StochasticTestSupport.h"
#include "core/RuntimeError.h"
#include "core/stochastic/SsPolicy.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;

namespace {

constexpr double kUntouched = -99.0;

struct PolintCase {
    const char* name;
    std::vector<double> xa, ya;
    int n;
    double x;
    double y;   // expected value
    double dy;  // expected last correction; kUntouched: left alone
};
void PrintTo(const PolintCase& c, std::ostream* os) { *os << c.name; }

class PolintTest : public ::testing::TestWithParam<PolintCase> {};

TEST_P(PolintTest, InterpolatesThroughThePoints) {
    const PolintCase& c = GetParam();
    double y = kUntouched, dy = kUntouched;
    SsPolicy().POLINT(c.xa, c.ya, static_cast<std::int16_t>(c.n), c.x, y, dy);
    EXPECT_NEARLY_EQUAL(y, c.y);
    if (c.dy == kUntouched) {
        EXPECT_EQ(dy, kUntouched);
    } else {
        EXPECT_NEAR(dy, c.dy, 1e-12);
    }
}

const PolintCase kPolintCases[] = {
    {"OnePointGivesItsValueAndLeavesTheCorrection", {2}, {7}, 1, 5.0, 7, kUntouched},
    {"LineThroughTwoPoints", {0, 1}, {1, 3}, 2, 0.25, 1.5, 0.5},
    {"LineThroughThreePointsHasNoLastCorrection", {0, 1, 2}, {1, 3, 5}, 3, 7.5, 16, 0},
    {"LineThroughTenPoints", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, 10, 4.5, 10, 0},
    {"ParabolaThroughThreePointsIsExact", {-1, 0, 2}, {1, 0, 4}, 3, 1.5, 2.25, -0.75},
    {"OnlyTheFirstNPointsCount", {0, 1, 2}, {1, 3, 100}, 2, 0.5, 2, 1},
    {"AtAnAbscissaGivesItsOrdinate", {0, 1, 2, 4}, {3, 1, 4, 1}, 4, 2, 4, 0},
};

INSTANTIATE_TEST_SUITE_P(Points, PolintTest, ::testing::ValuesIn(kPolintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Polint, EqualAbscissaeDivideByZeroAfterTheNearestValue) {
    const std::vector<double> xa{0, 1, 1}, ya{2, 3, 4};
    double y = kUntouched, dy = kUntouched;
    try {
        polint(xa, ya, 3, 0.9, y, dy);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::DivisionByZero);
        EXPECT_EQ(e.description(), "Division by zero");
    }
    EXPECT_EQ(y, 3);  // the nearest point's value, written before the failing step
    EXPECT_EQ(dy, kUntouched);
}

TEST(Polint, MoreThanTenPointsAreOutOfRange) {
    std::vector<double> xa(11), ya(11);
    for (int i = 0; i < 11; ++i) {
        xa[i] = i;
        ya[i] = 2 * i;
    }
    double y = kUntouched, dy = kUntouched;
    try {
        polint(xa, ya, 11, 3.5, y, dy);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), kSubscriptOutOfRange);
        EXPECT_EQ(e.description(), "Subscript out of range");
    }
    EXPECT_EQ(y, kUntouched);
    EXPECT_EQ(dy, kUntouched);
    EXPECT_THROW(polint(std::vector<double>{1, 2}, std::vector<double>{1, 2}, 3, 1.5, y, dy), RuntimeError);
    EXPECT_THROW(polint(std::vector<double>{}, std::vector<double>{}, 0, 1.5, y, dy), RuntimeError);
}

TEST(SsPolicy, StoresItsFourCosts) {
    SsPolicy policy;
    EXPECT_EQ(policy.itemCost() + policy.orderingCost() + policy.holdingCost() + policy.shortageCost(), 0);
    policy.setItemCost(14000);
    policy.setOrderingCost(5000);
    policy.setHoldingCost(60);
    policy.setShortageCost(16000);
    EXPECT_EQ(policy.itemCost(), 14000);
    EXPECT_EQ(policy.orderingCost(), 5000);
    EXPECT_EQ(policy.holdingCost(), 60);
    EXPECT_EQ(policy.shortageCost(), 16000);
}

}  // namespace
