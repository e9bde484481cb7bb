#include "stochastic/StochasticWindows.h"

#include "stochastic/MultiperiodBWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) {
    // Opened only by the hidden Models menu item mnuMultiperiodB.
    ctx.registry.registerWindow(QStringLiteral("frmMultiperiodB"), [&ctx] { return new MultiperiodBWindow(ctx); });
}

}  // namespace tervalo::stochastic
