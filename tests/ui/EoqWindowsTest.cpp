// The four EOQ windows (purchasing and manufacturing, without and with
// shortages), made through the window registry as the program makes them.
// Each case is a table over the windows it applies to: the worked examples and
// their saved rows, the checks in order, what a fault leaves on screen, the
// handler's wording, Print and Clear, the time unit however it is selected,
// run(), captions, the input-box convention and the launcher button's colour.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <tuple>

#include "support/EoqWindowProbe.h"
#include "support/PaperRows.h"
#include "support/QtTestMain.h"
#include "widgets/LauncherPanel.h"

using namespace tervalo;
using data::Eoq1Repository;
using data::Eoq1Row;
using lotsize::EoqWindow;
using platform::MsgIcon;
using test::checked;
using test::costColumn;

namespace {

QString assumes(const char* second, const char* shortages) {
    return QString(
               "This model assumes : 1. constant demand, 2. %1all costs are constants, and 4. %2 The objective is "
               "to minimize total cost.")
        .arg(second, shortages);
}
const char* kInstant = "replacement is instantaneous, and 3. ";
const char* kRate = "manufacturing rate is greater than demand rate, 3. ";

// What each window shows and does, as far as the cases below compare it.
struct Window {
    QString form, example, title, clear;        // form name, worked example, caption, Clear's caption
    QStringList parts, shown, amounts, shares;  // the example's cost parts, result boxes and cost table
    QList<int> slices;
    Eoq1Row saved;   // the example's row (the date aside)
    QString suffix;  // of a run-time error in Calculate, after its description
    MsgIcon icon;    // of that message
    bool printAtLoad, printAfterClear;
    int firstTab, otherTab;  // launcher buttons Command2(first), Command1(other); -1: none
    QString lastBox;
    int unitLabels;
    QStringList intervals;             // the example's interval, its inputs per year, month or week
    QString assumptions, exampleText;  // Label1; part of Label2
    QStringList labels, buddies;       // "Label17=Production rate,units/"; "Label17=txtManufacturingRate"
};
enum { PNS, PSA, MNS, MSA };

// clang-format off
const QList<Window>& windows() {
    static const QList<Window> all = [] {
        const QStringList purchase{"Purchase", "Ordering", "Holding"};
        const QStringList production{"Production", "Setup", "Holding"};
        Eoq1Row phone = test::paperRow({}, "Cell Phone"), phoneNs, phoneSa;
        phone.timeUnit = "Year", phone.demand = "18000", phone.itemCost = "2", phone.holdingCost = "1.8";
        phone.setupCost = "500", phone.tItemCost = 36000;
        phoneNs = phoneSa = phone;
        phoneNs.orderQty = " 4472", phoneNs.orderInterval = " 91", phoneNs.modelId = 3;
        phoneNs.tSetupCost = phoneNs.tHoldingCost = 2012.46117974981, phoneNs.totalCost = 40024.9223594996;
        phoneSa.orderQty = " 4669", phoneSa.orderInterval = " 95", phoneSa.modelId = 4;
        phoneSa.shortageCost = "20", phoneSa.shortageAllowed = " 193", phoneSa.tSetupCost = 1927.58821595154;
        phoneSa.tHoldingCost = 1768.42955591884, phoneSa.tShortageCost = 159.158660032696;
        phoneSa.totalCost = 39855.1764319031;
        return QList<Window>{
            {"frmPurchaseNS", "paper", "Purchasing Model: No Shortages", "Clea&r", purchase, {" 42", " 37"},
             {"200.00", "24.70", "24.70", "249.39"}, {"80.19", "9.90", "9.90", "100.00"}, {80, 10, 10},
             test::paperRow({}), " in Purchasing Model: No Shortages/sub cmdCalculate.", MsgIcon::Exclamation,
             false, false, 1, 0, "txtOrderingCost", 3, {" 1921", " 158", " 37"},
             assumes(kInstant, "no shortages allowed."),
             "Paper usage in an office averages 8 boxes per week. Each box costs $25. Shipping cost per order is $50 "
             "regardless of size. Financing cost is 15% per year, and keeping the boxes costs $1.10 per week/box. "
             "Determine an optimum inventory policy.\n\nSolution: Demand is 8 units/week, Purchasing cost is "
             "$25/unit, Ordering cost is $50 per order, and Holding cost is $1.10+$(25)(0.15/365)7=$1.173/week. ",
             {"Label5=Purchase price (Item cost), $/unit", "Label7=Ordering cost, $/order"},
             {"Label4=txtDemand", "Label8=txtOrderQuantity"}},
            {"frmPurchaseSA", "paper with shortages", "Purchasing Model: Shortages Allowed", "C&lear",
             purchase + QStringList{"Shortage"}, {" 44", " 38", " 3"}, {"200.00", "23.78", "22.06", "1.73", "247.57"},
             {"80.79", "9.61", "8.91", ".70", "100.00"}, {81, 10, 9, 1}, test::paperWithShortagesRow({}),
             " in Purchasing Model: Shortages Allowed/cmdCalculate.", MsgIcon::Exclamation,
             false, false, 2, 1, "txtShortageCost", 4, {" 1995", " 164", " 38"},
             assumes(kInstant, "shortages allowed."),
             "Ordering cost is $50 per order, shortage cost is $15/box/week, and Holding cost is "
             "$1.10+$(25)(0.15/365)7=$1.173/week. ",
             {"Label11=Shortage cost, $/unit/"}, {"Label11=txtShortageCost", "Label12=txtAllowedShortage"}},
            // Calculate's errors show their description alone, with no icon; Print stays enabled after Clear.
            {"frmManufNS", "cell phone", "Manufacturing Model: No Shortages", "C&lear", production,
             {" 4472", " 91", " 2236"}, {"36000.00", "2012.46", "2012.46", "40024.92"},
             {"89.94", "5.03", "5.03", "100.00"}, {90, 5, 5}, phoneNs, "", MsgIcon::None,
             false, true, -1, -1, "txtManufacturingRate", 4, {" 91", " 7", " 2"},
             assumes(kRate, "no shortages allowed."),
             "you need to covert data accordingly.", {"Label17=Production rate,units/", "Label7=Setup cost, $/setup"},
             {"Label17=txtManufacturingRate", "Label18=txtMaxInventory"}},
            // Print is enabled from the start and stays so.
            {"frmManufSA", "cell phone with shortages", "Manufacturing Model: Shortages Allowed", "&Clear",
             production + QStringList{"Shortage"}, {" 4669", " 95", " 2142", " 193"},
             {"36000.00", "1927.59", "1768.43", "159.16", "39855.18"}, {"90.33", "4.84", "4.44", ".40", "100.00"},
             {90, 5, 4, 0}, phoneSa, "", MsgIcon::Exclamation,
             true, true, -1, -1, "txtShortageCost", 5, {" 95", " 8", " 2"}, assumes(kRate, "shortages allowed."),
             "the cost of one unit is $2. Shortages allowed. The cost of 1 unit short is $20/year. Determine the "
             "optimum manufacturing quantity and cost per year.\n\nSolution: Click",
             {"Label11=Shortage Cost, $/"}, {"Label11=txtShortageCost"}},
        };
    }();
    return all;
}
// clang-format on

// The window of the current row (column "window").
const Window& current() { return windows().at(*static_cast<int*>(QTest::qData("window", QMetaType::Int))); }

// One row per window (with a launcher button only, when asked).
void windowRows(bool launcherOnly = false) {
    QTest::addColumn<int>("window");
    for (int i = 0; i < windows().size(); ++i) {
        const Window& w = windows().at(i);
        if (!launcherOnly || w.firstTab >= 0) QTest::addRow("%s %s", qPrintable(w.form), qPrintable(w.example)) << i;
    }
}

// The current row's window.
struct Opened : test::EoqWindowProbe {
    explicit Opened(const QString& form = current().form) : EoqWindowProbe(form) {}
};

// Four buttons on each of the left panel's two tabs.
class FakePanel : public widgets::LauncherPanel {
public:
    int currentTab() const override { return tab; }
    QWidget* button(const QString& array, int index) const override {
        return const_cast<QPushButton*>(&buttons[array == "Command2" ? 0 : 1][index]);
    }
    // Coloured as the launcher of the active window (the tool-tip colour).
    bool tinted(const QString& array, int index) const {
        return button(array, index)->palette().color(QPalette::Button) ==
               QApplication::palette().color(QPalette::ToolTipBase);
    }
    int tab = 0;
    QPushButton buttons[2][4];
};

}  // namespace

class EoqWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data() { windowRows(); }
    void workedExample() {
        const Window& win = current();
        Opened o;
        QVERIFY2(o.w, "registered under its form name");
        const int before = o.rows();
        o.click("cmdExample");
        QCOMPARE(o.t.notifier.texts(), QStringList());
        QCOMPARE(o.results(), win.shown);
        QCOMPARE(costColumn(*o.w, 1), win.amounts);
        QCOMPARE(costColumn(*o.w, 2), win.shares);
        QCOMPARE(o.w->costTable()->sliceLabels(), win.parts);
        QCOMPARE(o.w->costTable()->sliceValues(), win.slices);
        QCOMPARE(o.rows(), before + 1);
        const auto row = Eoq1Repository(o.t.cnn).byLogId(o.w->logId());
        QVERIFY(row);
        QCOMPARE(row->date, o.t.clock.today());
        test::compareEoq1Rows(*row, win.saved);
    }

    // The first failing check is shown and its box gets the focus; the later
    // boxes hold non-numbers, and `also` sets further texts.
    void checksStopAtTheFirstFailure_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("also");
        const int info = int(MsgIcon::Information), exclamation = int(MsgIcon::Exclamation);
        auto row = [](int w, const char* box, const char* text, const char* message,
                      int icon = int(MsgIcon::Information), const char* title = "Error Message",
                      const QStringList& also = {}) {
            QTest::addRow("%s %s %s", qPrintable(windows().at(w).form), box, text)
                << w << box << text << message << icon << title << also;
        };
        const char* named = "Please enter a name for this item.";
        row(PNS, "txtItem", "", "Please enter a item name.", exclamation);
        row(PNS, "txtDemand", "", "Please enter Demand.");
        row(PNS, "txtPrice", "", "Please enter Price.");
        row(PNS, "txtHoldingCost", "", "Please enter Holding Cost.");
        row(PNS, "txtOrderingCost", "", "Please enter Ordering Cost.");
        // A non-number fails as an empty box does; two titles end in a full stop.
        row(PSA, "txtItem", "", named);
        row(PSA, "txtDemand", "12abc", "Please enter a Demand.", info, "Error Message.");
        row(PSA, "txtPrice", "12abc", "Please enter Price.");
        row(PSA, "txtHoldingCost", "12abc", "Please enter Holding Cost.", info, "Error Message.");
        row(PSA, "txtOrderingCost", "12abc", "Please enter Ordering Cost.");
        row(PSA, "txtShortageCost", "12abc", "Please enter Shortage Cost.");
        row(MNS, "txtItem", "", named);
        row(MNS, "txtDemand", "", "Please enter Demand.");
        row(MNS, "txtPrice", "", "Please enter Price.");
        row(MNS, "txtHoldingCost", "", "Please enter Holding Cost.");
        row(MNS, "txtOrderingCost", "", "Please entering Setup Cost.");
        row(MNS, "txtManufacturingRate", "", "Please enter Manufacturing Rate.");
        row(MSA, "txtItem", "", named);
        row(MSA, "txtOrderingCost", "", "Please entering Setup Cost.");
        row(MSA, "txtManufacturingRate", "", "Please enter Manufacturing Rate.");
        // The rate-versus-demand test comes last, after the shortage cost's check.
        const char* refused = "Production Rate is larger than demand.";
        row(MNS, "txtManufacturingRate", "17999", refused, exclamation, "Large Production Rate");
        row(MSA, "txtManufacturingRate", "17999", refused, exclamation, "Large Production Rate",
            {"txtShortageCost=20"});
        row(MSA, "txtShortageCost", "", "Please enter Shortage Cost.", info, "Error Message",
            {"txtManufacturingRate=100"});
    }
    void checksStopAtTheFirstFailure() {
        QFETCH(QString, failing);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(QStringList, also);
        Opened o;
        QVERIFY(o.showActive());
        o.fillExample();
        bool later = false;
        for (const lotsize::BoxRow& row : o.w->description().inputs) {
            QLineEdit* input = o.w->inputBox(row.box);
            if (later) input->setText("x");
            if (input->objectName() == failing) {
                input->setText(text);
                later = true;
            }
        }
        o.type(also);
        const int before = o.rows();
        const QStringList typed = o.inputs();
        if (current().form.endsWith("SA")) {  // as the wizards run them: the boxes are filled, nothing computed
            QVERIFY(!o.run(std::nullopt).calculated);
            QCOMPARE(o.inputs(), typed);
        } else {
            o.click("cmdCalculate");
        }
        QCOMPARE(o.t.notifier.texts(), QStringList{message});
        QCOMPARE(int(o.last().icon), icon);
        QCOMPARE(o.last().title, title);
        QCOMPARE(o.t.beeper.beeps, 0);  // these windows show their messages without a beep
        QCOMPARE(o.w->focusWidget(), o.box(failing));
        QCOMPARE(o.rows(), before);
        QCOMPARE(o.results(), o.noResults());
    }

    // After the worked example, a fault in the calculator or in the rounding of
    // what is shown empties every result and saves nothing, so the window never
    // shows parts of two calculations; a failed save keeps this calculation's
    // results on screen without a row key.
    void faultAtEachStepOfCalculate_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("edits");
        for (int w : {PNS, PSA, MNS, MSA}) {
            QStringList huge{"txtDemand=12345678901234567890"};
            if (w >= MNS) huge << "txtManufacturingRate=123456789012345678901";
            const QByteArray form = windows().at(w).form.toLatin1();
            QTest::addRow("%s zero holding cost", form.data()) << w << "model" << QStringList{"txtHoldingCost=0"};
            QTest::addRow("%s 20-digit demand", form.data()) << w << "rounding" << huge;
            QTest::addRow("%s save fails", form.data()) << w << "save" << QStringList();
        }
        QTest::newRow("frmPurchaseSA zero shortage cost") << int(PSA) << "model" << QStringList{"txtShortageCost=0"};
        QTest::newRow("frmManufNS rate equal to demand")
            << int(MNS) << "model" << QStringList{"txtManufacturingRate=18000"};
    }
    void faultAtEachStepOfCalculate() {
        QFETCH(QString, step);
        QFETCH(QStringList, edits);
        const Window& win = current();
        const bool model = step == "model", saving = step == "save";
        Opened o;
        o.click("cmdExample");
        QVERIFY(!o.w->logId().isEmpty());
        const int before = o.rows();
        o.type(edits);
        if (saving) o.t.cnn.close();
        o.click("cmdCalculate");
        QCOMPARE(o.t.notifier.messages.size(), 1);
        const QString text = o.last().text;
        if (saving)  // the handler's wording around the database's description
            QVERIFY2(text.endsWith(win.suffix) && text.contains(" in ") == !win.suffix.isEmpty(), qPrintable(text));
        else
            QCOMPARE(text, model ? QString("Division by zero") : "Overflow" + win.suffix);
        QCOMPARE(o.last().title, QString(model ? "Tervalo" : "Error Message"));
        QCOMPARE(o.last().icon, model ? MsgIcon::None : win.icon);
        QCOMPARE(o.results(), saving ? win.shown : o.noResults());
        QCOMPARE(costColumn(*o.w, 1), saving ? win.amounts : o.noCosts());
        QCOMPARE(costColumn(*o.w, 2), saving ? win.shares : o.noCosts());
        QVERIFY(o.w->logId().isEmpty());
        QCOMPARE(o.button("cmdPrint")->isEnabled(), saving || win.printAfterClear);
        if (QPushButton* discount = o.button("cmdDiscount")) QCOMPARE(discount->isEnabled(), saving);
        if (!saving) QCOMPARE(o.rows(), before);
    }

    // Print previews the day's rows of the item and needs an item name and a
    // quantity; Clear empties every box and the cost values, keeps the pie, and
    // sets Print by the window's rule.
    void printAndClear_data() { windowRows(); }
    void printAndClear() {
        const Window& win = current();
        Opened o;
        QPushButton* print = o.button("cmdPrint");
        QCOMPARE(print->isEnabled(), win.printAtLoad);
        print->click();
        o.click("cmdExample");
        QVERIFY(print->isEnabled());
        o.box("txtItem")->clear();
        print->click();
        QVERIFY(o.t.reports.requests.isEmpty());
        o.box("txtItem")->setText(win.saved.itemName);
        print->click();
        QCOMPARE(o.t.reports.requests.size(), 1);
        QCOMPARE(o.t.reports.requests.first().modelId, win.saved.modelId);
        QCOMPARE(o.t.reports.requests.first().itemName, win.saved.itemName);
        QCOMPARE(o.t.reports.requests.first().day, o.t.clock.today());

        o.option(2)->click();
        QPushButton* discount = o.button("cmdDiscount");
        QCOMPARE(discount != nullptr, win.form.startsWith("frmPurchase"));
        if (discount) {
            discount->click();
            o.box("txtDiscRate")->setText("5");
        }
        o.click("cmdClear");
        for (const QLineEdit* b : o.w->findChildren<QLineEdit*>())
            QVERIFY2(b->text().isEmpty(), qPrintable(b->objectName()));
        QVERIFY(checked(*o.w, 0));
        QCOMPARE(o.unitLabels(), QStringList(win.unitLabels, "Year"));
        QCOMPARE(costColumn(*o.w, 1), o.noCosts());
        QCOMPARE(costColumn(*o.w, 2), o.noCosts());
        QCOMPARE(o.w->costTable()->cell(1, 0), win.parts.first());
        QCOMPARE(o.w->costTable()->sliceValues(), win.slices);
        QVERIFY(o.w->logId().isEmpty());
        if (discount) QVERIFY(!discount->isEnabled() && !o.w->findChild<QWidget*>("fraDiscount")->isHidden());
        QCOMPARE(print->isEnabled(), win.printAfterClear);
        print->click();
        QCOMPARE(o.t.reports.requests.size(), 1);
    }

    // However an option is selected (by a click, an assistive tool, the keyboard,
    // code, or run() as the wizards call it), every unit label follows and the
    // calculation uses and saves that unit (365 days a year, 30 a month, 7 a
    // week). run() matches a unit text exactly ("week"; "Week" gives Year), and
    // without one keeps the option shown.
    void timeUnitFollowsTheOptionHoweverSelected_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("unit");  // the text run() is given
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        for (int w : {PNS, PSA, MNS, MSA}) {
            const QByteArray form = windows().at(w).form.toLatin1();
            QTest::addRow("%s mouse click on Month", form.data()) << w << "click" << QString() << 0 << 1;
            for (const char* how : {"accessible toggle", "arrow keys", "setChecked"})
                QTest::addRow("%s %s", form.data(), how) << w << how << QString() << 0 << 2;
        }
        const QList<std::tuple<int, QString, int, int>> runs{
            {PSA, "week", 0, 2},    {PSA, "Week", 2, 0}, {PSA, "month", 0, 1}, {PSA, QString(), 0, 0},
            {PSA, QString(), 2, 2}, {MSA, "week", 0, 2}, {MSA, "Month", 2, 0}, {MSA, "month", 0, 1}};
        for (const auto& [w, unit, before, after] : runs)
            QTest::addRow("%s run(%s) after option %d", qPrintable(windows().at(w).form),
                          unit.isNull() ? "no unit" : qPrintable(unit), before)
                << w << "run" << unit << before << after;
    }
    void timeUnitFollowsTheOptionHoweverSelected() {
        QFETCH(QString, how);
        QFETCH(QString, unit);
        QFETCH(int, before);
        QFETCH(int, after);
        const Window& win = current();
        const QString saved = QStringList{"Year", "Month", "Week"}.at(after);
        Opened o;
        QVERIFY(o.showActive());
        o.option(before)->click();
        o.fillExample();
        QRadioButton* option = o.option(after);
        if (how == "click") {
            QTest::mouseClick(o.reveal(option), Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        } else if (how == "accessible toggle") {
            QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(option)->actionInterface();
            QVERIFY(action && action->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            action->doAction(QAccessibleActionInterface::toggleAction());
        } else if (how == "arrow keys") {
            o.option(0)->setFocus();
            QTest::keyClick(o.w->windowHandle(), Qt::Key_Down);
            QTest::keyClick(o.w->windowHandle(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(option));
        } else if (how == "setChecked") {
            option->setChecked(true);
        }
        if (how == "run") {
            QVERIFY(o.run(unit.isNull() ? std::nullopt : std::optional(unit)).calculated);
        } else {
            QCOMPARE(o.unitLabels(), QStringList(win.unitLabels, saved));  // before any calculation
            o.click("cmdCalculate");
        }
        QCOMPARE(o.t.notifier.texts(), QStringList());
        QVERIFY(checked(*o.w, after));
        QCOMPARE(o.unitLabels(), QStringList(win.unitLabels, saved));
        // The unit changes the days per unit only.
        QCOMPARE(o.results().mid(0, 2), (QStringList{win.saved.orderQty, win.intervals.at(after)}));
        const auto row = Eoq1Repository(o.t.cnn).byLogId(o.w->logId());
        QVERIFY(row);
        QCOMPARE((QStringList{row->timeUnit, row->orderInterval}), (QStringList{saved, win.intervals.at(after)}));
    }

    void captionsTextsAndBuddies_data() { windowRows(); }
    void captionsTextsAndBuddies() {
        const Window& win = current();
        Opened o;
        auto label = [&o](const QString& name) { return o.w->findChild<QLabel*>(name); };
        QCOMPARE(o.w->objectName(), win.form);
        QCOMPARE(o.w->windowTitle(), win.title);
        QCOMPARE(o.button("cmdClear")->text(), win.clear);
        QCOMPARE(label("Label1")->text(), win.assumptions);
        QVERIFY2(label("Label2")->text().contains(win.exampleText), qPrintable(label("Label2")->text()));
        for (const QString& entry : win.labels)
            QCOMPARE(label(entry.section('=', 0, 0))->text(), entry.section('=', 1));
        for (const QString& entry : win.buddies)
            QCOMPARE(label(entry.section('=', 0, 0))->buddy(), o.box(entry.section('=', 1)));
        // The purchasing windows' supplier's offer stays hidden until asked for.
        if (QPushButton* discount = o.button("cmdDiscount")) {
            auto* frame = o.w->findChild<QWidget*>("fraDiscount");
            QVERIFY(frame->isHidden());
            o.click("cmdExample");
            discount->click();
            QCOMPARE(discount->text(), QString("&Turn Off Discount"));
            QVERIFY(!frame->isHidden());
            discount->click();
            QCOMPARE(discount->text(), QString("Quantity Discount"));
            QVERIFY(frame->isHidden());
        }
    }

    // The input-box convention inside the window: the first control holds the
    // focus, Enter in the last box moves on to Calculate, and a non-number
    // blocks a real click on Calculate (one message, the focus stays) but
    // neither scrolling the form nor a click on Clear.
    void inputBoxesInsideTheWindow_data() { windowRows(); }
    void inputBoxesInsideTheWindow() {
        Opened o;
        QVERIFY(o.showActive());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(o.button("cmdExample")));
        QLineEdit* last = o.box(current().lastBox);
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(o.button("cmdCalculate")));
        QLineEdit* demand = o.box("txtDemand");
        demand->setFocus();
        QTest::keyClicks(demand, "1..2");
        QTest::mouseClick(o.reveal(o.button("cmdCalculate")), Qt::LeftButton);
        QCOMPARE(o.t.notifier.texts(), QStringList{"This field must be a number."});
        QCOMPARE(o.results(), o.noResults());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(demand));
        // The form's scroll bar scrolls without taking the focus, so the check stays silent.
        auto* scroll = o.w->findChild<QScrollArea*>();
        QScrollBar* bar =
            scroll->horizontalScrollBar()->isVisible() ? scroll->horizontalScrollBar() : scroll->verticalScrollBar();
        QVERIFY(bar->isVisible());
        bar->setValue(bar->minimum());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().bottomRight() - QPoint(2, 2));
        QVERIFY(bar->value() > bar->minimum());
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(demand));
        QTest::mouseClick(o.reveal(o.button("cmdClear")), Qt::LeftButton);
        QCOMPARE(o.t.notifier.messages.size(), 1);
        QVERIFY(demand->text().isEmpty());
    }

    // The launcher button is coloured while its window is the active one; a
    // top-level window is activated by the window system.
    void launcherColourFollowsActivationOutsideTheMdiArea_data() { windowRows(true); }
    void launcherColourFollowsActivationOutsideTheMdiArea() {
        const Window& win = current();
        FakePanel panel;
        Opened o;
        o.t.ctx.setPanel(&panel);
        QVERIFY(o.showActive());
        QVERIFY(panel.tinted("Command2", win.firstTab));
        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QVERIFY(!panel.tinted("Command2", win.firstTab));
        panel.tab = 1;
        o.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        QVERIFY(panel.tinted("Command1", win.otherTab));
        o.w->close();
        QVERIFY(!panel.tinted("Command1", win.otherTab));
    }

    // Inside the main window only the active child's button is coloured: the
    // main window losing and regaining the focus (a message box, another
    // program) neither resets it nor colours another child's. The tab shown is
    // read at each event: a button coloured before a tab switch keeps its colour.
    void launcherColourFollowsTheActiveChildInsideTheMdiArea_data() { windowRows(true); }
    void launcherColourFollowsTheActiveChildInsideTheMdiArea() {
        const Window& win = current();
        FakePanel panel;
        Opened o;
        o.t.ctx.setPanel(&panel);
        QMainWindow main;
        auto* area = new QMdiArea;
        main.setCentralWidget(area);
        EoqWindow* window = o.w.get();
        QMdiSubWindow* sub = area->addSubWindow(o.w.release());
        QMdiSubWindow* other = area->addSubWindow(new QWidget);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget elsewhere;
        auto awayAndBack = [&] {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
        };
        area->setActiveSubWindow(other);
        awayAndBack();
        QCOMPARE(area->activeSubWindow(), other);
        QVERIFY(!panel.tinted("Command2", win.firstTab));
        area->setActiveSubWindow(sub);
        QVERIFY(panel.tinted("Command2", win.firstTab));
        awayAndBack();
        QVERIFY(panel.tinted("Command2", win.firstTab));
        panel.tab = 1;
        area->setActiveSubWindow(other);
        QVERIFY(panel.tinted("Command2", win.firstTab) && !panel.tinted("Command1", win.otherTab));
        area->setActiveSubWindow(sub);
        QVERIFY(panel.tinted("Command1", win.otherTab));
        window->close();
        QVERIFY(!panel.tinted("Command1", win.otherTab));
    }

    // Odd but valid inputs of the purchasing window: an apostrophe in the item
    // (saved, found and printed as typed), a blank item and a zero price pass
    // the checks; a large demand gives ordinary figures (36.5 days rounds half to even).
    void oddInputsAreShownSavedAndPrinted_data() {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("purchase");
        QTest::newRow("apostrophes") << QStringList{"txtItem=O'Brien's paper"} << QStringList{" 42", " 1921"}
                                     << "200.00";
        QTest::newRow("blank item, zero price")
            << QStringList{"txtItem=   ", "txtPrice=0"} << QStringList{" 42", " 1921"} << ".00";
        QTest::newRow("a million a year") << QStringList{"txtItem=Bolts", "txtDemand=1000000", "txtPrice=2",
                                                         "txtHoldingCost=0.1", "txtOrderingCost=500"}
                                          << QStringList{" 100000", " 36"} << "2000000.00";
    }
    void oddInputsAreShownSavedAndPrinted() {
        QFETCH(QStringList, edits);
        QFETCH(QStringList, shown);
        QFETCH(QString, purchase);
        Opened o(windows().at(PNS).form);
        o.fillExample();
        o.type(edits);
        o.click("cmdCalculate");
        QCOMPARE(o.t.notifier.texts(), QStringList());
        QCOMPARE(o.results(), shown);
        QCOMPARE(o.w->costTable()->cell(1, 1), purchase);
        const QString item = o.box("txtItem")->text();
        const auto rows = Eoq1Repository(o.t.cnn).rowsFor(item, o.t.clock.today(), 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().logId, o.w->logId());
        o.click("cmdPrint");
        QCOMPARE(o.t.reports.requests.size(), 1);
        QCOMPARE(o.t.reports.requests.first().itemName, item);
    }
};

TERVALO_QTEST_MAIN(EoqWindowsTest)
#include "EoqWindowsTest.moc"
