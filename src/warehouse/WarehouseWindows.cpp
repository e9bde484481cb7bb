#include "warehouse/WarehouseWindows.h"

#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx) {
    // ---- item card and search -------------------------------------------------------

    // ---- import ---------------------------------------------------------------------

    // ---- log, batch analysis and write-back -----------------------------------------
    (void)ctx;
}

}  // namespace tervalo::warehouse
