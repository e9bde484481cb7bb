#pragma once
// frmLog, "Log": the one window that shows the log of the batch analysis, the
// write-back run and the import. A run replaces its whole text at once, or
// follows a JobRunner: the runner's log file is shown as it grows, with a
// progress bar and Cancel while it goes. The log is never held whole: the box
// holds the lines around what is in view (LogView), and Print and Save read
// the log from its file. Print prints the selection, or the whole log when
// nothing is selected, on the current printer; Save writes the log as a
// rich-text file under the name the user gives (none: nothing is written).
// Their failures are shown with the description alone.
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPrinter;
class QProgressBar;
class QPushButton;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::jobs {
class JobRunner;
}

namespace tervalo::warehouse {

class LogView;

class LogWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // The whole log, CR LF line ends, replacing what was shown.
    void setText(const QString& log);
    // The log as last set or appended, with its CR LF line ends; read whole
    // from its file, for a log known to be short.
    QString text() const;

    // Shows the runner's log, progress and Cancel while it runs (its earlier
    // runs are no longer followed by another window).
    void follow(jobs::JobRunner& runner);
    bool showsProgress() const;

    QPlainTextEdit* textBox() const;
    LogView* view() const { return m_view; }
    QSize sizeHint() const override;

public slots:
    void print();
    void save();

protected:
    // Sets the printer up for the current printer; false (or a RuntimeError
    // with its description) when there is none. Tests print into a file.
    virtual bool preparePrinter(QPrinter& printer);
    // The save dialog, its name box holding `previous`; empty when cancelled.
    virtual QString askSaveFileName(const QString& previous);

private:
    void showProgress(bool running);
    void reportFailure(const QString& description);

    widgets::AppContext& m_ctx;
    QString m_savedName;
    LogView* m_view = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QList<QMetaObject::Connection> m_following;
};

}  // namespace tervalo::warehouse
