#pragma once
// What the continuous-review (Q,r) window computes: the checks of Calculate in
// their order and wording, the annual demand from the lead-time demand, the
// iteration of the order quantity Q and the reorder point r until r settles,
// and the cost table.
#include <optional>
#include <span>
#include <string>

#include "core/CostSplit.h"
#include "core/InputCheck.h"
#include "core/stochastic/Outcome.h"

namespace tervalo::core::stochastic {

enum class ReviewDemand { Uniform, Normal };   // optModel(0), optModel(1)
enum class LeadTimeUnit { Day, Week, Month };  // optDay, optWeek, optMonth

enum class ReviewField {
    Item,
    LeadTime,
    LowDemand,
    HighDemand,
    Mean,
    Variance,
    Price,
    HoldingCost,
    OrderingCost,
    ShortageCost,
    Count
};
using ReviewTexts = FieldTexts<ReviewField>;

// The boxes tested for a missing value (exactly one blank; an empty box passes
// and reads 0), in order: lead time, the demand model's two boxes, price,
// holding, ordering, shortage. "Error Message", exclamation.
std::span<const InputCheck> reviewMissingChecks(ReviewDemand demand);

// The table, then the zero tests in order: h = 0 (focus on the price box),
// c = 0, p = 0, equal uniform bounds (under the program's title), a normal mean
// of 0 (information icon). nullopt: the inputs pass.
std::optional<CheckMessage> checkReview(ReviewDemand demand, const ReviewTexts& texts);

// The lead-time message beeps after its box closes; the zero shortage cost and
// zero mean do not beep; every other check beeps first.
Beep reviewBeep(const CheckMessage& message);

struct ReviewInputs {
    ReviewDemand demand = ReviewDemand::Uniform;
    LeadTimeUnit unit = LeadTimeUnit::Week;
    double leadTime = 0;
    double low = 0, high = 0;       // uniform lead-time demand
    double mean = 0, variance = 0;  // normal lead-time demand
    double price = 0;               // c
    double holding = 0;             // h
    double ordering = 0;            // K
    double shortage = 0;            // p
};

// The leading numbers of the boxes the demand model reads.
ReviewInputs reviewInputs(ReviewDemand demand, LeadTimeUnit unit, const ReviewTexts& texts);

// The iteration ends with "does not settle" after this many passes.
constexpr int kMostReviewPasses = 100;

struct ReviewResult {
    double annualDemand = 0;      // D
    double leadTimeMean = 0;      // m
    double quantity = 0;          // Q of the pass before r settled
    double roundedQuantity = 0;   // Q to a whole number, a fraction of exactly .5 down
    double reorderPoint = 0;      // r
    double shortageRisk = 0;      // alpha of the last pass
    double expectedShortage = 0;  // n at the final r, never below 0: uniform (b - r)^2 / (2 (b - a)), normal the loss
    int passes = 0;               // the pass in which r settled
    std::string quantityText;     // txtOrderQuantity: the rounded Q with a leading blank (" 505")
    std::string reorderText;      // txtReOrderPoint: r toward minus infinity (" 59")
    // Order/Setup, Purchase, Holding, Shortage, Total
    // (purchase + ordering + shortage + holding), with their shares.
    CostSplit costs;
};

// The iteration and the costs. In place of the result: "The costs you entered
// produced unreasonable result.Please check these data." (the settled 1 - alpha
// lies where the demand model has no reorder point: alpha >= 1 for uniform
// demand, outside the normal table; focus on the price box) or "The reorder
// point does not settle. Please check your data." after kMostReviewPasses
// passes. Raises RuntimeError at a fault: a lead time of 0 (empty) divides by
// zero, a negative variance, a rounded Q of 0.
Outcome<ReviewResult> computeReview(const ReviewInputs& in);

}  // namespace tervalo::core::stochastic
