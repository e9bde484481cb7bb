#include "lotsize/DiscountWindowDescription.h"

namespace tervalo::lotsize {

namespace {

// The example texts keep their double blank and misspellings: users know them.
const QString kExampleStart = QStringLiteral(
    "The demand for an item is about 100 units per week. Ordering Cost is $300 per order Holding Cost is "
    "$0.10/uit/week. Interest rate is 10%. Price is $1 per unit for any amount up to 500 units.  ");
const QString kExampleEnd =
    QStringLiteral(" Should we order more than to get the discount? If we should, how much to order and when?");

}  // namespace

DiscountWindowDescription DiscountWindowDescription::incremental() {
    DiscountWindowDescription d;
    d.kind = core::lotsize::DiscountKind::Incremental;
    d.window = widgets::WindowId::IncrementalDiscount;
    d.caption = QStringLiteral("Purchasing Model: Incremental Discounts");
    d.discountPriceCaption = QStringLiteral("additional amount over this break point incurs the discount price:");
    d.exampleText = kExampleStart +
                    QStringLiteral("Additional amount over 500 incurs the discount price $0.95 per unit.") +
                    kExampleEnd;
    d.assumptionsText = QStringLiteral(
        "This model assumes : 1. constant demand, 2. replacement is instantaneous, 3. purchase and holding "
        "cost change incrementally (see following example), and 4. no shortages allowed. The objective is to "
        "minimize total cost.");
    d.reportObjective = QStringLiteral("taking into account incremental quantity discount.");
    d.reportPurchaseMethod = QStringLiteral("3. Purcase cost changes incrementally, ");
    d.reportDiscountLead = QStringLiteral("Over which addtional amount incurs");
    d.calculateErrorIcon = platform::MsgIcon::None;
    return d;
}

DiscountWindowDescription DiscountWindowDescription::allUnits() {
    DiscountWindowDescription d;
    d.kind = core::lotsize::DiscountKind::AllUnits;
    d.window = widgets::WindowId::AllUnitDiscount;
    d.caption = QStringLiteral("Purchasing Model: All-Units Discounts");
    d.discountPriceCaption = QStringLiteral("over this break point, the entire order is priced at the lower price:");
    d.exampleText = kExampleStart +
                    QStringLiteral(
                        "If order is larger than 500 units, the entire order is priced at the lower "
                        "rate $0.95 per unit.") +
                    kExampleEnd;
    d.assumptionsText = QStringLiteral(
        "This model assumes : 1. constant demand, 2. replacement is instantaneous, and 3. purchase and holding "
        "cost change if order is larger than a breakpoint (see following exmple), and 4. no shortages allowed. "
        "The objective is to minimize total cost.");
    d.reportObjective = QStringLiteral("taking into account all-units quantity discounts.");
    d.reportPurchaseMethod = QStringLiteral("3. Purcase cost changes at a break point, ");
    d.reportDiscountLead = QStringLiteral("Over which the entire order is priced at");
    d.calculateErrorIcon = platform::MsgIcon::Exclamation;
    return d;
}

}  // namespace tervalo::lotsize
