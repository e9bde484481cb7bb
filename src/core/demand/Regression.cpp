#include "core/demand/Regression.h"

#include <array>
#include <cstddef>

#include "core/CheckedMath.h"
#include "core/RuntimeError.h"

namespace tervalo::core::demand {

namespace {

// Two-tailed points of Student's t distribution, degrees of freedom 1 to 30.
constexpr std::array<double, 30> kT05 = {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306, 2.262, 2.228,
                                         2.201,  2.179, 2.160, 2.145, 2.131, 2.120, 2.110, 2.101, 2.093, 2.086,
                                         2.080,  2.074, 2.069, 2.064, 2.060, 2.056, 2.052, 2.048, 2.045, 2.042};
constexpr std::array<double, 30> kT10 = {6.314, 2.920, 2.353, 2.132, 2.015, 1.943, 1.895, 1.860, 1.833, 1.812,
                                         1.796, 1.782, 1.771, 1.761, 1.753, 1.746, 1.740, 1.734, 1.729, 1.725,
                                         1.721, 1.717, 1.714, 1.711, 1.708, 1.706, 1.703, 1.701, 1.699, 1.697};

struct Anchor {
    int df;
    double t05;
    double t10;
};
constexpr std::array<Anchor, 4> kAnchors = {
    {{40, 2.021, 1.684}, {50, 2.009, 1.676}, {60, 2.000, 1.671}, {120, 1.980, 1.658}}};

// 0/0 in the slope is an overflow of the arithmetic, as the windows report it.
double divide(double numerator, double denominator) {
    if (numerator == 0.0 && denominator == 0.0) throw RuntimeError(ErrorCode::Overflow);
    return checked::div(numerator, denominator);
}

}  // namespace

double TCriticalValue(int df, double alpha, int mode) {
    if (df < 0) throw RuntimeError(ErrorCode::InvalidCall);
    if (mode != 0 || df == 0) return 0;
    const bool at05 = alpha == 0.05;
    if (!at05 && alpha != 0.1) return 0;
    const auto& table = at05 ? kT05 : kT10;
    if (df <= 30) return table[static_cast<std::size_t>(df - 1)];
    int lo = 30;
    double valueLo = table[29];
    for (const Anchor& anchor : kAnchors) {
        const double valueHi = at05 ? anchor.t05 : anchor.t10;
        if (df < anchor.df) return valueLo + (valueHi - valueLo) / (anchor.df - lo) * (df - lo);
        lo = anchor.df;
        valueLo = valueHi;
    }
    return valueLo;
}

Regression LinearRegression(const std::vector<double>& X, const std::vector<double>& Y, double X0, double alpha) {
    using namespace checked;
    if (X.size() > 32767) throw RuntimeError(ErrorCode::Overflow);
    if (Y.size() < X.size()) throw RuntimeError(ErrorCode::InvalidCall);
    const std::size_t count = X.size();
    const double n = static_cast<double>(count);

    // The sums run unchecked and are checked once: an overflow on the way
    // leaves an infinity or a NaN in the sum, which the check reports.
    double Sx = 0, Sy = 0, Sxy = 0, Sxx = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Sx += X[i];
        Sy += Y[i];
        Sxy += X[i] * Y[i];
        Sxx += X[i] * X[i];
    }
    check(Sx);
    check(Sy);
    check(Sxy);
    check(Sxx);

    Regression r;
    r.X0 = X0;
    r.B = divide(sub(mul(n, Sxy), mul(Sy, Sx)), sub(mul(n, Sxx), mul(Sx, Sx)));
    r.A = div(sub(Sy, mul(r.B, Sx)), n);
    r.YHat.resize(count);
    double sse = 0;
    for (std::size_t i = 0; i < count; ++i) {
        r.YHat[i] = X[i] * r.B + r.A;
        const double residual = Y[i] - r.YHat[i];
        sse += residual * residual;
    }
    check(sse);
    r.SE = sqrt(div(sse, n - 2));
    const double spreadX = sub(Sxx, div(mul(Sx, Sx), n));
    if (r.SE == 0) {
        r.T = r.B > 0 ? 10000 : r.B < 0 ? -10000 : 0;
    } else {
        r.T = div(r.B, div(r.SE, sqrt(spreadX)));
    }
    r.TCrit = TCriticalValue(static_cast<int>(count) - 2, alpha, 0);
    if (X0 != 0) {
        r.Y0 = add(mul(X0, r.B), r.A);
        const double offset = sub(X0, div(Sx, n));
        r.Err = mul(mul(r.SE, r.TCrit), sqrt(add(add(1.0, div(1.0, n)), div(mul(offset, offset), spreadX))));
    }
    return r;
}

}  // namespace tervalo::core::demand
