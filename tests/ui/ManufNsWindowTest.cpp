// The manufacturing window without shortages: the cell-phone example, the
// checks with the rate-versus-demand test, a rate equal to the demand, the
// handler's bare message, Print staying enabled after Clear, the time units.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "data/Eoq1Repository.h"
#include "lotsize/ManufNsWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "widgets/CostTable.h"

using tervalo::data::Eoq1Repository;
using tervalo::lotsize::ManufNsWindow;
using tervalo::platform::MsgIcon;
using tervalo::test::box;
using tervalo::test::button;
using tervalo::test::checked;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

namespace {

void fill(QWidget& w, const QStringList& texts) {
    const QStringList names{"txtItem",        "txtDemand",       "txtPrice",
                            "txtHoldingCost", "txtOrderingCost", "txtManufacturingRate"};
    for (int i = 0; i < names.size(); ++i)
        box(w, names[i])->setText(texts.value(i));
}

const QStringList kCellPhone{"Cell Phone", "18000", "2", "1.8", "500", "36000"};

}  // namespace

class ManufNsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cellPhoneExample() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        QVERIFY(!button(w, "cmdPrint")->isEnabled());
        const int before = t.rowCount("EOQ1");
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 4472"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 91"));
        QCOMPARE(box(w, "txtMaxInventory")->text(), QString(" 2236"));
        const QStringList amounts = costColumn(w, 1);
        const QStringList shares = costColumn(w, 2);
        QCOMPARE(amounts, QStringList({"36000.00", "2012.46", "2012.46", "40024.92"}));
        QCOMPARE(shares, QStringList({"89.94", "5.03", "5.03", "100.00"}));
        QCOMPARE(w.costTable()->sliceLabels(), QStringList({"Production", "Setup", "Holding"}));
        QCOMPARE(w.costTable()->sliceValues(), QVector<int>({90, 5, 5}));
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QVERIFY(w.findChild<QRadioButton*>("optTime_0")->isChecked());

        QCOMPARE(t.rowCount("EOQ1"), before + 1);
        const auto row = Eoq1Repository(t.cnn).byLogId(w.logId());
        QVERIFY(row);
        QCOMPARE(row->modelId, 3);
        QCOMPARE(row->timeUnit, QString("Year"));
        QCOMPARE(row->itemName, QString("Cell Phone"));
        QCOMPARE(row->setupCost, QString("500"));
        QCOMPARE(row->orderQty, QString(" 4472"));
        QVERIFY(!row->shortageAllowed || row->shortageAllowed->isEmpty());
    }

    void checksInOrder_data() {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("message");
        QTest::newRow("item") << 0 << "Please enter a name for this item.";
        QTest::newRow("demand") << 1 << "Please enter Demand.";
        QTest::newRow("price") << 2 << "Please enter Price.";
        QTest::newRow("holding") << 3 << "Please enter Holding Cost.";
        QTest::newRow("setup") << 4 << "Please entering Setup Cost.";
        QTest::newRow("rate") << 5 << "Please enter Manufacturing Rate.";
    }
    void checksInOrder() {
        QFETCH(int, failing);
        QFETCH(QString, message);
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        QStringList texts = kCellPhone;
        texts[failing].clear();
        fill(w, texts);
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.texts(), QStringList{message});
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Information);
    }

    void rateBelowDemandIsRefused() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList texts = kCellPhone;
        texts[5] = "17999";
        fill(w, texts);
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.texts(), QStringList{"Production Rate is larger than demand."});
        QCOMPARE(t.notifier.last().title, QString("Large Production Rate"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Exclamation);
        QCOMPARE(w.focusWidget(), box(w, "txtManufacturingRate"));
    }

    // A rate equal to the demand passes the checks; the calculator reports the
    // division by zero and the window stops.
    void rateEqualToDemandIsTheCalculatorsFault() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        QStringList texts = kCellPhone;
        texts[5] = "18000";
        fill(w, texts);
        button(w, "cmdCalculate")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QCOMPARE(t.notifier.last().title, QString("Tervalo"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::None);
        QVERIFY(box(w, "txtMaxInventory")->text().isEmpty());
        QCOMPARE(t.rowCount("EOQ1"), before);
    }

    void handlerShowsTheDescriptionAloneWithoutIcon() {
        WindowTestContext t(false);
        ManufNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QVERIFY(!t.notifier.last().text.contains(" in "));
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::None);
    }

    void monthAndWeekChangeOnlyTheDaysPerUnit() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        fill(w, kCellPhone);
        w.findChild<QRadioButton*>("optTime_1")->click();
        button(w, "cmdCalculate")->click();
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 4472"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 7"));  // 0.248 months x 30
        w.findChild<QRadioButton*>("optTime_2")->click();
        button(w, "cmdCalculate")->click();
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 2"));  // 0.248 weeks x 7
        QCOMPARE(Eoq1Repository(t.cnn).byLogId(w.logId())->timeUnit, QString("Week"));
    }

    void clearLeavesPrintEnabled() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        button(w, "cmdExample")->click();
        w.findChild<QRadioButton*>("optTime_2")->click();
        button(w, "cmdClear")->click();
        for (const char* name : {"txtItem", "txtManufacturingRate", "txtOrderQuantity", "txtMaxInventory"})
            QVERIFY2(box(w, name)->text().isEmpty(), name);
        QCOMPARE(w.findChild<QLabel*>("lblTimePeriod_3")->text(), QString("Year"));
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QVERIFY(w.costTable()->cell(4, 2).isEmpty());
        // With the quantity box empty, Print does nothing.
        button(w, "cmdPrint")->click();
        QVERIFY(t.reports.requests.isEmpty());
        QVERIFY(!w.findChild<QWidget*>("cmdDiscount"));
    }

    void captionsAndBuddies() {
        WindowTestContext t;
        ManufNsWindow w(t.ctx);
        QCOMPARE(w.objectName(), QString("frmManufNS"));
        QCOMPARE(w.windowTitle(), QString("Manufacturing Model: No Shortages"));
        QCOMPARE(w.findChild<QLabel*>("Label17")->buddy(), box(w, "txtManufacturingRate"));
        QCOMPARE(w.findChild<QLabel*>("Label17")->text(), QString("Production rate,units/"));
        QCOMPARE(w.findChild<QLabel*>("Label18")->buddy(), box(w, "txtMaxInventory"));
        QVERIFY(w.findChild<QLabel*>("Label2")->text().endsWith("you need to covert data accordingly."));
    }
};

TERVALO_QTEST_MAIN(ManufNsWindowTest)
#include "ManufNsWindowTest.moc"
