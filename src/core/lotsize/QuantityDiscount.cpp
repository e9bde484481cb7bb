#include "core/lotsize/QuantityDiscount.h"

#include "core/CheckedMath.h"
#include "core/lotsize/Eoq.h"
#include "core/lotsize/LotSizeText.h"

namespace tervalo::core::lotsize {

namespace ck = core::checked;

namespace {

using F = DiscountField;

constexpr InputCheck missing(DiscountField f, const char* message) {
    return {field(f), CheckRule::NotNumber, message, "Missing Input", MessageIcon::Exclamation};
}
constexpr InputCheck kItem{field(F::Item), CheckRule::Empty, "Please enter a name for this item.", "Missing Input",
                           MessageIcon::Exclamation};
constexpr InputCheck kDemand = missing(F::Demand, "Please enter Demand.");
constexpr InputCheck kOrdering = missing(F::OrderingCost, "Please enter Ordering Cost.");
constexpr InputCheck kPrice = missing(F::Price, "Please enter Price.");
constexpr InputCheck kBreakPoint = missing(F::BreakPoint, "Please enter Break Point.");
constexpr InputCheck kDiscountPrice{field(F::DiscountPrice), CheckRule::NotNumber, "Please enter Discount Price.", "",
                                    MessageIcon::Information};
constexpr InputCheck kPriceAbove{field(F::DiscountPrice),
                                 CheckRule::NotBelowField,
                                 "The Discount Price cannnot be larger or equal to the Price.",
                                 "",
                                 MessageIcon::Information,
                                 field(F::Price)};
constexpr InputCheck kHolding = missing(F::HoldingCost, "Please enter Holding Cost.");

// The incremental window asks for the "Intertest rate", misspelt as its help page quotes it.
constexpr InputCheck kIncrementalChecks[] = {
    kItem,       kDemand,     kOrdering,
    kPrice,      kBreakPoint, kDiscountPrice,
    kPriceAbove, kHolding,    missing(F::Interest, "Please enter Intertest rate.")};

constexpr InputCheck kAllUnitsChecks[] = {
    kItem,          kDemand,     kOrdering,
    kDiscountPrice, kPriceAbove, kBreakPoint,
    kPrice,         kHolding,    missing(F::Interest, "Please enter Interest rate.")};

// One purchasing calculation at `price`; holding covers handling plus financing the unit's price.
EoqResult purchasingAt(const QuantityDiscountInputs& in, double price, double& unitHolding) {
    EoqInputs eoq;
    eoq.model = EoqModel::PurchasingNoShortages;
    eoq.demand = in.demand;
    eoq.price = price;
    unitHolding = ck::add(in.holdingCost, ck::mul(ck::div(in.interestPercent, 100.0), price));
    eoq.holdingCost = unitHolding;
    eoq.orderCost = in.orderingCost;
    return computeEoq(eoq);
}

bool decideIncremental(double breakPoint, double q0, double q1, double tc0, double tc1) {
    if (breakPoint >= q1 && q0 < q1) return false;
    if (q0 < q1 && breakPoint <= q0) return true;
    return !(tc0 < tc1);
}

// Prices the discount at the smallest quantity that earns it. The cost parts
// are kept with the total so that the cost table's parts add up to it.
void recostAtBreakPoint(const QuantityDiscountInputs& in, double unitHolding, EoqResult& d) {
    d.quantity = in.breakPoint;
    d.cycle = ck::div(d.quantity, in.demand);
    d.purchaseCost = ck::mul(in.demand, in.discountPrice);
    d.orderingCost = ck::div(in.orderingCost, d.cycle);
    d.holdingCost = ck::div(ck::mul(d.quantity, unitHolding), 2.0);
    d.total = ck::add(ck::add(d.orderingCost, d.purchaseCost), d.holdingCost);
}

}  // namespace

std::span<const InputCheck> quantityDiscountChecks(DiscountKind kind) {
    if (kind == DiscountKind::Incremental) return kIncrementalChecks;
    return kAllUnitsChecks;
}

QuantityDiscountInputs QuantityDiscountInputs::fromTexts(const DiscountTexts& texts, TimeUnit unit) {
    QuantityDiscountInputs in;
    in.demand = texts.number(F::Demand);
    in.price = texts.number(F::Price);
    in.discountPrice = texts.number(F::DiscountPrice);
    in.breakPoint = texts.number(F::BreakPoint);
    in.orderingCost = texts.number(F::OrderingCost);
    in.holdingCost = texts.number(F::HoldingCost);
    in.interestPercent = texts.number(F::Interest);
    in.timeUnit = unit;
    return in;
}

QuantityDiscountResult evaluateQuantityDiscount(DiscountKind kind, const QuantityDiscountInputs& in) {
    QuantityDiscountResult out;
    const EoqResult regular = purchasingAt(in, in.price, out.noDiscountUnitHolding);
    EoqResult discount = purchasingAt(in, in.discountPrice, out.discountUnitHolding);
    const double q0 = regular.quantity;
    const double q1 = discount.quantity;
    const double tc0 = regular.total;

    if (kind == DiscountKind::Incremental) {
        out.accepted = decideIncremental(in.breakPoint, q0, q1, tc0, discount.total);
    } else if (in.breakPoint >= q1) {
        // Q1 does not earn the discount, whatever Q0 is (with no interest the two are equal).
        recostAtBreakPoint(in, out.discountUnitHolding, discount);
        out.recostedAtBreakPoint = true;
        out.accepted = !(tc0 < discount.total);
    } else {
        out.accepted = true;
    }

    const EoqResult& chosen = out.accepted ? discount : regular;
    out.orderQuantity = chosen.quantity;
    out.orderingCycle = chosen.cycle;
    out.intervalDays = intervalDays(chosen.cycle, in.timeUnit);
    out.purchaseCost = chosen.purchaseCost;
    out.orderingCost = chosen.orderingCost;
    out.holdingCost = chosen.holdingCost;
    out.totalCost = chosen.total;

    out.noDiscountQuantity = regular.quantity;
    out.noDiscountTotal = regular.total;
    out.discountQuantity = discount.quantity;
    out.discountTotal = discount.total;
    out.conclusion = out.accepted ? kAcceptConclusion : kRejectConclusion;
    return out;
}

}  // namespace tervalo::core::lotsize
