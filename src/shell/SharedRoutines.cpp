#include "shell/SharedRoutines.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVariant>
#include <optional>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "shell/StringTable.h"

namespace tervalo::shell {

namespace {

// The entry whose id is the whole text read as a 16-bit whole number ("1012").
std::optional<QString> entryOfWholeNumber(const QString& text) {
    try {
        const std::string s = text.toStdString();
        if (!core::isNumber(s)) return std::nullopt;
        return StringTable::text(core::roundToInt16(core::leadingNumber(s)));
    } catch (const core::RuntimeError&) {
        return std::nullopt;
    }
}

// The entry whose id is the number the text begins with ("1044x"), when above 0.
std::optional<QString> entryOfLeadingNumber(const QString& text) {
    try {
        const int id = core::roundToInt16(core::leadingNumber(text.toStdString()));
        if (id <= 0) return std::nullopt;
        return StringTable::text(id);
    } catch (const core::RuntimeError&) {
        return std::nullopt;
    }
}

QString tagOf(const QObject* o) { return o->property("Tag").toString(); }

template <class Setter>
void assign(const std::optional<QString>& entry, Setter set) {
    if (entry) set(*entry);
}

void applyToMenu(QMenu* menu) {
    assign(entryOfWholeNumber(menu->title()), [&](const QString& t) { menu->setTitle(t); });
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || a->menu()) continue;  // submenus are menus of their own
        assign(entryOfWholeNumber(a->text()), [&](const QString& t) { a->setText(t); });
    }
}

void applyToToolBar(QToolBar* bar) {
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        assign(entryOfWholeNumber(a->toolTip()), [&](const QString& t) { a->setToolTip(t); });
    }
}

void applyToTabBar(QTabBar* bar) {
    for (int i = 0; i < bar->count(); ++i) {
        assign(entryOfWholeNumber(bar->tabData(i).toString()), [&](const QString& t) { bar->setTabText(i, t); });
        assign(entryOfWholeNumber(bar->tabToolTip(i)), [&](const QString& t) { bar->setTabToolTip(i, t); });
    }
}

void applyToTree(QTreeWidget* tree) {
    QTreeWidgetItem* header = tree->headerItem();
    for (int c = 0; c < tree->columnCount(); ++c) {
        assign(entryOfWholeNumber(header->data(c, Qt::UserRole).toString()),
               [&](const QString& t) { header->setText(c, t); });
    }
}

void applyToOther(QWidget* w) {
    assign(entryOfLeadingNumber(tagOf(w)), [&](const QString& t) {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(t);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(t);
    });
    assign(entryOfLeadingNumber(w->toolTip()), [&](const QString& t) { w->setToolTip(t); });
}

// Controls that belong to the window itself: not the insides of a toolbar
// (handled through its actions), not the contents of MDI children, not other
// windows parented to it.
bool isOwnControl(const QWidget* w, const QWidget* frm) {
    if (w->window() != frm->window()) return false;
    for (const QWidget* p = w->parentWidget(); p && p != frm; p = p->parentWidget()) {
        if (qobject_cast<const QToolBar*>(p) || qobject_cast<const QMdiArea*>(p)) return false;
    }
    return true;
}

}  // namespace

void ApplyResourceStrings(QWidget* frm) {
    if (!frm) return;
    assign(entryOfWholeNumber(tagOf(frm)), [&](const QString& t) { frm->setWindowTitle(t); });
    // A dialog's controls all take the dialog's font, also those designed with
    // a font of their own; the main window has no font to hand on.
    const bool handsOnFont = !qobject_cast<QMainWindow*>(frm);
    for (QWidget* w : frm->findChildren<QWidget*>()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            applyToMenu(menu);  // menus are popups: windows of their own
            continue;
        }
        if (!isOwnControl(w, frm)) continue;
        if (handsOnFont) w->setFont(frm->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            assign(entryOfWholeNumber(tagOf(label)), [&](const QString& t) { label->setText(t); });
        } else if (auto* bar = qobject_cast<QToolBar*>(w)) {
            applyToToolBar(bar);
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            applyToTabBar(tabs);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            applyToTree(tree);
        } else {
            applyToOther(w);
        }
    }
}

}  // namespace tervalo::shell
