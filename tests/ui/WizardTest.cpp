// The model wizard: its four steps as the program registers them, their texts
// and defaults, the checks of steps 1, 3 and 4 with their titles and focus,
// the answers handed from step to step, the hand-over to the model windows
// (recorded, and end to end with the real windows), Back and the reuse of the
// loaded steps, and the refusal of a box holding no number.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "core/RuntimeError.h"
#include "data/Eoq1Repository.h"
#include "demand/ModelHandOver.h"
#include "demand/WizardCostsWindow.h"
#include "shell/MainWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"
#include "widgets/ChildForms.h"

using namespace tervalo;

namespace {

const QStringList kSteps{"frmWizard", "frmW1", "frmW2", "frmW3"};
const QStringList kCosts{"txtOrderingCost=100", "txtItemCost=5.", "txtHoldingCost=2", "txtShortageCost=7"};

// An interview as the user gives it.
struct Answers {
    QString name = "Widget";
    bool purchasing = true;
    bool singlePeriod = false;
    int model = 1;       // OptionDest: 0 certain, 1 uniform, 2 normal
    QStringList demand;  // step 3, "box=text"
    int unit = 1;        // OptionTime: 0 week, 1 month, 2 year
    QStringList costs = kCosts;
};

// The model windows' run methods, recorded as {method, arguments...}.
class RecordingHandOver : public demand::ModelHandOver {
public:
    RecordingHandOver(QList<QStringList>& calls, const QString& fault) : m_calls(calls), m_fault(fault) {}
    void runPurchaseSa(const widgets::PurchaseSaTexts& t) override {
        record({"runPurchaseSa", t.itemName, t.demand, t.price, t.holdingCost, t.orderCost, t.shortageCost,
                t.timeUnit.value_or("(none)")});
    }
    void runManufSa(const widgets::ManufSaTexts& t) override {
        record({"runManufSa", t.itemName, t.demand, t.unitCost, t.holdingCost, t.setupCost, t.manufRate, t.shortageCost,
                t.timeUnit});
    }
    void runSingleP_unif(const widgets::SinglePeriodUniformTexts& t) override {
        record({"runSingleP_unif", t.lowerD, t.upperD, t.itemName, t.itemCost, t.holdingCost, t.shortageCost});
    }
    void runSingleP_Norm(const widgets::SinglePeriodNormalTexts& t) override {
        record({"runSingleP_Norm", t.meanD, t.varianceD, t.itemName, t.itemCost, t.holdingCost, t.shortageCost});
    }
    void runSS_unif(const widgets::SsUniformTexts& t) override {
        record(
            {"runSS_unif", t.lowerD, t.upperD, t.itemName, t.orderingCost, t.itemCost, t.holdingCost, t.shortageCost});
    }

private:
    void record(const QStringList& call) {
        m_calls << call;
        if (!m_fault.isEmpty()) throw core::RuntimeError(core::ErrorCode::Other, m_fault.toStdString());
    }
    QList<QStringList>& m_calls;
    QString m_fault;
};

// What a control shows: its text, "[x]" when selected, "(off)" when disabled.
QString describe(QWidget* step, const QString& control) {
    if (control.isEmpty()) return step->windowTitle();
    if (control.startsWith("SSTab1:")) {
        auto* tabs = step->findChild<QTabWidget*>("SSTab1");
        const int i = control.mid(7).toInt();
        return tabs->tabText(i) + (tabs->isTabEnabled(i) ? "" : " (off)");
    }
    QWidget* w = step->findChild<QWidget*>(control);
    if (!w) return "(missing)";
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text() + (b->isChecked() ? " [x]" : "");
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
    return text + (w->isEnabled() ? "" : " (off)");
}

}  // namespace

Q_DECLARE_METATYPE(Answers)

class WizardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestContext> m_t;
    QList<QStringList> m_calls;

    // The program's catalogue; step 4 hands over to a recorder unless `real`.
    void load(bool real = false, const QString& fault = QString()) {
        m_t = std::make_unique<test::WindowTestContext>();
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        if (!real)
            m_t->registry.registerWindow(widgets::WindowId::W3, [this, fault] {
                return new demand::WizardCostsWindow(m_t->ctx, std::make_unique<RecordingHandOver>(m_calls, fault));
            });
    }
    QWidget* step(const QString& form) const { return m_t->registry.existing(test::windowId(form)); }
    QLineEdit* box(const QString& form, const QString& name) const { return step(form)->findChild<QLineEdit*>(name); }
    void check(const QString& form, const QString& option) const {
        step(form)->findChild<QAbstractButton*>(option)->setChecked(true);
    }
    void click(const QString& form, const QString& button) const {
        step(form)->findChild<QAbstractButton*>(button)->click();
    }
    void type(const QString& form, const QStringList& entries) const {
        for (const QString& entry : entries)
            box(form, entry.section('=', 0, 0))->setText(entry.section('=', 1));
    }
    // Opens step 1 as the main window does.
    void open() const { widgets::ShowChildForm(m_t->registry.openFresh(widgets::WindowId::Wizard)); }
    // Goes through steps 1 to 3 and types the costs on step 4.
    void interview(const Answers& a) const {
        open();
        type("frmWizard", {"txtItemName=" + a.name});
        check("frmWizard", a.purchasing ? "OptionPurchasing_0" : "OptionPurchasing_1");
        click("frmWizard", "cmdNext");
        check("frmW1", QString("OptionDest_%1").arg(a.model));
        check("frmW1", a.singlePeriod ? "OptionDType_0" : "OptionDType_1");
        click("frmW1", "cmdNext");
        check("frmW2", QString("OptionTime_%1").arg(a.unit));
        type("frmW2", a.demand);
        click("frmW2", "cmdNext");
        type("frmW3", a.costs);
    }
    QStringList openSteps() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList open;
        for (const QString& form : kSteps)
            if (step(form)) open << form + (step(form)->isVisible() ? "" : " hidden");
        return open;
    }
    QString lastMessage() const {
        if (m_t->notifier.messages.isEmpty()) return QString();
        return m_t->notifier.last().text + " | " + m_t->notifier.last().title;
    }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    // Shows a step's window active, so that the focus can be looked at.
    void activate(const QString& form) const {
        step(form)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(step(form)));
    }

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

    // Finish calls the model window that fits, with the figures as plain decimals
    // and the rest as typed, then closes the four steps; where no model fits, or the
    // call fails, it says so and the wizard stays open.
    void handOver_data() {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("call");
        QTest::addColumn<QString>("message");
        QTest::newRow("purchasing") << Answers{.model = 0, .demand = {"txtConstD=1600"}} << ""
                                    << QStringList{"runPurchaseSa", "Widget", "1600", "5.", "2", "100", "7", "month"}
                                    << "";
        QTest::newRow("manufacturing, weekly")
            << Answers{.purchasing = false, .model = 0, .demand = {"txtConstD=1600", "txtManufRate=3000"}, .unit = 0}
            << "" << QStringList{"runManufSa", "Widget", "1600", "5.", "2", "100", "3000", "7", "week"} << "";
        QTest::newRow("single period, uniform")
            << Answers{.singlePeriod = true, .demand = {"txtLowererD=.5", "txtUpperD=12"}} << ""
            << QStringList{"runSingleP_unif", "0.5", "12", "Widget", "5.", "2", "7"} << "";
        QTest::newRow("single period, normal")
            << Answers{.singlePeriod = true, .model = 2, .demand = {"txtMean=40", "txtVariance=2.25"}} << ""
            << QStringList{"runSingleP_Norm", "40", "2.25", "Widget", "5.", "2", "7"} << "";
        QTest::newRow("steady, uniform") << Answers{.demand = {"txtLowererD=5", "txtUpperD=12"}} << ""
                                         << QStringList{"runSS_unif", "5", "12", "Widget", "100", "5.", "2", "7"} << "";
        QTest::newRow("1.2.3 goes as 1.2")
            << Answers{.demand = {"txtLowererD=1.2.3", "txtUpperD=12"}} << ""
            << QStringList{"runSS_unif", "1.2", "12", "Widget", "100", "5.", "2", "7"} << "";
        QTest::newRow("steady, normal: no model")
            << Answers{.model = 2, .demand = {"txtMean=40", "txtVariance=4"}} << "" << QStringList{}
            << "There is no model for a steady demand known only by its mean and variance. Please go back and give "
               "the demand as certain or as a range. | No Model";
        QTest::newRow("single period, certain: no model")
            << Answers{.singlePeriod = true, .model = 0, .demand = {"txtConstD=8"}} << "" << QStringList{}
            << "A single-period model needs to know how the demand varies. Please go back and give the demand as a "
               "range or as its mean and variance. | No Model";
        QTest::newRow("the model window fails")
            << Answers{.demand = {"txtLowererD=5", "txtUpperD=12"}} << "Overflow"
            << QStringList{"runSS_unif", "5", "12", "Widget", "100", "5.", "2", "7"} << "Overflow | Error Messag";
    }
    void handOver() {
        QFETCH(Answers, answers);
        QFETCH(QString, fault);
        QFETCH(QStringList, call);
        QFETCH(QString, message);
        load(false, fault);
        interview(answers);
        click("frmW3", "cmdFinish");
        QCOMPARE(m_calls, call.isEmpty() ? QList<QStringList>{} : QList<QStringList>{call});
        QCOMPARE(lastMessage(), message);
        if (message.isEmpty())
            QCOMPARE(openSteps(), QStringList{});
        else
            QCOMPARE(openSteps(), (QStringList{"frmWizard hidden", "frmW1 hidden", "frmW2 hidden", "frmW3"}));
    }

    // The interview from the keyboard alone: each step opens on its first answer,
    // Enter in a box moves on as Tab does (through step 4's tabs, on to Finish),
    // Enter anywhere else goes Next, then Finish. An entry is what is typed at the
    // focus ("#" Enter, "~" Tab, "`" Shift+Tab, "^" Up, "_" Down), then ">" and
    // the step and control holding the focus afterwards.
    void keyboardOnly_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("call");
        QTest::newRow("purchasing, steady, uniform")
            << QStringList{"Widget#>frmW1:OptionDType_1", "#>frmW2:txtLowererD", "5#>frmW2:txtUpperD",
                           "12#>frmW2:OptionTime_0", "#>frmW3:txtOrderingCost", "100#>frmW3:txtItemCost",
                           "5#2#>frmW3:txtShortageCost", "``~~>frmW3:txtShortageCost", "7#>frmW3:cmdFinish", "#>"}
            << QStringList{"runSS_unif", "5", "12", "Widget", "100", "5", "2", "7"};
        QTest::newRow("single period, normal")
            << QStringList{"Chair#>frmW1:OptionDType_1", "^~_#>frmW2:txtMean", "40#2.25#>frmW2:OptionTime_0",
                           "#>frmW3:txtItemCost", "5#2#7#>frmW3:cmdFinish", "#>"}
            << QStringList{"runSingleP_Norm", "40", "2.25", "Chair", "5", "2", "7"};
    }
    void keyboardOnly() {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, call);
        load();
        open();
        activate("frmWizard");
        const QHash<QChar, Qt::Key> named{
            {'#', Qt::Key_Return}, {'~', Qt::Key_Tab}, {'`', Qt::Key_Backtab}, {'^', Qt::Key_Up}, {'_', Qt::Key_Down}};
        QStringList expected, seen;
        for (const QString& entry : keys) {
            for (const QChar c : entry.section('>', 0, 0)) {
                if (named.contains(c))
                    QTest::keyClick(QApplication::focusWidget(), named.value(c));
                else
                    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
                QTRY_VERIFY(QApplication::focusWidget() ? QApplication::focusWidget()->isActiveWindow()
                                                        : openSteps().isEmpty());
            }
            const QWidget* focus = QApplication::focusWidget();
            seen << (focus ? focus->window()->objectName() + ":" + focus->objectName() : "");
            expected << entry.section('>', 1);
        }
        QCOMPARE(seen, expected);
        QCOMPARE(m_calls.value(0), call);
    }

    // With the program's own windows: the purchasing window computes with step 3's
    // unit and saves the item's name as typed.
    void endToEnd_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Paper") << "Paper";
        QTest::newRow("quote and umlaut") << "Chef's Öl";
    }
    void endToEnd() {
        QFETCH(QString, name);
        load(true);
        interview({.name = name,
                   .model = 0,
                   .demand = {"txtConstD=8"},
                   .unit = 0,
                   .costs = {"txtOrderingCost=130", "txtItemCost=25", "txtHoldingCost=1.173", "txtShortageCost=15"}});
        const int before = data::Eoq1Repository(m_t->cnn).rowsFor(name, m_t->clock.today(), 2).size();
        click("frmW3", "cmdFinish");
        QCOMPARE(lastMessage(), QString());
        QCOMPARE(openSteps(), QStringList{});
        QWidget* model = m_t->registry.existing(widgets::WindowId::PurchaseSA);
        QVERIFY(model && model->isVisible());
        QStringList shown;
        for (const char* result : {"txtOrderQuantity", "txtOrderInterval", "txtAllowedShortage"})
            shown << model->findChild<QLineEdit*>(result)->text();
        QCOMPARE(shown, (QStringList{" 44", " 38", " 3"}));
        const auto rows = data::Eoq1Repository(m_t->cnn).rowsFor(name, m_t->clock.today(), 2);
        QCOMPARE(rows.size(), before + 1);
        QCOMPARE(rows.last().itemName, name);
        QCOMPARE(rows.last().timeUnit, QString("Week"));
    }

    // Back brings the earlier step in front and leaves the later one open; Next
    // from there updates it. A wizard opened again starts a fresh step 1 and
    // reuses the loaded steps 2 to 4 with their answers; Cancel closes all four.
    void backNextAndReuse() {
        load();
        interview({.demand = {"txtLowererD=5", "txtUpperD=12"}, .costs = {"txtItemCost=5."}});
        QWidget* costs = step("frmW3");
        click("frmW3", "cmdBack");
        QCOMPARE(openSteps(), (QStringList{"frmWizard hidden", "frmW1 hidden", "frmW2", "frmW3"}));
        click("frmW2", "cmdBack");
        check("frmW1", "OptionDest_0");
        click("frmW1", "cmdNext");
        type("frmW2", {"txtConstD=7"});
        click("frmW2", "cmdNext");
        QCOMPARE(step("frmW3"), costs);
        QCOMPARE(box("frmW3", "txtItemCost")->text(), QString("5."));

        open();
        QCOMPARE(describe(step("frmWizard"), "txtItemName"), QString());
        QCOMPARE(step("frmW3"), costs);
        type("frmWizard", {"txtItemName=Bolt"});
        click("frmWizard", "cmdNext");
        click("frmW1", "cmdNext");  // still certain, from the last interview
        QCOMPARE(box("frmW2", "txtConstD")->text(), QString("7"));
        click("frmW2", "cmdNext");
        type("frmW3", kCosts);
        click("frmW3", "cmdFinish");
        QCOMPARE(m_calls.value(0), (QStringList{"runPurchaseSa", "Bolt", "7", "5.", "2", "100", "7", "month"}));

        interview({.demand = {}, .costs = {}});  // stays on step 3: no demand given
        click("frmW2", "cmdCancel");
        QCOMPARE(openSteps(), QStringList{});
    }

    // A box holding no number keeps the focus and its text: the button or tab
    // clicked does nothing but bring up the message.
    void noNumberBlocksTheButtons_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("target");
        for (const char* target : {"cmdNext", "cmdBack", "cmdCancel"})
            QTest::addRow("step 3 %s", target) << "frmW2" << target;
        for (const char* target : {"cmdFinish", "cmdBack", "cmdCancel", "tab"})
            QTest::addRow("step 4 %s", target) << "frmW3" << target;
    }
    void noNumberBlocksTheButtons() {
        QFETCH(QString, form);
        QFETCH(QString, target);
        load();
        interview({.demand = {"txtLowererD=5", "txtUpperD=12"}, .costs = {"txtOrderingCost=1"}});
        if (form == "frmW2") click("frmW3", "cmdBack");
        activate(form);
        QLineEdit* bad = box(form, form == "frmW2" ? "txtUpperD" : "txtOrderingCost");
        bad->setFocus();
        QTest::keyClicks(bad, "..");
        const QString typed = bad->text();
        QWidget* w = step(form);
        if (target == "tab") {
            QTabBar* bar = w->findChild<QTabWidget*>("SSTab1")->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        } else {
            auto* button = w->findChild<QAbstractButton*>(target);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(lastMessage(), QString("This field must be a number. | Not a number"));
        QCOMPARE(bad->text(), typed);
        QCOMPARE(focused(), bad->objectName());
        const QString step3 = form == "frmW2" ? "frmW2" : "frmW2 hidden";
        QCOMPARE(openSteps(), (QStringList{"frmWizard hidden", "frmW1 hidden", step3, "frmW3"}));
        QVERIFY(m_calls.isEmpty());
    }

    // The Wizard menu item, the toolbar button and the panel button open a fresh
    // step 1 at the screen's left edge, as a window of its own.
    void openedFromTheMainWindow_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("menu") << "mnuTervalo";
        QTest::newRow("toolbar") << "Tervalo";
        QTest::newRow("panel") << "Command2_0";
    }
    void openedFromTheMainWindow() {
        QFETCH(QString, action);
        load();
        shell::MainWindow main(m_t->ctx);
        m_t->ctx.mainWindow = &main;
        main.show();
        auto trigger = [&] {
            if (action.startsWith("Command"))
                main.findChild<QAbstractButton*>(action)->click();
            else
                main.menuAction(action)->trigger();
        };
        trigger();
        QPointer<QWidget> first = step("frmWizard");
        QVERIFY(first && first->isVisible() && first->isWindow());
        QCOMPARE(first->x(), 0);
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);  // the guidance only
        trigger();
        QVERIFY(step("frmWizard") != first.data());
        QVERIFY(m_t->notifier.messages.isEmpty());
        m_t->ctx.mainWindow = nullptr;
    }
};

TERVALO_QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
