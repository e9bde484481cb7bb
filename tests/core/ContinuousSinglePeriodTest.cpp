// The continuous single-period and (s,S) window's calculation without the
// window: its checks, the calculation object's inputs, the texts of S and s,
// the cost table and the saved row's codes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "StochasticTestSupport.h"
#include "core/RuntimeError.h"
#include "core/stochastic/ContinuousSinglePeriod.h"

using tervalo::core::CheckMessage;
using tervalo::core::field;
using tervalo::core::MessageIcon;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;
using tervalo::test::messageOf;
using tervalo::test::pieSlices;
using tervalo::test::resultOf;

namespace {

using F = ContinuousField;
using P = Problem;
using D = ContinuousDemand;
using Strings = std::vector<std::string>;

ContinuousTexts texts(std::initializer_list<std::pair<F, const char*>> values) {
    ContinuousTexts t;
    for (const auto& [f, text] : values)
        t[f] = text;
    return t;
}

ContinuousTexts christmasTree() { return continuousExample(P::SinglePeriod, D::Uniform); }

// --- worked examples ---

struct ExampleCase {
    const char* name;
    P problem;
    D demand;
    ContinuousTexts texts;
    const char* s2;
    const char* s1;
    Strings amounts;  // Purchase, Shortage, Holding, Total
    Strings shares;
    std::vector<int> slices;
    bool costNote;
    SsRowCodes codes;
    std::optional<std::string> pieFault = std::nullopt;  // why the pie cannot show the shares (then no slices)
};
void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

class ContinuousExampleTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ContinuousExampleTest, ShowsSsAndTheCostTable) {
    const ExampleCase& c = GetParam();
    ASSERT_EQ(checkContinuous(c.problem, c.demand, c.texts), std::nullopt);
    const ContinuousResult r = resultOf(computeContinuous(c.problem, c.demand, c.texts));
    EXPECT_EQ(r.orderUpToText, c.s2);
    EXPECT_EQ(r.reorderPointText, c.s1);
    EXPECT_EQ(r.costs.amountTexts(), c.amounts);
    EXPECT_EQ(r.costs.shareTexts(), c.shares);
    EXPECT_EQ(pieFault(r.costs, 3), c.pieFault);
    if (!c.pieFault) {
        EXPECT_EQ(pieSlices(r.costs.shareTexts()), c.slices);
    }
    if (c.costNote) {
        EXPECT_EQ(r.costNote, "Order/setup cost included in Purchase.");
    } else {
        EXPECT_EQ(r.costNote, std::nullopt);
    }
    EXPECT_EQ(r.codes, c.codes);
}

const ExampleCase kExamples[] = {
    {"ChristmasTree",
     P::SinglePeriod,
     D::Uniform,
     christmasTree(),
     " 841",
     " 0",
     {"5048.78", "502.68", "58.30", "5609.76"},
     {"90.00", "8.96", "1.04", "100.00"},
     {90, 9, 1},
     false,
     {2, 1, 7}},
    {"CarDealer",
     P::SsPolicy,
     D::Uniform,
     continuousExample(P::SsPolicy, D::Uniform),
     " 78",
     " 74",
     {"1098586.55", "153288.49", "11.63", "1251886.67"},
     {"87.75", "12.24", ".00", "100.00"},
     {88, 12, 0},
     true,
     {1, 1, 10}},
    {"Skis",
     P::SinglePeriod,
     D::Normal,
     continuousExample(P::SinglePeriod, D::Normal),
     " 24",
     " 0",
     {"1416.68", "85.78", "-171.94", "1330.52"},
     {"106.48", "6.45", "-12.92", "100.00"},
     {106, 6, -13},
     false,
     {2, 2, 8}},
    // Without an order cost the reorder point falls on S.
    {"ChristmasTreeAsSsPolicyWithoutOrderCost",
     P::SsPolicy,
     D::Uniform,
     texts({{F::LowDemand, "500"},
            {F::HighDemand, "1000"},
            {F::Item, "Christmas Tree"},
            {F::OrderingCost, "0"},
            {F::Price, "6.00"},
            {F::HoldingCost, "0.50"},
            {F::ShortageCost, "20"}}),
     " 841",
     " 841",
     {"5048.78", "502.68", "58.30", "5609.76"},
     {"90.00", "8.96", "1.04", "100.00"},
     {90, 9, 1},
     true,
     {1, 1, 10}},
    // clang-format off
    // A spread of 1 % of the mean: the leftover integral starts where the density is;
    // 9.54 is the closed form sd (z Phi(z) + phi(z)) at the table's z.
    {"NormalWithASmallSpread", P::SinglePeriod, D::Normal, texts({{F::Mean, "1000"}, {F::Variance, "100"},
     {F::Item, "Milk"}, {F::Price, "0"}, {F::HoldingCost, "1"}, {F::ShortageCost, "4"}}), " 1008", " 0",
     {".00", "4.45", "9.54", "13.99"}, {".00", "31.79", "68.21", "100.00"}, {0, 32, 68}, false, {2, 2, 8}},
    // A salvage value near the shortage cost: the Total is small, and the
    // holding share is beyond what the pie's whole percents hold.
    {"SalvageLeavesASmallTotal", P::SinglePeriod, D::Uniform, texts({{F::LowDemand, "0"}, {F::HighDemand, "100"},
     {F::Item, "Odd"}, {F::Price, "10"}, {F::HoldingCost, "-12.67"}, {F::ShortageCost, "13.7"}}), " 359", " 0",
     {"3592.23", "4602.98", "-8174.77", "20.44"}, {"17577.20", "22522.87", "-40000.07", "100.00"}, {}, false,
     {2, 1, 7}, "Overflow"},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Examples, ContinuousExampleTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

struct NormalLevelCase {
    const char* name;
    const char* shortage;
    const char* s2;
};
void PrintTo(const NormalLevelCase& c, std::ostream* os) { *os << c.name; }

class ContinuousNormalLevelTest : public ::testing::TestWithParam<NormalLevelCase> {};

// Mean 100, variance 2500, c 50, h 50: p 150 makes the ratio 0.5 (z = 0, S on
// the mean), p 100 makes it 1/3 (S below the mean).
TEST_P(ContinuousNormalLevelTest, OrdersUpToTheTablesLevel) {
    const NormalLevelCase& c = GetParam();
    const ContinuousTexts t = texts({{F::Mean, "100"},
                                     {F::Variance, "2500"},
                                     {F::Item, "Paper"},
                                     {F::Price, "50"},
                                     {F::HoldingCost, "50"},
                                     {F::ShortageCost, c.shortage}});
    ASSERT_EQ(checkContinuous(P::SinglePeriod, D::Normal, t), std::nullopt);
    EXPECT_EQ(resultOf(computeContinuous(P::SinglePeriod, D::Normal, t)).orderUpToText, c.s2);
}

const NormalLevelCase kNormalLevels[] = {
    {"RatioOneHalfOrdersTheMean", "150", " 100"},
    {"RatioOneThirdOrdersBelowTheMean", "100", " 78"},
};

INSTANTIATE_TEST_SUITE_P(Normal, ContinuousNormalLevelTest, ::testing::ValuesIn(kNormalLevels),
                         [](const auto& info) { return std::string(info.param.name); });

// --- checks ---

struct CheckCase {
    const char* name;
    P problem;
    D demand;
    ContinuousTexts texts;
    std::optional<CheckMessage> expected;
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

const CheckMessage kCheckingInput{"One of required input is either misssing or invalid. Check your data.",
                                  "Checking Input", MessageIcon::Exclamation, -1};

CheckMessage checkingInput(F f) {
    CheckMessage m = kCheckingInput;
    m.field = field(f);
    return m;
}

ContinuousTexts christmasTreeWith(F f, const char* text) {
    ContinuousTexts t = christmasTree();
    t[f] = text;
    return t;
}

class ContinuousCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ContinuousCheckTest, GivesTheFirstFailingMessage) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(checkContinuous(c.problem, c.demand, c.texts), c.expected);
}

const CheckCase kChecks[] = {
    {"PriceOneCentAboveShortageCost", P::SinglePeriod, D::Uniform,
     texts({{F::LowDemand, "500"},
            {F::HighDemand, "1000"},
            {F::Item, "Trees"},
            {F::Price, "20.01"},
            {F::HoldingCost, "0.5"},
            {F::ShortageCost, "20"}}),
     CheckMessage{"Shortage cost cannnot be less than price, which is nonsensical because it means that cost of "
                  "purchasing the item is higher than the penalty for not providing it.",
                  "Check costs", MessageIcon::Exclamation, field(F::ShortageCost)}},
    {"PriceEqualToShortageCostPasses", P::SinglePeriod, D::Uniform,
     texts({{F::LowDemand, "500"},
            {F::HighDemand, "1000"},
            {F::Item, "Trees"},
            {F::Price, "20"},
            {F::HoldingCost, "0.5"},
            {F::ShortageCost, "20"}}),
     std::nullopt},
    {"ShortagePlusHoldingZero", P::SinglePeriod, D::Uniform,
     texts({{F::LowDemand, "500"},
            {F::HighDemand, "1000"},
            {F::Item, "Trees"},
            {F::Price, "10"},
            {F::HoldingCost, "-20"},
            {F::ShortageCost, "20"}}),
     CheckMessage{"Check shortage cost and holding cost. Either or both may not be valid.", "Invalid cost",
                  MessageIcon::Exclamation, field(F::ShortageCost)}},
    {"EmptyItem", P::SinglePeriod, D::Uniform, christmasTreeWith(F::Item, ""), checkingInput(F::Item)},
    {"ItemOfLettersPasses", P::SinglePeriod, D::Uniform, christmasTreeWith(F::Item, "abc"), std::nullopt},
    {"PriceNotANumber", P::SinglePeriod, D::Uniform, christmasTreeWith(F::Price, "abc"), checkingInput(F::Price)},
    {"EmptyHighDemand", P::SinglePeriod, D::Uniform, christmasTreeWith(F::HighDemand, ""),
     checkingInput(F::HighDemand)},
    {"BoundsComeBeforeTheItem", P::SinglePeriod, D::Uniform,
     texts({{F::LowDemand, "x"}, {F::Price, "6"}, {F::HoldingCost, "1"}, {F::ShortageCost, "20"}}),
     checkingInput(F::LowDemand)},
    {"DisabledBoxesAreNotExamined", P::SinglePeriod, D::Uniform, christmasTreeWith(F::Mean, "abc"), std::nullopt},
    {"SinglePeriodIgnoresTheOrderCostBox", P::SinglePeriod, D::Uniform, christmasTreeWith(F::OrderingCost, "?"),
     std::nullopt},
    {"SsPolicyNeedsTheOrderCost", P::SsPolicy, D::Uniform, christmasTree(), checkingInput(F::OrderingCost)},
    {"NormalNeedsTheVariance", P::SinglePeriod, D::Normal,
     texts({{F::Mean, "20"},
            {F::Variance, " "},
            {F::Item, "Skis"},
            {F::Price, "60"},
            {F::HoldingCost, "-40"},
            {F::ShortageCost, "125"}}),
     checkingInput(F::Variance)},
    {"BoxChecksComeBeforeTheCostChecks", P::SinglePeriod, D::Uniform,
     texts({{F::LowDemand, "500"},
            {F::HighDemand, "1000"},
            {F::Price, "30"},
            {F::HoldingCost, "0.5"},
            {F::ShortageCost, "20"}}),
     checkingInput(F::Item)},
};

INSTANTIATE_TEST_SUITE_P(Checks, ContinuousCheckTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContinuousChecks, TablesFollowTheEnabledBoxes) {
    for (P problem : {P::SsPolicy, P::SinglePeriod}) {
        for (D demand : {D::Uniform, D::Normal}) {
            const auto checks = continuousChecks(problem, demand);
            ASSERT_FALSE(checks.empty());
            for (std::size_t i = 0; i + 1 < checks.size(); ++i)
                EXPECT_TRUE(isEnabled(static_cast<F>(checks[i].field), problem, demand));
            EXPECT_EQ(std::string(checks.back().title), "Check costs");
        }
    }
    EXPECT_EQ(continuousChecks(P::SsPolicy, D::Uniform).size(), 8u);     // 7 boxes and the cost check
    EXPECT_EQ(continuousChecks(P::SinglePeriod, D::Normal).size(), 7u);  // 6 boxes and the cost check
}

// --- inputs and faults ---

TEST(ContinuousInputs, DisabledBoxesReadZero) {
    ContinuousTexts t = christmasTree();
    t[F::OrderingCost] = "5000";  // left in the box when an (s,S) run was turned down
    t[F::Mean] = "20";
    const SinglePeriodInputs in = continuousInputs(P::SinglePeriod, D::Uniform, t);
    EXPECT_EQ(in.orderCost, 0);
    EXPECT_EQ(in.mean, 0);
    EXPECT_EQ(in.models, 1);
    EXPECT_EQ(in.problems, 2);
    EXPECT_EQ(in.low, 500);
    EXPECT_EQ(in.high, 1000);
    EXPECT_EQ(in.price, 6);
    EXPECT_EQ(in.holding, 0.5);
    EXPECT_EQ(in.shortage, 20);
    const ContinuousResult r = resultOf(computeContinuous(P::SinglePeriod, D::Uniform, t));
    EXPECT_EQ(r.costs.amountTexts()[0], "5048.78");
    EXPECT_EQ(continuousInputs(P::SsPolicy, D::Normal, t).problems, 1);
    EXPECT_EQ(continuousInputs(P::SsPolicy, D::Normal, t).models, 2);
}

TEST(ContinuousResult, EqualBoundsGiveOneMessageAndNoResult) {
    const ContinuousTexts t = texts({{F::LowDemand, "500"},
                                     {F::HighDemand, "500"},
                                     {F::Item, "Trees"},
                                     {F::OrderingCost, "10"},
                                     {F::Price, "6"},
                                     {F::HoldingCost, "0.5"},
                                     {F::ShortageCost, "20"}});
    EXPECT_EQ(messageOf(computeContinuous(P::SsPolicy, D::Uniform, t)),
              (CheckMessage{"Division by zero", "", MessageIcon::None, -1}));
}

TEST(ContinuousResult, ZeroTotalIsARunTimeError) {
    const ContinuousTexts t = texts({{F::LowDemand, "10"},
                                     {F::HighDemand, "20"},
                                     {F::Item, "Zero"},
                                     {F::Price, "0"},
                                     {F::HoldingCost, "0"},
                                     {F::ShortageCost, "5"}});
    ASSERT_EQ(checkContinuous(P::SinglePeriod, D::Uniform, t), std::nullopt);
    EXPECT_THROW(computeContinuous(P::SinglePeriod, D::Uniform, t), RuntimeError);
}

TEST(ContinuousResult, UncoveredNormalRatioIsTheClassMessage) {
    const ContinuousTexts t = texts({{F::Mean, "20"},
                                     {F::Variance, "25"},
                                     {F::Item, "Skis"},
                                     {F::Price, "1"},
                                     {F::HoldingCost, "0"},
                                     {F::ShortageCost, "4000"}});
    EXPECT_EQ(messageOf(computeContinuous(P::SinglePeriod, D::Normal, t)).text,
              "The costs you entered produced unreasonable result.Please check these data.");
}

TEST(ContinuousResult, ZeroVarianceIsARunTimeError) {
    ContinuousTexts t = continuousExample(P::SinglePeriod, D::Normal);
    t[F::Variance] = "0";
    EXPECT_THROW(computeContinuous(P::SinglePeriod, D::Normal, t), RuntimeError);
}

// --- options ---

TEST(ContinuousOptions, NormalDemandIsRefusedForTheSsPolicy) {
    const OptionRefusal onPolicy = refusalOnChoosingSsPolicy();
    const OptionRefusal onNormal = refusalOnChoosingNormal();
    const std::string text =
        "Currently, Normal Distribution Model is not available for s_S Policy. Quib can use Uniform Distribution "
        "Model instead.";
    EXPECT_EQ(onPolicy.message, (CheckMessage{text, "Normal Model not availalbe", MessageIcon::None, -1}));
    EXPECT_TRUE(onPolicy.okCancel);
    EXPECT_EQ(onNormal.message, (CheckMessage{text, "Normal Model not availalbe", MessageIcon::Information, -1}));
    EXPECT_FALSE(onNormal.okCancel);
}

TEST(ContinuousOptions, ExamplesFillTheirOptionsBoxes) {
    const ContinuousTexts cars = continuousExample(P::SsPolicy, D::Uniform);
    EXPECT_EQ(cars[F::Item], "Cars");
    EXPECT_EQ(cars[F::OrderingCost], "5000");
    EXPECT_EQ(cars[F::Mean], "");
    const ContinuousTexts trees = christmasTree();
    EXPECT_EQ(trees[F::Price], "6.00");
    EXPECT_EQ(trees[F::OrderingCost], "");
    const ContinuousTexts skis = continuousExample(P::SinglePeriod, D::Normal);
    EXPECT_EQ(skis[F::HoldingCost], "-40");
    EXPECT_EQ(skis[F::LowDemand], "");
    // The three examples fill only the boxes their options enable.
    for (auto [problem, demand] :
         {std::pair{P::SsPolicy, D::Uniform}, {P::SinglePeriod, D::Uniform}, {P::SinglePeriod, D::Normal}}) {
        for (int f = 0; f < static_cast<int>(F::Count); ++f) {
            const bool filled = !continuousExample(problem, demand)[static_cast<F>(f)].empty();
            EXPECT_EQ(filled, isEnabled(static_cast<F>(f), problem, demand)) << f;
        }
    }
}

}  // namespace
