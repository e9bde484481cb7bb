#include "app/WindowCatalog.h"

#include "lotsize/LotSizeWindows.h"
#include "widgets/AppContext.h"

namespace tervalo::app {

void registerWindows(widgets::AppContext& ctx) {
    // ---- lot-size windows -------------------------------------------------------
    lotsize::registerLotSizeWindows(ctx);

    // ---- stochastic-demand windows ----------------------------------------------

    // ---- reports, wizard and demand estimation, warehouse -------------------------

    // ---- small windows: about, options, web browser -------------------------------
}

}  // namespace tervalo::app
