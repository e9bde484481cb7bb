#include "widgets/CostTable.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPieSeries>
#include <QPieSlice>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/CostSplit.h"
#include "platform/Notifier.h"

namespace tervalo::widgets {

namespace {

constexpr int kAmountColumn = 1;
constexpr int kShareColumn = 2;
const QString kChartTitle = QStringLiteral("Cost analysis");
// The pie and its legend, under the table.
constexpr QSize kChartSize(360, 220);

// The text of a row, empty where the calculation has no value for it.
QString textAt(const std::vector<std::string>& texts, int row) {
    return row < int(texts.size()) ? QString::fromStdString(texts[std::size_t(row)]) : QString();
}

}  // namespace

CostTable::CostTable(const QStringList& partNames, bool withChart, platform::Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_parts(partNames), m_notifier(notifier) {
    m_grid = new QTableWidget(int(m_parts.size()) + 1, 2, this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Cost table"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move between cells.
    m_grid->setTabKeyNavigation(false);
    m_grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Real headers, so assistive tools announce each cell by its part and column.
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Cost"), QStringLiteral("%")});
    m_grid->setVerticalHeaderLabels(m_parts + QStringList{QStringLiteral("Total")});
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, column, item);
        }
    }
    m_grid->setCurrentItem(nullptr);
    fitGrid();

    // The pie under the table, so that a model window's form fits beside the
    // main window's panel on a screen 1280 pixels wide.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 0, Qt::AlignLeft);

    if (withChart) {
        m_chartStandIn = new QWidget(this);
        m_chartStandIn->setFixedSize(kChartSize);
        layout->addWidget(m_chartStandIn, 0, Qt::AlignLeft);
    }
}

void CostTable::showEvent(QShowEvent* event) {
    makeChart();
    QWidget::showEvent(event);
}

void CostTable::makeChart() {
    if (!m_chartStandIn) return;
    auto* chart = new QChart;
    chart->setTitle(kChartTitle);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->addSeries(new QPieSeries(chart));
    m_chartView = new QChartView(chart, this);
    m_chartView->setObjectName(QStringLiteral("MSChart1"));
    m_chartView->setAccessibleName(chart->title());
    m_chartView->setRenderHint(QPainter::Antialiasing);
    // The pie and its legend keep their size whatever else the window shows.
    m_chartView->setFixedSize(kChartSize);
    // The view takes the stand-in's place: where it is laid out, and where it is
    // in the tab order (a widget that takes no focus has no place to give).
    m_chartView->setGeometry(m_chartStandIn->geometry());
    m_chartStandIn->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(m_chartStandIn, m_chartView);
    delete layout()->replaceWidget(m_chartStandIn, m_chartView);
    delete m_chartStandIn;
    m_chartStandIn = nullptr;
    if (isVisible()) m_chartView->show();
}

int CostTable::totalRow() const { return int(m_parts.size()) + 1; }

void CostTable::display(const core::CostSplit& costs) {
    const std::vector<std::string> amounts = costs.amountTexts();
    const std::vector<std::string> shares = costs.shareTexts();
    for (int row = 1; row <= totalRow(); ++row) {
        setValue(row, kAmountColumn, textAt(amounts, row - 1));
        setValue(row, kShareColumn, textAt(shares, row - 1));
    }
    fitGrid();
    // The parts are the rows above the Total.
    const core::PieSlices pie = core::pieSlices(costs, costs.amounts.empty() ? 0 : costs.amounts.size() - 1);
    if (pie.fault) {
        drawPie({});
        m_notifier.show(this, QString::fromStdString(*pie.fault), QString(), platform::MsgIcon::None);
        return;
    }
    drawPie(QVector<int>(pie.slices.begin(), pie.slices.end()));
}

void CostTable::drawPie(const QVector<int>& slices) {
    m_sliceLabels = slices.isEmpty() ? QStringList() : m_parts;
    m_sliceValues = slices;
    m_rowLabel = QStringLiteral("Percentage");
    makeChart();
    if (!m_chartView) return;
    m_chartView->setUpdatesEnabled(false);
    auto* series = qobject_cast<QPieSeries*>(m_chartView->chart()->series().value(0));
    series->clear();
    series->setName(m_rowLabel);
    QStringList spoken;
    for (int i = 0; i < m_sliceLabels.size(); ++i) {
        // A pie cannot show a negative share (odd inputs give one): such a slice
        // is drawn empty, its number stays in sliceValues().
        auto* slice = series->append(m_sliceLabels.at(i), std::max(0, m_sliceValues.at(i)));
        slice->setLabelVisible(false);
        spoken << QStringLiteral("%1 %2 %").arg(m_sliceLabels.at(i)).arg(m_sliceValues.at(i));
    }
    m_chartView->setAccessibleDescription(spoken.join(QStringLiteral(", ")));
    m_chartView->setUpdatesEnabled(true);
}

void CostTable::clearValues() {
    for (int row = 1; row <= totalRow(); ++row) {
        setValue(row, kAmountColumn, QString());
        setValue(row, kShareColumn, QString());
    }
}

void CostTable::clearPie() { drawPie({}); }

QString CostTable::cell(int row, int column) const {
    if (row == 0 && column == 0) return QString();
    if (row == 0) {
        const QTableWidgetItem* header = m_grid->horizontalHeaderItem(column - 1);
        return header ? header->text() : QString();
    }
    if (column == 0) {
        const QTableWidgetItem* header = m_grid->verticalHeaderItem(row - 1);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* item = m_grid->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

QString CostTable::chartTitle() const {
    if (m_chartView) return m_chartView->chart()->title();
    return m_chartStandIn ? kChartTitle : QString();
}

void CostTable::setValue(int row, int column, const QString& text) { m_grid->item(row - 1, column - 1)->setText(text); }

// Every cell readable without scrolling: the value columns are wide enough for
// large amounts, and the grid is exactly as large as its cells and headers.
void CostTable::fitGrid() {
    m_grid->resizeRowsToContents();
    const int valueWidth = QFontMetrics(m_grid->font()).horizontalAdvance(QStringLiteral("-00000000.00")) + 12;
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        m_grid->resizeColumnToContents(column);
        m_grid->setColumnWidth(column, std::max(m_grid->columnWidth(column), valueWidth));
    }
    fitToCells(m_grid);
}

void CostTable::fitToCells(QTableWidget* grid) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * grid->frameWidth();
    if (!grid->verticalHeader()->isHidden()) width += grid->verticalHeader()->sizeHint().width();
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    int height = 2 * grid->frameWidth();
    if (!grid->horizontalHeader()->isHidden()) height += grid->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < grid->rowCount(); ++row)
        height += grid->rowHeight(row);
    grid->setFixedSize(width, height);
}

}  // namespace tervalo::widgets
