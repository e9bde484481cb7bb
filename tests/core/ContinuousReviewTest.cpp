// The continuous-review (Q,r) window's calculation without the window: its
// checks in order, the annual demand, the iteration of Q and r and the costs.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ExactNormalQuantile.h"
#include "StochasticTestSupport.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/stochastic/ContinuousReview.h"
#include "core/stochastic/NormalTable.h"

using tervalo::core::CheckMessage;
using tervalo::core::ErrorCode;
using tervalo::core::field;
using tervalo::core::MessageIcon;
using tervalo::core::RuntimeError;
using namespace tervalo::core::stochastic;
using tervalo::test::messageOf;
using tervalo::test::resultOf;

namespace {

using F = ReviewField;
using Strings = std::vector<std::string>;

constexpr const char* kUnreasonable = "The costs you entered produced unreasonable result.Please check these data.";

// Lead-time demand uniform between 40 and 60, a lead time of 2 weeks.
ReviewTexts weeklyTexts(const char* low = "40", const char* high = "60") {
    ReviewTexts t;
    t[F::LeadTime] = "2";
    t[F::LowDemand] = low;
    t[F::HighDemand] = high;
    t[F::Price] = "5";
    t[F::HoldingCost] = "1";
    t[F::OrderingCost] = "100";
    t[F::ShortageCost] = "10";
    return t;
}

ReviewTexts normalTexts(const char* mean = "50", const char* variance = "100") {
    ReviewTexts t = weeklyTexts("", "");
    t[F::Mean] = mean;
    t[F::Variance] = variance;
    return t;
}

// --- worked example ---

struct ExampleCase {
    const char* name;
    ReviewTexts texts;
};
void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

class ReviewExampleTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ReviewExampleTest, SettlesInTwoPasses) {
    const ExampleCase& c = GetParam();
    ASSERT_EQ(checkReview(ReviewDemand::Uniform, c.texts), std::nullopt);
    const ReviewResult r = resultOf(computeReview(reviewInputs(ReviewDemand::Uniform, LeadTimeUnit::Week, c.texts)));
    EXPECT_NEARLY_EQUAL(r.annualDemand, 1272);
    EXPECT_EQ(r.passes, 2);
    EXPECT_EQ(tervalo::core::formatNumber(r.quantity, "0.00"), "504.78");
    EXPECT_EQ(tervalo::core::formatNumber(r.reorderPoint, "0.000"), "59.206");
    EXPECT_EQ(r.quantityText, " 505");
    EXPECT_EQ(r.reorderText, " 59");
    EXPECT_EQ(r.costs.amountTexts(), (Strings{"251.88", "6360.00", "261.71", ".40", "6873.98"}));
    EXPECT_EQ(r.costs.shareTexts().back(), "100.00");
    // The expected shortage of the final r and alpha: (b - r)^2 / (2 (b - a)).
    EXPECT_NEARLY_EQUAL(r.expectedShortage, (60 - r.reorderPoint) * (60 - r.reorderPoint) / 40);
}

const ExampleCase kExamples[] = {
    {"BoundsFortyToSixty", weeklyTexts()},
    {"BoundsSixtyToForty", weeklyTexts("60", "40")},
};

INSTANTIATE_TEST_SUITE_P(Weekly, ReviewExampleTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnitCase {
    const char* name;
    LeadTimeUnit unit;
    double demand;
};
void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }

class ReviewUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(ReviewUnitTest, AnnualDemandFromTheLeadTime) {
    const UnitCase& c = GetParam();
    const ReviewResult r = resultOf(computeReview(reviewInputs(ReviewDemand::Uniform, c.unit, weeklyTexts())));
    EXPECT_NEARLY_EQUAL(r.annualDemand, c.demand);
}

const UnitCase kUnits[] = {
    {"WeeksOfAFiftyPointEightEightWeekYear", LeadTimeUnit::Week, 50 * 12 * 4.24 / 2},
    {"Months", LeadTimeUnit::Month, 50 * 12 / 2.0},
    {"Days", LeadTimeUnit::Day, 50 * 365 / 2.0},
};

INSTANTIATE_TEST_SUITE_P(Units, ReviewUnitTest, ::testing::ValuesIn(kUnits),
                         [](const auto& info) { return std::string(info.param.name); });

// E(D - r)+ for normal demand, from its closed form: sd (phi(z) - z (1 - Phi(z))).
double normalLoss(double r, double m, double sd) {
    const double z = (r - m) / sd;
    return sd * (std::exp(-z * z / 2) / std::sqrt(2 * M_PI) - z * 0.5 * std::erfc(z / std::sqrt(2.0)));
}

struct NormalCase {
    const char* name;
    const char* mean;
    const char* variance;
    Strings shown;  // Q, r, the shortage cost
};

class ReviewNormalTest : public ::testing::TestWithParam<NormalCase> {};

TEST_P(ReviewNormalTest, ShortageIsTheNormalLossAtR) {
    const NormalCase& c = GetParam();
    const ReviewResult r = resultOf(
        computeReview(reviewInputs(ReviewDemand::Normal, LeadTimeUnit::Week, normalTexts(c.mean, c.variance))));
    const double m = std::stod(c.mean), sd = std::sqrt(std::stod(c.variance));
    const auto z = normInverse(1 - r.shortageRisk);
    ASSERT_TRUE(z);
    EXPECT_NEARLY_EQUAL(r.reorderPoint, m + *z * sd);
    EXPECT_NEARLY_EQUAL(r.expectedShortage, normalLoss(r.reorderPoint, m, sd));
    EXPECT_EQ((Strings{r.quantityText, r.reorderText, r.costs.amountTexts()[3]}), c.shown);
    EXPECT_NEARLY_EQUAL(r.costs.amounts[4],
                        r.costs.amounts[1] + r.costs.amounts[0] + r.costs.amounts[3] + r.costs.amounts[2]);
}

// Lead time 2 weeks, c 5, h 1, K 100, p 10.
const NormalCase kNormalCases[] = {
    {"Variance36", "50", "36", {" 507", " 60", "2.41"}},
    {"Variance100", "50", "100", {" 508", " 67", "4.02"}},
    {"SpreadOfHalfTheMean", "50", "625", {" 514", " 93", "10.06"}},
};

INSTANTIATE_TEST_SUITE_P(Normal, ReviewNormalTest, ::testing::ValuesIn(kNormalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Random inputs, the order cost from 0.01 (a first alpha below the table) to
// 2000: where the textbook iteration (exact quantile, exact loss) settles
// inside the table, the program settles too, near its r, its shortage never
// negative and the exact loss at its own r to 2 %.
TEST(ReviewIteration, NormalSweepSettlesWhereTheTextbookDoes) {
    std::mt19937 random(16);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    for (int i = 0; i < 300; ++i) {
        ReviewInputs in{ReviewDemand::Normal, LeadTimeUnit::Week, draw(1, 4), 0, 0, draw(20, 2000)};
        const double m = in.mean, sd = m * draw(0.02, 0.5), d = m * 12 * 4.24 / in.leadTime;
        in.variance = sd * sd;
        in.price = draw(1, 50), in.holding = draw(0.5, 10), in.ordering = std::pow(10, draw(-2, 3.3));
        in.shortage = in.holding * std::pow(10, draw(0.3, 3));
        const double h = in.holding, k = in.ordering, p = in.shortage;
        double q = std::sqrt(2 * d * k / h), previous = 0, alpha = 0, r = 0;
        bool settles = false;
        for (int pass = 0; pass < kMostReviewPasses && !settles && h * q < p * d; ++pass) {
            alpha = h * q / (p * d);
            r = m + tervalo::test::exactNormalQuantile(1 - alpha) * sd;
            settles = std::fabs(r - previous) <= 1;
            previous = r;
            q = std::sqrt(2 * d * (k + p * normalLoss(r, m, sd)) / h);
        }
        const auto outcome = computeReview(in);
        const auto* got = std::get_if<ReviewResult>(&outcome);
        if (settles && alpha > 0.0004 && alpha < 0.9996) {
            ASSERT_TRUE(got) << i << " " << messageOf(outcome).text;
            EXPECT_NEAR(got->reorderPoint, r, 0.04 * sd + 2) << i;
        }
        if (!got) continue;
        EXPECT_GE(got->costs.amounts[3], 0) << i;
        EXPECT_NEAR(got->expectedShortage, normalLoss(got->reorderPoint, m, sd), 0.02 * got->expectedShortage) << i;
    }
}

// The same for uniform demand, wide and narrow ranges near 0 or far from it:
// the textbook iteration with n = (b - r)^2 / (2 (b - a)) in long double. No
// policy where alpha reaches 1 (a shortage cost below a cycle's holding).
TEST(ReviewIteration, UniformSweepSettlesWhereTheTextbookDoes) {
    std::mt19937 random(17);
    auto draw = [&random](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    for (int i = 0; i < 400; ++i) {
        const double a = std::pow(10, draw(0, 5)), b = a + a * std::pow(10, draw(-5, 0.5));
        const ReviewInputs in{
            ReviewDemand::Uniform,     LeadTimeUnit::Day,        draw(1, 30), a, b, 0, 0, draw(1, 50), draw(0.001, 100),
            std::pow(10, draw(-1, 4)), std::pow(10, draw(-3, 5))};
        using Long = long double;
        const Long h = in.holding, k = in.ordering, p = in.shortage, d = (Long(a) + b) / 2 * 365 / in.leadTime;
        Long q = std::sqrt(2 * d * k / h), previous = 0, r = 0, n = 0;
        bool settles = false, none = false;
        for (int pass = 0; pass < kMostReviewPasses && !settles && !none; ++pass) {
            const Long alpha = h * q / (p * d);
            none = alpha >= 1;
            r = a + (Long(b) - a) * (1 - alpha);
            settles = !none && std::fabs(r - previous) <= 1;
            previous = r;
            n = (b - r) * (b - r) / (2 * (Long(b) - a));
            q = std::sqrt(2 * d * (k + p * n) / h);
        }
        const auto outcome = computeReview(in);
        const auto* got = std::get_if<ReviewResult>(&outcome);
        if (none) {
            EXPECT_EQ(messageOf(outcome).text, kUnreasonable) << i;
        }
        if (!settles) continue;
        ASSERT_TRUE(got) << i << " " << messageOf(outcome).text;
        EXPECT_NEAR(got->reorderPoint, double(r), 1e-9 * b) << i;
        EXPECT_NEAR(got->expectedShortage, double(n), 1e-6 * double(n) + 1e-12 * b) << i;
    }
}

TEST(ReviewIteration, ReorderPointThatNeverSettles) {
    // Over a wide range alpha creeps towards its settled value too slowly.
    ReviewTexts t = weeklyTexts("80000", "140000");
    t[F::HoldingCost] = "50";
    t[F::ShortageCost] = "1";
    t[F::OrderingCost] = "1";
    EXPECT_EQ(messageOf(computeReview(reviewInputs(ReviewDemand::Uniform, LeadTimeUnit::Week, t))),
              (CheckMessage{"The reorder point does not settle. Please check your data.", "Error Message",
                            MessageIcon::Exclamation, -1}));
}

// Where h Q / (p D) stays at 1 or above for every Q (a shortage cost below a
// cycle's holding) there is no policy, for either demand model.
TEST(ReviewIteration, NoPolicyWhereAlphaLeavesTheRange) {
    const CheckMessage unreasonable{kUnreasonable, "Error Message", MessageIcon::Exclamation, field(F::Price)};
    ReviewTexts t = normalTexts();
    t[F::HoldingCost] = "50";
    t[F::ShortageCost] = "1";  // alpha above 1
    EXPECT_EQ(messageOf(computeReview(reviewInputs(ReviewDemand::Normal, LeadTimeUnit::Week, t))), unreasonable);
    t = weeklyTexts("0", "100");
    t[F::HoldingCost] = "20";
    t[F::ShortageCost] = "1";
    EXPECT_EQ(messageOf(computeReview(reviewInputs(ReviewDemand::Uniform, LeadTimeUnit::Week, t))), unreasonable);
    // r was shown as -2029.
    const ReviewInputs weekly{
        ReviewDemand::Uniform, LeadTimeUnit::Week, 10, 3.9444, 21.083, 0, 0, 0.40176, 0.004384, 3011.3, 0.0060069};
    EXPECT_EQ(messageOf(computeReview(weekly)), unreasonable);
}

// A first alpha below the table (a small order cost against p sd) no longer
// refuses: alpha settles at 0.0090, inside it.
TEST(ReviewIteration, FirstAlphaBelowTheTableSettlesInside) {
    const ReviewInputs in{
        ReviewDemand::Normal, LeadTimeUnit::Month, 2.8, 0, 0, 44030, 234123499, 468.11, 222.02, 4.2978, 1335.6};
    const ReviewResult r = resultOf(computeReview(in));
    EXPECT_NEAR(r.shortageRisk, 0.0090, 0.0001);
    EXPECT_EQ((Strings{r.reorderText, r.quantityText}), (Strings{" 80283", " 10179"}));
}

struct FaultCase {
    const char* name;
    ReviewDemand demand;
    ReviewTexts texts;
    ErrorCode code;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

ReviewTexts with(ReviewTexts t, F f, const char* text) {
    t[f] = text;
    return t;
}

class ReviewFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ReviewFaultTest, IsARunTimeErrorNeverAnInfinity) {
    const FaultCase& c = GetParam();
    ASSERT_EQ(checkReview(c.demand, c.texts), std::nullopt);
    try {
        computeReview(reviewInputs(c.demand, LeadTimeUnit::Week, c.texts));
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), c.code);
    }
}

const FaultCase kFaults[] = {
    {"LeadTimeZero", ReviewDemand::Uniform, with(weeklyTexts(), F::LeadTime, "0"), ErrorCode::DivisionByZero},
    {"LeadTimeEmpty", ReviewDemand::Uniform, with(weeklyTexts(), F::LeadTime, ""), ErrorCode::DivisionByZero},
    {"NormalLeadTimeZero", ReviewDemand::Normal, with(normalTexts(), F::LeadTime, "0"), ErrorCode::DivisionByZero},
    {"NegativeVariance", ReviewDemand::Normal, normalTexts("50", "-4"), ErrorCode::InvalidCall},
};

INSTANTIATE_TEST_SUITE_P(Faults, ReviewFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// --- checks ---

struct CheckCase {
    const char* name;
    ReviewDemand demand;
    ReviewTexts texts;
    std::optional<CheckMessage> expected;
    Beep beep;
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

CheckMessage missing(F f, const char* text) {
    return CheckMessage{text, "Error Message", MessageIcon::Exclamation, field(f)};
}

class ReviewCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ReviewCheckTest, GivesTheFirstFailingMessage) {
    const CheckCase& c = GetParam();
    const auto message = checkReview(c.demand, c.texts);
    EXPECT_EQ(message, c.expected);
    if (message) {
        EXPECT_EQ(reviewBeep(*message), c.beep);
    }
}

const CheckCase kChecks[] = {
    {"LeadTimeBlank", ReviewDemand::Uniform, with(weeklyTexts(), F::LeadTime, " "),
     missing(F::LeadTime, "Please enter the Lead Time."), Beep::AfterMessage},
    {"LowDemandBlank", ReviewDemand::Uniform, weeklyTexts(" ", "60"), missing(F::LowDemand, "Please enter the Demand."),
     Beep::BeforeMessage},
    {"HighDemandBlank", ReviewDemand::Uniform, weeklyTexts("40", " "),
     missing(F::HighDemand, "Please enter the Demand."), Beep::BeforeMessage},
    {"MeanBlank", ReviewDemand::Normal, normalTexts(" ", "100"), missing(F::Mean, "Please enter the Mean."),
     Beep::BeforeMessage},
    {"VarianceBlank", ReviewDemand::Normal, normalTexts("50", " "), missing(F::Variance, "Please enter the Variance."),
     Beep::BeforeMessage},
    {"PriceBlank", ReviewDemand::Uniform, with(weeklyTexts(), F::Price, " "),
     missing(F::Price, "Please enter the Purchase or Production Cost."), Beep::BeforeMessage},
    {"HoldingBlank", ReviewDemand::Uniform, with(weeklyTexts(), F::HoldingCost, " "),
     missing(F::HoldingCost, "Please enter the Holding Cost."), Beep::BeforeMessage},
    {"OrderingBlank", ReviewDemand::Uniform, with(weeklyTexts(), F::OrderingCost, " "),
     missing(F::OrderingCost, "Please enter the Setup or Ordering Cost."), Beep::BeforeMessage},
    {"ShortageBlank", ReviewDemand::Uniform, with(weeklyTexts(), F::ShortageCost, " "),
     missing(F::ShortageCost, "Please enter the Shortage Cost."), Beep::BeforeMessage},
    // An empty box is not missing: it reads 0.
    {"EmptyHoldingCostIsZero", ReviewDemand::Uniform, with(weeklyTexts(), F::HoldingCost, ""),
     CheckMessage{"Your Holding Cost cannot be 0. Please reenter the data.", "Error Message", MessageIcon::Exclamation,
                  field(F::Price)},
     Beep::BeforeMessage},
    {"PriceZero", ReviewDemand::Uniform, with(weeklyTexts(), F::Price, "0"),
     CheckMessage{"Your Purchasing or Production Cost cannot be 0. Please reenter these data.", "Error Message",
                  MessageIcon::Exclamation, field(F::Price)},
     Beep::BeforeMessage},
    {"ShortageZero", ReviewDemand::Uniform, with(weeklyTexts(), F::ShortageCost, ""),
     CheckMessage{"The Shortage Cost cannot be zero. Please check your data.", "Error Message",
                  MessageIcon::Exclamation, field(F::ShortageCost)},
     Beep::None},
    {"EqualBounds", ReviewDemand::Uniform, weeklyTexts("50", "50"),
     CheckMessage{"The two numbers as your estimated demand range cannot be the same. Please reenter these data.", "",
                  MessageIcon::Exclamation, field(F::LowDemand)},
     Beep::BeforeMessage},
    {"MeanZero", ReviewDemand::Normal, normalTexts("0", "100"),
     CheckMessage{"The Mean cannot be zero. Please check your data.", "Error Message", MessageIcon::Information,
                  field(F::Mean)},
     Beep::None},
    {"ItemPlaysNoPart", ReviewDemand::Uniform, with(weeklyTexts(), F::Item, " "), std::nullopt, Beep::None},
    {"OtherModelsBoxesAreNotTested", ReviewDemand::Uniform, with(weeklyTexts(), F::Mean, " "), std::nullopt,
     Beep::None},
};

INSTANTIATE_TEST_SUITE_P(Checks, ReviewCheckTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReviewInputs, ReadTheChosenModelsBoxes) {
    ReviewTexts t = weeklyTexts();
    t[F::Mean] = "7";
    const ReviewInputs in = reviewInputs(ReviewDemand::Uniform, LeadTimeUnit::Month, t);
    EXPECT_EQ(in.low, 40);
    EXPECT_EQ(in.high, 60);
    EXPECT_EQ(in.mean, 0);
    EXPECT_EQ(in.leadTime, 2);
    EXPECT_EQ(in.unit, LeadTimeUnit::Month);
    EXPECT_EQ(in.ordering, 100);
}

}  // namespace
