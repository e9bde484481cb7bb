#include "shell/documents/DocumentActions.h"
#include "shell/StartingWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "core/RuntimeError.h"
#include "platform/Notifier.h"
#include "platform/TextPrinting.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "shell/documents/DocumentDialogs.h"

namespace tervalo::shell {

namespace {

const QString kRtfMime = QStringLiteral("text/rtf");

[[noreturn]] void raiseError(const char* description) { throw core::RuntimeError(core::ErrorCode::Other, description); }

// A caption "Document N" (its first eight characters) marks a document never saved under a name.
bool isUnnamed(const QWidget* window) { return window->windowTitle().left(8) == QLatin1String("Document"); }

}  // namespace

DocumentActions::DocumentActions(QMdiArea* mdi, platform::Notifier& notifier, QWidget* owner)
    : QObject(owner), m_mdi(mdi), m_notifier(notifier), m_owner(owner) {}

DocumentActions::~DocumentActions() = default;

DocumentDialogs& DocumentActions::dialogs() {
    if (m_dialogs) return *m_dialogs;
    if (!m_ownDialogs) m_ownDialogs = std::make_unique<QtDocumentDialogs>();
    return *m_ownDialogs;
}

DocumentWindow* DocumentActions::newDocument() {
    ++m_documentCount;
    auto* doc = new DocumentWindow;
    doc->setWindowTitle(QStringLiteral("Document %1").arg(m_documentCount));
    doc->setAttribute(Qt::WA_DeleteOnClose);
    doc->setCloseGuard([this](DocumentWindow* w) { return confirmClosingDocument(w); });
    connect(doc, &DocumentWindow::selectionFormatChanged, this, &DocumentActions::selectionFormatChanged);
    doc->addActions(m_documentActions);
    QMdiSubWindow* sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->adjustSize();
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    doc->richText()->setFocus();
    emit selectionFormatChanged(doc->selectionFormat());
    return doc;
}

// The guidance window beside the panel is part of the main window's backdrop,
// not a window the document actions act on: with it active, none is.
QWidget* DocumentActions::activeWindow() const {
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    if (!sub || qobject_cast<StartingWindow*>(sub->widget())) return nullptr;
    return sub->widget();
}

QTextEdit* DocumentActions::activeRichText() const {
    QWidget* window = activeWindow();
    if (!window) raiseError("Object variable or With block variable not set");
    auto* box = window->findChild<QTextEdit*>(QStringLiteral("rtfText"));
    if (!box) raiseError("Object doesn't support this property or method");
    return box;
}

// ---- File ------------------------------------------------------------------

void DocumentActions::open() {
    if (!activeWindow()) newDocument();
    // A window without a rich text box fails before any dialog, so nothing changes.
    QTextEdit* box = activeRichText();
    QWidget* window = activeWindow();
    const QPointer<QTextEdit> target(box);
    const QString path = dialogs().openFileName(m_owner, QStringLiteral("Open"));
    if (path.isEmpty() || !target) return;
    // An unreadable file fails before the question: the text stays as it is.
    const QByteArray data = DocumentWindow::readFile(path);
    if (!confirmLosingChanges(window, box)) return;
    DocumentWindow::showText(box, data);
    window->setWindowTitle(path);
}

void DocumentActions::save() {
    QTextEdit* box = activeRichText();
    saveWindow(activeWindow(), box);
}

bool DocumentActions::saveWindow(QWidget* window, QTextEdit* box) {
    // "Document N" asks every time: the caption keeps its number after the save.
    if (!isUnnamed(window)) {
        DocumentWindow::save(box, window->windowTitle());
        return true;
    }
    const QPointer<QTextEdit> target(box);
    const QString path = dialogs().saveFileName(m_owner, QStringLiteral("Save"));
    if (path.isEmpty() || !target) return false;
    DocumentWindow::save(box, path);
    return true;
}

void DocumentActions::saveAs() {
    QWidget* window = activeWindow();
    if (!window) return;
    QTextEdit* box = activeRichText();
    const QPointer<QTextEdit> target(box);
    const QString path = dialogs().saveFileName(m_owner, QStringLiteral("Save As"));
    if (path.isEmpty() || !target) return;
    DocumentWindow::save(box, path);
    window->setWindowTitle(path);
}

void DocumentActions::print() {
    try {
        if (!activeWindow()) return;
        QTextEdit* box = activeRichText();
        const QPointer<QTextEdit> target(box);
        const bool selection = box->textCursor().hasSelection();
        QPrinter printer;
        printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
        if (!dialogs().choosePrinter(m_owner, printer, selection) || !target) return;
        // The selection when there is one and it was chosen, else the whole text.
        platform::printText(*box->document(), box->textCursor(), printer.printRange() == QPrinter::Selection, box,
                            printer);
    } catch (const core::RuntimeError&) {
        // Printing ignores its failures.
    }
}

void DocumentActions::pageSetup() { dialogs().pageSetup(m_owner); }

// ---- Edit --------------------------------------------------------------------

// The selection as plain text for every program and as RTF for rich-text ones.
void DocumentActions::copy() {
    try {
        const QTextCursor cursor = activeRichText()->textCursor();
        auto* data = new QMimeData;
        data->setText(cursor.selection().toPlainText());
        data->setData(kRtfMime, rtf::RtfWriter::writeSelection(cursor));
        QGuiApplication::clipboard()->setMimeData(data);
    } catch (const core::RuntimeError&) {
    }
}

void DocumentActions::cut() {
    try {
        QTextEdit* box = activeRichText();
        copy();
        box->textCursor().removeSelectedText();
    } catch (const core::RuntimeError&) {
    }
}

// The RTF when offered, else the text (which may itself be RTF source). With
// nothing on the clipboard there is nothing to paste, and QTextEdit::paste()
// is never called: it fails when the clipboard has no data at all.
void DocumentActions::paste() {
    try {
        QTextEdit* box = activeRichText();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (!data) return;
        QByteArray source;
        if (data->hasFormat(kRtfMime))
            source = data->data(kRtfMime);
        else if (data->hasText())
            source = data->text().toUtf8();
        else
            return;
        QTextCursor cursor = box->textCursor();
        cursor.insertFragment(rtf::RtfReader::readFragment(source));
        box->setTextCursor(cursor);
    } catch (const core::RuntimeError&) {
    }
}

// ---- changes not yet saved ----------------------------------------------------

bool DocumentActions::confirmLosingChanges(QWidget* window, QTextEdit* box) {
    if (!box->document()->isModified()) return true;
    const platform::MsgResult answer =
        m_notifier.show(m_owner, QStringLiteral("Do you want to save the changes to %1?").arg(window->windowTitle()),
                        platform::kProgramTitle, platform::MsgIcon::Exclamation, platform::MsgButtons::YesNoCancel);
    if (answer == platform::MsgResult::Cancel) return false;
    if (answer == platform::MsgResult::Yes) return saveWindow(window, box);
    return true;
}

bool DocumentActions::confirmClosingDocument(DocumentWindow* window) {
    if (m_exitConfirmed) return true;
    try {
        return confirmLosingChanges(window, window->richText());
    } catch (const core::RuntimeError& e) {
        m_notifier.show(m_owner, QString::fromStdString(e.description()));
        return false;
    }
}

bool DocumentActions::confirmClosingAll() {
    for (QMdiSubWindow* sub : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        auto* doc = qobject_cast<DocumentWindow*>(sub->widget());
        if (!doc) continue;
        if (!confirmClosingDocument(doc)) return false;
    }
    // Every document answered: the windows close with the program without asking again.
    m_exitConfirmed = true;
    return true;
}

}  // namespace tervalo::shell
