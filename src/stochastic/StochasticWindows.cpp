#include "stochastic/StochasticWindows.h"

#include "stochastic/SinglePeriodCWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) {
    ctx.registry.registerWindow(QStringLiteral("frmSinglePeriodC"), [&ctx] { return new SinglePeriodCWindow(ctx); });
}

}  // namespace tervalo::stochastic
