#pragma once
// The dialogs the document actions show: the file name to open or save under,
// the printer to print on, the page setup. The program shows Qt's dialogs;
// tests hand the document actions a stand-in that answers at once.
#include <QString>

#include "widgets/FileNameDialogs.h"

class QPrinter;
class QWidget;

namespace tervalo::shell {

// The file names to open or save under come from widgets::FileNameDialogs.
class DocumentDialogs : public widgets::FileNameDialogs {
public:
    // Lets the user set up `printer` (its print range already says whether the
    // selection is offered); false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) = 0;
    // The page setup dialog; its result is not used.
    virtual void pageSetup(QWidget* parent) = 0;
};

// Qt's file, print and page setup dialogs, filter "All Files (*)".
class QtDocumentDialogs : public DocumentDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title) override {
        return widgets::qtOpenFileName(parent, title);
    }
    QString saveFileName(QWidget* parent, const QString& title) override {
        return widgets::qtSaveFileName(parent, title);
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) override;
    void pageSetup(QWidget* parent) override;
};

}  // namespace tervalo::shell
