#include "lotsize/IncrementalDiscountWindow.h"

namespace tervalo::lotsize {

IncrementalDiscountWindow::IncrementalDiscountWindow(widgets::AppContext& ctx, QWidget* parent)
    : DiscountWindow(ctx, DiscountWindowDescription::incremental(), parent) {}

}  // namespace tervalo::lotsize
