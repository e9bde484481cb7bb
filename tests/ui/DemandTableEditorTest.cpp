// The row editor of the two discrete-demand windows and the demonstration's
// row-entry steps they share: cumulative probabilities, Next and Previous with
// their messages, the 100-row limit, the keys of each window's boxes, and
// typing that reaches only the window's own boxes.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "core/stochastic/DemandTable.h"
#include "stochastic/DiscreteDemandWindow.h"
#include "support/QtTestMain.h"
#include "ui/DiscreteWindowFixture.h"

using namespace tervalo;
using platform::MsgIcon;
using stochastic::DemandTableEditor;

namespace {

const QString kAboveOne = QStringLiteral("The cumulative probability cannot be larger than 1");
const QString kRemind = QStringLiteral(
    "The cumulative probability has already reached 1. If you still have the probability data to enter, your data "
    "will not be correct. If the input in this section is completed, please enter the costs and then calculate.");

const QString kSinglePeriod = QStringLiteral("frmSinglePeriodD");
const QString kAspiration = QStringLiteral("frmMultiperiodA");

// Either window, through what both have: the editor and the demonstration.
using AnyWindow = test::DiscreteWindowFixture<stochastic::DiscreteDemandWindow>;

// A double as its shortest exact text, so sums compare bit for bit
// (QCOMPARE compares doubles fuzzily).
QString exact(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

void addForms() {
    QTest::addColumn<QString>("form");
    QTest::newRow("SinglePeriodD") << kSinglePeriod;
    QTest::newRow("MultiperiodA") << kAspiration;
}

}  // namespace

class DemandTableEditorTest : public QObject {
    Q_OBJECT

private slots:
    void demonstrationRowsSumToTheExactDoubles_data() { addForms(); }
    void demonstrationRowsSumToTheExactDoubles();
    void rowEntryNarrations_data() { addForms(); }
    void rowEntryNarrations();
    void halfAndHalfRemindsOnce_data() { addForms(); }
    void halfAndHalfRemindsOnce();
    void nextAndPreviousMessages_data();
    void nextAndPreviousMessages();
    void editingAStoredRowRecomputesEverySum();
    void browsingShowsTheStoredRows();
    void hundredRowsStayWithinTheTable();
    void keysOfTheRowBoxes_data();
    void keysOfTheRowBoxes();
    void blankLeftByNextIsNoNumber_data() { addForms(); }
    void blankLeftByNextIsNoNumber();
    void demonstrationTypesOnlyIntoItsOwnWindow_data() { addForms(); }
    void demonstrationTypesOnlyIntoItsOwnWindow();
};

void DemandTableEditorTest::demonstrationRowsSumToTheExactDoubles() {
    QFETCH(QString, form);
    AnyWindow a(test::windowId(form));
    a.click("cmdDemo");
    for (int i = 0; i < 20; ++i)
        a.step();

    DemandTableEditor& e = a.editor();
    const QStringList expected{"0.1", "0.30000000000000004", "0.5", "0.7", "0.8999999999999999", "0.9999999999999999"};
    QCOMPARE(e.lastRow(), 6);
    QCOMPARE(e.currentRow(), 6);
    for (int row = 1; row <= 6; ++row)
        QCOMPARE(exact(e.cumulative(row)), expected.at(row - 1));
    QCOMPARE(exact(e.runningTotal()), QStringLiteral("0.8999999999999999"));
    QCOMPARE(e.rows().back(), (core::stochastic::DemandRow{5, 0.1}));
    QCOMPARE(a.box("txtCounter")->text(), QStringLiteral("6"));
    QCOMPARE(a.box("txtDemand")->text(), QStringLiteral("5"));
    QCOMPARE(a.box("txtProbability")->text(), QStringLiteral("0.1"));
    QCOMPARE(a.box("txtCumulative")->text(), QStringLiteral(" 1"));
    QVERIFY(a.titled().isEmpty());  // no "Remind": the sum stays below 1

    // Within 0.0001 of 1: no seventh row.
    e.next();
    QCOMPARE(a.titled(), QStringList{"Error Message|" + kAboveOne});
    QCOMPARE(a.t.notifier.last().icon, MsgIcon::Exclamation);
    QCOMPARE(e.lastRow(), 6);
    QCOMPARE(e.rows().size(), std::size_t(6));
    const QString focused = a.w->focusWidget()->objectName();
    QCOMPARE(focused, form == kSinglePeriod ? QStringLiteral("txtItem") : QStringLiteral("txtDemand"));
}

void DemandTableEditorTest::rowEntryNarrations() {
    QFETCH(QString, form);
    const QString welcome = "Welcome to Demo! We now show how to use this program using the data above.";
    const QString first = "We now enter the data in first row, that is 0, and 0.1";
    const QString note = "Please note that after 0.1 entered, cumulative is automatically filled.";
    const QString second = "Now we enter the 2nd row of the data, that is 1, and 0.2. We press > button.";
    const QString boxes = "Then, we enter 1, and 0.2 in Units bix and Probability box, respectively.";
    const QString again = "As you can see, the cumulative is filled automaticallly again (=0.1+0.2)";
    const QString third = "Similarly, we enter the 3rd row of the data (2,0.2).";
    const QString fourth = "...and the 4th row of the data ...";
    const QString fifth = "...and the 5th row of the data...";
    const QString sixth = "...and the 6th row of the data...";
    const QStringList afterStep{first, first, first, note,   second, second, boxes, boxes, boxes, again,
                                third, third, third, fourth, fourth, fifth,  fifth, fifth, sixth, sixth};
    AnyWindow a(test::windowId(form));
    a.click("cmdDemo");
    QCOMPARE(a.narration()->toPlainText(), welcome);
    for (int step = 1; step <= 20; ++step) {
        a.step();
        QVERIFY2(a.narration()->toPlainText() == afterStep.at(step - 1), qPrintable(QString("step %1").arg(step)));
    }
    // The rows as the steps left them: typed next to Next's blank, or set.
    const std::vector<core::stochastic::DemandRow> rows{{0, 0.1}, {1, 0.2}, {2, 0.2}, {3, 0.2}, {4, 0.2}, {5, 0.1}};
    QCOMPARE(a.editor().rows(), rows);
}

void DemandTableEditorTest::halfAndHalfRemindsOnce() {
    QFETCH(QString, form);
    AnyWindow a(test::windowId(form));
    a.run({"d=0", "p=0.5", ">", "d=1"});
    a.box("txtProbability")->setFocus();
    a.run({"kp=0.5"});

    QCOMPARE(a.titled(), QStringList{"Remind|" + kRemind});
    QCOMPARE(a.t.notifier.last().icon, MsgIcon::Exclamation);
    QCOMPARE(a.t.beeper.beeps, 1);
    QCOMPARE(exact(a.editor().cumulative(2)), QStringLiteral("1"));
    const QString focused = a.w->focusWidget()->objectName();
    QCOMPARE(focused, form == kSinglePeriod ? QStringLiteral("txtItem") : QStringLiteral("txtProbability"));

    a.editor().next();
    QCOMPARE(a.titled().last(), "Error Message|" + kAboveOne);
    QCOMPARE(a.editor().lastRow(), 2);
}

void DemandTableEditorTest::nextAndPreviousMessages_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QString>("focus");

    const QString demand = "Error Message|Please enter the Demand.";
    const QString probability = "Error Message|Please enter the Probability.";
    const auto excl = int(MsgIcon::Exclamation);
    const auto info = int(MsgIcon::Information);
    for (const QString& form : {kSinglePeriod, kAspiration}) {
        const QByteArray f = form.toLatin1() + ": ";
        QTest::newRow(f + "NextOnAFreshWindowAsksForTheDemand")
            << form << QStringList{">"} << QStringList{demand} << excl << 1 << 1 << "txtDemand";
        QTest::newRow(f + "NextOnNextsBlankAsksForTheDemand") << form << QStringList{"d=1", "p=0.2", ">", "p=0.3", ">"}
                                                              << QStringList{demand} << excl << 1 << 2 << "txtDemand";
        QTest::newRow(f + "NextWithoutProbabilityAsksForIt")
            << form << QStringList{"d=1", ">"} << QStringList{probability} << excl << 1 << 1 << "txtProbability";
        QTest::newRow(f + "PreviousOnTheFirstRow")
            << form << QStringList{"d=1", "<"} << QStringList{"Error Message|This is the first one."} << info << 0 << 1
            << "";
        // The sum passes 1 at 0.7 and again at 0.75; both values are stored.
        QTest::newRow(f + "ThreeQuartersAfterAHalfAreAboveOneTwice")
            << form << QStringList{"d=0", "p=0.5", ">", "d=1", "kp=0.75"}
            << QStringList{"Error Message|" + kAboveOne, "Error Message|" + kAboveOne} << excl << 0 << 2
            << "txtProbability";
        // Pasted past the key filter, which drops "-".
        QTest::newRow(f + "PastedNegativeProbability")
            << form << QStringList{"d=0", "vp=-0.5"} << QStringList{"Error Message|The probability cannot be negative"}
            << excl << 0 << 1 << "txtProbability";
    }
}

void DemandTableEditorTest::nextAndPreviousMessages() {
    QFETCH(QString, form);
    QFETCH(QStringList, script);
    QFETCH(QStringList, messages);
    QFETCH(int, icon);
    QFETCH(int, beeps);
    QFETCH(int, lastRow);
    QFETCH(QString, focus);
    AnyWindow a(test::windowId(form));
    a.run(script);
    QCOMPARE(a.titled(), messages);
    QCOMPARE(int(a.t.notifier.last().icon), icon);
    QCOMPARE(a.t.beeper.beeps, beeps);
    QCOMPARE(a.editor().lastRow(), lastRow);
    if (!focus.isEmpty()) QCOMPARE(a.w->focusWidget()->objectName(), focus);
}

// Editing row 2 of a four-row table changes every later sum and the running total.
void DemandTableEditorTest::editingAStoredRowRecomputesEverySum() {
    AnyWindow a(widgets::WindowId::SinglePeriodD);
    a.run({"d=0", "p=0.1", ">", "d=1", "p=0.2", ">", "d=2", "p=0.3", ">", "d=3", "p=0.1", "<", "<", "p=0.3"});
    DemandTableEditor& e = a.editor();
    QCOMPARE(e.currentRow(), 2);
    QCOMPARE(exact(e.cumulative(2)), exact(0.1 + 0.3));
    QCOMPARE(exact(e.cumulative(3)), exact((0.1 + 0.3) + 0.3));
    QCOMPARE(exact(e.cumulative(4)), exact(((0.1 + 0.3) + 0.3) + 0.1));
    QCOMPARE(exact(e.runningTotal()), exact((0.1 + 0.3) + 0.3));
    QCOMPARE(a.box("txtCumulative")->text(), QStringLiteral(" .4"));
    // Next shows row 3 with its new sum.
    e.next();
    QCOMPARE(a.box("txtCumulative")->text(), QStringLiteral(" .7"));
    QVERIFY(a.titled().isEmpty());
}

void DemandTableEditorTest::browsingShowsTheStoredRows() {
    AnyWindow a(widgets::WindowId::SinglePeriodD);
    a.run({"d=0", "p=0.1", ">", "d=1", "p=0.2", ">", "d=2", "p=0.2"});
    auto shown = [&a] {
        return QStringList{a.box("txtCounter")->text(), a.box("txtDemand")->text(), a.box("txtProbability")->text(),
                           a.box("txtCumulative")->text()};
    };
    a.editor().previous();
    QCOMPARE(shown(), (QStringList{"2", " 1", " .2", " .3"}));
    a.editor().previous();
    QCOMPARE(shown(), (QStringList{"1", " 0", " .1", " .1"}));
    a.editor().next();
    QCOMPARE(shown(), (QStringList{"2", " 1", " .2", " .3"}));
    a.editor().next();
    QCOMPARE(shown(), (QStringList{"3", " 2", " .2", " .5"}));
    QCOMPARE(a.editor().lastRow(), 3);
    QCOMPARE(a.editor().currentRow(), 3);
    QVERIFY(a.titled().isEmpty());
}

// Next stores the 100th row and stays on it; no row 101 is written or read.
void DemandTableEditorTest::hundredRowsStayWithinTheTable() {
    AnyWindow a(widgets::WindowId::MultiperiodA);
    DemandTableEditor& e = a.editor();
    for (int row = 1; row <= 100; ++row) {
        a.run({"d=" + QString::number(row), "p=0.001"});
        if (row < 100) e.next();
    }
    QCOMPARE(e.lastRow(), 100);
    e.next();
    QCOMPARE(a.titled(),
             QStringList{"Suggestion|If you have so many data, you should better use the continuous approximation."});
    QCOMPARE(a.t.notifier.last().icon, MsgIcon::Information);
    QCOMPARE(e.lastRow(), 100);
    QCOMPARE(e.currentRow(), 100);
    QCOMPARE(e.rows().size(), std::size_t(100));
    QCOMPARE(a.box("txtCounter")->text(), QStringLiteral("100"));
    QCOMPARE(exact(e.runningTotal()), exact(e.cumulative(100)));
    QCOMPARE(exact(e.runningTotal()), exact(core::stochastic::runningTotal(e.rows())));

    e.next();
    QCOMPARE(a.titled().last(), QStringLiteral("Error Message|This is the end."));
    QCOMPARE(a.t.notifier.last().icon, MsgIcon::Information);
    e.previous();
    QCOMPARE(a.box("txtCounter")->text(), QStringLiteral("99"));
    e.next();
    QCOMPARE(a.box("txtCounter")->text(), QStringLiteral("100"));
    QCOMPARE(a.box("txtDemand")->text(), QStringLiteral(" 100"));
    e.next();
    QCOMPARE(a.titled().last(), QStringLiteral("Error Message|This is the end."));
    QCOMPARE(a.titled().size(), 3);
    QCOMPARE(e.lastRow(), 100);

    // The stored 100th row is edited like any stored row.
    a.run({"p=0.002"});
    QCOMPARE(exact(e.runningTotal()), exact(core::stochastic::runningTotal(e.rows())));
    QCOMPARE(exact(e.rows().back().probability), QStringLiteral("0.002"));
}

void DemandTableEditorTest::keysOfTheRowBoxes_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("refusedKeyBeeps");
    QTest::addColumn<int>("enterBeeps");
    QTest::addColumn<QString>("focusAfterEnter");
    QTest::addColumn<bool>("yellowWithFocus");
    // frmSinglePeriodD's own filter beeps at a refused key and at Enter, which moves on.
    QTest::newRow("SinglePeriodD") << kSinglePeriod << 2 << 1 << "txtProbability" << true;
    // The aspiration window's boxes never change colour.
    QTest::newRow("MultiperiodA") << kAspiration << 0 << 0 << "txtDemand" << false;
}

void DemandTableEditorTest::keysOfTheRowBoxes() {
    QFETCH(QString, form);
    QFETCH(int, refusedKeyBeeps);
    QFETCH(int, enterBeeps);
    QFETCH(QString, focusAfterEnter);
    AnyWindow a(test::windowId(form));
    QVERIFY(a.showActive());
    QLineEdit* demand = a.box("txtDemand");
    demand->setFocus();
    QTEST(demand->palette().color(QPalette::Base) == QColor(Qt::yellow), "yellowWithFocus");
    QTest::keyClicks(demand, "1a.5-");
    QCOMPARE(demand->text(), QStringLiteral("1.5"));
    QCOMPARE(a.t.beeper.beeps, refusedKeyBeeps);
    QTest::keyClick(demand, Qt::Key_Return);
    QCOMPARE(a.t.beeper.beeps, refusedKeyBeeps + enterBeeps);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfterEnter);
    QVERIFY(a.titled().isEmpty());
}

void DemandTableEditorTest::blankLeftByNextIsNoNumber() {
    QFETCH(QString, form);
    AnyWindow a(test::windowId(form));
    QVERIFY(a.showActive());
    a.run({"d=1", "p=0.2", ">"});
    QLineEdit* demand = a.box("txtDemand");
    QCOMPARE(demand->text(), QStringLiteral(" "));
    QCOMPARE(QApplication::focusWidget(), demand);
    QTest::keyClick(demand, Qt::Key_Tab);
    QCOMPARE(a.titled(), QStringList{"Not a number|This field must be a number."});
    QCOMPARE(QApplication::focusWidget(), demand);
}

// The demonstration's keys go to its own boxes even while another window is active.
void DemandTableEditorTest::demonstrationTypesOnlyIntoItsOwnWindow() {
    QFETCH(QString, form);
    AnyWindow a(test::windowId(form));
    QLineEdit other;
    other.setObjectName("otherWindowsBox");
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.setFocus();

    a.click("cmdDemo");
    for (int i = 0; i < 3; ++i)
        a.step();
    QCOMPARE(a.box("txtDemand")->text(), QStringLiteral("0"));
    QCOMPARE(a.box("txtProbability")->text(), QStringLiteral("0.1"));
    QCOMPARE(a.box("txtCumulative")->text(), QStringLiteral(" .1"));
    QCOMPARE(other.text(), QString());
    QCOMPARE(QApplication::focusWidget(), &other);
}

TERVALO_QTEST_MAIN(DemandTableEditorTest)
#include "DemandTableEditorTest.moc"
