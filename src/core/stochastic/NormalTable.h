#pragma once
// The standard normal table the stochastic models look z up in, its inverse
// lookup and the normal density of the numeric integrals. Shared by the
// single-period calculation and the continuous-review (Q,r) iteration.
#include <array>
#include <optional>

namespace tervalo::core::stochastic {

struct NormalTableRow {
    double z = 0;
    double probability = 0;  // the standard normal distribution function at z, to four decimals
};

// 35 rows, z = 0.0, 0.1, ..., 3.4. Row 1 holds 0.5000, the distribution
// function at z = 0.
constexpr std::array<NormalTableRow, 35> kNormalTable{{
    {0.0, 0.5000}, {0.1, 0.5398}, {0.2, 0.5793}, {0.3, 0.6179}, {0.4, 0.6554}, {0.5, 0.6915}, {0.6, 0.7257},
    {0.7, 0.7580}, {0.8, 0.7881}, {0.9, 0.8159}, {1.0, 0.8413}, {1.1, 0.8643}, {1.2, 0.8849}, {1.3, 0.9032},
    {1.4, 0.9192}, {1.5, 0.9332}, {1.6, 0.9452}, {1.7, 0.9554}, {1.8, 0.9641}, {1.9, 0.9713}, {2.0, 0.9772},
    {2.1, 0.9821}, {2.2, 0.9861}, {2.3, 0.9893}, {2.4, 0.9918}, {2.5, 0.9938}, {2.6, 0.9953}, {2.7, 0.9965},
    {2.8, 0.9974}, {2.9, 0.9981}, {3.0, 0.9987}, {3.1, 0.9990}, {3.2, 0.9993}, {3.3, 0.9995}, {3.4, 0.9997},
}};

// The ratios the table answers: 1 - 0.9997 to 0.9997.
constexpr double kLowestRatio = 0.0003;
constexpr double kHighestRatio = 0.9997;

// z for a ratio R (a probability of demand not exceeding the level): a ratio
// equal to a row's probability gives that row's z, one strictly between two
// rows interpolates linearly. A ratio below 0.5 takes -z(1 - R) by symmetry,
// so 0.5 gives z = 0 as an answer. nullopt when R lies outside
// [0.0003, 0.9997] (or is not a number): the models report that as their
// "unreasonable result" message.
std::optional<double> normInverse(double ratio);

// phi(x) = exp(-0.5 ((x - mean) / sd)^2) / (sqrt(6.2832) sd): the density of
// the models' integrals, with 6.2832 in place of 2 pi: the figures shown and
// saved are computed with it. Every step checked: sd = 0 raises RuntimeError.
double normalDensity(double x, double mean, double sd);

// The expected demand above a level per unit of deviation, for the standard
// normal distribution: phi(z) - z (1 - Phi(z)), with the exact density and
// Phi from erfc. Never negative; sd times it is E(D - r)+ for normal demand
// with z = (r - mean) / sd.
double standardNormalLoss(double z);

}  // namespace tervalo::core::stochastic
