#include "demand/RegressionPlot.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
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

}  // namespace

// The view is made with its chart: a chart given later by setChart() would
// leave the view's own first chart to no one.
RegressionPlot::RegressionPlot(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("Picture2"));
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    m_points = new QScatterSeries;
    m_points->setName(QStringLiteral("Demand"));
    m_points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_points->setMarkerSize(7);
    m_points->setColor(Qt::white);
    m_points->setBorderColor(Qt::black);
    m_line = new QLineSeries;
    m_line->setName(QStringLiteral("Fitted line"));
    m_line->setPen(QPen(Qt::black, 1.5));
    chart->addSeries(m_line);
    chart->addSeries(m_points);
    m_timeAxis = new QValueAxis;
    m_demandAxis = new QValueAxis;
    for (QValueAxis* axis : {m_timeAxis, m_demandAxis}) {
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setRange(0, 1);
    }
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_demandAxis, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(m_line), static_cast<QAbstractSeries*>(m_points)}) {
        s->attachAxis(m_timeAxis);
        s->attachAxis(m_demandAxis);
    }
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
    m_points->replace(points);
    m_line->replace(line);
    times.apply(m_timeAxis);
    demands.apply(m_demandAxis);
}

}  // namespace tervalo::demand
