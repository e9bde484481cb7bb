#include "lotsize/PurchaseNsWindow.h"

namespace tervalo::lotsize {

PurchaseNsWindow::PurchaseNsWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

EoqWindowDescription PurchaseNsWindow::describe() {
    EoqWindowDescription d = modelDescription(EoqModel::PurchasingNoShortages);
    d.clearCaption = QStringLiteral("Clea&r");
    const QString where = QStringLiteral(" in ") + d.caption;
    d.calculateErrorSuffix = where + QStringLiteral("/sub cmdCalculate.");
    d.discount = DiscountFrameTexts{core::lotsize::OfferWindow::NoShortages, QStringLiteral("discount if you buy"),
                                    QStringLiteral("units."), QStringLiteral("Should you accept this offer?"),
                                    where + QStringLiteral("/sub cmdShouldYou.")};
    d.launcher = {1, 0};
    using C = EoqControl;
    d.tabOrder = {C::Example, C::Inputs,      C::Calculate, C::Discount, C::Print,
                  C::Clear,   C::TimeOptions, C::DiscRate,  C::DiscQ,    C::ShouldYou};
    return d;
}

}  // namespace tervalo::lotsize
