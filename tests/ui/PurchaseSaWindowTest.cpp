// The purchasing window with shortages: the worked example, its six checks and
// their titles, run() with and without a time unit, the error handler's
// wording, Clear, and the launcher button inside the main window's MDI area.
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "data/Eoq1Repository.h"
#include "lotsize/PurchaseSaWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "widgets/CostTable.h"
#include "widgets/LauncherPanel.h"

using tervalo::data::Eoq1Repository;
using tervalo::lotsize::PurchaseSaWindow;
using tervalo::platform::MsgIcon;
using tervalo::test::box;
using tervalo::test::button;
using tervalo::test::checked;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

namespace {

class OneButtonPerTab : public tervalo::widgets::LauncherPanel {
public:
    int currentTab() const override { return tab; }
    QWidget* button(const QString& array, int index) const override {
        if (array == "Command2" && index == 2) return const_cast<QPushButton*>(&firstTab);
        if (array == "Command1" && index == 1) return const_cast<QPushButton*>(&otherTab);
        return nullptr;
    }
    int tab = 0;
    QPushButton firstTab, otherTab;
};

QColor colour(const QPushButton& b) { return b.palette().color(QPalette::Button); }
QColor toolTipColour() { return QApplication::palette().color(QPalette::ToolTipBase); }

// The window and a plain child inside a main window's MDI area, shown.
struct MainWindowWithChildren {
    explicit MainWindowWithChildren(tervalo::widgets::AppContext& ctx) {
        main.setCentralWidget(area);
        window = new PurchaseSaWindow(ctx);
        sub = area->addSubWindow(window);
        other = area->addSubWindow(new QWidget);
        main.show();
    }
    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    PurchaseSaWindow* window = nullptr;
    QMdiSubWindow* sub = nullptr;
    QMdiSubWindow* other = nullptr;
};

}  // namespace

class PurchaseSaWindowTest : public QObject {
    Q_OBJECT

private slots:
    void workedExampleShowsPolicyWithShortageAndSavesModelTwo() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 44"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 38"));
        QCOMPARE(box(w, "txtAllowedShortage")->text(), QString(" 3"));
        QCOMPARE(costColumn(w, 1), QStringList({"200.00", "23.78", "22.06", "1.73", "247.57"}));
        QCOMPARE(costColumn(w, 2), QStringList({"80.79", "9.61", "8.91", ".70", "100.00"}));
        QCOMPARE(w.costTable()->sliceValues(), QVector<int>({81, 10, 9, 1}));
        QCOMPARE(w.costTable()->sliceLabels().last(), QString("Shortage"));

        QCOMPARE(t.rowCount("EOQ1"), before + 1);
        const auto row = Eoq1Repository(t.cnn).byLogId(w.logId());
        QVERIFY(row);
        QCOMPARE(row->modelId, 2);
        QCOMPARE(row->timeUnit, QString("Week"));
        QCOMPARE(row->shortageCost.value_or(""), QString("15"));
        QCOMPARE(row->shortageAllowed.value_or(""), QString(" 3"));
        QVERIFY(row->tShortageCost && qAbs(*row->tShortageCost - 1.73) < 0.005);
        QCOMPARE(row->orderQty, QString(" 44"));
    }

    void sixChecksWithTheirTitles_data() {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("item") << 0 << "Please enter a name for this item."
                              << "Error Message";
        QTest::newRow("demand") << 1 << "Please enter a Demand."
                                << "Error Message.";
        QTest::newRow("price") << 2 << "Please enter Price."
                               << "Error Message";
        QTest::newRow("holding") << 3 << "Please enter Holding Cost."
                                 << "Error Message.";
        QTest::newRow("ordering") << 4 << "Please enter Ordering Cost."
                                  << "Error Message";
        QTest::newRow("shortage") << 5 << "Please enter Shortage Cost."
                                  << "Error Message";
    }
    void sixChecksWithTheirTitles() {
        QFETCH(int, failing);
        QFETCH(QString, message);
        QFETCH(QString, title);
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        QStringList texts{"Paper", "8", "25", "1.173", "130", "15"};
        // A non-number fails as an empty box does (the item only when empty).
        texts[failing] = failing == 0 ? "" : "12abc";
        w.run({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
        QCOMPARE(t.notifier.texts(), QStringList{message});
        QCOMPARE(t.notifier.last().title, title);
        QCOMPARE(t.notifier.last().icon, MsgIcon::Information);
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
    }

    void runSelectsTheWizardsTimeUnit() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        w.run({"Paper", "8", "25", "1.173", "130", "15", QString("week")});
        QVERIFY(checked(w, 2));
        QCOMPARE(w.findChild<QLabel*>("lblTimePeriod_3")->text(), QString("Week"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 38"));
        QCOMPARE(Eoq1Repository(t.cnn).byLogId(w.logId())->timeUnit, QString("Week"));

        w.run({"Paper", "8", "25", "1.173", "130", "15", QString("Week")});  // matched exactly
        QVERIFY(checked(w, 0));
        w.run({"Paper", "8", "25", "1.173", "130", "15", QString("month")});
        QVERIFY(checked(w, 1));
    }

    void runWithoutTimeUnitComputesInYears() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        w.run({"Paper", "416", "25", "61", "130", "780"});
        QVERIFY(checked(w, 0));
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 44"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 38"));
        QCOMPARE(Eoq1Repository(t.cnn).byLogId(w.logId())->timeUnit, QString("Year"));
    }

    // Without a time unit the window computes with the option it shows.
    void runWithoutTimeUnitKeepsTheShownOption() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        w.findChild<QRadioButton*>("optTime_2")->click();
        w.run({"Paper", "8", "25", "1.173", "130", "15"});
        QVERIFY(checked(w, 2));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 38"));
        QCOMPARE(Eoq1Repository(t.cnn).byLogId(w.logId())->timeUnit, QString("Week"));
    }

    void errorsNameTheHandlerWithoutSub() {
        WindowTestContext t(false);
        PurchaseSaWindow w(t.ctx);
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QVERIFY(t.notifier.last().text.endsWith(" in Purchasing Model: Shortages Allowed/cmdCalculate."));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Exclamation);
        // The results were shown before the save failed, so Print and Discount stay enabled.
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QVERIFY(w.logId().isEmpty());
    }

    void zeroShortageCostIsTheCalculatorsFault() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        w.run({"Paper", "8", "25", "1.173", "130", "0"});
        QCOMPARE(t.notifier.messages.size(), 1);
        QCOMPARE(t.notifier.last().title, QString("Tervalo"));
        QVERIFY(box(w, "txtAllowedShortage")->text().isEmpty());
        QCOMPARE(t.rowCount("EOQ1"), before);
    }

    void clearKeepsTheChartAndEmptiesTheRest() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdClear")->click();
        QVERIFY(box(w, "txtShortageCost")->text().isEmpty());
        QVERIFY(box(w, "txtAllowedShortage")->text().isEmpty());
        QVERIFY(checked(w, 0));
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
        QVERIFY(!button(w, "cmdDiscount")->isEnabled());
        QCOMPARE(costColumn(w, 2), QStringList({"", "", "", "", ""}));
        QCOMPARE(w.costTable()->sliceValues(), QVector<int>({81, 10, 9, 1}));
        QCOMPARE(button(w, "cmdClear")->text(), QString("C&lear"));
    }

    void everyUnitLabelFollowsTheOption() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        w.findChild<QRadioButton*>("optTime_2")->click();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w.findChild<QLabel*>(QString("lblTimePeriod_%1").arg(i))->text(), QString("Week"));
        QCOMPARE(w.findChild<QLabel*>("Label11")->buddy(), box(w, "txtShortageCost"));
        QCOMPARE(w.objectName(), QString("frmPurchaseSA"));
        QVERIFY(w.findChild<QLabel*>("Label2")->text().endsWith(
            "Ordering cost is $50 per order, shortage cost is $15/box/week, and Holding cost is "
            "$1.10+$(25)(0.15/365)7=$1.173/week. "));
    }

    void enterInTheShortageBoxReachesCalculate() {
        WindowTestContext t;
        PurchaseSaWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button(w, "cmdExample")));
        box(w, "txtShortageCost")->setFocus();
        QTest::keyClick(box(w, "txtShortageCost"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button(w, "cmdCalculate")));
    }

    // Activated while the panel shows its first tab, then left after a switch to
    // the other tab: the first tab's button keeps its colour.
    void launcherColourFollowsTheTabShownAtEachEvent() {
        WindowTestContext t;
        OneButtonPerTab panel;
        t.ctx.setPanel(&panel);
        const QColor face = colour(panel.otherTab);
        const QColor tip = toolTipColour();
        MainWindowWithChildren m(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&m.main));
        m.area->setActiveSubWindow(m.sub);
        QCOMPARE(colour(panel.firstTab), tip);
        panel.tab = 1;
        m.area->setActiveSubWindow(m.other);
        QCOMPARE(colour(panel.firstTab), tip);
        QCOMPARE(colour(panel.otherTab), face);
        m.area->setActiveSubWindow(m.sub);
        QCOMPARE(colour(panel.otherTab), tip);
        m.window->close();
        QCOMPARE(colour(panel.otherTab), face);
    }

    // Inside the main window only the active child's button is coloured: the
    // main window losing and regaining the focus (a message box, another
    // program) neither resets it nor colours the buttons of the other children.
    void onlyTheActiveChildIsColouredWhenTheMainWindowComesBack() {
        WindowTestContext t;
        OneButtonPerTab panel;
        t.ctx.setPanel(&panel);
        const QColor face = colour(panel.firstTab);
        MainWindowWithChildren m(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&m.main));
        m.area->setActiveSubWindow(m.other);
        QCOMPARE(colour(panel.firstTab), face);

        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.main));
        QCOMPARE(m.area->activeSubWindow(), m.other);
        QCOMPARE(colour(panel.firstTab), face);

        m.area->setActiveSubWindow(m.sub);
        QCOMPARE(colour(panel.firstTab), toolTipColour());
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.main));
        QCOMPARE(colour(panel.firstTab), toolTipColour());
    }
};

TERVALO_QTEST_MAIN(PurchaseSaWindowTest)
#include "PurchaseSaWindowTest.moc"
