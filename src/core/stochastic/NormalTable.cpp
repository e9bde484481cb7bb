#include "core/stochastic/NormalTable.h"

#include <cmath>

#include "core/CheckedMath.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

// The lookup over the table rows for 0.5 <= R <= 0.9997: equal to a row, or
// strictly between two neighbours.
std::optional<double> lookUp(double ratio) {
    for (std::size_t i = 0; i < kNormalTable.size(); ++i) {
        const NormalTableRow& row = kNormalTable[i];
        if (ratio == row.probability) return row.z;
        if (i + 1 < kNormalTable.size()) {
            const NormalTableRow& next = kNormalTable[i + 1];
            if (ratio > row.probability && ratio < next.probability) {
                return row.z + (next.z - row.z) * (ratio - row.probability) / (next.probability - row.probability);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> normInverse(double ratio) {
    if (!(ratio >= kLowestRatio && ratio <= kHighestRatio)) return std::nullopt;
    if (ratio >= 0.5) return lookUp(ratio);
    // 1 - R can come out a hair above 0.9997 for R at the lower end; R was in range.
    const double upper = std::fmin(1.0 - ratio, kHighestRatio);
    const std::optional<double> z = lookUp(upper);
    if (!z) return std::nullopt;
    return -*z;
}

double normalDensity(double x, double mean, double sd) {
    const double t = ck::div(ck::sub(x, mean), sd);
    return ck::div(std::exp(ck::mul(-0.5, ck::mul(t, t))), ck::mul(std::sqrt(6.2832), sd));
}

double standardNormalLoss(double z) {
    const double density = std::exp(ck::mul(-0.5, ck::mul(z, z))) / std::sqrt(2.0 * M_PI);
    const double above = 0.5 * std::erfc(z / std::sqrt(2.0));  // 1 - Phi(z), exact in both tails
    // Rounding may leave a hair below 0 far in the upper tail, where the loss vanishes.
    return std::fmax(0.0, ck::sub(density, ck::mul(z, above)));
}

}  // namespace tervalo::core::stochastic
