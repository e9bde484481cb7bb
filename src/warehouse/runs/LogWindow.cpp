#include "warehouse/runs/LogWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/RuntimeError.h"
#include "jobs/JobRunner.h"
#include "platform/FileWriter.h"
#include "platform/Notifier.h"
#include "platform/TextPrinting.h"
#include "rtf/RtfWriter.h"
#include "rtf/Twips.h"
#include "warehouse/runs/LogView.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::warehouse {

namespace fb = widgets::FormBuilder;

namespace {

// Print and Save read the log in pieces of this many lines.
constexpr qint64 kPieceLines = 2000;

// The log's lines a piece at a time, as the box shows them; nullopt after the last.
class Pieces {
public:
    explicit Pieces(const jobs::LogFile& log) : m_log(log), m_lines(log.lineCount()) {}
    std::optional<QString> next() {
        if (m_next >= m_lines) return std::nullopt;
        const qint64 count = std::min(kPieceLines, m_lines - m_next);
        // Without the line end of its last line: the next piece begins a paragraph.
        const QString piece = LogView::shown(m_log.lines(m_next, count));
        m_next += count;
        return piece;
    }

private:
    const jobs::LogFile& m_log;
    const qint64 m_lines;
    qint64 m_next = 0;
};

}  // namespace

LogWindow::LogWindow(widgets::AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::Log));
    setWindowTitle(QStringLiteral("Log"));
    auto* outer = new QVBoxLayout(this);
    m_view = new LogView(this);
    QPlainTextEdit* box = m_view->box();
    box->setObjectName(QStringLiteral("RichTextBox1"));
    box->setAccessibleName(QStringLiteral("Log"));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    outer->addWidget(m_view, 1);

    auto* buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setMinimumWidth(rtf::Twips::toPixels(3000));
    m_cancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    buttons->addWidget(m_progress);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    QPushButton* print = fb::button(this, QStringLiteral("Command1_0"), QStringLiteral("&Print"));
    QPushButton* save = fb::button(this, QStringLiteral("Command1_1"), QStringLiteral("&Save"));
    buttons->addWidget(print);
    buttons->addWidget(save);
    outer->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &LogWindow::print);
    connect(save, &QPushButton::clicked, this, &LogWindow::save);
    showProgress(false);
}

QSize LogWindow::sizeHint() const { return {rtf::Twips::toPixels(9600), rtf::Twips::toPixels(6600)}; }

QPlainTextEdit* LogWindow::textBox() const { return m_view->box(); }

void LogWindow::setText(const QString& log) { m_view->setLog(std::make_shared<jobs::LogFile>(log)); }

QString LogWindow::text() const { return m_view->log()->text(); }

void LogWindow::follow(jobs::JobRunner& runner) {
    for (const QMetaObject::Connection& c : std::as_const(m_following))
        disconnect(c);
    m_following = {
        connect(&runner, &jobs::JobRunner::started, this, [this, &runner] { m_view->setLog(runner.log()); }),
        connect(&runner, &jobs::JobRunner::runningChanged, this, &LogWindow::showProgress),
        connect(&runner, &jobs::JobRunner::logAppended, m_view, &LogView::refresh),
        connect(&runner, &jobs::JobRunner::progressChanged, this,
                [this](int done, int total) {
                    m_progress->setRange(0, std::max(total, 1));
                    m_progress->setValue(done);
                }),
        connect(&runner, &jobs::JobRunner::finished, m_view, &LogView::refresh),
        connect(m_cancel, &QPushButton::clicked, &runner, &jobs::JobRunner::cancel),
    };
    runner.setMessageParent(this);
    showProgress(runner.running());
}

bool LogWindow::showsProgress() const { return !m_progress->isHidden(); }

void LogWindow::showProgress(bool running) {
    m_progress->setVisible(running);
    m_cancel->setVisible(running);
    if (running) m_progress->setRange(0, 0);  // busy until the count is known
}

bool LogWindow::preparePrinter(QPrinter& printer) {
    const QPrinterInfo current = QPrinterInfo::defaultPrinter();
    if (current.isNull()) throw core::RuntimeError(core::ErrorCode::InvalidCall, "No printer is installed.");
    printer.setPrinterName(current.printerName());
    return true;
}

// The selection is in the box; the whole log is printed from its file.
void LogWindow::print() {
    try {
        QPrinter printer;
        if (!preparePrinter(printer)) return;
        QPlainTextEdit* box = textBox();
        if (box->textCursor().hasSelection()) {
            platform::printText(*box->document(), box->textCursor(), true, box, printer);
        } else {
            Pieces pieces(*m_view->log());
            platform::printTextInPieces([&pieces] { return pieces.next(); }, box->document()->defaultFont(), box,
                                        printer);
        }
    } catch (const core::RuntimeError& fault) {
        reportFailure(QString::fromStdString(fault.description()));
    }
}

QString LogWindow::askSaveFileName(const QString& previous) {
    return QFileDialog::getSaveFileName(this, QString(), previous);
}

void LogWindow::save() {
    const QString name = askSaveFileName(m_savedName);
    if (name.isEmpty()) return;
    m_savedName = name;
    // Written from the log's file a piece at a time, as the box's document would be.
    rtf::RtfWriter::PlainText rtf(textBox()->document()->defaultFont());
    Pieces pieces(*m_view->log());
    bool begun = false;
    bool ended = false;
    const auto next = [&]() -> QByteArray {
        if (!std::exchange(begun, true)) return rtf.begin();
        if (const std::optional<QString> piece = pieces.next()) return rtf.paragraphs(*piece);
        return std::exchange(ended, true) ? QByteArray() : rtf.end();
    };
    if (const std::optional<QString> reason = platform::FileWriter::write(name, next))
        reportFailure(platform::FileWriter::failureMessage(name, *reason));
}

// The window's own error box: the description, OK, no title of its own.
void LogWindow::reportFailure(const QString& description) { m_ctx.notifier.show(this, description); }

}  // namespace tervalo::warehouse
