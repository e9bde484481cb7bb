#include "lotsize/PurchaseNsWindow.h"

namespace tervalo::lotsize {

PurchaseNsWindow::PurchaseNsWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

EoqWindowDescription PurchaseNsWindow::describe() {
    EoqWindowDescription d = modelDescription(1);
    d.clearCaption = QStringLiteral("Clea&r");
    d.checks = {{QStringLiteral("txtItem"), QStringLiteral("Please enter a item name."),
                 QStringLiteral("Error Message"), platform::MsgIcon::Exclamation, false}};
    d.checks += costChecks(QStringLiteral("Please enter Demand."), QStringLiteral("Please enter Ordering Cost."));
    const QString where = QStringLiteral(" in ") + d.caption;
    d.calculateErrorSuffix = where + QStringLiteral("/sub cmdCalculate.");
    d.discount = DiscountFrameTexts{core::lotsize::OfferWindow::NoShortages, QStringLiteral("discount if you buy"),
                                    QStringLiteral("units."), QStringLiteral("Should you accept this offer?"),
                                    where + QStringLiteral("/sub cmdShouldYou.")};
    d.launcher = {1, 0};
    d.tabOrder = tabOrder(d, {QStringLiteral("cmdCalculate"), QStringLiteral("cmdDiscount"), QStringLiteral("cmdPrint"),
                              QStringLiteral("cmdClear")});
    return d;
}

}  // namespace tervalo::lotsize
