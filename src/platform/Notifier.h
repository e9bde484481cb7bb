#pragma once
// Message boxes. The program shows them through QMessageBox; tests record them
// with RecordingNotifier and script the answers.
#include <QString>

class QWidget;

namespace tervalo::platform {

enum class MsgIcon { None, Exclamation, Information, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// Title of a box shown without a title of its own.
inline const QString kProgramTitle = QStringLiteral("Tervalo");

class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows a modal box. An empty title shows the program's title.
    virtual MsgResult show(QWidget* parent, const QString& text, const QString& title = QString(),
                           MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;
    // The same, with the button that Enter presses when the box opens (the
    // first button unless given): a question whose Yes cannot be undone
    // defaults to No.
    virtual MsgResult ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                          MsgResult defaultButton) {
        (void)defaultButton;
        return show(parent, text, title, icon, buttons);
    }
};

}  // namespace tervalo::platform
