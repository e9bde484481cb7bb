#include "app/WindowCatalog.h"

#include "lotsize/LotSizeWindows.h"
#include "reports/ReportBrowserWindow.h"
#include "stochastic/StochasticWindows.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::app {

void registerWindows(widgets::AppContext& ctx, reports::ReportOutput& reportOutput) {
    // ---- lot-size windows -------------------------------------------------------
    lotsize::registerLotSizeWindows(ctx);
    stochastic::registerStochasticWindows(ctx);

    // ---- stochastic-demand windows ----------------------------------------------

    // ---- reports, wizard and demand estimation, warehouse -------------------------
    ctx.registry.registerWindow(QStringLiteral("frmReport"),
                                [&ctx, &reportOutput] { return new reports::ReportBrowserWindow(ctx, reportOutput); });

    // ---- small windows: about, options, web browser -------------------------------
}

}  // namespace tervalo::app
