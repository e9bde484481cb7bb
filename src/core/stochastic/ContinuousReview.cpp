#include "core/stochastic/ContinuousReview.h"

#include <algorithm>
#include <cmath>

#include "core/CheckedMath.h"
#include "core/NumberText.h"
#include "core/stochastic/NormalTable.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

using F = ReviewField;

constexpr auto kExclamation = MessageIcon::Exclamation;
constexpr const char* kLeadTimeMissing = "Please enter the Lead Time.";
constexpr const char* kShortageZero = "The Shortage Cost cannot be zero. Please check your data.";
constexpr const char* kMeanZero = "The Mean cannot be zero. Please check your data.";

constexpr InputCheck missing(F f, const char* message) {
    return {field(f), CheckRule::Text, message, "Error Message", kExclamation, -1, " "};
}

constexpr InputCheck kUniformMissing[] = {
    missing(F::LeadTime, kLeadTimeMissing),
    missing(F::LowDemand, "Please enter the Demand."),
    missing(F::HighDemand, "Please enter the Demand."),
    missing(F::Price, "Please enter the Purchase or Production Cost."),
    missing(F::HoldingCost, "Please enter the Holding Cost."),
    missing(F::OrderingCost, "Please enter the Setup or Ordering Cost."),
    missing(F::ShortageCost, "Please enter the Shortage Cost."),
};

constexpr InputCheck kNormalMissing[] = {
    missing(F::LeadTime, kLeadTimeMissing),
    missing(F::Mean, "Please enter the Mean."),
    missing(F::Variance, "Please enter the Variance."),
    missing(F::Price, "Please enter the Purchase or Production Cost."),
    missing(F::HoldingCost, "Please enter the Holding Cost."),
    missing(F::OrderingCost, "Please enter the Setup or Ordering Cost."),
    missing(F::ShortageCost, "Please enter the Shortage Cost."),
};

constexpr double kSettled = 1.0;

// Annual demand from the mean lead-time demand; a year of weeks is 12 x 4.24.
double annualDemand(double m, double leadTime, LeadTimeUnit unit) {
    switch (unit) {
        case LeadTimeUnit::Month:
            return ck::div(ck::mul(m, 12.0), leadTime);
        case LeadTimeUnit::Week:
            return ck::div(ck::mul(ck::mul(m, 12.0), 4.24), leadTime);
        case LeadTimeUnit::Day:
            break;
    }
    return ck::div(ck::mul(m, 365.0), leadTime);
}

// A fraction above one half rounds up, one half and below down.
double roundHalfDown(double value) {
    const double whole = std::floor(value);
    return ck::sub(value, whole) > 0.5 ? whole + 1 : whole;
}

// The expected demand above r in a cycle for uniform lead-time demand,
// (b - r)^2 / (2 (b - a)): the same as (b^2 - r^2) / (2 (b - a)) - alpha r at
// r = b - alpha (b - a), without its two terms cancelling when r lies near b.
double uniformShortage(double a, double b, double r) {
    const double above = ck::sub(b, r);
    return ck::div(ck::mul(above, above), ck::mul(2.0, ck::sub(b, a)));
}

// The expected demand above r in a cycle for normal lead-time demand: the
// normal loss sd (phi(z) - z (1 - Phi(z))) at z = (r - m) / sd, which is never
// negative and counts the whole upper tail.
double normalShortage(double r, double m, double sd) {
    return ck::mul(sd, standardNormalLoss(ck::div(ck::sub(r, m), sd)));
}

}  // namespace

std::span<const InputCheck> reviewMissingChecks(ReviewDemand demand) {
    if (demand == ReviewDemand::Uniform) return kUniformMissing;
    return kNormalMissing;
}

std::optional<CheckMessage> checkReview(ReviewDemand demand, const ReviewTexts& texts) {
    if (auto failed = firstFailedCheck(reviewMissingChecks(demand), texts.all())) return failed;
    if (texts.number(F::HoldingCost) == 0) {
        return CheckMessage{"Your Holding Cost cannot be 0. Please reenter the data.", "Error Message", kExclamation,
                            field(F::Price)};
    }
    if (texts.number(F::Price) == 0) {
        return CheckMessage{"Your Purchasing or Production Cost cannot be 0. Please reenter these data.",
                            "Error Message", kExclamation, field(F::Price)};
    }
    if (texts.number(F::ShortageCost) == 0) {
        return CheckMessage{kShortageZero, "Error Message", kExclamation, field(F::ShortageCost)};
    }
    if (demand == ReviewDemand::Uniform && texts.number(F::LowDemand) == texts.number(F::HighDemand)) {
        return CheckMessage{
            "The two numbers as your estimated demand range cannot be the same. Please reenter these data.", "",
            kExclamation, field(F::LowDemand)};
    }
    if (demand == ReviewDemand::Normal && texts.number(F::Mean) == 0) {
        return CheckMessage{kMeanZero, "Error Message", MessageIcon::Information, field(F::Mean)};
    }
    return std::nullopt;
}

Beep reviewBeep(const CheckMessage& message) {
    if (message.text == kLeadTimeMissing) return Beep::AfterMessage;
    if (message.text == kShortageZero || message.text == kMeanZero) return Beep::None;
    return Beep::BeforeMessage;
}

ReviewInputs reviewInputs(ReviewDemand demand, LeadTimeUnit unit, const ReviewTexts& texts) {
    ReviewInputs in;
    in.demand = demand;
    in.unit = unit;
    in.leadTime = texts.number(F::LeadTime);
    if (demand == ReviewDemand::Uniform) {
        in.low = texts.number(F::LowDemand);
        in.high = texts.number(F::HighDemand);
    } else {
        in.mean = texts.number(F::Mean);
        in.variance = texts.number(F::Variance);
    }
    in.price = texts.number(F::Price);
    in.holding = texts.number(F::HoldingCost);
    in.ordering = texts.number(F::OrderingCost);
    in.shortage = texts.number(F::ShortageCost);
    return in;
}

Outcome<ReviewResult> computeReview(const ReviewInputs& in) {
    const bool uniform = in.demand == ReviewDemand::Uniform;
    const double a = std::fmin(in.low, in.high);
    const double b = std::fmax(in.low, in.high);
    const double h = in.holding, c = in.price, k = in.ordering, p = in.shortage;
    double m = 0, sd = 0;
    if (uniform) {
        m = ck::div(ck::add(a, b), 2.0);
    } else {
        m = in.mean;
        sd = ck::sqrt(in.variance);
    }
    ReviewResult result;
    result.leadTimeMean = m;
    const double d = annualDemand(m, in.leadTime, in.unit);
    result.annualDemand = d;

    double q = ck::sqrt(ck::div(ck::mul(ck::mul(2.0, d), k), h));
    double previous = 0;
    double alpha = 0, r = 0;
    bool settled = false;
    // While iterating, 1 - alpha is kept where the demand model answers it
    // (the uniform range, the normal table): the first passes may leave it
    // although the settled alpha lies inside. Only a settled alpha outside has
    // no policy: h Q / (p D) >= 1 is a shortage cost below a cycle's holding.
    for (int pass = 1; pass <= kMostReviewPasses && !settled; ++pass) {
        alpha = ck::div(ck::mul(h, q), ck::mul(p, d));
        if (uniform) {
            r = ck::add(a, ck::mul(ck::sub(b, a), ck::sub(1.0, std::fmin(alpha, 1.0))));
        } else {
            const double answered = std::clamp(ck::sub(1.0, alpha), kLowestRatio, kHighestRatio);
            r = ck::add(m, ck::mul(normInverse(answered).value_or(0.0), sd));
        }
        if (std::fabs(ck::sub(r, previous)) <= kSettled) {
            settled = true;
            result.passes = pass;
            break;
        }
        previous = r;
        const double n = uniform ? uniformShortage(a, b, r) : normalShortage(r, m, sd);
        q = ck::sqrt(ck::div(ck::mul(ck::mul(2.0, d), ck::add(k, ck::mul(p, n))), h));
    }
    if (!settled) {
        return CheckMessage{"The reorder point does not settle. Please check your data.", "Error Message", kExclamation,
                            -1};
    }
    if (uniform ? !(alpha < 1) : !normInverse(ck::sub(1.0, alpha))) {
        return CheckMessage{"The costs you entered produced unreasonable result.Please check these data.",
                            "Error Message", kExclamation, field(F::Price)};
    }
    result.quantity = q;
    result.reorderPoint = r;
    result.shortageRisk = alpha;
    result.expectedShortage = uniform ? uniformShortage(a, b, r) : normalShortage(r, m, sd);
    const double rounded = roundHalfDown(q);
    result.roundedQuantity = rounded;

    const double ordering = ck::div(ck::mul(k, d), rounded);
    const double purchase = ck::mul(c, d);
    const double holding = ck::mul(h, ck::sub(ck::add(ck::div(rounded, 2.0), r), m));
    const double shortage = ck::mul(ck::mul(p, ck::div(d, rounded)), result.expectedShortage);
    const double total = ck::add(ck::add(ck::add(purchase, ordering), shortage), holding);
    result.quantityText = textWithLeadingBlank(rounded);
    result.reorderText = textWithLeadingBlank(std::floor(r));
    result.costs = splitCosts({ordering, purchase, holding, shortage, total});
    return result;
}

}  // namespace tervalo::core::stochastic
