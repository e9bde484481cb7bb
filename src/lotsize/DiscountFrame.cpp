#include "lotsize/DiscountFrame.h"

#include "widgets/InputCheckMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/NumberText.h"
#include "data/Eoq1Repository.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"

namespace tervalo::lotsize {

namespace fb = widgets::FormBuilder;
namespace lot = core::lotsize;

DiscountFrame::DiscountFrame(const DiscountFrameTexts& texts, core::lotsize::EoqModel model, widgets::AppContext& ctx,
                             BasisSource basis, QWidget* parent)
    : QGroupBox(QStringLiteral("Quantity Discount"), parent),
      m_texts(texts),
      m_model(model),
      m_ctx(ctx),
      m_basis(std::move(basis)) {
    setObjectName(QStringLiteral("fraDiscount"));
    m_rate = fb::inputBox(this, QStringLiteral("txtDiscRate"));
    m_quantity = fb::inputBox(this, QStringLiteral("txtDiscQ"));
    for (QLineEdit* box : {m_rate, m_quantity}) {
        box->setMaximumWidth(70);
        widgets::InputBoxes::install(box, widgets::InputBoxes::numberBox(), &ctx.notifier);
    }
    m_shouldYou = fb::button(this, QStringLiteral("cmdShouldYou"), texts.shouldYouCaption);
    m_decisionBox = new QPlainTextEdit(this);
    m_decisionBox->setObjectName(QStringLiteral("txtDecison"));
    m_decisionBox->setReadOnly(true);
    m_decisionBox->setFocusPolicy(Qt::NoFocus);
    m_decisionBox->setMinimumHeight(150);
    m_decisionBox->setAccessibleName(QStringLiteral("Decision on the offer"));
    m_decisionBox->hide();

    auto* offerLine = new QHBoxLayout;
    auto* lead = fb::label(this, QStringLiteral("Label13"), QStringLiteral("The supplier will give a"));
    lead->setBuddy(m_rate);
    auto* quantityLead = fb::label(this, QStringLiteral("Label15"), texts.quantityLead);
    quantityLead->setBuddy(m_quantity);
    offerLine->addWidget(lead);
    offerLine->addWidget(m_rate);
    offerLine->addWidget(fb::label(this, QStringLiteral("Label14"), QStringLiteral("%")));
    offerLine->addWidget(quantityLead);
    offerLine->addWidget(m_quantity);
    offerLine->addWidget(fb::label(this, QStringLiteral("Label16"), texts.unitsText));
    offerLine->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->addLayout(offerLine, 0, 0, 1, 2);
    layout->addWidget(m_shouldYou, 1, 0, Qt::AlignLeft);
    layout->addWidget(m_decisionBox, 2, 0, 1, 2);

    connect(m_shouldYou, &QPushButton::clicked, this, &DiscountFrame::onCmdShouldYouClicked);
}

void DiscountFrame::clearTexts() {
    m_rate->clear();
    m_quantity->clear();
    clearDecision();
}

void DiscountFrame::clearDecision() {
    m_decisionBox->clear();
    m_decision.clear();
}

void DiscountFrame::calculationShown() { m_calculatedTexts = m_basis().inputTexts; }

void DiscountFrame::onCmdShouldYouClicked() {
    widgets::runGuarded(
        window(), m_ctx.notifier, [this] { evaluate(); }, m_texts.errorSuffix);
}

void DiscountFrame::evaluate() {
    const std::string rateText = m_rate->text().toStdString();
    const std::string quantityText = m_quantity->text().toStdString();
    lot::OfferTexts texts;
    texts[lot::OfferField::Rate] = rateText;
    texts[lot::OfferField::Quantity] = quantityText;
    if (const auto refusal = core::firstFailedCheck(lot::discountOfferChecks(m_texts.kind), texts.all())) {
        QLineEdit* box = refusal->field == static_cast<int>(lot::OfferField::Rate) ? m_rate : m_quantity;
        widgets::showFailedCheck(window(), m_ctx.notifier, *refusal, box);
        return;
    }

    Basis basis = m_basis();
    // Edited inputs would give a decision that the row of the last calculation does not belong to.
    if (basis.inputTexts != m_calculatedTexts) {
        widgets::showFailedCheck(window(), m_ctx.notifier, lot::offerInputsChangedMessage(), nullptr);
        return;
    }
    basis.inputs.window = m_texts.kind;
    basis.inputs.ratePercent = core::leadingNumber(rateText);
    basis.inputs.offeredQuantity = core::leadingNumber(quantityText);
    const lot::DiscountOfferResult result = lot::evaluateDiscountOffer(basis.inputs);
    showDecision(QString::fromStdString(result.decision));

    // Without a row of the last calculation (cleared, or its save failed) the
    // decision is shown but no earlier row is touched.
    if (basis.logId.isEmpty()) return;
    data::Eoq1Repository(m_ctx.cnn).updateDiscount(
        lot::modelId(m_model), basis.logId, QString::fromStdString(lot::discountOfferSentence(rateText, quantityText)),
        m_decision);
}

void DiscountFrame::showDecision(const QString& decision) {
    m_decision = decision;
    m_decisionBox->show();
    QString shown = decision;
    m_decisionBox->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    emit decisionShown();
}

}  // namespace tervalo::lotsize
