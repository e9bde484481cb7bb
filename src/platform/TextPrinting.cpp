#include "platform/TextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWidget>
#include <memory>

namespace tervalo::platform {

void printText(const QTextDocument& document, const QTextCursor& cursor, bool selectionOnly, QWidget* box,
               QPrinter& printer) {
    std::unique_ptr<QTextDocument> doc;
    if (selectionOnly && cursor.hasSelection()) {
        doc = std::make_unique<QTextDocument>();
        doc->setDefaultFont(document.defaultFont());
        QTextCursor(doc.get()).insertFragment(cursor.selection());
    } else {
        doc.reset(document.clone());
    }
    printer.setPrintRange(QPrinter::AllPages);
    // A document with a page size of its own prints without page numbers.
    doc->documentLayout()->setPaintDevice(box);
    doc->setPageSize(printer.pageLayout().paintRect(QPageLayout::Inch).size() * box->logicalDpiX());
    doc->print(&printer);
}

}  // namespace tervalo::platform
