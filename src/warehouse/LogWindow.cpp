#include "warehouse/LogWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/RuntimeError.h"
#include "platform/FileWriter.h"
#include "platform/Notifier.h"
#include "platform/RtfWriter.h"
#include "platform/TextPrinting.h"
#include "platform/Twips.h"
#include "warehouse/JobRunner.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"

namespace tervalo::warehouse {

namespace FB = widgets::FormBuilder;

namespace {

// The box shows a line end as its own paragraph break.
QString shown(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

}  // namespace

LogWindow::LogWindow(widgets::AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmLog"));
    setWindowTitle(QStringLiteral("Log"));
    auto* outer = new QVBoxLayout(this);
    m_box = new QPlainTextEdit(this);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setAccessibleName(QStringLiteral("Log"));
    m_box->setReadOnly(true);
    m_box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    outer->addWidget(m_box, 1);

    auto* buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setMinimumWidth(platform::Twips::toPixels(3000));
    m_cancel = FB::button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    buttons->addWidget(m_progress);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    QPushButton* print = FB::button(this, QStringLiteral("Command1_0"), QStringLiteral("&Print"));
    QPushButton* save = FB::button(this, QStringLiteral("Command1_1"), QStringLiteral("&Save"));
    buttons->addWidget(print);
    buttons->addWidget(save);
    outer->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &LogWindow::print);
    connect(save, &QPushButton::clicked, this, &LogWindow::save);
    showProgress(false);
}

QSize LogWindow::sizeHint() const { return {platform::Twips::toPixels(9600), platform::Twips::toPixels(6600)}; }

void LogWindow::setText(const QString& log) {
    // A followed run ends with the text its pieces already show.
    if (log == m_text && !log.isEmpty()) return;
    m_text = log;
    m_box->setPlainText(shown(log));
}

void LogWindow::appendText(const QString& piece) {
    m_text += piece;
    QTextCursor end(m_box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown(piece));
}

void LogWindow::follow(JobRunner& runner) {
    for (const QMetaObject::Connection& c : std::as_const(m_following))
        disconnect(c);
    m_following = {
        connect(&runner, &JobRunner::started, this, [this] { setText(QString()); }),
        connect(&runner, &JobRunner::runningChanged, this, &LogWindow::showProgress),
        connect(&runner, &JobRunner::logAppended, this, &LogWindow::appendText),
        connect(&runner, &JobRunner::progressChanged, this,
                [this](int done, int total) {
                    m_progress->setRange(0, std::max(total, 1));
                    m_progress->setValue(done);
                }),
        connect(&runner, &JobRunner::finished, this, &LogWindow::setText),
        connect(m_cancel, &QPushButton::clicked, &runner, &JobRunner::cancel),
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

void LogWindow::print() {
    try {
        QPrinter printer;
        if (!preparePrinter(printer)) return;
        platform::printText(*m_box->document(), m_box->textCursor(), true, m_box, printer);
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
    if (const std::optional<QString> reason =
            platform::FileWriter::write(name, platform::RtfWriter::write(*m_box->document())))
        reportFailure(platform::FileWriter::failureMessage(name, *reason));
}

// The window's own error box: the description, OK, no title of its own.
void LogWindow::reportFailure(const QString& description) { m_ctx.notifier.show(this, description); }

}  // namespace tervalo::warehouse
