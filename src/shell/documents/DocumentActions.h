#pragma once
// The main window's document actions: new documents, Open, Save, Save As,
// Print, Page Setup, Cut, Copy and Paste on the active child window's rich text
// box, and the question before changes are lost.
//
// Unlike the designed behaviour, nothing typed is lost unasked: closing a
// changed document, opening a file into one and leaving the program ask
// whether to save the changes first.
#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>

#include "shell/documents/DocumentWindow.h"

class QAction;
class QMdiArea;
class QTextEdit;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::shell {

class DocumentDialogs;

class DocumentActions : public QObject {
    Q_OBJECT
public:
    // Documents open in `mdi`; messages and dialogs are owned by `owner`.
    DocumentActions(QMdiArea* mdi, platform::Notifier& notifier, QWidget* owner);
    ~DocumentActions() override;

    // The dialogs to show (not owned); nullptr: Qt's dialogs.
    void setDialogs(DocumentDialogs* dialogs) { m_dialogs = dialogs; }
    // Actions every new document window carries, so that their shortcuts act
    // while the focus is in a document (the toolbar's Bold, Italic, Underline).
    void setDocumentActions(const QList<QAction*>& actions) { m_documentActions = actions; }

    // A new document window captioned "Document N", shown and active.
    DocumentWindow* newDocument();
    // Open, Save and Save As raise a run-time error on failure (no active child
    // window, one without a rich text box, an unreadable or unwritable file).
    void open();
    void save();
    void saveAs();
    // Print, Page Setup, Cut, Copy and Paste ignore their failures.
    void print();
    void pageSetup();
    void cut();
    void copy();
    void paste();

    // Asks about every changed document before the program ends; false when
    // the user cancelled (or a save failed: its description shown).
    bool confirmClosingAll();

    // The rich text box of the active child window; raises a run-time error when
    // there is no active child window or it has none.
    QTextEdit* activeRichText() const;

    int documentCount() const { return m_documentCount; }

signals:
    void selectionFormatChanged(const tervalo::shell::SelectionFormat& format);

private:
    DocumentDialogs& dialogs();
    QWidget* activeWindow() const;
    // Save as Save does; false when the file dialog was cancelled.
    bool saveWindow(QWidget* window, QTextEdit* box);
    // Asks whether to save a changed box first; false stops what was asked.
    bool confirmLosingChanges(QWidget* window, QTextEdit* box);
    bool confirmClosingDocument(DocumentWindow* window);

    QMdiArea* m_mdi;
    platform::Notifier& m_notifier;
    QWidget* m_owner;
    std::int32_t m_documentCount = 0;  // numbers the new documents of this run
    std::unique_ptr<DocumentDialogs> m_ownDialogs;
    DocumentDialogs* m_dialogs = nullptr;
    QList<QAction*> m_documentActions;
    bool m_exitConfirmed = false;
};

}  // namespace tervalo::shell
