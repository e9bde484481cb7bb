#include "lotsize/ManufSaWindow.h"

namespace tervalo::lotsize {

ManufSaWindow::ManufSaWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

void ManufSaWindow::run(const QString& itemName, const QString& demand, const QString& unitCost,
                        const QString& holdingCost, const QString& setupCost, const QString& manufRate,
                        const QString& shortageCost, const QString& timeUnit) {
    fillAndCalculate({{QStringLiteral("txtItem"), itemName},
                      {QStringLiteral("txtDemand"), demand},
                      {QStringLiteral("txtPrice"), unitCost},
                      {QStringLiteral("txtHoldingCost"), holdingCost},
                      {QStringLiteral("txtOrderingCost"), setupCost},
                      {QStringLiteral("txtManufacturingRate"), manufRate},
                      {QStringLiteral("txtShortageCost"), shortageCost}},
                     core::lotsize::timeUnitFromWizardText(timeUnit.toStdString()));
}

EoqWindowDescription ManufSaWindow::describe() {
    EoqWindowDescription d = modelDescription(4);
    d.clearCaption = QStringLiteral("&Clear");
    // Print is enabled from the start; neither Calculate nor Clear changes it.
    d.printEnabledAtLoad = true;
    d.calculateEnablesPrint = false;
    d.clearDisablesPrint = false;
    d.tabOrder = tabOrder(d, {QStringLiteral("cmdCalculate"), QStringLiteral("cmdPrint"), QStringLiteral("cmdClear")});
    return d;
}

}  // namespace tervalo::lotsize
