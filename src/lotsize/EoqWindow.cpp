#include "lotsize/EoqWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "core/lotsize/LotSizeText.h"
#include "data/Eoq1Repository.h"
#include "platform/Clock.h"
#include "platform/ReportService.h"
#include "widgets/AppContext.h"
#include "widgets/CostTable.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/LauncherHighlight.h"
#include "widgets/TimeUnitOptions.h"

namespace tervalo::lotsize {

namespace fb = widgets::FormBuilder;
namespace lot = core::lotsize;
using platform::MsgIcon;

namespace {

const QString kItem = QStringLiteral("txtItem");
const QString kDemand = QStringLiteral("txtDemand");
const QString kPrice = QStringLiteral("txtPrice");
const QString kHolding = QStringLiteral("txtHoldingCost");
const QString kOrdering = QStringLiteral("txtOrderingCost");
const QString kRate = QStringLiteral("txtManufacturingRate");
const QString kShortageCost = QStringLiteral("txtShortageCost");
const QString kQuantity = QStringLiteral("txtOrderQuantity");
const QString kInterval = QStringLiteral("txtOrderInterval");
const QString kMaxInventory = QStringLiteral("txtMaxInventory");
const QString kAllowedShortage = QStringLiteral("txtAllowedShortage");
const QString kErrorTitle = QStringLiteral("Error Message");
constexpr int kBoxWidth = 120;

int optionIndex(lot::TimeUnit unit) {
    for (int i = 0; i < 3; ++i) {
        if (widgets::kTimeUnitOptions[i] == unit) return i;
    }
    return 0;
}

}  // namespace

EoqWindow::EoqWindow(EoqWindowDescription description, widgets::AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_description(std::move(description)), m_ctx(ctx) {
    const EoqWindowDescription& d = m_description;
    setObjectName(d.formName);
    setWindowTitle(d.caption);
    // The calculator reports its own arithmetic faults, in a box with no icon
    // under the program's title.
    m_eoq.setFaultReporter([this](const std::string& fault) {
        m_ctx.notifier->show(this, QString::fromStdString(fault), QString(), MsgIcon::None);
    });

    m_unitLabels =
        fb::labelArray(this, QStringLiteral("lblTimePeriod"), d.timeUnitLabels, widgets::timeUnitCaption(m_timeUnit));
    m_example = fb::button(this, QStringLiteral("cmdExample"), d.exampleCaption);
    m_calculate = fb::button(this, QStringLiteral("cmdCalculate"), d.calculateCaption);
    m_clear = fb::button(this, QStringLiteral("cmdClear"), d.clearCaption);
    m_print = fb::button(this, QStringLiteral("cmdPrint"), d.printCaption);
    // Filling in the example and emptying the boxes work while a box holds a non-number.
    widgets::InputBoxes::setCausesValidation(m_example, false);
    widgets::InputBoxes::setCausesValidation(m_clear, false);

    auto* left = new QVBoxLayout;
    left->addWidget(buildIntroFrame(QStringLiteral("Frame1"), QStringLiteral("Assumptions"), QStringLiteral("Label1"),
                                    d.assumptions));
    left->addWidget(buildIntroFrame(QStringLiteral("Frame2"), QStringLiteral("An example"), QStringLiteral("Label2"),
                                    d.example, m_example));
    left->addWidget(buildInputFrame());
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildResultFrame());
    if (d.discount) {
        m_discount = new DiscountFrame(
            *d.discount, d.modelId, ctx, [this] { return discountBasis(); }, this);
        m_discount->hide();
        right->addWidget(m_discount);
    }
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(m_calculate, &QPushButton::clicked, this, &EoqWindow::onCmdCalculateClicked);
    connect(m_example, &QPushButton::clicked, this, &EoqWindow::onCmdExampleClicked);
    connect(m_clear, &QPushButton::clicked, this, &EoqWindow::onCmdClearClicked);
    connect(m_print, &QPushButton::clicked, this, &EoqWindow::onCmdPrintClicked);
    connect(m_optionGroup, &QButtonGroup::idClicked, this, &EoqWindow::onOptTimeClicked);
    if (m_discountButton) connect(m_discountButton, &QPushButton::clicked, this, &EoqWindow::onCmdDiscountClicked);

    selectTimeUnit(lot::TimeUnit::Year);
    m_print->setEnabled(d.printEnabledAtLoad);
    applyTabOrder();
    if (d.launcher.any()) new widgets::LauncherHighlight(this, ctx.panel, d.launcher.firstTab, d.launcher.otherTabs);
}

EoqWindow::~EoqWindow() = default;

// ---------------------------------------------------------------- form

QGroupBox* EoqWindow::buildIntroFrame(const QString& name, const QString& caption, const QString& labelName,
                                      const QString& text, QPushButton* button) {
    QGroupBox* frame = fb::frame(this, name, caption);
    auto* layout = new QVBoxLayout(frame);
    QLabel* label = fb::label(frame, labelName, text, true);
    label->setMinimumWidth(400);
    layout->addWidget(label);
    if (button) layout->addWidget(button, 0, Qt::AlignLeft);
    return frame;
}

void EoqWindow::addBoxRow(QGroupBox* frame, QGridLayout* grid, int row, const BoxRow& boxRow, QLineEdit* box) {
    QLabel* caption = fb::label(frame, boxRow.labelName, boxRow.caption);
    caption->setBuddy(box);
    if (boxRow.unitLabel >= 0) {
        // The unit follows the caption directly: "Demand, units/" "Week".
        auto* pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(caption);
        pair->addWidget(m_unitLabels.at(boxRow.unitLabel));
        pair->addStretch(1);
        grid->addLayout(pair, row, 0);
    } else {
        grid->addWidget(caption, row, 0);
    }
    grid->addWidget(box, row, 1);
    m_boxes.insert(boxRow.box, box);
}

QGroupBox* EoqWindow::buildInputFrame() {
    const EoqWindowDescription& d = m_description;
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame4"), QStringLiteral("Item and costs"));
    auto* grid = new QGridLayout(frame);
    for (int row = 0; row < d.inputs.size(); ++row) {
        const BoxRow& boxRow = d.inputs.at(row);
        QLineEdit* input = fb::inputBox(frame, boxRow.box);
        // One width for every box, so their right edges line up clear of the time-scale frame.
        input->setMaximumWidth(kBoxWidth);
        widgets::InputBoxes::install(
            input, boxRow.box == kItem ? widgets::InputBoxes::itemBox() : widgets::InputBoxes::numberBox(),
            m_ctx.notifier);
        addBoxRow(frame, grid, row, boxRow, input);
        m_inputs.append(input);
    }

    QGroupBox* timeScale = fb::frame(frame, QStringLiteral("Frame6"), QStringLiteral("Time scale"));
    m_options =
        fb::optionArray(timeScale, QStringLiteral("optTime"), widgets::timeUnitOptionCaptions(), &m_optionGroup);
    grid->addWidget(timeScale, 0, 2, int(d.inputs.size()), 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    if (d.discount) {
        m_discountButton = fb::button(frame, QStringLiteral("cmdDiscount"), QStringLiteral("&Quantity Discount"));
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
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    for (int row = 0; row < d.results.size(); ++row) {
        QLineEdit* result = fb::resultBox(frame, d.results.at(row).box);
        result->setMaximumWidth(kBoxWidth);
        addBoxRow(frame, grid, row, d.results.at(row), result);
        m_results.append(result);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* costHeading = new QHBoxLayout;
    costHeading->setSpacing(0);
    costHeading->addWidget(fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $/")));
    costHeading->addWidget(m_unitLabels.at(2));
    costHeading->addStretch(1);
    layout->addLayout(costHeading);

    m_costTable = new widgets::CostTable(d.costParts, true, m_ctx.notifier, frame);
    layout->addWidget(m_costTable);
    return frame;
}

void EoqWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const QString& name : m_description.tabOrder) {
        auto* next = findChild<QWidget*>(name);
        if (!next) continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        else
            next->setFocus(Qt::OtherFocusReason);  // the first control holds the focus when the window opens
        previous = next;
    }
}

void EoqWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window opens at the left edge of the main window's client area.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && !m_placed) {
        m_placed = true;
        sub->move(0, sub->y());
    }
}

// ---------------------------------------------------------------- handlers

void EoqWindow::onCmdCalculateClicked() {
    widgets::runGuarded(
        this, m_ctx.notifier, [this] { calculate(); }, m_description.calculateErrorSuffix, kErrorTitle,
        m_description.calculateErrorIcon);
}

void EoqWindow::onCmdExampleClicked() {
    fillAndCalculate(m_description.workedExample.texts, m_description.workedExample.unit);
}

void EoqWindow::onCmdClearClicked() {
    widgets::runGuarded(
        this, m_ctx.notifier, [this] { clearAll(); }, m_description.clearErrorSuffix);
}

void EoqWindow::onCmdPrintClicked() {
    const QString item = text(kItem);
    if (item.isEmpty() || text(kQuantity).isEmpty() || !m_ctx.reports) return;
    widgets::runGuarded(this, m_ctx.notifier, [this, &item] {
        m_ctx.reports->previewEoq(this, m_description.modelId, item, m_ctx.clock->today());
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

void EoqWindow::onOptTimeClicked(int index) { selectTimeUnit(widgets::kTimeUnitOptions[qBound(0, index, 2)]); }

void EoqWindow::fillAndCalculate(const QList<std::pair<QString, QString>>& texts, std::optional<lot::TimeUnit> unit) {
    for (const auto& [name, value] : texts) {
        if (QLineEdit* input = box(name)) input->setText(value);
    }
    if (unit) selectTimeUnit(*unit);
    onCmdCalculateClicked();
}

// ---------------------------------------------------------------- calculate

void EoqWindow::calculate() {
    if (!inputsPass()) return;
    // Until this calculation is saved there is no row for the what-if to update.
    m_logId.clear();
    setCalculatorInputs();
    if (!m_eoq.run()) {
        // The calculator has shown its fault; the outputs it holds belong to an
        // earlier calculation and must not be shown or saved as this one's.
        clearResults();
        return;
    }
    showResults();
    if (m_discountButton) m_discountButton->setEnabled(true);
    if (m_description.calculateEnablesPrint) m_print->setEnabled(true);
    save();
}

bool EoqWindow::inputsPass() {
    auto refuse = [this](const InputCheck& check) {
        m_ctx.notifier->show(this, check.message, check.title, check.icon);
        if (QLineEdit* input = box(check.box)) input->setFocus(Qt::OtherFocusReason);
        return false;
    };
    for (const InputCheck& check : m_description.checks) {
        const QString value = text(check.box);
        if (value.isEmpty() || (check.mustBeNumber && !core::isNumber(value.toStdString()))) return refuse(check);
    }
    // A rate equal to the demand passes; the calculator then reports the division by zero.
    if (m_description.rateBelowDemand && number(kRate) < number(kDemand)) return refuse(*m_description.rateBelowDemand);
    return true;
}

void EoqWindow::setCalculatorInputs() {
    m_eoq.setModelType(m_description.modelId);
    m_eoq.setDemand(number(kDemand));
    m_eoq.setPurchaseOrProductionCost(number(kPrice));
    m_eoq.setHoldingCost(number(kHolding));
    m_eoq.setOderOrSetupCost(number(kOrdering));
    if (m_description.production()) m_eoq.setProductionRate(number(kRate));
    if (m_description.shortages()) m_eoq.setShortageCost(number(kShortageCost));
}

// Quantities, intervals, shortages and inventories are shown rounded half to
// even to 32-bit integers, so large demands give ordinary figures.
void EoqWindow::setRounded(const QString& name, double value) {
    box(name)->setText(QString::fromStdString(lot::roundedText(value)));
}

void EoqWindow::showResults() {
    setRounded(kQuantity, m_eoq.optimumOrderOrProductionQuantity());
    // The interval in days is held in single precision before it is rounded.
    setRounded(kInterval, lot::intervalDays(m_eoq.orderingCycle(), m_timeUnit));
    if (m_description.production()) setRounded(kMaxInventory, m_eoq.maxInventory());
    if (m_description.shortages()) setRounded(kAllowedShortage, m_eoq.allowedShortage());

    QVector<double> parts{m_eoq.periodPuchaseOrProductionCost(), m_eoq.periodOrderingOrProductionCost(),
                          m_eoq.periodHoldingCost()};
    if (m_description.shortages()) parts.append(m_eoq.periodShortageCost());
    m_costTable->fill(parts, m_eoq.totalPeriodCost(), m_description.constantTotalShare);
    m_costTable->updateChart();
}

void EoqWindow::save() {
    if (!m_ctx.cnn) throw core::RuntimeError(core::ErrorCode::Database, "No database connection");
    const bool shortages = m_description.shortages();
    data::Eoq1Row row;
    row.date = m_ctx.clock->today();
    row.timeUnit = m_unitLabels.at(0)->text();
    row.itemName = text(kItem);
    row.demand = text(kDemand);
    row.itemCost = text(kPrice);
    row.holdingCost = text(kHolding);
    if (shortages) row.shortageCost = text(kShortageCost);
    row.setupCost = text(kOrdering);
    row.orderQty = text(kQuantity);
    row.orderInterval = text(kInterval);
    if (shortages) row.shortageAllowed = text(kAllowedShortage);
    row.tItemCost = m_eoq.periodPuchaseOrProductionCost();
    row.tHoldingCost = m_eoq.periodHoldingCost();
    if (shortages) row.tShortageCost = m_eoq.periodShortageCost();
    row.tSetupCost = m_eoq.periodOrderingOrProductionCost();
    row.totalCost = m_eoq.totalPeriodCost();
    row.modelId = m_description.modelId;
    m_logId = data::Eoq1Repository(*m_ctx.cnn).insert(row);
}

// Empties what a calculation shows: the result boxes, the decision, the cost
// table's values (the pie keeps its last drawing) and the row key.
void EoqWindow::clearResults() {
    for (QLineEdit* result : std::as_const(m_results))
        result->clear();
    if (m_discount) m_discount->clearDecision();
    m_costTable->clearValues();
    m_logId.clear();
    if (m_discountButton) m_discountButton->setEnabled(false);
    if (m_description.clearDisablesPrint) m_print->setEnabled(false);
}

void EoqWindow::clearAll() {
    for (QLineEdit* input : std::as_const(m_inputs))
        input->clear();
    if (m_discount) m_discount->clearTexts();
    selectTimeUnit(lot::TimeUnit::Year);
    clearResults();
}

// ---------------------------------------------------------------- state

void EoqWindow::selectTimeUnit(lot::TimeUnit unit) {
    m_timeUnit = unit;
    m_options.at(optionIndex(unit))->setChecked(true);
    for (QLabel* label : std::as_const(m_unitLabels))
        label->setText(widgets::timeUnitCaption(unit));
}

DiscountFrame::Basis EoqWindow::discountBasis() const {
    DiscountFrame::Basis basis;
    lot::DiscountOfferInputs& in = basis.inputs;
    in.price = number(kPrice);
    in.holdingCost = number(kHolding);
    in.demand = number(kDemand);
    in.orderingCost = number(kOrdering);
    if (m_description.shortages()) {
        // The shown, rounded shortage, not the calculator's.
        in.allowedShortage = number(kAllowedShortage);
        in.shortageCost = number(kShortageCost);
    }
    in.optimalTotal = m_eoq.totalPeriodCost();
    in.timeUnit = m_timeUnit;
    basis.logId = m_logId;
    return basis;
}

QString EoqWindow::text(const QString& name) const {
    const QLineEdit* input = box(name);
    return input ? input->text() : QString();
}

double EoqWindow::number(const QString& name) const { return core::leadingNumber(text(name).toStdString()); }

}  // namespace tervalo::lotsize
