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

// The paper example's text speaks of $50 per order; the button has always
// filled in 130.
ExampleValues workedExample(bool production, bool shortages) {
    ExampleValues example;
    if (production) {
        example.texts = {{QStringLiteral("txtItem"), QStringLiteral("Cell Phone")},
                         {QStringLiteral("txtDemand"), QStringLiteral("18000")},
                         {QStringLiteral("txtPrice"), QStringLiteral("2")},
                         {QStringLiteral("txtOrderingCost"), QStringLiteral("500")},
                         {QStringLiteral("txtHoldingCost"), QStringLiteral("1.8")},
                         {QStringLiteral("txtManufacturingRate"), QStringLiteral("36000")}};
        example.unit = core::lotsize::TimeUnit::Year;
    } else {
        example.texts = {{QStringLiteral("txtItem"), QStringLiteral("Paper")},
                         {QStringLiteral("txtDemand"), QStringLiteral("8")},
                         {QStringLiteral("txtPrice"), QStringLiteral("25")},
                         {QStringLiteral("txtOrderingCost"), QStringLiteral("130")},
                         {QStringLiteral("txtHoldingCost"), QStringLiteral("1.173")}};
        example.unit = core::lotsize::TimeUnit::Week;
    }
    if (shortages)
        example.texts.append(
            {QStringLiteral("txtShortageCost"), production ? QStringLiteral("20") : QStringLiteral("15")});
    return example;
}

QList<InputCheck> productionChecks(bool shortages) {
    QList<InputCheck> checks{{QStringLiteral("txtItem"), QStringLiteral("Please enter a name for this item."),
                              QStringLiteral("Error Message"), platform::MsgIcon::Information, false}};
    checks += costChecks(QStringLiteral("Please enter Demand."), QStringLiteral("Please entering Setup Cost."));
    checks.append({QStringLiteral("txtManufacturingRate"), QStringLiteral("Please enter Manufacturing Rate.")});
    if (shortages) checks.append({QStringLiteral("txtShortageCost"), QStringLiteral("Please enter Shortage Cost.")});
    return checks;
}

}  // namespace

EoqWindowDescription modelDescription(int modelId) {
    EoqWindowDescription d;
    d.modelId = modelId;
    const bool production = d.production();
    const bool shortages = d.shortages();
    d.formName = (production ? QStringLiteral("frmManuf") : QStringLiteral("frmPurchase")) +
                 (shortages ? QStringLiteral("SA") : QStringLiteral("NS"));
    d.caption = (production ? QStringLiteral("Manufacturing Model: ") : QStringLiteral("Purchasing Model: ")) +
                (shortages ? QStringLiteral("Shortages Allowed") : QStringLiteral("No Shortages"));
    d.assumptions = assumptions(production, shortages);
    d.example = production ? cellPhoneExampleText(shortages) : paperExampleText(shortages);
    d.workedExample = workedExample(production, shortages);

    d.inputs = {
        {QStringLiteral("txtItem"), QStringLiteral("Label3"), QStringLiteral("Item, for example, Paper")},
        {QStringLiteral("txtDemand"), QStringLiteral("Label4"), QStringLiteral("Demand, units/"), 0},
        {QStringLiteral("txtPrice"), QStringLiteral("Label5"),
         production ? QStringLiteral("Production cost, $/unit") : QStringLiteral("Purchase price (Item cost), $/unit")},
        {QStringLiteral("txtHoldingCost"), QStringLiteral("Label6"), QStringLiteral("Holding cost, $/unit/"), 1},
        {QStringLiteral("txtOrderingCost"), QStringLiteral("Label7"),
         production ? QStringLiteral("Setup cost, $/setup") : QStringLiteral("Ordering cost, $/order")},
    };
    // Unit labels 0 to 2 go with the demand, the holding cost and the cost table;
    // the extra boxes take the next ones.
    int nextUnit = 3;
    if (production)
        d.inputs.append({QStringLiteral("txtManufacturingRate"), QStringLiteral("Label17"),
                         QStringLiteral("Production rate,units/"), nextUnit++});
    if (shortages)
        d.inputs.append({QStringLiteral("txtShortageCost"), QStringLiteral("Label11"),
                         production ? QStringLiteral("Shortage Cost, $/") : QStringLiteral("Shortage cost, $/unit/"),
                         nextUnit++});
    d.timeUnitLabels = nextUnit;

    d.results = {
        {QStringLiteral("txtOrderQuantity"), QStringLiteral("Label8"),
         production ? QStringLiteral("Production Quantity, units/setup")
                    : QStringLiteral("Order Quantity, units/order")},
        {QStringLiteral("txtOrderInterval"), QStringLiteral("Label9"),
         production ? QStringLiteral("Production interval, days") : QStringLiteral("Order interval, days")},
    };
    if (production)
        d.results.append(
            {QStringLiteral("txtMaxInventory"), QStringLiteral("Label18"), QStringLiteral("Maximum Inventory, units")});
    if (shortages)
        d.results.append({QStringLiteral("txtAllowedShortage"), QStringLiteral("Label12"),
                          QStringLiteral("Allowed Shortage, units")});

    d.costParts = production
                      ? QStringList{QStringLiteral("Production"), QStringLiteral("Setup"), QStringLiteral("Holding")}
                      : QStringList{QStringLiteral("Purchase"), QStringLiteral("Ordering"), QStringLiteral("Holding")};
    if (shortages) d.costParts.append(QStringLiteral("Shortage"));
    d.constantTotalShare = !production;

    if (production) {
        d.checks = productionChecks(shortages);
        // A rate equal to the demand passes; the calculator then reports the division by zero.
        d.rateBelowDemand =
            InputCheck{QStringLiteral("txtManufacturingRate"), QStringLiteral("Production Rate is larger than demand."),
                       QStringLiteral("Large Production Rate"), platform::MsgIcon::Exclamation};
    }
    return d;
}

QList<InputCheck> costChecks(const QString& demandMessage, const QString& orderingMessage) {
    return {
        {QStringLiteral("txtDemand"), demandMessage},
        {QStringLiteral("txtPrice"), QStringLiteral("Please enter Price.")},
        {QStringLiteral("txtHoldingCost"), QStringLiteral("Please enter Holding Cost.")},
        {QStringLiteral("txtOrderingCost"), orderingMessage},
    };
}

QStringList tabOrder(const EoqWindowDescription& d, const QStringList& afterInputs) {
    QStringList order{QStringLiteral("cmdExample")};
    for (const BoxRow& row : d.inputs)
        order.append(row.box);
    order += afterInputs;
    order += {QStringLiteral("optTime_0"), QStringLiteral("optTime_1"), QStringLiteral("optTime_2")};
    if (d.discount) {
        for (const QString& name :
             {QStringLiteral("txtDiscRate"), QStringLiteral("txtDiscQ"), QStringLiteral("cmdShouldYou")}) {
            if (!order.contains(name)) order.append(name);
        }
    }
    return order;
}

}  // namespace tervalo::lotsize
