#pragma once
// A rich-text document window (frmDocument): one rich text box, rtfText, kept
// 100 twips inside the window on every side, its lines wrapped 400 twips
// before its right edge. Every document is a new instance; the main window's
// document actions caption it and read and write its files.
#include <QWidget>
#include <functional>

class QTextEdit;

namespace tervalo::shell {

// The state of a rich text box's selection that the toolbar shows.
struct SelectionFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool operator==(const SelectionFormat&) const = default;
};

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(QWidget* parent = nullptr);

    QTextEdit* richText() const { return m_rtfText; }
    SelectionFormat selectionFormat() const;

    // Asked when the window is about to close; false keeps it open.
    void setCloseGuard(std::function<bool(DocumentWindow*)> guard) { m_closeGuard = std::move(guard); }

    // Reads `path` into `box` (RTF when it begins "{\rtf", else plain text) and
    // marks it unchanged. An unreadable file raises a run-time error and leaves
    // the box as it was.
    static void load(QTextEdit* box, const QString& path);
    // The two steps of load(): the bytes of `path` (raising when unreadable), then
    // the box showing them.
    static QByteArray readFile(const QString& path);
    static void showText(QTextEdit* box, const QByteArray& data);
    // Writes `box` to `path` as RTF and marks it unchanged. A file that cannot
    // be written raises a run-time error saying why, and keeps what it held.
    static void save(QTextEdit* box, const QString& path);

signals:
    // The selection or the caret moved, or the format under it changed.
    void selectionFormatChanged(const tervalo::shell::SelectionFormat& format);

public:
    // Opens at its designed size (the text box is placed by hand, so no layout gives one).
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void onRtfTextSelChange();

    QTextEdit* m_rtfText = nullptr;
    std::function<bool(DocumentWindow*)> m_closeGuard;
};

}  // namespace tervalo::shell
