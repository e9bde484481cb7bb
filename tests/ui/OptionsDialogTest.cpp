// frmOptions: the four pages and their captions, Ctrl+Tab and Ctrl+Shift+Tab
// as real key presses wherever the focus is, only the selected page enabled,
// the placeholder actions, and the hidden View and Tools items that open it.
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "shell/OptionsDialog.h"
#include "support/ModalFromMenu.h"
#include "support/QtTestMain.h"

using namespace tervalo;

class OptionsDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    QPointer<shell::OptionsDialog> m_dlg;

    QTabWidget* tabs() const { return m_dlg->findChild<QTabWidget*>("tbsOptions"); }
    // The selected tab's caption, then which pages are enabled.
    QStringList state() const {
        QStringList s{tabs()->tabText(tabs()->currentIndex())};
        for (int i = 0; i < 4; ++i)
            s << (m_dlg->findChild<QWidget*>(QString("picOptions_%1").arg(i))->isEnabled() ? "on" : "off");
        return s;
    }
    static QStringList only(int page) {
        QStringList s{QString("Group %1").arg(page + 1), "off", "off", "off", "off"};
        s[page + 1] = "on";
        return s;
    }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_dlg = new shell::OptionsDialog(m_t->ctx);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    }
    void cleanup() { delete m_dlg; }

    void pagesAsDesigned() {
        QStringList texts{m_dlg->windowTitle()};
        for (int i = 0; i < tabs()->count(); ++i)
            texts << tabs()->tabText(i) + ": " + tabs()->widget(i)->objectName() + "/" +
                         tabs()->widget(i)->findChild<QGroupBox*>(QString("fraSample%1").arg(i + 1))->title();
        for (const char* name : {"cmdOK", "cmdCancel", "cmdApply"})
            texts << m_dlg->findChild<QPushButton*>(name)->text();
        QCOMPARE(texts, (QStringList{"Options", "Group 1: picOptions_0/Sample 1", "Group 2: picOptions_1/Sample 2",
                                     "Group 3: picOptions_2/Sample 3", "Group 4: picOptions_3/Sample 4", "OK", "Cancel",
                                     "&Apply"}));
        QCOMPARE(state(), only(0));
    }

    void ctrlTabWraps_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        for (const QString focus : {"tab bar", "cmdOK", "cmdApply"}) {
            const QByteArray f = focus.toUtf8() + ": ";
            QTest::newRow(f + "Ctrl+Tab on Group 4") << focus << 3 << int(Qt::Key_Tab) << ctrl << 0;
            QTest::newRow(f + "Ctrl+Tab on Group 2") << focus << 1 << int(Qt::Key_Tab) << ctrl << 2;
            QTest::newRow(f + "Ctrl+Shift+Tab on Group 1") << focus << 0 << int(Qt::Key_Backtab) << ctrlShift << 3;
            QTest::newRow(f + "Ctrl+Shift+Tab on Group 3") << focus << 2 << int(Qt::Key_Backtab) << ctrlShift << 1;
            QTest::newRow(f + "Ctrl+Shift with Tab on Group 1") << focus << 0 << int(Qt::Key_Tab) << ctrlShift << 3;
            QTest::newRow(f + "Tab alone on Group 4") << focus << 3 << int(Qt::Key_Tab) << 0 << 3;
        }
    }
    void ctrlTabWraps() {
        QFETCH(QString, focus);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        tabs()->setCurrentIndex(from);
        QWidget* target = focus == "tab bar" ? tabs()->tabBar() : m_dlg->findChild<QWidget*>(focus);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(state(), only(to));
    }

    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("Apply") << "cmdApply" << QStringList{"Apply Code goes here to set options w/o closing dialog!"}
                               << true;
        QTest::newRow("OK") << "cmdOK" << QStringList{"Code goes here to set options and close dialog!"} << false;
        QTest::newRow("Cancel") << "cmdCancel" << QStringList{} << false;
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(QStringList, messages);
        QFETCH(bool, staysOpen);
        bool openDuringBox = false;
        m_t->notifier.onShow = [&](const test::RecordedMessage&) { openDuringBox = m_dlg && m_dlg->isVisible(); };
        QTest::mouseClick(m_dlg->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(m_t->notifier.texts(), messages);
        if (!messages.isEmpty()) QVERIFY(openDuringBox && m_t->notifier.last().icon == test::MsgIcon::None);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bool(m_dlg), staysOpen);  // OK and Cancel unload it
    }

    void hiddenViewAndToolsItemsOpenIt_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("View") << "mnuViewOptions";
        QTest::newRow("Tools") << "mnuToolsOptions";
    }
    void hiddenViewAndToolsItemsOpenIt() {
        QFETCH(QString, item);
        QCOMPARE(test::readModalFromMenu(*m_t, item), (QStringList{"frmOptions", "Options", "owned"}));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }
};

TERVALO_QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
