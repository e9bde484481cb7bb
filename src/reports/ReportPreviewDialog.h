#pragma once
// The modeless preview of one laid-out report, titled with its layout's window
// caption: the pages one under the other, a page laid out and painted only
// when it comes into sight, with Print (through the print dialog), the fit to
// the width or the whole page, zoom, and the moves to the first, previous,
// next and last page.
//
// It is a window of its own: closing the window that asked for it leaves it
// open, and it keeps everything it paints from (the document holds its layout
// and rows). It opens on the screen of that window, fitted to its free area.
#include <QDialog>
#include <functional>

#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"

class QLabel;
class QSpinBox;
class QToolBar;

namespace tervalo::reports {

class ReportPageView;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // Prints the document, asking for the printer first; the preview is the dialog's parent.
    using Print = std::function<void(QWidget* preview, const ReportDocument& document)>;

    ReportPreviewDialog(LayoutId layout, ReportDocument document, Print print, const QWidget* near);

    LayoutId layout() const { return m_layout; }
    const ReportDocument& document() const { return m_document; }
    ReportPageView* pageView() const { return m_view; }
    // How many pages have been painted since the preview opened.
    int pagesPainted() const;

private:
    QToolBar* buildToolBar();
    void placeOn(const QWidget* near);

    LayoutId m_layout;
    ReportDocument m_document;
    Print m_print;
    ReportPageView* m_view = nullptr;
    QSpinBox* m_page = nullptr;
};

}  // namespace tervalo::reports
