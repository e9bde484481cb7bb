// The discrete single-period and (s,S) window: the boat demonstration, the
// checks with their beeps, the (s,S) search, the cost table and pie, Clear,
// the problem type, the form's captions and the plain-text report.
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "stochastic/Demonstration.h"
#include "stochastic/SinglePeriodDWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "ui/DiscreteWindowFixture.h"

using namespace tervalo;
using platform::MsgIcon;
using stochastic::SinglePeriodDWindow;
using SsProblem = core::stochastic::Problem;

namespace {

const QStringList kBoatAmounts{"60000.00", "54000.00", "4000.00", "118000.00"};
const QStringList kBoatShares{"50.85", "45.76", "3.39", "100.00"};

// The report of the demonstration, line by line.
const QString kDemonstrationReport = QStringLiteral(
    "Inventory Management Report\n"
    "===========================\n"
    "\n"
    "Objective\n"
    "---------\n"
    "\n"
    "To make an optimal inventory policy that minimizes cost.\n"
    "\n"
    "Method\n"
    "------\n"
    "\n"
    "Single-Period Stochastic Model is used. This model assumes a random demandand a descrete demand distribution \n"
    "to determine how much of an item is to have on hand at the beginning of a \n"
    "single time period to minimize total cost. The descrete demand distribution\n"
    "well applies to some expensive items with small range of demands, such asluxury boats.\n"
    "\n"
    "Demand model used in this calculation is Descrete distribution model\n"
    "Problem type is Christmas Tree\n"
    "\n"
    "Input\n"
    "-----\n"
    "\n"
    "Item:\t\t\tBoat\n"
    "Demand model parameters:\n"
    "\n"
    "Demand\tProbability\n"
    "\n"
    " 0\t .1\n"
    " 1\t .2\n"
    " 2\t .2\n"
    " 3\t .2\n"
    " 4\t .2\n"
    " 5\t .1\n"
    "\n"
    "\n"
    "Item Cost:\t\t30000\t\t$/unit\n"
    "Holding Cost:\t\t10000\t\t$/unit\n"
    "Shortage Cost:\t\t60000\t\t$/unit\n"
    "\n"
    "The Optimal Policy\n"
    "------------------\n"
    "\n"
    "The inventory level should be replenished to:\n"
    "\n"
    "\t 2\tunits\n"
    "Total Cost:\t\t118000.00\t$");

using Fixture = test::DiscreteWindowFixture<SinglePeriodDWindow>;

// The example's table in the editor and the boat's costs in the boxes.
void enterBoat(const Fixture& f, const QList<QPair<QString, QString>>& rows = test::exampleRows()) {
    f.rows(rows);
    f.set("txtItem", "Boat");
    f.set("txtPrice", "30000");
    f.set("txtHoldingCost", "10000");
    f.set("txtShortageCost", "60000");
}

QStringList costs(const Fixture& f, int column) { return test::costColumn(*f.w, column); }

}  // namespace

class SinglePeriodDWindowTest : public QObject {
    Q_OBJECT

private slots:
    void demonstrationSolvesTheBoat();
    void demonstrationNarratesItsOwnSteps_data();
    void demonstrationNarratesItsOwnSteps();
    void demonstrationShowsTheHourglassUntilItsCalculate();
    void demonstrationEngine();

    void ssPolicySearch_data();
    void ssPolicySearch();
    void orderUpToLevelInTheFirstRowIsTheReorderPoint();
    void descendingTableGivesTheAscendingAnswer();
    void checks_data();
    void checks();
    void zeroTotalIsReportedAndShowsNothing();

    void problemTypeShowsTheSsControls();
    void clearEmptiesTheBoxesAndTheTable();
    void formHasItsNamesAndCaptions_data();
    void formHasItsNamesAndCaptions();

    void reportOfTheDemonstration();
    void reportOfTheSsPolicy();
    void reportAfterClear();
    void reportWithoutReportWindowTypesNothing();
};

void SinglePeriodDWindowTest::demonstrationSolvesTheBoat() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    f.playDemo(32);

    QVERIFY(f.messages().isEmpty());
    QCOMPARE(f.beeps(), 0);
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 2"));
    QCOMPARE(costs(f, 1), kBoatAmounts);
    QCOMPARE(costs(f, 2), kBoatShares);
    QCOMPARE(f.w->costTable()->sliceValues(), (QVector<int>{51, 46, 3}));
    QCOMPARE(f.w->costTable()->sliceLabels(), (QStringList{"Purchase", "Shortage", "Holding"}));
    QCOMPARE(f.w->costTotal(), 118000.0);
    QCOMPARE(f.box("txtItem")->text(), QStringLiteral("Boat"));
    QCOMPARE(f.box("txtPrice")->text(), QStringLiteral("30000"));
    QCOMPARE(f.box("txtHoldingCost")->text(), QStringLiteral("10000"));
    QCOMPARE(f.box("txtShortageCost")->text(), QStringLiteral("60000"));
    // The last step ends it.
    QVERIFY(f.narration()->isHidden());
    QCOMPARE(f.narration()->toPlainText(), QString());
    QVERIFY(!f.w->demonstration()->timer()->isActive());
    QVERIFY(f.button("cmdDemo")->isEnabled());
    QCOMPARE(f.w->demoStep(), 32);
    // The problem type is not changed.
    QCOMPARE(f.w->problem(), SsProblem::SinglePeriod);
}

void SinglePeriodDWindowTest::demonstrationNarratesItsOwnSteps_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("narration");
    QTest::addColumn<QString>("focus");
    QTest::newRow("21") << 21 << "Next, we enter Item name."
                        << "txtDemand";
    QTest::newRow("22") << 22 << "Next, we enter Item name."
                        << "txtItem";
    QTest::newRow("23") << 23 << "...then enter Item Cost."
                        << "txtItem";
    QTest::newRow("24") << 24 << "...then enter Item Cost."
                        << "txtPrice";
    QTest::newRow("25") << 25 << "...then enter Holding Cost."
                        << "txtPrice";
    QTest::newRow("26") << 26 << "...then enter Holding Cost."
                        << "txtHoldingCost";
    QTest::newRow("27") << 27 << "...then enter Shortage Cost."
                        << "txtHoldingCost";
    QTest::newRow("28") << 28 << "...then enter Shortage Cost."
                        << "txtShortageCost";
    QTest::newRow("29") << 29 << "...then press Calculate Button."
                        << "cmdCalculate";
    QTest::newRow("30") << 30 << "...then press Calculate Button."
                        << "cmdCalculate";
    QTest::newRow("31") << 31 << "Now, we have done. "
                        << "cmdCalculate";
}

void SinglePeriodDWindowTest::demonstrationNarratesItsOwnSteps() {
    QFETCH(int, step);
    QFETCH(QString, narration);
    QFETCH(QString, focus);
    Fixture f(widgets::WindowId::SinglePeriodD);
    f.playDemo(step);
    QCOMPARE(f.narration()->toPlainText(), narration);
    QVERIFY(!f.narration()->isHidden());
    QVERIFY(f.w->demonstration()->timer()->isActive());
    QVERIFY(!f.button("cmdDemo")->isEnabled());
    QCOMPARE(f.w->focusWidget()->objectName(), focus);
    QCOMPARE(f.box("txtS2")->text(), step >= 30 ? QStringLiteral(" 2") : QString());
}

void SinglePeriodDWindowTest::demonstrationShowsTheHourglassUntilItsCalculate() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    f.click("cmdDemo");
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    for (int i = 0; i < 29; ++i)
        f.step();
    QVERIFY(QApplication::overrideCursor());
    f.step();  // step 30: Calculate
    QVERIFY(!QApplication::overrideCursor());
}

void SinglePeriodDWindowTest::demonstrationEngine() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    QTimer* timer = f.w->findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(!timer->isActive());
    QVERIFY(f.narration()->isHidden());

    f.click("cmdDemo");
    QVERIFY(timer->isActive());
    QCOMPARE(f.w->demoStep(), 0);
    f.w->demo(0);
    // Any number but 0 plays the step after the last one.
    f.w->demo(7);
    QCOMPARE(f.w->demoStep(), 2);
    QCOMPARE(f.box("txtDemand")->text(), QStringLiteral("0"));
    // 0 starts again from step 1, which types nothing.
    f.w->demo(0);
    QCOMPARE(f.w->demoStep(), 1);
    QCOMPARE(f.narration()->toPlainText(), QStringLiteral("We now enter the data in first row, that is 0, and 0.1"));
    QCOMPARE(f.box("txtDemand")->text(), QStringLiteral("0"));
    while (timer->isActive())
        f.step();
    QCOMPARE(f.w->demoStep(), 32);
    // A step beyond the script does nothing.
    f.step();
    QCOMPARE(f.w->demoStep(), 33);
    QVERIFY(f.narration()->isHidden());
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 2"));
    QVERIFY(f.messages().isEmpty());
}

void SinglePeriodDWindowTest::ssPolicySearch_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("s1");
    QTest::addColumn<QStringList>("messages");
    // s is the smallest demand whose G is within the setup cost of G(S): S itself without one.
    QTest::newRow("EmptySetupCostReordersAtS") << ""
                                               << " 2" << QStringList{};
    QTest::newRow("SetupCost50000ReordersAtZero") << "50000"
                                                  << " 0" << QStringList{};
    // Only a negative setup cost leaves no level within it.
    QTest::newRow("NegativeSetupCostHasNoReorderPoint") << "-1"
                                                        << "no solution" << QStringList{"No solution in this case."};
}

void SinglePeriodDWindowTest::ssPolicySearch() {
    QFETCH(QString, setup);
    QFETCH(QString, s1);
    QFETCH(QStringList, messages);
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.w->selectProblem(SsProblem::SsPolicy);
    f.set("txtSetupCost", setup);
    f.click("cmdCalculate");

    QCOMPARE(f.messages(), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(f.last().title, QStringLiteral("No Solution"));
        QCOMPARE(f.last().icon, MsgIcon::Exclamation);
    }
    QCOMPARE(f.beeps(), 0);
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 2"));
    QCOMPARE(f.box("txtS1")->text(), s1);
    // The calculation goes on to the cost table.
    QCOMPARE(costs(f, 1), kBoatAmounts);
}

// S is the demand of the first row, and so is s.
void SinglePeriodDWindowTest::orderUpToLevelInTheFirstRowIsTheReorderPoint() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.set("txtPrice", "10");
    f.set("txtHoldingCost", "10");
    f.set("txtShortageCost", "11");
    f.set("txtSetupCost", "5");
    f.w->selectProblem(SsProblem::SsPolicy);
    f.click("cmdCalculate");

    QCOMPARE(f.messages(), QStringList{});
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 0"));
    QCOMPARE(f.box("txtS1")->text(), QStringLiteral(" 0"));
    QCOMPARE(costs(f, 1).first(), QStringLiteral(".00"));
}

void SinglePeriodDWindowTest::descendingTableGivesTheAscendingAnswer() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f, test::exampleRowsDescending());
    f.w->selectProblem(SsProblem::SsPolicy);
    f.set("txtSetupCost", "50000");
    f.click("cmdCalculate");
    QVERIFY(f.messages().isEmpty());
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 2"));
    QCOMPARE(f.box("txtS1")->text(), QStringLiteral(" 0"));
    QCOMPARE(costs(f, 1), kBoatAmounts);
    QCOMPARE(costs(f, 2), kBoatShares);
}

void SinglePeriodDWindowTest::checks_data() {
    QTest::addColumn<QStringList>("boxes");  // "name=text" over the boat
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("beeps");

    const QString err = "Error Message";
    QTest::newRow("DemandEmpty") << QStringList{"txtDemand="} << "Please enter the Demand." << err << "txtDemand" << 1;
    QTest::newRow("DemandBlankLeftByNext")
        << QStringList{"txtDemand= "} << "Please enter the Demand." << err << "txtDemand" << 1;
    QTest::newRow("ProbabilityBlank") << QStringList{"txtProbability= "} << "Please enter the Probability." << err
                                      << "txtProbability" << 1;
    QTest::newRow("PriceEmpty") << QStringList{"txtPrice="} << "Please enter the Purchase or Production Cost." << err
                                << "txtPrice" << 1;
    QTest::newRow("PriceNotANumber") << QStringList{"txtPrice=1..2"} << "Please enter the Purchase or Production Cost."
                                     << err << "txtPrice" << 1;
    QTest::newRow("HoldingCostEmpty") << QStringList{"txtHoldingCost="} << "Please enter the Holding Cost." << err
                                      << "txtHoldingCost" << 1;
    QTest::newRow("ShortageCostEmpty") << QStringList{"txtShortageCost="}
                                       << "Please enter the Shortage Cost or Selling Price." << err << "txtShortageCost"
                                       << 1;
    QTest::newRow("SellingPriceEqualsTheCost")
        << QStringList{"txtShortageCost=30000"}
        << "Your selling price cannot be equal to purchase price. Please reenter these data."
        << "Tervalo"
        << "txtPrice" << 1;
    QTest::newRow("SellingPriceBelowTheCost")
        << QStringList{"txtShortageCost=20000"}
        << "Your selling price cannot be less than purchase price. Please reenter these data."
        << "Tervalo"
        << "txtPrice" << 1;
    QTest::newRow("HoldingCostCancelsTheSellingPrice")
        << QStringList{"txtPrice=5", "txtHoldingCost=-60000"}
        << "Check your Holding cost and Selling Price. They might be unreasonable." << err << "txtHoldingCost" << 1;
    // R = 0.95 lies beyond the table's last sum, 0.9: no beep.
    QTest::newRow("TableStopsBelowTheRatio")
        << QStringList{"txtProbability=0", "txtPrice=2000", "txtHoldingCost=0"}
        << "No solution in this case. Please check your data to see if there is anything unreasonable" << err
        << "txtDemand" << 0;
    // A row the editor has refused (it said so as the row was typed or pasted) is said again, never computed.
    const QString aboveOne = "The cumulative probability cannot be larger than 1";
    QTest::newRow("RowProbabilityTwo") << QStringList{"txtProbability=2"} << aboveOne << err << "txtProbability" << 1;
    QTest::newRow("RowProbabilityHuge") << QStringList{"txtProbability=1e308"} << aboveOne << err << "txtProbability"
                                        << 1;
    QTest::newRow("RowProbabilityNegative")
        << QStringList{"txtProbability=-0.5"} << "The probability cannot be negative" << err << "txtProbability" << 1;
}

void SinglePeriodDWindowTest::checks() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, focus);
    QFETCH(int, beeps);
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.box("txtDemand")->setFocus();
    for (const QString& entry : boxes)
        f.set(entry.section('=', 0, 0), entry.section('=', 1));
    const int beepsBefore = f.beeps();
    const qsizetype messagesBefore = f.messages().size();
    f.click("cmdCalculate");

    QCOMPARE(f.messages().mid(messagesBefore), QStringList{text});
    QCOMPARE(f.last().title, title);
    QCOMPARE(f.last().icon, MsgIcon::Exclamation);
    QCOMPARE(f.beeps() - beepsBefore, beeps);
    QCOMPARE(f.w->focusWidget()->objectName(), focus);
    QCOMPARE(f.box("txtS2")->text(), QString());
    QCOMPARE(costs(f, 1), QStringList(4, QString()));
}

// A total of 0 cannot be split into shares: the window's handler reports it.
void SinglePeriodDWindowTest::zeroTotalIsReportedAndShowsNothing() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.click("cmdCalculate");
    QCOMPARE(f.box("txtS2")->text(), QStringLiteral(" 2"));

    f.editor().reset();
    f.rows({{"0", "0.9"}});
    f.set("txtPrice", "0");
    f.set("txtHoldingCost", "1");
    f.set("txtShortageCost", "1");
    f.click("cmdCalculate");
    QCOMPARE(f.messages(), QStringList{"Invalid procedure call or argument"});
    QCOMPARE(f.last().title, QStringLiteral("Error Message"));
    QCOMPARE(f.last().icon, MsgIcon::Exclamation);
    QCOMPARE(f.box("txtS2")->text(), QString());
    QCOMPARE(costs(f, 1), QStringList(4, QString()));
    QCOMPARE(costs(f, 2), QStringList(4, QString()));
    QVERIFY(!QApplication::overrideCursor());
}

void SinglePeriodDWindowTest::problemTypeShowsTheSsControls() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    const QStringList ssOnly{"txtSetupCost", "Label5", "Label7", "lblS1", "lblS2", "txtS1"};
    auto hidden = [&f, &ssOnly] {
        QList<bool> states;
        for (const QString& name : ssOnly)
            states << f.w->findChild<QWidget*>(name)->isHidden();
        return states;
    };
    QVERIFY(f.w->findChild<QRadioButton*>("optType_1")->isChecked());
    QCOMPARE(hidden(), QList<bool>(6, true));
    f.w->findChild<QRadioButton*>("optType_0")->click();
    QCOMPARE(f.w->problem(), SsProblem::SsPolicy);
    QCOMPARE(hidden(), QList<bool>(6, false));
    f.w->findChild<QRadioButton*>("optType_1")->click();
    QCOMPARE(hidden(), QList<bool>(6, true));
}

void SinglePeriodDWindowTest::clearEmptiesTheBoxesAndTheTable() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.w->selectProblem(SsProblem::SsPolicy);
    f.set("txtSetupCost", "50000");
    f.click("cmdCalculate");
    f.click("cmdClear");

    for (const char* name : {"txtItem", "txtPrice", "txtHoldingCost", "txtShortageCost", "txtSetupCost", "txtDemand",
                             "txtProbability", "txtCumulative", "txtS1", "txtS2"})
        QVERIFY2(f.box(name)->text().isEmpty(), name);
    QCOMPARE(f.box("txtCounter")->text(), QStringLiteral("1"));
    QCOMPARE(f.editor().lastRow(), 1);
    QCOMPARE(f.editor().runningTotal(), 0.0);
    QCOMPARE(f.editor().rows(), (std::vector<core::stochastic::DemandRow>{{0, 0}}));
    QCOMPARE(costs(f, 1), QStringList(4, QString()));
    QCOMPARE(costs(f, 2), QStringList(4, QString()));
    // The problem type, the pie and the last total stay.
    QCOMPARE(f.w->problem(), SsProblem::SsPolicy);
    QCOMPARE(f.w->costTable()->sliceValues(), (QVector<int>{51, 46, 3}));
    QCOMPARE(f.w->costTotal(), 118000.0);
    QVERIFY(f.messages().isEmpty());
}

void SinglePeriodDWindowTest::formHasItsNamesAndCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label1") << "Label1"
                            << "This model assumes a descrete random demand to determine how much of an item is to "
                               "have on hand at the beginning of a single time period to minimize total cost. Some "
                               "examples are expensive items with small range of demands, such as luxury boat.";
    QTest::newRow("Label8") << "Label8"
                            << "The inventory level should be replenished to";
    QTest::newRow("Label15") << "Label15"
                             << "units";
    QTest::newRow("lblS1") << "lblS1"
                           << "whenever it falls below";
    QTest::newRow("lblS2") << "lblS2"
                           << "units.";
    QTest::newRow("Label10") << "Label10"
                             << "Cost, $";
    QTest::newRow("Label5") << "Label5"
                            << "Order/Setup Cost";
    QTest::newRow("Label7") << "Label7"
                            << "$";
    QTest::newRow("cmdCalculate") << "cmdCalculate"
                                  << "C&alculate";
    QTest::newRow("cmdPrint") << "cmdPrint"
                              << "&Print Report";
    QTest::newRow("cmdClear") << "cmdClear"
                              << "&Clear";
    QTest::newRow("cmdDemo") << "cmdDemo"
                             << "&Demo";
    QTest::newRow("cmdNext") << "cmdNext"
                             << ">";
    QTest::newRow("cmdPrevious") << "cmdPrevious"
                                 << "<";
    QTest::newRow("optType_0") << "optType_0"
                               << "(s,S) Policy";
    QTest::newRow("optType_1") << "optType_1"
                               << "Christmas Tree";
}

void SinglePeriodDWindowTest::formHasItsNamesAndCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Fixture f(widgets::WindowId::SinglePeriodD);
    QCOMPARE(f.w->objectName(), QStringLiteral("frmSinglePeriodD"));
    QCOMPARE(f.w->windowTitle(), QStringLiteral("Single-Period Model: Discrete Demand"));
    QWidget* control = f.w->findChild<QWidget*>(name);
    QVERIFY(control);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), caption);
    else
        QCOMPARE(qobject_cast<QAbstractButton*>(control)->text(), caption);
    QCOMPARE(f.button("cmdNext")->toolTip(), QStringLiteral("Enter next record"));
    QCOMPARE(f.button("cmdPrevious")->toolTip(), QStringLiteral("Go back"));
    QVERIFY(f.w->findChild<QLabel*>("Label2")->text().endsWith(
        "Enter these data to fill forms on the right, then click Calculate Button. The anwser is 2."));
    QCOMPARE(test::cell(*f.w, "MSFlexGrid1", 0, 1), QStringLiteral("Cost"));
    QCOMPARE(test::cell(*f.w, "MSFlexGrid1", 2, 0), QStringLiteral("Shortage"));
}

void SinglePeriodDWindowTest::reportOfTheDemonstration() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    f.playDemo(32);
    f.click("cmdPrint");
    QCOMPARE(f.t.textReports.titles, QStringList{"Single-Period Model: Discrete Demand"});
    const test::RecordingTextReport& report = *f.t.textReports.reports.back();
    QCOMPARE(report.text(), kDemonstrationReport);
    // Every tab and line end is a piece of its own; the last line has no line end.
    QCOMPARE(report.pieces.count("{ENTER}"), 45);
    QCOMPARE(report.pieces.last(), QStringLiteral("$"));
}

void SinglePeriodDWindowTest::reportOfTheSsPolicy() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.w->selectProblem(SsProblem::SsPolicy);
    f.set("txtSetupCost", "50000");
    f.click("cmdCalculate");
    f.click("cmdPrint");
    const QString text = f.t.textReports.reports.back()->text();
    QVERIFY(text.contains("Problem type is (s,S) Policy\n"));
    QVERIFY(
        text.endsWith("Item Cost:\t\t30000\t\t$/unit\n"
                      "Setup/Order Cost:\t\t50000\t\t$\n"
                      "Holding Cost:\t\t10000\t\t$/unit\n"
                      "Shortage Cost:\t\t60000\t\t$/unit\n"
                      "\n"
                      "The Optimal Policy\n"
                      "------------------\n"
                      "\n"
                      "The inventory level should be replenished to:\n"
                      "\n"
                      "\t 2\tunits\n"
                      "\n"
                      "whenever it falls below\n"
                      "\n"
                      "\t 0 units.\n"
                      "Total Cost:\t\t118000.00\t$"));
}

// The boxes are empty, the table is one row of 0 and 0, the total the last one.
void SinglePeriodDWindowTest::reportAfterClear() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    enterBoat(f);
    f.set("txtItem", "{TAB}");
    f.click("cmdCalculate");
    f.click("cmdPrint");
    QVERIFY(f.t.textReports.reports.back()->text().contains("Item:\t\t\t{TAB}\n"));
    f.click("cmdClear");
    f.click("cmdPrint");
    const QString text = f.t.textReports.reports.back()->text();
    QVERIFY(text.contains(
        "Item:\t\t\t\nDemand model parameters:\n\nDemand\tProbability\n\n 0\t 0\n\n\nItem Cost:\t\t\t\t$/unit\n"));
    QVERIFY(text.endsWith("\t\tunits\nTotal Cost:\t\t118000.00\t$"));
    QCOMPARE(f.t.textReports.reports.size(), std::size_t(2));
}

void SinglePeriodDWindowTest::reportWithoutReportWindowTypesNothing() {
    Fixture f(widgets::WindowId::SinglePeriodD);
    f.t.textReports.unavailable = true;
    f.click("cmdPrint");
    QVERIFY(f.t.textReports.reports.empty());
    QVERIFY(f.messages().isEmpty());
}

TERVALO_QTEST_MAIN(SinglePeriodDWindowTest)
#include "SinglePeriodDWindowTest.moc"
