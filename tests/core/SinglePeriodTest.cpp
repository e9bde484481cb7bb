// The single-period and (s,S) calculation: uniform, normal and exponential
// demand through the value function and the SinglePeriodC object.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ExactNormalQuantile.h"
#include "StochasticTestSupport.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/stochastic/SinglePeriod.h"
#include "core/stochastic/SinglePeriodC.h"

using tervalo::core::CheckMessage;
using tervalo::core::ErrorCode;
using tervalo::core::formatNumber;
using tervalo::core::MessageIcon;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;

namespace {

constexpr double kMarker = -7.5;
const SinglePeriodOutputs kMarked{kMarker, kMarker, kMarker, kMarker, kMarker};
const double kNone = std::numeric_limits<double>::quiet_NaN();

std::string amount(double value) { return formatNumber(value, "#.00"); }

SinglePeriodInputs uniform(double a, double b, double c, double h, double p, double k, int problems) {
    SinglePeriodInputs in;
    in.models = 1;
    in.problems = problems;
    in.low = a;
    in.high = b;
    in.price = c;
    in.holding = h;
    in.shortage = p;
    in.orderCost = k;
    return in;
}

SinglePeriodInputs normal(double mean, double variance, double c, double h, double p, double k, int problems) {
    SinglePeriodInputs in;
    in.models = 2;
    in.problems = problems;
    in.mean = mean;
    in.variance = variance;
    in.price = c;
    in.holding = h;
    in.shortage = p;
    in.orderCost = k;
    return in;
}

SinglePeriodInputs skis(int problems = 2, double k = 0) { return normal(20, 25, 60, -40, 125, k, problems); }

// --- uniform demand ---

struct UniformCase {
    const char* name;
    SinglePeriodInputs in;
    double s2;  // expected S
    double s1;  // expected s; NaN: s keeps the marker (single period)
    const char* purchase;
    const char* holding;
    const char* shortage;
};
void PrintTo(const UniformCase& c, std::ostream* os) { *os << c.name; }

class UniformModelTest : public ::testing::TestWithParam<UniformCase> {};

TEST_P(UniformModelTest, ComputesSAndTheCostsInOrder) {
    const UniformCase& c = GetParam();
    SinglePeriodOutputs out = kMarked;
    ASSERT_EQ(computeSinglePeriod(c.in, out), std::nullopt);
    EXPECT_NEARLY_EQUAL_WITHIN(out.s2, c.s2, 1e-6);
    if (std::isnan(c.s1)) {
        EXPECT_EQ(out.s1, kMarker);
    } else {
        EXPECT_NEARLY_EQUAL_WITHIN(out.s1, c.s1, 1e-6);
    }
    EXPECT_EQ(amount(out.purchaseCost), c.purchase);
    EXPECT_EQ(amount(out.holdingCost), c.holding);
    EXPECT_EQ(amount(out.shortageCost), c.shortage);
    // The closed forms h (S - a)^2 / (2 (b - a)) and p (b - S)^2 / (2 (b - a)).
    const double a = std::fmin(c.in.low, c.in.high), b = std::fmax(c.in.low, c.in.high);
    EXPECT_NEARLY_EQUAL(out.holdingCost, c.in.holding * (out.s2 - a) * (out.s2 - a) / (2 * (b - a)));
    EXPECT_NEARLY_EQUAL(out.shortageCost, c.in.shortage * (b - out.s2) * (b - out.s2) / (2 * (b - a)));
    EXPECT_NEARLY_EQUAL(out.purchaseCost, c.in.price * out.s2);
    // Below a every unit is short: G(y) = p (a + b) / 2 - (p - c) y, and G(s) = K + G(S).
    if (out.s1 < a && out.s1 != kMarker) {
        EXPECT_NEARLY_EQUAL(c.in.shortage * (a + b) / 2 - (c.in.shortage - c.in.price) * out.s1,
                            c.in.orderCost + out.purchaseCost + out.holdingCost + out.shortageCost);
    }
}

const UniformCase kUniformCases[] = {
    {"ChristmasTree", uniform(500, 1000, 6, 0.5, 20, 0, 2), 500 + 500 * 14 / 20.5, kNone, "5048.78", "58.30", "502.68"},
    {"ChristmasTreeBoundsHighToLow", uniform(1000, 500, 6, 0.5, 20, 0, 2), 500 + 500 * 14 / 20.5, kNone, "5048.78",
     "58.30", "502.68"},
    // The smaller root 74.1679 lies below a = 75, where the cost is linear.
    {"CarDealer", uniform(75, 100, 14000, 60, 16000, 5000, 1), 78.1133250311, 74.0566665, "1093586.55", "11.63",
     "153288.49"},
    // s far below a: the linear branch (p m - K - G(S)) / (p - c).
    {"ReorderPointFarBelowA", uniform(983.8, 1110.6, 5.8, 2.27, 5.81, 3186.64, 1), 983.95693, -317680.1215, "5706.95",
     ".00", "367.44"},
    // K = 0: the discriminant is rounding noise around the double root, so s = S.
    {"ChristmasTreeAsSsPolicyWithoutOrderCost", uniform(500, 1000, 6, 0.5, 20, 0, 1), 500 + 500 * 14 / 20.5,
     500 + 500 * 14 / 20.5, "5048.78", "58.30", "502.68"},
    {"CarDealerWithoutOrderCost", uniform(75, 100, 14000, 60, 16000, 0, 1), 78.1133250311, 78.1133250311, "1093586.55",
     "11.63", "153288.49"},
    // Problems never set (0) is the (s,S) policy.
    {"ProblemsZeroIsTheSsPolicy", uniform(75, 100, 14000, 60, 16000, 5000, 0), 78.1133250311, 74.0566665, "1093586.55",
     "11.63", "153288.49"},
    // A ratio below 0 puts S under a, one above 1 over b; both stand as computed.
    {"PriceAboveShortageCostPutsSBelowA", uniform(500, 1000, 20, 0.5, 6, 0, 2), 500 - 500 * 14 / 6.5, kNone,
     "-11538.46", "579.88", "14920.12"},
    {"SalvageAbovePricePutsSAboveB", uniform(500, 1000, 6, -10, 20, 0, 2), 1200, kNone, "7200.00", "-4900.00",
     "800.00"},
    // A range of 0.261 at 611087: the costs keep their digits (the shortage cost was -5.24).
    {"NarrowRangeFarFromZero", uniform(611087, 611087.261, 1125.7, -31.517, 112326, 0, 2), 611087.2584568496, kNone,
     "687900926.84", "-4.03", "1.39"},
    // s in the shifted variable: the discriminant is no longer lost against B^2 (s was put on S).
    {"NarrowRangeReorderPointBelowA", uniform(872871, 872871.127, 297.47, 0.98762, 298.28, 127.13, 1),
     872871.0003437392, 872714.0495545856, "259652936.47", ".00", "18.84"},
};

INSTANTIATE_TEST_SUITE_P(Uniform, UniformModelTest, ::testing::ValuesIn(kUniformCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UniformReorderPoint, CarDealerRootsAre74And82) {
    const SinglePeriodInputs in = uniform(75, 100, 14000, 60, 16000, 5000, 1);
    SinglePeriodOutputs out;
    ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt);
    const auto roots = uniformReorderRoots(in, out);
    ASSERT_TRUE(roots);
    EXPECT_NEARLY_EQUAL(roots->a, 321.2);
    EXPECT_EQ(formatNumber(roots->smaller, "0.0000"), "74.1679");
    EXPECT_EQ(formatNumber(roots->larger, "0.0000"), "82.0588");
    EXPECT_EQ(formatNumber(out.s1, "0.0000"), "74.0567");                   // below a: the linear branch
    EXPECT_EQ(formatNumber(std::fabs(65.0 / 85), "0.000000"), "0.764706");  // the skis ratio, for the record below
}

TEST(UniformReorderPoint, ZeroOrderCostIsADoubleRootAtS) {
    for (double a : {0.0, 75.0, 500.0, 1234.5}) {
        const SinglePeriodInputs in = uniform(a, a * 2 + 10, 6, 0.5, 20, 0, 1);
        SinglePeriodOutputs out;
        ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt) << a;
        const auto roots = uniformReorderRoots(in, out);
        ASSERT_TRUE(roots) << a;
        EXPECT_EQ(roots->discriminant, 0) << a;
        EXPECT_EQ(roots->smaller, roots->larger) << a;
        EXPECT_NEARLY_EQUAL(out.s1, out.s2);
        EXPECT_EQ(tervalo::core::textWithLeadingBlank(tervalo::core::roundToInt32(out.s1)),
                  tervalo::core::textWithLeadingBlank(tervalo::core::roundToInt32(out.s2)));
    }
}

// Random ranges from 1e-7 of their level to as wide as it, far from 0 or near:
// S, its costs and s against their closed forms in long double (s on the line
// a + C / (p - c) where it falls below a).
TEST(UniformReorderPoint, NarrowAndWideRangesAgreeWithTheClosedForms) {
    std::mt19937 random(23);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    for (int i = 0; i < 400; ++i) {
        const double a = std::pow(10, draw(0, 7)), w = a * std::pow(10, draw(-7, 0)), c = draw(1, 100);
        const SinglePeriodInputs in =
            uniform(a, a + w, c, draw(0.1, 20), c + draw(0.1, 100), std::pow(10, draw(-2, 4)), 1);
        SinglePeriodOutputs out;
        ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt) << i;
        using Long = long double;
        const Long width = Long(in.high) - in.low, h = in.holding, p = in.shortage, k = in.orderCost;
        const Long ratio = (p - c) / (h + p), above = ratio * width, below = width - above;
        const Long holding = h * above * above / (2 * width), shortage = p * below * below / (2 * width);
        const Long drop = std::sqrt(2 * k * width / (h + p));
        const Long t = above >= drop ? above - drop : (p * width / 2 - k - c * above - holding - shortage) / (p - c);
        EXPECT_NEAR(out.s2 - a, double(above), 1e-9 * (a + w)) << i;
        EXPECT_NEAR(out.holdingCost, double(holding), 1e-6 * double(holding + shortage)) << i;
        EXPECT_NEAR(out.shortageCost, double(shortage), 1e-6 * double(holding + shortage)) << i;
        EXPECT_NEAR(out.s1 - a, double(t), 1e-6 * double(std::fabs(t) + width) + 1e-9 * a) << i;
    }
}

TEST(UniformReorderPoint, NegativeDiscriminantKeepsSAndReportsNoSolution) {
    // Only an order cost below 0 leaves the quadratic without a real root.
    SinglePeriodOutputs out = kMarked;
    const auto message = computeSinglePeriod(uniform(75, 100, 14000, 60, 16000, -10, 1), out);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text,
              "No solution for s-S Plicy in this case. It may be because that the difference between the lower and "
              "upper limit of demand is not large. This means that demand can be well predicted so that a "
              "deterministis model may be more appropriate.");
    EXPECT_EQ(message->title, "");
    EXPECT_EQ(message->icon, MessageIcon::Information);
    EXPECT_EQ(out.s1, kMarker);
    EXPECT_NEARLY_EQUAL_WITHIN(out.s2, 78.1133250311, 1e-9);
    EXPECT_EQ(amount(out.shortageCost), "153288.49");
}

struct UniformFaultCase {
    const char* name;
    SinglePeriodInputs in;
    CheckMessage message;
    SinglePeriodOutputs expected;  // kMarker where the run leaves an output alone
};
void PrintTo(const UniformFaultCase& c, std::ostream* os) { *os << c.name; }

class UniformFaultTest : public ::testing::TestWithParam<UniformFaultCase> {};

TEST_P(UniformFaultTest, EndsTheRunWithOneMessage) {
    const UniformFaultCase& c = GetParam();
    SinglePeriodOutputs out = kMarked;
    const auto message = computeSinglePeriod(c.in, out);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, c.message);
    EXPECT_EQ(out, c.expected);
}

const UniformFaultCase kUniformFaults[] = {
    // S = a and the purchase cost are written, the holding cost divides by zero and the run ends there.
    {"EqualBoundsSinglePeriod",
     uniform(500, 500, 6, 0.5, 20, 0, 2),
     {"Division by zero", "", MessageIcon::None, -1},
     {kMarker, 500, 3000, kMarker, kMarker}},
    {"EqualBoundsSsPolicyShowsOneMessage",
     uniform(500, 500, 6, 0.5, 20, 100, 1),
     {"Division by zero", "", MessageIcon::None, -1},
     {kMarker, 500, 3000, kMarker, kMarker}},
    // Every unit short costs no more than buying it: G never reaches K + G(S) below S.
    {"ShortageCostEqualToPrice",
     uniform(75, 100, 14000, 60, 14000, 5000, 1),
     {"No solution for s-S Plicy in this case. The shortage cost is not higher than the purchase price, so that "
      "ordering never pays and no reorder point can be found.",
      "", MessageIcon::Information, -1},
     {kMarker, 75, 1050000, 0, 175000}},
    {"HoldingPlusShortageZero",
     uniform(500, 1000, 6, -20, 20, 0, 2),
     {"Holding Cost plus Shortage Cost equals to zero, which is not reasonable. Please check your data.",
      "Error Message", MessageIcon::Information, -1},
     kMarked},
};

INSTANTIATE_TEST_SUITE_P(Uniform, UniformFaultTest, ::testing::ValuesIn(kUniformFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SinglePeriodModels, AnUnknownModelComputesNothing) {
    for (int models : {0, 4, -1, 32767}) {
        SinglePeriodInputs in = uniform(500, 1000, 6, 0.5, 20, 0, 1);
        in.models = models;
        SinglePeriodOutputs out = kMarked;
        EXPECT_EQ(computeSinglePeriod(in, out), std::nullopt);
        EXPECT_EQ(out, kMarked);
    }
}

// --- normal demand ---

TEST(NormalModel, SkisWorkedValues) {
    const auto steps = normalOrderUpTo(skis());
    ASSERT_TRUE(steps);
    EXPECT_EQ(formatNumber(steps->ratio, "0.000000"), "0.764706");
    EXPECT_EQ(formatNumber(steps->z, "0.000000"), "0.722279");
    EXPECT_EQ(formatNumber(steps->s2, "0.0000"), "23.6114");
    EXPECT_EQ(formatNumber(steps->expectedLeftover, "0.0000"), "4.2984");
    EXPECT_EQ(formatNumber(steps->expectedShortage, "0.00000"), "0.68623");
    EXPECT_EQ(steps->leftoverPasses, 16);
    EXPECT_EQ(steps->shortagePasses, 16);
    EXPECT_EQ(amount(steps->holdingCost), "-171.94");
    EXPECT_EQ(amount(steps->shortageCost), "85.78");
    EXPECT_EQ(amount(steps->purchaseCost), "1416.68");
    EXPECT_NEARLY_EQUAL(steps->target, steps->purchaseCost + steps->holdingCost + steps->shortageCost);

    SinglePeriodOutputs out = kMarked;
    ASSERT_EQ(computeSinglePeriod(skis(), out), std::nullopt);
    EXPECT_EQ(out,
              (SinglePeriodOutputs{kMarker, steps->s2, steps->purchaseCost, steps->holdingCost, steps->shortageCost}));
}

TEST(NormalModel, IntegralsAgreeWithTheClosedForms) {
    // E(S - D)+ and E(D - S)+ of a normal demand, with 6.2832 for 2 pi; the
    // shortage integral ends three deviations above S and leaves out 0.23 %.
    const auto steps = normalOrderUpTo(skis());
    ASSERT_TRUE(steps);
    const double t = (steps->s2 - 20) / 5;
    const double pdf = std::exp(-0.5 * t * t) / std::sqrt(2 * M_PI);
    const double scale = std::sqrt(2 * M_PI / 6.2832);
    const double leftover = 5 * (t * tervalo::test::normalCdf(t) + pdf) * scale;
    const double shortage = 5 * (pdf - t * (1 - tervalo::test::normalCdf(t))) * scale;
    EXPECT_NEAR(steps->expectedLeftover, leftover, 1e-3);
    EXPECT_NEAR(steps->expectedShortage, shortage * (1 - 0.0023), 1e-4);
}

// Random spreads from 0.5 % to 100 % of the mean and ratios over the table:
// S is mean + z sd, or 0 where that lies below 0; the expected leftover (from
// 0) and shortage (to max(S, mean) + 3 sd) are their closed forms to 1 %.
TEST(NormalModel, SweepOverSpreadsAndRatios) {
    using tervalo::test::normalCdf;
    std::mt19937 random(16);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    auto pdf = [](double t) { return std::exp(-t * t / 2) / std::sqrt(2 * M_PI); };
    for (int i = 0; i < 400; ++i) {
        const double mean = std::pow(10, draw(1, 4)), sd = mean * std::pow(10, draw(std::log10(0.005), 0));
        const double c = draw(0, 5), h = draw(0.1, 10), ratio = std::pow(10, draw(std::log10(0.0004), -0.001));
        const auto steps = normalOrderUpTo(normal(mean, sd * sd, c, h, (c + ratio * h) / (1 - ratio), 0, 2));
        ASSERT_TRUE(steps) << i;
        const double level = mean + tervalo::test::exactNormalQuantile(ratio) * sd;
        EXPECT_NEAR(steps->s2, std::fmax(0.0, level), 0.04 * sd) << i;
        EXPECT_GE(steps->s2, 0) << i;
        const double s = (steps->s2 - mean) / sd, l = -mean / sd, u = (std::fmax(steps->s2, mean) - mean) / sd + 3;
        const double leftover = sd * (s * (normalCdf(s) - normalCdf(l)) + pdf(s) - pdf(l));
        const double shortage = sd * (pdf(s) - pdf(u) - s * (normalCdf(u) - normalCdf(s)));
        EXPECT_NEAR(steps->expectedLeftover, leftover, 0.01 * leftover) << i;
        EXPECT_NEAR(steps->expectedShortage, shortage, 0.01 * shortage) << i;
    }
}

struct NormalCase {
    const char* name;
    SinglePeriodInputs in;
    double z;  // NaN: the table does not cover the ratio
};
void PrintTo(const NormalCase& c, std::ostream* os) { *os << c.name; }

class NormalRatioTest : public ::testing::TestWithParam<NormalCase> {};

TEST_P(NormalRatioTest, SetsSFromTheTableOrReportsUnreasonableCosts) {
    const NormalCase& c = GetParam();
    SinglePeriodOutputs out = kMarked;
    const auto message = computeSinglePeriod(c.in, out);
    if (std::isnan(c.z)) {
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text, "The costs you entered produced unreasonable result.Please check these data.");
        EXPECT_EQ(message->title, "Error Message");
        EXPECT_EQ(message->icon, MessageIcon::Exclamation);
        EXPECT_EQ(out, kMarked);
        return;
    }
    ASSERT_EQ(message, std::nullopt);
    EXPECT_NEARLY_EQUAL(out.s2, c.in.mean + c.z * std::sqrt(c.in.variance));
    EXPECT_EQ(out.s1, kMarker);  // single period: s stays
}

const NormalCase kNormalCases[] = {
    {"RatioOnARowTakesItsZ", normal(20, 25, 0, 1587, 8413, 0, 2), 1.0},
    {"RatioOnTheTopRow", normal(20, 25, 0, 3, 9997, 0, 2), 3.4},
    {"RatioAboveTheTopRow", normal(20, 25, 1, 0, 4000, 0, 2), kNone},
    {"NegativeRatio", normal(20, 25, 125, -40, 60, 0, 2), kNone},
    {"RatioOneHalfIsTheMean", normal(100, 2500, 50, 50, 150, 0, 2), 0.0},
    // 1 - R = 0.6667 lies between the rows of 0.4 and 0.5.
    {"RatioBelowOneHalfOrdersBelowTheMean", normal(100, 2500, 50, 50, 100, 0, 2),
     -(0.4 + 0.1 * ((1 - 50.0 / 150) - 0.6554) / (0.6915 - 0.6554))},
};

INSTANTIATE_TEST_SUITE_P(Normal, NormalRatioTest, ::testing::ValuesIn(kNormalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormalModel, RatioBelowOneHalfStillCountsTheDemandAboveTheMean) {
    // S below the mean: the shortage integral reaches three deviations above
    // the mean (from S itself it would stop at 2.57 deviations and leave out
    // three times as much). The tail beyond the mean's three deviations: 0.77 %.
    const auto steps = normalOrderUpTo(normal(100, 2500, 50, 50, 100, 0, 2));
    ASSERT_TRUE(steps);
    const double t = (steps->s2 - 100) / 50;
    const double shortage = 50 * (std::exp(-0.5 * t * t) / std::sqrt(2 * M_PI) - t * (1 - tervalo::test::normalCdf(t)));
    EXPECT_NEAR(steps->expectedShortage, shortage * (1 - 0.0077), 0.005);
}

struct NormalFaultCase {
    const char* name;
    SinglePeriodInputs in;
    ErrorCode code;
    SinglePeriodOutputs expected;
};
void PrintTo(const NormalFaultCase& c, std::ostream* os) { *os << c.name; }

class NormalFaultTest : public ::testing::TestWithParam<NormalFaultCase> {};

TEST_P(NormalFaultTest, RaisesToTheCallerWithEarlierOutputsWritten) {
    const NormalFaultCase& c = GetParam();
    SinglePeriodOutputs out = kMarked;
    try {
        computeSinglePeriod(c.in, out);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), c.code);
    }
    EXPECT_EQ(out, c.expected);
}

const NormalFaultCase kNormalFaults[] = {
    // S = mean is written; the density then divides by a deviation of 0.
    {"VarianceZero",
     normal(20, 0, 60, -40, 125, 0, 2),
     ErrorCode::DivisionByZero,
     {kMarker, 20 + 0.722279 * 0, kMarker, kMarker, kMarker}},
    {"NegativeVariance", normal(20, -25, 60, -40, 125, 0, 2), ErrorCode::InvalidCall, kMarked},
    {"HoldingPlusShortageZero", normal(20, 25, 60, -125, 125, 0, 2), ErrorCode::DivisionByZero, kMarked},
};

INSTANTIATE_TEST_SUITE_P(Normal, NormalFaultTest, ::testing::ValuesIn(kNormalFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// G(y) in closed form for normal demand (full tails, 2 pi).
double exactNormalCost(const SinglePeriodInputs& in, double y) {
    const double sd = std::sqrt(in.variance);
    const double t = (y - in.mean) / sd;
    const double pdf = std::exp(-0.5 * t * t) / std::sqrt(2 * M_PI);
    const double cdf = tervalo::test::normalCdf(t);
    return in.price * y + in.holding * sd * (t * cdf + pdf) + in.shortage * sd * (pdf - t * (1 - cdf));
}

TEST(NormalSsPolicy, ReorderPointCostsTheOrderCostMoreThanS) {
    for (double k : {20.0, 100.0, 300.0}) {
        const SinglePeriodInputs in = skis(1, k);
        SinglePeriodOutputs out = kMarked;
        ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt) << k;
        const auto steps = normalOrderUpTo(in);
        ASSERT_TRUE(steps);
        ASSERT_GT(out.s1, 1) << k;
        ASSERT_LT(out.s1, out.s2) << k;
        // A root of G(x) - K - G(S) to the bisection's width.
        const auto difference = normalCostDifference(in, steps->sd, steps->s2);
        EXPECT_NEAR(difference(out.s1), 0, 0.01) << k;
        EXPECT_NEAR(exactNormalCost(in, out.s1) - exactNormalCost(in, out.s2), k, 0.02) << k;
    }
}

TEST(NormalSsPolicy, ZeroOrderCostGivesSAndAHugeOneARootBelowZero) {
    SinglePeriodOutputs out = kMarked;
    ASSERT_EQ(computeSinglePeriod(skis(1, 0), out), std::nullopt);
    EXPECT_EQ(out.s1, out.s2);
    // Ordering never pays at a stock of 0 or more: below 0 G falls by p - c a unit.
    ASSERT_EQ(computeSinglePeriod(skis(1, 1e6), out), std::nullopt);
    EXPECT_LT(out.s1, 0);
    EXPECT_NEAR(exactNormalCost(skis(), out.s1), 1e6 + exactNormalCost(skis(), out.s2), 1);
}

// Random items, the order cost from a thousandth to ten times G(S), so that
// ordering sometimes never pays at 0 or more: G(s) = K + G(S) for G in closed
// form (the line c y + p (mean - y) below 0), to the integrals' tolerance.
TEST(NormalSsPolicy, ReorderPointSweep) {
    std::mt19937 random(29);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    for (int i = 0; i < 300; ++i) {
        const double mean = std::pow(10, draw(0, 5)), sd = mean * draw(0.01, 0.2), c = draw(1, 50);
        SinglePeriodInputs in = normal(mean, sd * sd, c, draw(0.1, 20), c + draw(1, 100), 0, 1);
        SinglePeriodOutputs out;
        ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt) << i;
        in.orderCost = exactNormalCost(in, out.s2) * std::pow(10, draw(-3, 1));
        ASSERT_EQ(computeSinglePeriod(in, out), std::nullopt) << i;
        const double target = in.orderCost + exactNormalCost(in, out.s2);
        EXPECT_LE(out.s1, out.s2) << i;
        EXPECT_NEAR(exactNormalCost(in, out.s1), target, 2e-4 * target) << i;
    }
}

// --- exponential demand ---

SinglePeriodInputs exponential(double mean, double c, double h, double p, double k, int problems) {
    SinglePeriodInputs in = normal(mean, 0, c, h, p, k, problems);
    in.models = 3;
    return in;
}

TEST(ExponentialModel, ClosedFormsOfSAndTheCosts) {
    SinglePeriodOutputs out = kMarked;
    ASSERT_EQ(computeSinglePeriod(exponential(20, 60, -40, 125, 0, 2), out), std::nullopt);
    const double s2 = -std::log(1 - 65.0 / 85) * 20;
    EXPECT_NEARLY_EQUAL(out.s2, s2);
    EXPECT_NEARLY_EQUAL(out.holdingCost, -40 * (s2 - (1 - std::exp(-s2 / 20)) * 20));
    EXPECT_NEARLY_EQUAL(out.shortageCost, 125 * std::exp(-s2 / 20) * 20);
    EXPECT_NEARLY_EQUAL(out.purchaseCost, 60 * s2);
    EXPECT_EQ(out.s1, kMarker);
}

TEST(ExponentialModel, ReorderPointIsTheRootOfTheCostDifference) {
    SinglePeriodOutputs out = kMarked;
    ASSERT_EQ(computeSinglePeriod(exponential(20, 60, -40, 125, 100, 1), out), std::nullopt);
    const double s2 = out.s2;
    auto f = [&](double x) { return 85 * (std::exp(-x / 20) - std::exp(-s2 / 20)) * 20 + 20 * (x - s2) - 100; };
    ASSERT_GT(out.s1, 1);
    ASSERT_LT(out.s1, s2);
    EXPECT_NEAR(out.s1, 16.2841, 1e-4);
    EXPECT_NEAR(f(out.s1), 0, 0.01);
}

struct ExponentialFaultCase {
    const char* name;
    SinglePeriodInputs in;
    CheckMessage message;
};
void PrintTo(const ExponentialFaultCase& c, std::ostream* os) { *os << c.name; }

class ExponentialFaultTest : public ::testing::TestWithParam<ExponentialFaultCase> {};

TEST_P(ExponentialFaultTest, NamesTheRoutineThatFailed) {
    const ExponentialFaultCase& c = GetParam();
    SinglePeriodOutputs out = kMarked;
    const auto message = computeSinglePeriod(c.in, out);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, c.message);
    EXPECT_EQ(out, kMarked);
}

const ExponentialFaultCase kExponentialFaults[] = {
    {"MeanZero",
     exponential(0, 60, -40, 125, 0, 2),
     {"The Mean canno be zero. Please check your data.", "Error Message", MessageIcon::Information, -1}},
    {"HoldingPlusShortageZero",
     exponential(20, 60, -125, 125, 0, 2),
     {"Division by zero in sub ExponentialModel.", "", MessageIcon::None, -1}},
    {"RatioAboveOne",
     exponential(20, 6, -10, 20, 0, 2),
     {"Invalid procedure call or argument in sub Exponential_s2.", "", MessageIcon::None, -1}},
};

INSTANTIATE_TEST_SUITE_P(Exponential, ExponentialFaultTest, ::testing::ValuesIn(kExponentialFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the calculation object ---

SinglePeriodC carDealerObject() {
    SinglePeriodC object;
    object.setModels(1);
    object.setProblems(1);
    object.setLowDemand(75);
    object.setHighDemand(100);
    object.setOrderOrSetupCost(5000);
    object.setPurchaseCost(14000);
    object.setHoldingCost(60);
    object.setShortageCost(16000);
    return object;
}

TEST(SinglePeriodC, EveryFieldStartsAtZero) {
    const SinglePeriodC object;
    EXPECT_EQ(object.models(), 0);
    EXPECT_EQ(object.problems(), 0);
    for (double value :
         {object.variance(), object.mean(), object.highDemand(), object.lowDemand(), object.s1(), object.s2(),
          object.periodPurchaseCost(), object.periodShortageCost(), object.periodHoldingCost(),
          object.orderOrSetupCost(), object.shortageCost(), object.purchaseCost(), object.holdingCost()})
        EXPECT_EQ(value, 0);
}

TEST(SinglePeriodC, CarDealerThroughTheProperties) {
    SinglePeriodC object = carDealerObject();
    EXPECT_EQ(object.run(), std::nullopt);
    EXPECT_EQ(formatNumber(object.s1(), "0.0000"), "74.0567");
    EXPECT_EQ(formatNumber(object.s2(), "0.0000"), "78.1133");
    EXPECT_EQ(amount(object.periodPurchaseCost()), "1093586.55");
}

TEST(SinglePeriodC, BoundsHighToLowAreSwappedInTheProperties) {
    SinglePeriodC object;
    object.setModels(1);
    object.setProblems(2);
    object.setLowDemand(1000);
    object.setHighDemand(500);
    object.setPurchaseCost(6);
    object.setHoldingCost(0.5);
    object.setShortageCost(20);
    EXPECT_EQ(object.run(), std::nullopt);
    EXPECT_EQ(object.lowDemand(), 500);
    EXPECT_EQ(object.highDemand(), 1000);
    EXPECT_EQ(amount(object.periodPurchaseCost()), "5048.78");
}

TEST(SinglePeriodC, RunAfterAFailedSsStepReportsTheEarlierReorderPoint) {
    SinglePeriodC object = carDealerObject();
    ASSERT_EQ(object.run(), std::nullopt);
    const double earlier = object.s1();
    object.setOrderOrSetupCost(-10);
    EXPECT_TRUE(object.run());
    EXPECT_EQ(object.s1(), earlier);
}

TEST(SinglePeriodC, ModelsAndProblemsAreSixteenBit) {
    SinglePeriodC object;
    object.setModels(2);
    object.setProblems(-32768);
    for (std::int32_t outside : {32768, -32769, 100000}) {
        EXPECT_THROW(object.setModels(outside), RuntimeError);
        EXPECT_THROW(object.setProblems(outside), RuntimeError);
    }
    EXPECT_EQ(object.models(), 2);
    EXPECT_EQ(object.problems(), -32768);
    object.setModels(32767);
    EXPECT_EQ(object.models(), 32767);
}

TEST(SinglePeriodC, NormalFailureKeepsTheOutputsAndUpdatesTheRatio) {
    SinglePeriodC object;
    object.setModels(2);
    object.setProblems(2);
    object.setMean(20);
    object.setVariance(25);
    object.setPurchaseCost(60);
    object.setHoldingCost(-40);
    object.setShortageCost(125);
    ASSERT_EQ(object.run(), std::nullopt);
    const double s2 = object.s2();
    object.setPurchaseCost(1);
    object.setHoldingCost(0);
    object.setShortageCost(4000);
    ASSERT_TRUE(object.run());
    EXPECT_EQ(object.s2(), s2);
    EXPECT_EQ(object.normalState().ratio, 3999.0 / 4000);
}

TEST(SinglePeriodC, LlybLeavesSAloneAndMovesItsOwnEnds) {
    SinglePeriodC object;
    object.setModels(2);
    object.setProblems(1);
    object.setMean(20);
    object.setVariance(25);
    object.setPurchaseCost(60);
    object.setHoldingCost(-40);
    object.setShortageCost(125);
    object.setOrderOrSetupCost(100);
    ASSERT_EQ(object.run(), std::nullopt);
    const double s = object.s1(), bigS = object.s2();
    double a1 = 0, a2 = bigS, xm = 0, fm = 0;
    object.llyb(a1, a2, 0.01, xm, fm);
    EXPECT_EQ(object.s2(), bigS);
    EXPECT_EQ(object.s1(), s);
    EXPECT_TRUE(a1 > 0 || a2 < bigS);
    EXPECT_NEAR(xm, s, 0.05);
    EXPECT_LT(fm, 1.0);
}

TEST(SinglePeriodC, LlybBeforeANormalRunIsARunTimeError) {
    const SinglePeriodC object = carDealerObject();
    double a1 = 0, a2 = 10, xm = 0, fm = 0;
    EXPECT_THROW(object.llyb(a1, a2, 0.01, xm, fm), RuntimeError);
}

}  // namespace
