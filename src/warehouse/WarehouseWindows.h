#pragma once
// Registers the sales-data warehouse's windows (item card, search, data
// source, write-back settings, log) with the window registry.
namespace tervalo::widgets {
struct AppContext;
}
namespace tervalo::jobs {
class SinglePeriodCalculator;
}

namespace tervalo::warehouse {

// `calculator` runs the single-period model without its window for the batch
// analysis; it must outlive the registry.
void registerWarehouseWindows(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator);

}  // namespace tervalo::warehouse
