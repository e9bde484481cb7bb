// The aspiration-level window: the insurance-reserve demonstration, the grid
// with its tail probabilities and the mark, the result text, the stockout
// probability's leave check, Clear replacing the window, and the report.
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>

#include "stochastic/Demonstration.h"
#include "stochastic/MultiperiodAWindow.h"
#include "support/QtTestMain.h"
#include "ui/DiscreteWindowFixture.h"

using namespace tervalo;
using platform::MsgIcon;
using stochastic::MultiperiodAWindow;

namespace {

using Fixture = test::DiscreteWindowFixture<MultiperiodAWindow>;

constexpr widgets::WindowId kForm = widgets::WindowId::MultiperiodA;

QString resultText(const QString& level, const QString& limit, const QString& safety) {
    return "When inventory level reaches " + level + ", place an order to ensure stockout probability <" + limit +
           "\r\nThe average demand during the lead time is  2.5.\r\nThe safety stock level is " + safety + ".";
}

const QString kDemonstrationReport = QStringLiteral(
    "Inventory Management Report\n"
    "===========================\n"
    "\n"
    "Objective\n"
    "---------\n"
    "\n"
    "To make an optimal inventory policy that minimizes cost, and guaranteeing that \n"
    "the probability of stackout will not exceed some level set by management.\n"
    "\n"
    "Method\n"
    "------\n"
    "\n"
    "Single-Period Stochastic Model is used. This model assumes a random demandand a descrete demand distribution \n"
    "to determine how much of an item is to have on hand at the beginning of a \n"
    "single time period.\n"
    "\n"
    "Demand model used in this calculation is Descrete distribution model\n"
    "\n"
    "Input\n"
    "-----\n"
    "\n"
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
    "Probability of Stockout:0.05\t\tpercent\n"
    "\n"
    "Result\n"
    "------------------\n"
    "\n"
    "When inventory level reaches  5, place an order to ensure stockout probability <0.05\n"
    "The average demand during the lead time is  2.5.\n"
    "The safety stock level is  2.5.");

QStringList column(const Fixture& f, int col) {
    QStringList cells;
    for (int row = 0; row < f.w->grid()->rowCount(); ++row)
        cells << f.w->grid()->item(row, col)->text();
    return cells;
}

// The rows whose "P (>D)" cell carries the mark (from 1).
QList<int> markedRows(const Fixture& f) {
    QList<int> rows;
    for (int row = 0; row < f.w->grid()->rowCount(); ++row) {
        const QColor colour = f.w->grid()->item(row, 2)->background().color();
        if (colour == QColor(255, 128, 128))
            rows << row + 1;
        else if (colour != QColor(255, 255, 255))
            rows << -(row + 1);  // neither marked nor plain
    }
    return rows;
}

}  // namespace

class MultiperiodAWindowTest : public QObject {
    Q_OBJECT

private slots:
    void demonstrationFindsTheReserveLevel();
    void demonstrationNarratesItsOwnSteps_data();
    void demonstrationNarratesItsOwnSteps();
    void demoResetsTheWindowInPlace();

    void stockoutLimits_data();
    void stockoutLimits();
    void secondCalculationMovesTheMark();
    void descendingTableGivesTheSameGrid();
    void hundredRowsGetAHundredGridRows();

    void stockoutLeaveCheck_data();
    void stockoutLeaveCheck();
    void refusedInputIsNeverComputed_data();
    void refusedInputIsNeverComputed();
    void clearReplacesTheWindow();
    void formHasItsNamesAndCaptions();

    void reportOfTheDemonstration();
    void reportWithoutResult();
};

void MultiperiodAWindowTest::demonstrationFindsTheReserveLevel() {
    Fixture f(kForm);
    f.playDemo(25);

    QVERIFY(f.messages().isEmpty());
    QCOMPARE(f.w->grid()->rowCount(), 6);
    QCOMPARE(column(f, 0), (QStringList{" 0", " 1", " 2", " 3", " 4", " 5"}));
    QCOMPARE(column(f, 1), (QStringList{" .1", " .2", " .2", " .2", " .2", " .1"}));
    QCOMPARE(column(f, 2), (QStringList{" .9", " .7", " .5", " .3", " .1", " 1.11022302462516E-16"}));
    QCOMPARE(markedRows(f), QList<int>{6});
    QCOMPARE(f.w->resultLabel()->text(),
             QStringLiteral("When inventory level reaches  5, place an order to ensure stockout probability <0.05\r\n"
                            "The average demand during the lead time is  2.5.\r\n"
                            "The safety stock level is  2.5."));
    QCOMPARE(f.box("txtStockoutP")->text(), QStringLiteral("0.05"));
    QVERIFY(f.narration()->isHidden());
    QVERIFY(!f.w->demonstration()->timer()->isActive());
    QVERIFY(f.button("cmdDemo")->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
}

void MultiperiodAWindowTest::demonstrationNarratesItsOwnSteps_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("narration");
    QTest::addColumn<int>("gridRows");
    QTest::newRow("21") << 21 << "...then enter the probability of stocking out." << 0;
    QTest::newRow("22") << 22 << "...then press Calculate Button." << 0;
    QTest::newRow("23") << 23 << "...then press Calculate Button." << 6;
    QTest::newRow("24") << 24 << "Now, we have done. " << 6;
}

void MultiperiodAWindowTest::demonstrationNarratesItsOwnSteps() {
    QFETCH(int, step);
    QFETCH(QString, narration);
    QFETCH(int, gridRows);
    Fixture f(kForm);
    f.click("cmdDemo");
    f.set("txtStockoutP", "0.3");  // step 21 sets it back
    for (int i = 0; i < step; ++i)
        f.step();
    QCOMPARE(f.narration()->toPlainText(), narration);
    QVERIFY(!f.narration()->isHidden());
    QVERIFY(f.w->demonstration()->timer()->isActive());
    QCOMPARE(f.box("txtStockoutP")->text(), QStringLiteral("0.05"));
    QCOMPARE(f.w->grid()->rowCount(), gridRows);
    if (step >= 22) QCOMPARE(f.w->focusWidget()->objectName(), QStringLiteral("cmdCalculate"));
}

void MultiperiodAWindowTest::demoResetsTheWindowInPlace() {
    Fixture f(kForm);
    f.rows(test::exampleRows());
    f.set("txtStockoutP", "0.3");
    f.click("cmdCalculate");
    QCOMPARE(markedRows(f), QList<int>{5});

    f.click("cmdDemo");
    QCOMPARE(f.t.registry.existing(kForm), f.w.data());
    QCOMPARE(f.w->grid()->rowCount(), 0);
    QCOMPARE(f.w->resultLabel()->text(), QString());
    QCOMPARE(f.box("txtStockoutP")->text(), QStringLiteral("0.05"));
    QCOMPARE(f.editor().lastRow(), 1);
    QCOMPARE(f.box("txtCounter")->text(), QStringLiteral("1"));
    QCOMPARE(f.box("txtDemand")->text(), QString());
    QCOMPARE(f.narration()->toPlainText(),
             QStringLiteral("Welcome to Demo! We now show how to use this program using the data above."));
    QVERIFY(!f.button("cmdDemo")->isEnabled());
}

void MultiperiodAWindowTest::stockoutLimits_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QString>("result");
    QTest::newRow("FivePercentMarksRowSix") << "0.05" << QList<int>{6} << resultText(" 5", "0.05", " 2.5");
    // The fifth tail is 0.10000000000000009, just above 0.1.
    QTest::newRow("TenPercentStillMarksRowSix") << "0.1" << QList<int>{6} << resultText(" 5", "0.1", " 2.5");
    // The fourth tail is 0.30000000000000004, just above 0.3.
    QTest::newRow("ThirtyPercentMarksRowFive") << "0.3" << QList<int>{5} << resultText(" 4", "0.3", " 1.5");
    QTest::newRow("OneMarksTheFirstRow") << "1" << QList<int>{1} << resultText(" 0", "1", "-2.5");
    // No row qualifies: no mark, and the earlier result text goes.
    QTest::newRow("ZeroMarksNothing") << "0" << QList<int>{} << QString();
    QTest::newRow("EmptyMarksNothing") << "" << QList<int>{} << QString();
}

void MultiperiodAWindowTest::stockoutLimits() {
    QFETCH(QString, limit);
    QFETCH(QList<int>, marked);
    QFETCH(QString, result);
    Fixture f(kForm);
    f.rows(test::exampleRows());
    f.click("cmdCalculate");  // 0.05 first, so an unmarked result must empty the text
    f.set("txtStockoutP", limit);
    f.click("cmdCalculate");
    QCOMPARE(markedRows(f), marked);
    QCOMPARE(f.w->resultLabel()->text(), result);
    QCOMPARE(column(f, 2).size(), 6);
    QVERIFY(f.messages().isEmpty());
}

void MultiperiodAWindowTest::secondCalculationMovesTheMark() {
    Fixture f(kForm);
    f.rows(test::exampleRows());
    f.click("cmdCalculate");
    QCOMPARE(markedRows(f), QList<int>{6});
    f.set("txtStockoutP", "0.5");
    f.click("cmdCalculate");
    QCOMPARE(markedRows(f), QList<int>{3});
    QCOMPARE(f.w->grid()->item(5, 2)->background().color(), QColor(255, 255, 255));
    QCOMPARE(MultiperiodAWindow::kMarkColour, QColor(255, 128, 128));
}

void MultiperiodAWindowTest::descendingTableGivesTheSameGrid() {
    Fixture f(kForm);
    f.rows(test::exampleRowsDescending());
    f.click("cmdCalculate");
    QCOMPARE(column(f, 0), (QStringList{" 0", " 1", " 2", " 3", " 4", " 5"}));
    QCOMPARE(column(f, 2), (QStringList{" .9", " .7", " .5", " .3", " .1", " 1.11022302462516E-16"}));
    QCOMPARE(markedRows(f), QList<int>{6});
    QCOMPARE(f.w->resultLabel()->text(), resultText(" 5", "0.05", " 2.5"));
}

void MultiperiodAWindowTest::hundredRowsGetAHundredGridRows() {
    Fixture f(kForm);
    for (int row = 0; row < 100; ++row) {
        if (row > 0) f.editor().next();
        f.row(QString::number(row), "0.005");
    }
    f.set("txtStockoutP", "0.75");
    f.click("cmdCalculate");
    QVERIFY(f.messages().isEmpty());
    QCOMPARE(f.w->grid()->rowCount(), 100);
    QCOMPARE(f.w->grid()->item(99, 0)->text(), QStringLiteral(" 99"));
    QCOMPARE(f.w->grid()->item(99, 1)->text(), QStringLiteral(" .005"));
    // The tail reaches 0.75 at demand 49 or 50, as the sums of 0.005 fall.
    const QList<int> marked = markedRows(f);
    QCOMPARE(marked.size(), 1);
    QVERIFY(marked.first() == 50 || marked.first() == 51);
    QVERIFY(f.w->resultLabel()->text().startsWith("When inventory level reaches  " +
                                                  QString::number(marked.first() - 1) + ","));
}

void MultiperiodAWindowTest::stockoutLeaveCheck_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // title|text, empty: none
    QTest::addColumn<int>("icon");
    const QString range = "Error Message|The probability should be less than 1. Please reenter this parameter.";
    QTest::newRow("AboveOne") << "2" << range << int(MsgIcon::Information);
    QTest::newRow("JustAboveOne") << "1.0001" << range << int(MsgIcon::Information);
    QTest::newRow("OnePasses") << "1"
                               << "" << 0;
    QTest::newRow("HalfPasses") << "0.5"
                                << "" << 0;
    QTest::newRow("EmptyPasses") << ""
                                 << "" << 0;
    QTest::newRow("NotANumber") << "1..2"
                                << "Not a number|This field must be a number." << int(MsgIcon::Exclamation);
}

void MultiperiodAWindowTest::stockoutLeaveCheck() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, icon);
    Fixture f(kForm);
    QVERIFY(f.showActive());
    QLineEdit* box = f.box("txtStockoutP");
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::qWait(20);
    const QStringList shown = f.titled();
    if (message.isEmpty()) {
        QCOMPARE(shown, QStringList{});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtDemand"));
    } else {
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(int(f.last().icon), icon);
        QCOMPARE(QApplication::focusWidget(), box);
    }
    QCOMPARE(box->text(), text);
}

// Calculate's mnemonic pressed in the box: a refused stockout probability
// shows its message once, a refused row's probability (the last row's) shows
// the editor's message again, and neither reaches the calculation.
void MultiperiodAWindowTest::refusedInputIsNeverComputed_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("result");
    const QString stockout = "txtStockoutP", row = "txtProbability";
    const QString range = "The probability should be less than 1. Please reenter this parameter.";
    const QString aboveOne = "The cumulative probability cannot be larger than 1";
    const QString negative = "The probability cannot be negative";
    QTest::newRow("AboveOne") << stockout << "2" << QStringList{range} << QString();
    QTest::newRow("PastedHuge") << stockout << "1e308" << QStringList{range} << QString();
    QTest::newRow("OnePasses") << stockout << "1" << QStringList() << resultText(" 0", "1", "-2.5");
    QTest::newRow("RowProbabilityTwo") << row << "2" << QStringList{aboveOne, aboveOne} << QString();
    QTest::newRow("RowProbabilityHuge") << row << "1e308" << QStringList{aboveOne, aboveOne} << QString();
    QTest::newRow("RowProbabilityNegative") << row << "-0.1" << QStringList{negative, negative} << QString();
    // The sum is 1.0000000000000002: the editor says so, the table is used.
    QTest::newRow("RowSumAboveOneByRounding")
        << row << "0.1000000000000003" << QStringList{aboveOne} << resultText(" 5", "0.05", " 2.5");
}

void MultiperiodAWindowTest::refusedInputIsNeverComputed() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    Fixture f(kForm);
    f.rows(test::exampleRows());
    QVERIFY(f.showActive());
    f.box(box)->setFocus();
    f.box(box)->setText(text);
    QSignalSpy clicked(f.button("cmdCalculate"), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 1, 20000);
    QTEST(f.messages(), "messages");
    QTEST(f.w->resultLabel()->text(), "result");
    QCOMPARE(f.w->grid()->rowCount() == 0, f.w->resultLabel()->text().isEmpty());
}

// Clear puts a fresh window in this one's place; the main window reaches it by name.
void MultiperiodAWindowTest::clearReplacesTheWindow() {
    Fixture f(kForm);
    QVERIFY(f.showActive());
    f.rows(test::exampleRows());
    f.set("txtStockoutP", "0.3");
    f.click("cmdCalculate");
    QPointer<MultiperiodAWindow> old = f.w;
    f.click("cmdClear");
    QTRY_VERIFY(old.isNull());

    auto* fresh = qobject_cast<MultiperiodAWindow*>(f.t.registry.existing(kForm));
    QVERIFY(fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(fresh->grid()->rowCount(), 0);
    QCOMPARE(fresh->resultLabel()->text(), QString());
    QCOMPARE(fresh->stockoutBox()->text(), QStringLiteral("0.05"));
    QCOMPARE(fresh->editor()->lastRow(), 1);
    QCOMPARE(fresh->findChild<QLineEdit*>("txtCounter")->text(), QStringLiteral("1"));
    QVERIFY(f.messages().isEmpty());
}

void MultiperiodAWindowTest::formHasItsNamesAndCaptions() {
    Fixture f(kForm);
    QCOMPARE(f.w->objectName(), QStringLiteral("frmMultiperiodA"));
    QCOMPARE(f.w->windowTitle(), QStringLiteral("Aspiration Level Approach"));
    QVERIFY(f.t.registry.isRegistered(widgets::WindowId::SinglePeriodD));
    const QList<QPair<QString, QString>> captions{
        {"Label1",
         "To ensure the probability of stockout in a given cycle will not exceed some level set by managers, this "
         "model uses a descrete random demand to determine the reorder point. The costs of inventory are not "
         "considered in this model."},
        {"Label4", "Probability of Stockout (change it if you want)"},
        {"Label10", "Demand (D) and Probability (P)"},
        {"Label5", ""},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(f.w->findChild<QLabel*>(name)->text(), caption);
    const QString example = f.w->findChild<QLabel*>("Label2")->text();
    QVERIFY(
        example.startsWith("A insurance company needs to determine a minimum reserve level that meets the "
                           "State's regulation.  Suppose that the quarterly demand for the reserve has the "
                           "following pattern:"));
    QVERIFY(example.contains("Demand,million $"));
    QVERIFY(
        example.endsWith("The State requires that the chance that the reserve can't meet the demand be less "
                         "than 5%.Enter these data to fill form on the right, then click Calculate Button."));
    const QList<QPair<QString, QString>> buttons{
        {"cmdCalculate", "C&alculate"}, {"cmdPrint", "&Print Report"}, {"cmdClear", "&Clear"}, {"cmdDemo", "&Demo"}};
    for (const auto& [name, caption] : buttons)
        QCOMPARE(f.button(name)->text(), caption);
    QCOMPARE(f.box("txtStockoutP")->text(), QStringLiteral("0.05"));
    QCOMPARE(f.box("txtStockoutP")->toolTip(), QStringLiteral("Change this value to the one you want."));
    QTableWidget* grid = f.w->grid();
    QCOMPARE(grid->objectName(), QStringLiteral("MSFlexGrid1"));
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Demand (D)"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("P (D)"));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("P (>D)"));
    QCOMPARE(grid->rowCount(), 0);
}

void MultiperiodAWindowTest::reportOfTheDemonstration() {
    Fixture f(kForm);
    f.playDemo(25);
    f.click("cmdPrint");
    QCOMPARE(f.t.textReports.titles, QStringList{"Aspiration Level Approach"});
    const test::RecordingTextReport& report = *f.t.textReports.reports.back();
    QCOMPARE(report.text(), kDemonstrationReport);
    // The result text is the last piece, with its line breaks and no line end after it.
    QCOMPARE(report.pieces.last(),
             QStringLiteral("When inventory level reaches  5, place an order to ensure stockout probability <0.05\n"
                            "The average demand during the lead time is  2.5.\n"
                            "The safety stock level is  2.5."));
}

void MultiperiodAWindowTest::reportWithoutResult() {
    Fixture f(kForm);
    f.click("cmdPrint");
    const QString text = f.t.textReports.reports.back()->text();
    QVERIFY(
        text.endsWith("Demand\tProbability\n\n 0\t 0\n\n\nProbability of Stockout:0.05\t\tpercent\n\n"
                      "Result\n------------------\n\n"));
}

TERVALO_QTEST_MAIN(MultiperiodAWindowTest)
#include "MultiperiodAWindowTest.moc"
