#pragma once
// The two searches of the (s,S) reorder point: the scan with bisection that
// finds where the cost difference changes sign, and the golden-section
// minimiser (LLYB) offered beside it.
#include <functional>

namespace tervalo::core::stochastic {

// The smallest root of f in [0, upper): f is scanned from 1 in steps of 1 up to
// `upper` (the last step ends at `upper` itself), each sign change is bisected
// to a width of 0.0001 and its midpoint taken, at most 10 roots are kept, and a
// root counts when 0 <= root < the smallest kept so far, which starts at
// `upper`. A grid point where f is exactly 0 is a root. No root: `upper`.
// The scan visits every whole number up to `upper`, so its cost grows with it.
double smallestRootBelow(const std::function<double(double)>& f, double upper);

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
