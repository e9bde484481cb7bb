#pragma once
// The discrete demand table the row editor fills (demand values with their
// probabilities, at most 100 rows) and what the editor and the two discrete
// windows compute over it.
#include <optional>
#include <span>
#include <vector>

#include "core/CheckMessage.h"
#include "core/stochastic/Outcome.h"

namespace tervalo::core::stochastic {

struct DemandRow {
    double demand = 0;
    double probability = 0;

    bool operator==(const DemandRow&) const = default;
};

constexpr int kMostDemandRows = 100;

// The cumulative probability of each row: the probabilities summed in row
// order from 0 in double precision (0.1, 0.30000000000000004, 0.5, ...). The
// editor keeps every row's cumulative probability this way, after any edit.
std::vector<double> cumulativeProbabilities(std::span<const DemandRow> rows);

// The editor's RunningTotal: the sum of the stored rows' probabilities (the
// last cumulative probability of `storedRows`; 0 for none).
double runningTotal(std::span<const DemandRow> storedRows);

// The rows in ascending order of demand, rows of equal demand in the order
// entered. The discrete calculations work on this order, so a table typed in
// any order gives the answer of its ascending form, and an ascending table is
// used exactly as typed.
std::vector<DemandRow> sortedByDemand(std::span<const DemandRow> rows);

// The message after a probability is typed, for the cumulative probability of
// the row shown: exactly 1 (bit for bit): "Remind" (a beep first); above 1:
// "The cumulative probability cannot be larger than 1" (focus back to the
// probability box); below 1: none. The window sets the focus.
std::optional<CheckMessage> cumulativeMessage(double cumulative);
Beep cumulativeMessageBeep(const CheckMessage& message);

// The message after a probability is typed or pasted: a negative probability
// is refused ("The probability cannot be negative", "Error Message", focus
// back to the probability box, the value kept as typed); else the message of
// the cumulative probability above.
std::optional<CheckMessage> probabilityMessage(double probability, double cumulative);

// Calculate never computes with a row the editor has refused: the editor's
// message once more for the first row with a negative probability or a
// cumulative probability above 1. A sum above 1 by the rounding of its
// decimals alone (0.2, 0.4, 0.3 and 0.1 sum to 1.0000000000000002) is the
// table the user meant.
std::optional<CheckMessage> checkDemandTable(std::span<const DemandRow> rows);

// Next refuses to go on from a row whose cumulative probability lies within
// 0.0001 of 1.
std::optional<CheckMessage> nextRefusal(double cumulativeOfShownRow);

}  // namespace tervalo::core::stochastic
