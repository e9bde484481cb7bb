#include "warehouse/WarehouseWindows.h"

#include "warehouse/DataConfigDialog.h"
#include "warehouse/WriteBackTarget.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx) {
    // ---- item card and search -------------------------------------------------------

    // ---- import ---------------------------------------------------------------------

    // ---- log, batch analysis and write-back -----------------------------------------
    ctx.registry.registerWindow(QStringLiteral("frmDataConfig"), [&ctx] {
        // The item card keeps the target for the write-back run (created when needed).
        return new DataConfigDialog(ctx, [&ctx](const WriteBackTarget& target) {
            if (auto* card = ctx.registry.instanceAs<WriteBackTargetReceiver>(QStringLiteral("frmSalesData")))
                card->getUpdateInfo(target);
        });
    });
}

}  // namespace tervalo::warehouse
