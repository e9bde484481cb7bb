#include "core/stochastic/RootSearch.h"

#include <cmath>

#include "core/CheckedMath.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

constexpr double kWidth = 0.0001;
constexpr double kRatio = 0.618;
constexpr int kMostGoldenSteps = 2000;

// The root of f in [low, high], f(low) > 0 > f(high).
double bisect(const std::function<double(double)>& f, double low, double high) {
    while (ck::sub(high, low) > kWidth) {
        const double mid = ck::div(ck::add(low, high), 2.0);
        if (!(mid > low && mid < high)) break;
        const double fMid = f(mid);
        if (fMid == 0) return mid;
        if (fMid > 0) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return ck::div(ck::add(low, high), 2.0);
}

}  // namespace

std::optional<double> reorderPointBelow(const std::function<double(double)>& f, double upper, double slopeBelowZero) {
    const double atUpper = f(upper);
    if (!(atUpper < 0)) return upper;
    // The line below 0 from the nearer of 0 and S.
    const double from = std::fmin(upper, 0.0);
    const double atFrom = upper > 0 ? f(0.0) : atUpper;
    if (atFrom > 0) return bisect(f, 0.0, upper);
    if (!(slopeBelowZero > 0)) return std::nullopt;
    return ck::add(from, ck::div(atFrom, slopeBelowZero));
}

GoldenSectionResult goldenSectionMinimum(const std::function<double(double)>& f, double& a1, double& a2, double ep) {
    double x1 = ck::sub(a2, ck::mul(kRatio, ck::sub(a2, a1)));
    double x2 = ck::add(a1, ck::mul(kRatio, ck::sub(a2, a1)));
    double f1 = f(x1);
    double f2 = f(x2);
    for (int step = 0; step < kMostGoldenSteps; ++step) {
        if (std::fabs(f2 - f1) >= ep) {
            if (f2 < f1) {
                a1 = x1;
                x1 = x2;
                f1 = f2;
                x2 = ck::add(a1, ck::mul(kRatio, ck::sub(a2, a1)));
                f2 = f(x2);
            } else {
                a2 = x2;
                x2 = x1;
                f2 = f1;
                x1 = ck::sub(a2, ck::mul(kRatio, ck::sub(a2, a1)));
                f1 = f(x1);
            }
            continue;
        }
        if (std::fabs(x2 - x1) <= ep) break;
        // Close values far apart: search again between the two points.
        a1 = x1;
        a2 = x2;
        x1 = ck::sub(a2, ck::mul(kRatio, ck::sub(a2, a1)));
        x2 = ck::add(a1, ck::mul(kRatio, ck::sub(a2, a1)));
        f1 = f(x1);
        f2 = f(x2);
    }
    if (f1 <= f2) return {x1, f1};
    return {x2, f2};
}

}  // namespace tervalo::core::stochastic
