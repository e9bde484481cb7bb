#include "shell/documents/DocumentDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tervalo::shell {

bool QtDocumentDialogs::choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOffered) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionOffered);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

void QtDocumentDialogs::pageSetup(QWidget* parent) {
    QPrinter printer;
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Page Setup"));
    dialog.exec();
}

}  // namespace tervalo::shell
