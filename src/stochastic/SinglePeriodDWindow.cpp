#include "stochastic/SinglePeriodDWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "platform/TextReport.h"
#include "stochastic/DemandTableEditor.h"
#include "stochastic/Demonstration.h"
#include "stochastic/DiscreteReport.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"
#include "widgets/WindowId.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;
namespace st = core::stochastic;
using F = st::DiscreteField;
using platform::MsgIcon;

namespace {

const QString kErrorTitle = QStringLiteral("Error Message");

const QString kAssumptions = QStringLiteral(
    "This model assumes a descrete random demand to determine how much of an item is to have on hand at the "
    "beginning of a single time period to minimize total cost. Some examples are expensive items with small range "
    "of demands, such as luxury boat.");

QString exampleText() {
    return QStringLiteral(
               "A company makes boat, which costs $30000 each to make and sell for $60000. If a boat is not sold, it "
               "will cost $10000 to keep the boat until next year.  History suggests the following demand "
               "distribution:\n\n") +
           Demonstration::exampleTable(QStringLiteral("Demand")) +
           QStringLiteral(
               "\n\nEnter these data to fill forms on the right, then click Calculate Button. The anwser is 2.");
}

// The boxes' texts as Calculate read them, indexed by field.
st::DiscreteTexts discreteTexts(const std::vector<std::string>& texts) {
    st::DiscreteTexts fields;
    std::copy(texts.begin(), texts.end(), fields.values.begin());
    return fields;
}

}  // namespace

SinglePeriodDWindow::SinglePeriodDWindow(widgets::AppContext& ctx, QWidget* parent)
    : DiscreteDemandWindow(ctx, widgets::WindowId::SinglePeriodD,
                           QStringLiteral("Single-Period Model: Discrete Demand"), static_cast<int>(F::Count),
                           EditorStyle::SinglePeriod, parent) {
    auto* inputs = new QWidget(form());
    auto* inputsRow = new QHBoxLayout(inputs);
    inputsRow->setContentsMargins(0, 0, 0, 0);
    inputsRow->addWidget(buildInputs(), 1);
    inputsRow->addWidget(buildProblemType(), 0, Qt::AlignTop);
    layOutForm({kAssumptions, exampleText(), inputs, QStringLiteral("Frame5"), QStringLiteral("Model parameters"),
                buildResults()});

    editor()->setFocusWhenFull(inputBox(F::Item));
    chainTabs({inputBox(F::Item), inputBox(F::Price), inputBox(F::HoldingCost), inputBox(F::ShortageCost),
               inputBox(F::SetupCost), m_optType.at(0), m_optType.at(1), editor()->demandBox(),
               editor()->probabilityBox(), editor()->nextButton(), editor()->previousButton(), cmdCalculate(),
               cmdPrint(), cmdClear(), cmdDemo()});
    inputBox(F::Item)->setFocus();  // the first box of the tab order, once shown
    setDemoScript();

    connect(m_optType.at(0), &QRadioButton::toggled, this, &SinglePeriodDWindow::onOptTypeToggled);
    connect(cmdCalculate(), &QPushButton::clicked, this, &SinglePeriodDWindow::onCmdCalculateClicked);
    connect(cmdClear(), &QPushButton::clicked, this, &SinglePeriodDWindow::onCmdClearClicked);
    connect(cmdPrint(), &QPushButton::clicked, this, &SinglePeriodDWindow::onCmdPrintClicked);
    connect(cmdDemo(), &QPushButton::clicked, this, &SinglePeriodDWindow::onCmdDemoClicked);

    // The (s,S) controls keep their place while hidden, so choosing the problem
    // type never changes the form's size.
    for (QWidget* w : m_ssOnly) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    // A fresh window solves the Christmas-tree problem: the (s,S) controls are hidden.
    m_optType.at(1)->setChecked(true);
    onOptTypeToggled();
}

SinglePeriodDWindow::~SinglePeriodDWindow() = default;

QGroupBox* SinglePeriodDWindow::buildInputs() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame3"), QStringLiteral("Inputs"));
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* name, const QString& text) {
        return fb::label(frame, QString::fromLatin1(name), text);
    };
    QLineEdit* item = itemBox(frame, static_cast<int>(F::Item), QStringLiteral("txtItem"));
    fb::addRow(grid, 0, label("lblItem", QStringLiteral("Item, e.g, Paper")), item);
    fb::addRow(grid, 1, label("lblPrice", QStringLiteral("Item Cost")),
               numberBox(frame, static_cast<int>(F::Price), QStringLiteral("txtPrice")),
               label("lblPriceUnit", QStringLiteral("$/unit")));
    fb::addRow(grid, 2, label("lblHoldingCost", QStringLiteral("Holding cost")),
               numberBox(frame, static_cast<int>(F::HoldingCost), QStringLiteral("txtHoldingCost")),
               label("lblHoldingUnit", QStringLiteral("$/unit")));
    fb::addRow(grid, 3, label("lblShortageCost", QStringLiteral("Shortage Cost")),
               numberBox(frame, static_cast<int>(F::ShortageCost), QStringLiteral("txtShortageCost")),
               label("lblShortageUnit", QStringLiteral("$/unit")));
    QLineEdit* setup = numberBox(frame, static_cast<int>(F::SetupCost), QStringLiteral("txtSetupCost"));
    // Any key may be typed here; the number check still applies on leaving.
    widgets::InputBoxOptions anyKey;
    anyKey.keyFilter = false;
    widgets::InputBoxes::install(setup, anyKey, &context().notifier);
    QLabel* setupCaption = label("Label5", QStringLiteral("Order/Setup Cost"));
    QLabel* setupUnit = label("Label7", QStringLiteral("$"));
    fb::addRow(grid, 4, setupCaption, setup, setupUnit);
    m_ssOnly << setup << setupCaption << setupUnit;
    grid->setColumnStretch(3, 1);
    return frame;
}

QGroupBox* SinglePeriodDWindow::buildProblemType() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame4"), QStringLiteral("Problem type"));
    m_optType = fb::optionArray(frame, QStringLiteral("optType"),
                                {QStringLiteral("(s,S) Policy"), QStringLiteral("Christmas Tree")});
    return frame;
}

QGroupBox* SinglePeriodDWindow::buildResults() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame6"), QStringLiteral("The optimal policy"));
    auto* column = new QVBoxLayout(frame);
    auto* policy = new QGridLayout;
    m_txtS2 = fb::resultBox(frame, QStringLiteral("txtS2"));
    m_txtS1 = fb::resultBox(frame, QStringLiteral("txtS1"));
    fitToNineDigits(m_txtS2);
    fitToNineDigits(m_txtS1);
    fb::addRow(
        policy, 0,
        fb::label(frame, QStringLiteral("Label8"), QStringLiteral("The inventory level should be replenished to")),
        m_txtS2, fb::label(frame, QStringLiteral("Label15"), QStringLiteral("units")));
    QLabel* lblS1 = fb::label(frame, QStringLiteral("lblS1"), QStringLiteral("whenever it falls below"));
    QLabel* lblS2 = fb::label(frame, QStringLiteral("lblS2"), QStringLiteral("units."));
    fb::addRow(policy, 1, lblS1, m_txtS1, lblS2);
    m_ssOnly << lblS1 << m_txtS1 << lblS2;
    policy->setColumnStretch(3, 1);
    column->addLayout(policy);

    column->addWidget(fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Cost, $")));
    m_costTable =
        new widgets::CostTable({QStringLiteral("Purchase"), QStringLiteral("Shortage"), QStringLiteral("Holding")},
                               true, context().notifier, frame);
    column->addWidget(m_costTable, 0, Qt::AlignLeft);
    column->addWidget(fb::label(frame, QStringLiteral("lblCost"), QString()));
    column->addStretch(1);
    return frame;
}

void SinglePeriodDWindow::setDemoScript() {
    auto enter = [this](F field, const char* keys) {
        return [this, field, keys] {
            QLineEdit* box = inputBox(field);
            Demonstration::focus(box);
            Demonstration::type(box, QString::fromLatin1(keys));
        };
    };
    setDemoSteps({
        /* 21 */ {QStringLiteral("Next, we enter Item name."), {}},
        /* 22 */ {std::nullopt, enter(F::Item, "Boat")},
        /* 23 */ {QStringLiteral("...then enter Item Cost."), {}},
        /* 24 */ {std::nullopt, enter(F::Price, "30000")},
        /* 25 */ {QStringLiteral("...then enter Holding Cost."), {}},
        /* 26 */ {std::nullopt, enter(F::HoldingCost, "10000")},
        /* 27 */ {QStringLiteral("...then enter Shortage Cost."), {}},
        /* 28 */ {std::nullopt, enter(F::ShortageCost, "60000")},
        /* 29 */ {QStringLiteral("...then press Calculate Button."), [this] { Demonstration::focus(cmdCalculate()); }},
        /* 30 */ {std::nullopt, [this] { onCmdCalculateClicked(); }},
        /* 31 */ {QStringLiteral("Now, we have done. "), {}},
        /* 32 */
        {std::nullopt,
         [this] {
             demonstration()->finish();
             m_demoCursor.reset();
         }},
    });
}

// ---------------------------------------------------------------- problem type

void SinglePeriodDWindow::selectProblem(st::Problem p) {
    m_optType.at(p == st::Problem::SsPolicy ? 0 : 1)->setChecked(true);
    onOptTypeToggled();
}

void SinglePeriodDWindow::select(st::Problem p) { selectProblem(p); }

st::Problem SinglePeriodDWindow::problem() const {
    return m_optType.at(0)->isChecked() ? st::Problem::SsPolicy : st::Problem::SinglePeriod;
}

void SinglePeriodDWindow::onOptTypeToggled() {
    const bool ss = problem() == st::Problem::SsPolicy;
    for (QWidget* w : m_ssOnly)
        w->setVisible(ss);
}

// ---------------------------------------------------------------- calculate

std::span<const core::InputCheck> SinglePeriodDWindow::checks() const { return st::discreteBoxChecks(); }

QLineEdit* SinglePeriodDWindow::fieldBox(int field) const {
    switch (static_cast<F>(field)) {
        case F::Demand:
            return editor()->demandBox();
        case F::Probability:
            return editor()->probabilityBox();
        default:
            return inputBox(field);
    }
}

void SinglePeriodDWindow::onCmdCalculateClicked() {
    calculate();
    // The demonstration's hourglass ends with its Calculate, whatever its outcome.
    m_demoCursor.reset();
}

std::optional<core::CheckMessage> SinglePeriodDWindow::computedCheck(const std::vector<std::string>& texts) {
    return st::checkDiscrete(editor()->rows(), discreteTexts(texts));
}

core::Beep SinglePeriodDWindow::beepFor(const core::CheckMessage& message, MessageSource) const {
    return st::discreteBeep(message);
}

std::optional<core::CheckMessage> SinglePeriodDWindow::computeModel(const std::vector<std::string>& texts) {
    m_result.reset();
    auto outcome = st::computeDiscrete(problem(), editor()->rows(), discreteTexts(texts));
    if (auto* refusal = std::get_if<core::CheckMessage>(&outcome)) return std::move(*refusal);
    m_result = std::get<st::DiscreteResult>(std::move(outcome));
    return std::nullopt;
}

void SinglePeriodDWindow::prepareDisplay() {
    const st::DiscreteResult& r = *m_result;
    Prepared p;
    p.orderUpTo = QString::fromStdString(r.orderUpToText);
    if (r.reorderPointText) p.reorderPoint = QString::fromStdString(*r.reorderPointText);
    p.reorderNotice = r.reorderNotice;
    p.costs = r.costs;  // Purchase, Shortage, Holding, Total
    p.costTotal = r.costs.amounts.at(3);
    m_prepared = std::move(p);
}

void SinglePeriodDWindow::showPrepared() {
    const Prepared& p = m_prepared;
    widgets::WaitCursor wait;
    m_costTotal = p.costTotal;
    m_txtS2->setText(p.orderUpTo);
    m_txtS1->setText(p.reorderPoint.value_or(QString()));
    if (p.reorderNotice) {
        widgets::showFailedCheck(this, context().notifier, *p.reorderNotice, nullptr);
    }
    m_costTable->display(p.costs);
}

void SinglePeriodDWindow::clearResults() {
    m_txtS2->clear();
    m_txtS1->clear();
    m_costTable->clearValues();
}

// ---------------------------------------------------------------- clear, print, demo

void SinglePeriodDWindow::clearWindow() {
    // Every text box; the problem type, the pie and the last costs stay.
    for (int f = 0; f < static_cast<int>(F::Count); ++f) {
        if (QLineEdit* box = inputBox(f)) box->clear();
    }
    m_txtS1->clear();
    m_txtS2->clear();
    narration()->clear();
    m_costTable->clearValues();
    editor()->reset();
}

void SinglePeriodDWindow::onCmdClearClicked() { clearWindow(); }

void SinglePeriodDWindow::onCmdPrintClicked() {
    widgets::runGuarded(
        this, context().notifier, [this] { printReport(); }, QString(), kErrorTitle, MsgIcon::Exclamation);
}

void SinglePeriodDWindow::printReport() {
    platform::TextReportSink* sink = context().textReports.start(windowTitle());
    if (!sink) return;
    auto text = [this](F field) { return inputBox(field)->text(); };
    DiscreteReport::SinglePeriodValues v;
    v.ssPolicy = problem() == st::Problem::SsPolicy;
    v.item = text(F::Item);
    v.price = text(F::Price);
    v.setupCost = text(F::SetupCost);
    v.holdingCost = text(F::HoldingCost);
    v.shortageCost = text(F::ShortageCost);
    v.orderUpTo = m_txtS2->text();
    v.reorderPoint = m_txtS1->text();
    v.rows = editor()->rows();
    v.costTotal = m_costTotal;
    DiscreteReport::type(sink, DiscreteReport::singlePeriodPieces(v));
}

void SinglePeriodDWindow::onCmdDemoClicked() {
    clearWindow();
    m_demoCursor.emplace();
    demonstration()->start();
}

}  // namespace tervalo::stochastic
