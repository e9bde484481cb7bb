#include "lotsize/DiscountWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "core/lotsize/LotSizeText.h"
#include "lotsize/DiscountReport.h"
#include "platform/TextReport.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/TimeScaleFrame.h"
#include "widgets/TimeUnitOptions.h"

namespace tervalo::lotsize {

namespace fb = widgets::FormBuilder;
namespace lot = core::lotsize;
using platform::MsgIcon;
using F = lot::DiscountField;

namespace {

const QString kErrorTitle = QStringLiteral("Error Message");

// Quantities and intervals: rounded half to even to a 32-bit integer, written
// with a leading blank (554.7 -> " 555").
QString wholeText(double value) { return QString::fromStdString(lot::roundedText(value)); }
QString amountText(double value) { return QString::fromStdString(core::amountText(value)); }

// A caption made of several labels side by side, read as one text:
// "Demand, units/" "Week" shows as "Demand, units/Week". The labels stay
// children of the frame, so the first one still names its box.
QHBoxLayout* captionRow(const QList<QWidget*>& parts) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (QWidget* part : parts)
        row->addWidget(part);
    row->addStretch();
    return row;
}

// A word-wrapped text of a fixed width of about `columns` characters, tall
// enough for `longest` (its own text when empty).
QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text, int columns,
                     const QString& longest = QString()) {
    QLabel* label = fb::label(parent, name, text, true);
    const QFontMetrics metrics = label->fontMetrics();
    const int width = metrics.averageCharWidth() * columns;
    const QString sample = longest.isEmpty() ? text : longest;
    label->setFixedWidth(width);
    label->setMinimumHeight(metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, sample).height());
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum);
    return label;
}

}  // namespace

DiscountWindow::DiscountWindow(widgets::AppContext& ctx, DiscountWindowDescription description, QWidget* parent)
    : ModelWindow(ctx, description.window, description.caption, static_cast<int>(F::Count), parent),
      m_description(std::move(description)) {
    setCalculateErrorWording(QString(), m_description.calculateErrorIcon);

    m_cmdExample = button(form(), QStringLiteral("cmdExample"), QStringLiteral("&Click this button to see results"));
    // Assumptions and example above, the inputs and the results below them.
    auto* layout = new QGridLayout(form());
    layout->addWidget(textFrame(form(), QStringLiteral("Frame1"), QStringLiteral("Assumptions"),
                                QStringLiteral("Label1"), m_description.assumptionsText, 48),
                      0, 0);
    layout->addWidget(textFrame(form(), QStringLiteral("Frame2"), QStringLiteral("An example"),
                                QStringLiteral("Label2"), m_description.exampleText, 60, m_cmdExample),
                      0, 1);
    layout->addWidget(buildInputs(), 1, 0, Qt::AlignTop);
    layout->addWidget(buildResults(), 1, 1, Qt::AlignTop);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);

    buildTabOrder();

    // A click sets the unit even on the option already selected, so clicking
    // Year turns the comparison's "$/year" of a fresh window into "$/Year".
    connect(m_timeScale, &widgets::TimeScaleFrame::unitChanged, this, &DiscountWindow::setCostUnit);
    connect(m_timeScale, &widgets::TimeScaleFrame::unitClicked, this, &DiscountWindow::setCostUnit);
    connect(m_cmdCalculate, &QPushButton::clicked, this, &DiscountWindow::onCmdCalculateClicked);
    connect(m_cmdClear, &QPushButton::clicked, this, &DiscountWindow::onCmdClearClicked);
    connect(m_cmdExample, &QPushButton::clicked, this, &DiscountWindow::onCmdExampleClicked);
    connect(m_cmdPrint, &QPushButton::clicked, this, &DiscountWindow::onCmdPrintClicked);

    // The time labels read Year; the headings give the comparison's cost unit its initial "$/year".
    writeGridHeadings();
}

QGroupBox* DiscountWindow::buildInputs() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame4"), QStringLiteral("Item and costs"));
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* name, const QString& caption) {
        return fb::label(frame, QString::fromLatin1(name), caption);
    };
    auto number = [this, frame](F field, const char* name) {
        return numberBox(frame, static_cast<int>(field), QString::fromLatin1(name));
    };
    // A row whose caption is several labels, a unit among them: the first one
    // is the box's buddy, all of them read together name it.
    auto compositeRow = [this, grid](int row, QLabel* caption, const QList<QLabel*>& rest, QWidget* box) {
        QList<QWidget*> parts{caption};
        for (QLabel* part : rest)
            parts << part;
        grid->addLayout(captionRow(parts), row, 0);
        grid->addWidget(box, row, 1);
        caption->setBuddy(box);
        m_timeScale->nameByCaption(box, QList<QLabel*>{caption} + rest);
    };

    m_timeScale = new widgets::TimeScaleFrame(frame, Qt::Horizontal, frame, 4);
    QLineEdit* item = itemBox(frame, static_cast<int>(F::Item), QStringLiteral("txtItem"));
    QLabel* itemCaption = label("Label3", QStringLiteral("Item, for example, Paper"));
    grid->addWidget(itemCaption, 0, 0);
    grid->addWidget(item, 0, 1, 1, 2);
    itemCaption->setBuddy(item);

    compositeRow(1, label("Label4", QStringLiteral("Demand, units/")), {m_timeScale->unitLabel(0)},
                 number(F::Demand, "txtDemand"));
    // Price, break point and discount price read as one sentence.
    fb::addRow(grid, 2, label("Label5", QStringLiteral("Price, $/unit is")), number(F::Price, "txtPrice"),
               label("Label13", QStringLiteral("for any")));
    fb::addRow(grid, 3, label("Label11", QStringLiteral("amount up to")), number(F::BreakPoint, "txtBreakPoint"),
               label("Label12", QStringLiteral("units,")));
    QLabel* discountCaption = wrappedLabel(frame, QStringLiteral("Label14"), m_description.discountPriceCaption, 26);
    fb::addRow(grid, 4, discountCaption, number(F::DiscountPrice, "txtPrice1"),
               label("Label15", QStringLiteral("$/unit.")));
    fb::addRow(grid, 5, label("Label7", QStringLiteral("Ordering cost, $/order")),
               number(F::OrderingCost, "txtOrderingCost"));
    compositeRow(6, label("Label6", QStringLiteral("Handling cost, $/unit/")), {m_timeScale->unitLabel(1)},
                 number(F::HoldingCost, "txtHoldingCost"));
    compositeRow(7, label("Label16", QStringLiteral("Interest, %")),
                 {label("Label17", QStringLiteral("/")), m_timeScale->unitLabel(3)},
                 number(F::Interest, "txtInterest"));
    grid->addWidget(m_timeScale, 8, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    m_cmdCalculate = button(frame, QStringLiteral("cmdCalculate"), QStringLiteral("C&alculate"));
    m_cmdClear = button(frame, QStringLiteral("cmdClear"), QStringLiteral("C&lear"));
    m_cmdPrint = button(frame, QStringLiteral("cmdPrint"), QStringLiteral("&Print Report"));
    buttons->addWidget(m_cmdCalculate);
    buttons->addWidget(m_cmdClear);
    buttons->addWidget(m_cmdPrint);
    grid->addLayout(buttons, 9, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(10, 1);
    return frame;
}

QGroupBox* DiscountWindow::buildResults() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* column = new QVBoxLayout(frame);

    auto* boxes = new QGridLayout;
    m_txtOrderQuantity = fb::resultBox(frame, QStringLiteral("txtOrderQuantity"));
    fitToNineDigits(m_txtOrderQuantity);
    fb::addRow(boxes, 0, fb::label(frame, QStringLiteral("Label8"), QStringLiteral("Order Quantity, units/order")),
               m_txtOrderQuantity);
    m_txtOrderInterval = fb::resultBox(frame, QStringLiteral("txtOrderInterval"));
    fitToNineDigits(m_txtOrderInterval);
    fb::addRow(boxes, 1, fb::label(frame, QStringLiteral("Label9"), QStringLiteral("Order interval, days")),
               m_txtOrderInterval);
    boxes->setColumnStretch(2, 1);
    column->addLayout(boxes);

    m_lblConclusion = wrappedLabel(frame, QStringLiteral("lblConclusion"), QString(), 60,
                                   QString::fromLatin1(lot::kAcceptConclusion));
    column->addWidget(m_lblConclusion);

    column->addLayout(captionRow(
        {fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $/")), m_timeScale->unitLabel(2)}));
    m_costTable =
        new widgets::CostTable({QStringLiteral("Purchase"), QStringLiteral("Ordering"), QStringLiteral("Holding")},
                               false, context().notifier, frame);
    column->addWidget(m_costTable, 0, Qt::AlignLeft);

    QGroupBox* comparison = fb::frame(frame, QStringLiteral("Frame3"), QStringLiteral("Comparison"));
    auto* inner = new QVBoxLayout(comparison);
    m_comparison = buildComparisonGrid(comparison);
    inner->addWidget(m_comparison);
    column->addWidget(comparison);
    column->addStretch();
    return frame;
}

QTableWidget* DiscountWindow::buildComparisonGrid(QWidget* parent) {
    auto* grid = new QTableWidget(4, 4, parent);
    grid->setObjectName(QStringLiteral("MSFlexGrid2"));
    grid->setAccessibleName(QStringLiteral("Comparison"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);  // Tab leaves the table, as from the cost table
    const QBrush fixed = grid->palette().button();
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int col = 0; col < grid->columnCount(); ++col) {
            auto* item = new QTableWidgetItem;
            if (row == 0 || col == 0) item->setBackground(fixed);
            item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(row, col, item);
        }
    }
    return grid;
}

void DiscountWindow::writeGridHeadings() {
    setComparisonCell(1, 0, QStringLiteral("Optimum Order Quatity"));
    setComparisonCell(2, 0, QStringLiteral("Total Cost"));
    setComparisonCell(0, 1, QStringLiteral("No Discount"));
    setComparisonCell(0, 2, QStringLiteral("Discount Considered"));
    setComparisonCell(1, 3, QStringLiteral("units"));
    setComparisonCell(2, 3, QStringLiteral("$/year"));

    // Value columns wide enough for amounts into the millions; the grid keeps its size.
    const QFontMetrics metrics = m_comparison->fontMetrics();
    m_comparison->resizeColumnsToContents();
    for (int col = 1; col <= 2; ++col)
        m_comparison->setColumnWidth(col, metrics.horizontalAdvance(QStringLiteral("0000000.00")) + 12);
    m_comparison->setColumnWidth(3, metrics.horizontalAdvance(QStringLiteral("$/Month")) + 12);
    m_comparison->resizeRowsToContents();
    widgets::CostTable::fitToCells(m_comparison);
}

void DiscountWindow::buildTabOrder() {
    QList<QWidget*> chain;
    for (F field :
         {F::Item, F::Demand, F::Price, F::BreakPoint, F::DiscountPrice, F::OrderingCost, F::HoldingCost, F::Interest})
        chain << inputBox(field);
    for (QRadioButton* option : m_timeScale->options())
        chain << option;
    chain << m_cmdCalculate << m_cmdClear << m_cmdPrint << m_cmdExample;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void DiscountWindow::setComparisonCell(int row, int column, const QString& value) {
    m_comparison->item(row, column)->setText(value);
}

void DiscountWindow::setCostUnit(lot::TimeUnit unit) {
    setComparisonCell(2, 3, QStringLiteral("$/") + widgets::timeUnitCaption(unit));
}

// ---------------------------------------------------------------- calculate

void DiscountWindow::onCmdCalculateClicked() { calculate(); }

std::span<const core::InputCheck> DiscountWindow::checks() const {
    return lot::quantityDiscountChecks(m_description.kind);
}

std::optional<core::CheckMessage> DiscountWindow::computeModel(const std::vector<std::string>& texts) {
    lot::DiscountTexts fields;
    std::copy(texts.begin(), texts.end(), fields.values.begin());
    m_result = lot::evaluateQuantityDiscount(m_description.kind,
                                             lot::QuantityDiscountInputs::fromTexts(fields, m_timeScale->unit()));
    return std::nullopt;
}

void DiscountWindow::prepareDisplay() {
    const lot::QuantityDiscountResult& r = m_result;
    Prepared p;
    p.quantity = wholeText(r.orderQuantity);
    p.interval = wholeText(r.intervalDays);
    p.comparison = {wholeText(r.noDiscountQuantity), wholeText(r.discountQuantity), amountText(r.noDiscountTotal),
                    amountText(r.discountTotal)};
    p.costs = core::splitCosts({r.purchaseCost, r.orderingCost, r.holdingCost, r.totalCost});
    p.conclusion = QString::fromStdString(r.conclusion);
    p.chosenTotal = r.totalCost;
    m_prepared = std::move(p);
}

void DiscountWindow::showPrepared() {
    const Prepared& p = m_prepared;
    m_chosenTotal = p.chosenTotal;
    m_txtOrderQuantity->setText(p.quantity);
    m_txtOrderInterval->setText(p.interval);
    setComparisonCell(1, 1, p.comparison[0]);
    setComparisonCell(1, 2, p.comparison[1]);
    setComparisonCell(2, 1, p.comparison[2]);
    setComparisonCell(2, 2, p.comparison[3]);
    m_costTable->display(p.costs);
    m_lblConclusion->setText(p.conclusion);
}

void DiscountWindow::clearResults() {
    m_txtOrderQuantity->clear();
    m_txtOrderInterval->clear();
    m_lblConclusion->clear();
    m_chosenTotal = 0;
    clearResultGrids();
}

void DiscountWindow::clearResultGrids() {
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 2; ++col)
            setComparisonCell(row, col, QString());
    m_costTable->clearValues();
}

void DiscountWindow::onCmdClearClicked() {
    widgets::runGuarded(
        this, context().notifier,
        [this] {
            // The conclusion stays: Clear empties boxes and grids only.
            for (int field = 0; field < static_cast<int>(F::Count); ++field)
                inputBox(field)->clear();
            m_txtOrderQuantity->clear();
            m_txtOrderInterval->clear();
            m_timeScale->select(lot::TimeUnit::Year);
            clearResultGrids();
        },
        QString(), kErrorTitle, MsgIcon::Exclamation);
}

void DiscountWindow::onCmdExampleClicked() {
    const std::pair<F, const char*> example[] = {
        {F::Item, "An Item"},       {F::Demand, "100"},      {F::Price, "1"},
        {F::OrderingCost, "300"},   {F::HoldingCost, "0.1"}, {F::BreakPoint, "500"},
        {F::DiscountPrice, "0.95"}, {F::Interest, "10"}};
    for (const auto& [field, text] : example)
        inputBox(field)->setText(QString::fromLatin1(text));
    m_timeScale->select(lot::TimeUnit::Week);
    onCmdCalculateClicked();
}

void DiscountWindow::onCmdPrintClicked() {
    widgets::runGuarded(
        this, context().notifier, [this] { printReport(); }, QString(), kErrorTitle, MsgIcon::Exclamation);
}

void DiscountWindow::printReport() {
    if (m_txtOrderQuantity->text().isEmpty()) return;
    platform::TextReportSink* sink = context().textReports.start(m_description.caption);
    if (!sink) return;
    auto text = [this](F field) { return inputBox(field)->text(); };
    DiscountReport::Values v;
    v.item = text(F::Item);
    v.demand = text(F::Demand);
    v.price = text(F::Price);
    v.breakPoint = text(F::BreakPoint);
    v.discountPrice = text(F::DiscountPrice);
    v.orderingCost = text(F::OrderingCost);
    v.holdingCost = text(F::HoldingCost);
    v.interest = text(F::Interest);
    v.conclusion = m_lblConclusion->text();
    v.orderQuantity = m_txtOrderQuantity->text();
    v.orderInterval = m_txtOrderInterval->text();
    v.chosenTotal = m_chosenTotal;
    v.timeUnit = widgets::timeUnitCaption(m_timeScale->unit());
    DiscountReport::type(sink, DiscountReport::pieces(m_description, v));
}

}  // namespace tervalo::lotsize
