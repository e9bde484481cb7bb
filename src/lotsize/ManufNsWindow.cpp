#include "lotsize/ManufNsWindow.h"

namespace tervalo::lotsize {

ManufNsWindow::ManufNsWindow(widgets::AppContext& ctx, QWidget* parent) : EoqWindow(describe(), ctx, parent) {}

EoqWindowDescription ManufNsWindow::describe() {
    EoqWindowDescription d = modelDescription(EoqModel::ProductionNoShortages);
    d.clearCaption = QStringLiteral("C&lear");
    // Calculate's errors show their description alone, with no icon.
    d.calculateErrorIcon = platform::MsgIcon::None;
    // Print is enabled by the first calculation and stays so, also after Clear.
    d.clearDisablesPrint = false;
    using C = EoqControl;
    d.tabOrder = {C::Example, C::Inputs, C::Calculate, C::Clear, C::Print, C::TimeOptions};
    return d;
}

}  // namespace tervalo::lotsize
