// The normal table, its inverse lookup, the density and the Romberg scheme
// that the single-period model and the (Q,r) iteration share.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "ExactNormalQuantile.h"
#include "StochasticTestSupport.h"
#include "core/RuntimeError.h"
#include "core/stochastic/NormalTable.h"
#include "core/stochastic/Romberg.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;
using tervalo::test::exactNormalQuantile;
using tervalo::test::normalCdf;

namespace {

// --- the table ---

TEST(NormalTable, RowOneIsTheDistributionAtZero) {
    EXPECT_EQ(kNormalTable.front().z, 0.0);
    EXPECT_EQ(kNormalTable.front().probability, 0.5);
}

TEST(NormalTable, RowsRiseByATenthAndHoldTheDistributionToFourDecimals) {
    for (std::size_t i = 0; i < kNormalTable.size(); ++i) {
        EXPECT_EQ(kNormalTable[i].z, static_cast<double>(i) / 10.0) << "row " << i + 1;
        EXPECT_NEAR(kNormalTable[i].probability, normalCdf(kNormalTable[i].z), 0.00005 + 1e-12) << "row " << i + 1;
        if (i > 0) {
            EXPECT_GT(kNormalTable[i].probability, kNormalTable[i - 1].probability) << "row " << i + 1;
        }
    }
    EXPECT_EQ(kNormalTable.back().z, 3.4);
    EXPECT_EQ(kNormalTable.back().probability, 0.9997);
}

// --- the inverse ---

struct InverseCase {
    const char* name;
    double ratio;
    std::optional<double> z;  // nullopt: the table does not cover the ratio
    double tolerance;         // 0: exactly
};
void PrintTo(const InverseCase& c, std::ostream* os) { *os << c.name; }

class NormInverseTest : public ::testing::TestWithParam<InverseCase> {};

TEST_P(NormInverseTest, LooksUpOrInterpolates) {
    const InverseCase& c = GetParam();
    const std::optional<double> z = normInverse(c.ratio);
    ASSERT_EQ(z.has_value(), c.z.has_value());
    if (!z) return;
    if (c.tolerance == 0) {
        EXPECT_EQ(*z, *c.z);
    } else {
        EXPECT_NEAR(*z, *c.z, c.tolerance);
    }
}

const InverseCase kInverseCases[] = {
    {"RowProbabilityGivesItsZ", 0.8413, 1.0, 0},
    {"TopRow", 0.9997, 3.4, 0},
    {"AboveTheTopRowFails", 0.99975, std::nullopt, 0},
    {"HalfIsZeroAsAnAnswer", 0.5, 0.0, 0},
    {"SkisRatioBetweenRowsEightAndNine", 65.0 / 85.0, 0.722279, 5e-7},
    {"JustAboveHalfInterpolatesFromZero", 0.5199, 0.05, 1e-12},
    {"BelowHalfTakesMinusZOfTheComplement", 0.1587, -1.0, 1e-12},
    {"LowestRatioIsMinusTheTopRow", 0.0003, -3.4, 0},
    {"BelowTheLowestFails", 0.00025, std::nullopt, 0},
    {"ZeroFails", 0.0, std::nullopt, 0},
    {"NegativeRatioFails", -0.2, std::nullopt, 0},
    {"OneFails", 1.0, std::nullopt, 0},
    {"NotANumberFails", std::nan(""), std::nullopt, 0},
};

INSTANTIATE_TEST_SUITE_P(Ratios, NormInverseTest, ::testing::ValuesIn(kInverseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormInverse, IsAntisymmetricAroundOneHalf) {
    for (double ratio = 0.5001; ratio <= 0.9997; ratio += 0.00037) {
        const auto up = normInverse(ratio);
        const auto down = normInverse(1.0 - ratio);
        ASSERT_TRUE(up && down) << ratio;
        EXPECT_NEAR(*down, -*up, 1e-9) << ratio;
    }
}

TEST(NormInverse, RisesWithTheRatio) {
    double last = -10;
    for (double ratio = 0.0003; ratio <= 0.9997; ratio += 0.0001) {
        const auto z = normInverse(ratio);
        ASSERT_TRUE(z) << ratio;
        EXPECT_GE(*z, last) << ratio;
        last = *z;
    }
}

TEST(ExactNormalQuantile, RoundTripsTheDistribution) {
    EXPECT_NEAR(exactNormalQuantile(0.975), 1.959963984540054, 1e-14);
    EXPECT_EQ(exactNormalQuantile(0.5), 0.0);
    for (double p : {1e-10, 0.0003, 0.02, 0.3, 0.5398, 0.8413, 0.9997, 1 - 1e-9})
        EXPECT_NEAR(normalCdf(exactNormalQuantile(p)), p, 1e-13 * std::max(p, 1e-3)) << p;
}

// The table's linear interpolation against the exact inverse: the widest gap
// lies at the ends of the range, where the top row's probability is itself
// rounded (the exact z at 0.9997 is 3.43161, the table's 3.4).
TEST(NormInverse, StaysWithinTheTablesKnownGapFromTheExactInverse) {
    const auto [gap, at] = tervalo::test::largestTableGap(normInverse, 1e-6);
    EXPECT_NEAR(gap, 0.0316144, 1e-6);
    EXPECT_TRUE(std::fabs(at - 0.9997) < 1e-9 || std::fabs(at - 0.0003) < 1e-9) << at;
    // Inside the central part of the range the table is close.
    const auto central = tervalo::test::largestTableGap(
        [](double r) -> std::optional<double> {
            if (r < 0.05 || r > 0.95) return std::nullopt;
            return normInverse(r);
        },
        1e-5);
    EXPECT_LT(central.first, 0.0025);
}

// --- the density ---

TEST(NormalDensity, UsesTheDesignedConstantForTwoPi) {
    EXPECT_NEARLY_EQUAL(normalDensity(20, 20, 5), 1.0 / (std::sqrt(6.2832) * 5));
    EXPECT_NEARLY_EQUAL(normalDensity(25, 20, 5), std::exp(-0.5) / (std::sqrt(6.2832) * 5));
    EXPECT_NEARLY_EQUAL(normalDensity(15, 20, 5), normalDensity(25, 20, 5));
}

TEST(NormalDensity, ZeroDeviationIsARunTimeError) {
    try {
        normalDensity(25, 20, 0);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::DivisionByZero);
    }
    EXPECT_THROW(normalDensity(20, 20, 0), RuntimeError);  // 0 / 0
}

// --- the Romberg scheme ---

// A function with no trend that never settles: its midpoint sums behave like
// a random sample.
double noise(double x) {
    const double s = std::sin(x * 12.9898 + 78.233) * 43758.5453;
    return s - std::floor(s);
}

struct RombergCase {
    const char* name;
    double (*f)(double);
    double a, b;
    RombergLimit limit;
    double value;  // NaN: not compared
    int passes;
};
void PrintTo(const RombergCase& c, std::ostream* os) { *os << c.name; }

class RombergTest : public ::testing::TestWithParam<RombergCase> {};

TEST_P(RombergTest, StopsInThePassExpected) {
    const RombergCase& c = GetParam();
    const RombergResult r = rombergIntegral(c.f, c.a, c.b, 0.0001, c.limit);
    EXPECT_EQ(r.passes, c.passes);
    if (!std::isnan(c.value)) {
        EXPECT_NEAR(r.value, c.value, 1e-9);
    }
}

const RombergCase kRombergCases[] = {
    // A cubic is exact from the first extrapolation on: the first test at n = 8 stops it.
    {"CubicStopsAtTheFirstTest", [](double x) { return x * x * x; }, 0, 2, RombergLimit::OverflowAfterLastPass, 4.0, 8},
    {"ReversedIntervalIsNegative", [](double x) { return x * x * x; }, 2, 0, RombergLimit::OverflowAfterLastPass, -4.0,
     8},
    {"LeftoverIntegralStopsAtTheLastPass", noise, 0, 1, RombergLimit::StopAtLastPass, std::nan(""), 16384},
    // A result below -1 is divided by itself, not by its magnitude: the first test stops it.
    {"ResultBelowMinusOneStopsAtTheFirstTest", [](double x) { return -10 - 5 * noise(x); }, 0, 1,
     RombergLimit::OverflowAfterLastPass, std::nan(""), 8},
};

INSTANTIATE_TEST_SUITE_P(Integrals, RombergTest, ::testing::ValuesIn(kRombergCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Romberg, UnlimitedSchemeOverflowsItsSixteenBitPassCount) {
    try {
        rombergIntegral(noise, 0, 1, 0.0001, RombergLimit::OverflowAfterLastPass);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
        EXPECT_EQ(e.description(), "Overflow");
    }
}

TEST(Romberg, IntegratesTheNormalDensityToItsMass) {
    auto density = [](double x) { return normalDensity(x, 0, 1); };
    const RombergResult r = rombergIntegral(density, -1, 1, 1e-8, RombergLimit::OverflowAfterLastPass);
    // 6.2832 for 2 pi scales the mass by sqrt(2 pi / 6.2832).
    EXPECT_NEAR(r.value, (normalCdf(1) - normalCdf(-1)) * std::sqrt(2 * M_PI / 6.2832), 1e-8);
}

}  // namespace
