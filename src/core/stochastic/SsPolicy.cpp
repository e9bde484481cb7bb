#include "core/stochastic/SsPolicy.h"

#include <array>
#include <cmath>

#include "core/CheckedMath.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

constexpr int kMostPoints = 10;  // the working arrays hold elements 0 to 10

}  // namespace

void polint(std::span<const double> xa, std::span<const double> ya, std::int16_t n, double x, double& y, double& dy) {
    const auto outOfRange = [] { return RuntimeError(kSubscriptOutOfRange, "Subscript out of range"); };
    if (xa.empty() || ya.empty()) throw outOfRange();
    if (n > kMostPoints || n > static_cast<int>(xa.size()) || n > static_cast<int>(ya.size())) throw outOfRange();
    // Indices follow the designed arrays (1 to n); XA(i) is xa[i - 1].
    auto XA = [&](int i) { return xa[static_cast<std::size_t>(i - 1)]; };
    auto YA = [&](int i) { return ya[static_cast<std::size_t>(i - 1)]; };
    std::array<double, kMostPoints + 1> c{}, d{};
    int ns = 1;
    double dif = std::fabs(ck::sub(x, XA(1)));
    for (int i = 1; i <= n; ++i) {
        const double dift = std::fabs(ck::sub(x, XA(i)));
        if (dift < dif) {  // the first nearest point wins a tie
            ns = i;
            dif = dift;
        }
        c[i] = YA(i);
        d[i] = YA(i);
    }
    y = YA(ns);
    ns = ns - 1;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double ho = ck::sub(XA(i), x);
            const double hp = ck::sub(XA(i + m), x);
            const double w = ck::sub(c[i + 1], d[i]);
            const double gap = ck::sub(ho, hp);
            if (gap == 0) throw RuntimeError(ErrorCode::DivisionByZero);
            const double den = ck::div(w, gap);
            d[i] = ck::mul(hp, den);
            c[i] = ck::mul(ho, den);
        }
        if (2 * ns < n - m) {
            dy = c[ns + 1];
        } else {
            dy = d[ns];
            ns = ns - 1;
        }
        y = ck::add(y, dy);
    }
}

}  // namespace tervalo::core::stochastic
