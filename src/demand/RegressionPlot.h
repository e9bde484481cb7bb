#pragma once
// The regression window's plot (Picture2): the demand history as points and
// its fitted line from the first to the last period, on axes that start at 0
// (a range that holds only 0 is drawn as 0 to 1). Each plot replaces the last.
//
// The points are drawn by one item of the chart, not a scatter series: Qt
// Charts makes a scene item per scatter point, which froze the window on a
// history of tens of thousands of periods. Points that fall on one pixel are
// drawn once, so a plot costs no more than its area whatever the history.
#include <QChartView>
#include <QList>
#include <QPointF>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"

class QLineSeries;
class QValueAxis;

namespace tervalo::demand {

class PointCloud;

class RegressionPlot : public QChartView {
    Q_OBJECT
public:
    explicit RegressionPlot(QWidget* parent = nullptr);

    // `fitted` none: the points alone.
    void plot(const std::vector<core::demand::DemandPoint>& series,
              const std::optional<core::demand::Regression>& fitted);

    // The points plotted, (time, demand) in the series' order.
    const QList<QPointF>& points() const;
    QLineSeries* line() const { return m_line; }
    QValueAxis* timeAxis() const { return m_timeAxis; }
    QValueAxis* demandAxis() const { return m_demandAxis; }

private:
    PointCloud* m_points;
    QLineSeries* m_line;
    QValueAxis* m_timeAxis;
    QValueAxis* m_demandAxis;
};

}  // namespace tervalo::demand
