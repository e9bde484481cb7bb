#include "core/lotsize/Eoq.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::lotsize {

namespace ck = core::checked;

namespace {

// (K + K) x D, the numerator under every root.
double twiceOrderingTimesDemand(const EoqInputs& in) { return ck::mul(ck::add(in.orderCost, in.orderCost), in.demand); }

// 1 - D / P, computed afresh at each use as the formulas are written.
double productionShare(const EoqInputs& in) { return ck::sub(1.0, ck::div(in.demand, in.productionRate)); }

// The three steps every model shares, in this order: cycle, purchase, ordering.
void cycleAndFixedCosts(const EoqInputs& in, EoqResult& out) {
    out.cycle = ck::div(out.quantity, in.demand);
    out.purchaseCost = ck::mul(in.price, in.demand);
    out.orderingCost = ck::div(ck::mul(in.demand, in.orderCost), out.quantity);
}

// ordering + purchase + holding, added in that order.
double sumOfThreeParts(const EoqResult& out) {
    return ck::add(ck::add(out.orderingCost, out.purchaseCost), out.holdingCost);
}

void purchasing(const EoqInputs& in, EoqResult& out) {
    const double h = in.holdingCost;
    out.quantity = ck::sqrt(ck::div(twiceOrderingTimesDemand(in), h));
    cycleAndFixedCosts(in, out);
    out.holdingCost = ck::mul(ck::mul(h, 0.5), out.quantity);
    out.total = sumOfThreeParts(out);
}

void purchasingWithShortages(const EoqInputs& in, EoqResult& out) {
    const double h = in.holdingCost;
    const double p = in.shortageCost;
    const double a = ck::sqrt(ck::div(ck::add(h, p), p));
    out.quantity = ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(in), h)), a);
    const double b = ck::sqrt(ck::div(h, ck::add(h, p)));
    out.allowedShortage = ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(in), p)), b);
    cycleAndFixedCosts(in, out);
    const double q = out.quantity;
    const double s = out.allowedShortage;
    out.holdingCost = ck::mul(ck::pow(ck::sub(q, s), 2.0), ck::div(ck::mul(h, 0.5), q));
    out.shortageCost = ck::div(ck::mul(ck::mul(ck::mul(p, 0.5), s), s), q);
    out.total = ck::add(sumOfThreeParts(out), out.shortageCost);
}

void production(const EoqInputs& in, EoqResult& out) {
    const double h = in.holdingCost;
    out.quantity = ck::sqrt(ck::div(twiceOrderingTimesDemand(in), ck::mul(productionShare(in), h)));
    out.maxInventory = ck::mul(productionShare(in), out.quantity);
    cycleAndFixedCosts(in, out);
    out.holdingCost = ck::mul(productionShare(in), ck::mul(ck::mul(h, 0.5), out.quantity));
    out.total = sumOfThreeParts(out);
}

void productionWithShortages(const EoqInputs& in, EoqResult& out) {
    const double h = in.holdingCost;
    const double p = in.shortageCost;
    const double a = ck::sqrt(ck::div(ck::add(h, p), p));
    out.quantity = ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(in), ck::mul(productionShare(in), h))), a);
    const double b = ck::sqrt(productionShare(in));
    const double c2 = ck::sqrt(ck::div(h, ck::add(h, p)));
    out.allowedShortage = ck::mul(ck::mul(ck::sqrt(ck::div(twiceOrderingTimesDemand(in), p)), b), c2);
    out.maxInventory = ck::sub(ck::mul(productionShare(in), out.quantity), out.allowedShortage);
    cycleAndFixedCosts(in, out);
    const double q = out.quantity;
    const double s = out.allowedShortage;
    out.holdingCost =
        ck::div(ck::mul(ck::pow(ck::sub(ck::mul(productionShare(in), q), s), 2.0), ck::div(ck::mul(h, 0.5), q)),
                productionShare(in));
    out.shortageCost = ck::div(ck::div(ck::mul(ck::mul(ck::mul(p, 0.5), s), s), q), productionShare(in));
    out.total = ck::add(sumOfThreeParts(out), out.shortageCost);
}

}  // namespace

void computeEoq(const EoqInputs& in, EoqResult& out) {
    switch (in.model) {
        case EoqModel::PurchasingNoShortages:
            return purchasing(in, out);
        case EoqModel::PurchasingShortages:
            return purchasingWithShortages(in, out);
        case EoqModel::ProductionNoShortages:
            return production(in, out);
        case EoqModel::ProductionShortages:
            return productionWithShortages(in, out);
    }
}

EoqResult computeEoq(const EoqInputs& in) {
    EoqResult out;
    computeEoq(in, out);
    return out;
}

void Eoq::setShortageCost(std::string_view text) {
    if (!isNumber(text)) throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
    m_in.shortageCost = leadingNumber(text);
}

void Eoq::run() {
    if (m_modelType < 1 || m_modelType > 4) return;
    m_in.model = static_cast<EoqModel>(m_modelType);
    computeEoq(m_in, m_out);
}

}  // namespace tervalo::core::lotsize
