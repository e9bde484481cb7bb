#include "warehouse/WarehouseWindows.h"

#include <QMainWindow>

#include "warehouse/DataSourceDialog.h"
#include "warehouse/ImportData.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

void registerWarehouseWindows(widgets::AppContext& ctx) {
    // ---- item card and search -------------------------------------------------------

    // ---- import ---------------------------------------------------------------------
    // The data source dialog, in front of the main window. Closing it with Yes
    // runs the import; the item card gives it a hook of its own that also
    // shows the log and refreshes the card.
    ctx.registry.registerWindow(QStringLiteral("frmDataSource"), [&ctx] {
        auto* dialog = new DataSourceDialog(ctx, DataSourceDialog::ImportHook(), ctx.mainWindow);
        dialog->setImportHook([&ctx, dialog](const QString& dataType, const QString& dataPath) {
            importData(ctx, dialog, dataType, dataPath);
        });
        return dialog;
    });

    // ---- log, batch analysis and write-back -----------------------------------------
}

}  // namespace tervalo::warehouse
