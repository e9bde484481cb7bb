#include "reports/ReportPageView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

namespace tervalo::reports {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 4;
constexpr qsizetype kPagesKept = 6;

}  // namespace

ReportPageView::ReportPageView(const ReportDocument& document, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_painter(document) {
    setObjectName(QStringLiteral("PageView"));
    setAccessibleName(QStringLiteral("Report pages"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

QSize ReportPageView::pageSize() const {
    return QSize(int(std::lround(m_document.paperSize.width() * kScreenDpi * m_zoom)),
                 int(std::lround(m_document.paperSize.height() * kScreenDpi * m_zoom)));
}

void ReportPageView::setFit(Fit fit) {
    m_fit = fit;
    applyFit();
}

void ReportPageView::zoomBy(double factor) {
    m_fit = Fit::None;
    setZoom(m_zoom * factor);
}

void ReportPageView::applyFit() {
    const QSizeF paper = m_document.paperSize * kScreenDpi;
    if (m_fit == Fit::None || paper.isEmpty()) return;
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    const double width = room.width() / paper.width();
    setZoom(m_fit == Fit::Width ? width : std::min(width, room.height() / paper.height()));
}

void ReportPageView::setZoom(double zoom) {
    // The pages' total height stays within the scroll bar's range.
    const double tallest =
        (INT_MAX / 2.0 / std::max(1, pageCount()) - kGap) / std::max(1.0, m_document.paperSize.height() * kScreenDpi);
    zoom = std::clamp(zoom, std::min(kMinZoom, tallest), std::min(kMaxZoom, tallest));
    if (zoom == m_zoom) return updateScrollBars();
    const int page = currentPage();
    m_zoom = zoom;
    m_painted.clear();
    updateScrollBars();
    goToPage(page);
    viewport()->update();
}

void ReportPageView::updateScrollBars() {
    const QSize page = pageSize();
    const qint64 height = qint64(pageCount()) * pageStride() + kGap;
    verticalScrollBar()->setRange(0, int(std::max<qint64>(0, height - viewport()->height())));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kGap - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 20));
}

int ReportPageView::currentPage() const {
    const int middle = verticalScrollBar()->value() + viewport()->height() / 2 - kGap;
    return std::clamp(middle / std::max(1, pageStride()), 0, std::max(0, pageCount() - 1));
}

void ReportPageView::goToPage(int page) {
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    verticalScrollBar()->setValue(page * pageStride());
    noteCurrentPage();
}

void ReportPageView::noteCurrentPage() {
    const int page = currentPage();
    if (page == m_currentPage) return;
    m_currentPage = page;
    emit currentPageChanged(page);
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit == Fit::None) {
        updateScrollBars();
    } else {
        applyFit();
    }
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    noteCurrentPage();
}

void ReportPageView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        goToPage(event->key() == Qt::Key_Home ? 0 : pageCount() - 1);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

const QImage& ReportPageView::pageImage(int page) {
    const auto kept =
        std::find_if(m_painted.begin(), m_painted.end(), [page](const Painted& p) { return p.page == page; });
    if (kept != m_painted.end()) {
        Painted again = std::move(*kept);
        m_painted.erase(kept);
        m_painted.append(std::move(again));
        return m_painted.last().image;
    }
    // Painted at the screen's own resolution, then shown at the page's size.
    const double ratio = devicePixelRatioF();
    const double dpi = kScreenDpi * m_zoom * ratio;
    QImage image(pageSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        m_painter.paintPage(painter, page, dpi, dpi);
    }
    image.setDevicePixelRatio(ratio);
    ++m_pagesPainted;
    if (m_painted.size() == kPagesKept) m_painted.removeFirst();
    m_painted.append({page, std::move(image)});
    return m_painted.last().image;
}

void ReportPageView::paintEvent(QPaintEvent*) {
    if (pageCount() == 0) return;
    QPainter painter(viewport());
    const QSize page = pageSize();
    const int top = verticalScrollBar()->value();
    const int left = page.width() + 2 * kGap <= viewport()->width() ? (viewport()->width() - page.width()) / 2
                                                                    : kGap - horizontalScrollBar()->value();
    // The pages whose sheets reach into the view.
    const int first = top / pageStride();
    const int last = std::min(pageCount() - 1, (top + viewport()->height() - kGap - 1) / pageStride());
    for (int p = first; p <= last; ++p) {
        const QRect sheet(QPoint(left, kGap + p * pageStride() - top), page);
        painter.fillRect(sheet.translated(3, 3), palette().shadow());
        painter.drawImage(sheet.topLeft(), pageImage(p));
    }
}

}  // namespace tervalo::reports
