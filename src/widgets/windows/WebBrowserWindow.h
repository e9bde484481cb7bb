#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include <QObject>
#include <QString>

class QWidget;

namespace tervalo::widgets {

struct AppContext;

// frmBrowser, the web browser: the address it goes to when first shown.
class WebBrowserWindow {
public:
    virtual ~WebBrowserWindow() = default;
    virtual void setStartingAddress(const QString& address) = 0;
};

// What the web browser's library (a Qt plugin, loaded when frmBrowser is first
// asked for) gives the program: a new frmBrowser, unshown and without a parent,
// that is a WebBrowserWindow.
class WebBrowserWindowMaker {
public:
    virtual ~WebBrowserWindowMaker() = default;
    virtual QWidget* makeWindow(AppContext& ctx) = 0;
};

}  // namespace tervalo::widgets

#define TERVALO_WEB_BROWSER_WINDOW_MAKER_IID "org.tervalo.WebBrowserWindowMaker/1.0"
Q_DECLARE_INTERFACE(tervalo::widgets::WebBrowserWindowMaker, TERVALO_WEB_BROWSER_WINDOW_MAKER_IID)
