#include "lotsize/DiscountWindow.h"

#include "widgets/InputCheckMessage.h"

#include <QButtonGroup>
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
#include "widgets/CostTable.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/TimeUnitOptions.h"

namespace tervalo::lotsize {

namespace fb = widgets::FormBuilder;
using platform::MsgIcon;

namespace {

const QString kErrorTitle = QStringLiteral("Error Message");

QString text(const std::string& s) { return QString::fromStdString(s); }
std::string text(const QString& s) { return s.toStdString(); }

// Quantities and intervals: rounded half to even to a 32-bit integer, written
// with a leading blank (554.7 -> " 555").
QString wholeText(double value) { return text(core::lotsize::roundedText(value)); }
QString amountText(double value) { return text(core::formatNumber(value, "#.00")); }

// A caption made of several labels side by side, read as one text:
// "Demand, units/" "Week" shows as "Demand, units/Week".
QWidget* captionCell(QWidget* parent, const QList<QWidget*>& parts) {
    auto* cell = new QWidget(parent);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (QWidget* part : parts)
        row->addWidget(part);
    row->addStretch();
    return cell;
}

// A word-wrapped text of a fixed width of about `columns` characters, tall
// enough for `longest` (its own text when empty). Fixing both keeps the form's
// size hints exact, so the window opens tidy at its natural size.
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

// A number or result box wide enough for nine digits.
int boxWidth(const QLineEdit* box) { return box->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12; }

}  // namespace

DiscountWindow::DiscountWindow(widgets::AppContext& ctx, DiscountWindowDescription description, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_description(std::move(description)), m_discount(m_description.kind) {
    setObjectName(m_description.formName);
    setWindowTitle(m_description.caption);

    m_discount.setFaultReporter([this](const std::string& fault) {
        if (m_ctx.notifier) m_ctx.notifier->show(this, text(fault), QString(), MsgIcon::None);
    });

    // Assumptions and example above, the inputs and the results below them.
    auto* form = new QGridLayout(this);
    form->addWidget(buildAssumptions(), 0, 0);
    form->addWidget(buildExample(), 0, 1);
    form->addWidget(buildInputs(), 1, 0);
    form->addWidget(buildResults(), 1, 1);
    form->setRowStretch(2, 1);

    buildTabOrder();

    connect(m_timeGroup, &QButtonGroup::idClicked, this, &DiscountWindow::onOptTimeClicked);
    connect(m_timeGroup, &QButtonGroup::idToggled, this, &DiscountWindow::onOptTimeToggled);
    connect(m_cmdCalculate, &QPushButton::clicked, this, &DiscountWindow::onCmdCalculateClicked);
    connect(m_cmdClear, &QPushButton::clicked, this, &DiscountWindow::onCmdClearClicked);
    connect(m_cmdExample, &QPushButton::clicked, this, &DiscountWindow::onCmdExampleClicked);
    connect(m_cmdPrint, &QPushButton::clicked, this, &DiscountWindow::onCmdPrintClicked);

    // Selecting Year sets the time labels; the headings written afterwards give
    // the comparison's cost unit its initial "$/year".
    m_optTime.at(0)->setChecked(true);
    writeGridHeadings();
}

QGroupBox* DiscountWindow::buildAssumptions() {
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("Assumptions"));
    auto* column = new QVBoxLayout(frame);
    // The text starts at the top, level with the example beside it.
    column->addWidget(wrappedLabel(frame, QStringLiteral("Label1"), m_description.assumptionsText, 48));
    column->addStretch();
    return frame;
}

QGroupBox* DiscountWindow::buildExample() {
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("An example"));
    auto* column = new QVBoxLayout(frame);
    column->addWidget(wrappedLabel(frame, QStringLiteral("Label2"), m_description.exampleText, 60));
    m_cmdExample = fb::button(frame, QStringLiteral("cmdExample"), QStringLiteral("&Click this button to see results"));
    column->addWidget(m_cmdExample);
    return frame;
}

QGroupBox* DiscountWindow::buildInputs() {
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame4"), QStringLiteral("Item and costs"));
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* name, const QString& caption) {
        return fb::label(frame, QString::fromLatin1(name), caption);
    };
    auto numberBox = [this, frame](const char* name) {
        QLineEdit* box = fb::inputBox(frame, QString::fromLatin1(name));
        widgets::InputBoxes::install(box, widgets::InputBoxes::numberBox(), m_ctx.notifier);
        box->setFixedWidth(boxWidth(box));
        return box;
    };
    // A row whose caption is several labels; the first one names the box.
    auto compositeRow = [grid, frame](int row, QLabel* caption, const QList<QWidget*>& rest, QWidget* box) {
        grid->addWidget(captionCell(frame, QList<QWidget*>{caption} + rest), row, 0);
        grid->addWidget(box, row, 1);
        caption->setBuddy(box);
    };

    m_lblTimePeriod = fb::labelArray(frame, QStringLiteral("lblTimePeriod"), 4, QString());
    for (QLabel* unit : m_lblTimePeriod)  // room for the longest unit, "Month"
        unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("Month")));

    m_txtItem = fb::inputBox(frame, QStringLiteral("txtItem"));
    widgets::InputBoxes::install(m_txtItem, widgets::InputBoxes::itemBox(), m_ctx.notifier);
    QLabel* itemCaption = label("Label3", QStringLiteral("Item, for example, Paper"));
    grid->addWidget(itemCaption, 0, 0);
    grid->addWidget(m_txtItem, 0, 1, 1, 2);
    itemCaption->setBuddy(m_txtItem);

    m_txtDemand = numberBox("txtDemand");
    compositeRow(1, label("Label4", QStringLiteral("Demand, units/")), {m_lblTimePeriod.at(0)}, m_txtDemand);

    // Price, break point and discount price read as one sentence.
    m_txtPrice = numberBox("txtPrice");
    fb::addRow(grid, 2, label("Label5", QStringLiteral("Price, $/unit is")), m_txtPrice,
               label("Label13", QStringLiteral("for any")));
    m_txtBreakPoint = numberBox("txtBreakPoint");
    fb::addRow(grid, 3, label("Label11", QStringLiteral("amount up to")), m_txtBreakPoint,
               label("Label12", QStringLiteral("units,")));
    m_txtPrice1 = numberBox("txtPrice1");
    QLabel* discountCaption = wrappedLabel(frame, QStringLiteral("Label14"), m_description.discountPriceCaption, 26);
    fb::addRow(grid, 4, discountCaption, m_txtPrice1, label("Label15", QStringLiteral("$/unit.")));

    m_txtOrderingCost = numberBox("txtOrderingCost");
    fb::addRow(grid, 5, label("Label7", QStringLiteral("Ordering cost, $/order")), m_txtOrderingCost);
    m_txtHoldingCost = numberBox("txtHoldingCost");
    compositeRow(6, label("Label6", QStringLiteral("Handling cost, $/unit/")), {m_lblTimePeriod.at(1)},
                 m_txtHoldingCost);
    m_txtInterest = numberBox("txtInterest");
    compositeRow(7, label("Label16", QStringLiteral("Interest, %")),
                 {label("Label17", QStringLiteral("/")), m_lblTimePeriod.at(3)}, m_txtInterest);

    QGroupBox* timeScale = fb::frame(frame, QStringLiteral("Frame6"), QStringLiteral("Time scale"));
    new QHBoxLayout(timeScale);
    m_optTime = fb::optionArray(timeScale, QStringLiteral("optTime"), widgets::timeUnitOptionCaptions(), &m_timeGroup);
    grid->addWidget(timeScale, 8, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    m_cmdCalculate = fb::button(frame, QStringLiteral("cmdCalculate"), QStringLiteral("C&alculate"));
    m_cmdClear = fb::button(frame, QStringLiteral("cmdClear"), QStringLiteral("C&lear"));
    m_cmdPrint = fb::button(frame, QStringLiteral("cmdPrint"), QStringLiteral("&Print Report"));
    buttons->addWidget(m_cmdCalculate);
    buttons->addWidget(m_cmdClear);
    buttons->addWidget(m_cmdPrint);
    grid->addLayout(buttons, 9, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(10, 1);
    return frame;
}

QGroupBox* DiscountWindow::buildResults() {
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* column = new QVBoxLayout(frame);

    auto* boxes = new QGridLayout;
    m_txtOrderQuantity = fb::resultBox(frame, QStringLiteral("txtOrderQuantity"));
    m_txtOrderQuantity->setFixedWidth(boxWidth(m_txtOrderQuantity));
    fb::addRow(boxes, 0, fb::label(frame, QStringLiteral("Label8"), QStringLiteral("Order Quantity, units/order")),
               m_txtOrderQuantity);
    m_txtOrderInterval = fb::resultBox(frame, QStringLiteral("txtOrderInterval"));
    m_txtOrderInterval->setFixedWidth(boxWidth(m_txtOrderInterval));
    fb::addRow(boxes, 1, fb::label(frame, QStringLiteral("Label9"), QStringLiteral("Order interval, days")),
               m_txtOrderInterval);
    boxes->setColumnStretch(2, 1);
    column->addLayout(boxes);

    m_lblConclusion = wrappedLabel(frame, QStringLiteral("lblConclusion"), QString(), 60,
                                   QString::fromLatin1(core::lotsize::QuantityDiscount::kAcceptConclusion));
    column->addWidget(m_lblConclusion);

    column->addWidget(captionCell(
        frame, {fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $/")), m_lblTimePeriod.at(2)}));
    m_costTable =
        new widgets::CostTable({QStringLiteral("Purchase"), QStringLiteral("Ordering"), QStringLiteral("Holding")},
                               false, m_ctx.notifier, frame);
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
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    // Value columns wide enough for amounts into the millions, their headings
    // wrapped to fit; the grid keeps its size.
    const QFontMetrics metrics = m_comparison->fontMetrics();
    m_comparison->resizeColumnsToContents();
    for (int col = 1; col <= 2; ++col)
        m_comparison->setColumnWidth(col, metrics.horizontalAdvance(QStringLiteral("0000000.00")) + 12);
    m_comparison->setColumnWidth(3, metrics.horizontalAdvance(QStringLiteral("$/Month")) + 12);
    m_comparison->resizeRowsToContents();
    widgets::CostTable::fitToCells(m_comparison);
}

void DiscountWindow::buildTabOrder() {
    QList<QWidget*> chain{m_txtItem,   m_txtDemand,       m_txtPrice,       m_txtBreakPoint,
                          m_txtPrice1, m_txtOrderingCost, m_txtHoldingCost, m_txtInterest};
    for (QRadioButton* option : m_optTime)
        chain << option;
    chain << m_cmdCalculate << m_cmdClear << m_cmdPrint << m_cmdExample;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void DiscountWindow::setComparisonCell(int row, int column, const QString& value) {
    m_comparison->item(row, column)->setText(value);
}

core::lotsize::QuantityDiscountTexts DiscountWindow::inputTexts() const {
    core::lotsize::QuantityDiscountTexts t;
    t.item = text(m_txtItem->text());
    t.demand = text(m_txtDemand->text());
    t.price = text(m_txtPrice->text());
    t.breakPoint = text(m_txtBreakPoint->text());
    t.discountPrice = text(m_txtPrice1->text());
    t.orderingCost = text(m_txtOrderingCost->text());
    t.holdingCost = text(m_txtHoldingCost->text());
    t.interest = text(m_txtInterest->text());
    return t;
}

// A click sets the unit even on the option already selected, so clicking Year
// turns the comparison's "$/year" of a fresh window into "$/Year".
void DiscountWindow::onOptTimeClicked(int index) {
    if (index < 0 || index > 2) return;
    m_timeUnit = widgets::kTimeUnitOptions[index];
    const QString unit = widgets::timeUnitCaption(m_timeUnit);
    for (QLabel* label : m_lblTimePeriod)
        label->setText(unit);
    setComparisonCell(2, 3, QStringLiteral("$/") + unit);
}

// Selecting an option from code (load, Clear, Example) acts as its click.
void DiscountWindow::onOptTimeToggled(int index, bool checked) {
    if (checked) onOptTimeClicked(index);
}

void DiscountWindow::onCmdCalculateClicked() {
    widgets::runGuarded(
        this, m_ctx.notifier, [this] { calculate(); }, QString(), kErrorTitle, m_description.calculateErrorIcon);
}

void DiscountWindow::calculate() {
    const core::lotsize::QuantityDiscountTexts texts = inputTexts();
    if (const auto failed = core::lotsize::checkQuantityDiscountInputs(m_description.kind, texts)) {
        widgets::showInputCheckMessage(this, this, m_ctx.notifier, *failed);
        return;
    }
    const auto result = m_discount.calculate(core::lotsize::QuantityDiscountInputs::fromTexts(texts, m_timeUnit));
    if (!result) {
        clearResults();
        return;
    }
    showResult(*result);
}

// Written in this order so that a failure part-way (an overflowing rounding, a
// zero total in the shares) leaves what was written before it.
void DiscountWindow::showResult(const core::lotsize::QuantityDiscountResult& result) {
    m_chosenTotal = result.totalCost;
    m_txtOrderQuantity->setText(wholeText(result.orderQuantity));
    m_txtOrderInterval->setText(wholeText(result.intervalDays));
    setComparisonCell(1, 1, wholeText(result.noDiscountQuantity));
    setComparisonCell(1, 2, wholeText(result.discountQuantity));
    setComparisonCell(2, 1, amountText(result.noDiscountTotal));
    setComparisonCell(2, 2, amountText(result.discountTotal));
    m_costTable->fill({result.purchaseCost, result.orderingCost, result.holdingCost}, result.totalCost);
    m_lblConclusion->setText(text(result.conclusion));
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
        this, m_ctx.notifier,
        [this] {
            // The conclusion stays: Clear empties boxes and grids only.
            for (QLineEdit* b : {m_txtItem, m_txtDemand, m_txtPrice, m_txtBreakPoint, m_txtPrice1, m_txtOrderingCost,
                                 m_txtHoldingCost, m_txtInterest, m_txtOrderQuantity, m_txtOrderInterval})
                b->clear();
            m_optTime.at(0)->setChecked(true);
            clearResultGrids();
        },
        QString(), kErrorTitle, MsgIcon::Exclamation);
}

void DiscountWindow::onCmdExampleClicked() {
    m_txtItem->setText(QStringLiteral("An Item"));
    m_txtDemand->setText(QStringLiteral("100"));
    m_txtPrice->setText(QStringLiteral("1"));
    m_txtOrderingCost->setText(QStringLiteral("300"));
    m_txtHoldingCost->setText(QStringLiteral("0.1"));
    m_txtBreakPoint->setText(QStringLiteral("500"));
    m_txtPrice1->setText(QStringLiteral("0.95"));
    m_txtInterest->setText(QStringLiteral("10"));
    m_optTime.at(2)->setChecked(true);
    onCmdCalculateClicked();
}

void DiscountWindow::onCmdPrintClicked() {
    widgets::runGuarded(
        this, m_ctx.notifier, [this] { printReport(); }, QString(), kErrorTitle, MsgIcon::Exclamation);
}

void DiscountWindow::printReport() {
    if (m_txtOrderQuantity->text().isEmpty()) return;
    platform::TextReportSink* sink = m_ctx.textReports ? m_ctx.textReports->start(m_description.caption) : nullptr;
    if (!sink) return;
    DiscountReport::Values v;
    v.item = m_txtItem->text();
    v.demand = m_txtDemand->text();
    v.price = m_txtPrice->text();
    v.breakPoint = m_txtBreakPoint->text();
    v.discountPrice = m_txtPrice1->text();
    v.orderingCost = m_txtOrderingCost->text();
    v.holdingCost = m_txtHoldingCost->text();
    v.interest = m_txtInterest->text();
    v.conclusion = m_lblConclusion->text();
    v.orderQuantity = m_txtOrderQuantity->text();
    v.orderInterval = m_txtOrderInterval->text();
    v.chosenTotal = m_chosenTotal;
    v.timeUnit = widgets::timeUnitCaption(m_timeUnit);
    DiscountReport::type(sink, DiscountReport::pieces(m_description, v));
}

}  // namespace tervalo::lotsize
