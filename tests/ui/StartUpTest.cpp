// The start-up sequence: the database chosen in the settings, both connections
// opened on the program's folder, one box for connection failures, the splash
// window kept up for three seconds of clock time from its appearance while the
// main window is made behind it, then the main window; the web browser's
// library (Qt WebEngine) loaded only when Help > Support is first chosen.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLContext>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "lotsize/EoqWindow.h"
#include "platform/SettingsStore.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/FakeClock.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingReportOutput.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDesktop.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using data::ConnectionString;
using platform::MsgIcon;
using shell::StartUp;

namespace {

QWidget* visibleTopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// What the screen shows while start-up waits.
struct SplashSeen {
    bool splashVisible = false;
    bool mainMade = false;
    bool mainVisible = false;
    QString product, version, platform;
};

class WatchingClock : public test::FakeClock {
public:
    void wait(int ms) override {
        if (QWidget* splash = visibleTopLevel("frmSplash")) {
            seen.splashVisible = true;
            seen.product = splash->findChild<QLabel*>("lblProductName")->text();
            seen.version = splash->findChild<QLabel*>("lblVersion")->text();
            seen.platform = splash->findChild<QLabel*>("lblPlatform")->text();
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            seen.mainMade = seen.mainMade || w->objectName() == "frmMain";
        seen.mainVisible = visibleTopLevel("frmMain") != nullptr;
        FakeClock::wait(ms);
    }
    SplashSeen seen;
};

// The description Connection::open gives for a file that is not there.
QString missingFileError(const QString& dir, const QString& file) {
    data::Connection cnn;
    try {
        cnn.open(ConnectionString::forFile(dir, file));
    } catch (const core::RuntimeError& e) {
        return QString::fromStdString(e.description());
    }
    return QString();
}

// The services start-up is handed, around the test's settings, notifier and clock.
struct Rig {
    Rig(platform::SettingsStore& store, platform::Notifier& notifier, platform::Clock& clock)
        : settings(store), ctx(cnn, reportCnn, settings, notifier, clock, reports, textReports, registry) {}
    platform::AppSettings settings;
    data::Connection cnn;
    data::Connection reportCnn;
    test::RecordingReportService reports;
    test::RecordingTextReportService textReports;
    test::RecordingReportOutput reportOutput;
    widgets::WindowRegistry registry;
    widgets::AppContext ctx;
};

// The boat example's boxes and demand rows as a user enters them (typed, then ">").
const QStringList kBoatRows = QString(
                                  "txtDemand=0 txtProbability=0.1 cmdNext txtDemand=1 txtProbability=0.2 cmdNext "
                                  "txtDemand=2 txtProbability=0.2 cmdNext txtDemand=3 txtProbability=0.2 cmdNext "
                                  "txtDemand=4 txtProbability=0.2 cmdNext txtDemand=5 txtProbability=0.1")
                                  .split(' ');
const QStringList kBoatCosts{"txtItem=Boat", "txtPrice=30000", "txtHoldingCost=10000", "txtShortageCost=60000"};

// Clicks a control of `w` by name; "box=text" clicks the box and types the text into it.
void act(QWidget* w, const QString& step) {
    const QString name = step.section('=', 0, 0);
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY2(control && control->isVisible(), qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
    if (step.contains('=')) {
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), step.section('=', 1));
    }
}

// The main window started on a stand-in program folder with the program's windows.
struct Started {
    Started(platform::SettingsStore& store, platform::Notifier& notifier, platform::Clock& clock)
        : rig(store, notifier, clock),
          startUp(rig.ctx, test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"}),
                  [this](widgets::AppContext& c) { app::registerWindows(c, rig.reportOutput); }),
          main(startUp.run()) {}
    // Clicks the panel's launcher: its tab, then the button; the window it opened.
    QWidget* launch(const QString& button) {
        auto* tabs = main->findChild<QTabWidget*>("SSTab1");
        const int tab = button.startsWith("Command1") ? 1 : 0;
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
        QTest::mouseClick(main->findChild<QPushButton*>(button), Qt::LeftButton);
        QMdiSubWindow* sub = main->mdiArea()->activeSubWindow();
        return sub ? sub->widget() : nullptr;
    }
    Rig rig;
    StartUp startUp;
    shell::MainWindow* main;
};

// Whether a library is loaded into this process.
bool loaded(const QByteArray& library) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// Whether a window's form shows whole, with no scroll bar.
bool formUnscrolled(const QWidget* w) {
    const auto* scroll = w->findChild<QScrollArea*>("formScroll");
    return scroll && !scroll->horizontalScrollBar()->isVisible() && !scroll->verticalScrollBar()->isVisible();
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private:
    platform::SettingsStore m_settings;
    test::RecordingNotifier m_notifier;
    WatchingClock m_clock;

private slots:
    void init() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo").clear();
        m_notifier.clear();
        m_clock = WatchingClock();
    }

    // --- the chosen database
    void noSettingOpensDemoDatabase() {
        const QString dir = test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"});
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir);
        s.run();
        QCOMPARE(s.context().dataSource, QString("Demo.mdb"));
        QVERIFY(r.cnn.isOpen());
        QCOMPARE(r.cnn.connectionString(), ConnectionString::forFile(dir, "Demo.mdb"));
        QVERIFY(r.reportCnn.isOpen());
        QCOMPARE(r.reportCnn.connectionString(), ConnectionString::forFile(dir, "dbWHouse.mdb"));
        QVERIFY(m_notifier.messages.isEmpty());
    }

    void emptySettingOpensDemoDatabase() {
        m_settings.save("DataSource", "Name", "");
        const QString dir = test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"});
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir);
        s.run();
        QCOMPARE(r.cnn.connectionString(), ConnectionString::forFile(dir, "Demo.mdb"));
    }

    void warehouseSettingOpensItForBothConnections() {
        m_settings.save("DataSource", "Name", "dbWHouse.mdb");
        const QString dir = test::tempProgramDir({"dbWHouse.mdb"});  // no Demo.mdb needed
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir);
        s.run();
        QCOMPARE(s.context().dataSource, QString("dbWHouse.mdb"));
        QVERIFY(r.cnn.isOpen());
        QVERIFY(r.reportCnn.isOpen());
        QCOMPARE(r.cnn.connectionString(), ConnectionString::forFile(dir, "dbWHouse.mdb"));
        QCOMPARE(r.reportCnn.connectionString(), ConnectionString::forFile(dir, "dbWHouse.mdb"));
        QVERIFY(m_notifier.messages.isEmpty());
    }

    void connectionStringJoinsFolderAndFile() {
        QCOMPARE(ConnectionString::forFile("/opt/tervalo", "Demo.mdb"),
                 QString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/tervalo/Demo.mdb\";"
                         "Persist Security Info=False"));
    }

    // --- failures
    void bothFilesMissingGivesOneBoxThenTheMainWindow() {
        const QString dir = test::tempProgramDir({});
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir);
        shell::MainWindow* main = s.run();
        QCOMPARE(m_notifier.messages.size(), 1);
        const auto& box = m_notifier.last();
        QCOMPARE(box.title, QString("Error Message"));
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        // The last failure: the report connection's.
        QCOMPARE(box.text, missingFileError(dir, "dbWHouse.mdb"));
        QVERIFY(!box.text.isEmpty());
        QVERIFY(!r.cnn.isOpen());
        QVERIFY(main && main->isVisible());
        QCOMPARE(s.context().mainWindow, main);
    }

    void missingMainDatabaseIsReportedAndTheReportConnectionOpens() {
        const QString dir = test::tempProgramDir({"dbWHouse.mdb"});
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir);
        s.run();
        QCOMPARE(m_notifier.texts(), QStringList{missingFileError(dir, "Demo.mdb")});
        QVERIFY(!r.cnn.isOpen());
        QVERIFY(r.reportCnn.isOpen());
    }

    // A database that could not be opened at start-up (held by another
    // program, away for a moment) is tried again when a window saves.
    void databaseThatCouldNotBeOpenedIsTriedAgainAtTheFirstSave() {
        const QString dir = test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"});
        QVERIFY(QFile::rename(dir + "/Demo.mdb", dir + "/Demo.away"));
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, dir, [&r](widgets::AppContext& c) { app::registerWindows(c, r.reportOutput); });
        s.run();
        QCOMPARE(m_notifier.messages.size(), 1);
        QVERIFY(QFile::rename(dir + "/Demo.away", dir + "/Demo.mdb"));
        auto* w = qobject_cast<lotsize::EoqWindow*>(r.registry.show(widgets::WindowId::PurchaseNS));
        w->findChild<QPushButton*>("cmdExample")->click();
        QCOMPARE(m_notifier.messages.size(), 1);
        QVERIFY(!w->logId().isEmpty());
        QVERIFY(r.cnn.isOpen());
    }

    void failureIsShownWhileTheSplashIsUpBeforeTheWait() {
        bool splashUp = false;
        int waitsBefore = -1;
        m_notifier.onShow = [&](const test::RecordedMessage&) {
            splashUp = visibleTopLevel("frmSplash") != nullptr;
            waitsBefore = static_cast<int>(m_clock.waited.size());
        };
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, test::tempProgramDir({}));
        s.run();
        m_notifier.onShow = nullptr;
        QVERIFY(splashUp);
        QCOMPARE(waitsBefore, 0);
    }

    // --- splash window and wait
    void splashShowsVersionAndWaitsThreeSecondsBeforeTheMainWindow() {
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"}));
        shell::MainWindow* main = s.run();
        QCOMPARE(m_clock.waited, QList<int>{3000});
        QVERIFY(m_clock.seen.splashVisible);
        QVERIFY(m_clock.seen.mainMade);
        QVERIFY(!m_clock.seen.mainVisible);
        QCOMPARE(m_clock.seen.version, QString("Version 1.0.8"));
        QCOMPARE(m_clock.seen.product, QString("Tervalo"));
        QCOMPARE(m_clock.seen.platform, QString("Platform Windows 2000/NT4/98"));
        QVERIFY(main->isVisible());
        QCOMPARE(main->objectName(), QString("frmMain"));
        QCOMPARE(main->windowTitle(), QString("Tervalo"));
        QVERIFY(!visibleTopLevel("frmSplash"));
    }

    // The three seconds count from the splash's appearance: the set-up's time
    // (here a failure box the user reads) is part of them.
    void splashStaysThreeSecondsFromItsAppearance_data() {
        QTest::addColumn<int>("readingMs");  // -1: no failure box
        QTest::addColumn<QList<int>>("waited");
        QTest::newRow("no box") << -1 << QList<int>{3000};
        QTest::newRow("box read for 1.2 s") << 1200 << QList<int>{1800};
        QTest::newRow("box read for 3 s") << 3000 << QList<int>{};
        QTest::newRow("box read for 10 s") << 10000 << QList<int>{};
    }
    void splashStaysThreeSecondsFromItsAppearance() {
        QFETCH(int, readingMs);
        QFETCH(QList<int>, waited);
        m_notifier.onShow = [&](const test::RecordedMessage&) { m_clock.advance(readingMs); };
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, test::tempProgramDir(readingMs < 0 ? QStringList{"Demo.mdb", "dbWHouse.mdb"} : QStringList{}));
        shell::MainWindow* main = s.run();
        m_notifier.onShow = nullptr;
        QCOMPARE(m_clock.waited, waited);
        QVERIFY(main->isVisible());
        QVERIFY(!visibleTopLevel("frmSplash"));
    }

    void splashClosesAfterThreeSecondsAcrossMidnight() {
        m_clock.setNow(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"}));
        s.run();
        QCOMPARE(m_clock.waited, QList<int>{3000});
        QVERIFY(!visibleTopLevel("frmSplash"));
    }

    void mainWindowTakesTheContext() {
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx, test::tempProgramDir({"Demo.mdb", "dbWHouse.mdb"}));
        shell::MainWindow* main = s.run();
        const auto& ctx = s.context();
        QCOMPARE(ctx.mainWindow, main);
        QCOMPARE(ctx.registry.mdiArea(), main->mdiArea());
        QVERIFY(main->menuAction("mnuDemoDatabase")->isChecked());
    }

    // --- the first frame on a 1280x900 screen
    // With no stored size the main window opens at a size that holds the panel
    // and every model window, after its example, whole at the workspace's top
    // left corner: nothing scrolls, nothing is cut off.
    void firstFrameHoldsThePanelAndTheModelWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("steps");  // clicked in the window, in order
        QTest::newRow("purchasing") << "Command1_0" << QStringList{"cmdExample"};
        QTest::newRow("purchasing, shortages") << "Command1_1" << QStringList{"cmdExample"};
        QTest::newRow("production") << "Command1_2" << QStringList{"cmdExample"};
        QTest::newRow("production, shortages") << "Command1_3" << QStringList{"cmdExample"};
        QTest::newRow("incremental discount") << "Command1_4" << QStringList{"cmdExample"};
        QTest::newRow("all-unit discount") << "Command1_5" << QStringList{"cmdExample"};
        QTest::newRow("single period") << "Command1_6" << QStringList{"cmdExample"};
        QTest::newRow("single period, discrete")
            << "Command1_7" << kBoatCosts + kBoatRows + QStringList{"cmdCalculate"};
        QTest::newRow("(s,S), discrete") << "Command1_9" << QStringList{};
        QTest::newRow("aspiration level") << "Command2_10" << kBoatRows + QStringList{"cmdCalculate"};
        const QStringList offer{"cmdExample", "cmdDiscount", "txtDiscRate=5", "txtDiscQ=100", "cmdShouldYou"};
        QTest::newRow("offer") << "Command1_0" << offer;
        QTest::newRow("offer, shortages") << "Command1_1" << offer;
    }
    void firstFrameHoldsThePanelAndTheModelWindow() {
        QFETCH(QString, button);
        QFETCH(QStringList, steps);
        Started s(m_settings, m_notifier, m_clock);
        QVERIFY(QTest::qWaitForWindowExposed(s.main));
        QWidget* w = s.launch(button);
        QVERIFY(w);
        for (const QString& step : steps)
            act(w, step);
        QVERIFY(m_notifier.messages.isEmpty());
        QVERIFY(s.main->screen()->availableGeometry().contains(s.main->frameGeometry()));
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        QCOMPARE(sub->pos(), QPoint(0, 0));
        QVERIFY(s.main->mdiArea()->viewport()->rect().contains(sub->geometry()));
        QVERIFY(formUnscrolled(w));
    }

    // A model window opened in a small frame scrolls its form; maximising the
    // frame grows the window to its form's size.
    void maximisedFrameGrowsTheModelWindow() {
        m_settings.save("Settings", "MainWidth", "9000");
        m_settings.save("Settings", "MainHeight", "7500");
        Started s(m_settings, m_notifier, m_clock);
        QVERIFY(QTest::qWaitForWindowExposed(s.main));
        QWidget* w = s.launch("Command1_7");
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        QCOMPARE(sub->pos(), QPoint(0, 0));
        QVERIFY(s.main->mdiArea()->viewport()->rect().contains(sub->geometry()));
        QVERIFY(!formUnscrolled(w));
        s.main->showMaximized();
        QTRY_COMPARE(sub->size(), sub->sizeHint());
        QTRY_VERIFY(formUnscrolled(w));
        s.main->showNormal();
        QTRY_VERIFY(s.main->mdiArea()->viewport()->rect().contains(sub->geometry()));
    }

    // Under a window manager the whole frame, title bar and status bar
    // included, opens on a 1280x900 screen: the program itself, started as a user starts it.
    void frameUnderAWindowManagerLiesOnTheScreen_data() {
        QTest::addColumn<QStringList>("stored");  // MainLeft, MainTop, MainWidth, MainHeight
        QTest::newRow("first start") << QStringList{};
        QTest::newRow("stored larger than the screen") << QStringList{"1000", "1000", "30000", "30000"};
        QTest::newRow("stored at the bottom edge") << QStringList{"1000", "12000", "9000", "6000"};
    }
    void frameUnderAWindowManagerLiesOnTheScreen() {
        QFETCH(QStringList, stored);
        test::VirtualDesktop desktop(1280, 900);
        if (!desktop.missing().isEmpty()) QSKIP(qPrintable("not installed: " + desktop.missing()));
        QVERIFY2(desktop.running(), qPrintable(desktop.failure()));
        QTemporaryDir config;
        QSettings settings(config.filePath("Tervalo/Tervalo.ini"), QSettings::IniFormat);
        const QStringList keys{"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < stored.size(); ++i)
            settings.setValue("Settings/" + keys[i], stored[i]);
        settings.sync();
        QProcessEnvironment env = desktop.environment();
        env.insert("XDG_CONFIG_HOME", config.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(TERVALO_PROGRAM, QStringList{});
        QRect frame;
        const bool inside = QTest::qWaitFor(
            [&] {
                frame = desktop.managedFrame("Tervalo");
                return !frame.isEmpty() && QRect(0, 0, 1280, 900).contains(frame);
            },
            30000);
        program.kill();
        program.waitForFinished();
        QVERIFY2(
            inside,
            qPrintable(
                QString("frame %1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    }

    void programFolderDefaultsToTheExecutables() {
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx);
        QCOMPARE(s.context().programDir, QCoreApplication::applicationDirPath());
    }

    // The program starts without Qt WebEngine and the OpenGL context it needs;
    // Help > Support loads the browser library, and its window shows a local page.
    void supportLoadsTheBrowserWhenFirstChosen() {
        QTemporaryDir dir;
        QFile page(dir.filePath("page.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Local page</title></head><body>Local.</body></html>");
        page.close();
        // Nothing leaves the machine: every request for the web goes to a closed local port.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--proxy-server=127.0.0.1:9");
        Started s(m_settings, m_notifier, m_clock);
        QVERIFY(QTest::qWaitForWindowActive(s.main));
        QVERIFY(!loaded("libQt6WebEngineCore"));
        QVERIFY(!QOpenGLContext::globalShareContext());
        QTest::keyClick(s.main, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up);  // the last item: Support
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_VERIFY(s.rig.registry.existing(widgets::WindowId::Browser));
        QWidget* browser = s.rig.registry.existing(widgets::WindowId::Browser);
        QVERIFY(loaded("libQt6WebEngineCore"));
        QVERIFY(QOpenGLContext::globalShareContext());
        QVERIFY(qobject_cast<QMdiSubWindow*>(browser->parentWidget())->isMaximized());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cboAddress"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), page.fileName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Local page"), 30000);
        QVERIFY(m_notifier.messages.isEmpty());
    }
};

TERVALO_QTEST_MAIN_ON_SCREEN(StartUpTest, 1280, 900)
#include "StartUpTest.moc"
