#include "demand/WizardDemandKindWindow.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "demand/WizardDemandDataWindow.h"
#include "demand/WizardItemWindow.h"
#include "demand/WrappingRadioButton.h"
#include "widgets/FormBuilder.h"

namespace tervalo::demand {

namespace {

// An option array of wrapping option buttons, named name_0, name_1, ...
QList<QRadioButton*> wrappingOptions(QGroupBox* frame, const QString& name, const QStringList& captions) {
    auto* column = new QVBoxLayout(frame);
    QList<QRadioButton*> options;
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new WrappingRadioButton(captions.at(i), WizardStepWindow::kTextWidth - 40, frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        column->addWidget(option);
        options << option;
    }
    return options;
}

}  // namespace

WizardDemandKindWindow::WizardDemandKindWindow(widgets::AppContext& ctx, QWidget* parent)
    : WizardStepWindow(ctx, WizardForms::kStep2, QStringLiteral("Tervalo - Step 2: About Demand"),
                       {.back = true, .next = true, .finish = false}, parent) {
    QGroupBox* type = widgets::FormBuilder::frame(this, QStringLiteral("Frame1"), QStringLiteral("Type of Demand"));
    m_optionDType = wrappingOptions(
        type, QStringLiteral("OptionDType"),
        {QStringLiteral("Single-period.  The item can be ordered only once to satisfy the demand of a specific period, "
                        "and there can be no order to replensh inventory.  An typical example is Christmas Tree."),
         QStringLiteral("Demand is stationary over time.  For instance, milk sold in a suppermarket may be "
                        "stationary.")});
    body()->addWidget(type);

    QGroupBox* known =
        widgets::FormBuilder::frame(this, QStringLiteral("Frame2"), QStringLiteral("How well do you know the demand?"));
    m_optionDest = wrappingOptions(
        known, QStringLiteral("OptionDest"),
        {QStringLiteral("I can provide a demand with certainty, such as 1600s/month."),
         QStringLiteral("The demand is equally likely within a range, such as between 800 and 1200 units/month."),
         QStringLiteral("I know the mean of the demand and its variance.")});
    body()->addWidget(known);
    body()->addStretch(1);

    setTabChain({m_optionDType.at(0), m_optionDType.at(1), m_optionDest.at(0), m_optionDest.at(1), m_optionDest.at(2)});
    onOptionSelected(m_optionDType, [this](int index) { onOptionDTypeClicked(index); });
    connect(m_cmdNext, &QPushButton::clicked, this, &WizardDemandKindWindow::onCmdNextClicked);
    connect(m_cmdBack, &QPushButton::clicked, this, &WizardDemandKindWindow::onCmdBackClicked);

    // Load: stationary demand (which offers the certain demand), equally likely within a range.
    m_optionDType.at(1)->setChecked(true);
    m_optionDest.at(1)->setChecked(true);
}

// The selected type of demand.
QWidget* WizardDemandKindWindow::firstAnswer() const {
    return m_optionDType.at(0)->isChecked() ? m_optionDType.at(0) : m_optionDType.at(1);
}

// A single-period item cannot have a certain demand; the selection itself
// stays where it is, and Finish explains when it is the certain one.
void WizardDemandKindWindow::onOptionDTypeClicked(int index) { m_optionDest.at(0)->setEnabled(index != 0); }

void WizardDemandKindWindow::onCmdNextClicked() {
    guarded([this] {
        hide();
        auto& next = showStep<WizardDemandDataWindow>(WizardForms::kStep3);
        next.setDemandType(m_optionDType.at(0)->isChecked() ? DemandType::SinglePeriod : DemandType::Steady);
        DemandKnowledge model = DemandKnowledge::None;
        if (m_optionDest.at(0)->isChecked())
            model = DemandKnowledge::Certain;
        else if (m_optionDest.at(1)->isChecked())
            model = DemandKnowledge::Uniform;
        else if (m_optionDest.at(2)->isChecked())
            model = DemandKnowledge::Normal;
        next.setDemandKnowledge(model);
        next.showForm(model);
        next.setPurchasing(m_purchasing);
        next.setItemName(m_itemName);
    });
}

// The earlier step comes to the front; this one stays open behind it.
void WizardDemandKindWindow::onCmdBackClicked() {
    guarded([this] { showStep<WizardItemWindow>(WizardForms::kStep1); });
}

}  // namespace tervalo::demand
