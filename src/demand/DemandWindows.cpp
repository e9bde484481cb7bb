#include "demand/DemandWindows.h"

#include <QMainWindow>

#include "demand/DemandHistoryWindow.h"
#include "demand/RegressionWindow.h"
#include "demand/WizardCostsWindow.h"
#include "demand/WizardDemandDataWindow.h"
#include "demand/WizardDemandKindWindow.h"
#include "demand/WizardItemWindow.h"
#include "widgets/AppContext.h"
#include "widgets/FileNameDialogs.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

void registerDemandWindows(widgets::AppContext& ctx) {
    // ---- demand estimation ----------------------------------------------------------
    ctx.registry.registerWindow(widgets::WindowId::D1,
                                [&ctx] { return new DemandHistoryWindow(ctx, widgets::QtFileNameDialogs::shared()); });
    ctx.registry.registerWindow(widgets::WindowId::D2, [&ctx] { return new RegressionWindow(ctx); });

    // ---- model wizard ---------------------------------------------------------------
    // Top-level windows owned by the main window (read when a step is made), so
    // that none becomes one of its child windows.
    ctx.registry.registerWindow(WizardForms::kStep1, [&ctx] { return new WizardItemWindow(ctx, ctx.mainWindow); });
    ctx.registry.registerWindow(WizardForms::kStep2,
                                [&ctx] { return new WizardDemandKindWindow(ctx, ctx.mainWindow); });
    ctx.registry.registerWindow(WizardForms::kStep3,
                                [&ctx] { return new WizardDemandDataWindow(ctx, ctx.mainWindow); });
    ctx.registry.registerWindow(WizardForms::kStep4,
                                [&ctx] { return new WizardCostsWindow(ctx, nullptr, ctx.mainWindow); });
}

}  // namespace tervalo::demand
