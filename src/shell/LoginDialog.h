#pragma once
// frmLogin, "Login": the user's name and a password, OK and Cancel. No part of
// the program opens it; it is registered for whoever needs it. The password
// check is a placeholder: only the empty password succeeds. OK with any other
// password says "Invalid Password, try again!" and selects the password for
// retyping; OK with an empty one, and Cancel, hide the dialog, and
// loginSucceeded() tells which.
#include <QDialog>

class QLineEdit;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class LoginDialog : public QDialog {
    Q_OBJECT
public:
    // `userName` fills the user-name box; by default the user this program runs as.
    LoginDialog(widgets::AppContext& ctx, QWidget* parent = nullptr, const QString& userName = currentUserName());

    // The login name of the effective user (the password database's entry);
    // empty when there is none.
    static QString currentUserName();

    bool loginSucceeded() const { return m_loginSucceeded; }

    // Cancel, Esc and the close button: no login.
    void reject() override;

private slots:
    void onCmdOkClicked();
    void onCmdCancelClicked();

private:
    widgets::AppContext& m_ctx;
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_password = nullptr;
    bool m_loginSucceeded = false;
};

}  // namespace tervalo::shell
