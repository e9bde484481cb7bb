#include "lotsize/DiscountFrame.h"

#include "widgets/InputCheckMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

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
    m_decisionBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_decisionBox->setAccessibleName(QStringLiteral("Decision on the offer"));
    // Room for a decision before there is one, so that the frame keeps its size.
    m_decisionBox->setFixedHeight(decisionHeight(QStringLiteral("\n\n\n\n\n\n\n")));
    QSizePolicy keepPlace = m_decisionBox->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_decisionBox->setSizePolicy(keepPlace);
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
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_decisionBox->setPlainText(shown);
    // The whole decision in sight, none of it behind a scroll bar.
    m_decisionBox->setFixedHeight(std::max(m_decisionBox->height(), decisionHeight(shown)));
    emit decisionShown();
}

// The height of the decision box that shows `text` whole at the box's width.
int DiscountFrame::decisionHeight(const QString& text) const {
    QTextDocument laidOut;
    laidOut.setDefaultFont(m_decisionBox->font());
    laidOut.setDocumentMargin(m_decisionBox->document()->documentMargin());
    // Before the box is laid out, the width it asks for.
    const int shown = m_decisionBox->viewport()->width();
    laidOut.setTextWidth(shown > 0 ? shown : m_decisionBox->sizeHint().width() - 2 * m_decisionBox->frameWidth());
    laidOut.setPlainText(text);
    // Half a line spare: the box scrolls by whole lines, so it needs no scroll bar.
    return int(std::ceil(laidOut.size().height())) + 2 * m_decisionBox->frameWidth() +
           m_decisionBox->fontMetrics().lineSpacing() / 2;
}

}  // namespace tervalo::lotsize
