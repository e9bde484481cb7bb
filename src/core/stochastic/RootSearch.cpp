#include "core/stochastic/RootSearch.h"

#include <cmath>

#include "core/CheckedMath.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

constexpr double kStep = 1.0;
constexpr double kWidth = 0.0001;
constexpr int kMostRoots = 10;
constexpr double kRatio = 0.618;
constexpr int kMostGoldenSteps = 2000;

double bisect(const std::function<double(double)>& f, double low, double high, double fLow) {
    while (ck::sub(high, low) > kWidth) {
        const double mid = ck::div(ck::add(low, high), 2.0);
        const double fMid = f(mid);
        if (fMid == 0) return mid;
        if ((fLow < 0) == (fMid < 0)) {
            low = mid;
            fLow = fMid;
        } else {
            high = mid;
        }
    }
    return ck::div(ck::add(low, high), 2.0);
}

}  // namespace

double smallestRootBelow(const std::function<double(double)>& f, double upper) {
    double smallest = upper;
    int found = 0;
    auto keep = [&](double root) {
        ++found;
        if (root >= 0 && root < smallest) smallest = root;
    };
    double x = kStep;
    if (!(x < upper)) return smallest;
    double fx = f(x);
    while (found < kMostRoots && x < upper) {
        if (fx == 0) keep(x);
        const double next = std::fmin(ck::add(x, kStep), upper);
        const double fNext = f(next);
        if (fx != 0 && fNext != 0 && (fx < 0) != (fNext < 0) && found < kMostRoots) keep(bisect(f, x, next, fx));
        x = next;
        fx = fNext;
    }
    return smallest;
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
