#pragma once
// Document dialogs that answer from a script instead of waiting for a person:
// the file names to give (empty: cancelled), the PDF file to print into (empty:
// the print dialog is cancelled). Every dialog asked for is recorded by title.
#include <QPrinter>
#include <QQueue>
#include <QStringList>

#include "shell/documents/DocumentDialogs.h"

namespace tervalo::test {

class ScriptedDocumentDialogs : public shell::DocumentDialogs {
public:
    QString openFileName(QWidget*, const QString& title) override {
        asked << title;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(QWidget*, const QString& title) override {
        asked << title;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    bool choosePrinter(QWidget*, QPrinter& printer, bool selectionOffered) override {
        asked << "Print";
        offeredSelection = selectionOffered;
        if (pdfFile.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        if (printAll) printer.setPrintRange(QPrinter::AllPages);
        return true;
    }
    void pageSetup(QWidget*) override { asked << "Page Setup"; }

    QQueue<QString> fileNames;
    QString pdfFile;
    bool printAll = false;  // the user chose "All" in the dialog
    bool offeredSelection = false;
    QStringList asked;
};

}  // namespace tervalo::test
