#include "warehouse/WarehouseWindows.h"

#include "warehouse/DataConfigDialog.h"
#include "warehouse/FindItemWindow.h"
#include "warehouse/SalesDataWindow.h"
#include "warehouse/WriteBackTarget.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx) {
    // ---- item card and search -------------------------------------------------------
    // The card keeps one instance for the run: the panel, the toolbar and the Data menu reach it.
    ctx.registry.registerWindow(QStringLiteral("frmSalesData"), [&ctx] { return new SalesDataWindow(ctx); });
    ctx.registry.registerWindow(QStringLiteral("frmFindItem"), [&ctx] { return new FindItemWindow(ctx); });

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
