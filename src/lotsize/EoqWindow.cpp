#include "lotsize/EoqWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/lotsize/LotSizeText.h"
#include "data/Eoq1Repository.h"
#include "platform/Clock.h"
#include "platform/ReportService.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/LauncherHighlight.h"
#include "widgets/TimeScaleFrame.h"
#include "widgets/TimeUnitOptions.h"

namespace tervalo::lotsize {

namespace fb = widgets::FormBuilder;
namespace lot = core::lotsize;

namespace {

constexpr int kIntroColumns = 64;

QString rounded(double value) { return QString::fromStdString(lot::roundedText(value)); }

}  // namespace

EoqWindow::EoqWindow(EoqWindowDescription description, widgets::AppContext& ctx, QWidget* parent)
    : ModelWindow(ctx, description.window, description.caption, static_cast<int>(EoqField::Count), parent),
      m_description(std::move(description)) {
    const EoqWindowDescription& d = m_description;
    setCalculateErrorWording(d.calculateErrorSuffix, d.calculateErrorIcon);

    m_timeScale = new widgets::TimeScaleFrame(form(), Qt::Vertical, form(), d.timeUnitLabels);
    m_example = button(form(), QStringLiteral("cmdExample"), d.exampleCaption, false);
    m_calculate = button(form(), QStringLiteral("cmdCalculate"), d.calculateCaption);
    m_clear = button(form(), QStringLiteral("cmdClear"), d.clearCaption, false);
    m_print = button(form(), QStringLiteral("cmdPrint"), d.printCaption);

    auto* left = new QVBoxLayout;
    left->addWidget(textFrame(form(), QStringLiteral("Frame1"), QStringLiteral("Assumptions"), QStringLiteral("Label1"),
                              d.assumptions, kIntroColumns));
    left->addWidget(textFrame(form(), QStringLiteral("Frame2"), QStringLiteral("An example"), QStringLiteral("Label2"),
                              d.example, kIntroColumns, m_example));
    left->addWidget(buildInputFrame());
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildResultFrame());
    if (d.discount) {
        m_discount = new DiscountFrame(
            *d.discount, d.model, ctx, [this] { return discountBasis(); }, form());
        // Its place is kept while it is hidden, so that showing it never
        // makes the window larger than the main window's first frame holds.
        QSizePolicy keepPlace = m_discount->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        m_discount->setSizePolicy(keepPlace);
        m_discount->hide();
        right->addWidget(m_discount);
        connect(m_discount, &DiscountFrame::decisionShown, this, [this] { growToFitForm(); });
    }
    right->addStretch(1);

    auto* layout = new QHBoxLayout(form());
    layout->addLayout(left, 0);
    layout->addLayout(right, 0);
    layout->addStretch(1);

    connect(m_calculate, &QPushButton::clicked, this, &EoqWindow::onCmdCalculateClicked);
    connect(m_example, &QPushButton::clicked, this, &EoqWindow::onCmdExampleClicked);
    connect(m_clear, &QPushButton::clicked, this, &EoqWindow::onCmdClearClicked);
    connect(m_print, &QPushButton::clicked, this, &EoqWindow::onCmdPrintClicked);
    if (m_discountButton) connect(m_discountButton, &QPushButton::clicked, this, &EoqWindow::onCmdDiscountClicked);

    m_print->setEnabled(d.printEnabledAtLoad);
    applyTabOrder();
    if (d.launcher.any()) new widgets::LauncherHighlight(this, ctx, d.launcher.firstTab, d.launcher.otherTabs);
}

EoqWindow::~EoqWindow() = default;

lot::TimeUnit EoqWindow::timeUnit() const { return m_timeScale->unit(); }

// ---------------------------------------------------------------- form

void EoqWindow::addBoxRow(QGroupBox* frame, QGridLayout* grid, int row, const BoxRow& boxRow, QLineEdit* box) {
    QLabel* caption = fb::label(frame, boxRow.labelName, boxRow.caption);
    caption->setBuddy(box);
    if (boxRow.unitLabel >= 0) {
        // The unit follows the caption directly: "Demand, units/" "Week".
        auto* pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(caption);
        pair->addWidget(m_timeScale->unitLabel(boxRow.unitLabel));
        pair->addStretch(1);
        grid->addLayout(pair, row, 0);
        m_timeScale->nameByCaption(box, {caption, m_timeScale->unitLabel(boxRow.unitLabel)});
    } else {
        grid->addWidget(caption, row, 0);
    }
    grid->addWidget(box, row, 1);
}

QGroupBox* EoqWindow::buildInputFrame() {
    const EoqWindowDescription& d = m_description;
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame4"), QStringLiteral("Item and costs"));
    auto* grid = new QGridLayout(frame);
    for (int row = 0; row < d.inputs.size(); ++row) {
        const BoxRow& boxRow = d.inputs.at(row);
        const auto field = static_cast<EoqField>(boxRow.box);
        QLineEdit* input = field == EoqField::Item ? itemBox(frame, boxRow.box, boxName(field))
                                                   : numberBox(frame, boxRow.box, boxName(field));
        // One width for every box, so their right edges line up clear of the time-scale frame.
        fitToNineDigits(input);
        addBoxRow(frame, grid, row, boxRow, input);
    }
    m_timeScale->setParent(frame);
    grid->addWidget(m_timeScale, 0, 2, int(d.inputs.size()), 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    if (d.discount) {
        m_discountButton = button(frame, QStringLiteral("cmdDiscount"), QStringLiteral("&Quantity Discount"));
        m_discountButton->setEnabled(false);
        buttons->addWidget(m_discountButton);
    }
    buttons->addWidget(m_print);
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    grid->addLayout(buttons, int(d.inputs.size()), 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return frame;
}

QGroupBox* EoqWindow::buildResultFrame() {
    const EoqWindowDescription& d = m_description;
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    for (int row = 0; row < d.results.size(); ++row) {
        const BoxRow& boxRow = d.results.at(row);
        QLineEdit* result = fb::resultBox(frame, boxName(static_cast<EoqResultBox>(boxRow.box)));
        fitToNineDigits(result);
        addBoxRow(frame, grid, row, boxRow, result);
        m_results[static_cast<std::size_t>(boxRow.box)] = result;
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* costHeading = new QHBoxLayout;
    costHeading->setSpacing(0);
    costHeading->addWidget(fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $/")));
    costHeading->addWidget(m_timeScale->unitLabel(2));
    costHeading->addStretch(1);
    layout->addLayout(costHeading);

    m_costTable = new widgets::CostTable(d.costParts, true, context().notifier, frame);
    layout->addWidget(m_costTable);
    return frame;
}

void EoqWindow::applyTabOrder() {
    QList<QWidget*> chain;
    for (EoqControl control : m_description.tabOrder) {
        switch (control) {
            case EoqControl::Example:
                chain << m_example;
                break;
            case EoqControl::Inputs:
                for (const BoxRow& row : m_description.inputs)
                    chain << inputBox(row.box);
                break;
            case EoqControl::Calculate:
                chain << m_calculate;
                break;
            case EoqControl::Discount:
                chain << m_discountButton;
                break;
            case EoqControl::Print:
                chain << m_print;
                break;
            case EoqControl::Clear:
                chain << m_clear;
                break;
            case EoqControl::DiscRate:
                chain << (m_discount ? m_discount->rateBox() : nullptr);
                break;
            case EoqControl::DiscQ:
                chain << (m_discount ? m_discount->quantityBox() : nullptr);
                break;
            case EoqControl::ShouldYou:
                chain << (m_discount ? m_discount->shouldYouButton() : nullptr);
                break;
            case EoqControl::TimeOptions:
                for (QRadioButton* option : m_timeScale->options())
                    chain << option;
                break;
        }
    }
    chain.removeAll(nullptr);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    // The first control holds the focus when the window opens.
    if (!chain.isEmpty()) chain.first()->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- handlers

void EoqWindow::onCmdCalculateClicked() { calculate(); }

void EoqWindow::onCmdExampleClicked() { fillAndCalculate(m_description.exampleTexts, m_description.exampleUnit); }

void EoqWindow::onCmdClearClicked() {
    widgets::runGuarded(
        this, context().notifier, [this] { clearAll(); }, m_description.clearErrorSuffix);
}

void EoqWindow::onCmdPrintClicked() {
    const QString item = text(EoqField::Item);
    if (item.isEmpty() || resultBox(EoqResultBox::Quantity)->text().isEmpty()) return;
    widgets::runGuarded(this, context().notifier, [this, &item] {
        context().reports.previewEoq(this, lot::modelId(m_description.model), item, context().clock.today());
    });
}

void EoqWindow::onCmdDiscountClicked() {
    if (m_discount->isHidden()) {
        m_discount->show();
        m_discountButton->setText(QStringLiteral("&Turn Off Discount"));
        m_discount->rateBox()->setFocus(Qt::OtherFocusReason);
    } else {
        m_discount->hide();
        m_discountButton->setText(QStringLiteral("Quantity Discount"));
    }
}

widgets::EoqRunResult EoqWindow::fillAndCalculate(const BoxTexts& texts, std::optional<lot::TimeUnit> unit) {
    for (const auto& [field, value] : texts) {
        if (QLineEdit* input = inputBox(field)) input->setText(value);
    }
    if (unit) m_timeScale->select(*unit);
    widgets::EoqRunResult result;
    result.calculated = calculate();
    if (!result.calculated) return result;
    auto shown = [this](EoqResultBox box) {
        const QLineEdit* b = resultBox(box);
        return b ? b->text() : QString();
    };
    result.orderQuantity = shown(EoqResultBox::Quantity);
    result.orderInterval = shown(EoqResultBox::Interval);
    result.maxInventory = shown(EoqResultBox::MaxInventory);
    result.allowedShortage = shown(EoqResultBox::AllowedShortage);
    result.logId = m_logId;
    return result;
}

// ---------------------------------------------------------------- calculate

std::span<const core::InputCheck> EoqWindow::checks() const { return lot::eoqChecks(m_description.model); }

// Until this calculation is saved there is no row for the what-if to update.
void EoqWindow::startCalculation() { m_logId.clear(); }

std::optional<core::CheckMessage> EoqWindow::computeModel(const std::vector<std::string>& texts) {
    lot::EoqTexts fields;
    std::copy(texts.begin(), texts.end(), fields.values.begin());
    m_result = lot::computeEoq(lot::eoqInputs(m_description.model, fields));
    return std::nullopt;
}

// Quantities, intervals, shortages and inventories are shown rounded half to
// even to 32-bit integers, so large demands give ordinary figures; the
// interval in days is held in single precision before it is rounded.
void EoqWindow::prepareDisplay() {
    Prepared p;
    auto set = [&p](EoqResultBox box, const QString& value) { p.results[static_cast<std::size_t>(box)] = value; };
    set(EoqResultBox::Quantity, rounded(m_result.quantity));
    set(EoqResultBox::Interval, rounded(lot::intervalDays(m_result.cycle, timeUnit())));
    if (m_description.production()) set(EoqResultBox::MaxInventory, rounded(m_result.maxInventory));
    if (m_description.shortages()) set(EoqResultBox::AllowedShortage, rounded(m_result.allowedShortage));
    std::vector<double> amounts{m_result.purchaseCost, m_result.orderingCost, m_result.holdingCost};
    if (m_description.shortages()) amounts.push_back(m_result.shortageCost);
    amounts.push_back(m_result.total);
    p.costs = core::splitCosts(std::move(amounts), m_description.constantTotalShare);
    m_prepared = std::move(p);
}

void EoqWindow::showPrepared() {
    for (std::size_t i = 0; i < m_results.size(); ++i) {
        if (m_results[i]) m_results[i]->setText(m_prepared.results[i]);
    }
    m_costTable->display(m_prepared.costs);
    m_lastTotal = m_result.total;
    if (m_discount) m_discount->calculationShown();
    if (m_discountButton) m_discountButton->setEnabled(true);
    if (m_description.calculateEnablesPrint) m_print->setEnabled(true);
}

void EoqWindow::saveResult() {
    const bool shortages = m_description.shortages();
    data::Eoq1Row row;
    row.date = context().clock.today();
    row.timeUnit = widgets::timeUnitCaption(timeUnit());
    row.itemName = text(EoqField::Item);
    row.demand = text(EoqField::Demand);
    row.itemCost = text(EoqField::Price);
    row.holdingCost = text(EoqField::HoldingCost);
    if (shortages) row.shortageCost = text(EoqField::ShortageCost);
    row.setupCost = text(EoqField::OrderingCost);
    row.orderQty = resultBox(EoqResultBox::Quantity)->text();
    row.orderInterval = resultBox(EoqResultBox::Interval)->text();
    if (shortages) row.shortageAllowed = resultBox(EoqResultBox::AllowedShortage)->text();
    row.tItemCost = m_result.purchaseCost;
    row.tHoldingCost = m_result.holdingCost;
    if (shortages) row.tShortageCost = m_result.shortageCost;
    row.tSetupCost = m_result.orderingCost;
    row.totalCost = m_result.total;
    row.modelId = lot::modelId(m_description.model);
    m_logId = data::Eoq1Repository(context().cnn).insert(row);
}

// Empties what a calculation shows: the result boxes, the decision, the cost
// table's values (the pie keeps its last drawing) and the row key, and
// disables what needs a result.
void EoqWindow::clearResults() {
    for (QLineEdit* result : m_results) {
        if (result) result->clear();
    }
    if (m_discount) m_discount->clearDecision();
    m_costTable->clearValues();
    m_logId.clear();
    if (m_discountButton) m_discountButton->setEnabled(false);
    if (m_description.clearDisablesPrint) m_print->setEnabled(false);
}

void EoqWindow::clearAll() {
    for (const BoxRow& row : m_description.inputs)
        inputBox(row.box)->clear();
    if (m_discount) m_discount->clearTexts();
    m_timeScale->select(lot::TimeUnit::Year);
    clearResults();
}

// ---------------------------------------------------------------- state

DiscountFrame::Basis EoqWindow::discountBasis() const {
    DiscountFrame::Basis basis;
    lot::DiscountOfferInputs& in = basis.inputs;
    const lot::EoqTexts fields = [this] {
        lot::EoqTexts t;
        const std::vector<std::string> texts = fieldTexts();
        std::copy(texts.begin(), texts.end(), t.values.begin());
        return t;
    }();
    in.price = fields.number(EoqField::Price);
    in.holdingCost = fields.number(EoqField::HoldingCost);
    in.demand = fields.number(EoqField::Demand);
    in.orderingCost = fields.number(EoqField::OrderingCost);
    if (m_description.shortages()) {
        // The shown, rounded shortage, not the calculator's.
        in.allowedShortage = core::leadingNumberOf(resultBox(EoqResultBox::AllowedShortage)->text().toStdString());
        in.shortageCost = fields.number(EoqField::ShortageCost);
    }
    in.optimalTotal = m_lastTotal;
    in.timeUnit = timeUnit();
    basis.logId = m_logId;
    // The item's name plays no part in the offer.
    basis.inputTexts = fieldTexts();
    basis.inputTexts[static_cast<std::size_t>(EoqField::Item)].clear();
    basis.inputTexts.push_back(widgets::timeUnitCaption(timeUnit()).toStdString());
    return basis;
}

QString EoqWindow::text(EoqField field) const {
    const QLineEdit* input = inputBox(field);
    return input ? input->text() : QString();
}

}  // namespace tervalo::lotsize
