#include "stochastic/StochasticWindows.h"

#include "stochastic/MultiperiodAWindow.h"
#include "stochastic/SinglePeriodDWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) {
    ctx.registry.registerWindow(QStringLiteral("frmSinglePeriodD"), [&ctx] { return new SinglePeriodDWindow(ctx); });
    ctx.registry.registerWindow(QStringLiteral("frmMultiperiodA"), [&ctx] { return new MultiperiodAWindow(ctx); });
}

}  // namespace tervalo::stochastic
