#pragma once
// frmBrowser, the web browser child window: an address bar (picAddress with
// lblAddress and the editable address list cboAddress) over an embedded
// browser (brwWebBrowser). Help > Support sets the starting address, shows the
// window and maximises it. While a page loads the caption reads "Working...";
// once loaded, the page's title.
//
// The window lives in the browser library, which the program loads only when
// frmBrowser is first asked for (BrowserPlugin.h). The browser is made when the
// window is first shown, never at construction, so making the window does not
// start WebEngine. The first show is the window's load: it goes to the starting
// address, if any; showing it again navigates nowhere new.
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "widgets/windows/WebBrowserWindow.h"

class QComboBox;
class QLabel;
class QTimer;
class QWebEngineView;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::browser {

class BrowserWindow : public QWidget, public widgets::WebBrowserWindow {
    Q_OBJECT
public:
    explicit BrowserWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // The caption before any page has loaded.
    static const QString kCaption;

    // The address the window goes to when it loads; empty: none.
    void setStartingAddress(const QString& address) override { m_startingAddress = address; }
    QString startingAddress() const { return m_startingAddress; }

    // What the address box's text navigates to: an address with a scheme as it
    // is, any other through QUrl::fromUserInput; empty (or blank) text: no URL.
    static QUrl addressUrl(const QString& text);

    // The Chromium flags the program runs with: run as root, Chromium refuses
    // to start inside its sandbox, so --no-sandbox is added unless present.
    static QByteArray chromiumFlags(const QByteArray& current, bool root);
    // Sets QTWEBENGINE_CHROMIUM_FLAGS for this process; call before the first
    // web view (WebEngine reads them when it starts; the library's load does).
    static void prepareProcess();

    // The embedded browser; nullptr until the window has been shown.
    QWebEngineView* browser() const { return m_browser; }

    // The designed text of the address box: the maker's web address.
    static const QString kDesignedAddress;
    // Margin, in twips, right of the address box and right of and below the
    // browser, which fills the window's width from its left edge.
    static constexpr int kMarginTwips = 100;

    // The designed size. The window lays its controls out itself, without a
    // layout, so it says its size here: a child window that is restored from
    // maximised, or opened without Support's maximising, takes it.
    QSize sizeHint() const override { return kDesignedSize; }
    static constexpr QSize kDesignedSize{640, 480};

signals:
    // Every navigation the window starts, with its URL.
    void navigating(const QUrl& url);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onCboAddressActivated(int index);
    void onTimTimerTimeout();
    void onBrwWebBrowserLoadFinished(bool ok);

private:
    void formLoad();
    void layOut();
    void navigateTo(const QString& address);
    QString pageTitle() const;

    QWidget* m_picAddress = nullptr;
    QLabel* m_lblAddress = nullptr;
    QComboBox* m_cboAddress = nullptr;
    QWebEngineView* m_browser = nullptr;
    QTimer* m_timTimer = nullptr;
    QString m_startingAddress;
    bool m_loaded = false;
    // From a navigation's request until its page has finished loading.
    bool m_busy = false;
};

}  // namespace tervalo::browser
