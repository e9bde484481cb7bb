#include "shell/LoginDialog.h"

#include <pwd.h>
#include <unistd.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Notifier.h"
#include "shell/SharedRoutines.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace fb = widgets::FormBuilder;

namespace {

// Captions designed as string-table ids, replaced at load (ApplyResourceStrings).
void tag(QWidget* w, int id) { w->setProperty("Tag", QString::number(id)); }

}  // namespace

QString LoginDialog::currentUserName() {
    const passwd* entry = getpwuid(geteuid());
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

LoginDialog::LoginDialog(widgets::AppContext& ctx, QWidget* parent, const QString& userName)
    : QDialog(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::Login));
    setWindowTitle(QStringLiteral("Login"));
    tag(this, 1058);

    QLabel* userLabel = fb::label(this, QStringLiteral("lblLabels_0"), QStringLiteral("&User Name:"));
    tag(userLabel, 1059);
    QLabel* passwordLabel = fb::label(this, QStringLiteral("lblLabels_1"), QStringLiteral("&Password:"));
    tag(passwordLabel, 1060);
    m_userName = fb::inputBox(this, QStringLiteral("txtUserName"));
    m_password = fb::inputBox(this, QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_userName->setText(userName);

    QPushButton* ok = fb::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    tag(ok, 1061);
    ok->setDefault(true);
    QPushButton* cancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    tag(cancel, 1062);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    fb::addRow(grid, 0, userLabel, m_userName);
    fb::addRow(grid, 1, passwordLabel, m_password);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(300);

    ApplyResourceStrings(this);

    connect(ok, &QPushButton::clicked, this, &LoginDialog::onCmdOkClicked);
    connect(cancel, &QPushButton::clicked, this, &LoginDialog::onCmdCancelClicked);
}

void LoginDialog::onCmdOkClicked() {
    if (m_password->text().isEmpty()) {
        m_loginSucceeded = true;
        accept();
        return;
    }
    m_ctx.notifier.show(this, QStringLiteral("Invalid Password, try again!"), QStringLiteral("Login"),
                        platform::MsgIcon::None);
    // After the box closes no window is active on some platforms: take the focus back first.
    activateWindow();
    m_password->setFocus(Qt::OtherFocusReason);
    m_password->selectAll();
}

void LoginDialog::onCmdCancelClicked() { reject(); }

void LoginDialog::reject() {
    m_loginSucceeded = false;
    QDialog::reject();
}

}  // namespace tervalo::shell
