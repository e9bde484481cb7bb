#pragma once
// SinglePeriodC, the calculation object the continuous single-period window
// holds: the costs and the demand distribution as properties (names as they
// were designed), Run over computeSinglePeriod(), and the golden-section
// minimiser LLYB. Every field starts at 0; setters store what they get with no
// check, except Models and Problems, which are 16-bit.
//
// run() returns the message the calculation reported (the window shows it and
// has no result), nullopt when it ran through; the normal model's faults raise
// RuntimeError. Outputs a run does not reach keep the values of the run before.
#include <cstdint>
#include <optional>

#include "core/CheckMessage.h"
#include "core/stochastic/SinglePeriod.h"

namespace tervalo::core::stochastic {

class SinglePeriodC {
public:
    // Computes the outputs for Models 1 to 3; any other value computes nothing.
    // Uniform bounds given high-to-low are swapped, in the properties too.
    std::optional<CheckMessage> run();

    // The golden-section minimiser of the normal (s,S) cost difference
    // |G(x) - K - G(S)|: the current inputs with the standard deviation and the
    // S of the last normal run. a1 and a2 are moved in place; S
    // itself is never touched. Raises RuntimeError before any normal run (no
    // standard deviation yet).
    void llyb(double& a1, double& a2, double ep, double& xm, double& fm) const;

    // --- inputs ---
    void setVariance(double vData) { m_in.variance = vData; }
    double variance() const { return m_in.variance; }
    void setMean(double vData) { m_in.mean = vData; }
    double mean() const { return m_in.mean; }
    void setHighDemand(double vData) { m_in.high = vData; }
    double highDemand() const { return m_in.high; }
    void setLowDemand(double vData) { m_in.low = vData; }
    double lowDemand() const { return m_in.low; }
    // Narrow to 16 bits: a value outside -32768..32767 raises RuntimeError(Overflow) and keeps the old one.
    void setProblems(std::int32_t vData) { m_problems = narrow(vData); }
    std::int32_t problems() const { return m_problems; }
    void setModels(std::int32_t vData) { m_models = narrow(vData); }
    std::int32_t models() const { return m_models; }
    void setOrderOrSetupCost(double vData) { m_in.orderCost = vData; }
    double orderOrSetupCost() const { return m_in.orderCost; }
    void setShortageCost(double vData) { m_in.shortage = vData; }
    double shortageCost() const { return m_in.shortage; }
    void setPurchaseCost(double vData) { m_in.price = vData; }
    double purchaseCost() const { return m_in.price; }
    void setHoldingCost(double vData) { m_in.holding = vData; }
    double holdingCost() const { return m_in.holding; }

    // --- outputs ---
    void setS1(double vData) { m_out.s1 = vData; }
    double s1() const { return m_out.s1; }
    void setS2(double vData) { m_out.s2 = vData; }
    double s2() const { return m_out.s2; }
    void setPeriodPurchaseCost(double vData) { m_out.purchaseCost = vData; }
    double periodPurchaseCost() const { return m_out.purchaseCost; }
    void setPeriodShortageCost(double vData) { m_out.shortageCost = vData; }
    double periodShortageCost() const { return m_out.shortageCost; }
    void setPeriodHoldingCost(double vData) { m_out.holdingCost = vData; }
    double periodHoldingCost() const { return m_out.holdingCost; }

    // The normal model's working values of the last normal run, as far as it got.
    const NormalOrderUpTo& normalState() const { return m_normal; }

private:
    static std::int16_t narrow(std::int32_t value);

    SinglePeriodInputs m_in;
    SinglePeriodOutputs m_out;
    std::int16_t m_models = 0;
    std::int16_t m_problems = 0;
    NormalOrderUpTo m_normal;
};

}  // namespace tervalo::core::stochastic
