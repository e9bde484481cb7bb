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
void add(widgets::AppContext& ctx, const char* formName) {
    ctx.registry.registerWindow(QString::fromLatin1(formName), [&ctx] { return new Window(ctx); });
}

}  // namespace

void registerLotSizeWindows(widgets::AppContext& ctx) {
    add<PurchaseNsWindow>(ctx, "frmPurchaseNS");
    add<PurchaseSaWindow>(ctx, "frmPurchaseSA");
    add<ManufNsWindow>(ctx, "frmManufNS");
    add<ManufSaWindow>(ctx, "frmManufSA");
    add<IncrementalDiscountWindow>(ctx, "frmIncrementalDiscount");
    add<AllUnitDiscountWindow>(ctx, "frmAllUnitDiscount");
}

}  // namespace tervalo::lotsize
