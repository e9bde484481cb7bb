#pragma once
// The log window's text box (RichTextBox1), fed from the log's file. While
// the log is short the box holds all of it, as any text box would. A long log
// is held a window of lines at a time around what is in view: the box's own
// scroll bar gives way to one over every line of the log, and the window moves
// as the user scrolls, pages, moves the cursor to a window's edge or presses
// Ctrl+Home or Ctrl+End. A view showing the log's last line stays at the end
// as the log grows.
//
// The box shows each line end as a paragraph break; a CR or paragraph
// separator inside a line shows as a blank, so that every line of the log is
// one paragraph of the box.
#include <QWidget>
#include <memory>

#include "jobs/LogFile.h"

class QPlainTextEdit;
class QScrollBar;

namespace tervalo::warehouse {

class LogView : public QWidget {
    Q_OBJECT
public:
    // Lines the box holds of a long log; a window at the log's end takes the
    // lines that come up to kMostLines, then holds the last kWindowLines again.
    static constexpr qint64 kWindowLines = 2000;
    static constexpr qint64 kMostLines = kWindowLines * 3 / 2;

    explicit LogView(QWidget* parent = nullptr);

    // Shows `log` from its top.
    void setLog(std::shared_ptr<jobs::LogFile> log);
    const std::shared_ptr<jobs::LogFile>& log() const { return m_log; }
    // The log has grown: shows its new lines.
    void refresh();

    QPlainTextEdit* box() const { return m_box; }
    // The line of the log in the box's first paragraph, and how many it holds.
    qint64 firstLine() const { return m_first; }
    qint64 heldLines() const { return m_held; }

    // Lines of the log as the box shows them.
    static QString shown(QString text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Holds the lines from `first` on of the log as it is now counted, the
    // cursor and selection kept where they can be.
    void hold(qint64 first);
    qint64 topLine() const;
    int visibleLines() const;
    void scrollTo(qint64 line);
    void atEnd();
    void onBoxScrolled();
    void onLogScrolled(int line);
    void updateScrollBar();

    std::shared_ptr<jobs::LogFile> m_log;
    QPlainTextEdit* m_box = nullptr;
    QScrollBar* m_scroll = nullptr;  // over every line of a long log
    qint64 m_first = 0;
    qint64 m_held = 1;
    qint64 m_total = 1;  // the log's lines when last shown
    bool m_syncing = false;
};

}  // namespace tervalo::warehouse
