#include "platform/TextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <utility>

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

namespace {

// One page of a document with a page size of its own, cut off at `until`
// (in the document's coordinates), as QTextDocument::print draws it.
void printPage(QPainter& painter, const QTextDocument& doc, int page, qreal until) {
    const QSizeF size = doc.pageSize();
    const qreal top = page * size.height();
    painter.save();
    painter.translate(0, -top);
    const QRectF view(0, top, size.width(), std::min(size.height(), until - top));
    QAbstractTextDocumentLayout::PaintContext context;
    painter.setClipRect(view);
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

}  // namespace

void printTextInPieces(const std::function<std::optional<QString>()>& nextPiece, const QFont& font, QWidget* box,
                       QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    const QSizeF pageSize = printer.pageLayout().paintRect(QPageLayout::Inch).size() * box->logicalDpiX();
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    // Scaled as QTextDocument::print scales a document with a page size of its own.
    const qreal dpiX = qreal(printer.logicalDpiX()) / box->logicalDpiX();
    const qreal dpiY = qreal(printer.logicalDpiY()) / box->logicalDpiY();
    const QSizeF printerPage = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    painter.scale(dpiX, dpiY);
    painter.scale(printerPage.width() / (pageSize.width() * dpiX), printerPage.height() / (pageSize.height() * dpiY));

    bool firstPage = true;
    std::optional<QString> carried;  // the paragraphs of the last page of a piece, laid out again with the next
    for (;;) {
        const std::optional<QString> piece = nextPiece();
        const bool last = !piece;
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.documentLayout()->setPaintDevice(box);
        doc.setPageSize(pageSize);
        doc.setPlainText(last ? carried.value_or(QString()) : carried ? *carried + u'\n' + *piece : *piece);
        carried.reset();
        int pages = doc.pageCount();
        qreal until = pages * pageSize.height();
        QTextBlock from;  // the first paragraph carried on with the next piece
        if (!last) {
            // The last page may have room for what follows: its paragraphs go on
            // with the next piece, the one running onto it too.
            QAbstractTextDocumentLayout* layout = doc.documentLayout();
            const qreal lastPageTop = (pages - 1) * pageSize.height();
            QTextBlock next = doc.begin();
            while (next.isValid() && layout->blockBoundingRect(next).bottom() <= lastPageTop)
                next = next.next();
            if (next == doc.begin() && pages == 1) {
                from = next;
                pages = 0;
            } else if (next.isValid() && next != doc.begin()) {
                from = next;
                until = layout->blockBoundingRect(next).top();
                pages = int(layout->blockBoundingRect(next.previous()).top() / pageSize.height()) + 1;
            }
        }
        for (QTextBlock block = from; block.isValid(); block = block.next())
            carried = carried ? *carried + u'\n' + block.text() : block.text();
        for (int page = 0; page < pages; ++page) {
            if (!std::exchange(firstPage, false)) printer.newPage();
            printPage(painter, doc, page, until);
        }
        if (last) return;
    }
}

}  // namespace tervalo::platform
