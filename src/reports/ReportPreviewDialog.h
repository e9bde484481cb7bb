#pragma once
// The modeless preview of one laid-out report, titled with its layout's window
// caption. It paints the pages it is asked for straight from the page model.
#include <QPrintPreviewDialog>

#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

namespace tervalo::reports {

class ReportPreviewDialog : public QPrintPreviewDialog {
    Q_OBJECT

public:
    ReportPreviewDialog(LayoutId layout, ReportDocument document, QWidget* parent);

    LayoutId layout() const { return m_layout; }
    const ReportDocument& document() const { return m_document; }
    // How many pages have been painted since the preview opened.
    int pagesPainted() const { return m_pagesPainted; }

private:
    void paintPages(QPrinter* printer);

    LayoutId m_layout;
    ReportDocument m_document;
    ReportPainter m_painter;
    int m_pagesPainted = 0;
};

}  // namespace tervalo::reports
