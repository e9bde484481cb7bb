#pragma once
// The cost table (grid "MSFlexGrid1") and, optionally, its pie ("MSChart1"):
// one row per cost part plus "Total", under the column headers "Cost" (the
// amounts, "#.00") and "%" (each share of the total in percent, "#.00"); the
// part names are the row headers. The pie is drawn from the share texts
// rounded half to even to whole numbers, titled "Cost analysis", one data row
// labelled "Percentage"; the Total is not charted.
//
// The pie's view (and Qt Charts with it) is made when the table is first shown
// or first draws, whichever comes first: a window made only to be measured, as
// the main window does for its first size at start-up, never loads it. Until
// then a stand-in of the same fixed size holds its place in the layout and in
// the tab order.
//
// A calculation first computes everything the table and pie show
// (core::splitCosts(), which may raise), then shows it at once (display()), so
// a failure never leaves one calculation's amounts beside another's shares or pie.
#include <QStringList>
#include <QVector>
#include <QWidget>

class QTableWidget;
class QChartView;

namespace tervalo::core {
struct CostSplit;
}

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

class CostTable : public QWidget {
    Q_OBJECT
public:
    // partNames: the k cost parts in row order ("Purchase", "Ordering", ...).
    CostTable(const QStringList& partNames, bool withChart, platform::Notifier& notifier, QWidget* parent = nullptr);

    // Writes the amounts and shares of one calculation and draws the pie of
    // its parts. When the slices cannot be drawn, their fault is shown (no
    // icon) and the pie is emptied.
    void display(const core::CostSplit& costs);

    // Empties the amounts and shares; headings and the pie stay.
    void clearValues();
    // Empties the pie, for a calculation that shows no result.
    void clearPie();

    // The text at (row, column) of the grid: row 0 the column
    // headings ("", "Cost", "%"), column 0 the part names and "Total".
    QString cell(int row, int column) const;
    QTableWidget* grid() const { return m_grid; }
    // The slices last drawn (labels and values).
    QStringList sliceLabels() const { return m_sliceLabels; }
    QVector<int> sliceValues() const { return m_sliceValues; }
    QString chartTitle() const;
    QString rowLabel() const { return m_rowLabel; }

    // Fixes a grid's size to exactly its rows, columns and headers, so every
    // cell shows without scrolling (also for the discount windows' comparison).
    static void fitToCells(QTableWidget* grid);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Puts the pie's view in its stand-in's place, once.
    void makeChart();
    int totalRow() const;
    void setValue(int row, int column, const QString& text);
    void drawPie(const QVector<int>& slices);
    void fitGrid();

    QStringList m_parts;
    QTableWidget* m_grid = nullptr;
    QChartView* m_chartView = nullptr;
    QWidget* m_chartStandIn = nullptr;  // until the view is made
    platform::Notifier& m_notifier;
    QStringList m_sliceLabels;
    QVector<int> m_sliceValues;
    QString m_rowLabel;
};

}  // namespace tervalo::widgets
