#include "platform/TextReportWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "platform/FileWriter.h"
#include "platform/MessageBoxNotifier.h"

namespace tervalo::platform {

namespace {

// The reports line their columns up by characters, so the face must be of
// fixed pitch: one the program installs (fonts-dejavu-core,
// fonts-liberation2), else the desktop's fixed font, else any fixed-pitch face.
// The desktop's own is not always one: fontconfig may answer "monospace" with a
// face it does not mark fixed-pitch (Noto Sans Mono).
QFont reportFont() {
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto face = [&desktop](const QString& family) {
        QFont font(desktop);
        font.setFamily(family);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        return font;
    };
    for (const QString& family :
         {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), desktop.family()})
        if (QFontInfo(face(family)).fixedPitch()) return face(family);
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family) && QFontInfo(face(family)).fixedPitch()) return face(family);
    return desktop;
}

}  // namespace

TextReportWindow::TextReportWindow(const QString& title, Notifier* notifier, QWidget* parent)
    : QMainWindow(parent), m_notifier(notifier) {
    setObjectName(QStringLiteral("TextReportWindow"));
    setWindowTitle(title);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("txtReport"));
    m_editor->setAccessibleName(title);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setFont(reportFont());
    // The reports line their columns up with tabs every eight characters.
    m_editor->setTabStopDistance(kTabStopCharacters * QFontMetricsF(m_editor->font()).horizontalAdvance(u' '));
    setCentralWidget(m_editor);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* saveAction = file->addAction(tr("Save &As..."), this, &TextReportWindow::saveAs);
    saveAction->setShortcut(QKeySequence::SaveAs);
    QAction* printAction = file->addAction(tr("&Print..."), this, &TextReportWindow::print);
    printAction->setShortcut(QKeySequence::Print);
    file->addSeparator();
    file->addAction(tr("&Close"), this, &QWidget::close);

    QToolBar* tools = addToolBar(tr("Report"));
    tools->setObjectName(QStringLiteral("tbReport"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(saveAction);
    tools->addAction(printAction);
    resize(640, 480);
}

void TextReportWindow::type(const QString& piece) {
    // Pieces always go to the end, wherever the user has put the cursor meanwhile.
    QTextCursor cursor(m_editor->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(textOfPiece(piece));
    fitWidestLine();
}

// The window grows, as far as the screen allows, so that its longest line
// shows whole without scrolling sideways.
void TextReportWindow::fitWidestLine() {
    int columns = 0;
    for (QTextBlock line = m_editor->document()->begin(); line.isValid(); line = line.next()) {
        int column = 0;
        for (const QChar c : line.text())
            column = c == u'\t' ? (column / kTabStopCharacters + 1) * kTabStopCharacters : column + 1;
        columns = std::max(columns, column);
    }
    // Two characters spare: the cursor after the last one, and rounding.
    const QFontMetricsF metrics(m_editor->font());
    const int text = int(std::ceil((columns + 2) * metrics.horizontalAdvance(u' '))) +
                     2 * int(m_editor->document()->documentMargin());
    // The editor fills the window's width: its frame and vertical scroll bar
    // are all there is around the text.
    const int around =
        2 * m_editor->frameWidth() + m_editor->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_editor);
    int wanted = text + around;
    if (const QScreen* shown = screen()) {
        const int borders = frameGeometry().width() - width();
        wanted = std::min(wanted, shown->availableGeometry().width() - borders);
    }
    if (wanted > width()) resize(wanted, height());
}

QString TextReportWindow::text() const { return m_editor->toPlainText(); }

bool TextReportWindow::saveTo(const QString& path) {
    const std::optional<QString> reason = FileWriter::write(path, text().toUtf8());
    if (!reason) {
        m_editor->document()->setModified(false);
        return true;
    }
    const QString message = tr("The report could not be saved as %1: %2.").arg(path, *reason);
    notifier().show(this, message, QString(), MsgIcon::Exclamation);
    return false;
}

QString TextReportWindow::askSavePath() {
    return QFileDialog::getSaveFileName(this, tr("Save As"), tr("Report.txt"), tr("Text files (*.txt);;All files (*)"));
}

bool TextReportWindow::saveAs() {
    const QString path = askSavePath();
    return !path.isEmpty() && saveTo(path);
}

// The report exists nowhere else: closing it unsaved would lose it.
void TextReportWindow::closeEvent(QCloseEvent* event) {
    QTextDocument* document = m_editor->document();
    if (!document->isModified() || document->isEmpty()) {
        event->accept();
        return;
    }
    const MsgResult answer = notifier().show(this, tr("The report has not been saved. Do you want to save it?"),
                                             QString(), MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    const bool close = answer == MsgResult::No || (answer == MsgResult::Yes && saveAs());
    if (close)
        event->accept();
    else
        event->ignore();
}

Notifier& TextReportWindow::notifier() {
    static MessageBoxNotifier fallback;
    return m_notifier ? *m_notifier : fallback;
}

void TextReportWindow::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) m_editor->print(&printer);
}

}  // namespace tervalo::platform
