#include "lotsize/EoqWindowDescription.h"

namespace tervalo::lotsize {

namespace {

QString assumptions(bool production, bool shortages) {
    return QStringLiteral("This model assumes : 1. constant demand, ") +
           (production ? QStringLiteral("2. manufacturing rate is greater than demand rate, 3. ")
                       : QStringLiteral("2. replacement is instantaneous, and 3. ")) +
           QStringLiteral("all costs are constants, and 4. ") +
           (shortages ? QStringLiteral("shortages allowed.") : QStringLiteral("no shortages allowed.")) +
           QStringLiteral(" The objective is to minimize total cost.");
}

QString paperExampleText(bool shortages) {
    return QStringLiteral(
               "Paper usage in an office averages 8 boxes per week. Each box costs $25. Shipping cost per "
               "order is $50 regardless of size. Financing cost is 15% per year, and keeping the boxes "
               "costs $1.10 per week/box. ") +
           (shortages ? QStringLiteral("Shortages are allowed. This means you get paper from other sources when paper "
                                       "runs out, which costs $15/box/week. ")
                      : QString()) +
           QStringLiteral(
               "Determine an optimum inventory policy.\n\n"
               "Solution: Demand is 8 units/week, Purchasing cost is $25/unit, Ordering cost is $50 per "
               "order, ") +
           (shortages ? QStringLiteral("shortage cost is $15/box/week, ") : QString()) +
           QStringLiteral("and Holding cost is $1.10+$(25)(0.15/365)7=$1.173/week. ");
}

QString cellPhoneExampleText(bool shortages) {
    return QStringLiteral(
               "The demand for cell phone in a company is 18000 units/year. The company can produce it at a "
               "rate of 3000/month. The cost of one setup is $500, and holding cost is $0.15/unit/month, "
               "and the cost of one unit is $2. ") +
           (shortages ? QStringLiteral("Shortages allowed. The cost of 1 unit short is $20/year. ") : QString()) +
           QStringLiteral(
               "Determine the optimum manufacturing quantity and cost per year.\n\n"
               "Solution: Click the button below to see how the data are filled into the model. Note that "
               "Manufacturing Rate is 3000X12, and holding cost is 0.15X12, becasue time unit we use now is "
               "Year. You can pick other time unit from Time Scale Options, but you need to covert data "
               "accordingly.");
}

// The paper example's text speaks of $50 per order, but the button fills in
// 130, as the guidance board's statement of the example says.
void workedExample(EoqWindowDescription& d) {
    if (d.production()) {
        d.exampleTexts = {
            {EoqField::Item, QStringLiteral("Cell Phone")}, {EoqField::Demand, QStringLiteral("18000")},
            {EoqField::Price, QStringLiteral("2")},         {EoqField::OrderingCost, QStringLiteral("500")},
            {EoqField::HoldingCost, QStringLiteral("1.8")}, {EoqField::ProductionRate, QStringLiteral("36000")}};
        d.exampleUnit = core::lotsize::TimeUnit::Year;
    } else {
        d.exampleTexts = {{EoqField::Item, QStringLiteral("Paper")},
                          {EoqField::Demand, QStringLiteral("8")},
                          {EoqField::Price, QStringLiteral("25")},
                          {EoqField::OrderingCost, QStringLiteral("130")},
                          {EoqField::HoldingCost, QStringLiteral("1.173")}};
        d.exampleUnit = core::lotsize::TimeUnit::Week;
    }
    if (d.shortages())
        d.exampleTexts.append({EoqField::ShortageCost, d.production() ? QStringLiteral("20") : QStringLiteral("15")});
}

}  // namespace

QString boxName(EoqField field) {
    switch (field) {
        case EoqField::Item:
            return QStringLiteral("txtItem");
        case EoqField::Demand:
            return QStringLiteral("txtDemand");
        case EoqField::Price:
            return QStringLiteral("txtPrice");
        case EoqField::HoldingCost:
            return QStringLiteral("txtHoldingCost");
        case EoqField::OrderingCost:
            return QStringLiteral("txtOrderingCost");
        case EoqField::ProductionRate:
            return QStringLiteral("txtManufacturingRate");
        case EoqField::ShortageCost:
            return QStringLiteral("txtShortageCost");
        case EoqField::Count:
            break;
    }
    return QString();
}

QString boxName(EoqResultBox box) {
    switch (box) {
        case EoqResultBox::Quantity:
            return QStringLiteral("txtOrderQuantity");
        case EoqResultBox::Interval:
            return QStringLiteral("txtOrderInterval");
        case EoqResultBox::MaxInventory:
            return QStringLiteral("txtMaxInventory");
        case EoqResultBox::AllowedShortage:
            return QStringLiteral("txtAllowedShortage");
        case EoqResultBox::Count:
            break;
    }
    return QString();
}

EoqWindowDescription modelDescription(EoqModel model) {
    EoqWindowDescription d;
    d.model = model;
    const bool production = d.production();
    const bool shortages = d.shortages();
    d.window = production ? (shortages ? widgets::WindowId::ManufSA : widgets::WindowId::ManufNS)
                          : (shortages ? widgets::WindowId::PurchaseSA : widgets::WindowId::PurchaseNS);
    d.caption = (production ? QStringLiteral("Manufacturing Model: ") : QStringLiteral("Purchasing Model: ")) +
                (shortages ? QStringLiteral("Shortages Allowed") : QStringLiteral("No Shortages"));
    d.assumptions = assumptions(production, shortages);
    d.example = production ? cellPhoneExampleText(shortages) : paperExampleText(shortages);
    workedExample(d);

    auto field = [](EoqField f) { return static_cast<int>(f); };
    d.inputs = {
        {field(EoqField::Item), QStringLiteral("Label3"), QStringLiteral("Item, for example, Paper")},
        {field(EoqField::Demand), QStringLiteral("Label4"), QStringLiteral("Demand, units/"), 0},
        {field(EoqField::Price), QStringLiteral("Label5"),
         production ? QStringLiteral("Production cost, $/unit") : QStringLiteral("Purchase price (Item cost), $/unit")},
        {field(EoqField::HoldingCost), QStringLiteral("Label6"), QStringLiteral("Holding cost, $/unit/"), 1},
        {field(EoqField::OrderingCost), QStringLiteral("Label7"),
         production ? QStringLiteral("Setup cost, $/setup") : QStringLiteral("Ordering cost, $/order")},
    };
    // Unit labels 0 to 2 go with the demand, the holding cost and the cost table;
    // the extra boxes take the next ones.
    int nextUnit = 3;
    if (production)
        d.inputs.append({field(EoqField::ProductionRate), QStringLiteral("Label17"),
                         QStringLiteral("Production rate,units/"), nextUnit++});
    if (shortages)
        d.inputs.append({field(EoqField::ShortageCost), QStringLiteral("Label11"),
                         production ? QStringLiteral("Shortage Cost, $/") : QStringLiteral("Shortage cost, $/unit/"),
                         nextUnit++});
    d.timeUnitLabels = nextUnit;

    auto result = [](EoqResultBox b) { return static_cast<int>(b); };
    d.results = {
        {result(EoqResultBox::Quantity), QStringLiteral("Label8"),
         production ? QStringLiteral("Production Quantity, units/setup")
                    : QStringLiteral("Order Quantity, units/order")},
        {result(EoqResultBox::Interval), QStringLiteral("Label9"),
         production ? QStringLiteral("Production interval, days") : QStringLiteral("Order interval, days")},
    };
    if (production)
        d.results.append({result(EoqResultBox::MaxInventory), QStringLiteral("Label18"),
                          QStringLiteral("Maximum Inventory, units")});
    if (shortages)
        d.results.append({result(EoqResultBox::AllowedShortage), QStringLiteral("Label12"),
                          QStringLiteral("Allowed Shortage, units")});

    d.costParts = production
                      ? QStringList{QStringLiteral("Production"), QStringLiteral("Setup"), QStringLiteral("Holding")}
                      : QStringList{QStringLiteral("Purchase"), QStringLiteral("Ordering"), QStringLiteral("Holding")};
    if (shortages) d.costParts.append(QStringLiteral("Shortage"));
    d.constantTotalShare = !production;
    return d;
}

}  // namespace tervalo::lotsize
