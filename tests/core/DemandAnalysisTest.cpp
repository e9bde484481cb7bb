// The demand analysis: t critical values, the least-squares line with its
// test and prediction interval, and the texts and suggestion of one series.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/demand/DemandAnalysis.h"
#include "core/demand/Regression.h"
#include "support/Tolerance.h"

using namespace tervalo::core::demand;
using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;

namespace {

// ---- critical values ----------------------------------------------------------------

struct CritCase {
    int df;
    double alpha;
    int mode;
    double expected;
};
void PrintTo(const CritCase& c, std::ostream* os) {
    *os << "df " << c.df << ", alpha " << c.alpha << ", mode " << c.mode;
}

class TCriticalValueTest : public ::testing::TestWithParam<CritCase> {};

TEST_P(TCriticalValueTest, ReadsTheTablesAndInterpolates) {
    const CritCase& c = GetParam();
    EXPECT_NEARLY_EQUAL(TCriticalValue(c.df, c.alpha, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Levels, TCriticalValueTest,
                         ::testing::Values(CritCase{1, 0.05, 0, 12.706}, CritCase{4, 0.05, 0, 2.776},
                                           CritCase{30, 0.05, 0, 2.042}, CritCase{31, 0.05, 0, 2.0399},
                                           CritCase{35, 0.05, 0, 2.0315}, CritCase{40, 0.05, 0, 2.021},
                                           CritCase{45, 0.05, 0, 2.015}, CritCase{60, 0.05, 0, 2.0},
                                           CritCase{90, 0.05, 0, 1.99}, CritCase{119, 0.05, 0, 1.98 + 0.02 / 60},
                                           CritCase{120, 0.05, 0, 1.98}, CritCase{500, 0.05, 0, 1.98},
                                           CritCase{1, 0.1, 0, 6.314}, CritCase{4, 0.1, 0, 2.132},
                                           CritCase{40, 0.1, 0, 1.684}, CritCase{90, 0.1, 0, 1.6645},
                                           CritCase{120, 0.1, 0, 1.658}, CritCase{500, 0.1, 0, 1.658},
                                           // another level, another mode or no degrees of freedom: no critical value
                                           CritCase{10, 0.01, 0, 0}, CritCase{10, 0.05, 1, 0}, CritCase{0, 0.05, 0, 0}),
                         [](const auto& info) {
                             const CritCase& c = info.param;
                             return "Df" + std::to_string(c.df) + "Alpha" + std::to_string(std::lround(c.alpha * 100)) +
                                    "Mode" + std::to_string(c.mode);
                         });

TEST(TCriticalValueTest, NegativeDegreesAreOutsideTheTable) { EXPECT_THROW(TCriticalValue(-1, 0.05), RuntimeError); }

// ---- the fitted line ----------------------------------------------------------------

const std::vector<double> kTimes = {1, 2, 3, 4, 5, 6};

struct LineCase {
    const char* name;
    std::vector<double> y;
    double x0;
    double alpha;
    double a, b, se, t, tcrit, y0, err;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LinearRegressionTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinearRegressionTest, FitsTestsAndPredicts) {
    const LineCase& c = GetParam();
    const Regression r = LinearRegression(kTimes, c.y, c.x0, c.alpha);
    EXPECT_NEARLY_EQUAL(r.A, c.a);
    EXPECT_NEARLY_EQUAL(r.B, c.b);
    EXPECT_NEARLY_EQUAL(r.SE, c.se);
    EXPECT_NEARLY_EQUAL(r.T, c.t);
    EXPECT_NEARLY_EQUAL(r.TCrit, c.tcrit);
    EXPECT_NEARLY_EQUAL(r.Y0, c.y0);
    EXPECT_NEARLY_EQUAL(r.Err, c.err);
    ASSERT_EQ(r.YHat.size(), kTimes.size());
    EXPECT_NEARLY_EQUAL(r.YHat[0], c.a + c.b);
}

INSTANTIATE_TEST_SUITE_P(
    Series, LinearRegressionTest,
    ::testing::Values(LineCase{"RisingAtTheLastTime",
                               {10, 12, 15, 15, 18, 20},
                               6,
                               0.05,
                               8.2,
                               68.0 / 35,
                               0.6969320524371697,
                               11.6619037896906,
                               2.776,
                               19.857142857142858,
                               2.3882250101947533},
                      LineCase{"RisingOneAhead",
                               {10, 12, 15, 15, 18, 20},
                               7,
                               0.05,
                               8.2,
                               68.0 / 35,
                               0.6969320524371697,
                               11.6619037896906,
                               2.776,
                               21.8,
                               2.6432807090179935},
                      LineCase{"FallingKeepsItsSign",
                               {20, 18, 15, 15, 12, 10},
                               6,
                               0.05,
                               21.8,
                               -68.0 / 35,
                               0.6969320524371697,
                               -11.6619037896906,
                               2.776,
                               10.142857142857144,
                               2.3882250101947538},
                      LineCase{"BetweenTheLevelsAt010",
                               {10, 13, 11, 12, 16, 14},
                               6,
                               0.1,
                               9.666666666666666,
                               0.8571428571428571,
                               1.618347187425374,
                               2.215646837627989,
                               2.132,
                               14.809523809523808,
                               4.259162789140501},
                      LineCase{"ExactRisingLine", {5, 8, 11, 14, 17, 20}, 6, 0.05, 2, 3, 0, 10000, 2.776, 20, 0},
                      LineCase{"ExactFallingLine", {20, 17, 14, 11, 8, 5}, 6, 0.05, 23, -3, 0, -10000, 2.776, 5, 0},
                      LineCase{
                          "ConstantHistoryIsNoTrend", {15, 15, 15, 15, 15, 15}, 6, 0.05, 15, 0, 0, 0, 2.776, 15, 0},
                      LineCase{"NoPredictionTime",
                               {10, 12, 15, 15, 18, 20},
                               0,
                               0.05,
                               8.2,
                               68.0 / 35,
                               0.6969320524371697,
                               11.6619037896906,
                               2.776,
                               0,
                               0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinearRegressionTest, RefusesSeriesWithoutALine) {
    struct Case {
        std::vector<double> x, y;
        ErrorCode code;
    };
    for (const Case& c :
         {Case{{3, 3, 3, 3, 3, 3}, {1, 2, 3, 4, 5, 6}, ErrorCode::Overflow}, Case{{1}, {5}, ErrorCode::Overflow},
          Case{{1, 2}, {5, 7}, ErrorCode::InvalidCall}, Case{{1, 2, 3}, {5, 7}, ErrorCode::InvalidCall}}) {
        try {
            LinearRegression(c.x, c.y, 0, 0.05);
            ADD_FAILURE() << "no error for " << c.x.size() << " points";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), c.code) << c.x.size() << " points";
        }
    }
}

// ---- the analysis of one series -------------------------------------------------------

std::vector<DemandPoint> series(const std::vector<double>& times, const std::vector<double>& demands) {
    std::vector<DemandPoint> points;
    for (std::size_t i = 0; i < times.size(); ++i)
        points.push_back({times[i], demands[i]});
    return points;
}

struct AnalysisCase {
    const char* name;
    std::vector<double> times, demands;
    AnalysisOptions options;
    bool fitted;
    const char *x, *abx, *y, *error, *reg, *suggestion;
    double low, high;
};
void PrintTo(const AnalysisCase& c, std::ostream* os) { *os << c.name; }

class AnalyzeDemandTest : public ::testing::TestWithParam<AnalysisCase> {};

const char* const kRisingReg =
    "Reagression equation: Y = 8.2000+ 1.9429X, where Y is demand, and X is time.\r\n"
    "Linear relationship is significant, with t>2.78 at (1-0.05) confidence interval.";
const char* const kRisingSuggestion =
    "Inventory Model: Single Period/s-S Policy\r\n"
    "Demand Model: Normal Distribution with Mean=19.8571, and Variance=0.4857";

TEST_P(AnalyzeDemandTest, WritesTheTextsAndHandsOnTheBounds) {
    const AnalysisCase& c = GetParam();
    const auto analysis = analyzeDemand(series(c.times, c.demands), c.options);
    ASSERT_TRUE(analysis.has_value());
    EXPECT_EQ(analysis->regression.has_value(), c.fitted);
    EXPECT_EQ(analysis->bounds.low, c.low);
    EXPECT_EQ(analysis->bounds.high, c.high);
    if (!c.fitted) return;
    EXPECT_EQ(analysis->xText, c.x);
    EXPECT_EQ(analysis->texts.abx, c.abx);
    EXPECT_EQ(analysis->texts.y, c.y);
    EXPECT_EQ(analysis->texts.error, c.error);
    EXPECT_EQ(analysis->texts.reg, c.reg);
    EXPECT_EQ(analysis->suggestion, c.suggestion);
}

const std::vector<double> kSix = {1, 2, 3, 4, 5, 6};
const std::vector<double> kRising = {10, 12, 15, 15, 18, 20};

const char* const kNotSignificant =
    "Linear relationship is not significant, with t<2.78 at (1-0.05) confidence interval.";
const char* const kUniform = "Inventory Model: Single Period/s-S Policy\r\nDemand Model: Uniform Distribution between ";

std::string reg(const char* equation, const char* sentence = kNotSignificant) {
    return std::string("Reagression equation: Y = ") + equation + "X, where Y is demand, and X is time.\r\n" + sentence;
}

const std::string kFallingReg = reg("21.8000+ -1.9429");
const std::string k13Reg = reg("9.6667+ 0.8571");
const std::string kConstantReg = reg("15.0000+ 0.0000");
const std::string kSortedReg =
    reg("9.0000+ 1.0000", "Linear relationship is significant, with t>2.23 at (1-0.05) confidence interval.");
const std::string kZeroReg = reg("0.0000+ 0.0000");
const std::string kU1020 = std::string(kUniform) + "10 and 20";
const std::string kU1016 = std::string(kUniform) + "10 and 16";
const std::string kU1515 = std::string(kUniform) + "15 and 15";
const std::string kU00 = std::string(kUniform) + "0 and 0";
const char* const kNormalAt8 =
    "Inventory Model: Single Period/s-S Policy\r\nDemand Model: Normal Distribution with Mean=8.2000, and "
    "Variance=0.4857";
const char* const kNormalAt21 =
    "Inventory Model: Single Period/s-S Policy\r\nDemand Model: Normal Distribution with Mean=21.0000, and "
    "Variance=0.0000";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, AnalyzeDemandTest, ::testing::Values(
    AnalysisCase{"Rising", kSix, kRising, {}, true, "6.00", "Y = 8.2000 + 1.9429 x ", "19.8571",
                 "with error + or - 2.3882", kRisingReg, kRisingSuggestion, 10, 20},
    AnalysisCase{"Falling", kSix, {20, 18, 15, 15, 12, 10}, {}, true, "6.00", "Y = 21.8000 - 1.9429 x ", "10.1429",
                 "with error + or - 2.3882", kFallingReg.c_str(), kU1020.c_str(), 10, 20},
    AnalysisCase{"NotSignificantAt005", kSix, {10, 13, 11, 12, 16, 14}, {}, true, "6.00", "Y = 9.6667 + 0.8571 x ",
                 "14.8095", "with error + or - 5.5457", k13Reg.c_str(), kU1016.c_str(), 10, 16},
    AnalysisCase{"ConstantHistory", kSix, {15, 15, 15, 15, 15, 15}, {}, true, "6.00", "Y = 15.0000 + 0.0000 x ",
                 "15.0000", "with error + or - 0.0000", kConstantReg.c_str(), kU1515.c_str(), 15, 15},
    AnalysisCase{"WeekRulePredictsAtZero", kSix, kRising, {"0.05", true, "Week", 6}, true, "0.00",
                 "Y = 8.2000 + 1.9429 x ", "8.2000", "with error + or - 2.3882", kRisingReg, kNormalAt8, 10, 20},
    AnalysisCase{"MonthRulePredictsAtTheMonth", kSix, kRising, {"0.05", true, "Month", 6}, true, "6.00",
                 "Y = 8.2000 + 1.9429 x ", "19.8571", "with error + or - 2.3882", kRisingReg, kRisingSuggestion, 10, 20},
    AnalysisCase{"PeriodsSortAsNumbers", {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                 {19, 20, 21, 10, 11, 12, 13, 14, 15, 16, 17, 18}, {}, true, "12.00", "Y = 9.0000 + 1.0000 x ",
                 "21.0000", "with error + or - 0.0000", kSortedReg.c_str(), kNormalAt21, 10, 21},
    AnalysisCase{"FivePointsOnlyBounds", {1, 2, 3, 4, 5}, {7, 3, 9, 4, 5}, {}, false, "", "", "", "", "", "", 3, 9},
    AnalysisCase{"EqualPeriodsOnlyBounds", {2, 2, 2, 2, 2, 2}, {7, 3, 9, 4, 5, 6}, {}, false, "", "", "", "", "", "", 3, 9},
    AnalysisCase{"AllZeroDemands", kSix, {0, 0, 0, 0, 0, 0}, {}, true, "6.00", "Y = 0.0000 + 0.0000 x ", "0.0000",
                 "with error + or - 0.0000", kZeroReg.c_str(), kU00.c_str(), 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AnalyzeDemandTest, AnEmptySeriesHandsOnNothing) { EXPECT_FALSE(analyzeDemand({}, {}).has_value()); }

TEST(AnalyzeDemandTest, ALevelChangeRewritesTheSentenceInGeneralForm) {
    const auto analysis = analyzeDemand(series(kSix, {10, 13, 11, 12, 16, 14}), {});
    const Regression at10 = regressionAt(analysis->series, 6, "0.10");
    ASSERT_GT(at10.T, at10.TCrit);
    EXPECT_EQ(significanceNotice(at10.T, at10.TCrit), "Significant linear relationship. 2.21564683762799 > 2.132");
    const RegressionTexts texts = regressionTexts(at10, "6.00", "0.10", true, CritFormat::General);
    EXPECT_EQ(texts.error, "with error + or - 4.2592");
    EXPECT_EQ(texts.reg.substr(texts.reg.find("\r\n") + 2),
              "Linear relationship is significant, with t>2.132 at (1-0.10) confidence interval.");
    EXPECT_EQ(normalSuggestion(texts.y, at10.SE),
              "Inventory Model: Single Period/s-S Policy\r\n"
              "Demand Model: Normal Distribution with Mean=14.8095, and Variance=2.6190");
}

TEST(AnalyzeDemandTest, UniformSuggestionWritesTheZeroBeforeThePoint) {
    EXPECT_EQ(uniformSuggestion({0.25, 0.75}), std::string(kUniform) + "0.25 and 0.75");
}

TEST(PlainDecimalTextTest, WritesTheZeroBeforeThePoint) {
    const std::vector<std::pair<double, const char*>> cases = {
        {0.5, "0.5"}, {-0.5, "-0.5"}, {12, "12"}, {87.5, "87.5"}, {0, "0"}, {1e-5, "1E-05"}, {-1234.25, "-1234.25"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(tervalo::core::plainDecimalText(value), text) << value;
}

}  // namespace
