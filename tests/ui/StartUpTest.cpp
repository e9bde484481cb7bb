// The start-up sequence: the database chosen in the settings, both connections
// opened on the program's folder, one box for connection failures, the splash
// window kept up for three seconds of clock time, then the main window.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
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
        auto* w = qobject_cast<lotsize::EoqWindow*>(r.registry.show("frmPurchaseNS"));
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
        QVERIFY(!m_clock.seen.mainVisible);
        QCOMPARE(m_clock.seen.version, QString("Version 1.0.8"));
        QCOMPARE(m_clock.seen.product, QString("Tervalo"));
        QCOMPARE(m_clock.seen.platform, QString("Platform Windows 2000/NT4/98"));
        QVERIFY(main->isVisible());
        QCOMPARE(main->objectName(), QString("frmMain"));
        QCOMPARE(main->windowTitle(), QString("Tervalo"));
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

    void programFolderDefaultsToTheExecutables() {
        Rig r(m_settings, m_notifier, m_clock);
        StartUp s(r.ctx);
        QCOMPARE(s.context().programDir, QCoreApplication::applicationDirPath());
    }
};

TERVALO_QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
