#pragma once
// The program's plain-text report window: a separate top-level window holding
// the report as editable, unsaved text, with Save As and Print. Report pieces
// are appended as they arrive: "{TAB}" is a tab, "{ENTER}" or "{Enter}" a line
// break, and any other piece is inserted as it stands, so an item name such as
// "Paper (A4) +50% {x}" appears exactly as typed in its box. The text is in a
// fixed-pitch font with a tab stop every eight characters; the window widens
// to its longest line, as far as the screen allows. Closing a report
// that was never saved asks first, as a text editor does.
#include <QMainWindow>

#include "platform/TextReport.h"

class QPlainTextEdit;

namespace tervalo::platform {

class Notifier;

class TextReportWindow : public QMainWindow, public TextReportSink {
    Q_OBJECT
public:
    static constexpr int kTabStopCharacters = 8;

    // `notifier` reports a failed save and asks before an unsaved report is
    // closed; without one a message box is shown.
    explicit TextReportWindow(const QString& title, Notifier* notifier = nullptr, QWidget* parent = nullptr);

    void type(const QString& piece) override;
    QString text() const override;  // line ends are "\n"

    // Writes the text as UTF-8 to `path`; reports a failure and returns false.
    bool saveTo(const QString& path);
    QPlainTextEdit* editor() const { return m_editor; }

public slots:
    // Asks for a file name, then saveTo(); false when cancelled or not saved.
    bool saveAs();
    void print();  // the print dialog, then prints the text

protected:
    void closeEvent(QCloseEvent* event) override;
    // The file name for Save As; empty when the user cancels.
    virtual QString askSavePath();

private:
    Notifier& notifier();
    void fitWidestLine();

    QPlainTextEdit* m_editor = nullptr;
    Notifier* m_notifier = nullptr;
};

}  // namespace tervalo::platform
