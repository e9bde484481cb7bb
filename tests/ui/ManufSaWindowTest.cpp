// The manufacturing window with shortages: the cell-phone example with its
// shortage, where the shortage-cost check stands, run() and its exact time-unit
// texts, Print enabled throughout, the handler's exclamation icon.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "data/Eoq1Repository.h"
#include "lotsize/LotSizeWindows.h"
#include "lotsize/ManufSaWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"
#include "widgets/CostTable.h"

using tervalo::data::Eoq1Repository;
using tervalo::lotsize::ManufSaWindow;
using tervalo::platform::MsgIcon;
using tervalo::test::box;
using tervalo::test::button;
using tervalo::test::checked;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

class ManufSaWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cellPhoneExampleWithShortages() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 0);
        QCOMPARE(box(w, "txtOrderQuantity")->text(), QString(" 4669"));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 95"));
        QCOMPARE(box(w, "txtMaxInventory")->text(), QString(" 2142"));
        QCOMPARE(box(w, "txtAllowedShortage")->text(), QString(" 193"));
        const QStringList amounts = costColumn(w, 1);
        const QStringList shares = costColumn(w, 2);
        QCOMPARE(amounts.mid(0, 4), QStringList({"36000.00", "1927.59", "1768.43", "159.16"}));
        QCOMPARE(shares, QStringList({"90.33", "4.84", "4.44", ".40", "100.00"}));
        QCOMPARE(w.costTable()->sliceValues(), QVector<int>({90, 5, 4, 0}));
        const auto row = Eoq1Repository(t.cnn).byLogId(w.logId());
        QVERIFY(row);
        QCOMPARE(row->modelId, 4);
        QCOMPARE(row->shortageCost.value_or(""), QString("20"));
        QCOMPARE(row->shortageAllowed.value_or(""), QString(" 193"));
        QCOMPARE(QString::number(row->totalCost, 'f', 2), amounts[4]);
    }

    void setupCostMessageKeepsItsWording() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        w.run({"Cell Phone", "18000", "2", "1.8", "", "36000", "20", "year"});
        QCOMPARE(t.notifier.texts(), QStringList{"Please entering Setup Cost."});
        QCOMPARE(w.focusWidget(), box(w, "txtOrderingCost"));
    }

    // An empty shortage cost is reported after the rate box and before the
    // rate-versus-demand test.
    void shortageCostIsCheckedBeforeTheRate() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        w.run({"Cell Phone", "18000", "2", "1.8", "500", "100", "", "year"});
        QCOMPARE(t.notifier.texts(), QStringList{"Please enter Shortage Cost."});
        QCOMPARE(t.notifier.last().icon, MsgIcon::Information);
        t.notifier.clear();
        w.run({"Cell Phone", "18000", "2", "1.8", "500", "100", "20", "year"});
        QCOMPARE(t.notifier.texts(), QStringList{"Production Rate is larger than demand."});
    }

    void runMatchesTimeUnitsExactly() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        w.run({"Cell Phone", "18000", "2", "1.8", "500", "36000", "20", "week"});
        QVERIFY(checked(w, 2));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 2"));
        w.run({"Cell Phone", "18000", "2", "1.8", "500", "36000", "20", "Month"});
        QVERIFY(checked(w, 0));
        QCOMPARE(box(w, "txtOrderInterval")->text(), QString(" 95"));
        w.run({"Cell Phone", "18000", "2", "1.8", "500", "36000", "20", "month"});
        QVERIFY(checked(w, 1));
        QCOMPARE(t.notifier.messages.size(), 0);
    }

    void runWithoutItemNameComputesNothing() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        const int before = t.rowCount("EOQ1");
        w.run({"", "18000", "2", "1.8", "500", "36000", "20", "year"});
        QCOMPARE(t.notifier.texts(), QStringList{"Please enter a name for this item."});
        QCOMPARE(box(w, "txtManufacturingRate")->text(), QString("36000"));
        QVERIFY(box(w, "txtOrderQuantity")->text().isEmpty());
        QCOMPARE(t.rowCount("EOQ1"), before);
    }

    void printIsEnabledThroughoutAndNeedsTheBoxes() {
        WindowTestContext t;
        ManufSaWindow w(t.ctx);
        button(w, "cmdPrint")->click();
        QVERIFY(t.reports.requests.isEmpty());
        button(w, "cmdExample")->click();
        button(w, "cmdPrint")->click();
        QCOMPARE(t.reports.requests.size(), 1);
        QCOMPARE(t.reports.requests.first().modelId, 4);
        QCOMPARE(t.reports.requests.first().itemName, QString("Cell Phone"));
        button(w, "cmdClear")->click();
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QVERIFY(box(w, "txtShortageCost")->text().isEmpty());
        QCOMPARE(button(w, "cmdClear")->text(), QString("&Clear"));
        QCOMPARE(w.windowTitle(), QString("Manufacturing Model: Shortages Allowed"));
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(),
                 QString("This model assumes : 1. constant demand, 2. manufacturing rate is greater than demand rate, "
                         "3. all costs are constants, and 4. shortages allowed. The objective is to minimize total "
                         "cost."));
        QVERIFY(w.findChild<QLabel*>("Label2")->text().contains(
            "the cost of one unit is $2. Shortages allowed. The cost of 1 unit short is $20/year. Determine the "
            "optimum manufacturing quantity and cost per year.\n\nSolution: Click"));
    }

    void registeredUnderItsFormName() {
        WindowTestContext t;
        tervalo::lotsize::registerLotSizeWindows(t.ctx);
        for (const char* name : {"frmPurchaseNS", "frmPurchaseSA", "frmManufNS"})
            QVERIFY2(t.registry.isRegistered(name), name);
        auto* w = t.registry.instanceAs<ManufSaWindow>("frmManufSA");
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString("frmManufSA"));
        delete w;
    }

    void handlerShowsTheDescriptionWithExclamation() {
        WindowTestContext t(false);
        ManufSaWindow w(t.ctx);
        button(w, "cmdExample")->click();
        QCOMPARE(t.notifier.messages.size(), 1);
        QVERIFY(!t.notifier.last().text.contains(" in "));
        QCOMPARE(t.notifier.last().title, QString("Error Message"));
        QCOMPARE(t.notifier.last().icon, MsgIcon::Exclamation);
    }
};

TERVALO_QTEST_MAIN(ManufSaWindowTest)
#include "ManufSaWindowTest.moc"
