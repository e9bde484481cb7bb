#include "lotsize/ManufSaWindow.h"

namespace tervalo::lotsize {

ManufSaWindow::ManufSaWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

widgets::EoqRunResult ManufSaWindow::run(const widgets::ManufSaTexts& t) {
    return fillAndCalculate({{EoqField::Item, t.itemName},
                             {EoqField::Demand, t.demand},
                             {EoqField::Price, t.unitCost},
                             {EoqField::HoldingCost, t.holdingCost},
                             {EoqField::OrderingCost, t.setupCost},
                             {EoqField::ProductionRate, t.manufRate},
                             {EoqField::ShortageCost, t.shortageCost}},
                            core::lotsize::timeUnitFromWizardText(t.timeUnit.toStdString()));
}

EoqWindowDescription ManufSaWindow::describe() {
    EoqWindowDescription d = modelDescription(EoqModel::ProductionShortages);
    d.clearCaption = QStringLiteral("&Clear");
    // Print is enabled from the start; neither Calculate nor Clear changes it.
    d.printEnabledAtLoad = true;
    d.calculateEnablesPrint = false;
    d.clearDisablesPrint = false;
    using C = EoqControl;
    d.tabOrder = {C::Example, C::Inputs, C::Calculate, C::Print, C::Clear, C::TimeOptions};
    return d;
}

}  // namespace tervalo::lotsize
