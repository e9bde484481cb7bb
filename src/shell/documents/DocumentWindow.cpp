#include "shell/documents/DocumentWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QTextEdit>
#include <algorithm>

#include "core/RuntimeError.h"
#include "platform/FileWriter.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/Twips.h"
#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace {

using rtf::Twips::toPixels;
using rtf::Twips::toTwips;

constexpr int kMargin = 100;     // twips around the rich text box
constexpr int kWrapInset = 400;  // twips between the box's right edge and its right margin
constexpr int kInitialWidth = 7200;
constexpr int kInitialHeight = 4800;

// The description of a file that could not be read, as the user reads it.
[[noreturn]] void raiseReadError(const QFile& file) {
    std::string description = "Path/File access error";
    if (!QFileInfo::exists(file.fileName()))
        description = "File not found";
    else if (file.error() == QFileDevice::PermissionsError)
        description = "Permission denied";
    throw core::RuntimeError(core::ErrorCode::Other, description);
}

}  // namespace

DocumentWindow::DocumentWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(widgets::formName(widgets::WindowId::Document));
    setWindowTitle(widgets::formName(widgets::WindowId::Document));
    m_rtfText = new QTextEdit(this);
    m_rtfText->setObjectName(QStringLiteral("rtfText"));
    m_rtfText->setAccessibleName(QStringLiteral("Document text"));
    m_rtfText->setLineWrapMode(QTextEdit::FixedPixelWidth);
    connect(m_rtfText, &QTextEdit::currentCharFormatChanged, this, &DocumentWindow::onRtfTextSelChange);
    connect(m_rtfText, &QTextEdit::cursorPositionChanged, this, &DocumentWindow::onRtfTextSelChange);
    connect(m_rtfText, &QTextEdit::selectionChanged, this, &DocumentWindow::onRtfTextSelChange);
    setFocusProxy(m_rtfText);
    resize(toPixels(kInitialWidth), toPixels(kInitialHeight));
    layOut();
}

SelectionFormat DocumentWindow::selectionFormat() const {
    const QTextCharFormat f = m_rtfText->currentCharFormat();
    return {f.fontWeight() > QFont::Normal, f.fontItalic(), f.fontUnderline(),
            m_rtfText->alignment() & Qt::AlignHorizontal_Mask};
}

void DocumentWindow::onRtfTextSelChange() { emit selectionFormatChanged(selectionFormat()); }

QSize DocumentWindow::sizeHint() const { return {toPixels(kInitialWidth), toPixels(kInitialHeight)}; }

void DocumentWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

// A window too small for the margins gets an empty box, never a failure.
void DocumentWindow::layOut() {
    const int width = std::max(0, toTwips(this->width()) - 2 * kMargin);
    const int height = std::max(0, toTwips(this->height()) - 2 * kMargin);
    m_rtfText->setGeometry(toPixels(kMargin), toPixels(kMargin), toPixels(width), toPixels(height));
    m_rtfText->setLineWrapColumnOrWidth(std::max(1, toPixels(width - kWrapInset)));
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard(this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void DocumentWindow::load(QTextEdit* box, const QString& path) { showText(box, readFile(path)); }

QByteArray DocumentWindow::readFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) raiseReadError(file);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) raiseReadError(file);
    return data;
}

void DocumentWindow::showText(QTextEdit* box, const QByteArray& data) {
    rtf::RtfReader::read(data, box->document());
    box->document()->setModified(false);
}

void DocumentWindow::save(QTextEdit* box, const QString& path) {
    const QByteArray data = rtf::RtfWriter::write(*box->document());
    if (const std::optional<QString> reason = platform::FileWriter::write(path, data))
        throw core::RuntimeError(core::ErrorCode::Other,
                                 platform::FileWriter::failureMessage(path, *reason).toStdString());
    box->document()->setModified(false);
}

}  // namespace tervalo::shell
