#include "core/lotsize/QuantityDiscount.h"

#include <array>

#include "core/CheckedMath.h"
#include "core/NumberText.h"
#include "core/lotsize/LotSizeText.h"

namespace tervalo::core::lotsize {

namespace ck = core::checked;

const char* const QuantityDiscount::kAcceptConclusion =
    "The quantity discount is a good deal that may decrease your total cost, so accept it.";
const char* const QuantityDiscount::kRejectConclusion =
    "The quantity discount may increase your total cost, so reject it.";

namespace {

enum class CheckKind {
    NotEmpty,    // fails on the empty text only
    Number,      // fails when empty or not a number
    PriceAbove,  // fails when the price's leading number is not above the discount price's
};

struct InputCheck {
    CheckKind kind;
    std::string QuantityDiscountTexts::*box;
    const char* boxName;
    const char* message;
    bool informational;  // information icon, program's title; otherwise exclamation, "Missing Input"
};

using Texts = QuantityDiscountTexts;

constexpr InputCheck kItem{CheckKind::NotEmpty, &Texts::item, "txtItem", "Please enter a name for this item.", false};
constexpr InputCheck kDemand{CheckKind::Number, &Texts::demand, "txtDemand", "Please enter Demand.", false};
constexpr InputCheck kOrdering{CheckKind::Number, &Texts::orderingCost, "txtOrderingCost",
                               "Please enter Ordering Cost.", false};
constexpr InputCheck kPrice{CheckKind::Number, &Texts::price, "txtPrice", "Please enter Price.", false};
constexpr InputCheck kBreakPoint{CheckKind::Number, &Texts::breakPoint, "txtBreakPoint", "Please enter Break Point.",
                                 false};
constexpr InputCheck kDiscountPrice{CheckKind::Number, &Texts::discountPrice, "txtPrice1",
                                    "Please enter Discount Price.", true};
constexpr InputCheck kPriceAbove{CheckKind::PriceAbove, &Texts::discountPrice, "txtPrice1",
                                 "The Discount Price cannnot be larger or equal to the Price.", true};
constexpr InputCheck kHolding{CheckKind::Number, &Texts::holdingCost, "txtHoldingCost", "Please enter Holding Cost.",
                              false};

// The incremental window asks for the "Intertest rate", as it always has.
constexpr std::array<InputCheck, 9> kIncrementalChecks{
    kItem,
    kDemand,
    kOrdering,
    kPrice,
    kBreakPoint,
    kDiscountPrice,
    kPriceAbove,
    kHolding,
    InputCheck{CheckKind::Number, &Texts::interest, "txtInterest", "Please enter Intertest rate.", false}};

constexpr std::array<InputCheck, 9> kAllUnitsChecks{
    kItem,
    kDemand,
    kOrdering,
    kDiscountPrice,
    kPriceAbove,
    kBreakPoint,
    kPrice,
    kHolding,
    InputCheck{CheckKind::Number, &Texts::interest, "txtInterest", "Please enter Interest rate.", false}};

bool fails(const InputCheck& check, const Texts& texts) {
    const std::string& text = texts.*check.box;
    switch (check.kind) {
        case CheckKind::NotEmpty:
            return text.empty();
        case CheckKind::Number:
            return !isNumber(text);
        case CheckKind::PriceAbove:
            return leadingNumber(texts.price) <= leadingNumber(text);
    }
    return false;
}

}  // namespace

std::optional<CheckMessage> checkQuantityDiscountInputs(DiscountKind kind, const QuantityDiscountTexts& texts) {
    const auto& checks = kind == DiscountKind::Incremental ? kIncrementalChecks : kAllUnitsChecks;
    for (const InputCheck& check : checks) {
        if (fails(check, texts)) {
            if (check.informational) {
                return CheckMessage{check.message, "", MessageIcon::Information, check.boxName};
            }
            return CheckMessage{check.message, "Missing Input", MessageIcon::Exclamation, check.boxName};
        }
    }
    return std::nullopt;
}

QuantityDiscountInputs QuantityDiscountInputs::fromTexts(const QuantityDiscountTexts& texts, TimeUnit unit) {
    QuantityDiscountInputs in;
    in.demand = leadingNumber(texts.demand);
    in.price = leadingNumber(texts.price);
    in.discountPrice = leadingNumber(texts.discountPrice);
    in.breakPoint = leadingNumber(texts.breakPoint);
    in.orderingCost = leadingNumber(texts.orderingCost);
    in.holdingCost = leadingNumber(texts.holdingCost);
    in.interestPercent = leadingNumber(texts.interest);
    in.timeUnit = unit;
    return in;
}

QuantityDiscount::QuantityDiscount(DiscountKind kind) : m_kind(kind) {}

void QuantityDiscount::setFaultReporter(const Eoq::FaultReporter& reporter) {
    m_noDiscount.setFaultReporter(reporter);
    m_discount.setFaultReporter(reporter);
}

bool QuantityDiscount::runCalculator(Eoq& calculator, const QuantityDiscountInputs& in, double price) {
    calculator.setModelType(1);
    calculator.setDemand(in.demand);
    calculator.setPurchaseOrProductionCost(price);
    // Holding covers handling plus financing the unit's price.
    calculator.setHoldingCost(ck::add(in.holdingCost, ck::mul(ck::div(in.interestPercent, 100.0), price)));
    calculator.setOderOrSetupCost(in.orderingCost);
    return calculator.run();
}

bool QuantityDiscount::decideIncremental(double breakPoint, double q0, double q1, double tc0, double tc1) const {
    if (breakPoint >= q1 && q0 < q1) {
        return false;
    }
    if (q0 < q1 && breakPoint <= q0) {
        return true;
    }
    return !(tc0 < tc1);
}

bool QuantityDiscount::decideAllUnits(double breakPoint, double q0, double q1, double tc0, bool& recosted) {
    if (!(breakPoint >= q1 && q0 < q1)) {
        return true;
    }
    recostAtBreakPoint(breakPoint);
    recosted = true;
    return !(tc0 < m_discount.totalPeriodCost());
}

// Prices the discount at the smallest quantity that earns it. The cost parts
// are stored with the total so that the cost table's parts add up to it.
void QuantityDiscount::recostAtBreakPoint(double breakPoint) {
    Eoq& d = m_discount;
    d.setOptimumOrderOrProductionQuantity(breakPoint);
    d.setOrderingCycle(ck::div(d.optimumOrderOrProductionQuantity(), d.demand()));
    d.setPeriodPuchaseOrProductionCost(ck::mul(d.demand(), d.purchaseOrProductionCost()));
    d.setPeriodOrderingOrProductionCost(ck::div(d.oderOrSetupCost(), d.orderingCycle()));
    d.setPeriodHoldingCost(ck::div(ck::mul(d.optimumOrderOrProductionQuantity(), d.holdingCost()), 2.0));
    d.setTotalPeriodCost(
        ck::add(ck::add(d.periodOrderingOrProductionCost(), d.periodPuchaseOrProductionCost()), d.periodHoldingCost()));
}

std::optional<QuantityDiscountResult> QuantityDiscount::calculate(const QuantityDiscountInputs& in) {
    if (!runCalculator(m_noDiscount, in, in.price)) {
        return std::nullopt;
    }
    if (!runCalculator(m_discount, in, in.discountPrice)) {
        return std::nullopt;
    }
    const double q0 = m_noDiscount.optimumOrderOrProductionQuantity();
    const double q1 = m_discount.optimumOrderOrProductionQuantity();
    const double tc0 = m_noDiscount.totalPeriodCost();

    QuantityDiscountResult out;
    out.accepted = m_kind == DiscountKind::Incremental
                       ? decideIncremental(in.breakPoint, q0, q1, tc0, m_discount.totalPeriodCost())
                       : decideAllUnits(in.breakPoint, q0, q1, tc0, out.recostedAtBreakPoint);

    const Eoq& chosen = out.accepted ? m_discount : m_noDiscount;
    out.orderQuantity = chosen.optimumOrderOrProductionQuantity();
    out.orderingCycle = chosen.orderingCycle();
    out.intervalDays = intervalDays(chosen.orderingCycle(), in.timeUnit);
    out.purchaseCost = chosen.periodPuchaseOrProductionCost();
    out.orderingCost = chosen.periodOrderingOrProductionCost();
    out.holdingCost = chosen.periodHoldingCost();
    out.totalCost = chosen.totalPeriodCost();

    out.noDiscountQuantity = m_noDiscount.optimumOrderOrProductionQuantity();
    out.noDiscountTotal = m_noDiscount.totalPeriodCost();
    out.discountQuantity = m_discount.optimumOrderOrProductionQuantity();
    out.discountTotal = m_discount.totalPeriodCost();
    out.conclusion = out.accepted ? kAcceptConclusion : kRejectConclusion;
    return out;
}

}  // namespace tervalo::core::lotsize
