// Print from the purchasing windows through the real report output: the
// preview of the worked example with each value at its caption, the offer of
// the what-if in the next print, the shortage example, a second Print while the
// first preview is open, and a query that fails; the preview of many saved
// rows, which paints the pages in sight and prints them all, fits the screen
// and stays open when the window that asked for it closes.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "data/Connection.h"
#include "data/Transaction.h"
#include "lotsize/LotSizeWindows.h"
#include "lotsize/PurchaseNsWindow.h"
#include "lotsize/PurchaseSaWindow.h"
#include "platform/AppSettings.h"
#include "platform/SettingsStore.h"
#include "reports/PaintedReportOutput.h"
#include "reports/ReportBrowserWindow.h"
#include "reports/ReportPageView.h"
#include "reports/ReportPreviewDialog.h"
#include "reports/ReportPrintService.h"
#include "support/PaperRows.h"
#include "support/QtTestMain.h"
#include "support/ReportPageProbe.h"
#include "support/TestEnvironment.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

using tervalo::lotsize::PurchaseNsWindow;
using tervalo::lotsize::PurchaseSaWindow;
using tervalo::platform::MsgIcon;
using tervalo::reports::LayoutId;
using tervalo::reports::ReportPage;
using tervalo::reports::ReportPreviewDialog;
using tervalo::test::box;
using tervalo::test::button;
using tervalo::test::valueBeside;

namespace {

// The program's report output, printing into a PDF file instead of asking for a printer.
class PdfReportOutput : public tervalo::reports::PaintedReportOutput {
public:
    using PaintedReportOutput::PaintedReportOutput;
    QString file() const { return m_dir.filePath("printed.pdf"); }

protected:
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file());
        return true;
    }

private:
    QTemporaryDir m_dir;
};

// A window context whose Print runs the program's own print service over a
// copy of Demo.mdb, on 7 December 2026.
struct PrintingContext {
    PrintingContext() {
        cnn.open(tervalo::test::connectionToCopyOf("Demo.mdb"));
        ctx.dataSource = "Demo.mdb";
    }
    ~PrintingContext() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<ReportPreviewDialog*>(w)) w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    tervalo::data::Connection cnn;
    tervalo::data::Connection reportCnn;
    tervalo::test::RecordingNotifier notifier;
    tervalo::test::FakeClock clock;
    tervalo::platform::SettingsStore settings;
    tervalo::platform::AppSettings appSettings{settings};
    PdfReportOutput output{notifier, clock};
    tervalo::reports::ReportPrintService prints{cnn, output};
    tervalo::test::RecordingTextReportService textReports;
    tervalo::widgets::WindowRegistry registry;
    tervalo::widgets::AppContext ctx{cnn, reportCnn, appSettings, notifier, clock, prints, textReports, registry};
};

QList<ReportPreviewDialog*> openPreviews() {
    QList<ReportPreviewDialog*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<ReportPreviewDialog*>(w); d && d->isVisible()) out << d;
    return out;
}

ReportPage firstPage(PrintingContext& t, LayoutId layout) {
    ReportPreviewDialog* preview = t.output.openPreview(layout);
    return preview && !preview->document().pages.isEmpty() ? preview->document().pages.first() : ReportPage();
}

// The pages of a PDF file, as pdfinfo counts them.
int pdfPages(const QString& file) {
    QProcess tool;
    tool.start("pdfinfo", {file});
    tool.waitForFinished(30000);
    const QString info = QString::fromUtf8(tool.readAllStandardOutput());
    return info.section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
}

// A click on the preview's tool button of the action.
void clickAction(ReportPreviewDialog* preview, const char* action) {
    auto* bar = preview->findChild<QToolBar*>();
    QTest::mouseClick(bar->widgetForAction(preview->findChild<QAction*>(action)), Qt::LeftButton);
}

// A click on the close button of the sub-window's title bar.
void clickClose(QMdiSubWindow* sub) {
    QStyleOptionTitleBar bar;
    bar.initFrom(sub);
    bar.rect = QRect(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, sub));
    bar.titleBarFlags = sub->windowFlags();
    bar.titleBarState = int(sub->windowState());
    bar.subControls = QStyle::SC_All;
    const QRect button = sub->style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarCloseButton, sub);
    QTest::mouseClick(sub, Qt::LeftButton, {}, button.center());
}

void addRow(const char* caption, int nth, const char* value) {
    QTest::newRow(QString("%1 %2").arg(caption).arg(nth).toUtf8()) << QString(caption) << nth << QString(value);
}

}  // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    void purchasingExamplePreview_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QString>("value");
        addRow("Item:", 0, "Paper");
        addRow("Date:", 0, "12/7/2026");
        addRow("Time Unit:", 0, "Week");
        addRow("Model used:", 0, "Purchasing: No Shortages");
        addRow("Demand:", 0, "8");
        addRow("Item Cost:", 0, "$25.00");
        addRow("Holding Cost:", 0, "$1.17");
        addRow("Setup Cost:", 0, "$130.00");
        addRow("Quantity to order/produce:", 0, "42");
        addRow("Order Interval:", 0, "37");
        addRow("Total Cost:", 0, "$249.39");
        addRow("consisting of Item Cost:", 0, "$200.00");
        addRow("Ordering Cost:", 0, "$24.70");
        addRow("Holding Cost:", 1, "$24.70");
    }
    void purchasingExamplePreview() {
        QFETCH(QString, caption);
        QFETCH(int, nth);
        QFETCH(QString, value);
        PrintingContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        const QList<ReportPreviewDialog*> previews = openPreviews();
        QCOMPARE(previews.size(), 1);
        QCOMPARE(previews.first()->windowTitle(),
                 QString("Inventory Analysis Report - EOQ (Purchasing without shortage)"));
        const ReportPage& page = firstPage(t, LayoutId::Eoq1);
        QCOMPARE(page.textList().mid(0, 2), QStringList({"Inventory Analysis", "Prepared on 12/7/2026"}));
        QCOMPARE(valueBeside(page, caption, nth), value);
    }

    void offerOfTheWhatIfIsInTheNextPrint() {
        PrintingContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(firstPage(t, LayoutId::Eoq1).named("QtyDiscount").first().text, QString());
        button(w, "cmdDiscount")->click();
        box(w, "txtDiscRate")->setText("5");
        box(w, "txtDiscQ")->setText("100");
        button(w, "cmdShouldYou")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(openPreviews().size(), 1);
        const ReportPage& page = firstPage(t, LayoutId::Eoq1);
        QCOMPARE(page.named("QtyDiscount").first().text,
                 QString("The supplier will give a 5% discount if you order 100."));
        const QString decision = page.named("QtyDiscount2").first().text;
        QVERIFY2(decision.startsWith("No, do not accept this offer, because it increases your total cost."),
                 qPrintable(decision));
        QCOMPARE(page.named("QtyDiscount2").last().text, QString("Total:   $256.12 ."));
    }

    void shortageExamplePreview_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QString>("value");
        addRow("Model used:", 0, "Purchasing: Shortages Allowed");
        addRow("Shortage Cost:", 0, "$15.00");
        addRow("Quantity to order/produce:", 0, "44");
        addRow("Order Interval:", 0, "38");
        addRow("Shortage Allowed:", 0, "3");
        addRow("Total Cost:", 0, "$247.57");
        addRow("Ordering Cost:", 0, "$23.78");
        addRow("Holding Cost:", 1, "$22.06");
        addRow("Shortage Cost:", 1, "$1.73");
    }
    void shortageExamplePreview() {
        QFETCH(QString, caption);
        QFETCH(int, nth);
        QFETCH(QString, value);
        PrintingContext t;
        PurchaseSaWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(openPreviews().size(), 1);
        QCOMPARE(openPreviews().first()->windowTitle(), QString("Inventory Analysis"));
        QCOMPARE(valueBeside(firstPage(t, LayoutId::Eoq2), caption, nth), value);
    }

    // The earlier preview still open: the new Print shows the item typed now.
    void printWhileThePreviewIsOpenShowsTheNewItem() {
        PrintingContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(valueBeside(firstPage(t, LayoutId::Eoq1), "Item:", 0), QString("Paper"));
        box(w, "txtItem")->setText("Pens");
        button(w, "cmdCalculate")->click();
        button(w, "cmdPrint")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(openPreviews().size(), 1);
        QCOMPARE(valueBeside(firstPage(t, LayoutId::Eoq1), "Item:", 0), QString("Pens"));
        QCOMPARE(t.output.openPreview(LayoutId::Eoq1)->document().pages.size(), 1);
    }

    void itemWithApostrophePrints() {
        PrintingContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        box(w, "txtItem")->setText("O'Brien's paper");
        button(w, "cmdCalculate")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(valueBeside(firstPage(t, LayoutId::Eoq1), "Item:", 0), QString("O'Brien's paper"));
    }

    void failingQueryShowsTheErrorMessage() {
        PrintingContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        t.cnn.execute("DROP TABLE Models");
        button(w, "cmdPrint")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QCOMPARE(t.notifier.last().text, QString("no such table: Models"));
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Exclamation);
        QVERIFY(openPreviews().isEmpty());
    }

    // Fifty saved calculations of the item: the preview shows the first page
    // at once and lays out and paints only the pages brought into sight by the
    // keys and buttons (the last ones shown again come from what it keeps);
    // Print prints all fifty.
    void previewPaintsThePagesInSight_data() {
        QTest::addColumn<QStringList>("steps");  // keys to the focused page view, or tool buttons
        QTest::addColumn<int>("page");           // shown, from 1
        QTest::addColumn<int>("painted");
        QTest::newRow("opened") << QStringList() << 1 << 1;
        QTest::newRow("End") << QStringList{"End"} << 50 << 2;
        QTest::newRow("End, Home") << QStringList{"End", "Home"} << 1 << 2;
        QTest::newRow("End, Home, End") << QStringList{"End", "Home", "End"} << 50 << 2;
        QTest::newRow("next page") << QStringList{"actNextPage"} << 2 << 2;
        QTest::newRow("last, previous") << QStringList{"actLastPage", "actPreviousPage"} << 49 << 3;
        QTest::newRow("fit width, zoom in") << QStringList{"actFitWidth", "actZoomIn"} << 1 << 3;
    }
    void previewPaintsThePagesInSight() {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        QFETCH(int, painted);
        PrintingContext t;
        {
            tervalo::data::Transaction saving(t.cnn);
            for (int i = 1; i < 50; ++i)
                tervalo::data::Eoq1Repository(t.cnn).insert(tervalo::test::paperRow(t.clock.today()));
            saving.commit();
        }
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        ReportPreviewDialog* preview = t.output.openPreview(LayoutId::Eoq1);
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QTRY_COMPARE(preview->pagesPainted(), 1);
        QCOMPARE(preview->pageView()->pageCount(), 50);
        for (const QString& step : steps) {
            if (step.startsWith("act")) {
                clickAction(preview, qPrintable(step));
            } else {
                QTest::keyClick(QApplication::focusWidget(), step == "End" ? Qt::Key_End : Qt::Key_Home);
            }
            QApplication::processEvents();  // the view repaints, as a user sees it
        }
        QTRY_COMPARE(preview->pagesPainted(), painted);
        QCOMPARE(preview->findChild<QSpinBox*>("spnPage")->value(), page);
        clickAction(preview, "actPrint");
        QCOMPARE(pdfPages(t.output.file()), 50);
        QCOMPARE(t.notifier.messages.size(), 0);
    }

    // The preview fits the screen, and closing the window that asked for it
    // (its sub-window's close button) leaves the preview open and whole.
    void previewOutlivesTheWindowThatAskedForIt_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("model window") << "frmPurchaseNS";
        QTest::newRow("report browser") << "frmReport";
    }
    void previewOutlivesTheWindowThatAskedForIt() {
        QFETCH(QString, form);
        PrintingContext t;
        tervalo::lotsize::registerLotSizeWindows(t.ctx);
        t.registry.registerWindow(tervalo::widgets::WindowId::Report,
                                  [&t] { return new tervalo::reports::ReportBrowserWindow(t.ctx, t.output); });
        QMdiArea area;
        t.registry.setMdiArea(&area);
        area.resize(800, 500);
        area.show();
        QPointer<QWidget> w = t.registry.show(tervalo::test::windowId(form));
        QVERIFY(QTest::qWaitForWindowActive(&area));
        if (form == "frmReport") {
            tervalo::data::Eoq1Repository(t.cnn).insert(tervalo::test::paperRow(t.clock.today()));
            static_cast<tervalo::reports::ReportBrowserWindow*>(w.data())->showList(1);
            w->findChild<QLineEdit*>("txtItem")->setText("Paper");
            QTest::keyClick(w->findChild<QLineEdit*>("txtItem"), Qt::Key_Return);
            button(*w, "Command1_1")->click();
        } else {
            button(*w, "cmdExample")->click();
            button(*w, "cmdPrint")->click();
        }
        QPointer<ReportPreviewDialog> preview = t.output.openPreview(LayoutId::Eoq1);
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        QVERIFY2(preview->screen()->availableGeometry().contains(preview->frameGeometry()),
                 qPrintable(QString("%1x%2").arg(preview->width()).arg(preview->height())));
        clickClose(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
        QTRY_VERIFY(!w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(valueBeside(firstPage(t, LayoutId::Eoq1), "Item:", 0), QString("Paper"));
        clickAction(preview, "actLastPage");
        QTRY_VERIFY(preview->pagesPainted() >= 1);
        QCOMPARE(t.notifier.messages.size(), 0);
    }
};

TERVALO_QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"
