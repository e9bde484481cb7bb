#include "shell/OptionsDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Notifier.h"
#include "shell/SharedRoutines.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace fb = widgets::FormBuilder;

namespace {

constexpr int kPages = 4;

// Captions designed as string-table ids, replaced at load (ApplyResourceStrings).
void tag(QWidget* w, int id) { w->setProperty("Tag", QString::number(id)); }

}  // namespace

OptionsDialog::OptionsDialog(widgets::AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::Options));
    setWindowTitle(QStringLiteral("Options"));
    tag(this, 1063);
    // OK and Cancel unload the dialog.
    setAttribute(Qt::WA_DeleteOnClose);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    for (int i = 0; i < kPages; ++i) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(QStringLiteral("picOptions_%1").arg(i));
        QGroupBox* sample =
            fb::frame(page, QStringLiteral("fraSample%1").arg(i + 1), QStringLiteral("Sample %1").arg(i + 1));
        tag(sample, 1064 + i);
        sample->setMinimumSize(140, 120);
        auto* pageLayout = new QHBoxLayout(page);
        pageLayout->addWidget(sample);
        pageLayout->addStretch();
        m_tabs->addTab(page, QStringLiteral("Group %1").arg(i + 1));
    }

    QPushButton* ok = fb::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    tag(ok, 1070);
    ok->setDefault(true);
    QPushButton* cancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    tag(cancel, 1069);
    QPushButton* apply = fb::button(this, QStringLiteral("cmdApply"), QStringLiteral("&Apply"));
    tag(apply, 1068);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(420, 340);

    ApplyResourceStrings(this);
    onTbsOptionsCurrentChanged(m_tabs->currentIndex());

    connect(m_tabs, &QTabWidget::currentChanged, this, &OptionsDialog::onTbsOptionsCurrentChanged);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::onCmdOkClicked);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::onCmdCancelClicked);
    connect(apply, &QPushButton::clicked, this, &OptionsDialog::onCmdApplyClicked);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    // No control of the window takes Ctrl+Tab for itself (the tab strip, when
    // it has the focus, turns its pages the same way), so it arrives here.
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // X11 sends Shift+Tab as Backtab.
    const bool backward = event->key() == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (mods & ~Qt::ShiftModifier) == Qt::ControlModifier) {
        selectTabBy(backward ? -1 : +1);
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionsDialog::selectTabBy(int step) {
    const int count = m_tabs->count();
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
}

void OptionsDialog::onTbsOptionsCurrentChanged(int index) {
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->widget(i)->setEnabled(i == index);
}

void OptionsDialog::onCmdOkClicked() {
    m_ctx.notifier.show(this, QStringLiteral("Code goes here to set options and close dialog!"), QString(),
                        platform::MsgIcon::None);
    accept();
}

void OptionsDialog::onCmdCancelClicked() { reject(); }

void OptionsDialog::onCmdApplyClicked() {
    m_ctx.notifier.show(this, QStringLiteral("Apply Code goes here to set options w/o closing dialog!"), QString(),
                        platform::MsgIcon::None);
}

}  // namespace tervalo::shell
