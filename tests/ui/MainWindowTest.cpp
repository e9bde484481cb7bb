// The main window: position and size from the settings and back, the menu tree
// and toolbar with the string table applied, the Data items, the "Use Demo
// database" switch and help. The windows opened by name, the failures inside
// handlers and the Window menu are in MainWindowChildWindowsTest.cpp.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "MainWindowFixture.h"
#include "ScriptedDocumentDialogs.h"
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

class MainWindowTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    void storePlacement(const QString& left, const QString& top, const QString& width, const QString& height) {
        m_t->settings.save("Settings", "MainLeft", left);
        m_t->settings.save("Settings", "MainTop", top);
        m_t->settings.save("Settings", "MainWidth", width);
        m_t->settings.save("Settings", "MainHeight", height);
    }
    QString stored(const QString& key) { return m_t->settings.get("Settings", key, "<none>"); }

private slots:
    void init() { startFresh(); }

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

    // --- menus and toolbar
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
        bool looked = false;
        QTimer::singleShot(100, w.get(), [&popupSeen, &looked] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popupSeen = true;
                popup->close();
            }
            looked = true;
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, free, bar->mapToGlobal(free));
        QApplication::sendEvent(bar, &click);
        QTRY_VERIFY_WITH_TIMEOUT(looked, 20000);
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
};

TERVALO_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
