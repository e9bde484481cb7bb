#include "stochastic/StochasticWindows.h"

#include "stochastic/SinglePeriodDWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) {
    ctx.registry.registerWindow(QStringLiteral("frmSinglePeriodD"), [&ctx] { return new SinglePeriodDWindow(ctx); });
}

}  // namespace tervalo::stochastic
