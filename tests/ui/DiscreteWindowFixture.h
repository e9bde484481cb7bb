#pragma once
// A discrete-demand window made as the program makes it (through the window
// registry the stochastic windows register with), over a fresh
// WindowTestContext, with the row editor and the demonstration at hand. The
// registry owns the window: Clear of the aspiration window replaces it there.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "stochastic/DemandTableEditor.h"
#include "stochastic/StochasticWindows.h"
#include "support/WindowTestContext.h"

namespace tervalo::test {

template <class Window>
struct DiscreteWindowFixture {
    explicit DiscreteWindowFixture(widgets::WindowId form) : t(false) {
        stochastic::registerStochasticWindows(t.ctx);
        w = t.registry.instanceAs<Window>(form);
    }

    QLineEdit* box(const QString& name) const { return w->template findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) const { return w->template findChild<QPushButton*>(name); }
    QPlainTextEdit* narration() const { return w->template findChild<QPlainTextEdit*>("txtDemo"); }
    stochastic::DemandTableEditor& editor() const { return *w->editor(); }
    void click(const QString& name) const { button(name)->click(); }
    void set(const QString& name, const QString& text) const { box(name)->setText(text); }

    // Types one row into the editor's boxes, as the program sets them.
    void row(const QString& demand, const QString& probability) const {
        set("txtDemand", demand);
        set("txtProbability", probability);
    }
    // Rows stored by Next, the last one left in the boxes.
    void rows(const QList<QPair<QString, QString>>& table) const {
        for (int i = 0; i < table.size(); ++i) {
            if (i > 0) editor().next();
            row(table.at(i).first, table.at(i).second);
        }
    }

    // Runs an editor script: "d=TEXT" and "p=TEXT" set a box, "kp=KEYS" types
    // into the probability box, "vp=TEXT" pastes into it, ">" presses Next, "<" Previous.
    void run(const QStringList& script) const {
        for (const QString& command : script) {
            if (command == ">")
                editor().next();
            else if (command == "<")
                editor().previous();
            else if (command.startsWith("d="))
                set("txtDemand", command.mid(2));
            else if (command.startsWith("p="))
                set("txtProbability", command.mid(2));
            else if (command.startsWith("kp="))
                QTest::keyClicks(box("txtProbability"), command.mid(3));
            else if (command.startsWith("vp=")) {
                QGuiApplication::clipboard()->setText(command.mid(3));
                QTest::keySequence(box("txtProbability"), QKeySequence::Paste);
            }
        }
    }
    // One demonstration step, as the timer plays it.
    void step() const { w->demo(w->demoStep()); }
    // Presses Demo, then plays `steps` steps as the timer would.
    void playDemo(int steps) const {
        click("cmdDemo");
        for (int i = 0; i < steps; ++i)
            step();
    }

    bool showActive() const {
        w->show();
        return QTest::qWaitForWindowActive(w.data());
    }
    QStringList messages() const { return t.notifier.texts(); }
    // The messages as "title|text".
    QStringList titled() const {
        QStringList out;
        for (const RecordedMessage& m : t.notifier.messages)
            out << m.title + "|" + m.text;
        return out;
    }
    const RecordedMessage& last() const { return t.notifier.last(); }
    int beeps() const { return t.beeper.beeps; }

    WindowTestContext t;
    QPointer<Window> w;
};

// The demonstration's six rows, typed in ascending order of demand.
inline QList<QPair<QString, QString>> exampleRows() {
    return {{"0", "0.1"}, {"1", "0.2"}, {"2", "0.2"}, {"3", "0.2"}, {"4", "0.2"}, {"5", "0.1"}};
}

// The same rows typed from 5 down to 0.
inline QList<QPair<QString, QString>> exampleRowsDescending() {
    QList<QPair<QString, QString>> rows = exampleRows();
    std::reverse(rows.begin(), rows.end());
    return rows;
}

}  // namespace tervalo::test
