#include "reports/ReportPreviewDialog.h"

#include <QPainter>
#include <QPrinter>

namespace tervalo::reports {

ReportPreviewDialog::ReportPreviewDialog(LayoutId layout, ReportDocument document, QWidget* parent)
    : QPrintPreviewDialog(parent), m_layout(layout), m_document(std::move(document)), m_painter(m_document) {
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(m_document.windowCaption);
    ReportPainter::preparePrinter(*printer(), m_document);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreviewDialog::paintPages);
    resize(900, 1000);  // a page readable at a glance
}

void ReportPreviewDialog::paintPages(QPrinter* printer) {
    QPainter painter(printer);
    if (!painter.isActive()) return;
    m_painter.paintAll(painter, *printer);
    m_pagesPainted += m_painter.pageCount();
}

}  // namespace tervalo::reports
