#pragma once
// Whether to take a supplier's quantity discount (regular price up to a break
// point, a lower price beyond it) for an item bought without shortages. Two
// purchasing calculations run side by side, one at each price, with the
// holding cost h + i/100 x price; a fixed rule on their quantities and totals
// decides.
//
// Incremental: reject when the break point reaches the discount quantity
// (and Q0 < Q1); accept when Q0 < Q1 and the break point is at most Q0;
// otherwise the cheaper total wins, a tie accepting.
// All-units: when the break point reaches the discount quantity, which then
// does not earn the discount, the discount is re-costed at the break point and
// accepted when it costs no more than the regular policy; otherwise it is
// accepted as run.
#include <span>
#include <string>

#include "core/InputCheck.h"
#include "core/lotsize/TimeUnit.h"

namespace tervalo::core::lotsize {

enum class DiscountKind { Incremental, AllUnits };

enum class DiscountField { Item, Demand, Price, BreakPoint, DiscountPrice, OrderingCost, HoldingCost, Interest, Count };
using DiscountTexts = FieldTexts<DiscountField>;

// The checks of each window in its own order.
std::span<const InputCheck> quantityDiscountChecks(DiscountKind kind);

struct QuantityDiscountInputs {
    double demand = 0;           // D
    double price = 0;            // c0
    double discountPrice = 0;    // c1
    double breakPoint = 0;       // BP
    double orderingCost = 0;     // K
    double holdingCost = 0;      // h, handling only
    double interestPercent = 0;  // i
    TimeUnit timeUnit = TimeUnit::Year;

    // The leading number of each box.
    static QuantityDiscountInputs fromTexts(const DiscountTexts& texts, TimeUnit unit);
};

struct QuantityDiscountResult {
    bool accepted = false;
    bool recostedAtBreakPoint = false;  // all-units only
    // The chosen policy: order quantity, cycle (time units), interval in days,
    // and the cost table's parts and total, which add up.
    double orderQuantity = 0;
    double orderingCycle = 0;
    float intervalDays = 0;
    double purchaseCost = 0;
    double orderingCost = 0;
    double holdingCost = 0;
    double totalCost = 0;
    // The comparison grid: column "No Discount" and column "Discount Considered"
    // (after a re-costing: the break point and the re-costed total).
    double noDiscountQuantity = 0;
    double noDiscountTotal = 0;
    double discountQuantity = 0;
    double discountTotal = 0;
    // The holding cost per unit each calculation used (handling plus financing).
    double noDiscountUnitHolding = 0;
    double discountUnitHolding = 0;
    std::string conclusion;
};

inline constexpr const char* kAcceptConclusion =
    "The quantity discount is a good deal that may decrease your total cost, so accept it.";
inline constexpr const char* kRejectConclusion = "The quantity discount may increase your total cost, so reject it.";

// Raises RuntimeError at the first arithmetic fault (a zero demand or holding cost...).
QuantityDiscountResult evaluateQuantityDiscount(DiscountKind kind, const QuantityDiscountInputs& inputs);

}  // namespace tervalo::core::lotsize
