#include "stochastic/SinglePeriodCWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/ReportService.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowId.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;
namespace cs = core::stochastic;
using F = cs::ContinuousField;
using P = cs::Problem;
using D = cs::ContinuousDemand;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

constexpr int kTextColumns = 64;

const QString kCaption = QStringLiteral("Single-Period Model: Continuous Demand Distribution");

const QString kAssumptions = QStringLiteral(
    "This model assumes a random demand to determine how much of an item is to have on hand at the beginning of a "
    "single time period to minimize total cost. Some examples are seanonal products such as Christmas tree, or "
    "perishable item such as donuts or newspaper.");

// The three example texts, word for word as users know them.
const QString kCarDealerText = QStringLiteral(
    "The number of cars sold by a dealer in a month is uniformly distributed over the interval [75,100]. The dealer "
    "purchases  cars at $14000/car with a setup ost of $5000 for delivery cars. Holding a car in stock costs "
    "$60/month, consisting of interest due to funds tied up, car wash, insurance, etc. If the dealer does not have a "
    "car in stock for a buyer, he immediately place an order from manufacturer at a higher cost of $16000 per car. "
    "Determine an optimum invertory plocicy for this dealer to minimize cost.");

const QString kChristmasTreeText = QStringLiteral(
    "A store decided to sell Christmas tree this year. Trees cost $6.00 each and sell for $20. Trees left over are "
    "burned at a cost of 0.50 each. If a sale is lost there is no addtional cost except the lost revenue. The demand "
    "is equally likely to be any value between 500 and 1000 trees. Determine how many trees to order. (The costs "
    "given in this example may not be realistic. We just use them to show how to fill the data into this model.)");

const QString kSkisText = QStringLiteral(
    "An outdoor equipment shop is determing how many pairs of touring skis should be in stock at the beginning of the "
    "upcoming tour-skiing season. Assume reordering cannot be done because of the long-delay in delivery. The cost of "
    "each pair is $60. The retail price is $90. The inventoty cost is is $10 per year minus the end-of-season "
    "discount price of $50 (so holding cost is $10-$50=-$40). The stockout cost is $125/stockout. The demand can be "
    "approximated with a normal variable with mean of 20 and variance of 25.");

const QString kNameItem = QStringLiteral("Please enter a name for this item.");

platform::MsgIcon msgIcon(core::MessageIcon icon) {
    switch (icon) {
        case core::MessageIcon::Exclamation:
            return MsgIcon::Exclamation;
        case core::MessageIcon::Information:
            return MsgIcon::Information;
        case core::MessageIcon::None:
            break;
    }
    return MsgIcon::None;
}

void enableAll(const QList<QWidget*>& controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void showAll(const QList<QWidget*>& controls, bool visible) {
    for (QWidget* control : controls)
        control->setVisible(visible);
}

// A focus move to another control of the form, as opposed to the window
// losing the focus to another window, a menu or a message box.
bool movesWithinForm(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

}  // namespace

SinglePeriodCWindow::SinglePeriodCWindow(widgets::AppContext& ctx, QWidget* parent)
    : ModelWindow(ctx, widgets::WindowId::SinglePeriodC, kCaption, static_cast<int>(F::Count), parent) {
    // A fault in the calculation goes to the window's handler ("Error Message", exclamation).
    setCalculateErrorWording(QString(), MsgIcon::Exclamation);
    setModelFaultShown(ModelFault::Handler);

    m_cmdExample =
        button(form(), QStringLiteral("cmdExample"), QStringLiteral("&Click this button to see results"), false);
    auto* left = new QVBoxLayout;
    left->addWidget(textFrame(form(), QStringLiteral("Frame1"), QStringLiteral("Assumptions"), QStringLiteral("Label1"),
                              kAssumptions, kTextColumns));
    QGroupBox* exampleFrame = textFrame(form(), QStringLiteral("Frame2"), QStringLiteral("An example"),
                                        QStringLiteral("Label2"), kCarDealerText, kTextColumns, m_cmdExample);
    m_label2 = exampleFrame->findChild<QLabel*>(QStringLiteral("Label2"));
    // Tall enough for the longest of the three texts it takes turns showing.
    {
        const QFontMetrics metrics = m_label2->fontMetrics();
        int height = 0;
        for (const QString& text : {kCarDealerText, kChristmasTreeText, kSkisText})
            height = std::max(
                height,
                metrics.boundingRect(QRect(0, 0, m_label2->minimumWidth(), 0), Qt::TextWordWrap, text).height());
        m_label2->setMinimumHeight(height);
    }
    left->addWidget(buildInputFrame());
    left->addStretch(1);

    // The example heads the right side, its button above the results it
    // shows, so that the form fits a screen 900 pixels high.
    auto* right = new QVBoxLayout;
    right->addWidget(exampleFrame);
    right->addWidget(buildResultFrame());
    right->addStretch(1);

    auto* layout = new QHBoxLayout(form());
    layout->addLayout(left, 0);
    layout->addLayout(right, 0);
    layout->addStretch(1);

    for (int i = 0; i < 2; ++i) {
        connect(m_optType[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) selectProblem(i == 0 ? P::SsPolicy : P::SinglePeriod);
        });
        connect(m_optModel[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) selectDemand(i == 0 ? D::Uniform : D::Normal);
        });
    }
    connect(m_cmdCalculate, &QPushButton::clicked, this, &SinglePeriodCWindow::onCmdCalculateClicked);
    connect(m_cmdExample, &QPushButton::clicked, this, &SinglePeriodCWindow::onCmdExampleClicked);
    connect(m_cmdPrint, &QPushButton::clicked, this, &SinglePeriodCWindow::onCmdPrintClicked);
    connect(m_cmdClear, &QPushButton::clicked, this, &SinglePeriodCWindow::onCmdClearClicked);
    inputBox(F::Item)->installEventFilter(this);
    applyTabOrder();

    // Nothing is selected at design: both handlers run, the demand model first,
    // so the window starts with uniform demand, the (s,S) policy, the car
    // dealer's text and every box empty.
    selectDemand(D::Uniform);
    selectProblem(P::SsPolicy);
}

SinglePeriodCWindow::~SinglePeriodCWindow() = default;

// ---------------------------------------------------------------- form

QGroupBox* SinglePeriodCWindow::buildInputFrame() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame4"), QStringLiteral("Inputs"));
    auto* column = new QVBoxLayout(frame);

    auto* options = new QHBoxLayout;
    QGroupBox* typeFrame = fb::frame(frame, QStringLiteral("Frame3"), QStringLiteral("Problem type"));
    const QList<QRadioButton*> types =
        fb::optionArray(typeFrame, QStringLiteral("optType"), {"(s,S) policy", "Christmas Tree"});
    QGroupBox* modelFrame = fb::frame(frame, QStringLiteral("Frame6"), QStringLiteral("Demand Distribution Model"));
    const QList<QRadioButton*> models = fb::optionArray(modelFrame, QStringLiteral("optModel"), {"Uniform", "Normal"});
    for (int i = 0; i < 2; ++i) {
        m_optType[i] = types.at(i);
        m_optModel[i] = models.at(i);
    }
    options->addWidget(typeFrame);
    options->addWidget(modelFrame);
    options->addStretch(1);
    column->addLayout(options);
    column->addWidget(buildParameterFrame(frame));

    auto* grid = new QGridLayout;
    auto label = [frame](const char* name, const char* caption) {
        return fb::label(frame, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    auto number = [this, frame](F field, const char* name) {
        return numberBox(frame, static_cast<int>(field), QString::fromLatin1(name));
    };
    // The item box spans the unit column, so the units stay beside their boxes.
    QLineEdit* item = itemBox(frame, static_cast<int>(F::Item), "txtItem");
    QLabel* itemCaption = label("Label3", "Item, e.g, Paper");
    itemCaption->setBuddy(item);
    grid->addWidget(itemCaption, 0, 0);
    grid->addWidget(item, 0, 1, 1, 2);
    QLabel* lblK = label("lblK", "Order/setup cost");
    QLabel* label11 = label("Label11", "$/order");
    QLineEdit* orderCost = number(F::OrderingCost, "txtOrderingCost");
    fb::addRow(grid, 1, lblK, orderCost, label11);
    m_orderCostControls = {lblK, label11, orderCost};
    fb::addRow(grid, 2, label("lblK1", "Purchase price"), number(F::Price, "txtPrice"), label("Label12", "$/unit"));
    // A negative holding cost (a salvage value) can be typed: no key filter.
    QLineEdit* holding = number(F::HoldingCost, "txtHoldingCost");
    widgets::InputBoxOptions holdingOptions = widgets::InputBoxes::numberBox();
    holdingOptions.keyFilter = false;
    widgets::InputBoxes::install(holding, holdingOptions, &context().notifier);
    fb::addRow(grid, 3, label("Label6", "Holding cost"), holding, label("Label13", "$/unit"));
    fb::addRow(grid, 4, label("Label4", "Shortage Cost"), number(F::ShortageCost, "txtShortageCost"),
               label("Label14", "$/unit"));
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    m_cmdCalculate = button(frame, QStringLiteral("cmdCalculate"), QStringLiteral("C&alculate"));
    m_cmdPrint = button(frame, QStringLiteral("cmdPrint"), QStringLiteral("&Print Report"));
    m_cmdClear = button(frame, QStringLiteral("cmdClear"), QStringLiteral("C&lear"), false);
    buttons->addWidget(m_cmdCalculate);
    buttons->addWidget(m_cmdPrint);
    buttons->addWidget(m_cmdClear);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return frame;
}

QGroupBox* SinglePeriodCWindow::buildParameterFrame(QWidget* parent) {
    QGroupBox* frame = fb::frame(parent, QStringLiteral("Frame7"), QStringLiteral("Model parameters"));
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* name, const char* caption) {
        return fb::label(frame, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    auto number = [this, frame](F field, const char* name) {
        return numberBox(frame, static_cast<int>(field), QString::fromLatin1(name));
    };
    QLabel* d1 = label("lblD1", "Demand between");
    QLabel* d2 = label("lblD2", "units");
    QLabel* d3 = label("lblD3", "and");
    QLabel* d4 = label("lblD4", "units.");
    QLineEdit* low = number(F::LowDemand, "txtLowDemand");
    QLineEdit* high = number(F::HighDemand, "txtHighDemand");
    fb::addRow(grid, 0, d1, low, d2);
    fb::addRow(grid, 1, d3, high, d4);
    QLabel* m = label("lblM", "Mean");
    QLabel* v = label("lblV", "Variance");
    QLineEdit* mean = number(F::Mean, "txtMean");
    QLineEdit* variance = number(F::Variance, "txtVariance");
    fb::addRow(grid, 2, m, mean);
    fb::addRow(grid, 3, v, variance);
    grid->setColumnStretch(3, 1);
    m_uniformControls = {d1, d2, d3, d4, low, high};
    m_normalControls = {m, v, mean, variance};
    return frame;
}

QGroupBox* SinglePeriodCWindow::buildResultFrame() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* column = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    auto label = [frame](const char* name, const char* caption) {
        return fb::label(frame, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    m_txtS2 = fb::resultBox(frame, QStringLiteral("txtS2"));
    m_txtS1 = fb::resultBox(frame, QStringLiteral("txtS1"));
    fitToNineDigits(m_txtS2);
    fitToNineDigits(m_txtS1);
    fb::addRow(grid, 0, label("Label8", "The inventory level should be replenished to"), m_txtS2,
               label("Label15", "units"));
    QLabel* lblS1 = label("lblS1", "whenever it falls below");
    QLabel* lblS2 = label("lblS2", "units.");
    fb::addRow(grid, 1, lblS1, m_txtS1, lblS2);
    m_reorderRow = {lblS1, m_txtS1, lblS2};
    grid->setColumnStretch(3, 1);
    column->addLayout(grid);

    column->addWidget(label("Label10", "Cost, $"));
    m_costTable = new widgets::CostTable(singlePeriodCostParts(), true, context().notifier, frame);
    column->addWidget(m_costTable, 0, Qt::AlignLeft);
    m_lblCost = label("lblCost", "");
    column->addWidget(m_lblCost);
    return frame;
}

void SinglePeriodCWindow::applyTabOrder() {
    QList<QWidget*> chain{m_cmdExample, m_optType[0], m_optType[1], m_optModel[0], m_optModel[1]};
    for (F field : {F::LowDemand, F::HighDemand, F::Mean, F::Variance, F::Item, F::OrderingCost, F::Price,
                    F::HoldingCost, F::ShortageCost})
        chain << inputBox(field);
    chain << m_cmdCalculate << m_cmdPrint << m_cmdClear;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    m_cmdExample->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- options

P SinglePeriodCWindow::problem() const { return m_problem.value_or(P::SsPolicy); }
D SinglePeriodCWindow::demand() const { return m_demand.value_or(D::Uniform); }

void SinglePeriodCWindow::select(P problem) { selectProblem(problem); }
void SinglePeriodCWindow::select(D demand) { selectDemand(demand); }

// An option already selected runs nothing; a change checks the button (whose
// toggle comes back here and stops) and runs the handler, which may select
// another option in turn.
void SinglePeriodCWindow::selectProblem(P problem) {
    if (m_problem == problem) return;
    m_problem = problem;
    m_optType[problem == P::SsPolicy ? 0 : 1]->setChecked(true);
    onOptTypeClicked(problem);
}

void SinglePeriodCWindow::selectDemand(D demand) {
    if (m_demand == demand) return;
    m_demand = demand;
    m_optModel[demand == D::Uniform ? 0 : 1]->setChecked(true);
    onOptModelClicked(demand);
}

void SinglePeriodCWindow::onOptTypeClicked(P problem) {
    const bool policy = problem == P::SsPolicy;
    showAll(m_reorderRow, policy);
    enableAll(m_orderCostControls, policy);
    if (!policy) {
        showExampleText();
    } else if (m_demand != D::Uniform) {
        const cs::OptionRefusal refusal = cs::refusalOnChoosingSsPolicy();
        const MsgResult answer = context().notifier.show(this, QString::fromStdString(refusal.message.text),
                                                         QString::fromStdString(refusal.message.title),
                                                         msgIcon(refusal.message.icon), MsgButtons::OkCancel);
        if (answer == MsgResult::Ok) {
            selectDemand(D::Uniform);
        } else {
            selectProblem(P::SinglePeriod);
        }
    } else {
        showExampleText();
    }
    clearInputs();
}

void SinglePeriodCWindow::onOptModelClicked(D demand) {
    const bool uniform = demand == D::Uniform;
    enableAll(m_uniformControls, uniform);
    enableAll(m_normalControls, !uniform);
    if (!uniform && m_problem != P::SinglePeriod) {
        const cs::OptionRefusal refusal = cs::refusalOnChoosingNormal();
        widgets::showFailedCheck(this, context().notifier, refusal.message, nullptr);
        selectDemand(D::Uniform);
    } else {
        showExampleText();
    }
    clearInputs();
}

// Label2 shows the text of the current pair: the car dealer for the (s,S)
// policy, the Christmas tree for a single period with uniform demand, the skis
// for normal demand.
void SinglePeriodCWindow::showExampleText() {
    if (m_demand == D::Normal) {
        m_label2->setText(kSkisText);
    } else if (m_problem == P::SsPolicy) {
        m_label2->setText(kCarDealerText);
    } else {
        m_label2->setText(kChristmasTreeText);
    }
}

// ---------------------------------------------------------------- handlers

void SinglePeriodCWindow::onCmdCalculateClicked() { calculate(); }

// The example of the current options: Label2 always shows it, so selecting
// its options again would change nothing.
void SinglePeriodCWindow::onCmdExampleClicked() {
    clearInputs();
    const cs::ContinuousTexts example = cs::continuousExample(problem(), demand());
    for (int f = 0; f < static_cast<int>(F::Count); ++f) {
        const std::string& text = example[static_cast<F>(f)];
        if (!text.empty()) inputBox(f)->setText(QString::fromStdString(text));
    }
    calculate();
}

// Prints the row the last calculation saved, asked for afresh by its key and
// the day and item it was saved under (so also after midnight).
void SinglePeriodCWindow::onCmdPrintClicked() {
    if (m_txtS2->text().isEmpty() || inputBox(F::Item)->text().isEmpty()) return;
    if (!m_saved) return;
    const SavedRow saved = *m_saved;
    widgets::runGuarded(this, context().notifier, [this, &saved] {
        context().reports.previewSinglePeriod(this, saved.logId.toInt(), saved.itemName, saved.day);
    });
}

// The boxes and the table's values go; the options, the pie, Label2 and lblCost stay.
void SinglePeriodCWindow::onCmdClearClicked() {
    clearInputs();
    m_costTable->clearValues();
    m_saved.reset();
}

void SinglePeriodCWindow::clearInputs() {
    for (int f = 0; f < static_cast<int>(F::Count); ++f)
        inputBox(f)->clear();
    m_txtS2->clear();
    m_txtS1->clear();
}

// Leaving the item box empty for another control of the form asks for a name
// and puts the focus back. It is asked once the move has finished, so a button
// that fills the box (the example) is not held up.
bool SinglePeriodCWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inputBox(F::Item) && event->type() == QEvent::FocusOut &&
        movesWithinForm(static_cast<QFocusEvent*>(event)->reason()) && !m_itemPromptPending) {
        m_itemPromptPending = true;
        QTimer::singleShot(0, this, &SinglePeriodCWindow::promptForItemName);
    }
    return ModelWindow::eventFilter(watched, event);
}

void SinglePeriodCWindow::promptForItemName() {
    m_itemPromptPending = false;
    QLineEdit* item = inputBox(F::Item);
    // Only a move within this window asks: not one to another window.
    const QWidget* now = QApplication::focusWidget();
    if (!isVisible() || !item->text().isEmpty() || (now && !isAncestorOf(now))) return;
    context().notifier.show(this, kNameItem);
    item->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- calculate

jobs::SinglePeriodRunResult SinglePeriodCWindow::run(const SinglePeriodCase& c) {
    selectProblem(c.problem);
    selectDemand(c.demand);
    for (const auto& [field, text] : c.boxes)
        inputBox(field)->setText(text);
    jobs::SinglePeriodRunResult result;
    if (!calculate()) return result;
    result.orderUpTo = m_txtS2->text();
    if (problem() == P::SsPolicy) result.reorderPoint = m_txtS1->text();
    result.logId = logId();
    return result;
}

jobs::SinglePeriodRunResult SinglePeriodCWindow::runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) {
    return run(singlePeriodCase(texts));
}

jobs::SinglePeriodRunResult SinglePeriodCWindow::runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) {
    return run(singlePeriodCase(texts));
}

jobs::SinglePeriodRunResult SinglePeriodCWindow::runSS_unif(const jobs::SsUniformTexts& texts) {
    return run(singlePeriodCase(texts));
}

std::span<const core::InputCheck> SinglePeriodCWindow::checks() const {
    return cs::continuousChecks(problem(), demand());
}

// The box checks have passed; the cost check that no table expresses comes next.
std::optional<core::CheckMessage> SinglePeriodCWindow::computedCheck(const std::vector<std::string>& texts) {
    std::copy(texts.begin(), texts.end(), m_texts.values.begin());
    return cs::checkContinuous(problem(), demand(), m_texts);
}

// Past the checks the calculation starts, and the last row's key goes.
void SinglePeriodCWindow::startCalculation() { m_saved.reset(); }

// A message of the calculation leaves no result of the last one.
std::optional<core::CheckMessage> SinglePeriodCWindow::computeModel(const std::vector<std::string>&) {
    widgets::WaitCursor hourglass;
    auto outcome = cs::computeContinuous(problem(), demand(), m_texts);
    if (auto* message = std::get_if<core::CheckMessage>(&outcome)) return std::move(*message);
    m_result = std::get<cs::ContinuousResult>(std::move(outcome));
    return std::nullopt;
}

void SinglePeriodCWindow::prepareDisplay() {
    widgets::WaitCursor hourglass;
    m_prepared = singlePeriodDisplay(m_result);
}

void SinglePeriodCWindow::showPrepared() {
    m_txtS2->setText(m_prepared.orderUpTo);
    m_txtS1->setText(m_prepared.reorderPoint);  // hidden for the single-period problem
    if (m_prepared.costNote) m_lblCost->setText(*m_prepared.costNote);
    m_costTable->display(m_prepared.costs);
}

void SinglePeriodCWindow::saveResult() {
    widgets::WaitCursor hourglass;
    const QDate day = context().clock.today();
    const data::SsRow row = ssRow(problem(), demand(), m_texts, m_result, day);
    const QString logId = data::SsRepository(context().cnn).insert(row);
    m_saved = SavedRow{logId, day, row.itemName};
}

// S, s, the table's values and the row's key; the pie and lblCost stay.
void SinglePeriodCWindow::clearResults() {
    m_txtS2->clear();
    m_txtS1->clear();
    m_costTable->clearValues();
    m_saved.reset();
}

}  // namespace tervalo::stochastic
