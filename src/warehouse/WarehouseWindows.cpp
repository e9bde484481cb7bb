#include "warehouse/WarehouseWindows.h"

#include <QMainWindow>

#include "jobs/WriteBackTarget.h"
#include "warehouse/card/FindItemWindow.h"
#include "warehouse/card/SalesDataWindow.h"
#include "warehouse/import/DataSourceDialog.h"
#include "warehouse/import/ImportData.h"
#include "warehouse/runs/DataConfigDialog.h"
#include "warehouse/runs/LogWindow.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator) {
    // ---- item card and search -------------------------------------------------------
    // The card keeps one instance for the run: the panel, the toolbar and the Data menu reach it.
    ctx.registry.registerWindow(widgets::WindowId::SalesData,
                                [&ctx, &calculator] { return new SalesDataWindow(ctx, calculator); });
    ctx.registry.registerWindow(widgets::WindowId::FindItem, [&ctx] { return new FindItemWindow(ctx); });

    // ---- import ---------------------------------------------------------------------
    // The data source dialog, in front of the main window. Closing it with Yes
    // runs the import; the item card gives it a hook of its own that also
    // shows the log and refreshes the card.
    ctx.registry.registerWindow(widgets::WindowId::DataSource, [&ctx] {
        auto* dialog = new DataSourceDialog(ctx, DataSourceDialog::ImportHook(), ctx.mainWindow);
        dialog->setImportHook([&ctx, dialog](const QString& dataType, const QString& dataPath) {
            importData(ctx, dialog, dataType, dataPath);
        });
        return dialog;
    });

    // ---- log, batch analysis and write-back -----------------------------------------
    ctx.registry.registerWindow(widgets::WindowId::DataConfig, [&ctx] {
        // The item card keeps the target for the write-back run (created when needed).
        return new DataConfigDialog(ctx, [&ctx](const jobs::WriteBackTarget& target) {
            if (auto* card = ctx.registry.instanceAs<jobs::WriteBackTargetReceiver>(widgets::WindowId::SalesData))
                card->getUpdateInfo(target);
        });
    });
    // One log window for every run; the item card makes its BatchAnalysis with `calculator`.
    ctx.registry.registerWindow(widgets::WindowId::Log, [&ctx] { return new LogWindow(ctx); });
}

}  // namespace tervalo::warehouse
