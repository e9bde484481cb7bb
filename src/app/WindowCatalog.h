#pragma once
// The one place that knows every subsystem: it tells the window registry how
// to make every window, by its WindowId. A model window is made as
// `new XWindow(ctx, nullptr)`: without a parent, the registry shows it as a
// child window of the main window.
//
// A window that other parts of the program drive implements one of the typed
// interfaces of widgets/windows/ (frmReport: ReportListWindow,
// frmSalesData: SalesDataWindow, frmBrowser: WebBrowserWindow, frmPurchaseSA
// and frmManufSA: their run entries); callers reach it as that interface.
// frmAbout and frmOptions are modal: make them QDialogs owned by ctx.mainWindow.
//
// `reportOutput` is where the report browser's Print and Preview go: the
// program's report layouts, or a recording stand-in in tests. It must outlive
// the registry.
namespace tervalo::widgets {
struct AppContext;
}
namespace tervalo::reports {
class ReportOutput;
}
namespace tervalo::jobs {
class SinglePeriodCalculator;
}

namespace tervalo::app {

void registerWindows(widgets::AppContext& ctx, reports::ReportOutput& reportOutput);

// The single-period calculation without its window, as the batch analysis runs it.
const jobs::SinglePeriodCalculator& singlePeriodCalculator();

}  // namespace tervalo::app
