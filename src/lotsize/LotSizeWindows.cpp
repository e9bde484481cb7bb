#include "lotsize/LotSizeWindows.h"

#include "lotsize/AllUnitDiscountWindow.h"
#include "lotsize/IncrementalDiscountWindow.h"
#include "lotsize/ManufNsWindow.h"
#include "lotsize/ManufSaWindow.h"
#include "lotsize/PurchaseNsWindow.h"
#include "lotsize/PurchaseSaWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::lotsize {

namespace {

// Each window class is constructed from the program's shared context.
template <class Window>
void add(widgets::AppContext& ctx, widgets::WindowId window) {
    ctx.registry.registerWindow(window, [&ctx] { return new Window(ctx); });
}

}  // namespace

void registerLotSizeWindows(widgets::AppContext& ctx) {
    add<PurchaseNsWindow>(ctx, widgets::WindowId::PurchaseNS);
    add<PurchaseSaWindow>(ctx, widgets::WindowId::PurchaseSA);
    add<ManufNsWindow>(ctx, widgets::WindowId::ManufNS);
    add<ManufSaWindow>(ctx, widgets::WindowId::ManufSA);
    add<IncrementalDiscountWindow>(ctx, widgets::WindowId::IncrementalDiscount);
    add<AllUnitDiscountWindow>(ctx, widgets::WindowId::AllUnitDiscount);
}

}  // namespace tervalo::lotsize
