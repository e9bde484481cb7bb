#pragma once
// Registers the demand-estimation windows and the model wizard with the
// window registry under their WindowIds.
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::demand {

void registerDemandWindows(widgets::AppContext& ctx);

}  // namespace tervalo::demand
