#pragma once
// What the discrete single-period and (s,S) window computes over its demand
// table: the checks of Calculate in their order and wording, the order-up-to
// level S by the critical ratio, the cost split, and for the (s,S) policy the
// reorder point s searched among the table's demand values.
#include <optional>
#include <span>
#include <string>

#include "core/CostSplit.h"
#include "core/InputCheck.h"
#include "core/stochastic/DemandTable.h"
#include "core/stochastic/Outcome.h"
#include "core/stochastic/Problem.h"

namespace tervalo::core::stochastic {

// Demand and Probability are the editor's boxes of the row shown.
enum class DiscreteField { Item, Demand, Probability, Price, HoldingCost, ShortageCost, SetupCost, Count };
using DiscreteTexts = FieldTexts<DiscreteField>;

// The five boxes Calculate tests first, in order: a single blank or a text
// that is not a number fails ("Error Message", exclamation).
std::span<const InputCheck> discreteBoxChecks();

// After the boxes: the table (`rows`, as the editor holds them) with no row
// the editor has refused, then the selling price (p) against the item cost
// (c): equal, below (both under the program's title), and h + p = 0.
// nullopt: the inputs pass.
std::optional<CheckMessage> checkDiscrete(std::span<const DemandRow> rows, const DiscreteTexts& texts);

// Every check message of this window beeps first, "No solution" ones do not.
Beep discreteBeep(const CheckMessage& message);

struct DiscreteResult {
    std::vector<DemandRow> rows;  // the table in ascending order of demand (stable)
    double ratio = 0;             // R = (p - c) / (h + p)
    std::size_t sRow = 0;         // k: the first row (from 1) whose cumulative probability reaches R
    double orderUpTo = 0;         // S, the demand of row k
    std::string orderUpToText;    // txtS2: S with a leading blank (" 2")
    // (s,S) policy only: txtS1, s with a leading blank, or "no solution".
    // s is the smallest table value y up to S with G(y) <= K + G(S) (S with
    // K = 0 or an empty K).
    std::optional<std::string> reorderPointText;
    // (s,S) policy without a reorder point (only a negative K leaves none): "No
    // solution in this case." titled "No Solution"; the window shows it and the
    // calculation goes on.
    std::optional<CheckMessage> reorderNotice;
    // Purchase c S, Shortage, Holding, Total (purchase + shortage + holding), with shares.
    CostSplit costs;
};

// The calculation after the checks over `rows` (the editor's rows 1 to the
// last, the row in the boxes included), taken in ascending order of demand.
// No row reaching R: "No solution in this case. Please check your data..." in
// place of the result. Raises RuntimeError at a fault (a Total of 0).
Outcome<DiscreteResult> computeDiscrete(Problem problem, std::span<const DemandRow> rows, const DiscreteTexts& texts);

// G(y) = c y + the sum over the rows of P(j) (h (y - d(j)) when d(j) <= y,
// else p (d(j) - y)): the expected cost of ordering up to y.
double discreteExpectedCost(std::span<const DemandRow> rows, double c, double h, double p, double y);

}  // namespace tervalo::core::stochastic
