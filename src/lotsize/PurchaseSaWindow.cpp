#include "lotsize/PurchaseSaWindow.h"

namespace tervalo::lotsize {

PurchaseSaWindow::PurchaseSaWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

widgets::EoqRunResult PurchaseSaWindow::run(const widgets::PurchaseSaTexts& t) {
    std::optional<core::lotsize::TimeUnit> unit;
    if (t.timeUnit) unit = core::lotsize::timeUnitFromWizardText(t.timeUnit->toStdString());
    return fillAndCalculate({{EoqField::Item, t.itemName},
                             {EoqField::Demand, t.demand},
                             {EoqField::Price, t.price},
                             {EoqField::HoldingCost, t.holdingCost},
                             {EoqField::OrderingCost, t.orderCost},
                             {EoqField::ShortageCost, t.shortageCost}},
                            unit);
}

EoqWindowDescription PurchaseSaWindow::describe() {
    EoqWindowDescription d = modelDescription(EoqModel::PurchasingShortages);
    d.clearCaption = QStringLiteral("C&lear");
    const QString where = QStringLiteral(" in ") + d.caption;
    d.calculateErrorSuffix = where + QStringLiteral("/cmdCalculate.");
    d.clearErrorSuffix = where + QStringLiteral("/cmdClear.");
    d.discount = DiscountFrameTexts{
        core::lotsize::OfferWindow::ShortagesAllowed, QStringLiteral("discount if you order"), QStringLiteral("units"),
        QStringLiteral("&Should you accept this offer?"), where + QStringLiteral("/cmdShouldYou.")};
    d.launcher = {2, 1};
    using C = EoqControl;
    d.tabOrder = {C::Example,  C::Inputs, C::Calculate, C::Discount,    C::Clear,
                  C::DiscRate, C::DiscQ,  C::Print,     C::TimeOptions, C::ShouldYou};
    return d;
}

}  // namespace tervalo::lotsize
