#include "stochastic/StochasticWindows.h"

#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx) { (void)ctx; }

}  // namespace tervalo::stochastic
