#include "warehouse/WarehouseWindows.h"

#include "warehouse/LogWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx, const widgets::SinglePeriodCalculator& calculator) {
    // ---- item card and search -------------------------------------------------------

    // ---- import ---------------------------------------------------------------------

    // ---- log, batch analysis and write-back -----------------------------------------
    // One log window for every run; the item card makes its BatchAnalysis with `calculator`.
    ctx.registry.registerWindow(QStringLiteral("frmLog"), [&ctx] { return new LogWindow(ctx); });
    (void)calculator;
}

}  // namespace tervalo::warehouse
