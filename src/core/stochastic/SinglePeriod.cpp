#include "core/stochastic/SinglePeriod.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "core/CheckedMath.h"
#include "core/stochastic/NormalTable.h"
#include "core/stochastic/Romberg.h"
#include "core/stochastic/RootSearch.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

constexpr double kIntegralTolerance = 0.0001;
// A discriminant within this many roundings of its terms is noise around a
// double root (K = 0 puts s on S exactly).
constexpr double kDiscriminantNoise = 64 * std::numeric_limits<double>::epsilon();

// The description of a fault a routine caught itself, shown with no icon and no title.
CheckMessage faultMessage(const RuntimeError& fault, const std::string& where = "") {
    return CheckMessage{fault.description() + where, "", MessageIcon::None, -1};
}

// --- uniform demand ---

// The single-period step: CR, S and the three costs, each written as it is computed.
void uniformOrderUpTo(const SinglePeriodInputs& in, double a, double b, SinglePeriodOutputs& out) {
    const double h = in.holding, c = in.price, p = in.shortage;
    const double ratio = ck::div(ck::sub(p, c), ck::add(h, p));
    out.s2 = ck::add(a, ck::mul(ratio, ck::sub(b, a)));
    const double s2 = out.s2;
    out.purchaseCost = ck::mul(c, s2);
    // h (S - a)^2 / (2 (b - a)) and p (b - S)^2 / (2 (b - a)) from the distances
    // themselves, which keep their digits however narrow the range is against a.
    const double above = ck::sub(s2, a), below = ck::sub(b, s2);
    out.holdingCost = ck::mul(ck::div(h, ck::sub(b, a)), ck::mul(0.5, ck::mul(above, above)));
    out.shortageCost = ck::mul(ck::div(p, ck::sub(b, a)), ck::mul(0.5, ck::mul(below, below)));
}

CheckMessage noSsSolutionMessage() {
    return CheckMessage{
        "No solution for s-S Plicy in this case. It may be because that the difference between "
        "the lower and upper limit of demand is not large. This means that demand can be well "
        "predicted so that a deterministis model may be more appropriate.",
        "", MessageIcon::Information, -1};
}

std::optional<CheckMessage> uniformReorderStep(const SinglePeriodInputs& in, SinglePeriodOutputs& out) {
    const std::optional<UniformReorderRoots> roots = uniformReorderRoots(in, out);
    if (!roots) return noSsSolutionMessage();
    const std::optional<double> s = uniformReorderPoint(in, *roots);
    if (!s) return noReorderPointMessage();
    out.s1 = *s;
    return std::nullopt;
}

std::optional<CheckMessage> uniformModel(const SinglePeriodInputs& in, SinglePeriodOutputs& out) {
    const double a = std::fmin(in.low, in.high);
    const double b = std::fmax(in.low, in.high);
    if (in.holding + in.shortage == 0) {
        return CheckMessage{
            "Holding Cost plus Shortage Cost equals to zero, which is not reasonable. Please check your data.",
            "Error Message", MessageIcon::Information, -1};
    }
    try {
        uniformOrderUpTo(in, a, b, out);
    } catch (const RuntimeError& fault) {
        return faultMessage(fault);
    }
    if (in.singlePeriodOnly()) return std::nullopt;
    try {
        return uniformReorderStep(in, out);
    } catch (const RuntimeError& fault) {
        return faultMessage(fault);
    }
}

// --- normal demand ---

// Demand more than this many deviations below the mean does not count: the
// leftover integral starts there (or at 0), where the density is, so its grid
// meets the density even when the spread is small against the mean.
constexpr double kLowerTail = 8.0;

// The lowest demand counted. A deviation of 0 has no density to integrate:
// the lower end stays 0 and the density's division by zero raises the fault
// the window reports.
double lowestDemand(double mean, double sd) {
    return sd > 0 ? std::fmax(0.0, ck::sub(mean, ck::mul(kLowerTail, sd))) : 0.0;
}

double leftoverIntegral(double s2, double mean, double sd, int* passes) {
    auto integrand = [=](double x) { return ck::mul(ck::sub(s2, x), normalDensity(x, mean, sd)); };
    const double lower = lowestDemand(mean, sd);
    if (passes) *passes = 0;
    // Stocking up to the lowest demand counted or less leaves nothing over.
    if (s2 <= lower) return 0;
    const RombergResult r = rombergIntegral(integrand, lower, s2, kIntegralTolerance, RombergLimit::StopAtLastPass);
    if (passes) *passes = r.passes;
    return r.value;
}

// The model's expected shortage reaches three standard deviations above S, or
// above the mean when S lies below it (a ratio under 0.5), so the demand above
// the mean always counts. The (s,S) search reaches six.
constexpr double kModelTail = 3.0;
constexpr double kSearchTail = 6.0;

double shortageIntegral(double s2, double mean, double sd, double tail, int* passes) {
    auto integrand = [=](double x) { return ck::mul(ck::sub(x, s2), normalDensity(x, mean, sd)); };
    const double upper = ck::add(std::fmax(s2, mean), ck::mul(tail, sd));
    const RombergResult r =
        rombergIntegral(integrand, s2, upper, kIntegralTolerance, RombergLimit::OverflowAfterLastPass);
    if (passes) *passes = r.passes;
    return r.value;
}

// Steps 1 to 7, writing the private state into `s` and S and the costs into
// `out` (when given) as they come. false: the table does not cover the ratio.
bool normalSteps(const SinglePeriodInputs& in, NormalOrderUpTo& s, SinglePeriodOutputs* out) {
    s = NormalOrderUpTo{};
    s.sd = ck::sqrt(in.variance);
    s.ratio = ck::div(ck::sub(in.shortage, in.price), ck::add(in.holding, in.shortage));
    const std::optional<double> z = normInverse(s.ratio);
    if (!z) return false;
    s.z = *z;
    // A ratio far below one half puts mean + z sd below 0: the level is 0, ordering nothing.
    s.s2 = std::fmax(0.0, ck::add(in.mean, ck::mul(s.z, s.sd)));
    if (out) out->s2 = s.s2;
    s.expectedLeftover = leftoverIntegral(s.s2, in.mean, s.sd, &s.leftoverPasses);
    s.holdingCost = ck::mul(in.holding, s.expectedLeftover);
    if (out) out->holdingCost = s.holdingCost;
    s.expectedShortage = shortageIntegral(s.s2, in.mean, s.sd, kModelTail, &s.shortagePasses);
    s.shortageCost = ck::mul(in.shortage, s.expectedShortage);
    if (out) out->shortageCost = s.shortageCost;
    s.purchaseCost = ck::mul(in.price, s.s2);
    if (out) out->purchaseCost = s.purchaseCost;
    s.target = ck::add(ck::add(ck::add(s.purchaseCost, in.orderCost), s.holdingCost), s.shortageCost);
    return true;
}

std::optional<CheckMessage> normalModel(const SinglePeriodInputs& in, SinglePeriodOutputs& out,
                                        NormalOrderUpTo& steps) {
    if (!normalSteps(in, steps, &out)) return unreasonableCostsMessage();
    if (in.singlePeriodOnly()) return std::nullopt;
    const std::optional<double> s =
        reorderPointBelow(normalCostDifference(in, steps.sd, steps.s2), steps.s2, ck::sub(in.shortage, in.price));
    if (!s) return noReorderPointMessage();
    out.s1 = *s;
    return std::nullopt;
}

// --- exponential demand ---

// A message raised inside f_exp, passed through the scan unchanged.
struct RoutineMessage {
    CheckMessage message;
};

double checkedLog(double x) {
    if (!(x > 0)) throw RuntimeError(ErrorCode::InvalidCall);
    return std::log(x);
}

double checkedExp(double x) { return ck::check(std::exp(x)); }

std::optional<CheckMessage> exponentialModel(const SinglePeriodInputs& in, SinglePeriodOutputs& out) {
    if (in.mean == 0) {
        return CheckMessage{"The Mean canno be zero. Please check your data.", "Error Message",
                            MessageIcon::Information, -1};
    }
    double rate = 0, ratio = 0;
    try {
        rate = ck::div(1.0, in.mean);
        ratio = ck::div(ck::sub(in.shortage, in.price), ck::add(in.holding, in.shortage));
    } catch (const RuntimeError& fault) {
        return faultMessage(fault, " in sub ExponentialModel.");
    }
    const double h = in.holding, c = in.price, p = in.shortage;
    try {
        out.s2 = ck::div(-checkedLog(ck::sub(1.0, ratio)), rate);
        const double tail = checkedExp(ck::mul(-rate, out.s2));
        out.holdingCost = ck::mul(h, ck::sub(out.s2, ck::div(ck::sub(1.0, tail), rate)));
        out.shortageCost = ck::div(ck::mul(p, tail), rate);
        out.purchaseCost = ck::mul(c, out.s2);
    } catch (const RuntimeError& fault) {
        return faultMessage(fault, " in sub Exponential_s2.");
    }
    if (in.singlePeriodOnly()) return std::nullopt;
    const double s2 = out.s2;
    // G(x) - K - G(S) in closed form.
    auto difference = [=](double x) {
        try {
            return ck::sub(ck::add(ck::div(ck::mul(ck::add(h, p), ck::sub(checkedExp(ck::mul(-rate, x)),
                                                                          checkedExp(ck::mul(-rate, s2)))),
                                           rate),
                                   ck::mul(ck::add(c, h), ck::sub(x, s2))),
                           in.orderCost);
        } catch (const RuntimeError& fault) {
            throw RoutineMessage{faultMessage(fault, " in function f_exp.")};
        }
    };
    try {
        const std::optional<double> s = reorderPointBelow(difference, s2, ck::sub(p, c));
        if (!s) return noReorderPointMessage();
        out.s1 = *s;
    } catch (const RoutineMessage& raised) {
        return raised.message;
    } catch (const RuntimeError& fault) {
        return faultMessage(fault, " in sub root_exp.");
    }
    return std::nullopt;
}

}  // namespace

std::optional<UniformReorderRoots> uniformReorderRoots(const SinglePeriodInputs& in, const SinglePeriodOutputs& out) {
    const double a = std::fmin(in.low, in.high);
    const double b = std::fmax(in.low, in.high);
    const double h = in.holding, c = in.price, p = in.shortage;
    const double width = ck::sub(b, a);
    UniformReorderRoots q;
    q.a = ck::div(ck::div(ck::add(h, p), 2.0), width);
    q.b = ck::sub(c, p);
    // The terms of C, each of its own size: their sum's rounding bounds the discriminant's.
    const double terms[] = {ck::div(ck::mul(p, width), 2.0), -in.orderCost, -ck::mul(c, ck::sub(out.s2, a)),
                            -out.holdingCost, -out.shortageCost};
    double size = 0;
    for (double term : terms) {
        q.c = ck::add(q.c, term);
        size = ck::add(size, std::fabs(term));
    }
    q.discriminant = ck::sub(ck::mul(q.b, q.b), ck::mul(ck::mul(4.0, q.a), q.c));
    const double noise = kDiscriminantNoise * ck::add(ck::mul(q.b, q.b), ck::mul(4.0, ck::mul(std::fabs(q.a), size)));
    if (std::fabs(q.discriminant) <= noise) q.discriminant = 0;
    if (q.discriminant < 0) return std::nullopt;
    const double root = ck::sqrt(q.discriminant);
    const double first = ck::div(ck::div(ck::add(-q.b, root), 2.0), q.a);
    const double second = ck::div(ck::div(ck::sub(-q.b, root), 2.0), q.a);
    q.smaller = ck::add(a, std::fmin(first, second));
    q.larger = ck::add(a, std::fmax(first, second));
    return q;
}

std::optional<double> uniformReorderPoint(const SinglePeriodInputs& in, const UniformReorderRoots& roots) {
    const double a = std::fmin(in.low, in.high);
    if (roots.smaller >= a) return roots.smaller;
    const double p = in.shortage, c = in.price;
    if (!(p > c)) return std::nullopt;
    // Below a, c (a + t) + p (m - a - t) = K + G(S) with m - a = (b - a) / 2: t = C / (p - c).
    return ck::add(a, ck::div(roots.c, ck::sub(p, c)));
}

CheckMessage noReorderPointMessage() {
    return CheckMessage{
        "No solution for s-S Plicy in this case. The shortage cost is not higher than the purchase price, so that "
        "ordering never pays and no reorder point can be found.",
        "", MessageIcon::Information, -1};
}

CheckMessage unreasonableCostsMessage() {
    return CheckMessage{"The costs you entered produced unreasonable result.Please check these data.", "Error Message",
                        MessageIcon::Exclamation, -1};
}

std::optional<NormalOrderUpTo> normalOrderUpTo(const SinglePeriodInputs& in) {
    NormalOrderUpTo steps;
    if (!normalSteps(in, steps, nullptr)) return std::nullopt;
    return steps;
}

double normalExpectedCost(const SinglePeriodInputs& in, double sd, double y) {
    const double lower = lowestDemand(in.mean, sd);
    if (y < lower) {
        return ck::add(normalExpectedCost(in, sd, lower), ck::mul(ck::sub(in.price, in.shortage), ck::sub(y, lower)));
    }
    const double leftover = leftoverIntegral(y, in.mean, sd, nullptr);
    const double shortage = shortageIntegral(y, in.mean, sd, kSearchTail, nullptr);
    return ck::add(ck::add(ck::mul(in.price, y), ck::mul(in.holding, leftover)), ck::mul(in.shortage, shortage));
}

std::function<double(double)> normalCostDifference(const SinglePeriodInputs& in, double sd, double s2) {
    const double atS = ck::add(in.orderCost, normalExpectedCost(in, sd, s2));
    return [in, sd, atS](double x) { return ck::sub(normalExpectedCost(in, sd, x), atS); };
}

std::optional<CheckMessage> computeSinglePeriod(const SinglePeriodInputs& in, SinglePeriodOutputs& out,
                                                NormalOrderUpTo* normalState) {
    NormalOrderUpTo local;
    switch (in.models) {
        case static_cast<int>(DemandModel::Uniform):
            return uniformModel(in, out);
        case static_cast<int>(DemandModel::Normal):
            return normalModel(in, out, normalState ? *normalState : local);
        case static_cast<int>(DemandModel::Exponential):
            return exponentialModel(in, out);
        default:
            return std::nullopt;
    }
}

SinglePeriodResult computeSinglePeriod(const SinglePeriodInputs& in) {
    SinglePeriodResult result;
    result.message = computeSinglePeriod(in, result.outputs);
    return result;
}

}  // namespace tervalo::core::stochastic
