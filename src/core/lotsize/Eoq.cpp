#include "core/lotsize/Eoq.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::lotsize {

namespace ck = core::checked;

void Eoq::setShortageCost(std::string_view text) {
    if (!isNumber(text)) {
        throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
    }
    m_shortageCost = leadingNumber(text);
}

bool Eoq::run() {
    try {
        // Four separate tests, as the models were added one by one.
        if (m_modelType == 1) {
            runPurchasing();
        }
        if (m_modelType == 2) {
            runPurchasingWithShortages();
        }
        if (m_modelType == 3) {
            runProduction();
        }
        if (m_modelType == 4) {
            runProductionWithShortages();
        }
    } catch (const RuntimeError& fault) {
        m_lastFault = fault;
        if (m_faultReporter) {
            m_faultReporter(fault.description());
        }
        return false;
    }
    m_lastFault.reset();
    return true;
}

double Eoq::productionShare() const { return ck::sub(1.0, ck::div(m_demand, m_productionRate)); }

namespace {

// (K + K) x D, the numerator under every root.
double twiceOrderingTimesDemand(double k, double d) { return ck::mul(ck::add(k, k), d); }

}  // namespace

// The three steps every model shares, in this order: cycle, purchase, ordering.
void Eoq::assignCycleAndFixedCosts() {
    m_orderingCycle = ck::div(m_optimumOrderOrProductionQuantity, m_demand);
    m_periodPuchaseOrProductionCost = ck::mul(m_purchaseOrProductionCost, m_demand);
    m_periodOrderingOrProductionCost =
        ck::div(ck::mul(m_demand, m_oderOrSetupCost), m_optimumOrderOrProductionQuantity);
}

// ordering + purchase + holding, added in that order.
double Eoq::sumOfThreeParts() const {
    return ck::add(ck::add(m_periodOrderingOrProductionCost, m_periodPuchaseOrProductionCost), m_periodHoldingCost);
}

void Eoq::runPurchasing() {
    const double h = m_holdingCost;
    m_optimumOrderOrProductionQuantity = ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), h));
    assignCycleAndFixedCosts();
    m_periodHoldingCost = ck::mul(ck::mul(h, 0.5), m_optimumOrderOrProductionQuantity);
    m_totalPeriodCost = sumOfThreeParts();
}

void Eoq::runPurchasingWithShortages() {
    const double h = m_holdingCost;
    const double p = m_shortageCost;
    const double a = ck::sqrt(ck::div(ck::add(h, p), p));
    m_optimumOrderOrProductionQuantity =
        ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), h)), a);
    const double b = ck::sqrt(ck::div(h, ck::add(h, p)));
    m_allowedShortage = ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), p)), b);
    assignCycleAndFixedCosts();
    const double q = m_optimumOrderOrProductionQuantity;
    const double s = m_allowedShortage;
    m_periodHoldingCost = ck::mul(ck::pow(ck::sub(q, s), 2.0), ck::div(ck::mul(h, 0.5), q));
    m_periodShortageCost = ck::div(ck::mul(ck::mul(ck::mul(p, 0.5), s), s), q);
    m_totalPeriodCost = ck::add(sumOfThreeParts(), m_periodShortageCost);
}

void Eoq::runProduction() {
    const double h = m_holdingCost;
    m_optimumOrderOrProductionQuantity =
        ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), ck::mul(productionShare(), h)));
    m_maxInventory = ck::mul(productionShare(), m_optimumOrderOrProductionQuantity);
    assignCycleAndFixedCosts();
    m_periodHoldingCost = ck::mul(productionShare(), ck::mul(ck::mul(h, 0.5), m_optimumOrderOrProductionQuantity));
    m_totalPeriodCost = sumOfThreeParts();
}

void Eoq::runProductionWithShortages() {
    const double h = m_holdingCost;
    const double p = m_shortageCost;
    const double a = ck::sqrt(ck::div(ck::add(h, p), p));
    m_optimumOrderOrProductionQuantity = ck::mul(
        ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), ck::mul(productionShare(), h))), a);
    const double b = ck::sqrt(productionShare());
    const double c2 = ck::sqrt(ck::div(h, ck::add(h, p)));
    m_allowedShortage =
        ck::mul(ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(m_oderOrSetupCost, m_demand), p)), b), c2);
    m_maxInventory = ck::sub(ck::mul(productionShare(), m_optimumOrderOrProductionQuantity), m_allowedShortage);
    assignCycleAndFixedCosts();
    const double q = m_optimumOrderOrProductionQuantity;
    const double s = m_allowedShortage;
    m_periodHoldingCost =
        ck::div(ck::mul(ck::pow(ck::sub(ck::mul(productionShare(), q), s), 2.0), ck::div(ck::mul(h, 0.5), q)),
                productionShare());
    m_periodShortageCost = ck::div(ck::div(ck::mul(ck::mul(ck::mul(p, 0.5), s), s), q), productionShare());
    m_totalPeriodCost = ck::add(sumOfThreeParts(), m_periodShortageCost);
}

}  // namespace tervalo::core::lotsize
