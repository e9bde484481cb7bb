#pragma once
// frmBrowser, the web browser of Help > Support, comes from the browser library
// in the executable's folder. The library brings Qt WebEngine and, through it,
// the OpenGL driver; the program loads it only when the window is first asked
// for, so that start-up stays as light as a bare Qt window.
//
//   registry.registerWindow(widgets::WindowId::Browser, [&ctx] { return shell::makeWebBrowserWindow(ctx); });
//
// A library that cannot be loaded, or is not the program's browser, raises a
// run-time error with the reason; the menu item shows it.
#include <QString>

class QWidget;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

// A new frmBrowser, unshown, from the library (loaded on the first call).
QWidget* makeWebBrowserWindow(widgets::AppContext& ctx);

// Where the library is looked for: next to the executable.
QString webBrowserLibraryPath();

}  // namespace tervalo::shell
