#pragma once
// What the continuous single-period and (s,S) window computes, as functions a
// batch run can call without the window: the boxes as fields, the checks of
// Calculate in their order and wording, the inputs of the calculation object,
// and the result the window shows (S and s as texts, the cost table, the cost
// note) with the codes of its saved row.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/CostSplit.h"
#include "core/InputCheck.h"
#include "core/RuntimeError.h"
#include "core/stochastic/Outcome.h"
#include "core/stochastic/SinglePeriod.h"

namespace tervalo::core::stochastic {

enum class ContinuousField {
    Item,
    LowDemand,
    HighDemand,
    Mean,
    Variance,
    OrderingCost,
    Price,
    HoldingCost,
    ShortageCost,
    Count
};
using ContinuousTexts = FieldTexts<ContinuousField>;

// Whether the box is enabled for the chosen problem and demand model: the
// uniform bounds or the normal mean and variance, the order cost for the (s,S)
// policy only, the rest always.
bool isEnabled(ContinuousField field, Problem problem, ContinuousDemand demand);

// The table Calculate runs first: every enabled box in the window's order
// (bounds, mean, variance, item, order cost, price, holding, shortage), empty
// or (but the item) not a number: "Checking Input"; then a price above the
// shortage cost: "Check costs" (an equal price passes).
std::span<const InputCheck> continuousChecks(Problem problem, ContinuousDemand demand);

// The table, then "Invalid cost" when the shortage and holding costs add up
// to 0. nullopt: the inputs pass.
std::optional<CheckMessage> checkContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts);

// The calculation object's inputs: the leading number of each enabled box; a
// disabled box gives 0 whatever it holds (so no order cost reaches the
// single-period problem). Models 1 or 2, Problems 1 or 2.
SinglePeriodInputs continuousInputs(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts);

// table s_S's codes of the row a calculation saves.
struct SsRowCodes {
    int problemId = 0;  // 1 (s,S) policy, 2 single period
    int demandId = 0;   // 1 uniform, 2 normal
    int modelId = 0;    // 10 (s,S) policy, else 7 uniform, 8 normal

    bool operator==(const SsRowCodes&) const = default;
};
SsRowCodes ssRowCodes(Problem problem, ContinuousDemand demand);

struct ContinuousResult {
    SinglePeriodOutputs outputs;
    std::string orderUpToText;     // txtS2: S rounded half to even to 32 bits, leading blank (" 841")
    std::string reorderPointText;  // txtS1: s the same way (written for the single-period problem too)
    // Purchase (order cost + purchase cost), Shortage, Holding, Total
    // (shortage + purchase + holding), with their shares.
    CostSplit costs;
    // lblCost: "Order/setup cost included in Purchase." for the (s,S) policy;
    // nullopt leaves the label as it is.
    std::optional<std::string> costNote;
    SsRowCodes codes;
};

// The calculation after the checks: the calculation object's run and what the
// window shows. A message of the run comes back in place of the result.
// Raises RuntimeError at a fault of the normal model, of the rounding of S or
// s, or of the shares (a Total of 0).
Outcome<ContinuousResult> computeContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts);

// A run-time error of Calculate as its handler shows it: the description, "Error Message", exclamation.
CheckMessage calculateErrorMessage(const RuntimeError& fault);

// A calculation without the window (the batch analysis), through the window's
// own sequence: the result, none when a failed check, a message of the
// calculation or a run-time fault stopped it, and the boxes the window would
// have shown, in order (the stopping one, or the pie's own message, no icon,
// which does not stop it). Nothing is shown or saved.
struct ContinuousRun {
    std::optional<ContinuousResult> result;
    std::vector<CheckMessage> messages;
};
ContinuousRun calculateContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts);

// The worked example of the option pair (Example button): the car dealer for
// the (s,S) policy, the Christmas tree for a single period with uniform demand,
// the skis for normal demand (also when the (s,S) policy is chosen, which the
// window refuses with normal demand).
ContinuousTexts continuousExample(Problem problem, ContinuousDemand demand);

// The window's refusal of normal demand with the (s,S) policy.
struct OptionRefusal {
    CheckMessage message;
    bool okCancel = false;  // OK and Cancel buttons (else OK only)
};
// Choosing the (s,S) policy while normal demand is selected: OK switches to
// uniform demand, Cancel back to the single-period problem.
OptionRefusal refusalOnChoosingSsPolicy();
// Choosing normal demand while the (s,S) policy is selected: back to uniform.
OptionRefusal refusalOnChoosingNormal();

}  // namespace tervalo::core::stochastic
