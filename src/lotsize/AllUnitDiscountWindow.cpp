#include "lotsize/AllUnitDiscountWindow.h"

namespace tervalo::lotsize {

AllUnitDiscountWindow::AllUnitDiscountWindow(widgets::AppContext& ctx, QWidget* parent)
    : DiscountWindow(ctx, DiscountWindowDescription::allUnits(), parent) {}

}  // namespace tervalo::lotsize
