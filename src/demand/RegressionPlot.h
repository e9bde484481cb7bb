#pragma once
// The regression window's plot (Picture2): the demand history as points and
// its fitted line from the first to the last period, on axes that start at 0
// (a range that holds only 0 is drawn as 0 to 1). Each plot replaces the last.
#include <QChartView>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"

class QScatterSeries;
class QLineSeries;
class QValueAxis;

namespace tervalo::demand {

class RegressionPlot : public QChartView {
    Q_OBJECT
public:
    explicit RegressionPlot(QWidget* parent = nullptr);

    // `fitted` none: the points alone.
    void plot(const std::vector<core::demand::DemandPoint>& series,
              const std::optional<core::demand::Regression>& fitted);

    QScatterSeries* points() const { return m_points; }
    QLineSeries* line() const { return m_line; }
    QValueAxis* timeAxis() const { return m_timeAxis; }
    QValueAxis* demandAxis() const { return m_demandAxis; }

private:
    QScatterSeries* m_points;
    QLineSeries* m_line;
    QValueAxis* m_timeAxis;
    QValueAxis* m_demandAxis;
};

}  // namespace tervalo::demand
