#pragma once
// "Manufacturing Model: No Shortages" (frmManufNS): the production quantity of
// an item made in-house at a finite production rate.
#include "lotsize/EoqWindow.h"

namespace tervalo::lotsize {

class ManufNsWindow : public EoqWindow {
    Q_OBJECT
public:
    explicit ManufNsWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
