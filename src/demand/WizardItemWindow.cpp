#include "demand/WizardItemWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "demand/WizardDemandKindWindow.h"
#include "platform/Notifier.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;

WizardItemWindow::WizardItemWindow(widgets::AppContext& ctx, QWidget* parent)
    : WizardStepWindow(ctx, WizardForms::kStep1, QStringLiteral("Tervalo - Step 1: Getting Stated"),
                       {.back = false, .next = true, .finish = false}, parent) {
    QLabel* welcome = fb::label(this, QStringLiteral("Label1"), QStringLiteral("Welcome to Tervalo. "));
    QFont big = welcome->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    welcome->setFont(big);
    body()->addWidget(welcome);
    body()->addWidget(wrappedLabel(
        this, QStringLiteral("Label2"),
        QStringLiteral("If you are purchasing an item and wonder how many to order and when to order to minimize your "
                       "total cost, or if you are manufacuring a product and want to know the quantity to produce and "
                       "when to produce at the lowest total cost, you will get an anwser to these questions from this "
                       "wizard.")));
    body()->addWidget(
        wrappedLabel(this, QStringLiteral("Label3"),
                     QStringLiteral("Just anwser a few questions in the following interview, you will "
                                    "arrive at a conclusion - an optimum policy to minimize total cost.")));

    QGroupBox* kind =
        fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("Are you purchasing or manufacturing this item?"));
    kind->setLayout(new QHBoxLayout);
    m_optionPurchasing = fb::optionArray(kind, QStringLiteral("OptionPurchasing"),
                                         {QStringLiteral("Purchasing"), QStringLiteral("Manufacturing")});
    body()->addWidget(kind);

    QGroupBox* name = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("What is the name of this item?"));
    auto* grid = new QGridLayout(name);
    m_txtItemName = fb::inputBox(name, QStringLiteral("txtItemName"));
    fb::addRow(grid, 0, fb::label(name, QStringLiteral("Label4"), QStringLiteral("The name is")), m_txtItemName);
    grid->addWidget(fb::label(name, QStringLiteral("Label5"), QStringLiteral("(for example, Honda Accord)")), 1, 1);
    body()->addWidget(name);
    body()->addStretch(1);

    setTabChain({m_txtItemName, m_optionPurchasing.at(0), m_optionPurchasing.at(1)});
    connect(m_cmdNext, &QPushButton::clicked, this, &WizardItemWindow::onCmdNextClicked);

    // Load: purchasing, and the window at the screen's left edge.
    m_optionPurchasing.at(0)->setChecked(true);
    move(0, y());
}

QWidget* WizardItemWindow::firstAnswer() const { return m_txtItemName; }

void WizardItemWindow::onCmdNextClicked() {
    guarded([this] {
        // Blanks make a name; only the empty text does not.
        if (m_txtItemName->text().isEmpty()) {
            context().notifier.show(this, QStringLiteral("Please enter a name for this item."),
                                    QStringLiteral("Enter a Name"), platform::MsgIcon::Exclamation);
            m_txtItemName->setFocus(Qt::OtherFocusReason);
            return;
        }
        hide();
        auto& next = showStep<WizardDemandKindWindow>(WizardForms::kStep2);
        next.setPurchasing(m_optionPurchasing.at(0)->isChecked());
        next.setItemName(m_txtItemName->text());
    });
}

}  // namespace tervalo::demand
