#include "app/WindowCatalog.h"

#include <QMainWindow>

#include "demand/DemandWindows.h"
#include "lotsize/LotSizeWindows.h"
#include "reports/ReportBrowserWindow.h"
#include "shell/AboutDialog.h"
#include "shell/LoginDialog.h"
#include "shell/OptionsDialog.h"
#include "shell/browser/BrowserLibrary.h"
#include "stochastic/SinglePeriodCalculator.h"
#include "stochastic/StochasticWindows.h"
#include "warehouse/WarehouseWindows.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::app {

const jobs::SinglePeriodCalculator& singlePeriodCalculator() {
    static const stochastic::WindowlessSinglePeriod calculator;
    return calculator;
}

void registerWindows(widgets::AppContext& ctx, reports::ReportOutput& reportOutput) {
    // ---- lot-size windows -------------------------------------------------------
    lotsize::registerLotSizeWindows(ctx);

    // ---- stochastic-demand windows ----------------------------------------------
    stochastic::registerStochasticWindows(ctx);

    // ---- demand estimation and the model wizard -----------------------------------
    demand::registerDemandWindows(ctx);

    // ---- sales-data warehouse -----------------------------------------------------
    // The batch analysis runs the single-period model without its window.
    warehouse::registerWarehouseWindows(ctx, singlePeriodCalculator());

    // ---- reports ------------------------------------------------------------------
    ctx.registry.registerWindow(widgets::WindowId::Report,
                                [&ctx, &reportOutput] { return new reports::ReportBrowserWindow(ctx, reportOutput); });

    // The main window's first frame holds the panel and the largest of the model
    // windows that a menu or the panel opens.
    ctx.registry.setWorkspaceForms(
        {widgets::WindowId::PurchaseNS, widgets::WindowId::PurchaseSA, widgets::WindowId::ManufNS,
         widgets::WindowId::ManufSA, widgets::WindowId::IncrementalDiscount, widgets::WindowId::AllUnitDiscount,
         widgets::WindowId::SinglePeriodC, widgets::WindowId::SinglePeriodD, widgets::WindowId::MultiperiodA});

    // ---- small windows: about, options, web browser -------------------------------
    // Dialogs owned by the main window, which is made after the registration:
    // its pointer is read when a dialog is made.
    ctx.registry.registerWindow(widgets::WindowId::About,
                                [&ctx] { return new shell::AboutDialog(ctx, ctx.mainWindow); });
    ctx.registry.registerWindow(widgets::WindowId::Options,
                                [&ctx] { return new shell::OptionsDialog(ctx, ctx.mainWindow); });
    // No part of the program opens the login dialog.
    ctx.registry.registerWindow(widgets::WindowId::Login,
                                [&ctx] { return new shell::LoginDialog(ctx, ctx.mainWindow); });
    // A child window of the main window, opened by Help > Support, from the
    // browser library, loaded when the window is first asked for.
    ctx.registry.registerWindow(widgets::WindowId::Browser, [&ctx] { return shell::makeWebBrowserWindow(ctx); });
}

}  // namespace tervalo::app
