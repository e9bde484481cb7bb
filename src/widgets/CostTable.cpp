#include "widgets/CostTable.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPieSeries>
#include <QPieSlice>
#include <QTableWidget>

#include "core/CheckedMath.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "platform/Notifier.h"

namespace tervalo::widgets {

namespace {

constexpr int kAmountColumn = 1;
constexpr int kShareColumn = 2;

QString amountText(double value) { return QString::fromStdString(core::formatNumber(value, "#.00")); }

// A share text as the pie takes it: the whole text must be a number, rounded
// half to even to a 16-bit integer ("12.50" -> 12, "13.50" -> 14).
int wholePercent(const QString& shareText) {
    const std::string text = shareText.toStdString();
    if (!core::isNumber(text)) throw core::RuntimeError(core::ErrorCode::TypeMismatch);
    return core::roundToInt16(core::leadingNumber(text));
}

}  // namespace

CostTable::CostTable(const QStringList& partNames, bool withChart, platform::Notifier* notifier, QWidget* parent)
    : QWidget(parent), m_parts(partNames), m_notifier(notifier) {
    m_grid = new QTableWidget(int(m_parts.size()) + 2, 3, this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setAccessibleName(tr("Cost"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Row 0 and column 0 are the grid's own heading cells.
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (row == 0 || column == 0) {
                item->setBackground(palette().button());
                item->setFlags(Qt::ItemIsEnabled);
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(row, column, item);
        }
    }
    m_grid->item(0, kAmountColumn)->setText(QStringLiteral("Cost"));
    for (int i = 0; i < m_parts.size(); ++i)
        m_grid->item(i + 1, 0)->setText(m_parts.at(i));
    m_grid->item(totalRow(), 0)->setText(QStringLiteral("Total"));
    m_grid->item(0, kShareColumn)->setText(QStringLiteral("%"));
    m_grid->setCurrentItem(nullptr);
    fitGrid();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 0, Qt::AlignTop);

    if (withChart) {
        auto* chart = new QChart;
        chart->setTitle(QStringLiteral("Cost analysis"));
        chart->legend()->setVisible(true);
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->addSeries(new QPieSeries(chart));
        m_chartView = new QChartView(chart, this);
        m_chartView->setObjectName(QStringLiteral("MSChart1"));
        m_chartView->setAccessibleName(chart->title());
        m_chartView->setRenderHint(QPainter::Antialiasing);
        m_chartView->setMinimumSize(320, 220);
        layout->addWidget(m_chartView, 1);
    }
}

int CostTable::totalRow() const { return int(m_parts.size()) + 1; }

void CostTable::fill(const QVector<double>& parts, double total, bool constantTotalShare) {
    const int count = int(std::min<qsizetype>(parts.size(), m_parts.size()));
    for (int i = 0; i < count; ++i)
        setCell(i + 1, kAmountColumn, amountText(parts.at(i)));
    setCell(totalRow(), kAmountColumn, amountText(total));

    // Each share is computed before any is shown: a failing division leaves the
    // share column as it was.
    core::checked::check(total);
    QStringList shares;
    for (int i = 0; i < count; ++i)
        shares << amountText(core::checked::mul(core::checked::div(parts.at(i), total), 100));
    shares << amountText(constantTotalShare ? 100.0 : core::checked::mul(core::checked::div(total, total), 100));
    for (int i = 0; i < count; ++i)
        setCell(i + 1, kShareColumn, shares.at(i));
    setCell(totalRow(), kShareColumn, shares.last());
    fitGrid();
}

void CostTable::updateChart() {
    QVector<int> values;
    try {
        for (int i = 0; i < m_parts.size(); ++i)
            values << wholePercent(cell(i + 1, kShareColumn));
    } catch (const core::RuntimeError& error) {
        // The previous pie stays as it was.
        if (m_notifier)
            m_notifier->show(this, QString::fromStdString(error.description()), QString(), platform::MsgIcon::None);
        return;
    }
    m_sliceLabels = m_parts;
    m_sliceValues = values;
    m_rowLabel = QStringLiteral("Percentage");
    if (m_chartView) redrawPie();
}

void CostTable::redrawPie() {
    m_chartView->setUpdatesEnabled(false);
    auto* series = qobject_cast<QPieSeries*>(m_chartView->chart()->series().value(0));
    series->clear();
    series->setName(m_rowLabel);
    for (int i = 0; i < m_sliceLabels.size(); ++i) {
        // A pie cannot show a negative share (odd inputs give one): such a slice
        // is drawn empty, its number stays in sliceValues().
        auto* slice = series->append(m_sliceLabels.at(i), std::max(0, m_sliceValues.at(i)));
        slice->setLabelVisible(false);
    }
    m_chartView->setUpdatesEnabled(true);
}

void CostTable::clearValues() {
    for (int row = 1; row <= totalRow(); ++row) {
        setCell(row, kAmountColumn, QString());
        setCell(row, kShareColumn, QString());
    }
}

QString CostTable::cell(int row, int column) const {
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

QString CostTable::chartTitle() const { return m_chartView ? m_chartView->chart()->title() : QString(); }

void CostTable::setCell(int row, int column, const QString& text) { m_grid->item(row, column)->setText(text); }

// Every cell readable without scrolling: the value columns are wide enough for
// large amounts, and the grid is exactly as large as its cells.
void CostTable::fitGrid() {
    m_grid->resizeColumnsToContents();
    m_grid->resizeRowsToContents();
    const int valueWidth = QFontMetrics(m_grid->font()).horizontalAdvance(QStringLiteral("-00000000.00")) + 12;
    for (int column = kAmountColumn; column <= kShareColumn; ++column)
        m_grid->setColumnWidth(column, std::max(m_grid->columnWidth(column), valueWidth));
    fitToCells(m_grid);
}

void CostTable::fitToCells(QTableWidget* grid) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * grid->frameWidth();
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    int height = 2 * grid->frameWidth();
    for (int row = 0; row < grid->rowCount(); ++row)
        height += grid->rowHeight(row);
    grid->setFixedSize(width, height);
}

}  // namespace tervalo::widgets
