// The help window: following the contents' links, Back (button and Alt+Left)
// enabled only when there is a page to return to, Esc closing the window, and
// every window of the program having a page, reached from the contents, that
// names the window's title, buttons, menu items and boxes as they read and
// gives the results of its worked example.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "platform/TextReportWindow.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/StartingWindow.h"
#include "shell/documents/DocumentWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "warehouse/import/SampleFileViewer.h"

using tervalo::shell::HelpWindow;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

namespace {

const QString kIndex = QStringLiteral("qrc:/help/index.html");

QTextBrowser* browser(QWidget& w) { return w.findChild<QTextBrowser*>(QStringLiteral("txtHelp")); }
QToolButton* backButton(QWidget& w) { return w.findChild<QToolButton*>(QStringLiteral("cmdBack")); }

// Clicks the link whose text is `text` the way the user does, on the page.
bool clickLink(QTextBrowser* b, const QString& text) {
    QTextCursor found = b->document()->find(text);
    while (!found.isNull() && !found.charFormat().isAnchor())
        found = b->document()->find(text, found);
    if (found.isNull()) return false;
    QTextCursor inside(b->document());
    inside.setPosition(found.selectionStart() + 1);
    b->setTextCursor(inside);
    b->ensureCursorVisible();
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, b->cursorRect(inside).center() + QPoint(1, 0));
    return true;
}

// A button's caption as the user reads it: without the mnemonic marker.
QString shown(const QString& caption) { return QString(caption).remove('&'); }

// The pages the contents link to.
QStringList contentsLinks() {
    HelpWindow help;
    help.showPage(QStringLiteral(":/help/index.html"));
    QStringList pages;
    for (QTextBlock block = browser(help)->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            pages << QUrl(it.fragment().charFormat().anchorHref()).path();
    return pages;
}

// A window as the program makes it: through the catalogue, or as its opener does.
std::unique_ptr<QWidget> makeWindow(WindowTestContext& t, const QString& form) {
    using namespace tervalo;
    const std::optional<widgets::WindowId> id = widgets::windowIdOf(form);  // none for the text report
    if (id && t.registry.isRegistered(*id)) return std::unique_ptr<QWidget>(t.registry.instance(*id));
    if (form == "frmMain") return std::make_unique<shell::MainWindow>(t.ctx);
    if (form == "frmStarting") return std::make_unique<shell::StartingWindow>();
    if (form == "frmSplash") return std::make_unique<shell::SplashWindow>();
    if (form == "frmHelp") return std::make_unique<HelpWindow>();
    if (form == "frmSampleFile") return std::make_unique<warehouse::SampleFileViewer>("ITSCarHonda.txt", "");
    if (form == "TextReportWindow")
        return std::make_unique<platform::TextReportWindow>("Single-Period Model: Discrete Demand");
    if (form == "frmDocument") {
        auto document = std::make_unique<shell::DocumentWindow>();
        document->setWindowTitle("Document 1");
        return document;
    }
    return nullptr;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linkFromContentsAndBack_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("purchasing") << "Purchasing: no shortages"
                                    << "purchasing-no-shortages.html"
                                    << "Tervalo Help - Purchasing: no shortages";
        QTest::newRow("manufacturing, shortages") << "Manufacturing: shortages allowed"
                                                  << "manufacturing-shortages.html"
                                                  << "Tervalo Help - Manufacturing: shortages allowed";
        QTest::newRow("all-units") << "Quantity discounts: all-units"
                                   << "all-units-discount.html"
                                   << "Tervalo Help - Quantity discounts: all-units";
    }
    void linkFromContentsAndBack() {
        QFETCH(QString, link);
        QFETCH(QString, page);
        QFETCH(QString, title);
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTextBrowser* b = browser(w);
        QVERIFY(!backButton(w)->isEnabled());

        QVERIFY2(clickLink(b, link), qPrintable(link));
        QTRY_COMPARE(b->source().fileName(), page);
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(backButton(w)->isEnabled());
        QCOMPARE(backButton(w)->text(), QString("Back"));

        QTest::mouseClick(backButton(w), Qt::LeftButton);
        QCOMPARE(b->source().toString(), kIndex);
        QCOMPARE(w.windowTitle(), QString("Tervalo Help - Contents"));
        QVERIFY(!backButton(w)->isEnabled());
        // At the first page Back has nowhere to go.
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().toString(), kIndex);
    }

    void altLeftGoesBackWhereverTheFocusIs() {
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTextBrowser* b = browser(w);
        QVERIFY(clickLink(b, QStringLiteral("Quantity discounts: incremental")));
        QTRY_COMPARE(b->source().fileName(), QString("incremental-discount.html"));
        QVERIFY(clickLink(b, QStringLiteral("Contents")));
        QTRY_COMPARE(b->source().toString(), kIndex);

        b->setFocus();
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().fileName(), QString("incremental-discount.html"));
        backButton(w)->setFocus();
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().toString(), kIndex);
        QVERIFY(!backButton(w)->isEnabled());
        QVERIFY(w.isVisible());
    }

    void escapeClosesTheWindow() {
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html#keywords"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        browser(w)->setFocus();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // The page of each window, read against the window itself.
    void pageNamesTheControlsAndTheExampleResults_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("page");
        QTest::newRow("purchasing") << "frmPurchaseNS"
                                    << "purchasing-no-shortages.html";
        QTest::newRow("purchasing, shortages") << "frmPurchaseSA"
                                               << "purchasing-shortages.html";
        QTest::newRow("manufacturing") << "frmManufNS"
                                       << "manufacturing-no-shortages.html";
        QTest::newRow("manufacturing, shortages") << "frmManufSA"
                                                  << "manufacturing-shortages.html";
        QTest::newRow("incremental") << "frmIncrementalDiscount"
                                     << "incremental-discount.html";
        QTest::newRow("all-units") << "frmAllUnitDiscount"
                                   << "all-units-discount.html";
        QTest::newRow("single period, continuous") << "frmSinglePeriodC"
                                                   << "single-period-continuous.html";
        QTest::newRow("single period, discrete") << "frmSinglePeriodD"
                                                 << "single-period-discrete.html";
        QTest::newRow("aspiration level") << "frmMultiperiodA"
                                          << "aspiration-level.html";
        QTest::newRow("continuous review") << "frmMultiperiodB"
                                           << "continuous-review.html";
        QTest::newRow("text report") << "TextReportWindow"
                                     << "text-report.html";
        QTest::newRow("report browser") << "frmReport"
                                        << "report-browser.html";
        QTest::newRow("demand history") << "frmD1"
                                        << "demand-history.html";
        QTest::newRow("regression") << "frmD2"
                                    << "regression.html";
        QTest::newRow("wizard, step 1") << "frmWizard"
                                        << "wizard.html";
        QTest::newRow("wizard, step 2") << "frmW1"
                                        << "wizard.html";
        QTest::newRow("wizard, step 3") << "frmW2"
                                        << "wizard.html";
        QTest::newRow("wizard, step 4") << "frmW3"
                                        << "wizard.html";
        QTest::newRow("item card") << "frmSalesData"
                                   << "item-card.html";
        QTest::newRow("item search") << "frmFindItem"
                                     << "item-search.html";
        QTest::newRow("data source") << "frmDataSource"
                                     << "import.html";
        QTest::newRow("sample file") << "frmSampleFile"
                                     << "import.html";
        QTest::newRow("log") << "frmLog"
                             << "analysis.html";
        QTest::newRow("update database") << "frmDataConfig"
                                         << "write-back.html";
        QTest::newRow("main window") << "frmMain"
                                     << "main-window.html";
        QTest::newRow("switch board") << "frmStarting"
                                      << "main-window.html";
        QTest::newRow("splash") << "frmSplash"
                                << "main-window.html";
        QTest::newRow("documents") << "frmDocument"
                                   << "documents.html";
        QTest::newRow("about") << "frmAbout"
                               << "about.html";
        QTest::newRow("options") << "frmOptions"
                                 << "options.html";
        QTest::newRow("login") << "frmLogin"
                               << "login.html";
        QTest::newRow("web browser") << "frmBrowser"
                                     << "web-browser.html";
        QTest::newRow("help") << "frmHelp"
                              << "index.html";
    }
    void pageNamesTheControlsAndTheExampleResults() {
        QFETCH(QString, form);
        QFETCH(QString, page);
        WindowTestContext t;
        tervalo::app::registerWindows(t.ctx, t.reportOutput);
        std::unique_ptr<QWidget> window = makeWindow(t, form);
        QVERIFY(window);
        QVERIFY(page == "index.html" || contentsLinks().contains(page));
        HelpWindow help;
        help.showPage(":/help/" + page);
        const QString text = browser(help)->toPlainText();

        QStringList missing{window->windowTitle()};
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            missing << shown(button->text());
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy()) missing << shown(label->text()).trimmed();
        for (const QMenu* menu : window->findChildren<QMenu*>())
            for (const QAction* action : menu->menuAction()->isVisible() ? menu->actions() : QList<QAction*>())
                if (action->isVisible() && !action->isSeparator()) missing << shown(action->text()).trimmed();
        missing.removeIf([&text](const QString& caption) { return text.contains(caption); });

        QPushButton* example = window->findChild<QPushButton*>("cmdExample");
        if (!example) {
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
            return;
        }
        example->click();
        QVERIFY(t.notifier.messages.isEmpty());
        for (const QLineEdit* result : window->findChildren<QLineEdit*>())
            if (result->isReadOnly() && !text.contains(result->text().trimmed())) missing << result->text();
        const QString total = costColumn(*window, 1).last();
        if (!text.contains(total)) missing << total;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
    }

    // The contents reach every page, and no page says that a window is still to come.
    void contentsReachEveryPage() {
        const QStringList linked = contentsLinks();
        QStringList unreached;
        for (const QString& page : QDir(":/help").entryList({"*.html"})) {
            if (page != "index.html" && !linked.contains(page)) unreached << page;
            HelpWindow help;
            help.showPage(":/help/" + page);
            const QString text = browser(help)->toPlainText();
            for (const char* phrase : {"not in this version", "still to come"})
                if (text.contains(phrase, Qt::CaseInsensitive)) unreached << page + ": " + phrase;
        }
        QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(" | ")));
    }

    // Every link of every page, the contents' keyword list included, leads to a shipped page.
    void everyLinkLeadsToAPage() {
        QStringList broken;
        for (const QString& page : QDir(":/help").entryList({"*.html"})) {
            HelpWindow help;
            help.showPage(":/help/" + page);
            for (QTextBlock block = browser(help)->document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QString href = it.fragment().charFormat().anchorHref();
                    if (!href.isEmpty() && !QFile::exists(":/help/" + QUrl(href).path()))
                        broken << page + " -> " + href;
                }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(" | ")));
    }
};

TERVALO_QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
