// The help window: following the contents' links, Back (button and Alt+Left)
// enabled only when there is a page to return to, Esc closing the window, and
// every window of the program having a page, reached from the contents, that
// names the window's title, buttons, menu items and boxes as they read and
// gives the results of its worked example; and every figure a page quotes is
// the one its window shows when the page's steps are played on it.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
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

// A number as the windows write it: "42", "-171.94", ".70", "1.11022302462516E-16".
const QString kNumber = QStringLiteral(R"([-+]?(?:\d+(?:\.\d*)?|\.\d+)(?:E[-+]?\d+)?)");

// What the window shows at `place`: a box or label by name ("txtS2"), the n-th
// number in one ("Label5#4"), or a grid's cell by its row and column headings
// ("Purchase/%", "Total Cost/No Discount", "6/P (>D)").
QString shownAt(const QWidget& w, const QString& place) {
    if (place.contains('#')) {
        QStringList numbers;
        for (const QRegularExpressionMatch& m :
             QRegularExpression(kNumber).globalMatch(shownAt(w, place.section('#', 0, 0))))
            numbers << m.captured();
        return numbers.value(place.section('#', 1).toInt() - 1, "no number " + place);
    }
    if (place.contains('/')) {
        const QString row = place.section('/', 0, -2), column = place.section('/', -1);
        // A heading is a header of the grid, or a cell of its first row or column.
        for (const QTableWidget* grid : w.findChildren<QTableWidget*>()) {
            const QAbstractItemModel* m = grid->model();
            const auto at = [m](int r, int c) { return m->index(r, c).data().toString(); };
            int r = 0, c = 0;
            while (r < m->rowCount() && m->headerData(r, Qt::Vertical).toString() != row && at(r, 0) != row)
                ++r;
            while (c < m->columnCount() && m->headerData(c, Qt::Horizontal).toString() != column && at(0, c) != column)
                ++c;
            if (r < m->rowCount() && c < m->columnCount()) return at(r, c).simplified();
        }
        return "no cell " + place;
    }
    if (const auto* box = w.findChild<QLineEdit*>(place)) return box->text().simplified();
    if (const auto* label = w.findChild<QLabel*>(place)) return label->text().simplified();
    if (const auto* edit = w.findChild<QPlainTextEdit*>(place)) return edit->toPlainText().simplified();
    return "no control " + place;
}

// Where the figures of `words` differ from the window's: the page must say the
// words, where "{place}" stands for the number shown at `place` and "{*place}"
// for its whole text.
QStringList differences(const QString& page, const QString& words, const QWidget& window) {
    static const QRegularExpression mark(QStringLiteral(R"(\{(\*?)([^}]*)\})"));
    QString pattern;
    QStringList places;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : mark.globalMatch(words)) {
        pattern += QRegularExpression::escape(words.mid(from, m.capturedStart() - from));
        pattern += m.captured(1).isEmpty() ? "(" + kNumber + ")" : QStringLiteral("(.+?)");
        places << m.captured(2);
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(words.mid(from));
    const QRegularExpressionMatch quoted = QRegularExpression(pattern).match(page);
    if (!quoted.hasMatch()) return {"the page does not say: " + words};
    QStringList wrong;
    for (int i = 0; i < places.size(); ++i) {
        const QString shown = shownAt(window, places.at(i));
        if (shown != quoted.captured(i + 1))
            wrong << places.at(i) + ": the page says " + quoted.captured(i + 1) + ", the window " + shown;
    }
    return wrong;
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

    // The figures each page quotes, read against the window: the steps the page
    // describes are played on the window, and every figure the page gives is the
    // one the window shows in its place.
    void pageQuotesTheWindowsFigures_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("steps");       // "+" between steps, as for scripts/screenshot
        QTest::addColumn<QStringList>("quotes");  // the page's words, "{place}" where a figure stands
        // The cost table as the pages set it out.
        const auto table = [](const QStringList& parts) {
            QString words = "Cost %";
            for (const QString& part : parts + QStringList{"Total"})
                words += QString(" %1 {%1/Cost} {%1/%}").arg(part);
            return words;
        };
        const QString purchase = table({"Purchase", "Ordering", "Holding"});
        const QString spCosts = table({"Purchase", "Shortage", "Holding"});
        const QString policy = "Order Quantity, units/order {txtOrderQuantity} Order interval, days {txtOrderInterval}";
        const QString paper = "optTime_2+txtItem=Paper+txtDemand=8+txtPrice=25+txtHoldingCost=1.173+txtOrderingCost=";
        const QString phones =
            "txtItem=Cell Phone+txtDemand=18000+txtPrice=2+txtOrderingCost=500+txtHoldingCost=1.8+"
            "txtManufacturingRate=36000+";
        const QString item =
            "optTime_2+txtItem=An Item+txtDemand=100+txtPrice=1+txtPrice1=0.95+txtOrderingCost=300+"
            "txtHoldingCost=0.1+txtInterest=10+txtBreakPoint=";
        const QString comparison =
            "No Discount Discount Considered Optimum Order Quatity {Optimum Order Quatity/No "
            "Discount} {Optimum Order Quatity/Discount Considered} units Total Cost {Total "
            "Cost/No Discount} {Total Cost/Discount Considered} $/Week";
        QString rows;  // the boat and insurance examples' six rows, typed into the row editor
        for (const char* row : {"0=0.1", "1=0.2", "2=0.2", "3=0.2", "4=0.2", "5=0.1"})
            rows += QString(rows.isEmpty() ? "" : "cmdNext+") +
                    "txtDemand=" + QString(row).replace('=', "+txtProbability=") + "+";
        const QString boats = rows + "txtItem=Boat+txtPrice=30000+txtHoldingCost=10000+txtShortageCost=60000+";
        // clang-format off
        QTest::newRow("purchasing") << "frmPurchaseNS" << "purchasing-no-shortages.html" << paper + "130+cmdCalculate"
            << QStringList{policy, purchase, "So order {txtOrderQuantity} boxes about every {txtOrderInterval} days, at a total cost of ${Total/Cost} a week."};
        QTest::newRow("purchasing, ordering 50") << "frmPurchaseNS" << "purchasing-no-shortages.html" << paper + "50+cmdCalculate"
            << QStringList{"With an ordering cost of 50 the window gives {txtOrderQuantity} boxes every {txtOrderInterval} days, ordering and holding costs of {Ordering/Cost} each and a total of {Total/Cost} a week.",
                           "holding costs of {Holding/Cost} each"};
        QTest::newRow("purchasing, 5 % for 100") << "frmPurchaseNS" << "purchasing-no-shortages.html"
            << paper + "130+cmdCalculate+cmdDiscount+txtDiscRate=5+txtDiscQ=100+cmdShouldYou"
            << QStringList{"In this case,your order quantity is {txtDecison#1} units,and order interval is {txtDecison#2} days.The cost increases to: Puchase: ${txtDecison#3} Order: ${txtDecison#4} Holding: ${txtDecison#5} Total: ${txtDecison#6} ."};
        QTest::newRow("purchasing, 20 % for 100") << "frmPurchaseNS" << "purchasing-no-shortages.html"
            << paper + "130+cmdCalculate+cmdDiscount+txtDiscRate=20+txtDiscQ=100+cmdShouldYou"
            << QStringList{"gives Puchase ${txtDecison#3}, Order ${txtDecison#4}, Holding ${txtDecison#5} and a total of ${txtDecison#6},"};
        QTest::newRow("purchasing, shortages") << "frmPurchaseSA" << "purchasing-shortages.html" << paper + "130+txtShortageCost=15+cmdCalculate"
            << QStringList{policy + " Allowed Shortage, units {txtAllowedShortage}", table({"Purchase", "Ordering", "Holding", "Shortage"}),
                           "So order {txtOrderQuantity} boxes about every {txtOrderInterval} days and let up to {txtAllowedShortage} boxes of demand wait: ${Total/Cost} a week,"};
        QTest::newRow("purchasing, shortages, 5 % for 100") << "frmPurchaseSA" << "purchasing-shortages.html"
            << paper + "130+txtShortageCost=15+cmdCalculate+cmdDiscount+txtDiscRate=5+txtDiscQ=100+cmdShouldYou"
            << QStringList{"In this case,order Qty is {txtDecison#1} units,order interval is {txtDecison#2} days.The cost increases to: Puchase: ${txtDecison#3} Order: ${txtDecison#4} Holding: ${txtDecison#5} Shortage:${txtDecison#6} Total: ${txtDecison#7} ."};
        QTest::newRow("manufacturing") << "frmManufNS" << "manufacturing-no-shortages.html" << phones + "cmdCalculate"
            << QStringList{"Production Quantity, units/setup {txtOrderQuantity} Production interval, days {txtOrderInterval} Maximum Inventory, units {txtMaxInventory}",
                           table({"Production", "Setup", "Holding"}),
                           "So make {txtOrderQuantity} phones about every {txtOrderInterval} days; stock peaks at {txtMaxInventory} because",
                           "The total is ${Total/Cost} a year."};
        QTest::newRow("manufacturing, shortages") << "frmManufSA" << "manufacturing-shortages.html" << phones + "txtShortageCost=20+cmdCalculate"
            << QStringList{"Production Quantity, units/setup {txtOrderQuantity} Production interval, days {txtOrderInterval} Maximum Inventory, units {txtMaxInventory} Allowed Shortage, units {txtAllowedShortage}",
                           table({"Production", "Setup", "Holding", "Shortage"}),
                           "So make {txtOrderQuantity} phones about every {txtOrderInterval} days and let up to {txtAllowedShortage} orders wait for the next run: larger, less frequent runs than without shortages, for a total of ${Total/Cost} a year."};
        QTest::newRow("incremental") << "frmIncrementalDiscount" << "incremental-discount.html" << item + "500+cmdCalculate"
            << QStringList{policy, "Conclusion: {*lblConclusion} Cost %", purchase, comparison,
                           "The best order at the full price, {Optimum Order Quatity/No Discount} units, is already beyond the break point of 500, so the discount is taken: order {txtOrderQuantity} units about every {txtOrderInterval} days, for ${Total/Cost} a week instead of ${Total Cost/No Discount}."};
        QTest::newRow("incremental, break point 600") << "frmIncrementalDiscount" << "incremental-discount.html" << item + "600+cmdCalculate"
            << QStringList{"With a break point of 600 instead, the best discounted order ({Optimum Order Quatity/Discount Considered}) no longer reaches it, and the window rejects the discount: order {txtOrderQuantity} units every {txtOrderInterval} days, for {Total/Cost} a week (Purchase {Purchase/Cost}, Ordering {Ordering/Cost}, Holding {Holding/Cost})."};
        QTest::newRow("all-units") << "frmAllUnitDiscount" << "all-units-discount.html" << item + "500+cmdCalculate"
            << QStringList{"The best discounted order, {Optimum Order Quatity/Discount Considered} units, is beyond the break point, so the discount is taken: " + policy,
                           purchase, comparison, "$/Week Conclusion: {*lblConclusion} Change the break point"};
        QTest::newRow("all-units, break point 600") << "frmAllUnitDiscount" << "all-units-discount.html" << item + "600+cmdCalculate"
            << QStringList{"Break point 600: 555 units do not earn the discount, so the window costs {Optimum Order Quatity/Discount Considered} units at $0.95: Purchase {Purchase/Cost}, Ordering {Ordering/Cost}, Holding {Holding/Cost}, Total {Total/Cost} a week, still below the {Total Cost/No Discount} of no discount. It accepts: order {txtOrderQuantity} units every {txtOrderInterval} days."};
        QTest::newRow("all-units, break point 1000") << "frmAllUnitDiscount" << "all-units-discount.html" << item + "1000+cmdCalculate"
            << QStringList{"Break point 1000: {Optimum Order Quatity/Discount Considered} units at $0.95 cost {Total Cost/Discount Considered} a week, more than {Total Cost/No Discount}. It rejects: order {txtOrderQuantity} units every {txtOrderInterval} days."};
        QTest::newRow("car dealer") << "frmSinglePeriodC" << "single-period-continuous.html"
            << "optType_0+optModel_0+txtLowDemand=75+txtHighDemand=100+txtItem=Cars+txtOrderingCost=5000+txtPrice=14000+txtHoldingCost=60+txtShortageCost=16000+cmdCalculate"
            << QStringList{"The inventory level should be replenished to {txtS2} whenever it falls below {txtS1} " + spCosts,
                           "So whenever fewer than {txtS1} cars are in stock, order up to {txtS2}."};
        QTest::newRow("Christmas trees") << "frmSinglePeriodC" << "single-period-continuous.html"
            << "optType_1+optModel_0+txtLowDemand=500+txtHighDemand=1000+txtItem=Christmas Tree+txtPrice=6.00+txtHoldingCost=0.50+txtShortageCost=20+cmdCalculate"
            << QStringList{"Order {txtS2} trees; the costs are Purchase {Purchase/Cost} ({Purchase/%} %), Shortage {Shortage/Cost} ({Shortage/%} %), Holding {Holding/Cost} ({Holding/%} %), Total {Total/Cost}."};
        QTest::newRow("skis") << "frmSinglePeriodC" << "single-period-continuous.html"
            << "optType_1+optModel_1+txtMean=20+txtVariance=25+txtItem=Skis+txtPrice=60+txtHoldingCost=-40+txtShortageCost=125+cmdCalculate"
            << QStringList{"Stock {txtS2} pairs; the costs are Purchase {Purchase/Cost}, Shortage {Shortage/Cost}, Holding {Holding/Cost}, Total {Total/Cost}."};
        QTest::newRow("boats") << "frmSinglePeriodD" << "single-period-discrete.html" << boats + "cmdCalculate"
            << QStringList{"so replenish to {txtS2} boats. " + spCosts};
        QTest::newRow("boats, order cost 50000") << "frmSinglePeriodD" << "single-period-discrete.html" << "optType_0+" + boats + "txtSetupCost=50000+cmdCalculate"
            << QStringList{"With (s,S) Policy and an order cost of 50000 the window adds: whenever the stock falls below {txtS1}."};
        QTest::newRow("boats, no order cost") << "frmSinglePeriodD" << "single-period-discrete.html" << "optType_0+" + boats + "cmdCalculate"
            << QStringList{"With no order cost it is {txtS1}, S itself."};
        QTest::newRow("insurance reserve") << "frmMultiperiodA" << "aspiration-level.html" << rows + "txtStockoutP=0.05+cmdCalculate"
            << QStringList{"The column P (>D) reads {1/P (>D)}, {2/P (>D)}, {3/P (>D)}, {4/P (>D)}, {5/P (>D)} and {6/P (>D)} (zero",
                           "so the last row is chosen: {*Label5} With 0.3"};
        QTest::newRow("insurance reserve at 0.3") << "frmMultiperiodA" << "aspiration-level.html" << rows + "txtStockoutP=0.3+cmdCalculate"
            << QStringList{"With 0.3 the row of demand {Label5#1} is chosen, with a safety stock of {Label5#4}."};
        QTest::newRow("continuous review") << "frmMultiperiodB" << "continuous-review.html"
            << "optModel_0+optWeek+txtLeadTime=2+txtLowDemand=40+txtHighDemand=60+txtPrice=5+txtHoldingCost=1+txtOrderingCost=100+txtShortageCost=10+cmdCalculate"
            << QStringList{"Press Calculate: when inventory level falls to {txtReOrderPoint} units, place an order for {txtOrderQuantity} units. " +
                           table({"Order/Setup", "Purchase", "Holding", "Shortage"})};
        // clang-format on
    }
    void pageQuotesTheWindowsFigures() {
        QFETCH(QString, form);
        QFETCH(QString, page);
        QFETCH(QString, steps);
        QFETCH(QStringList, quotes);
        WindowTestContext t;
        tervalo::app::registerWindows(t.ctx, t.reportOutput);
        std::unique_ptr<QWidget> window = makeWindow(t, form);
        window->resize(window->sizeHint());  // the whole form, as on a user's screen
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(tervalo::test::userPlays(*window, steps.split('+')), QString());
        QVERIFY2(t.notifier.messages.isEmpty(), qPrintable(t.notifier.texts().join(" | ")));
        HelpWindow help;
        help.showPage(":/help/" + page);
        const QString text = browser(help)->toPlainText().simplified();
        QStringList wrong;
        for (const QString& words : quotes)
            wrong << differences(text, words, *window);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
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
