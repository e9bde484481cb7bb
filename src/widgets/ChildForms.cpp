#include "widgets/ChildForms.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "platform/Notifier.h"
#include "rtf/Twips.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::widgets {

void ShowChildForm(QWidget* frm) {
    // A child window is centred in the main window's workspace, not on the
    // screen, whose height says nothing of where the workspace lies; its title
    // bar stays in the workspace.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frm->parentWidget()); sub && sub->mdiArea()) {
        ShowChildForm(frm, rtf::Twips::toTwips(sub->mdiArea()->viewport()->height()));
        if (sub->y() < 0) sub->move(0, 0);
        return;
    }
    QScreen* screen = frm->screen() ? frm->screen() : QGuiApplication::primaryScreen();
    ShowChildForm(frm, rtf::Twips::toTwips(screen->geometry().height()));
}

void ShowChildForm(QWidget* frm, double screenHeightTwips) {
    QWidget* target = frm;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frm->parentWidget())) target = sub;
    const double height = rtf::Twips::toTwips(target->frameGeometry().height());
    const float top = static_cast<float>((screenHeightTwips - height) / 2);
    target->move(0, rtf::Twips::toPixels(top));
    target->show();
    frm->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(target)) {
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    }
}

void hideChildForm(QWidget* frm) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frm->parentWidget())) sub->hide();
    frm->hide();
}

void UnloadWizardForms(WindowRegistry& registry) {
    for (WindowId window : {WindowId::Wizard, WindowId::W1, WindowId::W2, WindowId::W3})
        registry.unload(window);
}

void EnableDataMenus(const AppContext& ctx, bool enable) {
    if (auto* menus = dynamic_cast<MainWindowMenuState*>(ctx.mainWindow)) menus->setDataMenusEnabled(enable);
}

void showNotAvailable(QWidget* parent, platform::Notifier& notifier) {
    notifier.show(parent, QStringLiteral("This window is not available in this version of Tervalo."), QString(),
                  platform::MsgIcon::Information);
}

bool demoDatabaseChecked(const AppContext& ctx) {
    auto* menus = dynamic_cast<MainWindowMenuState*>(ctx.mainWindow);
    return menus && menus->demoDatabaseChecked();
}

}  // namespace tervalo::widgets
