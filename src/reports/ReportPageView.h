#pragma once
// The pages of a laid-out report one under the other on a grey ground, as
// large as the zoom makes them. Only the pages in sight are laid out and
// painted, each when it first comes into sight (a few are kept for scrolling
// back), so a report of 100,000 pages opens as fast as one of a single page.
#include <QAbstractScrollArea>
#include <QImage>
#include <QList>

#include "reports/ReportDocument.h"
#include "reports/ReportPainter.h"

namespace tervalo::reports {

class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Fit { None, Width, Page };

    // The view reads the document as long as it lives.
    ReportPageView(const ReportDocument& document, QWidget* parent = nullptr);

    int pageCount() const { return m_painter.pageCount(); }
    // The page across the middle of the view, from 0.
    int currentPage() const;
    // Scrolls the page's top into view.
    void goToPage(int page);

    Fit fit() const { return m_fit; }
    void setFit(Fit fit);
    // 1 shows the paper at its size on a screen of 96 dots per inch.
    double zoom() const { return m_zoom; }
    void zoomBy(double factor);

    // How many pages have been painted since the view was made.
    int pagesPainted() const { return m_pagesPainted; }

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize pageSize() const;  // of a page at the zoom, in pixels
    int pageStride() const { return pageSize().height() + kGap; }
    void setZoom(double zoom);
    // The zoom the fit asks for in the view's present size.
    void applyFit();
    void updateScrollBars();
    const QImage& pageImage(int page);
    void noteCurrentPage();

    static constexpr int kGap = 12;  // pixels around and between the pages

    const ReportDocument& m_document;
    ReportPainter m_painter;
    Fit m_fit = Fit::Page;
    double m_zoom = 1;
    struct Painted {
        int page;
        QImage image;
    };
    QList<Painted> m_painted;  // the pages painted at the present zoom, the latest last
    int m_pagesPainted = 0;
    int m_currentPage = 0;
};

}  // namespace tervalo::reports
