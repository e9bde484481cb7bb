#include "stochastic/MultiperiodBWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "platform/Notifier.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;
namespace cs = core::stochastic;
using F = cs::ReviewField;

namespace {

constexpr int kIntroColumns = 60;

// The single-period window's assumption text; this window shows it too.
const char* const kAssumptions =
    "This model assumes a random demand to determine how much of an item is to have on hand at the beginning of a "
    "single time period to minimize total cost. Some examples are seanonal products such as Christmas tree, or "
    "perishable item such as donuts or newspaper.";

// The car dealer with this window's figures (the misspellings are the program's own).
const char* const kExample =
    "The number of cars sold by a dealer in a month is uniformly distributed over the interval [75,100]. The dealer "
    "purchases  cars at $4000/car with a setup ost of $5000 for delivery cars. Holding a car in stock costs "
    "$60/month, consisting of interest due to funds tied up, car wash, insurance, etc. If the dealer does not have a "
    "car in stock for a buyer, he immediately place an order from manufacturer at a higher cost of $4300 per car. "
    "Determine an optimum invertory plocicy for this dealer to minimize cost.";

// The time-unit options in their order, with their names and the unit label's text.
struct UnitOption {
    cs::LeadTimeUnit unit;
    const char* name;
    const char* caption;
    const char* label;
};
constexpr UnitOption kUnitOptions[] = {
    {cs::LeadTimeUnit::Day, "optDay", "Day", "Days"},
    {cs::LeadTimeUnit::Week, "optWeek", "Week", "Weeks"},
    {cs::LeadTimeUnit::Month, "optMonth", "Month", "Months"},
};

// The cost rows of the Inputs frame: caption label, box, unit label.
struct CostRow {
    const char* captionName;
    const char* caption;
    F field;
    const char* boxName;
    const char* unitName;
    const char* unit;
};
constexpr CostRow kCostRows[] = {
    {"Label3", "Item, e.g, Paper", F::Item, "txtItem", nullptr, nullptr},
    {"lblK1", "Purchase price", F::Price, "txtPrice", "Label12", "$/unit"},
    {"Label6", "Holding cost", F::HoldingCost, "txtHoldingCost", "Label13", "$/unit"},
    {"lblK", "Order/setup cost", F::OrderingCost, "txtOrderingCost", "Label11", "$/order"},
    {"Label4", "Shortage Cost", F::ShortageCost, "txtShortageCost", "Label14", "$/unit"},
};

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

cs::ReviewTexts reviewTexts(const std::vector<std::string>& texts) {
    cs::ReviewTexts fields;
    std::copy_n(texts.begin(), std::min(texts.size(), fields.values.size()), fields.values.begin());
    return fields;
}

}  // namespace

MultiperiodBWindow::MultiperiodBWindow(widgets::AppContext& ctx, QWidget* parent)
    : ModelWindow(ctx, widgets::WindowId::MultiperiodB,
                  QStringLiteral("Multi-Period Continuous Model: Minimizing cost"), static_cast<int>(F::Count),
                  parent) {
    // The window's run-time error handler: the description alone, no icon, no title of its own.
    setCalculateErrorWording(QString(), platform::MsgIcon::None, QString());
    setModelFaultShown(ModelFault::Handler);
    m_example = button(form(), QStringLiteral("cmdExample"), QStringLiteral("&Click this button to see results"));
    m_calculate = button(form(), QStringLiteral("cmdCalculate"), QStringLiteral("C&alculate"));
    m_print = button(form(), QStringLiteral("cmdPrint"), QStringLiteral("&Print Report"));
    m_clear = button(form(), QStringLiteral("cmdClear"), QStringLiteral("&Clear"));

    auto* left = new QVBoxLayout;
    left->addWidget(textFrame(form(), QStringLiteral("Frame1"), QStringLiteral("Assumptions"), QStringLiteral("Label1"),
                              text(kAssumptions), kIntroColumns));
    left->addWidget(textFrame(form(), QStringLiteral("Frame2"), QStringLiteral("An example"), QStringLiteral("Label2"),
                              text(kExample), kIntroColumns, m_example));
    left->addWidget(buildInputFrame());
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildPolicyFrame());
    right->addStretch(1);

    auto* layout = new QHBoxLayout(form());
    layout->addLayout(left, 0);
    layout->addLayout(right, 0);
    layout->addStretch(1);

    // Example, Print and Clear have no handlers: clicking them does nothing.
    connect(m_calculate, &QPushButton::clicked, this, &MultiperiodBWindow::onCmdCalculateClicked);

    // Loading selects Uniform and Week, each through its option's handler.
    m_modelOptions.at(0)->setChecked(true);
    m_unitOptions.at(1)->setChecked(true);
    applyTabOrder();
}

MultiperiodBWindow::~MultiperiodBWindow() = default;

// ---------------------------------------------------------------- form

QGroupBox* MultiperiodBWindow::buildInputFrame() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame3"), QStringLiteral("Inputs"));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const CostRow& r : kCostRows) {
        QLineEdit* box = plainBox(frame, static_cast<int>(r.field), text(r.boxName));
        QLabel* unit = r.unitName ? fb::label(frame, text(r.unitName), text(r.unit)) : nullptr;
        fb::addRow(grid, row++, fb::label(frame, text(r.captionName), text(r.caption)), box, unit);
    }
    auto* side = new QVBoxLayout;
    side->addWidget(buildDemandModelFrame(frame));
    side->addWidget(buildLeadTimeFrame(frame));
    side->addStretch(1);
    grid->addLayout(side, 0, 3, row, 1);
    grid->addWidget(buildParameterFrame(frame), row++, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_calculate, m_print, m_clear}) {
        b->setParent(frame);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* MultiperiodBWindow::buildLeadTimeFrame(QWidget* parent) {
    QGroupBox* frame = fb::frame(parent, QStringLiteral("Frame4"), QStringLiteral("The average lead time"));
    auto* column = new QVBoxLayout(frame);
    auto* boxRow = new QHBoxLayout;
    QLineEdit* box = plainBox(frame, static_cast<int>(F::LeadTime), QStringLiteral("txtLeadTime"));
    m_timeUnitLabel = fb::label(frame, QStringLiteral("lblTimeUnit"), QString());
    // The unit beside the box is all the caption it has; the frame names the rest.
    m_timeUnitLabel->setBuddy(box);
    boxRow->addWidget(box);
    boxRow->addWidget(m_timeUnitLabel);
    boxRow->addStretch(1);
    column->addLayout(boxRow);

    auto* options = new QHBoxLayout;
    auto* group = new QButtonGroup(frame);
    group->setExclusive(true);
    for (int i = 0; i < int(std::size(kUnitOptions)); ++i) {
        auto* option = new QRadioButton(text(kUnitOptions[i].caption), frame);
        option->setObjectName(text(kUnitOptions[i].name));
        group->addButton(option, i);
        options->addWidget(option);
        m_unitOptions << option;
    }
    options->addStretch(1);
    column->addLayout(options);
    // Selecting an option (a click, the keyboard, code) clears the other two.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) onLeadTimeUnitClicked(kUnitOptions[id].unit);
    });
    return frame;
}

QGroupBox* MultiperiodBWindow::buildDemandModelFrame(QWidget* parent) {
    QGroupBox* frame = fb::frame(parent, QStringLiteral("Frame6"), QStringLiteral("Demand Distribution Model"));
    QButtonGroup* group = nullptr;
    m_modelOptions = fb::optionArray(frame, QStringLiteral("optModel"),
                                     {QStringLiteral("Uniform"), QStringLiteral("Normal")}, &group);
    // Only a change of model runs the handler: clicking the selected one keeps the boxes.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) onOptModelClicked(id);
    });
    return frame;
}

QGroupBox* MultiperiodBWindow::buildParameterFrame(QWidget* parent) {
    QGroupBox* frame = fb::frame(parent, QStringLiteral("Frame7"), QStringLiteral("Model parameters"));
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* name, const char* caption) { return fb::label(frame, text(name), text(caption)); };
    QLineEdit* low = plainBox(frame, static_cast<int>(F::LowDemand), QStringLiteral("txtLowDemand"));
    QLineEdit* high = plainBox(frame, static_cast<int>(F::HighDemand), QStringLiteral("txtHighDemand"));
    QLineEdit* mean = plainBox(frame, static_cast<int>(F::Mean), QStringLiteral("txtMean"));
    QLineEdit* variance = plainBox(frame, static_cast<int>(F::Variance), QStringLiteral("txtVariance"));
    QLabel* d2 = label("lblD2", "units");
    QLabel* d4 = label("lblD4", "units.");
    QLabel* d1 = fb::addRow(grid, 0, label("lblD1", "Demand between"), low, d2);
    QLabel* d3 = fb::addRow(grid, 1, label("lblD3", "and"), high, d4);
    QLabel* m = label("lblM", "Mean");
    QLabel* v = label("lblV", "Variance");
    grid->addWidget(m, 0, 3);
    grid->addWidget(mean, 0, 4);
    grid->addWidget(v, 1, 3);
    grid->addWidget(variance, 1, 4);
    m->setBuddy(mean);
    v->setBuddy(variance);
    grid->setColumnMinimumWidth(2, d4->sizeHint().width() + 12);
    grid->setColumnStretch(5, 1);
    m_uniformControls = {d1, d2, d3, d4, low, high};
    m_normalControls = {m, mean, v, variance};
    return frame;
}

QGroupBox* MultiperiodBWindow::buildPolicyFrame() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    m_reorderPoint = fb::resultBox(frame, QStringLiteral("txtReOrderPoint"));
    m_orderQuantity = fb::resultBox(frame, QStringLiteral("txtOrderQuantity"));
    for (QLineEdit* box : {m_reorderPoint, m_orderQuantity})
        fitToNineDigits(box);
    fb::addRow(grid, 0, fb::label(frame, QStringLiteral("Label8"), QStringLiteral("When inventory level falls to")),
               m_reorderPoint, fb::label(frame, QStringLiteral("Label15"), QStringLiteral("units")));
    fb::addRow(grid, 1, fb::label(frame, QStringLiteral("Label9"), QStringLiteral("place an order for")),
               m_orderQuantity, fb::label(frame, QStringLiteral("Label16"), QStringLiteral("units")));
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addWidget(fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $")));
    m_costTable = new widgets::CostTable({QStringLiteral("Order/Setup"), QStringLiteral("Purchase"),
                                          QStringLiteral("Holding"), QStringLiteral("Shortage")},
                                         true, context().notifier, frame);
    layout->addWidget(m_costTable);
    layout->addWidget(fb::label(frame, QStringLiteral("lblCost"), QString()));
    return frame;
}

void MultiperiodBWindow::applyTabOrder() {
    QList<QWidget*> chain;
    for (F f : {F::Item, F::Price, F::HoldingCost, F::OrderingCost, F::ShortageCost})
        chain << inputBox(f);
    for (QRadioButton* option : m_modelOptions)
        chain << option;
    for (F f : {F::LowDemand, F::HighDemand, F::Mean, F::Variance, F::LeadTime})
        chain << inputBox(f);
    for (QRadioButton* option : m_unitOptions)
        chain << option;
    chain << m_calculate << m_print << m_clear << m_example;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    chain.first()->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- handlers

void MultiperiodBWindow::onOptModelClicked(int index) {
    m_demand = index == 0 ? cs::ReviewDemand::Uniform : cs::ReviewDemand::Normal;
    for (QWidget* control : m_uniformControls)
        control->setEnabled(index == 0);
    for (QWidget* control : m_normalControls)
        control->setEnabled(index != 0);
    clearBoxes();
}

void MultiperiodBWindow::onLeadTimeUnitClicked(cs::LeadTimeUnit unit) {
    m_unit = unit;
    for (const UnitOption& option : kUnitOptions) {
        if (option.unit == unit) m_timeUnitLabel->setText(text(option.label));
    }
}

void MultiperiodBWindow::onCmdCalculateClicked() { calculate(); }

void MultiperiodBWindow::clearBoxes() {
    for (int f = 0; f < static_cast<int>(F::Count); ++f) {
        if (QLineEdit* box = inputBox(f)) box->clear();
    }
    m_reorderPoint->clear();
    m_orderQuantity->clear();
}

// ---------------------------------------------------------------- calculate

std::span<const core::InputCheck> MultiperiodBWindow::checks() const { return cs::reviewMissingChecks(m_demand); }

std::optional<core::CheckMessage> MultiperiodBWindow::computedCheck(const std::vector<std::string>& texts) {
    return cs::checkReview(m_demand, reviewTexts(texts));
}

core::Beep MultiperiodBWindow::beepFor(const core::CheckMessage& message, MessageSource source) const {
    return source == MessageSource::Check ? cs::reviewBeep(message) : core::Beep::None;
}

std::optional<core::CheckMessage> MultiperiodBWindow::computeModel(const std::vector<std::string>& texts) {
    m_result.reset();
    cs::Outcome<cs::ReviewResult> outcome = cs::computeReview(cs::reviewInputs(m_demand, m_unit, reviewTexts(texts)));
    if (auto* message = std::get_if<core::CheckMessage>(&outcome)) return std::move(*message);
    m_result = std::move(std::get<cs::ReviewResult>(outcome));
    return std::nullopt;
}

void MultiperiodBWindow::prepareDisplay() {
    Prepared p;
    p.quantity = QString::fromStdString(m_result->quantityText);
    p.reorderPoint = QString::fromStdString(m_result->reorderText);
    p.costs = m_result->costs;  // the four parts, then the Total
    m_prepared = std::move(p);
}

void MultiperiodBWindow::showPrepared() {
    m_orderQuantity->setText(m_prepared.quantity);
    m_reorderPoint->setText(m_prepared.reorderPoint);
    m_costTable->display(m_prepared.costs);
}

void MultiperiodBWindow::clearResults() {
    m_reorderPoint->clear();
    m_orderQuantity->clear();
    m_costTable->clearValues();
}

}  // namespace tervalo::stochastic
