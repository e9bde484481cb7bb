#pragma once
// The cost table (grid "MSFlexGrid1") and, optionally, its pie ("MSChart1"):
// one row per cost part plus "Total"; column 1 the amounts ("#.00"), column 2 the
// shares of the total in percent ("#.00"). The pie is drawn from the share texts
// rounded half to even to whole numbers, titled "Cost analysis", one data row
// labelled "Percentage"; the Total is not charted.
#include <QStringList>
#include <QVector>
#include <QWidget>

class QTableWidget;
class QChartView;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

class CostTable : public QWidget {
    Q_OBJECT
public:
    // partNames: the k cost parts in row order ("Purchase", "Ordering", ...).
    CostTable(const QStringList& partNames, bool withChart, platform::Notifier* notifier, QWidget* parent = nullptr);

    // Column 1 (amounts and the total), then column 2 (each amount / total x 100).
    // `constantTotalShare`: the Total's share is written as the constant 100
    // instead of total / total x 100. A zero or non-finite total raises
    // core::RuntimeError at the first share, after column 1 is written and with
    // column 2 untouched. Does not draw the chart.
    void fill(const QVector<double>& parts, double total, bool constantTotalShare = false);

    // Draws the pie from the share texts. Reports a failure (a share that is not a
    // 16-bit whole number) through the notifier with no icon and returns.
    void updateChart();

    // Empties columns 1 and 2 of the value rows; headings and the chart stay.
    void clearValues();

    QString cell(int row, int column) const;
    QTableWidget* grid() const { return m_grid; }
    // The slices last drawn (labels and values), for tests and the report.
    QStringList sliceLabels() const { return m_sliceLabels; }
    QVector<int> sliceValues() const { return m_sliceValues; }
    QString chartTitle() const;
    QString rowLabel() const { return m_rowLabel; }

    // Fixes a grid's size to exactly its rows and columns, so every cell shows
    // without scrolling (also for the discount windows' comparison grid).
    static void fitToCells(QTableWidget* grid);

private:
    int totalRow() const;
    void setCell(int row, int column, const QString& text);
    void redrawPie();
    void fitGrid();

    QStringList m_parts;
    QTableWidget* m_grid = nullptr;
    QChartView* m_chartView = nullptr;
    platform::Notifier* m_notifier = nullptr;
    QStringList m_sliceLabels;
    QVector<int> m_sliceValues;
    QString m_rowLabel;
};

}  // namespace tervalo::widgets
