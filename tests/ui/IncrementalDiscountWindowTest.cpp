// The incremental quantity-discount window: worked example, decision, checks,
// Clear, time scale, fault handling and the plain-text report.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "lotsize/IncrementalDiscountWindow.h"
#include "support/DiscountWindowProbe.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using platform::MsgIcon;

namespace {

const QString kAccept =
    QStringLiteral("The quantity discount is a good deal that may decrease your total cost, so accept it.");
const QString kReject = QStringLiteral("The quantity discount may increase your total cost, so reject it.");

// The report of the worked example, line by line.
const QString kExampleReport = QStringLiteral(
    "Inventory Management Report\n"
    "===========================\n"
    "\n"
    "Objective\n"
    "---------\n"
    "\n"
    "To make an optimal inventory policy that minimizes cost,\n"
    "taking into account incremental quantity discount.\n"
    "\n"
    "Method\n"
    "------\n"
    "\n"
    "Purchasing Model-No Shoratges is used, which assumes:\n"
    "\n"
    "1. Demand is at a constant rate.\n"
    "2. Replacement is instantaneous.\n"
    "3. Purcase cost changes incrementally, and holding cost includes handling and financing cost.\n"
    "4. No shortages are allowed.\n"
    "\n"
    "Input\n"
    "-----\n"
    "\n"
    "Item:\t\t\tAn Item\n"
    "Demand:\t\t\t100\t\tunits/Week\n"
    "Purchase Price:\t\t1\t\t$/unit\n"
    "for any amount up to:\t500\t\tunit\n"
    "Over which addtional amount incurs\n"
    "Discount Price:\t\t0.95\t\t$/unit\n"
    "Ordering Cost:\t\t300\t\t$/order\n"
    "Handling Cost:\t\t0.1\t\t$/unit/Week\n"
    "Interest Rate:\t\t10\t\tpercent\n"
    "\n"
    "The Optimal Policy\n"
    "------------------\n"
    "\n"
    "The quantity discount is a good deal that may decrease your total cost, so accept it.\n"
    "\n"
    "Quantity to Order:\t 555\tunits/order\n"
    "Ordering Circle:\t 39\tdays\n"
    "Total Cost:\t\t203.17\t$/Week\n"
    "\n"
    "Summary\n"
    "-------\n"
    "\n"
    "Ordering  555 units each time an order is placed.\n"
    "The time between 2 orders is  39 days.");

}  // namespace

class IncrementalDiscountWindowTest : public QObject, private test::DiscountWindowProbe {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workedExampleAcceptsTheDiscount();
    void breakPointBeyondTheDiscountQuantityRejects();
    void equalQuantitiesLetTheTotalsDecide();
    void quantitiesBeyondSixteenBitsAreShown();
    void overflowingQuantityIsReportedWithoutIcon();
    void faultingCalculatorShowsOneMessageAndNoStaleResults();

    void checksRunInOrderWithTheirMessages();
    void checksCatchNonNumbers();
    void clearEmptiesBoxesAndGridsButKeepsTheConclusion();
    void clearAndExampleButtonsTriggerTheNumberCheck();
    void timeScaleUpdatesLabelsAndComparisonUnit();
    void clickOnTheSelectedOptionStillSetsTheUnit();
    void formHasItsNamesCaptionsAndBuddies();
    void captionsOfSeveralLabelsReadAsOneText();
    void assumptionsStartLevelWithTheExample();
    void tabAndEnterFollowTheFormOrder();

    void reportOfTheWorkedExample();
    void reportWritesBoxTextsLiterally();
    void reportNeedsAnOrderQuantity();
    void reportWithoutReportWindowEndsSilently();
    void twoPrintsGiveTwoReports();

private:
    // The value cells of both grids; the headings are not included.
    QStringList gridValues() const { return costColumn(1) + costColumn(2) + comparison(); }
    const test::RecordingTextReport& lastReport() const { return *m_env->textReports.reports.back(); }

    std::unique_ptr<test::WindowTestContext> m_env;
    lotsize::IncrementalDiscountWindow* m_window = nullptr;
};

void IncrementalDiscountWindowTest::init() {
    m_env = std::make_unique<test::WindowTestContext>(false);
    m_window = new lotsize::IncrementalDiscountWindow(m_env->ctx);
    probe(m_window);
}

void IncrementalDiscountWindowTest::cleanup() {
    delete m_window;
    m_env.reset();
}

void IncrementalDiscountWindowTest::workedExampleAcceptsTheDiscount() {
    click("cmdExample");

    QVERIFY(m_env->notifier.messages.isEmpty());
    QCOMPARE(policy(), (QStringList{" 555", " 39"}));
    QCOMPARE(comparison(), (QStringList{" 548", " 555", "209.54", "203.17"}));
    QCOMPARE(conclusion(), kAccept);
    QCOMPARE(costColumn(1), (QStringList{"95.00", "54.08", "54.08", "203.17"}));
    QCOMPARE(costColumn(2), (QStringList{"46.76", "26.62", "26.62", "100.00"}));

    // The parts add up to the total, up to the rounding of the shown amounts.
    double partSum = 0;
    double shareSum = 0;
    for (int i = 0; i < 3; ++i) {
        partSum += costColumn(1).at(i).toDouble();
        shareSum += costColumn(2).at(i).toDouble();
    }
    QVERIFY(qAbs(partSum - 203.17) <= 0.015);
    QVERIFY(qAbs(shareSum - 100.0) <= 0.015);
}

void IncrementalDiscountWindowTest::breakPointBeyondTheDiscountQuantityRejects() {
    click("cmdExample");
    setBox("txtBreakPoint", "600");
    click("cmdCalculate");

    QCOMPARE(policy(), (QStringList{" 548", " 38"}));
    QCOMPARE(comparison(), (QStringList{" 548", " 555", "209.54", "203.17"}));
    QCOMPARE(costColumn(1), (QStringList{"100.00", "54.77", "54.77", "209.54"}));
    QCOMPARE(conclusion(), kReject);
}

void IncrementalDiscountWindowTest::equalQuantitiesLetTheTotalsDecide() {
    click("cmdExample");
    setBox("txtInterest", "0");
    setBox("txtBreakPoint", "5000");
    click("cmdCalculate");

    // Same quantity at a lower price: cheaper, so accepted whatever the break point.
    QCOMPARE(policy(), (QStringList{" 775", " 54"}));
    QCOMPARE(comparison(), (QStringList{" 775", " 775", "177.46", "172.46"}));
    QCOMPARE(conclusion(), kAccept);
}

void IncrementalDiscountWindowTest::quantitiesBeyondSixteenBitsAreShown() {
    click("cmdExample");
    setBox("txtDemand", "10000000");
    click("cmdCalculate");

    QVERIFY(m_env->notifier.messages.isEmpty());
    QCOMPARE(policy(), (QStringList{" 175412", " 0"}));
    QCOMPARE(comparison(), (QStringList{" 173205", " 175412", "10034641.02", "9534205.26"}));
    QCOMPARE(conclusion(), kAccept);
}

void IncrementalDiscountWindowTest::overflowingQuantityIsReportedWithoutIcon() {
    click("cmdExample");
    setBox("txtDemand", "1E20");
    click("cmdCalculate");

    QCOMPARE(m_env->notifier.messages.size(), 1);
    QCOMPARE(m_env->notifier.last().text, QStringLiteral("Overflow"));
    QCOMPARE(m_env->notifier.last().title, QStringLiteral("Error Message"));
    QCOMPARE(m_env->notifier.last().icon, MsgIcon::None);
    // Nothing of the earlier calculation stays beside the new inputs.
    QCOMPARE(policy(), (QStringList{"", ""}));
    QCOMPARE(comparison(), (QStringList{"", "", "", ""}));
    QCOMPARE(conclusion(), QString());
    QCOMPARE(costColumn(1), QStringList(4, QString()));
    // With the quantity box empty, a report has nothing to print.
    click("cmdPrint");
    QVERIFY(m_env->textReports.reports.empty());
}

void IncrementalDiscountWindowTest::faultingCalculatorShowsOneMessageAndNoStaleResults() {
    click("cmdExample");
    setBox("txtHoldingCost", "0");
    setBox("txtInterest", "0");
    click("cmdCalculate");

    QCOMPARE(m_env->notifier.messages.size(), 1);
    QCOMPARE(m_env->notifier.last().text, QStringLiteral("Division by zero"));
    QCOMPARE(m_env->notifier.last().title, QStringLiteral("Tervalo"));
    QCOMPARE(m_env->notifier.last().icon, MsgIcon::None);
    QCOMPARE(text("txtOrderQuantity"), QString());
    QCOMPARE(text("txtOrderInterval"), QString());
    QCOMPARE(conclusion(), QString());
    QCOMPARE(gridValues(), QStringList(12, QString()));

    click("cmdPrint");
    QVERIFY(m_env->textReports.reports.empty());
}

void IncrementalDiscountWindowTest::checksRunInOrderWithTheirMessages() {
    struct Step {
        const char* fill;
        QString value;
        QString message;
        const char* focus;
        MsgIcon icon;
    };
    const QString missing = QStringLiteral("Missing Input");
    // Each step: the message shown while `fill` is still unfilled, then `fill` gets `value`.
    const QList<Step> steps{
        {"txtItem", "An Item", "Please enter a name for this item.", "txtItem", MsgIcon::Exclamation},
        {"txtDemand", "100", "Please enter Demand.", "txtDemand", MsgIcon::Exclamation},
        {"txtOrderingCost", "300", "Please enter Ordering Cost.", "txtOrderingCost", MsgIcon::Exclamation},
        {"txtPrice", "1", "Please enter Price.", "txtPrice", MsgIcon::Exclamation},
        {"txtBreakPoint", "500", "Please enter Break Point.", "txtBreakPoint", MsgIcon::Exclamation},
        {"txtPrice1", "1", "Please enter Discount Price.", "txtPrice1", MsgIcon::Information},
        {"txtPrice1", "0.95", "The Discount Price cannnot be larger or equal to the Price.", "txtPrice1",
         MsgIcon::Information},
        {"txtHoldingCost", "0.1", "Please enter Holding Cost.", "txtHoldingCost", MsgIcon::Exclamation},
        {"txtInterest", "10", "Please enter Intertest rate.", "txtInterest", MsgIcon::Exclamation},
    };
    for (const Step& step : steps) {
        m_env->notifier.clear();
        click("cmdCalculate");
        QCOMPARE(m_env->notifier.messages.size(), 1);
        const auto& shown = m_env->notifier.last();
        QCOMPARE(shown.text, step.message);
        QCOMPARE(shown.title, step.icon == MsgIcon::Information ? QStringLiteral("Tervalo") : missing);
        QCOMPARE(shown.icon, step.icon);
        QCOMPARE(m_env->beeper.beeps, 0);  // shown without a beep
        QCOMPARE(m_window->focusWidget(), box(step.focus));
        QCOMPARE(text("txtOrderQuantity"), QString());
        setBox(step.fill, step.value);
    }
    m_env->notifier.clear();
    click("cmdCalculate");
    QVERIFY(m_env->notifier.messages.isEmpty());
    QCOMPARE(text("txtOrderQuantity"), QStringLiteral(" 555"));
}

void IncrementalDiscountWindowTest::checksCatchNonNumbers() {
    click("cmdExample");
    m_env->notifier.clear();
    setBox("txtPrice", "1x");
    click("cmdCalculate");
    QCOMPARE(m_env->notifier.texts(), QStringList{"Please enter Price."});

    m_env->notifier.clear();
    setBox("txtPrice", "1");
    setBox("txtPrice1", "1.5");
    click("cmdCalculate");
    QCOMPARE(m_env->notifier.texts(), QStringList{"The Discount Price cannnot be larger or equal to the Price."});
}

void IncrementalDiscountWindowTest::clearEmptiesBoxesAndGridsButKeepsTheConclusion() {
    click("cmdExample");
    click("cmdClear");

    for (QLineEdit* b : m_window->findChildren<QLineEdit*>())
        QCOMPARE(b->text(), QString());
    QVERIFY(m_window->findChild<QRadioButton*>("optTime_0")->isChecked());
    QCOMPARE(m_window->findChild<QLabel*>("lblTimePeriod_0")->text(), QStringLiteral("Year"));
    QCOMPARE(gridValues(), QStringList(12, QString()));
    QCOMPARE(cell("MSFlexGrid1", 4, 0), QStringLiteral("Total"));
    QCOMPARE(cell("MSFlexGrid2", 1, 0), QStringLiteral("Optimum Order Quatity"));
    QCOMPARE(conclusion(), kAccept);
}

void IncrementalDiscountWindowTest::clearAndExampleButtonsTriggerTheNumberCheck() {
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    box("txtDemand")->setFocus();
    QTest::keyClicks(box("txtDemand"), "1..2");

    for (const char* button : {"cmdClear", "cmdExample"}) {
        m_env->notifier.clear();
        auto* target = m_window->findChild<QPushButton*>(button);
        // Scrolled into view, so that the real click reaches the button.
        m_window->findChild<QScrollArea*>()->ensureWidgetVisible(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCOMPARE(m_env->notifier.texts(), QStringList{"This field must be a number."});
        QCOMPARE(text("txtDemand"), QStringLiteral("1..2"));
        QCOMPARE(text("txtItem"), QString());
    }
}

void IncrementalDiscountWindowTest::timeScaleUpdatesLabelsAndComparisonUnit() {
    QCOMPARE(cell("MSFlexGrid2", 2, 3), QStringLiteral("$/year"));
    QCOMPARE(cell("MSFlexGrid2", 1, 3), QStringLiteral("units"));
    QCOMPARE(m_window->findChild<QLabel*>("lblTimePeriod_3")->text(), QStringLiteral("Year"));

    m_window->findChild<QRadioButton*>("optTime_2")->click();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("lblTimePeriod_%1").arg(i))->text(),
                 QStringLiteral("Week"));
    QCOMPARE(cell("MSFlexGrid2", 2, 3), QStringLiteral("$/Week"));

    // Nothing is recalculated: the results stay as they were.
    click("cmdExample");
    m_window->findChild<QRadioButton*>("optTime_1")->click();
    QCOMPARE(cell("MSFlexGrid2", 2, 3), QStringLiteral("$/Month"));
    QCOMPARE(text("txtOrderInterval"), QStringLiteral(" 39"));
}

void IncrementalDiscountWindowTest::clickOnTheSelectedOptionStillSetsTheUnit() {
    auto* year = m_window->findChild<QRadioButton*>("optTime_0");
    QVERIFY(year->isChecked());
    QCOMPARE(cell("MSFlexGrid2", 2, 3), QStringLiteral("$/year"));
    year->click();
    QCOMPARE(cell("MSFlexGrid2", 2, 3), QStringLiteral("$/Year"));
}

void IncrementalDiscountWindowTest::captionsOfSeveralLabelsReadAsOneText() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // Each label starts right where the one before it ends: "units/Week", not "units/ Week".
    const QList<QStringList> captions{{"Label4", "lblTimePeriod_0"},
                                      {"Label6", "lblTimePeriod_1"},
                                      {"Label16", "Label17", "lblTimePeriod_3"},
                                      {"Label10", "lblTimePeriod_2"}};
    for (const QStringList& caption : captions) {
        for (int i = 1; i < caption.size(); ++i) {
            const QLabel* before = m_window->findChild<QLabel*>(caption.at(i - 1));
            const QLabel* after = m_window->findChild<QLabel*>(caption.at(i));
            QCOMPARE(after->parentWidget(), before->parentWidget());
            QCOMPARE(after->x(), before->x() + before->sizeHint().width());
            QCOMPARE(after->y(), before->y());
        }
    }
}

void IncrementalDiscountWindowTest::assumptionsStartLevelWithTheExample() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QLabel* assumptions = m_window->findChild<QLabel*>("Label1");
    const QLabel* example = m_window->findChild<QLabel*>("Label2");
    QCOMPARE(assumptions->mapTo(m_window, QPoint()).y(), example->mapTo(m_window, QPoint()).y());
    // The label is no taller than its text, so the text is not pushed down to the frame's middle.
    QCOMPARE(assumptions->height(), assumptions->sizeHint().height());
}

void IncrementalDiscountWindowTest::formHasItsNamesCaptionsAndBuddies() {
    QCOMPARE(m_window->objectName(), QStringLiteral("frmIncrementalDiscount"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Purchasing Model: Incremental Discounts"));
    QCOMPARE(m_window->findChild<QLabel*>("Label14")->text(),
             QStringLiteral("additional amount over this break point incurs the discount price:"));
    QCOMPARE(m_window->findChild<QPushButton*>("cmdCalculate")->text(), QStringLiteral("C&alculate"));
    QCOMPARE(m_window->findChild<QPushButton*>("cmdPrint")->text(), QStringLiteral("&Print Report"));

    const QList<QLabel*> labels = m_window->findChildren<QLabel*>();
    for (QLineEdit* b : m_window->findChildren<QLineEdit*>()) {
        const bool named = std::any_of(labels.begin(), labels.end(), [b](QLabel* l) { return l->buddy() == b; });
        QVERIFY2(named, qPrintable(b->objectName()));
    }
    QCOMPARE(m_window->findChild<QLabel*>("Label11")->buddy(), box("txtBreakPoint"));

    // At its natural size no control is squeezed below what it needs.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    click("cmdExample");
    for (QWidget* control : m_window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
            qobject_cast<QLabel*>(control))
            QVERIFY2(control->height() >= control->minimumSizeHint().height(), qPrintable(control->objectName()));
    }
}

void IncrementalDiscountWindowTest::tabAndEnterFollowTheFormOrder() {
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    box("txtItem")->setFocus();
    const QStringList expected{"txtDemand",       "txtPrice",       "txtBreakPoint", "txtPrice1",
                               "txtOrderingCost", "txtHoldingCost", "txtInterest",   "optTime_0",
                               "cmdCalculate",    "cmdClear",       "cmdPrint",      "cmdExample"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        // Enter in a box moves on as Tab does.
        const bool inBox = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
        QTest::keyClick(QApplication::focusWidget(), inBox && i % 2 ? Qt::Key_Return : Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void IncrementalDiscountWindowTest::reportOfTheWorkedExample() {
    click("cmdExample");
    click("cmdPrint");

    QCOMPARE(m_env->textReports.reports.size(), size_t(1));
    const test::RecordingTextReport& report = lastReport();
    QCOMPARE(report.text(), kExampleReport);
    // Tabs and line ends are pieces of their own; the last line has no line end.
    QCOMPARE(report.pieces.mid(0, 4),
             (QStringList{"Inventory Management Report", "{ENTER}", "===========================", "{ENTER}"}));
    QCOMPARE(report.pieces.mid(report.pieces.indexOf("Demand:"), 8),
             (QStringList{"Demand:", "{TAB}", "{TAB}", "{TAB}", "100", "{TAB}", "{TAB}", "units/"}));
    QCOMPARE(report.pieces.last(), QStringLiteral(" days."));
}

void IncrementalDiscountWindowTest::reportWritesBoxTextsLiterally() {
    click("cmdExample");
    setBox("txtItem", "Widget (A+B) 50% {x} ^~[]");
    click("cmdPrint");
    QVERIFY(lastReport().text().contains(QStringLiteral("Item:\t\t\tWidget (A+B) 50% {x} ^~[]\n")));

    // A box text that spells a key name is still written as typed.
    setBox("txtItem", "{TAB}");
    click("cmdPrint");
    QVERIFY(lastReport().text().contains(QStringLiteral("Item:\t\t\t{TAB}\n")));

    // Inputs changed after the calculation show as they are now.
    setBox("txtDemand", "120");
    click("cmdPrint");
    QVERIFY(lastReport().text().contains(QStringLiteral("Demand:\t\t\t120\t\tunits/Week\n")));
    QVERIFY(lastReport().text().contains(QStringLiteral("Quantity to Order:\t 555\t")));
}

void IncrementalDiscountWindowTest::reportNeedsAnOrderQuantity() {
    click("cmdPrint");
    click("cmdExample");
    click("cmdClear");
    click("cmdPrint");
    QVERIFY(m_env->textReports.reports.empty());
    QVERIFY(m_env->textReports.titles.isEmpty());
    QVERIFY(m_env->notifier.messages.isEmpty());
}

void IncrementalDiscountWindowTest::reportWithoutReportWindowEndsSilently() {
    m_env->textReports.unavailable = true;
    click("cmdExample");
    click("cmdPrint");
    QVERIFY(m_env->notifier.messages.isEmpty());
}

void IncrementalDiscountWindowTest::twoPrintsGiveTwoReports() {
    click("cmdExample");
    click("cmdPrint");
    click("cmdPrint");
    QCOMPARE(m_env->textReports.reports.size(), size_t(2));
    QCOMPARE(m_env->textReports.reports.at(0)->text(), kExampleReport);
    QCOMPARE(m_env->textReports.reports.at(1)->text(), kExampleReport);
}

TERVALO_QTEST_MAIN(IncrementalDiscountWindowTest)
#include "IncrementalDiscountWindowTest.moc"
