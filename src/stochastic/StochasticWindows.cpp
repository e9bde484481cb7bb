#include "stochastic/StochasticWindows.h"

#include "stochastic/MultiperiodAWindow.h"
#include "stochastic/MultiperiodBWindow.h"
#include "stochastic/SinglePeriodCWindow.h"
#include "stochastic/SinglePeriodDWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) {
    ctx.registry.registerWindow(widgets::WindowId::SinglePeriodC, [&ctx] { return new SinglePeriodCWindow(ctx); });
    ctx.registry.registerWindow(widgets::WindowId::SinglePeriodD, [&ctx] { return new SinglePeriodDWindow(ctx); });
    ctx.registry.registerWindow(widgets::WindowId::MultiperiodA, [&ctx] { return new MultiperiodAWindow(ctx); });
    // Opened only by the hidden Models menu item mnuMultiperiodB.
    ctx.registry.registerWindow(widgets::WindowId::MultiperiodB, [&ctx] { return new MultiperiodBWindow(ctx); });
}

}  // namespace tervalo::stochastic
