#pragma once
// The timed demonstration of the two discrete-demand windows: every 3 seconds
// the timer ("Timer1") plays the next step of the window's script, which types
// or sets the worked example into the window and presses its buttons while the
// narration box ("txtDemo") says what happens. Steps 1 to 20 enter the six rows
// of the example into the row editor and are the same in both windows; each
// window appends its own steps, the last of which ends the demonstration.
//
// Typing sends key events to the named box of the window itself, so the keys
// pass its key filter and change handler as real typing does, and never reach
// another window that happens to be active.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace tervalo::stochastic {

class DemandTableEditor;

struct DemoStep {
    std::optional<QString> narration;  // nullopt: the narration stays as it is
    std::function<void()> action;      // may be empty
};

class Demonstration : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 3000;

    // `cmdDemo` starts it, `narration` shows what each step does; both belong
    // to the window, which owns this object too.
    Demonstration(QPushButton* cmdDemo, QPlainTextEdit* narration, QObject* parent);

    // The steps from 1; the window's last one calls finish().
    void setScript(std::vector<DemoStep> steps) { m_steps = std::move(steps); }

    // After the window has been returned to its initial state: disables the
    // Demo button, shows the welcome, and starts the timer from step 1.
    void start();
    // One step: `reSet` 0 starts from step 1, any other value plays the step
    // after the last one played. A number beyond the script does nothing.
    void demo(int reSet);
    // What the timer passes to demo(): 0 before the first step, then the
    // number of the step last played.
    int demoStep() const { return m_demoStep; }
    // The last step: the narration emptied and hidden, the timer off, the
    // Demo button enabled again.
    void finish();

    QTimer* timer() const { return m_timer; }
    bool isRunning() const;

    // The step words.
    // Sends `keys` to `box` as typed characters, one key press and release each.
    static void type(QWidget* box, const QString& keys);
    // Moves the focus to `control` (a button only receives it).
    static void focus(QWidget* control);

    // The narration box "txtDemo": read-only, a few lines high, hidden until a
    // demonstration starts (its place in the layout is kept).
    static QPlainTextEdit* narrationBox(QWidget* parent);
    // The example's six rows as a two-column table laid out with blanks, under
    // the headings `demandHeading` and "Probability".
    static QString exampleTable(const QString& demandHeading);

    // Steps 1 to 20: the six rows (0, 0.1), (1, 0.2), (2, 0.2), (3, 0.2),
    // (4, 0.2) stored by Next and (5, 0.1) left in the boxes.
    static std::vector<DemoStep> rowEntrySteps(DemandTableEditor& editor);

private:
    void onTimeout();

    QPushButton* m_cmdDemo;
    QPlainTextEdit* m_narration;
    QTimer* m_timer;
    std::vector<DemoStep> m_steps;
    int m_demoStep = 0;
    int m_stepCounter = 0;
};

}  // namespace tervalo::stochastic
