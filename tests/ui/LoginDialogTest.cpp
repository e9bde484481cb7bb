// frmLogin: the user this program runs as, the hidden password, the
// placeholder check (only the empty password logs in), and its registration.
#include <pwd.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "shell/LoginDialog.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using shell::LoginDialog;

class LoginDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    std::unique_ptr<LoginDialog> m_login;

    QLineEdit* box(const char* name) { return m_login->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return m_login->findChild<QPushButton*>(name); }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_login = std::make_unique<LoginDialog>(m_t->ctx);
    }

    void formAsDesigned() {
        QStringList texts{m_login->windowTitle()};
        for (QLabel* label : m_login->findChildren<QLabel*>())
            texts << label->text() + " -> " + label->buddy()->objectName();
        texts << button("cmdOK")->text() << button("cmdCancel")->text();
        QCOMPARE(texts,
                 (QStringList{"Login", "&User Name: -> txtUserName", "&Password: -> txtPassword", "OK", "Cancel"}));
        QCOMPARE(box("txtPassword")->echoMode(), QLineEdit::Password);
    }

    void userNameIsTheEffectiveUser() {
        const passwd* entry = getpwuid(geteuid());
        QVERIFY(entry);
        // The whole name and nothing after it (no terminating character counted in).
        QCOMPARE(box("txtUserName")->text(), QString::fromLocal8Bit(entry->pw_name));
        m_login = std::make_unique<LoginDialog>(m_t->ctx, nullptr, QString());
        QCOMPARE(box("txtUserName")->text(), QString());
    }

    void okCancelAndEscape_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("key");  // the button pressed, or Esc
        QTest::newRow("OK with x") << "x"
                                   << "cmdOK";
        QTest::newRow("OK with two words") << "secret word"
                                           << "cmdOK";
        QTest::newRow("OK with a blank") << " "
                                         << "cmdOK";
        QTest::newRow("OK with none") << ""
                                      << "cmdOK";
        QTest::newRow("Cancel") << "x"
                                << "cmdCancel";
        QTest::newRow("Esc") << ""
                             << "Esc";
    }
    void okCancelAndEscape() {
        QFETCH(QString, password);
        QFETCH(QString, key);
        const bool ok = key == "cmdOK", succeeds = ok && password.isEmpty();
        m_login->show();
        QVERIFY(QTest::qWaitForWindowActive(m_login.get()));
        box("txtUserName")->setFocus();
        box("txtPassword")->setText(password);
        if (key == "Esc")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QTest::mouseClick(button(qPrintable(key)), Qt::LeftButton);
        QCOMPARE(m_login->loginSucceeded(), succeeds);
        QCOMPARE(m_login->isVisible(), ok && !succeeds);
        QCOMPARE(m_login->result(), int(succeeds ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(m_t->notifier.texts(), ok && !succeeds ? QStringList{"Invalid Password, try again!"} : QStringList{});
        if (!m_login->isVisible()) return;
        QCOMPARE(m_t->notifier.last().title, QString("Login"));
        QCOMPARE(m_t->notifier.last().icon, test::MsgIcon::None);
        QCOMPARE(QApplication::focusWidget(), box("txtPassword"));
        QCOMPARE(box("txtPassword")->selectedText(), password);
    }

    void registeredOwnedByTheMainWindow() {
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        QMainWindow main;
        m_t->ctx.mainWindow = &main;
        QWidget* login = m_t->registry.instance(widgets::WindowId::Login);
        QVERIFY(qobject_cast<LoginDialog*>(login));
        QCOMPARE(login->parentWidget(), &main);
    }
};

TERVALO_QTEST_MAIN(LoginDialogTest)
#include "LoginDialogTest.moc"
