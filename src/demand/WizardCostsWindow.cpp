#include "demand/WizardCostsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "demand/WizardDemandDataWindow.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/FormBuilder.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;
using C = CostField;

namespace {

const QString kOrderingCaption = QStringLiteral("Ordering Cost");
constexpr int kNoteWidth = WizardStepWindow::kTextWidth - 30;

}  // namespace

WizardCostsWindow::WizardCostsWindow(widgets::AppContext& ctx, std::unique_ptr<ModelHandOver> handOver, QWidget* parent)
    : WizardStepWindow(ctx, WizardForms::kStep4, QStringLiteral("Tervalo - Step 4:  Costs"),
                       {.back = true, .next = false, .finish = true}, parent),
      m_handOver(handOver ? std::move(handOver) : std::make_unique<RegistryModelHandOver>(ctx.registry)) {
    body()->addWidget(
        wrappedLabel(this, QStringLiteral("Label1"),
                     QStringLiteral("Please enter costs.  If you have dificulty, use the help on the right.")));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // A click on a tab is a move of the focus, so a box holding no number keeps it.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_lblCostUnit = fb::labelArray(this, QStringLiteral("lblCostUnit"), 2, QStringLiteral("/unit/month"));

    m_tabs->addTab(
        costPage(C::Ordering, QStringLiteral("txtOrderingCost"), QStringLiteral("Ordering/Setup Cost: $"), nullptr,
                 {QStringLiteral("Label2"),
                  QStringLiteral("Setup Cost/Ordering Cost is the cost of starting  up a production run or "
                                 "of placing an order for items from an outside vendor.  It is assumed "
                                 "that this cost is independent of the number of units ordered or "
                                 "produced."),
                  QStringLiteral("Label3"),
                  QStringLiteral("For example, shipping and handling fee may be a part of the ordering "
                                 "cost, which is independent of the number of units ordered.")}),
        kOrderingCaption);
    m_tabs->addTab(costPage(C::Item, QStringLiteral("txtItemCost"), QStringLiteral("Item Cost: $"),
                            fb::label(this, QStringLiteral("Label7"), QStringLiteral("/unit")),
                            {QStringLiteral("Label5"),
                             QStringLiteral("Items Cost is the per unit cost of buying or making a unit of product.  "
                                            "In purchaing case, for example, it is the price of an item.")}),
                   QStringLiteral("Item Cost"));
    m_tabs->addTab(
        costPage(C::Holding, QStringLiteral("txtHoldingCost"), QStringLiteral("Holding Cost: $"), m_lblCostUnit.at(0),
                 {QStringLiteral("Label9"),
                  QStringLiteral("This cost varies directly with the level of inventory and the length of time the "
                                 "item is held in stock."),
                  QStringLiteral("Label8"),
                  QStringLiteral("Holding Cost is the cost of carrying items in storage.  Usually, it may consist of "
                                 "storage costs, insurance costs,depreciation costs, ans the cost of capital invested "
                                 "in the items, etc.")}),
        QStringLiteral("Holding Cost"));
    m_tabs->addTab(costPage(C::Shortage, QStringLiteral("txtShortageCost"), QStringLiteral("Shortage Cost: $"),
                            m_lblCostUnit.at(1),
                            {QStringLiteral("Label11"),
                             QStringLiteral("Shortage Cost is the penalty cost for running out of stock when there is "
                                            "a demand for an item.  This cost may include the loss of potential "
                                            "profit and the loss of goodwill.")}),
                   QStringLiteral("Shortage Cost"));
    body()->addWidget(m_tabs);

    setTabChain({m_tabs->tabBar(), box(C::Ordering), box(C::Item), box(C::Holding), box(C::Shortage)});
    // The costs lead to Finish, so Enter through them never reaches Cancel.
    setTabOrder(box(C::Shortage), m_cmdFinish);
    connect(m_tabs, &QTabWidget::currentChanged, this, &WizardCostsWindow::onTabSelected);
    connect(m_cmdFinish, &QPushButton::clicked, this, &WizardCostsWindow::onCmdFinishClicked);
    connect(m_cmdBack, &QPushButton::clicked, this, &WizardCostsWindow::onCmdBackClicked);
}

WizardCostsWindow::~WizardCostsWindow() = default;

QWidget* WizardCostsWindow::costPage(CostField field, const QString& name, const QString& caption, QLabel* unit,
                                     const QStringList& notes) {
    static const char* const kCaptionNames[] = {"Label4", "Label6", "Label10", "Label12"};
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SSTab1_%1").arg(static_cast<int>(field)));
    auto* column = new QVBoxLayout(page);
    auto* line = new QHBoxLayout;
    QLabel* label = fb::label(page, QString::fromLatin1(kCaptionNames[static_cast<int>(field)]), caption);
    QLineEdit* input = fb::inputBox(page, name);
    input->setFixedWidth(input->fontMetrics().averageCharWidth() * 12);
    widgets::InputBoxes::install(input, widgets::InputBoxes::numberBox(), &context().notifier);
    label->setBuddy(input);
    m_boxes.at(static_cast<std::size_t>(field)) = input;
    line->addWidget(label);
    line->addWidget(input);
    if (unit) line->addWidget(unit);
    line->addStretch(1);
    column->addLayout(line);
    for (int i = 0; i + 1 < notes.size(); i += 2)
        column->addWidget(wrappedLabel(page, notes.at(i), notes.at(i + 1), kNoteWidth));
    column->addStretch(1);
    return page;
}

void WizardCostsWindow::setTimeUnit(const QString& unit) {
    if (unit == m_interview.timeUnit) return;
    m_interview.timeUnit = unit;
    for (QLabel* label : std::as_const(m_lblCostUnit))
        label->setText(QStringLiteral("/unit/") + unit);
}

void WizardCostsWindow::setPurchase(const QString& purchase) {
    if (purchase == m_purchase) return;
    m_purchase = purchase;
    if (purchase == QLatin1String("Yes"))
        m_tabs->setTabText(0, kOrderingCaption);
    else if (purchase == QLatin1String("No"))
        m_tabs->setTabText(0, QStringLiteral("Setup Cost"));
}

void WizardCostsWindow::showTab() {
    const bool singlePeriod = m_interview.demandType == DemandType::SinglePeriod;
    m_tabs->setTabEnabled(0, !singlePeriod);
    selectCost(singlePeriod ? C::Item : C::Ordering);
}

void WizardCostsWindow::selectCost(CostField field) {
    m_tabs->setCurrentIndex(static_cast<int>(field));
    box(field)->setFocus(Qt::OtherFocusReason);
}

QWidget* WizardCostsWindow::firstAnswer() const {
    const int index = m_tabs->currentIndex();
    return index >= 0 && index < static_cast<int>(C::Count) ? box(static_cast<C>(index)) : nullptr;
}

// Each cost box sits on a tab of its own, where Qt's focus chain would skip
// the hidden ones: Tab, and Enter in a box, which takes Tab's path, goes from
// the tab bar through the boxes of the tabs that can be selected, in the
// order ordering, item, holding, shortage, selecting each box's tab, and on
// to Finish; Shift+Tab goes the same way back.
bool WizardCostsWindow::focusNextPrevChild(bool next) {
    QList<QWidget*> sequence{m_tabs->tabBar()};
    for (int tab = 0; tab < static_cast<int>(C::Count); ++tab)
        if (m_tabs->isTabEnabled(tab)) sequence << box(static_cast<C>(tab));
    sequence << m_cmdFinish;
    const int at = sequence.indexOf(focusWidget());
    const int to = next ? at + 1 : at - 1;
    if (at < 0 || to < 0 || to >= sequence.size()) return WizardStepWindow::focusNextPrevChild(next);
    QWidget* target = sequence.at(to);
    for (int tab = 0; tab < static_cast<int>(C::Count); ++tab)
        if (target == box(static_cast<C>(tab))) m_tabs->setCurrentIndex(tab);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The selected tab's box takes the focus.
void WizardCostsWindow::onTabSelected(int index) {
    if (index >= 0 && index < static_cast<int>(C::Count)) box(static_cast<C>(index))->setFocus(Qt::TabFocusReason);
}

void WizardCostsWindow::onCmdFinishClicked() {
    guarded([this] { finish(); }, QStringLiteral("Error Messag"));
}

void WizardCostsWindow::finish() {
    core::FieldTexts<C> texts;
    for (int f = 0; f < static_cast<int>(C::Count); ++f)
        texts[static_cast<C>(f)] = box(static_cast<C>(f))->text().toStdString();
    if (auto failed = core::firstFailedCheck(costChecks(m_interview.demandType), texts.all())) {
        const auto field = static_cast<C>(failed->field);
        m_tabs->setCurrentIndex(static_cast<int>(field));
        widgets::showFailedCheck(this, context().notifier, *failed, box(field));
        return;
    }
    const WizardCosts costs{box(C::Ordering)->text(), box(C::Item)->text(), box(C::Holding)->text(),
                            box(C::Shortage)->text()};
    if (auto none = handOverToModel(m_interview, costs, *m_handOver)) {
        widgets::showFailedCheck(this, context().notifier, *none, nullptr);
        return;
    }
    widgets::UnloadWizardForms(context().registry);
}

void WizardCostsWindow::onCmdBackClicked() {
    guarded([this] { showStep<WizardDemandDataWindow>(WizardForms::kStep3); });
}

}  // namespace tervalo::demand
