#pragma once
// "Purchasing Model: All-Units Discounts" (frmAllUnitDiscount): an order beyond the
// break point is priced entirely at the discount price.
#include "lotsize/DiscountWindow.h"

namespace tervalo::lotsize {

class AllUnitDiscountWindow : public DiscountWindow {
    Q_OBJECT
public:
    explicit AllUnitDiscountWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tervalo::lotsize
