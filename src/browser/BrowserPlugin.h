#pragma once
// The browser library's entry: the program loads the library with QPluginLoader
// when frmBrowser is first asked for (shell/BrowserLibrary.h) and makes the
// window through this plugin's WebBrowserWindowMaker interface. Loading it
// prepares the process for WebEngine (the Chromium flags run as root) before
// the first web view starts it.
#include <QObject>

#include "widgets/windows/WebBrowserWindow.h"

namespace tervalo::browser {

class BrowserPlugin : public QObject, public widgets::WebBrowserWindowMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TERVALO_WEB_BROWSER_WINDOW_MAKER_IID)
    Q_INTERFACES(tervalo::widgets::WebBrowserWindowMaker)
public:
    BrowserPlugin();
    QWidget* makeWindow(widgets::AppContext& ctx) override;
};

}  // namespace tervalo::browser
