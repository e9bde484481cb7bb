#include "shell/AboutDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Notifier.h"
#include "shell/SplashWindow.h"
#include "shell/ToolbarIcons.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace fb = widgets::FormBuilder;

namespace {

const QString kDescription = QStringLiteral(
    "This software wraps Inventory Control theory with a set of user-friendly interface. It helps you decide how "
    "much to order or produce, and when, given a demand estimate and costs. The goal is to minimize total cost or "
    "maximize profit.");
const QString kNotice = QStringLiteral(
    "Warning: this program is protected by copyright law. Copying or distributing it, or any part of it, without "
    "permission is not allowed.");

}  // namespace

AboutDialog::AboutDialog(widgets::AppContext& ctx, QWidget* parent, SysInfoLauncher sysInfo)
    : QDialog(parent), m_ctx(ctx), m_sysInfo(std::move(sysInfo)) {
    setObjectName(widgets::formName(widgets::WindowId::About));
    setWindowTitle(QStringLiteral("About this program"));
    // OK unloads the window: the next About makes a new one.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ToolbarIcons::icon(QStringLiteral("Tervalo"), style()).pixmap(48, 48));
    icon->setAccessibleName(platform::kProgramTitle);

    QLabel* title = fb::label(this, QStringLiteral("lblTitle"), platform::kProgramTitle);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = fb::label(this, QStringLiteral("lblVersion"), SplashWindow::versionText());
    QLabel* description = fb::label(this, QStringLiteral("lblDescription"), kDescription, true);
    QLabel* notice = fb::label(this, QStringLiteral("lblDisclaimer"), kNotice, true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    QPushButton* ok = fb::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton* sysInfoButton = fb::button(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(14);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(version, 1, 1, 1, 2);
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(line, 3, 0, 1, 3);
    grid->addWidget(notice, 4, 0, 2, 2, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfoButton);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    setMinimumWidth(460);
    ok->setFocus();

    connect(ok, &QPushButton::clicked, this, &AboutDialog::onCmdOkClicked);
    connect(sysInfoButton, &QPushButton::clicked, this, &AboutDialog::onCmdSysInfoClicked);
}

void AboutDialog::startSysInfo() {
    if (m_sysInfo.start()) return;
    m_ctx.notifier.show(this, QStringLiteral("System Information Is Unavailable At This Time"), QString(),
                        platform::MsgIcon::None);
}

void AboutDialog::onCmdOkClicked() { accept(); }

void AboutDialog::onCmdSysInfoClicked() { startSysInfo(); }

}  // namespace tervalo::shell
