#include "core/stochastic/SinglePeriodC.h"

#include <cmath>

#include "core/RuntimeError.h"
#include "core/stochastic/RootSearch.h"

namespace tervalo::core::stochastic {

std::int16_t SinglePeriodC::narrow(std::int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) throw RuntimeError(ErrorCode::Overflow);
    return static_cast<std::int16_t>(value);
}

std::optional<CheckMessage> SinglePeriodC::run() {
    m_in.models = m_models;
    m_in.problems = m_problems;
    if (m_models == static_cast<int>(DemandModel::Uniform) && m_in.low > m_in.high) std::swap(m_in.low, m_in.high);
    return computeSinglePeriod(m_in, m_out, &m_normal);
}

void SinglePeriodC::llyb(double& a1, double& a2, double ep, double& xm, double& fm) const {
    const auto difference = normalCostDifference(m_in, m_normal.sd, m_normal.s2);
    const GoldenSectionResult best =
        goldenSectionMinimum([&](double x) { return std::fabs(difference(x)); }, a1, a2, ep);
    xm = best.xm;
    fm = best.fm;
}

}  // namespace tervalo::core::stochastic
