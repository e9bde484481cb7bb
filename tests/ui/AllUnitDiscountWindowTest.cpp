// The all-units quantity-discount window: what it does differently from the
// incremental window (check order, re-costing at the break point, its texts).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "lotsize/AllUnitDiscountWindow.h"
#include "support/DiscountWindowProbe.h"
#include "support/QtTestMain.h"
#include "support/Tolerance.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using platform::MsgIcon;

class AllUnitDiscountWindowTest : public QObject, private test::DiscountWindowProbe {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workedExampleAcceptsWithoutRecosting();
    void breakPointAboveTheDiscountQuantityIsRecostedAndAccepted();
    void dearRecostingRejects();
    void costTableOfTheRecostingAddsUp();
    void withoutInterestTheBreakPointIsStillRecosted_data();
    void withoutInterestTheBreakPointIsStillRecosted();
    void overflowIsReportedWithTheExclamationIconAndLeavesNothing();

    void checksRunInTheirOwnOrder();
    void priceCheckedAgainstTheDiscountPriceFirst();
    void captionsOfItsOwn();
    void reportHasItsOwnLines();

private:
    void exampleWithBreakPoint(const QString& breakPoint) const {
        click("cmdExample");
        setBox("txtBreakPoint", breakPoint);
        click("cmdCalculate");
    }

    std::unique_ptr<test::WindowTestContext> m_env;
    lotsize::AllUnitDiscountWindow* m_window = nullptr;
};

void AllUnitDiscountWindowTest::init() {
    m_env = std::make_unique<test::WindowTestContext>(false);
    m_window = new lotsize::AllUnitDiscountWindow(m_env->ctx);
    probe(m_window);
}

void AllUnitDiscountWindowTest::cleanup() {
    delete m_window;
    m_env.reset();
}

void AllUnitDiscountWindowTest::workedExampleAcceptsWithoutRecosting() {
    click("cmdExample");
    QVERIFY(m_env->notifier.messages.isEmpty());
    QCOMPARE(text("txtOrderQuantity"), QStringLiteral(" 555"));
    QCOMPARE(text("txtOrderInterval"), QStringLiteral(" 39"));
    QCOMPARE(cell("MSFlexGrid2", 2, 2), QStringLiteral("203.17"));
    QCOMPARE(costColumn(1), (QStringList{"95.00", "54.08", "54.08", "203.17"}));
    QCOMPARE(conclusion(),
             QStringLiteral("The quantity discount is a good deal that may decrease your total cost, so accept it."));
}

void AllUnitDiscountWindowTest::breakPointAboveTheDiscountQuantityIsRecostedAndAccepted() {
    exampleWithBreakPoint("600");
    QCOMPARE(text("txtOrderQuantity"), QStringLiteral(" 600"));
    QCOMPARE(text("txtOrderInterval"), QStringLiteral(" 42"));
    QCOMPARE(cell("MSFlexGrid2", 1, 1), QStringLiteral(" 548"));
    QCOMPARE(cell("MSFlexGrid2", 2, 1), QStringLiteral("209.54"));
    QCOMPARE(cell("MSFlexGrid2", 1, 2), QStringLiteral(" 600"));
    QCOMPARE(cell("MSFlexGrid2", 2, 2), QStringLiteral("203.50"));
    QCOMPARE(conclusion(),
             QStringLiteral("The quantity discount is a good deal that may decrease your total cost, so accept it."));
}

void AllUnitDiscountWindowTest::dearRecostingRejects() {
    exampleWithBreakPoint("1000");
    QCOMPARE(text("txtOrderQuantity"), QStringLiteral(" 548"));
    QCOMPARE(text("txtOrderInterval"), QStringLiteral(" 38"));
    QCOMPARE(cell("MSFlexGrid2", 1, 2), QStringLiteral(" 1000"));
    QCOMPARE(cell("MSFlexGrid2", 2, 2), QStringLiteral("222.50"));
    QCOMPARE(costColumn(1), (QStringList{"100.00", "54.77", "54.77", "209.54"}));
    QCOMPARE(conclusion(), QStringLiteral("The quantity discount may increase your total cost, so reject it."));
}

void AllUnitDiscountWindowTest::costTableOfTheRecostingAddsUp() {
    exampleWithBreakPoint("600");
    // Purchase 95, ordering 300 x 100 / 600, holding 600 x 0.195 / 2: the parts at the break point.
    QCOMPARE(costColumn(1), (QStringList{"95.00", "50.00", "58.50", "203.50"}));
    QCOMPARE(costColumn(2), (QStringList{"46.68", "24.57", "28.75", "100.00"}));
    double parts = 0;
    double shares = 0;
    for (int row = 0; row < 3; ++row) {
        parts += costColumn(1).at(row).toDouble();
        shares += costColumn(2).at(row).toDouble();
    }
    QCOMPARE_NEARLY(parts, 203.50);
    QCOMPARE_NEARLY(shares, 100.0);
}

// With no interest Q0 = Q1, which earns no discount below the break point:
// the discount is re-costed there and decided on that cost. Typed and clicked.
void AllUnitDiscountWindowTest::withoutInterestTheBreakPointIsStillRecosted_data() {
    QTest::addColumn<QStringList>("entries");  // after the worked example
    QTest::addColumn<QStringList>("policy");
    QTest::addColumn<QStringList>("comparison");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("example, break point 5000")
        << QStringList{"txtInterest=0", "txtBreakPoint=5000"} << QStringList{" 775", " 54"}
        << QStringList{" 775", " 5000", "177.46", "351.00"} << false;
    // Weekly: 22 units at the discount price were shown as 70574.87; they cost 96308.95.
    QTest::newRow("break point far beyond the quantity")
        << QStringList{"txtDemand=140.97",       "txtPrice=675.35",      "txtBreakPoint=201.8", "txtPrice1=492.8",
                       "txtOrderingCost=85.381", "txtHoldingCost=50.71", "txtInterest=0"}
        << QStringList{" 202", " 10"} << QStringList{" 22", " 202", "96308.95", "74646.30"} << true;
}

void AllUnitDiscountWindowTest::withoutInterestTheBreakPointIsStillRecosted() {
    QFETCH(QStringList, entries);
    QFETCH(bool, accepted);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    click("cmdExample");
    QCOMPARE(test::userPlays(*m_window, entries + QStringList{"cmdCalculate"}), QString());
    QCOMPARE(m_env->notifier.texts(), QStringList());
    QTEST(policy(), "policy");
    QTEST(comparison(), "comparison");
    QCOMPARE(conclusion().startsWith("The quantity discount is a good deal"), accepted);
}

void AllUnitDiscountWindowTest::overflowIsReportedWithTheExclamationIconAndLeavesNothing() {
    click("cmdExample");
    box("txtDemand")->setText("1E20");
    click("cmdCalculate");
    QCOMPARE(m_env->notifier.messages.size(), 1);
    QCOMPARE(m_env->notifier.last().text, QStringLiteral("Overflow"));
    QCOMPARE(m_env->notifier.last().title, QStringLiteral("Error Message"));
    QCOMPARE(m_env->notifier.last().icon, MsgIcon::Exclamation);
    // Nothing of the earlier calculation stays beside the new inputs.
    QCOMPARE(policy(), (QStringList{"", ""}));
    QCOMPARE(comparison(), (QStringList{"", "", "", ""}));
    QCOMPARE(conclusion(), QString());
    QCOMPARE(costColumn(1) + costColumn(2), QStringList(8, QString()));
    // With the quantity box empty, a report has nothing to print.
    click("cmdPrint");
    QVERIFY(m_env->textReports.reports.empty());
}

void AllUnitDiscountWindowTest::checksRunInTheirOwnOrder() {
    struct Step {
        const char* fill;
        QString value;
        QString message;
        MsgIcon icon;
    };
    const QList<Step> steps{
        {"txtItem", "An Item", "Please enter a name for this item.", MsgIcon::Exclamation},
        {"txtDemand", "100", "Please enter Demand.", MsgIcon::Exclamation},
        {"txtOrderingCost", "300", "Please enter Ordering Cost.", MsgIcon::Exclamation},
        {"txtPrice1", "0.95", "Please enter Discount Price.", MsgIcon::Information},
        {"txtPrice", "1", "The Discount Price cannnot be larger or equal to the Price.", MsgIcon::Information},
        {"txtBreakPoint", "500", "Please enter Break Point.", MsgIcon::Exclamation},
        {"txtHoldingCost", "0.1", "Please enter Holding Cost.", MsgIcon::Exclamation},
        {"txtInterest", "10", "Please enter Interest rate.", MsgIcon::Exclamation},
    };
    for (const Step& step : steps) {
        m_env->notifier.clear();
        click("cmdCalculate");
        QCOMPARE(m_env->notifier.texts(), QStringList{step.message});
        QCOMPARE(m_env->notifier.last().icon, step.icon);
        QCOMPARE(m_env->beeper.beeps, 0);  // shown without a beep
        QCOMPARE(m_env->notifier.last().title,
                 step.icon == MsgIcon::Information ? QStringLiteral("Tervalo") : QStringLiteral("Missing Input"));
        box(step.fill)->setText(step.value);
    }
    m_env->notifier.clear();
    click("cmdCalculate");
    QVERIFY(m_env->notifier.messages.isEmpty());
    QCOMPARE(text("txtOrderQuantity"), QStringLiteral(" 555"));
}

void AllUnitDiscountWindowTest::priceCheckedAgainstTheDiscountPriceFirst() {
    click("cmdExample");
    m_env->notifier.clear();
    // Leading number 2 is above the discount price: passes the comparison, fails as a number.
    box("txtPrice")->setText("2x");
    click("cmdCalculate");
    QCOMPARE(m_env->notifier.texts(), QStringList{"Please enter Price."});
    QCOMPARE(m_window->focusWidget(), box("txtPrice"));

    m_env->notifier.clear();
    box("txtPrice")->setText("0.9x");
    click("cmdCalculate");
    QCOMPARE(m_env->notifier.texts(), QStringList{"The Discount Price cannnot be larger or equal to the Price."});
    QCOMPARE(m_window->focusWidget(), box("txtPrice1"));
}

void AllUnitDiscountWindowTest::captionsOfItsOwn() {
    QCOMPARE(m_window->objectName(), QStringLiteral("frmAllUnitDiscount"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Purchasing Model: All-Units Discounts"));
    QCOMPARE(m_window->findChild<QLabel*>("Label14")->text(),
             QStringLiteral("over this break point, the entire order is priced at the lower price:"));
    QVERIFY(m_window->findChild<QLabel*>("Label2")->text().contains(
        QStringLiteral("500 units.  If order is larger than 500 units, the entire order is priced at the lower "
                       "rate $0.95 per unit. Should")));
    QVERIFY(m_window->findChild<QLabel*>("Label1")->text().contains(QStringLiteral("(see following exmple)")));
}

void AllUnitDiscountWindowTest::reportHasItsOwnLines() {
    exampleWithBreakPoint("600");
    click("cmdPrint");
    QCOMPARE(m_env->textReports.reports.size(), size_t(1));
    const QString report = m_env->textReports.reports.back()->text();
    const QStringList lines = report.split('\n');
    QCOMPARE(lines.size(), 46);
    QCOMPARE(lines.at(7), QStringLiteral("taking into account all-units quantity discounts."));
    QCOMPARE(lines.at(16), QStringLiteral("3. Purcase cost changes at a break point, and holding cost includes "
                                          "handling and financing cost."));
    QCOMPARE(lines.at(26), QStringLiteral("Over which the entire order is priced at"));
    QCOMPARE(lines.at(37), QStringLiteral("Quantity to Order:\t 600\tunits/order"));
    QCOMPARE(lines.at(38), QStringLiteral("Ordering Circle:\t 42\tdays"));
    QCOMPARE(lines.at(39), QStringLiteral("Total Cost:\t\t203.50\t$/Week"));
    QCOMPARE(lines.at(45), QStringLiteral("The time between 2 orders is  42 days."));
}

TERVALO_QTEST_MAIN(AllUnitDiscountWindowTest)
#include "AllUnitDiscountWindowTest.moc"
