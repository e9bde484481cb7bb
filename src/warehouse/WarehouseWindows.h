#pragma once
// Registers the sales-data warehouse's windows (item card, search, data
// source, write-back settings, log) with the window registry.
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx);

}  // namespace tervalo::warehouse
