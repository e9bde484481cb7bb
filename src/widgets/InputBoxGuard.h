#pragma once
// The application-wide half of the input-box convention: the leave-time check.
// Qt cannot take back a focus change once focusOutEvent runs, and for a real
// click QApplication moves the focus before any widget's own filter sees the
// press. So this filter, on the application, looks at what is about to move the
// focus, works out where it would go (InputBoxTargets), and, when the box
// holding the focus fails its check, swallows the event: no focus change, no
// press, no release, no click.
//  - mouse press, double-click and wheel, at the window (QWindow) level;
//  - Tab, Shift+Tab and Backtab key presses at the focus widget;
//  - mnemonics (QEvent::Shortcut at a widget), menus and tool bars excepted.
// A mnemonic that passes moves the focus to its control before Qt clicks it.
#include <QObject>

class QKeyEvent;
class QLineEdit;
class QWidget;
class QWindow;

namespace tervalo::widgets {

class InputBoxGuard : public QObject {
    Q_OBJECT
public:
    // Installs the one guard on the application, once.
    static void ensureInstalled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputBoxGuard(QObject* parent);

    bool filterWindowEvent(QWindow* window, QEvent* event);
    bool filterTab(QWidget* widget, const QKeyEvent* key);
    bool filterShortcut(QWidget* widget);
    // True when the focus may go to `target`; otherwise the check's message has
    // been shown (or one is open already) and the move must be swallowed.
    bool mayMoveTo(QWidget* target);
    void giveFocusBack(QLineEdit* box);

    bool m_checking = false;
};

}  // namespace tervalo::widgets
