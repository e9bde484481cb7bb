#include "shell/DocumentDialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tervalo::shell {

namespace {
const QString kFilter = QStringLiteral("All Files (*)");
}

QString QtDocumentDialogs::openFileName(QWidget* parent, const QString& title) {
    return QFileDialog::getOpenFileName(parent, title, QString(), kFilter);
}

QString QtDocumentDialogs::saveFileName(QWidget* parent, const QString& title) {
    return QFileDialog::getSaveFileName(parent, title, QString(), kFilter);
}

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
