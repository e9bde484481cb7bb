// The model wizard: its four steps as the program registers them, their texts
// and defaults, and the checks of steps 1, 3 and 4 with their titles and focus.
// The hand-over to the model windows, the keyboard, Back and the reuse of the
// loaded steps are in WizardFlowTest.cpp.
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

#include "WizardFixture.h"
#include "support/QtTestMain.h"

using namespace tervalo;
using test::Answers;
using test::describe;

class WizardTest : public QObject, private test::WizardFixture {
    Q_OBJECT

private slots:
    void cleanup() {
        m_t.reset();
        m_calls.clear();
    }

    // Each step as it opens: title, captions, defaults, and which buttons are off.
    void stepTexts_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* form, const char* control, const QString& shown) {
            QTest::addRow("%s %s", form, control) << form << control << shown;
        };
        row("frmWizard", "", "Tervalo - Step 1: Getting Stated");
        row("frmWizard", "Label1", "Welcome to Tervalo. ");
        row("frmWizard", "Label2",
            "If you are purchasing an item and wonder how many to order and when to order to minimize your total "
            "cost, or if you are manufacuring a product and want to know the quantity to produce and when to produce "
            "at the lowest total cost, you will get an anwser to these questions from this wizard.");
        row("frmWizard", "Label3",
            "Just anwser a few questions in the following interview, you will arrive at a conclusion - an optimum "
            "policy to minimize total cost.");
        row("frmWizard", "Frame2", "Are you purchasing or manufacturing this item?");
        row("frmWizard", "OptionPurchasing_0", "Purchasing [x]");
        row("frmWizard", "OptionPurchasing_1", "Manufacturing");
        row("frmWizard", "Frame1", "What is the name of this item?");
        row("frmWizard", "Label4", "The name is");
        row("frmWizard", "Label5", "(for example, Honda Accord)");
        row("frmWizard", "cmdCancel", "&Cancel");
        row("frmWizard", "cmdBack", "< &Back (off)");
        row("frmWizard", "cmdNext", "&Next >");
        row("frmWizard", "cmdFinish", "&Finish (off)");
        row("frmW1", "", "Tervalo - Step 2: About Demand");
        row("frmW1", "Frame1", "Type of Demand");
        row("frmW1", "OptionDType_0",
            "Single-period.  The item can be ordered only once to satisfy the demand of a specific period, and there "
            "can be no order to replensh inventory.  An typical example is Christmas Tree.");
        row("frmW1", "OptionDType_1",
            "Demand is stationary over time.  For instance, milk sold in a suppermarket may be stationary. [x]");
        row("frmW1", "Frame2", "How well do you know the demand?");
        row("frmW1", "OptionDest_0", "I can provide a demand with certainty, such as 1600s/month.");
        row("frmW1", "OptionDest_1",
            "The demand is equally likely within a range, such as between 800 and 1200 units/month. [x]");
        row("frmW1", "OptionDest_2", "I know the mean of the demand and its variance.");
        row("frmW1", "cmdBack", "< &Back");
        row("frmW1", "cmdFinish", "&Finish (off)");
        row("frmW2", "", "Tervalo - Step 3:  Demand Data");
        row("frmW2", "Label1", "Now, have your data ready and fill in the following form.");
        row("frmW2", "Label2", "The demand is equally likely between");
        row("frmW2", "Label3", "and");
        row("frmW2", "Label4", "The mean of the demand is ");
        row("frmW2", "Label5", "with variance");
        row("frmW2", "Label6", "The demandis about ");
        row("frmW2", "lblManufRate", "Production rate is");
        row("frmW2", "lblTimeUnit_4", "units/month");
        row("frmW2", "Frame2", "Select a time unit");
        row("frmW2", "OptionTime_1", "Month [x]");
        row("frmW2", "cmdFinish", "&Finish (off)");
        row("frmW3", "", "Tervalo - Step 4:  Costs");
        row("frmW3", "Label1", "Please enter costs.  If you have dificulty, use the help on the right.");
        row("frmW3", "SSTab1:0", "Ordering Cost");
        row("frmW3", "SSTab1:1", "Item Cost");
        row("frmW3", "SSTab1:2", "Holding Cost");
        row("frmW3", "SSTab1:3", "Shortage Cost");
        row("frmW3", "Label4", "Ordering/Setup Cost: $");
        row("frmW3", "Label2",
            "Setup Cost/Ordering Cost is the cost of starting  up a production run or of placing an order for items "
            "from an outside vendor.  It is assumed that this cost is independent of the number of units ordered or "
            "produced.");
        row("frmW3", "Label3",
            "For example, shipping and handling fee may be a part of the ordering cost, which is independent of the "
            "number of units ordered.");
        row("frmW3", "Label6", "Item Cost: $");
        row("frmW3", "Label7", "/unit");
        row("frmW3", "Label5",
            "Items Cost is the per unit cost of buying or making a unit of product.  In purchaing case, for example, "
            "it is the price of an item.");
        row("frmW3", "Label10", "Holding Cost: $");
        row("frmW3", "lblCostUnit_0", "/unit/month");
        row("frmW3", "Label9",
            "This cost varies directly with the level of inventory and the length of time the item is held in "
            "stock.");
        row("frmW3", "Label8",
            "Holding Cost is the cost of carrying items in storage.  Usually, it may consist of storage costs, "
            "insurance costs,depreciation costs, ans the cost of capital invested in the items, etc.");
        row("frmW3", "Label12", "Shortage Cost: $");
        row("frmW3", "lblCostUnit_1", "/unit/month");
        row("frmW3", "Label11",
            "Shortage Cost is the penalty cost for running out of stock when there is a demand for an item.  This "
            "cost may include the loss of potential profit and the loss of goodwill.");
        row("frmW3", "cmdNext", "&Next > (off)");
        row("frmW3", "cmdFinish", "&Finish");
    }
    void stepTexts() {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        load();
        interview({.demand = {"txtLowererD=5", "txtUpperD=12"}, .costs = {}});
        QCOMPARE(describe(step(form), control), shown);
        // Top-level windows, each with the same illustration.
        QVERIFY(step(form)->isWindow());
        QCOMPARE(step(form)->findChild<QLabel*>("Image1")->pixmap().size(), QSize(154, 138));
    }

    // Only the empty name is refused; blanks and any other text are a name.
    void itemNameCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "Please enter a name for this item. | Enter a Name";
        QTest::newRow("blanks") << "   "
                                << "";
        QTest::newRow("quote and umlaut") << "Chef's Öl"
                                          << "";
    }
    void itemNameCheck() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        load();
        open();
        activate("frmWizard");
        type("frmWizard", {"txtItemName=" + name});
        click("frmWizard", "cmdNext");
        QCOMPARE(lastMessage(), message);
        if (!message.isEmpty()) {
            QCOMPARE(openSteps(), QStringList{"frmWizard"});
            QCOMPARE(focused(), QString("txtItemName"));
        } else {
            QCOMPARE(openSteps(), (QStringList{"frmWizard hidden", "frmW1"}));
        }
    }

    // Next on step 3 checks the shown frame, in order; a refusal keeps every text
    // and puts the focus in its box.
    void demandChecks_data() {
        QTest::addColumn<bool>("purchasing");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");  // empty: step 4 opens
        QTest::addColumn<QString>("focus");
        const QString order =
            "The lower bound of the demand should be smaller than the upper bound. Please check your data. | "
            "Check demand data";
        QTest::newRow("no lower bound") << true << 1 << QStringList{"txtUpperD=12"}
                                        << "Please enter the lower bound of the demand. | Enter Lower Bound Demand"
                                        << "txtLowererD";
        QTest::newRow("no upper bound") << true << 1 << QStringList{"txtLowererD=5"}
                                        << "Please enter the upper bound of the demand. | Enter Upper Demand"
                                        << "txtUpperD";
        QTest::newRow("10 and 10") << true << 1 << QStringList{"txtLowererD=10", "txtUpperD=10"} << order
                                   << "txtUpperD";
        QTest::newRow("10 and 9.5") << true << 1 << QStringList{"txtLowererD=10", "txtUpperD=9.5"} << order
                                    << "txtUpperD";
        QTest::newRow("1.2.3 is 1.2") << true << 1 << QStringList{"txtLowererD=1.2.3", "txtUpperD=1.2"} << order
                                      << "txtUpperD";
        QTest::newRow("5 and 12") << true << 1 << QStringList{"txtLowererD=5", "txtUpperD=12"} << ""
                                  << "";
        QTest::newRow("no mean") << true << 2 << QStringList{"txtVariance=4"}
                                 << "Please enter the Mean of the Demand. | Enter the Mean"
                                 << "txtMean";
        QTest::newRow("no variance") << true << 2 << QStringList{"txtMean=4"}
                                     << "Please enter the Variance of the Demand. | Enter the Variance"
                                     << "txtVariance";
        QTest::newRow("no demand") << false << 0 << QStringList{"txtManufRate=9"}
                                   << "Please enter the Demand. | Enter the Demand"
                                   << "txtConstD";
        QTest::newRow("no production rate")
            << false << 0 << QStringList{"txtConstD=8"} << "Please enter the Manufacture Rate. | Enter Production Rate"
            << "txtManufRate";
        QTest::newRow("purchased: no rate needed") << true << 0 << QStringList{"txtConstD=8"} << ""
                                                   << "";
        QTest::newRow("other frames not checked") << true << 0 << QStringList{"txtConstD=8", "txtLowererD=9"} << ""
                                                  << "";
        QTest::newRow("a figure out of range")
            << true << 0 << QStringList{"txtConstD=8", "txtLowererD=1" + QString(400, '0')}
            << "Overflow | Error Message"
            << "txtConstD";
    }
    void demandChecks() {
        QFETCH(bool, purchasing);
        QFETCH(int, model);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        load();
        Answers a{.purchasing = purchasing, .model = model, .demand = {}, .costs = {}};
        interview(a);  // step 3 with empty boxes: its first check refuses
        m_t->notifier.clear();
        step("frmW2")->show();
        activate("frmW2");
        type("frmW2", typed);
        click("frmW2", "cmdNext");
        QCOMPARE(lastMessage(), message);
        for (const QString& entry : typed)
            QCOMPARE(box("frmW2", entry.section('=', 0, 0))->text(), entry.section('=', 1));
        if (!message.isEmpty()) {
            QVERIFY(step("frmW2")->isVisible());
            QCOMPARE(focused(), focus);
        } else {
            QVERIFY(step("frmW3")->isVisible() && !step("frmW2")->isVisible());
        }
    }

    // The time unit relabels all five unit labels of step 3 (the hidden one too)
    // and the two of step 4; tab 0 names ordering or setup.
    void unitsAndTabZero_data() {
        QTest::addColumn<bool>("purchasing");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("step3Unit");
        QTest::addColumn<QString>("costUnit");
        QTest::addColumn<QString>("tabZero");
        QTest::newRow("purchased, week") << true << 0 << "units/week"
                                         << "/unit/week"
                                         << "Ordering Cost";
        QTest::newRow("manufactured, week") << false << 0 << "units/week"
                                            << "/unit/week"
                                            << "Setup Cost";
        QTest::newRow("manufactured, year") << false << 2 << "units/year"
                                            << "/unit/year"
                                            << "Setup Cost";
    }
    void unitsAndTabZero() {
        QFETCH(bool, purchasing);
        QFETCH(int, unit);
        QFETCH(QString, step3Unit);
        QFETCH(QString, costUnit);
        QFETCH(QString, tabZero);
        load();
        interview({.purchasing = purchasing, .model = 0, .demand = {"txtConstD=8", "txtManufRate=9"}, .unit = unit});
        for (int i = 0; i < 5; ++i)
            QCOMPARE(describe(step("frmW2"), QString("lblTimeUnit_%1").arg(i)), step3Unit);
        QCOMPARE(box("frmW2", "txtManufRate")->isVisibleTo(step("frmW2")), !purchasing);
        QCOMPARE(describe(step("frmW3"), "lblCostUnit_0"), costUnit);
        QCOMPARE(describe(step("frmW3"), "lblCostUnit_1"), costUnit);
        QCOMPARE(describe(step("frmW3"), "SSTab1:0"), tabZero);
    }

    // Finish checks the costs in order: the tab of the missing one is selected and
    // its box focused; a single-period item has no ordering cost to give.
    void costChecks_data() {
        QTest::addColumn<bool>("singlePeriod");
        QTest::addColumn<QStringList>("costs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tab");
        QTest::newRow("ordering") << false << QStringList{} << "Please enter Ordering/Setup Cost. | Enter data" << 0;
        QTest::newRow("item") << false << QStringList{"txtOrderingCost=1"} << "Please enter Item Cost. | Enter Data"
                              << 1;
        QTest::newRow("holding") << false << QStringList{"txtOrderingCost=1", "txtItemCost=1"}
                                 << "Please enter Holding Cost. | Enter Data" << 2;
        QTest::newRow("shortage") << false << QStringList{"txtOrderingCost=1", "txtItemCost=1", "txtHoldingCost=1"}
                                  << "Please enter Shortage Cost. | Enter Data" << 3;
        QTest::newRow("single period: item first")
            << true << QStringList{} << "Please enter Item Cost. | Enter Data" << 1;
    }
    void costChecks() {
        QFETCH(bool, singlePeriod);
        QFETCH(QStringList, costs);
        QFETCH(QString, message);
        QFETCH(int, tab);
        load();
        interview({.singlePeriod = singlePeriod, .demand = {"txtLowererD=5", "txtUpperD=12"}, .costs = costs});
        activate("frmW3");
        auto* tabs = step("frmW3")->findChild<QTabWidget*>("SSTab1");
        QCOMPARE(tabs->isTabEnabled(0), !singlePeriod);
        QCOMPARE(tabs->currentIndex(), singlePeriod ? 1 : 0);
        tabs->setCurrentIndex(3);
        click("frmW3", "cmdFinish");
        QCOMPARE(lastMessage(), message);
        QCOMPARE(tabs->currentIndex(), tab);
        const QStringList boxes{"txtOrderingCost", "txtItemCost", "txtHoldingCost", "txtShortageCost"};
        QCOMPARE(focused(), boxes.at(tab));
        QVERIFY(m_calls.isEmpty());
        QCOMPARE(openSteps(), (QStringList{"frmWizard hidden", "frmW1 hidden", "frmW2 hidden", "frmW3"}));
    }
};

TERVALO_QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
