// frmBrowser: the address bar, the load with and without a starting address,
// Enter typed into the focused address box, the margins after resizing, Help > Support twice;
// the address rules and the Chromium flags as tables. Pages are local files:
// an interceptor refuses every request that would leave the machine.
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "browser/BrowserWindow.h"
#include "rtf/Twips.h"
#include "shell/MainWindow.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using browser::BrowserWindow;

namespace {

const QString kPageTitle = "Tervalo local test page";
const int kLoadMs = 30000;

// Records every request and blocks those that are not for a local file.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        requests << info.requestUrl();
        if (info.requestUrl().scheme() != "file") info.block(true);
    }
    QList<QUrl> requests;
};

}  // namespace

class BrowserWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    QTemporaryDir m_dir;
    QString m_page;
    LocalOnly m_interceptor;
    QPointer<BrowserWindow> m_w;

    BrowserWindow* openWindow(const QString& startingAddress) {
        m_w = new BrowserWindow(m_t->ctx);
        m_w->setStartingAddress(startingAddress);
        m_w->show();
        return m_w;
    }
    QComboBox* box() const { return m_w->findChild<QComboBox*>("cboAddress"); }
    // As a user types: Alt+A (the label's key) to the address box, Ctrl+A and Delete, the address, Enter.
    void typeAddress(const QString& address, Qt::Key enter = Qt::Key_Return) const {
        QVERIFY(QTest::qWaitForWindowActive(m_w));
        QTest::keyClick(m_w, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), box());
        QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Delete);
        QTest::keyClicks(box(), address);
        QTest::keyClick(box(), enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_page = m_dir.filePath("page.html");
        QFile f(m_page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            ("<html><head><title>" + kPageTitle + "</title></head><body><p>Local page.</p></body></html>").toUtf8());
        f.close();
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_interceptor);
    }
    void init() {
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_interceptor.requests.clear();
    }
    void cleanup() {
        delete m_w;
        m_t.reset();
    }

    // --- rules without a window
    void addressUrl_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("file URL") << "file:///tmp/page.html"
                                  << "file:///tmp/page.html";
        QTest::newRow("local path") << "/tmp/page.html"
                                    << "file:///tmp/page.html";
        QTest::newRow("host") << "example.org"
                              << "http://example.org";
        QTest::newRow("host and port") << "localhost:8080"
                                       << "http://localhost:8080";
        QTest::newRow("local address") << "127.0.0.1:8080/a"
                                       << "http://127.0.0.1:8080/a";
        QTest::newRow("https kept") << "https://tervalo.example.org/support"
                                    << "https://tervalo.example.org/support";
        QTest::newRow("about") << "about:blank"
                               << "about:blank";
        QTest::newRow("padded") << "  file:///tmp/a b.html  "
                                << "file:///tmp/a%20b.html";
    }
    void addressUrl() {
        QFETCH(QString, text);
        QFETCH(QString, url);
        QCOMPARE(BrowserWindow::addressUrl(text).toString(QUrl::FullyEncoded), url);
    }

    void chromiumFlags_data() {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<bool>("root");
        QTest::addColumn<QByteArray>("flags");
        QTest::newRow("root, none") << QByteArray() << true << QByteArray("--no-sandbox");
        QTest::newRow("root, blank") << QByteArray("  ") << true << QByteArray("--no-sandbox");
        QTest::newRow("root, others kept")
            << QByteArray("--disable-gpu") << true << QByteArray("--disable-gpu --no-sandbox");
        QTest::newRow("root, already there")
            << QByteArray("--no-sandbox --disable-gpu") << true << QByteArray("--no-sandbox --disable-gpu");
        QTest::newRow("root, a longer flag is not it")
            << QByteArray("--no-sandbox-x") << true << QByteArray("--no-sandbox-x --no-sandbox");
        QTest::newRow("user, none") << QByteArray() << false << QByteArray();
        QTest::newRow("user, others") << QByteArray("--disable-gpu") << false << QByteArray("--disable-gpu");
    }
    void chromiumFlags() {
        QFETCH(QByteArray, current);
        QFETCH(bool, root);
        QFETCH(QByteArray, flags);
        QCOMPARE(BrowserWindow::chromiumFlags(current, root), flags);
    }

    // --- the window
    void constructionStartsNoBrowser() {
        BrowserWindow w(m_t->ctx);
        QVERIFY(!w.browser());
        QVERIFY(!w.findChild<QWebEngineView*>());
        QCOMPARE(w.objectName(), QString("frmBrowser"));
        auto* label = w.findChild<QLabel*>("lblAddress");
        QCOMPARE(label->text(), QString("&Address:"));
        QCOMPARE(label->buddy(), w.findChild<QComboBox*>("cboAddress"));
        QCOMPARE(label->parentWidget()->objectName(), QString("picAddress"));
        QVERIFY(w.findChild<QComboBox*>("cboAddress")->isEditable());
        QCOMPARE(w.findChild<QComboBox*>("cboAddress")->currentText(), BrowserWindow::kDesignedAddress);
        auto* timer = w.findChild<QTimer*>("timTimer");
        QCOMPARE(timer->interval(), 5);
        QVERIFY(!timer->isActive());
    }

    void emptyStartingAddressNavigatesNowhere() {
        openWindow("");
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        QVERIFY(m_w->browser());
        QCOMPARE(m_w->browser()->objectName(), QString("brwWebBrowser"));
        QTest::qWait(200);
        QCOMPARE(navigations.count(), 0);
        QVERIFY(m_w->browser()->url().isEmpty());
        QCOMPARE(box()->currentText(), BrowserWindow::kDesignedAddress);
        QCOMPARE(box()->count(), 0);
        QCOMPARE(m_w->windowTitle(), BrowserWindow::kCaption);
        QVERIFY(!m_w->findChild<QTimer*>("timTimer")->isActive());
        QVERIFY(m_interceptor.requests.isEmpty());
    }

    void startingAddressLoadsOnceAndJoinsTheList() {
        const QString address = QUrl::fromLocalFile(m_page).toString();
        m_w = new BrowserWindow(m_t->ctx);
        m_w->setStartingAddress(address);
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        m_w->show();
        QCOMPARE(navigations.count(), 1);
        QCOMPARE(box()->currentText(), address);
        QCOMPARE(box()->count(), 1);
        QCOMPARE(box()->itemText(0), address);
        QTRY_COMPARE_WITH_TIMEOUT(m_w->windowTitle(), kPageTitle, kLoadMs);
        QTRY_VERIFY(!m_w->findChild<QTimer*>("timTimer")->isActive());
        m_w->hide();
        m_w->show();
        QCOMPARE(navigations.count(), 1);
    }

    void enterOnALocalPageShowsWorkingThenItsTitle_data() {
        QTest::addColumn<bool>("asUrl");
        QTest::addColumn<int>("enter");
        QTest::newRow("file URL") << true << int(Qt::Key_Return);
        QTest::newRow("path, no scheme") << false << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << true << int(Qt::Key_Enter);
    }
    void enterOnALocalPageShowsWorkingThenItsTitle() {
        QFETCH(bool, asUrl);
        QFETCH(int, enter);
        openWindow("");
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        QSignalSpy captions(m_w.data(), &QWidget::windowTitleChanged);
        typeAddress(asUrl ? QUrl::fromLocalFile(m_page).toString() : m_page, Qt::Key(enter));
        QTRY_COMPARE_WITH_TIMEOUT(m_w->windowTitle(), kPageTitle, kLoadMs);
        QStringList seen;
        for (const QList<QVariant>& c : captions)
            seen << c.at(0).toString();
        QVERIFY2(seen.size() >= 2, qPrintable(seen.join('|')));
        QCOMPARE(seen.first(), QString("Working..."));
        QCOMPARE(seen.last(), kPageTitle);
        QCOMPARE(navigations.count(), 1);
        QCOMPARE(navigations.at(0).at(0).toUrl(), QUrl::fromLocalFile(m_page));
        QCOMPARE(m_w->browser()->url(), QUrl::fromLocalFile(m_page));
        QCOMPARE(box()->count(), 0);  // Enter adds nothing to the list
    }

    void enterOnAnEmptyAddressGoesNowhere() {
        openWindow("");
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        typeAddress("");
        QTest::qWait(50);
        QCOMPARE(navigations.count(), 0);
        QCOMPARE(m_w->windowTitle(), BrowserWindow::kCaption);
        QVERIFY(!m_w->findChild<QTimer*>("timTimer")->isActive());
    }

    void choosingAListEntryNavigates() {
        const QString address = QUrl::fromLocalFile(m_page).toString();
        openWindow(address);
        QTRY_COMPARE_WITH_TIMEOUT(m_w->windowTitle(), kPageTitle, kLoadMs);
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        emit box()->activated(0);
        QCOMPARE(navigations.count(), 1);
        QCOMPARE(navigations.at(0).at(0).toUrl(), QUrl(address));
        QTRY_COMPARE_WITH_TIMEOUT(m_w->windowTitle(), kPageTitle, kLoadMs);
    }

    void resizingKeepsTheMargins_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("boxWidth");  // (width * 15 - 100) / 15 twips, rounded
        QTest::newRow("600 x 400") << QSize(600, 400) << 593;
        QTest::newRow("333 x 277") << QSize(333, 277) << 326;
        QTest::newRow("1000 x 700") << QSize(1000, 700) << 993;
    }
    void resizingKeepsTheMargins() {
        QFETCH(QSize, size);
        QFETCH(int, boxWidth);
        openWindow("");
        m_w->resize(size);
        QTRY_COMPARE(m_w->size(), size);
        const QRect bar = m_w->findChild<QWidget*>("picAddress")->geometry();
        const QRect combo = box()->geometry();
        const QRect browser = m_w->browser()->geometry();
        QCOMPARE(combo.width(), boxWidth);
        QCOMPARE(combo.x(), rtf::Twips::toPixels(50));
        QCOMPARE(bar.width(), size.width());
        QCOMPARE(browser.top(), bar.y() + bar.height());
        QCOMPARE(browser.width(), boxWidth);
        // 100 twips right of and below the browser: 7 pixels.
        QCOMPARE(size.width() - (browser.x() + browser.width()), 7);
        QCOMPARE(size.height() - (browser.y() + browser.height()), 7);
    }

    void supportTwiceNavigatesOnce() {
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        auto main = std::make_unique<shell::MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = main.get();
        main->show();
        main->menuAction("mnuSupport")->trigger();
        m_w = qobject_cast<BrowserWindow*>(m_t->registry.existing(widgets::WindowId::Browser));
        QVERIFY(m_w);
        QSignalSpy navigations(m_w.data(), &BrowserWindow::navigating);
        main->menuAction("mnuSupport")->trigger();
        QCOMPARE(m_t->notifier.texts(), QStringList());
        QCOMPARE(navigations.count(), 0);  // the second Support
        QCOMPARE(m_t->registry.existing(widgets::WindowId::Browser), m_w.data());
        QCOMPARE(m_w->startingAddress(), QString("https://tervalo.example.org/support"));
        QCOMPARE(box()->count(), 1);
        QCOMPARE(box()->currentText(), QString("https://tervalo.example.org/support"));
        auto* sub = qobject_cast<QMdiSubWindow*>(m_w->parentWidget());
        QVERIFY(sub);
        QVERIFY(sub->isMaximized());
        sub->showNormal();  // restored: the designed height (the width as the area allows), not a title bar
        QTRY_COMPARE(m_w->height(), BrowserWindow::kDesignedSize.height());
        // One request for the page (refused here: tests never leave the machine).
        QTRY_VERIFY_WITH_TIMEOUT(!m_interceptor.requests.isEmpty(), kLoadMs);
        QTest::qWait(300);
        QCOMPARE(m_interceptor.requests, QList<QUrl>{QUrl("https://tervalo.example.org/support")});
        m_w = nullptr;  // the main window's area owns it
    }
};

// WebEngine offscreen, as root, without a GPU: the flags go in before the QApplication.
// WebEngine, linked here, makes its OpenGL share context with the QApplication.
int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    BrowserWindowTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "BrowserWindowTest.moc"
