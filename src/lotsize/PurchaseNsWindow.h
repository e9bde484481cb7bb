#pragma once
// "Purchasing Model: No Shortages" (frmPurchaseNS): the classic economic order
// quantity of a purchased item, with the supplier's-offer what-if.
#include "lotsize/EoqWindow.h"

namespace tervalo::lotsize {

class PurchaseNsWindow : public EoqWindow {
    Q_OBJECT
public:
    explicit PurchaseNsWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
