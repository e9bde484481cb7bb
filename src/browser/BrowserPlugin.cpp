#include "browser/BrowserPlugin.h"

#include "browser/BrowserWindow.h"

namespace tervalo::browser {

BrowserPlugin::BrowserPlugin() { BrowserWindow::prepareProcess(); }

QWidget* BrowserPlugin::makeWindow(widgets::AppContext& ctx) { return new BrowserWindow(ctx); }

}  // namespace tervalo::browser
