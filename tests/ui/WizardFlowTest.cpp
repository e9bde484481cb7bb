// The model wizard's flow: the answers handed from step to step, the hand-over
// to the model windows (recorded, and end to end with the real windows), the
// interview from the keyboard, Back and the reuse of the loaded steps, the
// refusal of a box holding no number, and the wizard opened from the main window.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "WizardFixture.h"
#include "data/Eoq1Repository.h"
#include "shell/MainWindow.h"
#include "support/QtTestMain.h"

using namespace tervalo;
using test::Answers;
using test::describe;
using test::kCosts;

class WizardFlowTest : public QObject, private test::WizardFixture {
    Q_OBJECT

private slots:
    void cleanup() {
        m_t.reset();
        m_calls.clear();
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
            << QStringList{"Widget#>frmW1:OptionDType_1", "#>frmW2:txtLowererD",
                           "5#>frmW2:txtUpperD",          "12#>frmW2:OptionTime_0",
                           "#>frmW3:txtOrderingCost",     "100#>frmW3:txtItemCost",
                           "5#2#>frmW3:txtShortageCost",  "``~~>frmW3:txtShortageCost",
                           "7#>frmW3:cmdFinish",          "#>"}
            << QStringList{"runSS_unif", "5", "12", "Widget", "100", "5", "2", "7"};
        QTest::newRow("single period, normal")
            << QStringList{"Chair#>frmW1:OptionDType_1", "^~_#>frmW2:txtMean",     "40#2.25#>frmW2:OptionTime_0",
                           "#>frmW3:txtItemCost",        "5#2#7#>frmW3:cmdFinish", "#>"}
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

TERVALO_QTEST_MAIN(WizardFlowTest)
#include "WizardFlowTest.moc"
