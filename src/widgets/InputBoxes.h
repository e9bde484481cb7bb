#pragma once
// The input-box convention of the model windows:
//  - focus colouring: yellow (#FFFF00) on focus, white on leaving;
//  - key filter: NumericKeyFilter (digits, ".", Backspace, Enter pass; all else dropped);
//  - Enter moves on exactly as Tab does;
//  - leave-time number check: a non-empty text that is not a number shows
//    "This field must be a number." titled "Not a number" (exclamation icon) and the
//    focus stays; the click or key that would have moved the focus is swallowed.
// Controls whose "causesValidation" property is false (the Example and Clear
// buttons of some windows) are reached without the check.
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

struct InputBoxOptions {
    bool colouring = true;
    bool keyFilter = true;
    bool enterMovesOn = true;
    bool numberCheck = true;
    // The message of the leave-time check and its title.
    QString checkText = QStringLiteral("This field must be a number.");
    QString checkTitle = QStringLiteral("Not a number");
};

namespace InputBoxes {

// The number-box row of the convention.
inline InputBoxOptions numberBox() { return {}; }
// The item-name box: colouring and Enter only.
inline InputBoxOptions itemBox() {
    InputBoxOptions o;
    o.keyFilter = false;
    o.numberCheck = false;
    return o;
}

// Gives `box` the behaviour in `options`. The notifier shows the check's message.
// Installing again on the same box replaces its options. The first call also
// installs the application-wide filter that runs the leave-time check.
// Only typed characters are filtered; pasted text is not. Enter on a focused
// button presses it only when the button has autoDefault set: windows make
// their buttons with FormBuilder::button, which sets it.
void install(QLineEdit* box, const InputBoxOptions& options, platform::Notifier* notifier);

// Marks a control as reached without the leave-time check (Clear, Example).
void setCausesValidation(QWidget* control, bool causes);
// Whether reaching `control` runs the check (true unless set false above).
bool causesValidation(const QWidget* control);

// The check itself, for callers that need it: true when `text` passes.
bool passesNumberCheck(const QString& text);

}  // namespace InputBoxes

}  // namespace tervalo::widgets
