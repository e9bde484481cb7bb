#include "core/stochastic/Romberg.h"

#include <cmath>
#include <cstdint>

#include "core/CheckedMath.h"
#include "core/RuntimeError.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

constexpr int kLastLimitedPass = 16380;  // the leftover integral stops in the pass whose n exceeds it
constexpr int kLargestCount = INT16_MAX;

bool settled(double r3, double previous, double tol) {
    const double change = std::fabs(ck::sub(r3, previous));
    if (std::fabs(r3) <= 1) return change < tol;
    return ck::div(change, r3) < tol;
}

}  // namespace

RombergResult rombergIntegral(const std::function<double(double)>& f, double a, double b, double tol,
                              RombergLimit limit) {
    double w = ck::sub(b, a);
    const double fa = f(a);  // a first: the fault at a is the one reported
    const double fb = f(b);
    double trapezoid = ck::div(ck::mul(ck::add(fa, fb), w), 2.0);
    double r1Before = 0, r2Before = 0, r3Before = 0;
    double r2 = 0;
    RombergResult result;
    for (int n = 1;; n *= 2) {
        double sum = 0;
        for (int i = 1; i <= n; ++i)
            sum = ck::add(sum, f(ck::add(a, ck::mul(i - 0.5, w))));
        const double refined = ck::add(ck::div(trapezoid, 2.0), ck::mul(ck::div(w, 2.0), sum));
        const double r1 = ck::add(refined, ck::div(ck::sub(refined, trapezoid), 3.0));
        if (n >= 2) r2 = ck::add(r1, ck::div(ck::sub(r1, r1Before), 15.0));
        if (n >= 4) {
            result.value = ck::add(r2, ck::div(ck::sub(r2, r2Before), 63.0));
            result.passes = n;
        }
        if (n >= 8 && settled(result.value, r3Before, tol)) return result;
        if (limit == RombergLimit::StopAtLastPass && n > kLastLimitedPass) return result;
        if (n >= 4) r3Before = result.value;
        if (n >= 2) r2Before = r2;
        r1Before = r1;
        trapezoid = refined;
        w = ck::div(w, 2.0);
        if (n > kLargestCount / 2) throw RuntimeError(ErrorCode::Overflow);
    }
}

}  // namespace tervalo::core::stochastic
