#pragma once
// The single-period and (s,S) models behind the continuous single-period
// window: demand uniform on [a, b], normal (mean, variance) or exponential
// (mean); the single-period problem gives the order-up-to level S (for normal
// demand never below 0: a level below 0 orders nothing) and the period's
// purchase, holding and shortage costs, the (s,S) policy also the reorder
// point s.
//
// computeSinglePeriod() runs the model's steps in a fixed order and writes each
// output as soon as its step ends, like computeEoq(). Two kinds of failure:
// - a message the calculation reports (the uniform and exponential routines
//   catch their own arithmetic faults and report the fault's description; the
//   normal table not covering the ratio; a negative discriminant; an (s,S)
//   policy without a reorder point): it is returned, the run ends at that
//   step, and the outputs of the steps before it hold their new values;
// - a run-time fault on the normal path (h + p = 0, a variance of 0 or below,
//   an overflow), which has no handler of its own: RuntimeError is raised.
#include <functional>
#include <optional>

#include "core/CheckMessage.h"
#include "core/RuntimeError.h"
#include "core/stochastic/Problem.h"

namespace tervalo::core::stochastic {

// The stored Models value: 1 uniform, 2 normal, 3 exponential (no window sets 3).
enum class DemandModel { Uniform = 1, Normal = 2, Exponential = 3 };

struct SinglePeriodInputs {
    int models = 1;        // DemandModel as stored; another value computes nothing
    int problems = 0;      // as stored: problemOf() reads it
    double holding = 0;    // h per unit left over; negative for a salvage value
    double price = 0;      // c per unit
    double shortage = 0;   // p per unit short
    double orderCost = 0;  // K per order
    double low = 0;        // a, uniform
    double high = 0;       // b, uniform
    double mean = 0;       // normal and exponential
    double variance = 0;   // normal

    bool singlePeriodOnly() const { return problemOf(problems) == Problem::SinglePeriod; }
};

struct SinglePeriodOutputs {
    double s1 = 0;  // reorder point s
    double s2 = 0;  // order-up-to level S, the quantity to stock for one period
    double purchaseCost = 0;
    double holdingCost = 0;
    double shortageCost = 0;

    bool operator==(const SinglePeriodOutputs&) const = default;
};

struct NormalOrderUpTo;

// Writes the model's outputs into `out` step by step. Returns the message that
// ended the run, nullopt when it ran through. Raises RuntimeError on the normal
// path. Uniform bounds given high-to-low are put in order first. A normal run
// also writes its working values into `normalState` when given (as far as it
// got: ratio and sd stand when the table does not cover the ratio).
std::optional<CheckMessage> computeSinglePeriod(const SinglePeriodInputs& in, SinglePeriodOutputs& out,
                                                NormalOrderUpTo* normalState = nullptr);

struct SinglePeriodResult {
    SinglePeriodOutputs outputs;          // what the steps reached wrote; the rest 0
    std::optional<CheckMessage> message;  // set: the run ended with this message
};
SinglePeriodResult computeSinglePeriod(const SinglePeriodInputs& in);

// --- the uniform (s,S) step ---

// The reorder point s solves c s + L(s) = K + c S + L(S), with L(y) = (h (y - a)^2
// + p (b - y)^2) / (2 (b - a)), over the S and the three costs in `out`. It is
// solved in t = s - a, which keeps its digits however far the range lies from
// 0: A t^2 + B t + C = 0 with A = (h + p) / 2 / (b - a), B = c - p and
// C = p (b - a) / 2 - K - c (S - a) - L(S). A discriminant within the rounding
// of its terms counts as 0, so K = 0 gives the double root s = S.
struct UniformReorderRoots {
    double a = 0, b = 0, c = 0;  // A, B, C
    double discriminant = 0;
    double smaller = 0;  // s = a + the smaller t
    double larger = 0;
};
// nullopt: a negative discriminant. Raises RuntimeError at a fault (a = b).
std::optional<UniformReorderRoots> uniformReorderRoots(const SinglePeriodInputs& in, const SinglePeriodOutputs& out);

// The reorder point s: the smaller root while it lies at or above a. Below a
// no demand is left over and every unit of demand is short, so the cost is
// linear, G(y) = p m - (p - c) y with m = (a + b) / 2, and s = a + C / (p - c).
// nullopt: with p <= c G never reaches K + G(S) below a, and no reorder point
// exists. Raises RuntimeError at a fault.
std::optional<double> uniformReorderPoint(const SinglePeriodInputs& in, const UniformReorderRoots& roots);

// --- the normal model's steps, for the class's private state and for tests ---

struct NormalOrderUpTo {
    double ratio = 0;  // critical ratio (p - c) / (h + p)
    double sd = 0;
    double z = 0;
    double s2 = 0;                // mean + z sd, or 0 when that lies below 0
    double expectedLeftover = 0;  // integral from max(0, mean - 8 sd) to S of (S - x) phi(x); 0 for S = 0
    double expectedShortage = 0;  // integral from S to max(S, mean) + 3 sd of (x - S) phi(x)
    int leftoverPasses = 0;       // n of the Romberg pass each integral stopped in
    int shortagePasses = 0;
    double purchaseCost = 0;  // c S
    double holdingCost = 0;   // h E_left
    double shortageCost = 0;  // p E_short
    double target = 0;        // purchase + K + holding + shortage: the model's K + G(S)
};

// Steps 1 to 7 of the normal model. nullopt: the table does not cover the
// ratio. Raises RuntimeError at a fault.
std::optional<NormalOrderUpTo> normalOrderUpTo(const SinglePeriodInputs& in);

// G(y) = c y + h E(y - D)+ + p E(D - y)+ for normal demand, with the model's
// density and integration: the leftover integral from L = max(0, mean - 8 sd)
// to y (demand below L does not count) and the shortage integral from y to
// max(y, mean) + 6 sd, far enough that the cut-off tail is negligible for
// every y the search tries. Below L nothing is left over and every unit of
// demand is short: G falls by p - c a unit, a line from G(L).
double normalExpectedCost(const SinglePeriodInputs& in, double sd, double y);

// The normal (s,S) cost difference G(x) - K - G(S), whose root below S is the
// reorder point (reorderPointBelow); G(S) is built the same way as G(x).
std::function<double(double)> normalCostDifference(const SinglePeriodInputs& in, double sd, double s2);

// The messages the models report.
CheckMessage unreasonableCostsMessage();  // the normal table does not cover the ratio
CheckMessage noReorderPointMessage();     // a shortage cost no higher than the price: ordering never pays

}  // namespace tervalo::core::stochastic
