// frmAbout: the program and its version as on the splash window; System Info
// over a scripted lookup and starter, and the lookup on PATH; Help > About.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/AboutDialog.h"
#include "shell/SplashWindow.h"
#include "shell/sysinfo/PathSysInfoLookup.h"
#include "support/ModalFromMenu.h"
#include "support/QtTestMain.h"

using namespace tervalo;

namespace {

// What the lookup knows and what the starter was asked to start.
struct Script {
    std::optional<QString> path, folder;
    bool startSucceeds = true;
    QStringList started;
};
struct ScriptedLookup : shell::SysInfoLookup {
    explicit ScriptedLookup(Script& s) : s(s) {}
    std::optional<QString> programPath() const override { return s.path; }
    std::optional<QString> programFolder() const override { return s.folder; }
    QString programFileName() const override { return "MSINFO32.EXE"; }
    Script& s;
};
struct ScriptedStarter : shell::ProgramStarter {
    explicit ScriptedStarter(Script& s) : s(s) {}
    bool start(const QString& path) override {
        s.started << path;
        return s.startSucceeds;
    }
    Script& s;
};

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    Script m_script;
    QPointer<shell::AboutDialog> m_about;

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_script = Script();
        m_about = new shell::AboutDialog(m_t->ctx, nullptr,
                                         shell::SysInfoLauncher(std::make_unique<ScriptedLookup>(m_script),
                                                                std::make_unique<ScriptedStarter>(m_script)));
        m_about->show();
    }
    void cleanup() { delete m_about; }

    void showsTheProgramAndTheSplashVersion() {
        QStringList texts{m_about->windowTitle()};
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "cmdOK", "cmdSysInfo"})
            texts << m_about->findChild<QWidget*>(name)->property("text").toString();
        QCOMPARE(texts, (QStringList{"About this program", "Tervalo", "Version 1.0.8",
                                     "This software wraps Inventory Control theory with a set of user-friendly "
                                     "interface. It helps you decide how much to order or produce, and when, given "
                                     "a demand estimate and costs. The goal is to minimize total cost or maximize "
                                     "profit.",
                                     "OK", "&System Info..."}));
        QCOMPARE(shell::SplashWindow().findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.8"));
    }

    void systemInfo_data() {
        QTest::addColumn<QString>("path");    // "" none
        QTest::addColumn<QString>("folder");  // none, empty, holding (the file), subfolder (a folder by that name)
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QStringList>("started");  // "F/": in the folder
        const QString prog = "/usr/bin/hardinfo", inFolder = "F/MSINFO32.EXE";
        QTest::newRow("path") << prog << "none" << true << QStringList{prog};
        QTest::newRow("path fails, folder not tried") << prog << "holding" << false << QStringList{prog};
        QTest::newRow("folder holds it") << ""
                                         << "holding" << true << QStringList{inFolder};
        QTest::newRow("folder holds it, start fails") << ""
                                                      << "holding" << false << QStringList{inFolder};
        QTest::newRow("folder without it") << ""
                                           << "empty" << true << QStringList{};
        QTest::newRow("a folder by its name") << ""
                                              << "subfolder" << true << QStringList{};
        QTest::newRow("nothing known") << ""
                                       << "none" << true << QStringList{};
    }
    void systemInfo() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(bool, startSucceeds);
        QFETCH(QStringList, started);
        QTemporaryDir dir;
        if (folder == "holding") QVERIFY(QFile(dir.filePath("MSINFO32.EXE")).open(QIODevice::WriteOnly));
        if (folder == "subfolder") QVERIFY(QDir(dir.path()).mkdir("MSINFO32.EXE"));
        if (!path.isEmpty()) m_script.path = path;
        if (folder != "none") m_script.folder = dir.path();
        m_script.startSucceeds = startSucceeds;
        QTest::mouseClick(m_about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(m_script.started, started.replaceInStrings("F/", dir.path() + "/"));
        const bool ran = !started.isEmpty() && startSucceeds;
        QCOMPARE(m_t->notifier.texts(),
                 ran ? QStringList{} : QStringList{"System Information Is Unavailable At This Time"});
        if (!ran) QCOMPARE(m_t->notifier.last().icon, test::MsgIcon::None);
        QVERIFY(m_about && m_about->isVisible());  // the About window stays open
    }

    void lookupTakesTheFirstKnownProgramOnThePath_data() {
        QTest::addColumn<QStringList>("executables");
        QTest::addColumn<QString>("found");
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("list order") << QStringList{"gnome-system-monitor", "kinfocenter"} << "kinfocenter";
        QTest::newRow("not executable") << QStringList{"xfce4-taskmanager", "-hardinfo"} << "xfce4-taskmanager";
        QTest::newRow("unknown program") << QStringList{"htop"} << "";
    }
    void lookupTakesTheFirstKnownProgramOnThePath() {
        QFETCH(QStringList, executables);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const QString& name : executables) {  // "-name": a file that may not be run
            QFile f(dir.filePath(QString(name).remove(QRegularExpression("^-"))));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (!name.startsWith('-')) f.setPermissions(f.permissions() | QFile::ExeOwner);
        }
        const shell::PathSysInfoLookup lookup(shell::PathSysInfoLookup::knownPrograms(), {dir.path()});
        QCOMPARE(lookup.programPath().value_or(""), found.isEmpty() ? QString() : dir.filePath(found));
        QVERIFY(!lookup.programFolder());
    }

    void okUnloadsTheWindow() {
        QTest::mouseClick(m_about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_about);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void helpAboutOpensItModalOverTheMainWindow() {
        const QStringList seen = test::readModalFromMenu(*m_t, "mnuHelpAbout", [](QWidget* about) {
            return QStringList{about->findChild<QLabel*>("lblVersion")->text()};
        });
        QCOMPARE(seen, (QStringList{"frmAbout", "About this program", "owned", "Version 1.0.8"}));
        QVERIFY(m_t->notifier.messages.isEmpty());  // not "not available"
        QVERIFY(!m_t->registry.existing(widgets::WindowId::About));
    }
};

TERVALO_QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
