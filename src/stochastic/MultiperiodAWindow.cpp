#include "stochastic/MultiperiodAWindow.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "platform/TextReport.h"
#include "stochastic/DemandTableEditor.h"
#include "stochastic/Demonstration.h"
#include "stochastic/DiscreteReport.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;
namespace st = core::stochastic;
using platform::MsgIcon;

namespace {

constexpr int kStockoutField = 0;
constexpr int kTailColumn = 2;
const QString kErrorTitle = QStringLiteral("Error Message");
const QString kInitialStockout = QStringLiteral("0.05");
const QColor kPlainColour(0xFF, 0xFF, 0xFF);

const QString kAssumptions = QStringLiteral(
    "To ensure the probability of stockout in a given cycle will not exceed some level set by managers, this model "
    "uses a descrete random demand to determine the reorder point. The costs of inventory are not considered in this "
    "model.");

QString exampleText() {
    return QStringLiteral(
               "A insurance company needs to determine a minimum reserve level that meets the State's regulation.  "
               "Suppose that the quarterly demand for the reserve has the following pattern:\n\n") +
           Demonstration::exampleTable(QStringLiteral("Demand,million $")) +
           QStringLiteral(
               "\n\nThe State requires that the chance that the reserve can't meet the demand be less than 5%.Enter "
               "these data to fill form on the right, then click Calculate Button.");
}

// Losing the focus to another window, a popup or the menu bar is no leaving.
bool leavesTheBox(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

}  // namespace

const QColor MultiperiodAWindow::kMarkColour(0xFF, 0x80, 0x80);

MultiperiodAWindow::MultiperiodAWindow(widgets::AppContext& ctx, QWidget* parent)
    : DiscreteDemandWindow(ctx, widgets::WindowId::MultiperiodA, QStringLiteral("Aspiration Level Approach"), 1,
                           EditorStyle::Aspiration, parent) {
    layOutForm({kAssumptions, exampleText(), buildInputs(), QStringLiteral("Frame4"),
                QStringLiteral("Demand pattern during lead time"), buildResults()});
    chainTabs({m_txtStockoutP, editor()->demandBox(), editor()->probabilityBox(), editor()->nextButton(),
               editor()->previousButton(), cmdCalculate(), cmdPrint(), cmdClear(), cmdDemo()});
    m_txtStockoutP->setFocus();  // the first box of the tab order, once shown
    setDemoScript();

    connect(cmdCalculate(), &QPushButton::clicked, this, &MultiperiodAWindow::onCmdCalculateClicked);
    connect(cmdClear(), &QPushButton::clicked, this, &MultiperiodAWindow::onCmdClearClicked);
    connect(cmdPrint(), &QPushButton::clicked, this, &MultiperiodAWindow::onCmdPrintClicked);
    connect(cmdDemo(), &QPushButton::clicked, this, &MultiperiodAWindow::onCmdDemoClicked);
}

MultiperiodAWindow::~MultiperiodAWindow() = default;

QGroupBox* MultiperiodAWindow::buildInputs() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame3"), QStringLiteral("Inputs"));
    auto* grid = new QGridLayout(frame);
    m_txtStockoutP = numberBox(frame, kStockoutField, QStringLiteral("txtStockoutP"));
    // The key filter and the number check only; the range check follows on leaving.
    widgets::InputBoxOptions options;
    options.colouring = false;
    options.enterMovesOn = false;
    widgets::InputBoxes::install(m_txtStockoutP, options, &context().notifier);
    m_txtStockoutP->setToolTip(QStringLiteral("Change this value to the one you want."));
    m_txtStockoutP->setText(kInitialStockout);
    m_txtStockoutP->installEventFilter(this);
    connect(m_txtStockoutP, &QLineEdit::textChanged, this, [this] { m_refusalShown = false; });
    fb::addRow(
        grid, 0,
        fb::label(frame, QStringLiteral("Label4"), QStringLiteral("Probability of Stockout (change it if you want)")),
        m_txtStockoutP);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* MultiperiodAWindow::buildResults() {
    QGroupBox* frame = fb::frame(form(), QStringLiteral("Frame5"), QStringLiteral("The optimal policy"));
    auto* column = new QVBoxLayout(frame);
    QLabel* caption = fb::label(frame, QStringLiteral("Label10"), QStringLiteral("Demand (D) and Probability (P)"));
    column->addWidget(caption);

    m_grid = new QTableWidget(0, 3, frame);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setAccessibleName(caption->text());
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Demand (D)"), QStringLiteral("P (D)"), QStringLiteral("P (>D)")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics = m_grid->fontMetrics();
    m_grid->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral(" Demand (D) 0000")));
    m_grid->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral(" .000000000000000")));
    m_grid->setColumnWidth(2, metrics.horizontalAdvance(QStringLiteral(" 1.11022302462516E-16  ")));
    // Twelve rows in sight, the rest scroll; the columns always show whole.
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    m_grid->setFixedHeight(m_grid->horizontalHeader()->sizeHint().height() + 12 * rowHeight + 2 * m_grid->frameWidth());
    m_grid->setFixedWidth(m_grid->verticalHeader()->sizeHint().width() + m_grid->columnWidth(0) +
                          m_grid->columnWidth(1) + m_grid->columnWidth(2) +
                          m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_grid->frameWidth() + 24);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(m_grid, 0, Qt::AlignLeft);

    // As wide as the grid above it: the result's first line wraps, so the
    // form fits beside the main window's panel on a screen 1280 pixels wide.
    m_label5 = fb::label(frame, QStringLiteral("Label5"), QString(), true);
    m_label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QFontMetrics labelMetrics = m_label5->fontMetrics();
    m_label5->setFixedWidth(m_grid->width());
    m_label5->setMinimumHeight(5 * labelMetrics.lineSpacing() + 4);
    m_label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_label5);
    column->addStretch(1);
    return frame;
}

void MultiperiodAWindow::setDemoScript() {
    setDemoSteps({
        /* 21 */
        {QStringLiteral("...then enter the probability of stocking out."),
         [this] { m_txtStockoutP->setText(kInitialStockout); }},
        /* 22 */ {QStringLiteral("...then press Calculate Button."), [this] { Demonstration::focus(cmdCalculate()); }},
        /* 23 */ {std::nullopt, [this] { onCmdCalculateClicked(); }},
        /* 24 */ {QStringLiteral("Now, we have done. "), {}},
        /* 25 */ {std::nullopt, [this] { demonstration()->finish(); }},
    });
}

// ---------------------------------------------------------------- the stockout probability

bool MultiperiodAWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtStockoutP && event->type() == QEvent::FocusOut &&
        leavesTheBox(static_cast<QFocusEvent*>(event))) {
        // After the focus has settled, so the message never opens inside a focus change.
        m_refusalShown = false;
        QTimer::singleShot(0, this, &MultiperiodAWindow::checkStockoutRange);
    }
    return ModelWindow::eventFilter(watched, event);
}

// A number above 1 is refused once the box is left; the number check itself
// (the input-box convention) has kept a non-number from leaving.
void MultiperiodAWindow::checkStockoutRange() {
    if (m_replaced || !core::isNumber(m_txtStockoutP->text().toStdString())) return;
    refuseStockout();
}

bool MultiperiodAWindow::refuseStockout() {
    const auto refusal = st::checkStockoutProbability(m_txtStockoutP->text().toStdString());
    if (!refusal) return false;
    if (!m_refusalShown) widgets::showFailedCheck(this, context().notifier, *refusal, m_txtStockoutP);
    m_refusalShown = true;
    return true;
}

// ---------------------------------------------------------------- calculate

// A refused probability never reaches the calculation, however Calculate is
// reached (its mnemonic clicks after the leave-time check has refused).
void MultiperiodAWindow::onCmdCalculateClicked() {
    if (refuseStockout()) return;
    calculate();
}

std::optional<core::CheckMessage> MultiperiodAWindow::computedCheck(const std::vector<std::string>& /*texts*/) {
    return st::checkDemandTable(editor()->rows());
}

std::optional<core::CheckMessage> MultiperiodAWindow::computeModel(const std::vector<std::string>& texts) {
    widgets::WaitCursor wait;
    m_result.reset();
    m_result = st::computeAspiration(editor()->rows(), texts.at(kStockoutField));
    return std::nullopt;
}

void MultiperiodAWindow::showPrepared() {
    widgets::WaitCursor wait;
    const st::AspirationResult& r = *m_result;
    m_grid->setRowCount(int(r.grid.size()));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const st::AspirationGridRow& cells = r.grid[static_cast<std::size_t>(row)];
        const std::string* texts[] = {&cells.demand, &cells.probability, &cells.tail};
        for (int col = 0; col < 3; ++col) {
            auto* item = new QTableWidgetItem(QString::fromStdString(*texts[col]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled);
            m_grid->setItem(row, col, item);
        }
        const bool marked = r.markedRow && *r.markedRow == std::size_t(row) + 1;
        m_grid->item(row, kTailColumn)->setBackground(marked ? kMarkColour : kPlainColour);
    }
    if (r.markedRow) m_grid->scrollToItem(m_grid->item(int(*r.markedRow) - 1, kTailColumn));
    m_label5->setText(QString::fromStdString(r.resultText));
    growToFitForm();
}

void MultiperiodAWindow::clearResults() {
    m_grid->setRowCount(0);
    m_label5->clear();
}

// ---------------------------------------------------------------- clear, print, demo

void MultiperiodAWindow::resetInPlace() {
    editor()->reset();
    m_txtStockoutP->setText(kInitialStockout);
    m_result.reset();
    clearResults();
}

void MultiperiodAWindow::onCmdClearClicked() {
    // A fresh window takes this one's place; the main window reaches it by name.
    widgets::WindowRegistry& registry = context().registry;
    const widgets::WindowId name = widgets::WindowId::MultiperiodA;
    m_replaced = true;
    if (registry.existing(name) == this) {
        registry.unload(name);
    } else {
        // Not the registry's window: whoever made it keeps it, closed.
        close();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
    }
    registry.openFresh(name);
}

void MultiperiodAWindow::onCmdPrintClicked() {
    widgets::runGuarded(
        this, context().notifier, [this] { printReport(); }, QString(), kErrorTitle, MsgIcon::Exclamation);
}

void MultiperiodAWindow::printReport() {
    platform::TextReportSink* sink = context().textReports.start(windowTitle());
    if (!sink) return;
    DiscreteReport::AspirationValues v;
    v.rows = editor()->rows();
    v.stockoutProbability = m_txtStockoutP->text();
    v.result = m_label5->text();
    DiscreteReport::type(sink, DiscreteReport::aspirationPieces(v));
}

void MultiperiodAWindow::onCmdDemoClicked() {
    resetInPlace();
    demonstration()->start();
}

}  // namespace tervalo::stochastic
