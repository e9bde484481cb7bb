#include "lotsize/PurchaseSaWindow.h"

namespace tervalo::lotsize {

PurchaseSaWindow::PurchaseSaWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

void PurchaseSaWindow::run(const QString& itemName, const QString& demand, const QString& price,
                           const QString& holdingCost, const QString& orderCost, const QString& shortageCost,
                           const std::optional<QString>& timeUnit) {
    std::optional<core::lotsize::TimeUnit> unit;
    if (timeUnit) unit = core::lotsize::timeUnitFromWizardText(timeUnit->toStdString());
    fillAndCalculate({{QStringLiteral("txtItem"), itemName},
                      {QStringLiteral("txtDemand"), demand},
                      {QStringLiteral("txtPrice"), price},
                      {QStringLiteral("txtHoldingCost"), holdingCost},
                      {QStringLiteral("txtOrderingCost"), orderCost},
                      {QStringLiteral("txtShortageCost"), shortageCost}},
                     unit);
}

EoqWindowDescription PurchaseSaWindow::describe() {
    EoqWindowDescription d = modelDescription(2);
    d.clearCaption = QStringLiteral("C&lear");
    d.checks = {{QStringLiteral("txtItem"), QStringLiteral("Please enter a name for this item."),
                 QStringLiteral("Error Message"), platform::MsgIcon::Information, false}};
    d.checks += costChecks(QStringLiteral("Please enter a Demand."), QStringLiteral("Please enter Ordering Cost."));
    d.checks.append({QStringLiteral("txtShortageCost"), QStringLiteral("Please enter Shortage Cost.")});
    // The demand and holding-cost boxes have always had a full stop in their title.
    d.checks[1].title = QStringLiteral("Error Message.");
    d.checks[3].title = QStringLiteral("Error Message.");
    const QString where = QStringLiteral(" in ") + d.caption;
    d.calculateErrorSuffix = where + QStringLiteral("/cmdCalculate.");
    d.clearErrorSuffix = where + QStringLiteral("/cmdClear.");
    d.discount = DiscountFrameTexts{
        core::lotsize::OfferWindow::ShortagesAllowed, QStringLiteral("discount if you order"), QStringLiteral("units"),
        QStringLiteral("&Should you accept this offer?"), where + QStringLiteral("/cmdShouldYou.")};
    d.launcher = {2, 1};
    d.tabOrder = tabOrder(d, {QStringLiteral("cmdCalculate"), QStringLiteral("cmdDiscount"), QStringLiteral("cmdClear"),
                              QStringLiteral("txtDiscRate"), QStringLiteral("txtDiscQ"), QStringLiteral("cmdPrint")});
    return d;
}

}  // namespace tervalo::lotsize
