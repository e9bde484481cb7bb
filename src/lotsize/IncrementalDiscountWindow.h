#pragma once
// "Purchasing Model: Incremental Discounts" (frmIncrementalDiscount): the discount
// price applies to the amount ordered beyond the break point.
#include "lotsize/DiscountWindow.h"

namespace tervalo::lotsize {

class IncrementalDiscountWindow : public DiscountWindow {
    Q_OBJECT
public:
    explicit IncrementalDiscountWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tervalo::lotsize
