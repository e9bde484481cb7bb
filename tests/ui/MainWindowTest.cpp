// The main window: position and size from the settings and back, the menu tree
// and toolbar as designed with the string table applied, the Data items, the
// "Use Demo database" switch, help, the windows opened by name, and handlers
// that report a run-time failure and leave the window usable.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "ScriptedDocumentDialogs.h"
#include "core/RuntimeError.h"
#include "platform/PlainTextReportService.h"
#include "platform/SettingsStore.h"
#include "platform/TextReport.h"
#include "shell/MainWindow.h"
#include "support/FakeClock.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "support/WindowTestContext.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/ReportListWindow.h"

using namespace tervalo;
using platform::MsgIcon;
using shell::MainWindow;

namespace {

const QString kNotAvailable = "This window is not available in this version of Tervalo.";
const QString kNoObject = "Object variable or With block variable not set";
const QString kNoSupport = "Object doesn't support this property or method";

// A report browser stand-in: records the lists asked for and whether it was shown then.
class ReportStandIn : public QWidget, public widgets::ReportListWindow {
    Q_OBJECT
public:
    void showList(int list) override { calls << qMakePair(list, isVisible()); }
    QList<QPair<int, bool>> calls;
};

// The child windows other than the start page's guidance (frmStarting).
QList<QMdiSubWindow*> childWindows(const MainWindow& w) {
    QList<QMdiSubWindow*> children = w.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    children.removeIf([](QMdiSubWindow* sub) { return sub->widget()->objectName() == "frmStarting"; });
    return children;
}

QWidget* documentWindow() {
    auto* w = new QWidget;
    w->setWindowTitle("Document 1");
    auto* box = new QTextEdit(w);
    box->setObjectName("rtfText");
    box->setPlainText("plain text");
    return w;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestContext> m_t;

    std::unique_ptr<MainWindow> makeWindow(const QString& dataSource = "Demo.mdb") {
        m_t->ctx.dataSource = dataSource;
        auto w = std::make_unique<MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = w.get();
        return w;
    }
    void storePlacement(const QString& left, const QString& top, const QString& width, const QString& height) {
        m_t->settings.save("Settings", "MainLeft", left);
        m_t->settings.save("Settings", "MainTop", top);
        m_t->settings.save("Settings", "MainWidth", width);
        m_t->settings.save("Settings", "MainHeight", height);
    }
    QString stored(const QString& key) { return m_t->settings.get("Settings", key, "<none>"); }
    void trigger(MainWindow& w, const QString& name) {
        QAction* a = w.menuAction(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }

    // Clicks a toolbar button; true when the hourglass was up while a box showed.
    bool clickShowsBoxUnderHourglass(MainWindow& w, const QString& button) {
        bool hourglass = false;
        m_t->notifier.onShow = [&](const test::RecordedMessage&) {
            hourglass = hourglass || QApplication::overrideCursor() != nullptr;
        };
        w.menuAction(button)->trigger();
        m_t->notifier.onShow = nullptr;
        return hourglass;
    }

private slots:
    void init() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo").clear();
        m_t = std::make_unique<test::WindowTestContext>(false);
    }

    // --- position and size
    void firstStartOpensAtDefaultPlacement() {
        auto w = makeWindow();
        w->show();
        QCOMPARE(w->pos(), QPoint(67, 67));    // 1000 twips
        QCOMPARE(w->size(), QSize(433, 433));  // 6500 twips
    }

    void storedPlacementIsRestored() {
        storePlacement("1500", "750", "9000", "6000");
        auto w = makeWindow();
        w->show();
        QCOMPARE(w->pos(), QPoint(100, 50));  // the frame's corner
        QCOMPARE(w->size(), QSize(600, 400));
    }

    void valueThatIsNotANumberFallsBackToItsDefault() {
        storePlacement("abc", "12x", "", "3000");
        auto w = makeWindow();
        w->show();
        QCOMPARE(w->pos(), QPoint(67, 67));
        QCOMPARE(w->size(), QSize(433, 200));
    }

    // A stored frame however large, negative or garbled opens whole on the
    // screen, and closing never stores a frame larger than the screen.
    void storedFrameIsFittedToTheScreen_data() {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("huge") << QStringList{"500000", "500000", "500000", "500000"};
        QTest::newRow("1e8") << QStringList{"1000", "1000", "1E8", "1E8"};
        QTest::newRow("negative") << QStringList{"-300000", "-300000", "6500", "6500"};
        QTest::newRow("garbage") << QStringList{"x", "1e", "--5", "9e99999"};
        QTest::newRow("binary") << QStringList{QString::fromLatin1("\x01\x02\xff"), "\t", QString(QChar(0xfffd)),
                                               "1.7976931348623157e308"};
    }
    void storedFrameIsFittedToTheScreen() {
        QFETCH(QStringList, values);
        storePlacement(values[0], values[1], values[2], values[3]);
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                     .arg(w->frameGeometry().x())
                                                                     .arg(w->frameGeometry().y())
                                                                     .arg(w->frameGeometry().width())
                                                                     .arg(w->frameGeometry().height())));
        w->resize(screen.width() * 3, screen.height() * 3);
        w->close();
        QVERIFY(stored("MainWidth").toDouble() <= screen.width() * 15.0);
        QVERIFY(stored("MainHeight").toDouble() <= screen.height() * 15.0);
    }

    // A settings write that fails is reported as a failure, and the menu's
    // check mark keeps showing what is stored.
    void failedSettingsWriteIsReportedAndTheCheckMarkStays() {
        auto w = makeWindow("Demo.mdb");
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (plain.fileName() + "/below").toLocal8Bit());
        QAction* demo = w->menuAction("mnuDemoDatabase");
        demo->trigger();
        qputenv("XDG_CONFIG_HOME", configHome);
        QCOMPARE(m_t->notifier.messages.size(), 1);
        QVERIFY(m_t->notifier.last().text.contains("Tervalo.ini"));
        QVERIFY(!m_t->notifier.last().text.contains("You have just changed datasource"));
        QVERIFY(demo->isChecked());
        QCOMPARE(m_t->settings.get("DataSource", "Name", "<none>"), QString("<none>"));
    }

    // File > Exit with a report not yet saved asks; Cancel keeps the program open.
    void exitAsksAboutAnUnsavedReportAndCancelKeepsTheProgram() {
        platform::PlainTextReportService reports(&m_t->notifier);
        widgets::AppContext ctx(m_t->cnn, m_t->reportCnn, m_t->appSettings, m_t->notifier, m_t->clock, m_t->reports,
                                reports, m_t->registry);
        MainWindow w(ctx);
        w.show();
        reports.start("Report")->type("unsaved text");
        QSignalSpy unloaded(&w, &MainWindow::unloaded);
        m_t->notifier.answers.enqueue(platform::MsgResult::Cancel);
        trigger(w, "mnuFileExit");
        QCOMPARE(m_t->notifier.texts(), QStringList{"The report has not been saved. Do you want to save it?"});
        QVERIFY(w.isVisible());
        QCOMPARE(unloaded.count(), 0);
        m_t->notifier.answers.enqueue(platform::MsgResult::No);
        trigger(w, "mnuFileExit");
        QCOMPARE(unloaded.count(), 1);
    }

    void closingStoresTheFourKeysInTwips() {
        auto w = makeWindow();
        w->show();
        w->move(100, 50);
        w->resize(600, 400);
        QSignalSpy unloaded(w.get(), &MainWindow::unloaded);
        w->close();
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(stored("MainLeft"), QString("1500"));
        QCOMPARE(stored("MainTop"), QString("750"));
        QCOMPARE(stored("MainWidth"), QString("9000"));
        QCOMPARE(stored("MainHeight"), QString("6000"));
    }

    void closingWhileMinimisedStoresNothing() {
        m_t->settings.save("Settings", "MainLeft", "2000");
        auto w = makeWindow();
        w->show();
        w->showMinimized();
        QVERIFY(w->isMinimized());
        w->close();
        QCOMPARE(stored("MainLeft"), QString("2000"));
        QCOMPARE(stored("MainTop"), QString("<none>"));
        QCOMPARE(stored("MainWidth"), QString("<none>"));
        QCOMPARE(stored("MainHeight"), QString("<none>"));
    }

    void exitClosesTheWindowAndStores() {
        auto w = makeWindow();
        w->show();
        QSignalSpy unloaded(w.get(), &MainWindow::unloaded);
        trigger(*w, "mnuFileExit");
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(!w->isVisible());
        QCOMPARE(stored("MainWidth"), QString("6495"));  // 433 pixels
    }

    // --- menus and toolbar as designed
    void menuCaptionsComeFromTheStringTable() {
        auto w = makeWindow();
        QCOMPARE(w->menuAction("mnuFileExit")->text(), QString("E&xit"));
        QCOMPARE(w->menuAction("mnuFileOpen")->text(), QString("&Open..."));
        QCOMPARE(w->findChild<QMenu*>("mnuFile")->title(), QString("&File"));
        QCOMPARE(w->findChild<QMenu*>("mnuWindow")->title(), QString("&Window"));
        QCOMPARE(w->menuAction("mnuWindowTileHorizontal")->text(), QString("Tile &Horizontal"));
        QCOMPARE(w->menuAction("mnuHelpAbout")->text(), QString("&About "));
        QCOMPARE(w->findChild<QMenu*>("mnuModels")->title(), QString("&Models"));
        QCOMPARE(w->findChild<QMenu*>("mnuWizard")->title(), QString("Wi&zard"));
        QCOMPARE(w->menuAction("mnuForcast")->text(), QString("Demand Forcasting"));
        QCOMPARE(w->menuAction("mnuRptEOQ")->text(), QString("Reports from EOQ Modles"));
        QCOMPARE(w->menuAction("mnuMultiperiodB")->text(),
                 QString("Multi-Period Contiuous Model: Fixed Redorder Point"));
        QCOMPARE(w->menuAction("mnuFileMRU_2")->text(), QString());
    }

    void visibleMenuBar() {
        auto w = makeWindow();
        QStringList shown;
        for (QAction* a : w->menuBar()->actions())
            if (a->isVisible()) shown << a->text();
        QCOMPARE(shown, (QStringList{"&File", "Wi&zard", "&Models", "&Data", "&Reports", "&Window", "&Help"}));
    }

    void hiddenMenusExistHidden() {
        auto w = makeWindow();
        for (const char* name : {"mnuEdit", "mnuView", "mnuTools", "mnuFileNew", "mnuFileClose", "mnuFileSave",
                                 "mnuFileSaveAs", "mnuFilePrint", "mnuFileMRU_1", "mnuMultiperiodB",
                                 "mnuHelpSearchForHelpOn", "mnuEditCut", "mnuViewRefresh"}) {
            QAction* a = w->menuAction(name);
            QVERIFY2(a, name);
        }
        for (const char* name :
             {"mnuEdit", "mnuView", "mnuTools", "mnuFileNew", "mnuMultiperiodB", "mnuHelpSearchForHelpOn"})
            QVERIFY2(!w->menuAction(name)->isVisible(), name);
        QVERIFY(!w->menuAction("mnuHelpSearchForHelpOn")->isEnabled());
        QVERIFY(w->menuAction("mnuFileOpen")->isVisible());
        QVERIFY(w->menuAction("mnuSupport")->isVisible());
        QCOMPARE(w->menuAction("mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(w->menuAction("mnuEditCopy")->shortcut(), QKeySequence("Ctrl+C"));
        QVERIFY(w->menuAction("mnuViewToolbar")->isChecked());
        QVERIFY(w->menuAction("mnuViewStatusBar")->isChecked());
    }

    void toolbarButtonsInOrderWithTheirTips() {
        auto w = makeWindow();
        auto* bar = w->findChild<QToolBar*>("tbToolBar");
        QVERIFY(bar);
        QStringList keys, tips;
        for (QAction* a : bar->actions()) {
            keys << (a->isSeparator() ? "|" : a->objectName());
            if (!a->isSeparator()) tips << a->toolTip();
        }
        QCOMPARE(keys, (QStringList{"New",           "Open",   "Save",       "|",
                                    "Print",         "|",      "Cut",        "Copy",
                                    "Paste",         "|",      "Bold",       "Italic",
                                    "Underline",     "|",      "Align Left", "Center",
                                    "Align Right",   "Report", "Tervalo",    "Demand Analysis",
                                    "Data Warehouse"}));
        QCOMPARE(tips, (QStringList{"New", "Open", "Save", "Print", "Cut", "Copy", "Paste", "Bold", "Italic",
                                    "Underline", "Align Left", "Center", "Align Right", "Report", "Tervalo",
                                    "Demand Analysis", "Data Warehouse"}));
        for (QAction* a : bar->actions())
            if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    }

    void shortcutsActOnlyForShownItems() {
        auto w = makeWindow();
        test::ScriptedDocumentDialogs dialogs;  // Open's dialog is cancelled
        w->setDocumentDialogs(&dialogs);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QSignalSpy open(w->menuAction("mnuFileOpen"), &QAction::triggered);
        QSignalSpy newDocument(w->menuAction("mnuFileNew"), &QAction::triggered);
        QSignalSpy cut(w->menuAction("mnuEditCut"), &QAction::triggered);
        QSignalSpy copy(w->menuAction("mnuEditCopy"), &QAction::triggered);
        QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(newDocument.size(), 0);
        QCOMPARE(cut.size(), 0);
        QCOMPARE(copy.size(), 0);
        QCOMPARE(open.size(), 1);
        QCOMPARE(dialogs.asked, QStringList{"Open"});
        QTest::keyClick(w.get(), Qt::Key_E, Qt::AltModifier);  // the hidden Edit menu stays shut
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(w.get(), Qt::Key_D, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), QString("mnuData"));
        popup->close();
    }

    void rightClickOnTheToolbarOpensNoMenu() {
        auto w = makeWindow();
        w->show();
        auto* bar = w->findChild<QToolBar*>("tbToolBar");
        const QPoint free(bar->width() - 4, bar->height() / 2);  // right of the last button
        bool popupSeen = false;
        QTimer::singleShot(100, w.get(), [&popupSeen] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popupSeen = true;
                popup->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, free, bar->mapToGlobal(free));
        QApplication::sendEvent(bar, &click);
        QTest::qWait(200);
        QVERIFY(!popupSeen);
    }

    void alignmentButtonsAreExclusive() {
        auto w = makeWindow();
        w->menuAction("Align Left")->trigger();
        w->menuAction("Center")->trigger();
        QVERIFY(w->menuAction("Center")->isChecked());
        QVERIFY(!w->menuAction("Align Left")->isChecked());
        QVERIFY(!w->menuAction("Align Right")->isChecked());
    }

    void statusBarShowsStatusDateAndTime() {
        auto w = makeWindow();
        QVERIFY(w->findChild<QStatusBar*>("sbStatusBar"));
        QCOMPARE(w->findChild<QLabel*>("pnlStatus")->text(), QString("Status"));
        QCOMPARE(w->findChild<QLabel*>("pnlDate")->text(), QString("12/7/2026"));
        QCOMPARE(w->findChild<QLabel*>("pnlTime")->text(), QString("10:00 AM"));
        // Three framed panels side by side, the date and time wide enough for their text.
        w->show();
        QList<QLabel*> panels;
        for (const char* name : {"pnlStatus", "pnlDate", "pnlTime"})
            panels << w->findChild<QLabel*>(name);
        for (QLabel* panel : panels) {
            QVERIFY2(panel->frameWidth() > 0, qPrintable(panel->objectName()));
            QVERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
        }
        QVERIFY(panels[0]->geometry().right() < panels[1]->geometry().left());
        QVERIFY(panels[1]->geometry().right() < panels[2]->geometry().left());
    }

    void viewToolbarHidesAndShowsTheToolbar() {
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuViewToolbar");
        QVERIFY(!w->findChild<QToolBar*>("tbToolBar")->isVisible());
        trigger(*w, "mnuViewToolbar");
        QVERIFY(w->findChild<QToolBar*>("tbToolBar")->isVisible());
    }

    void placeholderItemsShowTheirMessage() {
        auto w = makeWindow();
        trigger(*w, "mnuViewRefresh");
        trigger(*w, "mnuFileClose");
        QCOMPARE(m_t->notifier.texts(),
                 (QStringList{"Add 'mnuViewRefresh_Click' code.", "Add 'mnuFileClose_Click' code."}));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
    }

    // --- Data menu
    void dataItemsAreDisabledAtStart() {
        auto w = std::make_unique<MainWindow>(m_t->ctx);  // reachable through the context from its load on
        QCOMPARE(m_t->ctx.mainWindow, w.get());
        for (const char* name : {"mnuFind", "mnuImport", "mnuAnalyze"})
            QVERIFY(!w->menuAction(name)->isEnabled());
        QVERIFY(w->menuAction("mnuDemoDatabase")->isEnabled());
    }

    void useDemoDatabaseTogglesStoresAndTells() {
        auto w = makeWindow("Demo.mdb");
        QAction* demo = w->menuAction("mnuDemoDatabase");
        QVERIFY(demo->isChecked());
        demo->trigger();
        QVERIFY(!demo->isChecked());
        QCOMPARE(m_t->settings.get("DataSource", "Name"), QString("dbWHouse.mdb"));
        QCOMPARE(m_t->notifier.messages.size(), 1);
        QCOMPARE(m_t->notifier.last().text, QString("You have just changed datasource.  To use this database, please "
                                                    "exit this program and restart it."));
        QCOMPARE(m_t->notifier.last().title, QString("Database changed"));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::Information);
        demo->trigger();
        QVERIFY(demo->isChecked());
        QCOMPARE(m_t->settings.get("DataSource", "Name"), QString("Demo.mdb"));
    }

    void warehouseDatabaseStartsUncheckedAndKeepsRunningOnIt() {
        auto w = makeWindow("dbWHouse.mdb");
        QAction* demo = w->menuAction("mnuDemoDatabase");
        QVERIFY(!demo->isChecked());
        demo->trigger();
        QVERIFY(demo->isChecked());
        QCOMPARE(m_t->settings.get("DataSource", "Name"), QString("Demo.mdb"));
        QCOMPARE(m_t->ctx.dataSource, QString("dbWHouse.mdb"));
    }

    // --- help
    void helpWithNoHelpFileSaysSo() {
        auto w = makeWindow();
        w->setHelpFile(QString());
        trigger(*w, "mnuHelpContents");
        QCOMPARE(m_t->notifier.messages.size(), 1);
        QCOMPARE(m_t->notifier.last().text,
                 QString("Unable to display Help Contents. There is no Help associated with this project."));
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::Information);
    }

    void helpContentsShowsTheIndexPage() {
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuHelpContents");
        QVERIFY(m_t->notifier.messages.isEmpty());
        QTextBrowser* page = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmHelp" && top->isVisible()) page = top->findChild<QTextBrowser*>("txtHelp");
        QVERIFY(page);
        QVERIFY(page->toPlainText().contains("Tervalo Help"));
        QVERIFY(page->toPlainText().contains("Quantity discounts: all-units"));
    }

    // --- windows opened by name
    void windowNotInThisVersionGivesAMessage() {
        auto w = makeWindow();
        trigger(*w, "mnuPurchaseNS");
        trigger(*w, "mnuTervalo");
        QCOMPARE(m_t->notifier.texts(), (QStringList{kNotAvailable, kNotAvailable}));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::Information);
        QVERIFY(childWindows(*w).isEmpty());
    }

    void toolbarMessageShowsTheOrdinaryPointer() {
        auto w = makeWindow();
        w->show();
        QVERIFY(!clickShowsBoxUnderHourglass(*w, "Report"));
        QCOMPARE(m_t->notifier.texts(), QStringList{kNotAvailable});
        QVERIFY(!QApplication::overrideCursor());
    }

    void aboutShowsTheDefaultInstanceModalAndUnloadsIt() {
        QPointer<QDialog> made;
        m_t->registry.registerWindow(widgets::WindowId::About, [this, &made] {
            made = new QDialog(m_t->ctx.mainWindow);
            made->setAttribute(Qt::WA_DeleteOnClose);  // exec() deletes it itself
            return made.data();
        });
        auto w = makeWindow();
        w->show();
        QWidget* existing = m_t->registry.instance(widgets::WindowId::About);
        QWidget* shown = nullptr;
        QTimer::singleShot(0, w.get(), [&shown] {
            shown = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
        });
        trigger(*w, "mnuHelpAbout");
        QCOMPARE(shown, existing);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!made);
        QVERIFY(!m_t->registry.existing(widgets::WindowId::About));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void modelChosenTwiceShowsTheSameWindow() {
        int made = 0;
        m_t->registry.registerWindow(widgets::WindowId::ManufSA, [&made] {
            ++made;
            return new QWidget;
        });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuManufWS");
        QWidget* first = m_t->registry.existing(widgets::WindowId::ManufSA);
        trigger(*w, "mnuManufWS");
        QCOMPARE(made, 1);
        QCOMPARE(m_t->registry.existing(widgets::WindowId::ManufSA), first);
        QCOMPARE(childWindows(*w).size(), 1);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void wizardOpensFreshAtTheLeftEdge() {
        m_t->registry.registerWindow(widgets::WindowId::Wizard, [] { return new QWidget; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuTervalo");
        QWidget* first = m_t->registry.existing(widgets::WindowId::Wizard);
        trigger(*w, "mnuTervalo");
        QVERIFY(m_t->registry.existing(widgets::WindowId::Wizard) != first);
        QCOMPARE(childWindows(*w).size(), 2);  // the first stays open
        QCOMPARE(w->mdiArea()->currentSubWindow()->x(), 0);
    }

    void reportListIsFilledBeforeShowingForEoqAfterForTheOthers() {
        ReportStandIn* report = nullptr;
        m_t->registry.registerWindow(widgets::WindowId::Report, [&report] { return report = new ReportStandIn; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuRptEOQ");
        trigger(*w, "mnuRptsSP");
        trigger(*w, "mnuSinglePN");
        QVERIFY(report);
        QCOMPARE(report->calls, (QList<QPair<int, bool>>{{1, false}, {2, true}, {4, true}}));
        QCOMPARE(w->mdiArea()->currentSubWindow()->pos(), QPoint(0, 0));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- failures inside handlers
    void failureWhileOpeningAWindowIsReportedAndTheWindowStaysUsable() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS,
                                     []() -> QWidget* { throw core::RuntimeError(core::ErrorCode::DivisionByZero); });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuPurchaseNS");
        QCOMPARE(m_t->notifier.texts(), QStringList{"Division by zero"});
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        trigger(*w, "mnuViewRefresh");
        QCOMPARE(m_t->notifier.messages.size(), 2);
    }

    void dataItemOnAWindowWithoutTheActionReportsIt() {
        m_t->registry.registerWindow(widgets::WindowId::SalesData, [] { return new QWidget; });
        auto w = makeWindow();
        w->setDataMenusEnabled(true);
        trigger(*w, "mnuFind");
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoSupport});
    }

    void boldWithNoDocumentWindowReportsAndRestoresThePointer() {
        auto w = makeWindow();
        w->show();
        w->findChild<QWidget*>("frmStarting")->parentWidget()->close();  // no child window at all
        QVERIFY(!clickShowsBoxUnderHourglass(*w, "Bold"));
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoObject});
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!w->menuAction("Bold")->isChecked());
        QVERIFY(w->isVisible() && w->isEnabled());
        trigger(*w, "Italic");
        QCOMPARE(m_t->notifier.messages.size(), 2);
    }

    void boldOnAModelWindowReportsItHasNoTextBox() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] { return new QWidget; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuPurchaseNS");
        trigger(*w, "Underline");
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoSupport});
    }

    void formatButtonsWorkOnTheActiveDocument() {
        m_t->registry.registerWindow(widgets::WindowId::Document, [] { return documentWindow(); });
        auto w = makeWindow();
        w->show();
        QWidget* doc = m_t->registry.show(widgets::WindowId::Document);
        auto* box = doc->findChild<QTextEdit*>("rtfText");
        box->selectAll();
        trigger(*w, "Bold");
        QVERIFY(w->menuAction("Bold")->isChecked());
        QCOMPARE(box->currentCharFormat().fontWeight(), int(QFont::Bold));
        trigger(*w, "Bold");
        QVERIFY(!w->menuAction("Bold")->isChecked());
        QCOMPARE(box->currentCharFormat().fontWeight(), int(QFont::Normal));
        trigger(*w, "Center");
        QCOMPARE(box->alignment(), Qt::AlignHCenter);
        trigger(*w, "Align Right");
        QCOMPARE(box->alignment(), Qt::AlignRight);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- Window menu
    void tileHorizontalStacksFullWidthBands() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] { return new QWidget; });
        m_t->registry.registerWindow(widgets::WindowId::PurchaseSA, [] { return new QWidget; });
        auto w = makeWindow();
        w->resize(800, 600);
        w->show();
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        m_t->registry.show(widgets::WindowId::PurchaseSA);
        trigger(*w, "mnuWindowTileHorizontal");
        const auto subs = childWindows(*w);  // the guidance board keeps its place
        const int width = w->mdiArea()->viewport()->width();
        QCOMPARE(subs[0]->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(subs[0]->width(), width);
        QCOMPARE(subs[1]->x(), 0);
        QCOMPARE(subs[1]->y(), subs[0]->height());
        trigger(*w, "mnuWindowTileVertical");
        QCOMPARE(subs[1]->y(), 0);
        QCOMPARE(subs[1]->x(), subs[0]->width());
    }

    // The guidance board ("Switch Board") stays at the back with its size and
    // place whatever the user does with the other child windows, and never
    // holds the focus.
    void guidanceBoardStaysAtTheBack_data() {
        QTest::addColumn<QStringList>("gestures");
        QTest::newRow("cascade") << QStringList{"Alt+W C"};
        QTest::newRow("tile horizontally") << QStringList{"Alt+W H"};
        QTest::newRow("tile vertically") << QStringList{"Alt+W V"};
        QTest::newRow("a child maximised") << QStringList{"double-click"};
        QTest::newRow("a child closed") << QStringList{"Ctrl+F4"};
        QTest::newRow("a maximised child closed") << QStringList{"double-click", "Ctrl+F4"};
        QTest::newRow("the board clicked, then Tab") << QStringList{"board Tab"};
    }
    void guidanceBoardStaysAtTheBack() {
        QFETCH(QStringList, gestures);
        for (widgets::WindowId form : {widgets::WindowId::PurchaseNS, widgets::WindowId::PurchaseSA}) {
            m_t->registry.registerWindow(form, [form] {
                auto* child = new QLineEdit;
                child->setWindowTitle(widgets::formName(form));
                child->setMinimumSize(300, 200);
                return child;
            });
        }
        auto w = makeWindow();
        w->resize(900, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* board = w->findChild<QWidget*>("frmStarting");
        QWidget* boardFrame = board->parentWidget();
        const QRect place = boardFrame->geometry();
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        QWidget* b = m_t->registry.show(widgets::WindowId::PurchaseSA);
        for (const QString& gesture : gestures) {
            if (gesture.startsWith("Alt+W")) {
                QTest::keyClick(w.get(), Qt::Key_W, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), gesture.back().toLatin1());
            } else if (gesture == "double-click") {
                const QPoint titleBar(b->parentWidget()->width() / 2, 8);
                QTest::mouseMove(b->parentWidget(), titleBar);
                QTest::mouseDClick(b->parentWidget(), Qt::LeftButton, {}, titleBar);
                QVERIFY(b->parentWidget()->isMaximized());
            } else if (gesture == "Ctrl+F4") {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
                QTRY_COMPARE(childWindows(*w).size(), 1);
            } else {
                QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(board->width() / 2, board->height() / 2));
                QTest::keyClick(w.get(), Qt::Key_Tab);
                QWidget* focus = QApplication::focusWidget();
                QVERIFY(focus && focus != boardFrame && !boardFrame->isAncestorOf(focus));
            }
        }
        QTRY_VERIFY(w->mdiArea()->activeSubWindow() != boardFrame);
        QCOMPARE(boardFrame->geometry(), place);
        QVERIFY(!boardFrame->isMaximized());
        QCOMPARE(w->mdiArea()->subWindowList(QMdiArea::StackingOrder).first(), boardFrame);
    }

    void windowMenuListsTheChildWindows() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] {
            auto* a = new QWidget;
            a->setWindowTitle("First");
            return a;
        });
        auto w = makeWindow();
        w->show();
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        auto* menu = w->findChild<QMenu*>("mnuWindow");
        emit menu->aboutToShow();
        emit menu->aboutToShow();  // rebuilt, not appended twice
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->isVisible()) texts << a->text();
        QCOMPARE(texts, (QStringList{"&New Window", "&Cascade", "Tile &Horizontal", "Tile &Vertical", "&Arrange Icons",
                                     "&1 Switch Board", "&2 First"}));
    }
};

TERVALO_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
