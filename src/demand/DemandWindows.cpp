#include "demand/DemandWindows.h"

#include "demand/DemandHistoryWindow.h"
#include "demand/RegressionWindow.h"
#include "widgets/AppContext.h"
#include "widgets/FileNameDialogs.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

void registerDemandWindows(widgets::AppContext& ctx) {
    // ---- demand estimation ----------------------------------------------------------
    ctx.registry.registerWindow(QStringLiteral("frmD1"),
                                [&ctx] { return new DemandHistoryWindow(ctx, widgets::QtFileNameDialogs::shared()); });
    ctx.registry.registerWindow(QStringLiteral("frmD2"), [&ctx] { return new RegressionWindow(ctx); });

    // ---- model wizard ---------------------------------------------------------------
}

}  // namespace tervalo::demand
