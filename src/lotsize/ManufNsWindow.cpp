#include "lotsize/ManufNsWindow.h"

namespace tervalo::lotsize {

ManufNsWindow::ManufNsWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

EoqWindowDescription ManufNsWindow::describe() {
    EoqWindowDescription d = modelDescription(3);
    d.clearCaption = QStringLiteral("C&lear");
    // Calculate's errors show their description alone, with no icon.
    d.calculateErrorIcon = platform::MsgIcon::None;
    // Print is enabled by the first calculation and stays so, also after Clear.
    d.clearDisablesPrint = false;
    d.tabOrder = tabOrder(d, {QStringLiteral("cmdCalculate"), QStringLiteral("cmdClear"), QStringLiteral("cmdPrint")});
    return d;
}

}  // namespace tervalo::lotsize
