#pragma once
// The one place that tells the window registry how to make every window, by its
// form name. A model window is made as `new XWindow(ctx, nullptr)`: without a
// parent, the registry shows it as a child window of the main window.
//
// The main window drives some windows through methods or properties they offer
// (looked up by name, so the windows need not be known here):
//   frmReport     Q_INVOKABLE void showList(int list)   1 EOQ, 2 (s,S), 3 single-period uniform, 4 normal
//   frmSalesData  Q_INVOKABLE void actionViaMenu(bool find, bool import, bool analyze)
//   frmBrowser    Q_PROPERTY(QString startingAddress ...)  set before the window is first shown
// frmAbout and frmOptions are modal: make them QDialogs owned by ctx.mainWindow.
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::app {

void registerWindows(widgets::AppContext& ctx);

}  // namespace tervalo::app
