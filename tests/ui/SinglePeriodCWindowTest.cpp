// The continuous single-period and (s,S) window (frmSinglePeriodC), made
// through the window registry: the worked examples and their saved rows, the
// checks, the option handlers and their refusals, the typed runs with and
// without the window, what a failing calculation or save leaves, Print and
// Clear, and the item box's question.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>
#include <memory>

#include "data/SsRepository.h"
#include "stochastic/SinglePeriodCWindow.h"
#include "stochastic/SinglePeriodRun.h"
#include "stochastic/StochasticWindows.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using core::stochastic::ContinuousDemand;
using core::stochastic::Problem;
using jobs::SinglePeriodRunResult;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using stochastic::SinglePeriodCWindow;

namespace {

enum Run { Unif, Norm, Ss };  // runSingleP_unif, runSingleP_Norm, runSS_unif

const QStringList kTrees{"500", "1000", "Christmas Tree", "6.00", "0.50", "20"};
const QStringList kCars{"75", "100", "Cars", "5000", "14000", "60", "16000"};
const QStringList kSkis{"20", "25", "Skis", "60", "-40", "125"};
const QString kDay = QStringLiteral("2026-12-07");
const QString kRefused = QStringLiteral(
    "Currently, Normal Distribution Model is not available for s_S Policy. Quib can use Uniform Distribution Model "
    "instead.");

jobs::SinglePeriodUniformTexts unif(const QStringList& t) { return {t[0], t[1], t[2], t[3], t[4], t[5]}; }
jobs::SinglePeriodNormalTexts norm(const QStringList& t) { return {t[0], t[1], t[2], t[3], t[4], t[5]}; }
jobs::SsUniformTexts ss(const QStringList& t) { return {t[0], t[1], t[2], t[3], t[4], t[5], t[6]}; }

stochastic::SinglePeriodCase caseOf(int run, const QStringList& t) {
    if (run == Unif) return stochastic::singlePeriodCase(unif(t));
    if (run == Norm) return stochastic::singlePeriodCase(norm(t));
    return stochastic::singlePeriodCase(ss(t));
}

struct Opened {
    Opened() {
        stochastic::registerStochasticWindows(t.ctx);
        w.reset(t.registry.instanceAs<SinglePeriodCWindow>(widgets::WindowId::SinglePeriodC));
        // Whether the hourglass was up while each box was open.
        t.notifier.onShow = [this](const test::RecordedMessage&) { busy << bool(QApplication::overrideCursor()); };
    }
    QLineEdit* box(const char* name) const { return test::box(*w, name); }
    QRadioButton* option(const char* name) const { return w->findChild<QRadioButton*>(name); }
    QLabel* label(const char* name) const { return w->findChild<QLabel*>(name); }
    void click(const char* name) const { test::button(*w, name)->click(); }
    SinglePeriodRunResult run(int kind, const QStringList& texts) const {
        widgets::SinglePeriodWindowEntry& entry = *w;
        if (kind == Unif) return entry.runSingleP_unif(unif(texts));
        if (kind == Norm) return entry.runSingleP_Norm(norm(texts));
        return entry.runSS_unif(ss(texts));
    }
    // As a user does: the window shown, the options clicked, the "name=text"
    // entries typed, Calculate clicked.
    void typeAndCalculate(int problem, int demand, const QStringList& entries) const {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const QString type = problem == int(Problem::SsPolicy) ? "optType_0" : "optType_1";
        const QString model = demand == int(ContinuousDemand::Uniform) ? "optModel_0" : "optModel_1";
        QCOMPARE(test::userPlays(*w, QStringList{type, model} + entries + QStringList{"cmdCalculate"}), QString());
    }
    QStringList shown() const { return {box("txtS2")->text(), box("txtS1")->text()}; }
    QStringList column(int c) const { return test::costColumn(*w, c); }
    int rows() { return t.rowCount("s_S"); }
    std::optional<data::SsRow> row(const QString& logId) { return data::SsRepository(t.cnn).rowByLogId(logId); }

    test::WindowTestContext t;
    std::unique_ptr<SinglePeriodCWindow> w;
    QList<bool> busy;
};

const QStringList kNoValues{"", "", "", ""};

}  // namespace

class SinglePeriodCWindowTest : public QObject {
    Q_OBJECT

private slots:
    void loadsWithUniformDemandAndThePolicy() {
        Opened o;
        QVERIFY(o.w);
        QCOMPARE(o.w->windowTitle(), "Single-Period Model: Continuous Demand Distribution");
        QVERIFY(o.option("optType_0")->isChecked() && o.option("optModel_0")->isChecked());
        QVERIFY(o.label("Label2")->text().startsWith("The number of cars sold by a dealer"));
        QVERIFY(o.box("txtLowDemand")->isEnabled() && o.box("txtOrderingCost")->isEnabled());
        QVERIFY(!o.box("txtMean")->isEnabled() && !o.label("lblV")->isEnabled());
        QVERIFY(o.box("txtS1")->isVisibleTo(o.w.get()));
        QCOMPARE(o.label("lblCost")->text(), "");
        QCOMPARE(o.column(0), (QStringList{"Purchase", "Shortage", "Holding", "Total"}));
        QCOMPARE(test::cell(*o.w, "MSFlexGrid1", 0, 1) + test::cell(*o.w, "MSFlexGrid1", 0, 2), "Cost%");
        for (const char* pair : {"Label8=txtS2", "lblS1=txtS1", "lblD1=txtLowDemand", "lblD3=txtHighDemand",
                                 "lblM=txtMean", "Label3=txtItem", "lblK=txtOrderingCost", "Label6=txtHoldingCost"})
            QCOMPARE(o.label(QString(pair).section('=', 0, 0).toLatin1())->buddy(),
                     o.box(QString(pair).section('=', 1).toLatin1()));
        QVERIFY(o.t.registry.instanceAs<widgets::SinglePeriodWindowEntry>(widgets::WindowId::SinglePeriodC));
    }

    // The worked examples (the Example button) and typed calculations: S and s,
    // the cost table and pie, the cost note and the saved row.
    void shownAndSaved_data() {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("demand");
        QTest::addColumn<QStringList>("shown");  // S, s
        QTest::addColumn<bool>("reorderRow");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QList<int>>("slices");
        QTest::addColumn<QString>("costNote");
        // ModelID, ProblemID, DemandID, ItemName, OrderQty, ReorderPoint, SetupCost, TSetupCost, LDemand, MeanDemand
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QStringList>("typed");  // "name=text" entries typed in place of the Example button
        const int single = int(Problem::SinglePeriod), uniform = int(ContinuousDemand::Uniform);
        const int policy = int(Problem::SsPolicy), normal = int(ContinuousDemand::Normal);
        // clang-format off
        QTest::newRow("Christmas tree") << single << uniform << QStringList{" 841", " 0"} << false
            << QStringList{"5048.78", "502.68", "58.30", "5609.76"} << QStringList{"90.00", "8.96", "1.04", "100.00"}
            << QList<int>{90, 9, 1} << "" << QStringList{"7", "2", "1", "Christmas Tree", " 841", "-", "-", "-", "500", "-"}
            << QStringList();
        QTest::newRow("car dealer") << int(Problem::SsPolicy) << uniform << QStringList{" 78", " 74"} << true
            << QStringList{"1098586.55", "153288.49", "11.63", "1251886.67"} << QStringList{"87.75", "12.24", ".00", "100.00"}
            << QList<int>{88, 12, 0} << "Order/setup cost included in Purchase."
            << QStringList{"10", "1", "1", "Cars", " 78", " 74", "5000", "5000", "75", "-"} << QStringList();
        QTest::newRow("skis") << single << int(ContinuousDemand::Normal) << QStringList{" 24", " 0"} << false
            << QStringList{"1416.68", "85.78", "-171.94", "1330.52"} << QStringList{"106.48", "6.45", "-12.92", "100.00"}
            << QList<int>{106, 6, -13} << "" << QStringList{"8", "2", "2", "Skis", " 24", "-", "-", "-", "-", "20"}
            << QStringList();
        // mean + z sd = -436: the level is 0, nothing left over (the holding cost was 129.06).
        QTest::newRow("normal level below 0 orders nothing") << single << normal << QStringList{" 0", " 0"} << false
            << QStringList{".00", ".48", ".00", ".48"} << QStringList{".00", "100.00", ".00", "100.00"}
            << QList<int>{0, 100, 0} << "" << QStringList{"8", "2", "2", "Paper", " 0", "-", "-", "-", "-", "211.46"}
            << QStringList{"txtItem=Paper", "txtMean=211.46", "txtVariance=41933.9", "txtPrice=0",
                           "txtHoldingCost=2.5931", "txtShortageCost=0.0021227"};
        // A range of 0.261 at 611087 (the shortage cost was -5.24).
        QTest::newRow("narrow range far from 0") << single << uniform << QStringList{" 611087", " 0"} << false
            << QStringList{"687900926.84", "1.39", "-4.03", "687900924.20"} << QStringList{"100.00", ".00", "-.00", "100.00"}
            << QList<int>{100, 0, 0} << "" << QStringList{"7", "2", "1", "Wire", " 611087", "-", "-", "-", "611087", "-"}
            << QStringList{"txtItem=Wire", "txtLowDemand=611087", "txtHighDemand=611087.261", "txtPrice=1125.7",
                           "txtHoldingCost=-31.517", "txtShortageCost=112326"};
        // s was put on S, 872871.
        QTest::newRow("narrow range, (s,S)") << policy << uniform << QStringList{" 872871", " 872714"} << true
            << QStringList{"259653063.60", "18.84", ".00", "259653082.44"} << QStringList{"100.00", ".00", ".00", "100.00"}
            << QList<int>{100, 0, 0} << "Order/setup cost included in Purchase."
            << QStringList{"10", "1", "1", "Wire", " 872871", " 872714", "127.13", "127.13", "872871", "-"}
            << QStringList{"txtItem=Wire", "txtLowDemand=872871", "txtHighDemand=872871.127", "txtOrderingCost=127.13",
                           "txtPrice=297.47", "txtHoldingCost=0.98762", "txtShortageCost=298.28"};
        // clang-format on
    }
    void shownAndSaved() {
        QFETCH(int, problem);
        QFETCH(int, demand);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, row);
        QFETCH(QStringList, typed);
        Opened o;
        o.w->select(Problem(problem));
        o.w->select(ContinuousDemand(demand));
        const int before = o.rows();
        if (typed.isEmpty()) {
            o.click("cmdExample");
        } else {
            o.typeAndCalculate(problem, demand, typed);
        }
        QCOMPARE(o.t.notifier.texts(), QStringList());
        QTEST(o.shown(), "shown");
        QTEST(o.box("txtS1")->isVisibleTo(o.w.get()), "reorderRow");
        QCOMPARE(o.column(1), amounts);
        QTEST(o.column(2), "shares");
        QTEST(o.w->costTable()->sliceValues(), "slices");
        QCOMPARE(o.w->costTable()->sliceLabels(), (QStringList{"Purchase", "Shortage", "Holding"}));
        QTEST(o.label("lblCost")->text(), "costNote");
        QCOMPARE(o.rows(), before + 1);
        const auto saved = o.row(o.w->logId());
        QVERIFY(saved);
        QCOMPARE(saved->date.toString(Qt::ISODate), kDay);
        auto text = [](const std::optional<QString>& value) { return value.value_or("-"); };
        QCOMPARE((QStringList{QString::number(saved->modelId), QString::number(saved->problemId),
                              QString::number(saved->demandId), saved->itemName, saved->orderQty,
                              text(saved->reorderPoint), text(saved->setupCost), text(saved->tSetupCost),
                              text(saved->lDemand), text(saved->meanDemand)}),
                 row);
        const QList<double> stored{saved->tItemCost, saved->tShortageCost, saved->tHoldingCost, saved->totalCost};
        for (int i = 0; i < stored.size(); ++i)
            QVERIFY(qAbs(stored[i] - amounts[i].toDouble()) < 0.005);
    }

    void checksStopTheCalculation_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("title");  // empty: the check passes
        QTest::addColumn<QString>("focus");
        auto row = [](const char* name, Run kind, const QStringList& texts, const char* title, const char* focus) {
            QTest::newRow(name) << int(kind) << texts << QString(title) << QString(focus);
        };
        const char* input = "Checking Input";
        row("price a cent above shortage cost", Unif, {"500", "1000", "Trees", "20.01", "0.5", "20"}, "Check costs",
            "txtShortageCost");
        row("price equal to shortage cost", Unif, {"500", "1000", "Trees", "20", "0.5", "20"}, "", "");
        row("holding and shortage cost add up to 0", Unif, {"500", "1000", "Trees", "10", "-20", "20"}, "Invalid cost",
            "txtShortageCost");
        row("empty item", Unif, {"500", "1000", "", "6", "0.5", "20"}, input, "txtItem");
        row("price abc", Ss, {"75", "100", "Cars", "5000", "abc", "60", "16000"}, input, "txtPrice");
        row("blank variance", Norm, {"20", " ", "Skis", "60", "-40", "125"}, input, "txtVariance");
        row("item of letters", Ss, {"75", "100", "abc", "5000", "14000", "60", "16000"}, "", "");
    }
    void checksStopTheCalculation() {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        Opened o;
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        const int before = o.rows();
        const SinglePeriodRunResult r = o.run(kind, texts);
        if (title.isEmpty()) {
            QCOMPARE(o.t.notifier.texts(), QStringList());
            QVERIFY(r.calculated());
            return;
        }
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QCOMPARE(o.t.notifier.last().title, title);
        QCOMPARE(o.t.notifier.last().icon, MsgIcon::Exclamation);
        const QMap<QString, QString> wording{
            {"Check costs",
             "Shortage cost cannnot be less than price, which is nonsensical because it means that cost of purchasing "
             "the item is higher than the penalty for not providing it."},
            {"Invalid cost", "Check shortage cost and holding cost. Either or both may not be valid."},
            {"Checking Input", "One of required input is either misssing or invalid. Check your data."}};
        QCOMPARE(o.t.notifier.last().text, wording[title]);
        QCOMPARE(o.t.beeper.beeps, 0);  // shown without a beep
        QCOMPARE(QApplication::focusWidget(), o.box(focus.toLatin1()));
        QCOMPARE(o.busy, QList<bool>{false});
        QVERIFY(!r.calculated());
        QCOMPARE(o.rows(), before);
    }

    // A message of the calculation or a fault is shown once and leaves no
    // result of the calculation before: no S, s, table values, pie or row key.
    void failingCalculationLeavesNoResult_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("failing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<QStringList>("typed");  // "name=text" entries typed in place of the failing run
        QTest::newRow("equal bounds") << int(Ss) << kCars << QStringList{"500", "500", "T", "10", "6", "0.5", "20"}
                                      << "Division by zero"
                                      << "Tervalo" << MsgIcon::None << QStringList();
        QTest::newRow("ratio beyond the table")
            << int(Norm) << kSkis << QStringList{"20", "25", "Skis", "1", "0", "4000"}
            << "The costs you entered produced unreasonable result.Please check these data."
            << "Error Message" << MsgIcon::Exclamation << QStringList();
        QTest::newRow("variance 0") << int(Norm) << kSkis << QStringList{"20", "0", "Skis", "60", "-40", "125"}
                                    << "Division by zero"
                                    << "Error Message" << MsgIcon::Exclamation << QStringList();
        QTest::newRow("total 0") << int(Unif) << kTrees << QStringList{"10", "20", "Zero", "0", "0", "5"}
                                 << "Invalid procedure call or argument"
                                 << "Error Message" << MsgIcon::Exclamation << QStringList();
        // Buying costs no less than being short: no reorder point, and the message says why.
        QTest::newRow("shortage cost equal to price, typed")
            << int(Ss) << kCars << QStringList()
            << "No solution for s-S Plicy in this case. The shortage cost is not higher than the purchase price, so "
               "that ordering never pays and no reorder point can be found."
            << "Tervalo" << MsgIcon::Information
            << QStringList{"txtItem=Cars",   "txtLowDemand=75",   "txtHighDemand=100",    "txtOrderingCost=5000",
                           "txtPrice=14000", "txtHoldingCost=60", "txtShortageCost=14000"};
        QTest::newRow("no (s,S) solution")
            << int(Ss) << kCars << QStringList{"75", "100", "Cars", "-10", "14000", "60", "16000"}
            << "No solution for s-S Plicy in this case. It may be because that the difference between the lower and "
               "upper limit of demand is not large. This means that demand can be well predicted so that a "
               "deterministis model may be more appropriate."
            << "Tervalo" << MsgIcon::Information << QStringList();
    }
    void failingCalculationLeavesNoResult() {
        QFETCH(int, kind);
        QFETCH(QStringList, first);
        QFETCH(QStringList, failing);
        QFETCH(QStringList, typed);
        Opened o;
        QVERIFY(o.run(kind, first).calculated());
        QVERIFY(!o.w->logId().isEmpty());
        const int before = o.rows();
        o.t.notifier.clear();
        o.busy.clear();
        SinglePeriodRunResult r;
        if (typed.isEmpty()) {
            r = o.run(kind, failing);
        } else {
            o.typeAndCalculate(int(kind == Ss ? Problem::SsPolicy : Problem::SinglePeriod),
                               int(kind == Norm ? ContinuousDemand::Normal : ContinuousDemand::Uniform), typed);
        }
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QTEST(o.t.notifier.last().text, "text");
        QTEST(o.t.notifier.last().title, "title");
        QTEST(o.t.notifier.last().icon, "icon");
        QCOMPARE(o.busy, QList<bool>{false});
        QVERIFY(!r.calculated() && r.logId.isEmpty());
        QCOMPARE(o.shown(), (QStringList{"", ""}));
        QCOMPARE(o.column(1), kNoValues);
        QCOMPARE(o.column(2), kNoValues);
        QVERIFY(o.w->costTable()->sliceValues().isEmpty());
        QCOMPARE(o.w->logId(), "");
        QCOMPARE(o.rows(), before);
        o.click("cmdPrint");
        QVERIFY(o.t.reports.singlePeriodRequests.isEmpty());
    }

    // Normal demand with the (s,S) policy is refused either way round; every box is emptied.
    void normalDemandIsRefusedForThePolicy_data() {
        QTest::addColumn<QString>("start");  // the options selected before the click
        QTest::addColumn<QString>("click");
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<QString>("checked");  // the options selected after the answer
        QTest::addColumn<QString>("example");
        QTest::addColumn<bool>("policy");
        QTest::newRow("Normal for the policy")
            << ""
            << "optModel_1" << MsgResult::Ok << MsgIcon::Information << "optType_0 optModel_0"
            << "The number of cars" << true;
        QTest::newRow("policy, OK") << "normal"
                                    << "optType_0" << MsgResult::Ok << MsgIcon::None << "optType_0 optModel_0"
                                    << "The number of cars" << true;
        QTest::newRow("policy, Cancel") << "normal"
                                        << "optType_0" << MsgResult::Cancel << MsgIcon::None << "optType_1 optModel_1"
                                        << "An outdoor" << false;
    }
    void normalDemandIsRefusedForThePolicy() {
        QFETCH(QString, start);
        QFETCH(QString, click);
        QFETCH(MsgResult, answer);
        QFETCH(MsgIcon, icon);
        QFETCH(QString, checked);
        QFETCH(QString, example);
        QFETCH(bool, policy);
        Opened o;
        if (!start.isEmpty()) {
            o.w->select(Problem::SinglePeriod);
            o.w->select(ContinuousDemand::Normal);
        }
        o.box("txtItem")->setText("Cars");
        o.t.notifier.answers.enqueue(answer);
        o.option(click.toLatin1())->click();
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QCOMPARE(o.t.notifier.last().text, kRefused);
        QCOMPARE(o.t.notifier.last().title, "Normal Model not availalbe");
        QCOMPARE(o.t.notifier.last().icon, icon);
        QCOMPARE(o.t.notifier.last().buttons, icon == MsgIcon::None ? MsgButtons::OkCancel : MsgButtons::Ok);
        for (const QString& name : checked.split(' '))
            QVERIFY2(o.option(name.toLatin1())->isChecked(), qPrintable(name));
        QCOMPARE(o.w->problem() == core::stochastic::Problem::SsPolicy, policy);
        QVERIFY(o.label("Label2")->text().startsWith(example));
        QCOMPARE(o.box("txtOrderingCost")->isEnabled(), policy);
        QCOMPARE(o.box("txtS1")->isVisibleTo(o.w.get()), policy);
        QCOMPARE(o.box("txtLowDemand")->isEnabled(), policy);
        QCOMPARE(o.box("txtItem")->text(), "");
    }

    void selectingTheCurrentOptionRunsNothing() {
        Opened o;
        o.box("txtItem")->setText("Cars");
        o.w->select(Problem::SsPolicy);
        o.w->select(ContinuousDemand::Uniform);
        QCOMPARE(o.box("txtItem")->text(), "Cars");
        o.w->select(Problem::SinglePeriod);
        QCOMPARE(o.box("txtItem")->text(), "");
        QVERIFY(o.label("Label2")->text().startsWith("A store decided to sell Christmas tree"));
        QVERIFY(!o.box("txtOrderingCost")->isEnabled() && !o.label("Label11")->isEnabled());
        QVERIFY(!o.box("txtS1")->isVisibleTo(o.w.get()) && !o.label("lblS2")->isVisibleTo(o.w.get()));
        o.w->select(ContinuousDemand::Normal);
        QVERIFY(o.label("Label2")->text().startsWith("An outdoor equipment shop"));
        QCOMPARE(o.t.notifier.texts(), QStringList());
    }

    // Each run through the window, then the same texts without one: the same
    // S and s, the same messages, the same row.
    void runsWithAndWithoutTheWindow_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("s2");
        QTest::addColumn<QString>("s1");
        auto row = [](const char* name, Run kind, const QStringList& texts, const char* s2, const char* s1) {
            QTest::newRow(name) << int(kind) << texts << QString(s2) << QString(s1);
        };
        row("runSS_unif car dealer", Ss, kCars, " 78", " 74");
        row("runSS_unif s far below a", Ss, {"983.8", "1110.6", "Ink", "3186.64", "5.8", "2.27", "5.81"}, " 984",
            "-317680");
        row("runSingleP_unif Christmas tree", Unif, kTrees, " 841", "");
        row("runSingleP_Norm skis", Norm, kSkis, " 24", "");
        // Mean 100, variance 2500, c 50, h 50: the ratio 1/2 orders the mean, 1/3 below it.
        row("normal p 150", Norm, {"100", "2500", "Paper", "50", "50", "150"}, " 100", "");
        row("normal p 100", Norm, {"100", "2500", "Paper", "50", "50", "100"}, " 78", "");
        // mean + z sd = -436 (the wizard's and the batch's runs): the level is 0.
        row("normal level below 0", Norm, {"211.46", "41933.9", "Paper", "0", "2.5931", "0.0021227"}, " 0", "");
        row("Christmas tree as (s,S) without order cost", Ss,
            {"500", "1000", "Christmas Tree", "0", "6.00", "0.50", "20"}, " 841", " 841");
        // The window is not shown: the check's message and nothing else.
        row("runSS_unif abc", Ss, {"75", "100", "Cars", "5000", "abc", "60", "16000"}, "", "");
        row("equal bounds", Ss, {"75", "75", "Cars", "5000", "14000", "60", "16000"}, "", "");
    }
    void runsWithAndWithoutTheWindow() {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        QFETCH(QString, s2);
        Opened o, other;
        const SinglePeriodRunResult r = o.run(kind, texts);
        QCOMPARE(r.orderUpTo, s2);
        QTEST(r.reorderPoint, "s1");
        QCOMPARE(r.logId, o.w->logId());
        QCOMPARE(o.t.notifier.messages.size(), s2.isEmpty() ? 1 : 0);
        if (kind == Ss && texts[4] == "abc") QCOMPARE(o.t.notifier.last().title, "Checking Input");

        const stochastic::SinglePeriodRunOutput out =
            stochastic::runSinglePeriod(caseOf(kind, texts), other.t.cnn, other.t.clock.today());
        QCOMPARE(out.result.orderUpTo, r.orderUpTo);
        QCOMPARE(out.result.reorderPoint, r.reorderPoint);
        QStringList messages;
        for (const core::CheckMessage& m : out.messages)
            messages << QString::fromStdString(m.text);
        QCOMPARE(messages, o.t.notifier.texts());
        QCOMPARE(other.rows(), o.rows());
        if (s2.isEmpty()) return;
        const auto a = o.row(r.logId), b = other.row(out.result.logId);
        QVERIFY(a && b);
        QCOMPARE((QStringList{QString::number(b->modelId), b->itemName, b->orderQty, b->reorderPoint.value_or("-"),
                              b->setupCost.value_or("-"), QString::number(b->totalCost, 'g', 15)}),
                 (QStringList{QString::number(a->modelId), a->itemName, a->orderQty, a->reorderPoint.value_or("-"),
                              a->setupCost.value_or("-"), QString::number(a->totalCost, 'g', 15)}));
    }

    // runSS_unif on a window left with normal demand: the refusal comes first;
    // Cancel leaves the single-period problem, whose disabled order-cost box
    // reads 0 although the run fills it.
    void refusalInARunDecidesTheProblem_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<int>("same");  // the run on a fresh window that gives the same result
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("s1");
        QTest::newRow("OK") << MsgResult::Ok << int(Ss) << kCars << " 74";
        QTest::newRow("Cancel") << MsgResult::Cancel << int(Unif)
                                << QStringList{"75", "100", "Cars", "14000", "60", "16000"} << "";
    }
    void refusalInARunDecidesTheProblem() {
        QFETCH(MsgResult, answer);
        QFETCH(int, same);
        QFETCH(QStringList, texts);
        Opened o, fresh;
        o.w->select(Problem::SinglePeriod);
        o.w->select(ContinuousDemand::Normal);
        o.t.notifier.answers.enqueue(answer);
        const SinglePeriodRunResult r = o.run(Ss, kCars);
        QCOMPARE(o.t.notifier.texts(), QStringList{kRefused});
        const SinglePeriodRunResult expected = fresh.run(same, texts);
        QCOMPARE(r.orderUpTo, " 78");
        QCOMPARE(r.orderUpTo, expected.orderUpTo);
        QTEST(r.reorderPoint, "s1");
        QCOMPARE(o.column(1), fresh.column(1));
        QCOMPARE(o.row(r.logId)->modelId, fresh.row(expected.logId)->modelId);
    }

    void childrensSkisSavedAndPrinted() {
        Opened o;
        const SinglePeriodRunResult first = o.run(Norm, {"20", "25", "Children's skis", "60", "-40", "125"});
        const SinglePeriodRunResult r = o.run(Norm, {"20", "25", "Children's skis", "60", "-40", "125"});
        QVERIFY(!first.logId.isEmpty() && first.logId != r.logId);
        QCOMPARE(o.row(r.logId)->itemName, "Children's skis");
        o.click("cmdPrint");
        o.click("cmdPrint");
        o.t.clock.setNow(o.t.clock.now().addDays(1));  // past midnight
        o.click("cmdPrint");
        QCOMPARE(o.t.reports.singlePeriodRequests.size(), 3);
        for (const test::SinglePeriodPrintRequest& request : o.t.reports.singlePeriodRequests) {
            QCOMPARE(request.logId, r.logId.toInt());
            QCOMPARE(request.itemName, "Children's skis");
            QCOMPARE(request.day.toString(Qt::ISODate), kDay);
        }
    }

    void printNeedsASavedResult_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"before any calculation", "item emptied", "Clear", "failed save"})
            QTest::newRow(step) << step;
    }
    void printNeedsASavedResult() {
        QFETCH(QString, step);
        Opened o;
        if (step != "before any calculation") o.click("cmdExample");
        if (step == "failed save") {
            // The row saved before is no longer the one shown.
            QVERIFY(!o.w->logId().isEmpty());
            QSqlQuery(o.t.cnn.database()).exec("DROP TABLE s_S");
            o.click("cmdExample");
        }
        if (step == "item emptied") o.box("txtItem")->clear();
        if (step == "Clear") o.click("cmdClear");
        if (step == "failed save") {
            // The result stays shown; the message is the save's, once.
            QCOMPARE(o.shown(), (QStringList{" 78", " 74"}));
            QCOMPARE(o.t.notifier.messages.size(), 1);
            QCOMPARE(o.t.notifier.last().title, "Error Message");
            QCOMPARE(o.t.notifier.last().icon, MsgIcon::Exclamation);
        }
        if (step == "Clear" || step == "failed save") QCOMPARE(o.w->logId(), "");
        o.click("cmdPrint");
        QVERIFY(o.t.reports.singlePeriodRequests.isEmpty());
    }

    // The boxes and the table's values go; the options, the pie, Label2 and lblCost stay.
    void clearEmptiesTheBoxesAndValues() {
        Opened o;
        o.click("cmdExample");
        o.click("cmdClear");
        for (const QLineEdit* edit : o.w->findChildren<QLineEdit*>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        QCOMPARE(o.column(1), kNoValues);
        QCOMPARE(o.column(2), kNoValues);
        QCOMPARE(o.w->costTable()->sliceValues(), (QList<int>{88, 12, 0}));
        QCOMPARE(o.label("lblCost")->text(), "Order/setup cost included in Purchase.");
        QVERIFY(o.label("Label2")->text().startsWith("The number of cars"));
        QVERIFY(o.option("optType_0")->isChecked());
        QCOMPARE(o.w->logId(), "");
    }

    void leavingTheItemBoxEmptyAsksForAName_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty") << "" << QStringList{"Please enter a name for this item."} << "txtItem";
        QTest::newRow("named") << "Cars" << QStringList{} << "txtOrderingCost";
    }
    void leavingTheItemBoxEmptyAsksForAName() {
        QFETCH(QString, item);
        QFETCH(QString, focus);
        Opened o;
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        o.box("txtItem")->setText(item);
        o.box("txtItem")->setFocus();
        QTRY_VERIFY(o.box("txtItem")->hasFocus());
        QTest::keyClick(o.box("txtItem"), Qt::Key_Tab);
        QTest::qWait(20);
        QTEST(o.t.notifier.texts(), "messages");
        if (item.isEmpty()) {
            QCOMPARE(o.t.notifier.last().icon, MsgIcon::None);
            QCOMPARE(o.t.notifier.last().title, "Tervalo");
        }
        QCOMPARE(QApplication::focusWidget(), o.box(focus.toLatin1()));
    }

    void holdingCostTakesAMinusSign() {
        Opened o;
        QTest::keyClicks(o.box("txtHoldingCost"), "-40");
        QTest::keyClicks(o.box("txtPrice"), "-40");
        QCOMPARE(o.box("txtHoldingCost")->text(), "-40");
        QCOMPARE(o.box("txtPrice")->text(), "40");
    }
};

TERVALO_QTEST_MAIN(SinglePeriodCWindowTest)
#include "SinglePeriodCWindowTest.moc"
