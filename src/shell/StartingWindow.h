#pragma once
// frmStarting, "Switch Board": the start page's guidance beside the left
// panel. A borderless child window of the main window with no close button
// (the caption is never displayed): `Label1` the title in bold Arial, `lblHelp`
// the text, `Label3` a coloured band. It has no behaviour of its own; the left
// panel writes its two labels.
#include <QWidget>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace tervalo::shell {

class StartingWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartingWindow(QWidget* parent = nullptr);

    // The title the board opens with: the program's name inset by three blanks
    // (an entry's title by one).
    static QString designedTitle() { return QStringLiteral("   Tervalo"); }

    void setTitle(const QString& title);
    void setHelp(const QString& text);
    QString title() const;
    QString help() const;

    // Makes the text area tall enough for the longest of `texts`, and the
    // window wide enough for the longest of `titles`, so that no guidance is
    // cut off; the window takes its new size.
    void reserveFor(const QStringList& texts, const QStringList& titles);

    // Puts the window into `area` as a borderless sub-window without a close
    // button, at the area's top left; it is not shown. It stays behind the
    // other child windows and is never their active one.
    QMdiSubWindow* addTo(QMdiArea* area);

private:
    // The child window highest in the stack other than the board, not minimised; nullptr when none.
    static QMdiSubWindow* topmostOther(const QMdiArea* area, const QMdiSubWindow* board);

    QLabel* m_label1;
    QLabel* m_lblHelp;
    QLabel* m_label3;
};

}  // namespace tervalo::shell
