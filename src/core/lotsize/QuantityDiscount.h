#pragma once
// Whether to take a supplier's quantity discount (regular price up to a break
// point, a lower price beyond it) for an item bought without shortages. Two
// purchasing calculators run side by side, one at each price, with the holding
// cost h + i/100 x price; a fixed rule on their quantities and totals decides.
//
// Incremental: reject when the break point reaches the discount quantity
// (and Q0 < Q1); accept when Q0 < Q1 and the break point is at most Q0;
// otherwise the cheaper total wins, a tie accepting.
// All-units: when the break point reaches the discount quantity (and Q0 < Q1)
// the discount is re-costed at the break point and accepted when it costs no
// more than the regular policy; otherwise it is accepted as run.
#include <optional>
#include <string>

#include "core/lotsize/CheckMessage.h"
#include "core/lotsize/Eoq.h"
#include "core/lotsize/TimeUnit.h"

namespace tervalo::core::lotsize {

enum class DiscountKind { Incremental, AllUnits };

// The boxes as typed.
struct QuantityDiscountTexts {
    std::string item;
    std::string demand;
    std::string price;
    std::string breakPoint;
    std::string discountPrice;
    std::string orderingCost;
    std::string holdingCost;
    std::string interest;
};

// The checks of each window in its own order; the first failing one's message.
std::optional<CheckMessage> checkQuantityDiscountInputs(DiscountKind kind, const QuantityDiscountTexts& texts);

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
    static QuantityDiscountInputs fromTexts(const QuantityDiscountTexts& texts, TimeUnit unit);
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
    std::string conclusion;
};

class QuantityDiscount {
public:
    explicit QuantityDiscount(DiscountKind kind);

    // Passed to both calculators; a fault in their run is reported through it.
    void setFaultReporter(const Eoq::FaultReporter& reporter);

    // nullopt when a calculator's run faulted (already reported): the window
    // stops rather than show the figures of an earlier run. Raises RuntimeError
    // for a fault outside the calculators (re-costing, day conversion).
    std::optional<QuantityDiscountResult> calculate(const QuantityDiscountInputs& inputs);

    DiscountKind kind() const { return m_kind; }
    const Eoq& noDiscountCalculator() const { return m_noDiscount; }
    const Eoq& discountCalculator() const { return m_discount; }

    static const char* const kAcceptConclusion;
    static const char* const kRejectConclusion;

private:
    bool runCalculator(Eoq& calculator, const QuantityDiscountInputs& in, double price);
    bool decideIncremental(double breakPoint, double q0, double q1, double tc0, double tc1) const;
    bool decideAllUnits(double breakPoint, double q0, double q1, double tc0, bool& recosted);
    void recostAtBreakPoint(double breakPoint);

    DiscountKind m_kind;
    Eoq m_noDiscount;
    Eoq m_discount;
};

}  // namespace tervalo::core::lotsize
