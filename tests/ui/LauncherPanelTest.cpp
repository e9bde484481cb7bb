// The start page: the left panel's two tabs of buttons, what each button opens
// (fresh, with its options in order, tab 1 under the hourglass), the hover
// colours and the guidance that frmStarting shows for the pointer's place.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "shell/LauncherPanelWidget.h"
#include "shell/MainWindow.h"
#include "shell/StartingWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"
#include "widgets/windows/DiscreteSinglePeriodWindowEntry.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

using namespace tervalo;
using core::stochastic::ContinuousDemand;
using core::stochastic::Problem;
using shell::MainWindow;

namespace {

const QString kDummyIntro =
    "\n\nBy \"Dummy\" we mean those who do not have knowledge in the theory of Inventory Control.";

// Any window the panel opens: records being made (under the hourglass or
// not), the options chosen and its first showing, in order.
class StandIn : public QWidget,
                public widgets::SinglePeriodWindowEntry,
                public widgets::DiscreteSinglePeriodWindowEntry {
public:
    StandIn(const QString& form, QStringList& log) : m_log(log) {
        setObjectName(form);
        m_log << form + (QApplication::overrideCursor() ? " made busy" : " made");
    }
    void select(Problem o) override {
        m_log << objectName() + (o == Problem::SsPolicy ? " optType(0)" : " optType(1)");
    }
    void select(ContinuousDemand o) override {
        m_log << objectName() + (o == ContinuousDemand::Uniform ? " optModel(0)" : " optModel(1)");
    }
    jobs::SinglePeriodRunResult runSingleP_unif(const jobs::SinglePeriodUniformTexts&) override { return {}; }
    jobs::SinglePeriodRunResult runSingleP_Norm(const jobs::SinglePeriodNormalTexts&) override { return {}; }
    jobs::SinglePeriodRunResult runSS_unif(const jobs::SsUniformTexts&) override { return {}; }

protected:
    void showEvent(QShowEvent* e) override {
        if (!m_shown) m_log << objectName() + " shown";
        m_shown = true;
        QWidget::showEvent(e);
    }

private:
    QStringList& m_log;
    bool m_shown = false;
};

const QStringList kAllForms{"frmWizard",
                            "frmPurchaseNS",
                            "frmPurchaseSA",
                            "frmManufNS",
                            "frmManufSA",
                            "frmIncrementalDiscount",
                            "frmAllUnitDiscount",
                            "frmSinglePeriodC",
                            "frmSinglePeriodD",
                            "frmMultiperiodA",
                            "frmD1",
                            "frmSalesData"};

}  // namespace

class LauncherPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestContext> m_t;
    std::unique_ptr<MainWindow> m_w;
    QStringList m_log;

    // The main window with the program's windows, or stand-ins for all the panel opens.
    void load(bool standIns) {
        m_t = std::make_unique<test::WindowTestContext>();
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        if (standIns)
            for (const QString& form : kAllForms)
                m_t->registry.registerWindow(test::windowId(form), [this, form] { return new StandIn(form, m_log); });
        m_t->ctx.dataSource = "Demo.mdb";
        m_w = std::make_unique<MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = m_w.get();
        m_w->resize(900, 700);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        m_log.clear();  // the first frame's measure made each model window once, unshown
    }
    shell::LauncherPanelWidget* panel() const { return m_w->findChild<shell::LauncherPanelWidget*>("Picture1"); }
    QTabWidget* tabs() const { return m_w->findChild<QTabWidget*>("SSTab1"); }
    QPushButton* button(const QString& name) const { return m_w->findChild<QPushButton*>(name); }
    QString title() const { return m_w->findChild<QLabel*>("Label1")->text(); }
    QString help() const { return m_w->findChild<QLabel*>("lblHelp")->text(); }
    QList<QWidget*> children(const QString& form) const {
        QList<QWidget*> found;
        for (QMdiSubWindow* sub : m_w->mdiArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == form) found << sub->widget();
        return found;
    }
    QColor back(const QString& name) const { return button(name)->palette().color(QPalette::Button); }
    static QColor tip() { return QApplication::palette().color(QPalette::ToolTipBase); }
    static QColor face() { return QApplication::palette().color(QPalette::Button); }
    static bool checked(QWidget* w, const QString& option) { return w->findChild<QRadioButton*>(option)->isChecked(); }

private slots:
    void cleanup() {
        m_w.reset();
        m_t.reset();
        m_log.clear();
    }

    void loadShowsTheDummyIntroduction() {
        load(false);
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->tabText(0), QString("For Dummy"));
        QCOMPARE(tabs()->tabText(1), QString(" For Professional"));
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(title(), QString("   Tervalo"));
        QVERIFY2(help().startsWith(kDummyIntro), qPrintable(help()));
        QCOMPARE(help().mid(kDummyIntro.size(), 2), QString("\n\n"));
        // A borderless child: no title bar, so no close button.
        const QList<QWidget*> boards = children("frmStarting");
        QCOMPARE(boards.size(), 1);
        auto* frame = qobject_cast<QMdiSubWindow*>(boards.first()->parentWidget());
        QVERIFY(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(frame->isVisible());
        QCOMPARE(boards.first()->windowTitle(), QString("Switch Board"));
        QVERIFY(m_w->findChild<QLabel*>("Label3"));
        // The panel sits at the window's left edge, the guidance beside it.
        QVERIFY(panel()->mapTo(m_w.get(), QPoint(0, 0)).x() <= 2);
        QVERIFY(frame->mapTo(m_w.get(), QPoint(0, 0)).x() >= panel()->width());
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("wizard") << "Command2_0"
                                << "Wizard";
        QTest::newRow("two blanks") << "Command2_1"
                                    << "Purchasing  (No Shortage)";
        QTest::newRow("Purchacing") << "Command2_2"
                                    << "Purchacing (Shortage Allowed)";
        QTest::newRow("aspiration") << "Command2_10"
                                    << "Aspiration Level";
        QTest::newRow("Shoetage") << "Command1_3"
                                  << "Production EOQ with Shoetage";
        QTest::newRow("Policicy") << "Command1_9"
                                  << "s-S Policicy - Discrete";
        QTest::newRow("Forcasting") << "Command1_10"
                                    << "Demand Forcasting";
        QTest::newRow("mining") << "Command1_11"
                                << "Data Mining";
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        load(false);
        QVERIFY(button(name));
        QCOMPARE(button(name)->text(), caption);
        QVERIFY(!button("Command2_11"));
        QVERIFY(!button("Command1_12"));
    }

    // Each button opens its window fresh; the options of frmSinglePeriodC are
    // set before it shows, those of frmSinglePeriodD after; tab 1 works under the hourglass.
    void launch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("Command2_0") << "Command2_0" << QStringList{"frmWizard made", "frmWizard shown"};
        QTest::newRow("Command2_1") << "Command2_1" << QStringList{"frmPurchaseNS made", "frmPurchaseNS shown"};
        QTest::newRow("Command2_2") << "Command2_2" << QStringList{"frmPurchaseSA made", "frmPurchaseSA shown"};
        QTest::newRow("Command2_3") << "Command2_3" << QStringList{"frmManufNS made", "frmManufNS shown"};
        QTest::newRow("Command2_4") << "Command2_4" << QStringList{"frmManufSA made", "frmManufSA shown"};
        QTest::newRow("Command2_5") << "Command2_5"
                                    << QStringList{"frmSinglePeriodC made", "frmSinglePeriodC optModel(0)",
                                                   "frmSinglePeriodC optType(1)", "frmSinglePeriodC shown"};
        QTest::newRow("Command2_6") << "Command2_6"
                                    << QStringList{"frmSinglePeriodC made", "frmSinglePeriodC optModel(0)",
                                                   "frmSinglePeriodC optType(0)", "frmSinglePeriodC shown"};
        QTest::newRow("Command2_7") << "Command2_7"
                                    << QStringList{"frmIncrementalDiscount made", "frmIncrementalDiscount shown"};
        QTest::newRow("Command2_8") << "Command2_8"
                                    << QStringList{"frmAllUnitDiscount made", "frmAllUnitDiscount shown"};
        QTest::newRow("Command2_9") << "Command2_9"
                                    << QStringList{"frmSinglePeriodD made", "frmSinglePeriodD shown",
                                                   "frmSinglePeriodD optType(1)"};
        QTest::newRow("Command2_10") << "Command2_10" << QStringList{"frmMultiperiodA made", "frmMultiperiodA shown"};
        QTest::newRow("Command1_0") << "Command1_0" << QStringList{"frmPurchaseNS made busy", "frmPurchaseNS shown"};
        QTest::newRow("Command1_1") << "Command1_1" << QStringList{"frmPurchaseSA made busy", "frmPurchaseSA shown"};
        QTest::newRow("Command1_2") << "Command1_2" << QStringList{"frmManufNS made busy", "frmManufNS shown"};
        QTest::newRow("Command1_3") << "Command1_3" << QStringList{"frmManufSA made busy", "frmManufSA shown"};
        QTest::newRow("Command1_4") << "Command1_4"
                                    << QStringList{"frmIncrementalDiscount made busy", "frmIncrementalDiscount shown"};
        QTest::newRow("Command1_5") << "Command1_5"
                                    << QStringList{"frmAllUnitDiscount made busy", "frmAllUnitDiscount shown"};
        QTest::newRow("Command1_6") << "Command1_6"
                                    << QStringList{"frmSinglePeriodC made busy", "frmSinglePeriodC optModel(0)",
                                                   "frmSinglePeriodC optType(1)", "frmSinglePeriodC shown"};
        QTest::newRow("Command1_7") << "Command1_7"
                                    << QStringList{"frmSinglePeriodD made busy", "frmSinglePeriodD shown",
                                                   "frmSinglePeriodD optType(1)"};
        QTest::newRow("Command1_8") << "Command1_8"
                                    << QStringList{"frmSinglePeriodC made busy", "frmSinglePeriodC optModel(0)",
                                                   "frmSinglePeriodC optType(0)", "frmSinglePeriodC shown"};
        QTest::newRow("Command1_9") << "Command1_9"
                                    << QStringList{"frmSinglePeriodD made busy", "frmSinglePeriodD shown",
                                                   "frmSinglePeriodD optType(0)"};
        QTest::newRow("Command1_10") << "Command1_10" << QStringList{"frmD1 made busy", "frmD1 shown"};
        QTest::newRow("Command1_11") << "Command1_11" << QStringList{"frmSalesData made busy", "frmSalesData shown"};
    }
    void launch() {
        QFETCH(QString, name);
        QFETCH(QStringList, log);
        load(true);
        button(name)->click();
        QCOMPARE(m_log, log);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(m_t->notifier.messages.isEmpty());
        // Fresh: a second click makes a second window, the first stays open.
        const QString form = log.first().section(' ', 0, 0);
        button(name)->click();
        QCOMPARE(children(form).size(), form == "frmSalesData" ? 1 : 2);
    }

    // The wizard and demand forecasting are placed at the left edge, centred
    // in the workspace (not on the screen, whose height is not the workspace's).
    void placedChildrenStartAtTheLeftEdge_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");
        QTest::newRow("wizard") << "Command2_0"
                                << "frmWizard";
        QTest::newRow("forecasting") << "Command1_10"
                                     << "frmD1";
    }
    void placedChildrenStartAtTheLeftEdge() {
        QFETCH(QString, name);
        QFETCH(QString, form);
        load(true);
        tabs()->setCurrentIndex(name.startsWith("Command1") ? 1 : 0);
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(children(form).size(), 1);
        const QWidget* sub = children(form).first()->parentWidget();
        QCOMPARE(sub->x(), 0);
        const int workspace = m_w->mdiArea()->viewport()->height();
        QVERIFY(sub->y() > 0);
        QVERIFY2(std::abs(sub->y() - (workspace - sub->height()) / 2) <= 1,
                 qPrintable(QString("top %1 in %2").arg(sub->y()).arg(workspace)));
    }

    // Demand forecasting opens a new entry window each time, at the left edge.
    void forecastingOpensANewEntryWindow() {
        load(false);
        tabs()->setCurrentIndex(1);
        button("Command1_10")->click();
        button("Command1_10")->click();
        const QList<QWidget*> open = children("frmD1");
        QCOMPARE(open.size(), 2);
        QCOMPARE(open.last()->windowTitle(), QString("Analyzing Demand - Get Data"));
        QCOMPARE(open.last()->parentWidget()->x(), 0);
        QCOMPARE(m_t->registry.existing(widgets::WindowId::D1), open.last());
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void purchasingTwiceOpensTwoWindowsTheSecondEmpty() {
        load(false);
        tabs()->setCurrentIndex(1);
        button("Command1_0")->click();
        QList<QWidget*> open = children("frmPurchaseNS");
        QCOMPARE(open.size(), 1);
        open.first()->findChild<QLineEdit*>("txtDemand")->setText("8");
        button("Command1_0")->click();
        open = children("frmPurchaseNS");
        QCOMPARE(open.size(), 2);
        QCOMPARE(open.at(0)->findChild<QLineEdit*>("txtDemand")->text(), QString("8"));
        QCOMPARE(open.at(1)->findChild<QLineEdit*>("txtDemand")->text(), QString());
    }

    void modelOptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("checkedOptions");
        QTest::newRow("Command2_9") << "Command2_9"
                                    << "frmSinglePeriodD" << QStringList{"optType_1"};
        QTest::newRow("Command1_7") << "Command1_7"
                                    << "frmSinglePeriodD" << QStringList{"optType_1"};
        QTest::newRow("Command1_9") << "Command1_9"
                                    << "frmSinglePeriodD" << QStringList{"optType_0"};
        QTest::newRow("Command1_6") << "Command1_6"
                                    << "frmSinglePeriodC" << QStringList{"optModel_0", "optType_1"};
        QTest::newRow("Command1_8") << "Command1_8"
                                    << "frmSinglePeriodC" << QStringList{"optModel_0", "optType_0"};
        QTest::newRow("Command2_5") << "Command2_5"
                                    << "frmSinglePeriodC" << QStringList{"optModel_0", "optType_1"};
    }
    void modelOptions() {
        QFETCH(QString, name);
        QFETCH(QString, form);
        QFETCH(QStringList, checkedOptions);
        load(false);
        tabs()->setCurrentIndex(name.startsWith("Command1") ? 1 : 0);
        button(name)->click();
        const QList<QWidget*> open = children(form);
        QCOMPARE(open.size(), 1);
        QVERIFY(open.first()->isVisible());
        for (const QString& option : checkedOptions)
            QVERIFY2(checked(open.first(), option), qPrintable(option));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void hoverShowsTheButtonsGuidance_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("first");
        const QString lead =
            "If you have a situation similar to the following example, click the corresponding "
            "button on the left.";
        QTest::newRow("Command2_0") << "Command2_0"
                                    << " About Wizard"
                                    << "This is an interview.";
        QTest::newRow("Command2_1") << "Command2_1"
                                    << " Working Example - Purchasing (No Shortage)" << lead;
        QTest::newRow("Command2_5") << "Command2_5"
                                    << " Working Example - Christmas Tree (Single Period)" << lead;
        QTest::newRow("Command2_10") << "Command2_10"
                                     << " Working Example - Reserve for an Incurance Company" << lead;
        QTest::newRow("Command1_0") << "Command1_0"
                                    << " EOQ Model (purchasing, no shortage)"
                                    << "Assuming: ";
        QTest::newRow("Command1_3") << "Command1_3"
                                    << " EOQ Model (manufacturing, shortage allowed)"
                                    << "Assuming: ";
        QTest::newRow("Command1_4") << "Command1_4"
                                    << " Quantity Discounts (Incremental)"
                                    << "EOQ models assume that item cost is constant.";
        QTest::newRow("Command1_5") << "Command1_5"
                                    << " Quantity Discounts (All-Unit)"
                                    << "EOQ models assume that item cost is constant.";
        QTest::newRow("Command1_7") << "Command1_7"
                                    << " Single-Period Model (Discrete)"
                                    << "This model applies when an item is ordered once only to satisfy the demand "
                                       "of a specificperiod of time";
        QTest::newRow("Command1_8") << "Command1_8"
                                    << " s-S Policy (Continuous)"
                                    << "s_S policy gives numbers s and S such that we shoud place an order";
        QTest::newRow("Command1_10") << "Command1_10"
                                     << " Demand Forcasting"
                                     << "The success of using the inventory models depends on the accuracy";
        QTest::newRow("Command1_11") << "Command1_11"
                                     << " Data Mining"
                                     << "A little data warehouse is provided in the directory you install this "
                                        "software.";
        // The purchasing example without shortages, up to its question.
        QTest::newRow("Command2_1, no shortages")
            << "Command2_1"
            << " Working Example - Purchasing (No Shortage)"
            << lead +
                   " Then you can see how this problem is solved, and you can replace the data with yours to solve a "
                   "problem you are interested.\n\nExample: \n\nPaper usage in an office averages 8 boxes per week. "
                   "Each box costs $25. Shipping cost per order is $130 regardless of size. Financing cost is 15% per "
                   "year, and keeping the boxes costs $1.10 per week/box, so the holding cost is "
                   "$1.10+$(25)(0.15/365)7=$1.173 per box per week. Determine an optimum inventory policy.";
    }
    void hoverShowsTheButtonsGuidance() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, first);
        load(false);
        const bool professional = name.startsWith("Command1");
        tabs()->setCurrentIndex(professional ? 1 : 0);
        QTest::mouseMove(button(name));
        QTRY_COMPARE(this->title(), title);
        QVERIFY2(help().startsWith(first), qPrintable(help()));
        const QString array = professional ? "Command1_" : "Command2_";
        for (int i = 0; i < (professional ? 12 : 11); ++i) {
            const QString other = array + QString::number(i);
            QCOMPARE(back(other), other == name ? tip() : face());
        }
    }

    void pointerOnTheEmptyTabAreaShowsTheIntroduction() {
        load(false);
        QTest::mouseMove(button("Command2_3"));
        QTRY_COMPARE(title(), QString(" Working Example - Production (No Shortage)"));
        QCOMPARE(back("Command2_3"), tip());
        QWidget* page = m_w->findChild<QWidget*>("SSTab1_0");
        QTest::mouseMove(page, QPoint(page->width() / 2, page->height() - 4));
        QTRY_COMPARE(title(), QString(" For Dummy"));
        QVERIFY(help().startsWith(kDummyIntro));
        for (int i = 0; i < 11; ++i)
            QCOMPARE(back(QString("Command2_%1").arg(i)), face());
    }

    void pointerOnTheProfessionalTabAreaShowsItsIntroduction() {
        load(false);
        tabs()->setCurrentIndex(1);
        QTest::mouseMove(button("Command1_2"));
        QTRY_COMPARE(back("Command1_2"), tip());
        QWidget* page = m_w->findChild<QWidget*>("SSTab1_1");
        QTest::mouseMove(page, QPoint(page->width() / 2, page->height() - 4));
        QTRY_COMPARE(title(), QString(" For Professional"));
        QVERIFY(help().startsWith(
            "By professional, we mean that you are proficient in the  theory of Operations Research."));
        QCOMPARE(back("Command1_2"), face());
    }

    // The window opens with the focus on the panel's tabs; Tab goes through the
    // shown tab's buttons in order (Right on the tabs shows the second tab). From
    // the window the second button opened, F6, Shift+F6 or a click on the tab
    // brings the focus back to the tabs, and F6 there goes back to the window.
    void tabReachesTheShownTabsButtons_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("back");  // "": no window opened
        QTest::newRow("For Dummy") << 0 << "";
        QTest::newRow("For Professional") << 1 << "";
        QTest::newRow("For Dummy, back by F6") << 0 << "F6";
        QTest::newRow("For Professional, back by Shift+F6") << 1 << "Shift+F6";
        QTest::newRow("For Professional, back by a click on the tab") << 1 << "click";
    }
    void tabReachesTheShownTabsButtons() {
        QFETCH(int, tab);
        QFETCH(QString, back);
        load(false);
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabs()->tabBar()));
        if (tab == 1) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        const auto inChild = [this] {
            QMdiSubWindow* child = m_w->mdiArea()->activeSubWindow();
            return child && child->isAncestorOf(QApplication::focusWidget());
        };
        if (!back.isEmpty()) {
            for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})  // the second button: a purchasing window
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            QTRY_VERIFY(inChild());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // Tab stays in the window
            QVERIFY(inChild());
            if (back == "click")
                QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(tab).center());
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6,
                                back == "F6" ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabs()->tabBar()));
            QCOMPARE(m_w->currentTab(), tab);
        }
        for (int i = 0; i < 11 + tab; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), m_w->button(tab == 0 ? "Command2" : "Command1", i));
        }
        if (back.isEmpty()) return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(inChild());
    }

    void leavingADummyButtonByFocusShowsTheIntroductionKeepingColours() {
        load(false);
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        QTest::mouseMove(button("Command2_4"));
        QTRY_COMPARE(back("Command2_4"), tip());
        button("Command2_4")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button("Command2_4")->hasFocus());
        m_w->mdiArea()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(title(), QString(" For Dummy"));
        QVERIFY(help().startsWith(kDummyIntro));
        QCOMPARE(back("Command2_4"), tip());
    }

    void activePurchasingWindowColoursItsProfessionalButton() {
        load(false);
        tabs()->setCurrentIndex(1);
        button("Command1_0")->click();
        QCOMPARE(children("frmPurchaseNS").size(), 1);
        QTRY_COMPARE(back("Command1_0"), tip());
        QCOMPARE(back("Command2_1"), face());
        QCOMPARE(m_w->currentTab(), 1);
        QCOMPARE(m_w->button("Command1", 0), button("Command1_0"));
        QCOMPARE(m_w->button("Command2", 10), button("Command2_10"));
        QVERIFY(!m_w->button("Command2", 11));
        QVERIFY(!m_w->button("Command3", 0));
    }

    // The guidance window is tall enough for every text and wide enough for
    // every title: none is cut off.
    void everyGuidanceFitsTheWindow() {
        load(false);
        auto* label = m_w->findChild<QLabel*>("lblHelp");
        auto* titleLabel = m_w->findChild<QLabel*>("Label1");
        const shell::GuidanceTexts& texts = panel()->texts();
        for (int tab : {0, 1})
            for (int entry = 0; entry < 20; ++entry) {
                label->setText(texts.help(tab, entry));
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(texts.title(tab, entry)));
                titleLabel->setText(" " + texts.title(tab, entry));
                QVERIFY2(titleLabel->width() >= titleLabel->sizeHint().width(), qPrintable(texts.title(tab, entry)));
            }
    }

    // A closed guidance window is reloaded hidden at the next hover, its labels written.
    void closedGuidanceIsReloadedHidden() {
        load(false);
        m_w->findChild<shell::StartingWindow*>("frmStarting")->parentWidget()->close();
        QTRY_VERIFY(!panel()->guidance());
        QTest::mouseMove(button("Command2_1"));
        QTRY_VERIFY(panel()->guidance());
        QCOMPARE(panel()->guidance()->title(), QString(" Working Example - Purchasing (No Shortage)"));
        QVERIFY(!panel()->guidance()->isVisible());
    }

    // Entries past each tab's buttons stay empty.
    void unusedEntriesStayEmpty() {
        const shell::GuidanceTexts texts;
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(texts.strTitleDummy()[i].isEmpty(), i >= 12);
            QCOMPARE(texts.strHelpDummy()[i].isEmpty(), i >= 12);
            QCOMPARE(texts.strTitlePro()[i].isEmpty(), i >= 13);
            QCOMPARE(texts.strHelpPro()[i].isEmpty(), i >= 13);
        }
    }

    // The example statements give the data the windows' Example buttons enter.
    void exampleStatementsAgreeWithTheWindows_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("data");
        QTest::newRow("paper") << 2 << QStringList{"8 boxes per week", "$25", "$130", "$1.173"};
        QTest::newRow("paper, shortages") << 3 << QStringList{"$130", "$15/box/week"};
        QTest::newRow("cell phone") << 4 << QStringList{"18000 units/year", "$500", "$2", "36000", "$1.80"};
        QTest::newRow("cell phone, shortages") << 5 << QStringList{"$20/year"};
        QTest::newRow("Christmas tree") << 6 << QStringList{"$6.00", "$0.50", "500 and 1000", "$20"};
        QTest::newRow("car dealer") << 7 << QStringList{"[75,100]", "$14000", "$5000", "$60/month", "$16000"};
        QTest::newRow("incremental") << 8 << QStringList{"100 units", "$300", "$0.10", "10%", "500", "$0.95"};
        QTest::newRow("all unit") << 9 << QStringList{"100 units", "$300", "$0.10", "10%", "500", "$0.95"};
        QTest::newRow("boat") << 10 << QStringList{"$30000", "$60000", "$10000"};
        QTest::newRow("reserve") << 11 << QStringList{"5%"};
    }
    void exampleStatementsAgreeWithTheWindows() {
        QFETCH(int, entry);
        QFETCH(QStringList, data);
        const shell::GuidanceTexts texts;
        const QString text = texts.strHelpDummy()[entry];
        QVERIFY(text.contains("\n\nExample: \n\n"));
        QVERIFY2(!text.contains("$50 "), qPrintable(text));
        for (const QString& d : data)
            QVERIFY2(text.contains(d), qPrintable(d));
    }
};

TERVALO_QTEST_MAIN(LauncherPanelTest)
#include "LauncherPanelTest.moc"
