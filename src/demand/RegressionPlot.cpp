#include "demand/RegressionPlot.h"

#include <QChart>
#include <QGraphicsItem>
#include <QLineSeries>
#include <QPainter>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

namespace tervalo::demand {

namespace {

// A range from 0 (or below) that holds every value.
struct Range {
    double low = 0;
    double high = 0;
    void include(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // A twentieth of the span beyond the largest value keeps its point off the frame.
    void apply(QValueAxis* axis) const {
        const double span = high > low ? high - low : 1;
        axis->setRange(low, low + span * 1.05);
        axis->applyNiceNumbers();
    }
};

constexpr double kMarkerSize = 7;

}  // namespace

// The series' points as white circles ringed in black, over the fitted line,
// within the chart's plot area and the ranges of its two axes.
class PointCloud : public QGraphicsItem {
public:
    PointCloud(QChart* chart, const QValueAxis* x, const QValueAxis* y) : QGraphicsItem(chart), m_x(x), m_y(y) {
        setZValue(100);  // above the chart's own series items
    }

    const QList<QPointF>& points() const { return m_points; }
    void setPoints(QList<QPointF> points) {
        m_points = std::move(points);
        update();
    }
    void setPlotArea(const QRectF& area) {
        prepareGeometryChange();
        m_area = area;
    }

    QRectF boundingRect() const override {
        const double reach = kMarkerSize / 2 + 1;
        return m_area.adjusted(-reach, -reach, reach, reach);
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const double xSpan = m_x->max() - m_x->min();
        const double ySpan = m_y->max() - m_y->min();
        if (m_area.isEmpty() || xSpan <= 0 || ySpan <= 0) return;
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::white);
        const double radius = kMarkerSize / 2;
        QSet<quint64> drawn;
        for (const QPointF& p : m_points) {
            const QPointF at(m_area.left() + (p.x() - m_x->min()) / xSpan * m_area.width(),
                             m_area.bottom() - (p.y() - m_y->min()) / ySpan * m_area.height());
            if (!m_area.contains(at)) continue;  // also a point of no finite place
            const QPoint pixel = at.toPoint();
            const quint64 key = quint64(quint32(pixel.x())) << 32 | quint32(pixel.y());
            if (drawn.contains(key)) continue;
            drawn.insert(key);
            painter->drawEllipse(QPointF(pixel), radius, radius);
        }
    }

private:
    const QValueAxis* m_x;
    const QValueAxis* m_y;
    QList<QPointF> m_points;
    QRectF m_area;
};

// The view is made with its chart: a chart given later by setChart() would
// leave the view's own first chart to no one.
RegressionPlot::RegressionPlot(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("Picture2"));
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    m_line = new QLineSeries;
    m_line->setName(QStringLiteral("Fitted line"));
    m_line->setPen(QPen(Qt::black, 1.5));
    chart->addSeries(m_line);
    m_timeAxis = new QValueAxis;
    m_demandAxis = new QValueAxis;
    for (QValueAxis* axis : {m_timeAxis, m_demandAxis}) {
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setRange(0, 1);
    }
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_demandAxis, Qt::AlignLeft);
    m_line->attachAxis(m_timeAxis);
    m_line->attachAxis(m_demandAxis);
    m_points = new PointCloud(chart, m_timeAxis, m_demandAxis);
    connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) { m_points->setPlotArea(area); });
    setAccessibleName(QStringLiteral("Demand and fitted line"));
}

void RegressionPlot::plot(const std::vector<core::demand::DemandPoint>& series,
                          const std::optional<core::demand::Regression>& fitted) {
    Range times;
    Range demands;
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(series.size()));
    for (const core::demand::DemandPoint& p : series) {
        points.append(QPointF(p.time, p.demand));
        times.include(p.time);
        demands.include(p.demand);
    }
    QList<QPointF> line;
    if (fitted && !series.empty()) {
        // The series is in time order: its first and last periods are the ends.
        for (const double t : {series.front().time, series.back().time}) {
            line.append(QPointF(t, t * fitted->B + fitted->A));
            demands.include(line.back().y());
        }
    }
    m_line->replace(line);
    times.apply(m_timeAxis);
    demands.apply(m_demandAxis);
    m_points->setPoints(std::move(points));
}

const QList<QPointF>& RegressionPlot::points() const { return m_points->points(); }

}  // namespace tervalo::demand
