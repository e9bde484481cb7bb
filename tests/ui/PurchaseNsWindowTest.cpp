// The purchasing window without shortages: the worked example, the input
// checks, what a calculator fault leaves behind, saving (apostrophes, large
// demands, failures), Print, Clear, the time unit, the input-box convention
// inside the window, and the launcher button's colour.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

#include "data/Eoq1Repository.h"
#include "lotsize/PurchaseNsWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "widgets/CostTable.h"
#include "widgets/LauncherPanel.h"

using tervalo::data::Eoq1Repository;
using tervalo::lotsize::PurchaseNsWindow;
using tervalo::platform::MsgIcon;
using tervalo::test::box;
using tervalo::test::button;
using tervalo::test::checked;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

namespace {

const QString kCaption = QStringLiteral("Purchasing Model: No Shortages");

void fill(QWidget& w, const QString& item, const QString& demand, const QString& price, const QString& holding,
          const QString& ordering) {
    box(w, "txtItem")->setText(item);
    box(w, "txtDemand")->setText(demand);
    box(w, "txtPrice")->setText(price);
    box(w, "txtHoldingCost")->setText(holding);
    box(w, "txtOrderingCost")->setText(ordering);
}

// Two button arrays on two tabs, as the main window's left panel has them.
class FakePanel : public tervalo::widgets::LauncherPanel {
public:
    FakePanel() {
        for (int i = 0; i < 4; ++i) {
            first.append(new QPushButton);
            other.append(new QPushButton);
        }
    }
    ~FakePanel() override { qDeleteAll(first + other); }
    int currentTab() const override { return tab; }
    QWidget* button(const QString& array, int index) const override {
        return (array == "Command2" ? first : other).value(index);
    }
    QColor colour(const QString& array, int index) const {
        return button(array, index)->palette().color(QPalette::Button);
    }
    int tab = 0;
    QList<QPushButton*> first, other;
};

}  // namespace

class PurchaseNsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void workedExampleShowsPolicyCostsAndSavesOneRow() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        button(w, "cmdExample")->click();

        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 42"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 37"));
        QCOMPARE(costColumn(w, 1), QStringList({"200.00", "24.70", "24.70", "249.39"}));
        QCOMPARE(costColumn(w, 2), QStringList({"80.19", "9.90", "9.90", "100.00"}));
        QCOMPARE(w.costTable()->sliceLabels(), QStringList({"Purchase", "Ordering", "Holding"}));
        QCOMPARE(w.costTable()->sliceValues(), QVector<int>({80, 10, 10}));
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QVERIFY(button(w, "cmdDiscount")->isEnabled());

        QCOMPARE(t.rowCount("EOQ1"), before + 1);
        const auto row = Eoq1Repository(t.cnn).byLogId(w.logId());
        QVERIFY(row);
        QCOMPARE(row->modelId, 1);
        QCOMPARE(row->date, t.clock.today());
        QCOMPARE(row->timeUnit, QString("Week"));
        QCOMPARE(row->itemName, QString("Paper"));
        QCOMPARE(row->demand, QString("8"));
        QCOMPARE(row->itemCost, QString("25"));
        QCOMPARE(row->holdingCost, QString("1.173"));
        QCOMPARE(row->setupCost, QString("130"));
        QCOMPARE(row->orderQty, QString(" 42"));
        QCOMPARE(row->orderInterval, QString(" 37"));
        QVERIFY(qAbs(row->totalCost - 249.39) < 0.005);
        QVERIFY(qAbs(row->tItemCost - 200.0) < 1e-9);
        QVERIFY(!row->shortageCost || row->shortageCost->isEmpty());
        QVERIFY(!row->shortageAllowed || row->shortageAllowed->isEmpty());
        QVERIFY(!row->tShortageCost);
    }

    void inputChecksInOrder_data() {
        QTest::addColumn<int>("emptied");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");
        QTest::newRow("item") << 0 << "Please enter a item name." << int(MsgIcon::Exclamation) << "txtItem";
        QTest::newRow("demand") << 1 << "Please enter Demand." << int(MsgIcon::Information) << "txtDemand";
        QTest::newRow("price") << 2 << "Please enter Price." << int(MsgIcon::Information) << "txtPrice";
        QTest::newRow("holding") << 3 << "Please enter Holding Cost." << int(MsgIcon::Information) << "txtHoldingCost";
        QTest::newRow("ordering") << 4 << "Please enter Ordering Cost." << int(MsgIcon::Information)
                                  << "txtOrderingCost";
    }
    void inputChecksInOrder() {
        QFETCH(int, emptied);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Every later box holds a non-number, so only the first failure may show.
        QStringList texts{"Paper", "8", "25", "1.173", "130"};
        texts[emptied].clear();
        for (int i = emptied + 1; i < texts.size(); ++i)
            texts[i] = "x";
        fill(w, texts[0], texts[1], texts[2], texts[3], texts[4]);
        const int before = t.rowCount("EOQ1");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.texts(), QStringList{message});
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(int(t.notifier.last().icon), icon);
        QCOMPARE(w.focusWidget()->objectName(), focus);
        QCOMPARE(t.rowCount("EOQ1"), before);
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
    }

    void zeroAndNegativeInputsPassTheChecks() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        fill(w, "   ", "8", "0", "1.173", "130");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 42"));
        QCOMPARE(w.costTable()->cell(1, 1), QString(".00"));
    }

    void calculatorFaultShowsOneMessageAndNothingElse() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        fill(w, "Paper", "8", "25", "0", "130");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QCOMPARE(t.notifier.last().text, QString("Division by zero"));
        QCOMPARE(t.notifier.last().title, QString("Tervalo"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::None);
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
        QVERIFY(box(w, "txtOrderInterval")->text().isEmpty());
        QVERIFY(w.costTable()->cell(4, 1).isEmpty());
        QCOMPARE(t.rowCount("EOQ1"), before);
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
    }

    void faultAfterAGoodCalculationNeitherShowsNorSavesTheOldResults() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        const int before = t.rowCount("EOQ1");
        box(w, "txtHoldingCost")->setText("0");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.texts(), QStringList{"Division by zero"});
        QCOMPARE(t.rowCount("EOQ1"), before);
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
        QVERIFY(w.costTable()->cell(1, 1).isEmpty());
        QVERIFY(w.logId().isEmpty());
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
        QVERIFY(!button(w, "cmdDiscount")->isEnabled());
    }

    void itemWithApostropheIsSavedPrintedAndFound() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        fill(w, "O'Brien's paper", "8", "25", "1.173", "130");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        const auto rows = Eoq1Repository(t.cnn).rowsFor("O'Brien's paper", t.clock.today(), 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().logId, w.logId());
        button(w, "cmdPrint")->click();
        QCOMPARE(t.reports.requests.size(), 1);
        QCOMPARE(t.reports.requests.first().itemName, QString("O'Brien's paper"));
        QCOMPARE(t.reports.requests.first().modelId, 1);
        QCOMPARE(t.reports.requests.first().day, t.clock.today());
    }

    void largeDemandGivesAnOrdinaryQuantity() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        fill(w, "Bolts", "1000000", "2", "0.1", "500");
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 100000"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 36"));  // 36.5 days, half to even
    }

    void failedSaveShowsTheErrorAndForgetsTheRow() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        QVERIFY(!w.logId().isEmpty());
        t.cnn.close();
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QVERIFY(t.notifier.last().text.endsWith(" in " + kCaption + "/sub cmdCalculate."));
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Exclamation);
        QVERIFY(w.logId().isEmpty());
        // The results of this calculation stay on screen.
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 42"));
    }

    void printNeedsItemAndQuantity() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
        button(w, "cmdExample")->click();
        box(w, "txtItem")->clear();
        button(w, "cmdPrint")->click();
        QVERIFY(t.reports.requests.isEmpty());
        box(w, "txtItem")->setText("Paper");
        button(w, "cmdPrint")->click();
        QCOMPARE(t.reports.requests.size(), 1);
    }

    void clearEmptiesBoxesAndDisablesPrintAndDiscount() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        button(w, "cmdDiscount")->click();
        box(w, "txtDiscRate")->setText("5");
        button(w, "cmdClear")->click();
        for (const char* name : {"txtItem", "txtDemand", "txtPrice", "txtHoldingCost", "txtOrderingCost",
                                 "txtOrderQuantity", "txtOrderInterval", "txtDiscRate", "txtDiscQ"})
            QVERIFY2(box(w, name)->text().isEmpty(), name);
        QVERIFY(w.findChild<QRadioButton*>("optTime_0")->isChecked());
        QCOMPARE(w.findChild<QLabel*>("lblTimePeriod_0")->text(), QString("Year"));
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
        QVERIFY(!button(w, "cmdDiscount")->isEnabled());
        QCOMPARE(costColumn(w, 1), QStringList({"", "", "", ""}));
        QCOMPARE(w.costTable()->cell(1, 0), QString("Purchase"));
        QVERIFY(!w.findChild<QWidget*>("fraDiscount")->isHidden());
        QVERIFY(w.logId().isEmpty());
    }

    void timeUnitClickUpdatesEveryUnitLabel() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* month = w.findChild<QRadioButton*>("optTime_1");
        QTest::mouseClick(month, Qt::LeftButton, {}, QPoint(8, month->height() / 2));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.findChild<QLabel*>(QString("lblTimePeriod_%1").arg(i))->text(), QString("Month"));
        QVERIFY(!w.findChild<QLabel*>("lblTimePeriod_3"));
    }

    void formCaptionsAndBuddies() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        QCOMPARE(w.objectName(), QString("frmPurchaseNS"));
        QCOMPARE(w.windowTitle(), kCaption);
        QCOMPARE(w.findChild<QLabel*>("Label4")->buddy(), box(w, "txtDemand"));
        QCOMPARE(w.findChild<QLabel*>("Label8")->buddy(), box(w, "txtOrderQuantity"));
        QCOMPARE(button(w, "cmdClear")->text(), QString("Clea&r"));
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(),
                 QString("This model assumes : 1. constant demand, 2. replacement is instantaneous, and 3. all costs "
                         "are constants, and 4. no shortages allowed. The objective is to minimize total cost."));
        QCOMPARE(w.findChild<QLabel*>("Label2")->text(),
                 QString("Paper usage in an office averages 8 boxes per week. Each box costs $25. Shipping cost per "
                         "order is $50 regardless of size. Financing cost is 15% per year, and keeping the boxes costs "
                         "$1.10 per week/box. Determine an optimum inventory policy.\n\nSolution: Demand is 8 "
                         "units/week, Purchasing cost is $25/unit, Ordering cost is $50 per order, and Holding cost is "
                         "$1.10+$(25)(0.15/365)7=$1.173/week. "));
        QVERIFY(w.findChild<QWidget*>("fraDiscount")->isHidden());
        button(w, "cmdExample")->click();
        button(w, "cmdDiscount")->click();
        QCOMPARE(button(w, "cmdDiscount")->text(), QString("&Turn Off Discount"));
        button(w, "cmdDiscount")->click();
        QCOMPARE(button(w, "cmdDiscount")->text(), QString("Quantity Discount"));
        QVERIFY(w.findChild<QWidget*>("fraDiscount")->isHidden());
    }

    void nonNumberBlocksCalculateButNotClear() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box(w, "txtDemand")->setFocus();
        QTest::keyClicks(box(w, "txtDemand"), "1..2");
        auto* calculate = button(w, "cmdCalculate");
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(t.notifier.texts(), QStringList{"This field must be a number."});
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), box(w, "txtDemand"));

        QTest::mouseClick(button(w, "cmdClear"), Qt::LeftButton);
        QCOMPARE(t.notifier.messages.size(), 1);
        QVERIFY(box(w, "txtDemand")->text().isEmpty());
    }

    void enterInTheLastBoxReachesCalculate() {
        WindowTestContext t;
        PurchaseNsWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box(w, "txtOrderingCost")->setFocus();
        QTest::keyClick(box(w, "txtOrderingCost"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button(w, "cmdCalculate")));
    }

    void launcherButtonFollowsActivation() {
        WindowTestContext t;
        FakePanel panel;
        t.ctx.setPanel(&panel);
        const QColor face = QApplication::palette().color(QPalette::Button);
        const QColor tip = QApplication::palette().color(QPalette::ToolTipBase);
        auto* w = new PurchaseNsWindow(t.ctx);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(panel.colour("Command2", 1), tip);
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(panel.colour("Command2", 1), face);
        panel.tab = 1;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(panel.colour("Command1", 0), tip);
        w->close();
        QCOMPARE(panel.colour("Command1", 0), face);
        delete w;
    }
};

TERVALO_QTEST_MAIN(PurchaseNsWindowTest)
#include "PurchaseNsWindowTest.moc"
