#pragma once
// A lot-size window made as the program makes it (through the window registry
// the lot-size windows register with), over a fresh WindowTestContext, with the
// controls the window tests reach by name. The test owns the window.
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <memory>

#include "lotsize/LotSizeWindows.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"

namespace tervalo::test {

template <class Window = QWidget>
struct RegisteredWindow {
    explicit RegisteredWindow(const QString& form, bool openDatabase = true) : t(openDatabase) {
        lotsize::registerLotSizeWindows(t.ctx);
        w.reset(t.registry.instanceAs<Window>(windowId(form)));  // the registry's slot forgets it when it goes
    }

    QLineEdit* box(const QString& name) const { return test::box(*w, name); }
    QPushButton* button(const QString& name) const { return test::button(*w, name); }
    QRadioButton* option(int i) const { return w->template findChild<QRadioButton*>(QString("optTime_%1").arg(i)); }
    void click(const QString& name) const { button(name)->click(); }
    // Sets boxes from "name=text" entries.
    void type(const QStringList& entries) const {
        for (const QString& entry : entries)
            box(entry.section('=', 0, 0))->setText(entry.section('=', 1));
    }
    QStringList unitLabels() const {
        QStringList texts;
        for (const QLabel* label : w->template findChildren<QLabel*>(QRegularExpression("^lblTimePeriod_\\d+$")))
            texts << label->text();
        return texts;
    }
    bool showActive() const {
        w->show();
        return QTest::qWaitForWindowActive(w.get());
    }
    // Scrolls the form so that a real click reaches `widget`.
    QWidget* reveal(QWidget* widget) const {
        w->template findChild<QScrollArea*>()->ensureWidgetVisible(widget);
        return widget;
    }
    int rows(const QString& table = "EOQ1") { return t.rowCount(table); }
    const RecordedMessage& last() const { return t.notifier.last(); }

    WindowTestContext t;
    std::unique_ptr<Window> w;
};

}  // namespace tervalo::test
