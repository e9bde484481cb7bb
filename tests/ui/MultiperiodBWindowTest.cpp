// The continuous-review (Q,r) window, made through the window registry as the
// program makes it: the policy and cost table for each lead-time unit, the
// checks and messages in order with their beeps and focus (nothing written),
// the model options emptying the boxes, the buttons that do nothing, the plain
// boxes and the captions.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "stochastic/MultiperiodBWindow.h"
#include "stochastic/StochasticWindows.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using platform::MsgIcon;
using test::costColumn;

namespace {

// Lead-time demand uniform between 40 and 60, a lead time of 2; c 5, h 1, K 100, p 10.
const QStringList kUniform{"txtLeadTime=2",    "txtLowDemand=40",     "txtHighDemand=60",  "txtPrice=5",
                           "txtHoldingCost=1", "txtOrderingCost=100", "txtShortageCost=10"};
const QStringList kNormal{"txtLeadTime=2",    "txtMean=50",          "txtVariance=100",   "txtPrice=5",
                          "txtHoldingCost=1", "txtOrderingCost=100", "txtShortageCost=10"};
const QStringList kParts{"Order/Setup", "Purchase", "Holding", "Shortage"};

struct Opened {
    Opened() : t(false) {
        stochastic::registerStochasticWindows(t.ctx);
        w.reset(t.registry.instanceAs<stochastic::MultiperiodBWindow>(widgets::WindowId::MultiperiodB));
    }
    QLineEdit* box(const QString& name) const { return test::box(*w, name); }
    template <class W = QWidget>
    W* find(const QString& name) const {
        return w->findChild<W*>(name);
    }
    void click(const QString& name) const { find<QAbstractButton>(name)->click(); }
    // Selects the model option (a change empties every box), then types "name=text" entries.
    void fill(int model, const QStringList& entries) const {
        click(QString("optModel_%1").arg(model));
        for (const QString& entry : entries)
            box(entry.section('=', 0, 0))->setText(entry.section('=', 1));
    }
    // The same as a user does on the shown window: the clicks and the keys.
    QString typeAndCalculate(int model, const QStringList& entries) const {
        return test::userPlays(*w,
                               QStringList{QString("optModel_%1").arg(model)} + entries + QStringList{"cmdCalculate"});
    }
    QStringList results() const { return {box("txtReOrderPoint")->text(), box("txtOrderQuantity")->text()}; }
    QStringList allBoxes() const {
        QStringList texts;
        for (const QLineEdit* b : w->findChildren<QLineEdit*>())
            texts << b->text();
        return texts;
    }
    test::WindowTestContext t;
    std::unique_ptr<stochastic::MultiperiodBWindow> w;
};

}  // namespace

class MultiperiodBWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithUniformDemandInWeeks() {
        Opened o;
        QCOMPARE(o.w->objectName(), "frmMultiperiodB");
        QCOMPARE(o.w->windowTitle(), "Multi-Period Continuous Model: Minimizing cost");
        QVERIFY(o.find<QRadioButton>("optModel_0")->isChecked());
        QVERIFY(o.find<QRadioButton>("optWeek")->isChecked());
    }

    // The lead time's unit option ("opt" + unit) and its label (unit + "s"), then the figures.
    void showsThePolicyAndItsCosts_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("policy");  // reorder point, order quantity
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QList<int>>("slices");
        QTest::addColumn<bool>("typed");  // typed and clicked by a user on the shown window
        const QStringList amounts{"251.88", "6360.00", "261.71", ".40", "6873.98"};
        const QStringList shares{"3.66", "92.52", "3.81", ".01", "100.00"};
        const QStringList swapped = kUniform + QStringList{"txtLowDemand=60", "txtHighDemand=40"};
        QTest::newRow("(Q,r) 40 to 60") << QString("Week") << kUniform << QStringList{" 59", " 505"} << amounts
                                        << shares << QList<int>{4, 93, 4, 0} << false;
        QTest::newRow("bounds typed 60 and 40") << QString("Week") << swapped << QStringList{" 59", " 505"} << amounts
                                                << shares << QList<int>{4, 93, 4, 0} << false;
        QTest::newRow("months") << QString("Month") << kUniform << QStringList{" 58", " 246"}
                                << QStringList{"121.95", "1500.00", "131.36", ".82", "1754.13"}
                                << QStringList{"6.95", "85.51", "7.49", ".05", "100.00"} << QList<int>{7, 86, 7, 0}
                                << false;
        QTest::newRow("days") << QString("Day") << kUniform << QStringList{" 59", " 1351"}
                              << QStringList{"675.43", "45625.00", "685.20", ".15", "46985.78"}
                              << QStringList{"1.44", "97.10", "1.46", ".00", "100.00"} << QList<int>{1, 97, 1, 0}
                              << false;
        // Normal lead-time demand: the shortage is the normal loss at r, never below 0.
        QTest::newRow("normal, variance 36")
            << QString("Week") << kNormal + QStringList{"txtVariance=36"} << QStringList{" 60", " 507"}
            << QStringList{"250.89", "6360.00", "264.03", "2.41", "6877.32"}
            << QStringList{"3.65", "92.48", "3.84", ".03", "100.00"} << QList<int>{4, 92, 4, 0} << false;
        // The first pass's alpha lies below the table, the settled one (0.0090) inside: refused before.
        QTest::newRow("normal, first alpha below the table")
            << QString("Month")
            << QStringList{"txtLeadTime=2.8",       "txtMean=44030",         "txtVariance=234123499",
                           "txtPrice=468.11",       "txtHoldingCost=222.02", "txtOrderingCost=4.2978",
                           "txtShortageCost=1335.6"}
            << QStringList{" 80283", " 10179"}
            << QStringList{"79.67", "88332357.00", "9178951.04", "1129962.66", "98641350.38"}
            << QStringList{".00", "89.55", "9.31", "1.15", "100.00"} << QList<int>{0, 90, 9, 1} << true;
        // r near b far from 0: the shortage no longer cancels to -.01.
        QTest::newRow("uniform, r near b far from 0")
            << QString("Day")
            << QStringList{"txtLeadTime=20",        "txtLowDemand=74872",     "txtHighDemand=76715",  "txtPrice=740.5",
                           "txtHoldingCost=113.35", "txtOrderingCost=1.1533", "txtShortageCost=42305"}
            << QStringList{" 76714", " 168"}
            << QStringList{"9495.72", "1024282833.19", "113973.36", ".03", "1024406302.30"}
            << QStringList{".00", "99.99", ".01", ".00", "100.00"} << QList<int>{0, 100, 0, 0} << true;
    }
    void showsThePolicyAndItsCosts() {
        QFETCH(QString, unit);
        QFETCH(QStringList, entries);
        QFETCH(bool, typed);
        Opened o;
        const int model = entries.filter("txtMean").isEmpty() ? 0 : 1;
        if (typed) {
            o.w->show();
            QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
            QCOMPARE(test::userPlays(*o.w, {"opt" + unit}), QString());
            QCOMPARE(o.typeAndCalculate(model, entries), QString());
        } else {
            o.click("opt" + unit);
            o.fill(model, entries);
            o.click("cmdCalculate");
        }
        QCOMPARE(o.find<QLabel>("lblTimeUnit")->text(), unit + "s");
        QCOMPARE(o.t.notifier.texts(), QStringList());
        QCOMPARE(o.t.beeper.beeps, 0);
        QTEST(o.results(), "policy");
        QTEST(costColumn(*o.w, 1), "amounts");
        QTEST(costColumn(*o.w, 2), "shares");
        QCOMPARE(o.w->costTable()->sliceLabels(), kParts);
        QTEST(o.w->costTable()->sliceValues(), "slices");
    }

    // Each failure shows one message with its beep and focus, and writes
    // nothing: the previous calculation (normal demand: " 67", " 508") stays whole.
    void refusesWithoutWriting_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("beepsBefore");  // when the box shows
        QTest::addColumn<int>("beeps");        // after the click
        QTest::addColumn<bool>("typed");       // typed and clicked by a user
        const int excl = int(MsgIcon::Exclamation), info = int(MsgIcon::Information), none = int(MsgIcon::None);
        auto row = [](const char* name, int model, const QStringList& entries, const char* message, int icon,
                      const char* focus, int before, int after, const char* title = "Error Message",
                      bool typed = false) {
            QTest::newRow(name) << model << entries << message << title << icon << focus << before << after << typed;
        };
        const char* unreasonable = "The costs you entered produced unreasonable result.Please check these data.";
        row("lead time blank", 0, {"txtLeadTime= ", "txtPrice= "}, "Please enter the Lead Time.", excl, "txtLeadTime",
            0, 1);
        row("low demand blank", 0, {"txtLowDemand= "}, "Please enter the Demand.", excl, "txtLowDemand", 1, 1);
        row("high demand blank", 0, {"txtHighDemand= "}, "Please enter the Demand.", excl, "txtHighDemand", 1, 1);
        row("mean blank", 1, {"txtMean= "}, "Please enter the Mean.", excl, "txtMean", 1, 1);
        row("variance blank", 1, {"txtVariance= "}, "Please enter the Variance.", excl, "txtVariance", 1, 1);
        row("price blank", 0, {"txtPrice= ", "txtShortageCost= "}, "Please enter the Purchase or Production Cost.",
            excl, "txtPrice", 1, 1);
        row("holding blank", 0, {"txtHoldingCost= "}, "Please enter the Holding Cost.", excl, "txtHoldingCost", 1, 1);
        row("ordering blank", 0, {"txtOrderingCost= "}, "Please enter the Setup or Ordering Cost.", excl,
            "txtOrderingCost", 1, 1);
        row("shortage blank", 0, {"txtShortageCost= "}, "Please enter the Shortage Cost.", excl, "txtShortageCost", 1,
            1);
        row("holding empty reads 0", 0, {"txtHoldingCost="}, "Your Holding Cost cannot be 0. Please reenter the data.",
            excl, "txtPrice", 1, 1);
        row("price 0", 0, {"txtPrice=0"}, "Your Purchasing or Production Cost cannot be 0. Please reenter these data.",
            excl, "txtPrice", 1, 1);
        row("shortage 0, no beep", 0, {"txtShortageCost=0"},
            "The Shortage Cost cannot be zero. Please check your data.", excl, "txtShortageCost", 0, 0);
        row("equal bounds", 0, {"txtLowDemand=50", "txtHighDemand=50abc"},
            "The two numbers as your estimated demand range cannot be the same. Please reenter these data.", excl,
            "txtLowDemand", 1, 1, "Tervalo");
        row("mean 0", 1, {"txtMean=0"}, "The Mean cannot be zero. Please check your data.", info, "txtMean", 0, 0);
        row("ratio outside the normal table", 1, {"txtHoldingCost=50", "txtShortageCost=1"}, unreasonable, excl,
            "txtPrice", 0, 0);
        // h Q / (p D) >= 1 for every Q: no policy, for uniform demand as for normal.
        row("shortage cost below a cycle's holding", 0,
            {"txtLowDemand=0", "txtHighDemand=100", "txtHoldingCost=20", "txtShortageCost=1"}, unreasonable, excl,
            "txtPrice", 0, 0);
        row("no policy, typed (r was -2029)", 0,
            {"txtLeadTime=10", "txtLowDemand=3.9444", "txtHighDemand=21.083", "txtPrice=0.40176",
             "txtHoldingCost=0.004384", "txtOrderingCost=3011.3", "txtShortageCost=0.0060069"},
            unreasonable, excl, "txtPrice", 0, 0, "Error Message", true);
        row("reorder point never settles", 0,
            {"txtLowDemand=80000", "txtHighDemand=140000", "txtHoldingCost=50", "txtShortageCost=1",
             "txtOrderingCost=1"},
            "The reorder point does not settle. Please check your data.", excl, "txtItem", 0, 0);
        row("lead time 0", 0, {"txtLeadTime=0"}, "Division by zero", none, "txtItem", 0, 0, "Tervalo");
        row("lead time empty", 1, {"txtLeadTime="}, "Division by zero", none, "txtItem", 0, 0, "Tervalo");
        row("negative variance", 1, {"txtVariance=-4"}, "Invalid procedure call or argument", none, "txtItem", 0, 0,
            "Tervalo");
    }
    void refusesWithoutWriting() {
        QFETCH(int, model);
        QFETCH(QStringList, entries);
        QFETCH(int, beepsBefore);
        Opened o;
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        o.fill(model, model == 0 ? kUniform : kNormal);
        o.click("cmdCalculate");
        QCOMPARE(o.results(), (model == 0 ? QStringList{" 59", " 505"} : QStringList{" 67", " 508"}));
        const QStringList shown = o.results() + costColumn(*o.w, 1) + costColumn(*o.w, 2);
        int beepsAtMessage = -1;
        o.t.notifier.onShow = [&o, &beepsAtMessage](const auto&) { beepsAtMessage = o.t.beeper.beeps; };
        QFETCH(bool, typed);
        if (typed) {
            QCOMPARE(o.typeAndCalculate(model, entries), QString());
        } else {
            o.box("txtItem")->setFocus();
            o.fill(model, entries);
            o.click("cmdCalculate");
        }
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QTEST(o.t.notifier.last().text, "message");
        QTEST(o.t.notifier.last().title, "title");
        QTEST(int(o.t.notifier.last().icon), "icon");
        QCOMPARE(beepsAtMessage, beepsBefore);
        QTEST(o.t.beeper.beeps, "beeps");
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(o.results() + costColumn(*o.w, 1) + costColumn(*o.w, 2), shown);
    }

    // Choosing the other model empties every box, results included; the table
    // stays. Example, Print and Clear do nothing.
    void optionsAndInertButtons_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("emptied");
        QTest::addColumn<bool>("uniform");
        QTest::newRow("nothing") << QStringList() << false << true;
        QTest::newRow("to Normal") << QStringList{"optModel_1"} << true << false;
        QTest::newRow("and back to Uniform") << QStringList{"optModel_1", "optModel_0"} << true << true;
        QTest::newRow("the selected one again") << QStringList{"optModel_0"} << false << true;
        QTest::newRow("a time unit") << QStringList{"optDay"} << false << true;
        QTest::newRow("Example, Print, Clear") << QStringList{"cmdExample", "cmdPrint", "cmdClear"} << false << true;
    }
    void optionsAndInertButtons() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, emptied);
        QFETCH(bool, uniform);
        Opened o;
        o.fill(0, kUniform + QStringList{"txtItem=Cars"});
        o.click("cmdCalculate");
        const QStringList before = o.allBoxes(), amounts = costColumn(*o.w, 1);
        for (const QString& name : clicks)
            o.click(name);
        QCOMPARE(o.allBoxes(), emptied ? QStringList(before.size(), QString()) : before);
        QCOMPARE(costColumn(*o.w, 1), amounts);
        QCOMPARE(o.t.notifier.messages.size() + o.t.textReports.titles.size() + o.t.reports.requests.size(), 0);
        for (const char* name : {"lblD1", "lblD2", "lblD3", "lblD4", "txtLowDemand", "txtHighDemand"})
            QCOMPARE(o.find(name)->isEnabled(), uniform);
        for (const char* name : {"lblM", "txtMean", "lblV", "txtVariance"})
            QCOMPARE(o.find(name)->isEnabled(), !uniform);
    }

    // No colouring, key filter or leave-time check: any text is taken and Tab moves on.
    void boxesArePlain_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"txtItem", "txtPrice", "txtLeadTime", "txtLowDemand"})
            QTest::newRow(name) << name;
    }
    void boxesArePlain() {
        QFETCH(QString, name);
        Opened o;
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        QLineEdit* b = o.box(name);
        const QColor base = b->palette().color(QPalette::Base);
        b->setFocus();
        QTest::keyClicks(b, "x 1,5");
        QCOMPARE(b->text(), "x 1,5");
        QCOMPARE(b->palette().color(QPalette::Base), base);
        QTest::keyClick(b, Qt::Key_Tab);
        QVERIFY(!b->hasFocus());
        QCOMPARE(o.t.notifier.messages.size(), 0);
    }

    // "control|text|buddy"
    void captionsAndTheirBoxes_data() {
        QTest::addColumn<QStringList>("row");
        for (const char* row : {"Label3|Item, e.g, Paper|txtItem",
                                "lblK1|Purchase price|txtPrice",
                                "Label6|Holding cost|txtHoldingCost",
                                "lblK|Order/setup cost|txtOrderingCost",
                                "Label11|$/order|",
                                "Label4|Shortage Cost|txtShortageCost",
                                "lblD1|Demand between|txtLowDemand",
                                "lblD3|and|txtHighDemand",
                                "lblD4|units.|",
                                "lblM|Mean|txtMean",
                                "lblV|Variance|txtVariance",
                                "lblTimeUnit|Weeks|txtLeadTime",
                                "Label8|When inventory level falls to|txtReOrderPoint",
                                "Label9|place an order for|txtOrderQuantity",
                                "Label10|Cost, $|",
                                "lblCost||",
                                "cmdExample|&Click this button to see results|",
                                "cmdCalculate|C&alculate|",
                                "cmdPrint|&Print Report|",
                                "cmdClear|&Clear|"})
            QTest::newRow(row) << QString(row).split('|');
    }
    void captionsAndTheirBoxes() {
        QFETCH(QStringList, row);
        Opened o;
        const QWidget* c = o.find(row[0]);
        QVERIFY(c);
        const auto* label = qobject_cast<const QLabel*>(c);
        const QString buddy = label && label->buddy() ? label->buddy()->objectName() : "";
        QCOMPARE((QStringList{row[0], c->property("text").toString(), buddy}), row);
    }
};

TERVALO_QTEST_MAIN(MultiperiodBWindowTest)
#include "MultiperiodBWindowTest.moc"
