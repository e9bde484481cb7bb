#pragma once
// Registers the stochastic-demand model windows with the window registry under
// their WindowIds, so the menus can show or open them fresh.
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::stochastic {

void registerStochasticWindows(widgets::AppContext& ctx);

}  // namespace tervalo::stochastic
