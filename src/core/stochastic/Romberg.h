#pragma once
// The Romberg scheme of the stochastic models' integrals: trapezoids refined by
// halving the step, extrapolated three times, stopped by a tolerance on the
// last extrapolation. The pass count is a 16-bit integer: doubling it past
// 16384 overflows, which is what ends a scheme without a limit.
#include <functional>

namespace tervalo::core::stochastic {

enum class RombergLimit {
    // Stops, returning the last extrapolation, at the end of the pass with
    // n = 16384 (the expected-leftover integral).
    StopAtLastPass,
    // No limit: doubling n after the pass with n = 16384 raises
    // RuntimeError(Overflow) (the expected-shortage and (Q,r) integrals).
    OverflowAfterLastPass,
};

struct RombergResult {
    double value = 0;  // the last extrapolation R3 (0 if the scheme never reached n = 4)
    int passes = 0;    // n of the pass the scheme stopped in (1, 2, 4, ..., 16384)
};

// The integral of f from a to b (b may lie below a). From n = 8 on the scheme
// stops when |R3 - R3'| < tol for |R3| <= 1, or when |R3 - R3'| / R3 < tol for
// |R3| > 1, divided by R3 itself (not |R3|: the figures shown and saved come
// from this test), so a result below -1 stops at the first test. A step that
// faults raises RuntimeError.
RombergResult rombergIntegral(const std::function<double(double)>& f, double a, double b, double tol,
                              RombergLimit limit);

}  // namespace tervalo::core::stochastic
