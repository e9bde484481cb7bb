#pragma once
// The two searches of the (s,S) reorder point: the bracketing root search of
// the cost difference, and the golden-section minimiser (LLYB) offered beside it.
#include <functional>
#include <optional>

namespace tervalo::core::stochastic {

// The reorder point s below the order-up-to level S = `upper`: the root of
// f(x) = G(x) - K - G(S), G the convex expected cost of stocking up to x, which
// below 0 (no stock left, every unit of demand short) falls by `slopeBelowZero`
// = p - c a unit, so that f(x) = f(0) - (p - c) x there.
// - f(S) >= 0 (no order cost): S, ordering whenever the stock is below S;
// - f(0) <= 0, ordering never pays at a stock of 0 or more: the root of the
//   line below 0, f(0) / (p - c) (for S <= 0, S + f(S) / (p - c));
// - otherwise f(0) > 0 > f(S) bracket the root, bisected to a width of 0.0001
//   (or until the midpoint no longer splits the bracket).
// nullopt when the line never reaches 0 (p <= c). The time does not grow with
// S beyond the bisection's log2(S / 0.0001) steps.
std::optional<double> reorderPointBelow(const std::function<double(double)>& f, double upper, double slopeBelowZero);

struct GoldenSectionResult {
    double xm = 0;  // the better of the two last points
    double fm = 0;  // f there
};

// Golden-section search for a minimum of f on [a1, a2] with ratio 0.618: while
// the two inner values differ by `ep` or more the interval keeps the better
// side; when they differ by less but the points lie more than `ep` apart the
// search starts again between them. a1 and a2 are moved in place, so that
// SinglePeriodC::llyb hands the final interval back through its reference
// arguments; callers that must keep an end pass a copy.
// A search whose interval no longer shrinks (a value that jumps between
// neighbouring doubles) ends after 2000 steps with the points it has.
GoldenSectionResult goldenSectionMinimum(const std::function<double(double)>& f, double& a1, double& a2, double ep);

}  // namespace tervalo::core::stochastic
