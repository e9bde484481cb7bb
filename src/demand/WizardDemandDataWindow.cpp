#include "demand/WizardDemandDataWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "demand/WizardCostsWindow.h"
#include "demand/WizardDemandKindWindow.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;
using D = DemandDataField;

namespace {

const QStringList kUnits{QStringLiteral("week"), QStringLiteral("month"), QStringLiteral("year")};

// A frame without caption holding two rows of caption, box and unit.
QGroupBox* demandFrame(QWidget* parent, const QString& name) {
    QGroupBox* frame = fb::frame(parent, name, QString());
    new QGridLayout(frame);
    return frame;
}

}  // namespace

WizardDemandDataWindow::WizardDemandDataWindow(widgets::AppContext& ctx, QWidget* parent)
    : WizardStepWindow(ctx, WizardForms::kStep3, QStringLiteral("Tervalo - Step 3:  Demand Data"),
                       {.back = true, .next = true, .finish = false}, parent) {
    body()->addWidget(wrappedLabel(this, QStringLiteral("Label1"),
                                   QStringLiteral("Now, have your data ready and fill in the following form.")));
    m_lblTimeUnit = fb::labelArray(this, QStringLiteral("lblTimeUnit"), 5, QStringLiteral("units/month"));

    auto row = [this](QGroupBox* frame, int line, QLabel* caption, QLineEdit* box, QLabel* unit) {
        auto* grid = static_cast<QGridLayout*>(frame->layout());
        fb::addRow(grid, line, caption, box, unit);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setColumnStretch(3, 1);
    };
    m_frameUniform = demandFrame(this, QStringLiteral("FrameUniform"));
    row(m_frameUniform, 0,
        fb::label(m_frameUniform, QStringLiteral("Label2"), QStringLiteral("The demand is equally likely between")),
        numberBox(m_frameUniform, D::Lower, QStringLiteral("txtLowererD")), m_lblTimeUnit.at(0));
    row(m_frameUniform, 1, fb::label(m_frameUniform, QStringLiteral("Label3"), QStringLiteral("and")),
        numberBox(m_frameUniform, D::Upper, QStringLiteral("txtUpperD")), m_lblTimeUnit.at(1));

    m_frameNormal = demandFrame(this, QStringLiteral("FrameNormal"));
    row(m_frameNormal, 0,
        fb::label(m_frameNormal, QStringLiteral("Label4"), QStringLiteral("The mean of the demand is ")),
        numberBox(m_frameNormal, D::Mean, QStringLiteral("txtMean")), m_lblTimeUnit.at(2));
    row(m_frameNormal, 1, fb::label(m_frameNormal, QStringLiteral("Label5"), QStringLiteral("with variance")),
        numberBox(m_frameNormal, D::Variance, QStringLiteral("txtVariance")), nullptr);

    m_frameCertain = demandFrame(this, QStringLiteral("FrameCertain"));
    row(m_frameCertain, 0, fb::label(m_frameCertain, QStringLiteral("Label6"), QStringLiteral("The demandis about ")),
        numberBox(m_frameCertain, D::Constant, QStringLiteral("txtConstD")), m_lblTimeUnit.at(3));
    m_lblManufRate = fb::label(m_frameCertain, QStringLiteral("lblManufRate"), QStringLiteral("Production rate is"));
    row(m_frameCertain, 1, m_lblManufRate, numberBox(m_frameCertain, D::ManufRate, QStringLiteral("txtManufRate")),
        m_lblTimeUnit.at(4));

    // The three frames take the same place; at most one is shown.
    for (QGroupBox* frame : {m_frameUniform, m_frameNormal, m_frameCertain}) {
        frame->hide();
        body()->addWidget(frame);
    }

    QGroupBox* time = fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("Select a time unit"));
    time->setLayout(new QHBoxLayout);
    m_optionTime = fb::optionArray(time, QStringLiteral("OptionTime"),
                                   {QStringLiteral("Week"), QStringLiteral("Month"), QStringLiteral("Year")});
    body()->addWidget(time);
    body()->addStretch(1);

    setTabChain({box(D::Lower), box(D::Upper), box(D::Mean), box(D::Variance), box(D::Constant), box(D::ManufRate),
                 m_optionTime.at(0), m_optionTime.at(1), m_optionTime.at(2)});
    onOptionSelected(m_optionTime, [this](int index) { onOptionTimeClicked(index); });
    connect(m_cmdNext, &QPushButton::clicked, this, &WizardDemandDataWindow::onCmdNextClicked);
    connect(m_cmdBack, &QPushButton::clicked, this, &WizardDemandDataWindow::onCmdBackClicked);

    // Load: a month.
    m_optionTime.at(1)->setChecked(true);
    m_wizTimeUnit = QStringLiteral("month");
}

QLineEdit* WizardDemandDataWindow::numberBox(QWidget* parent, DemandDataField field, const QString& name) {
    QLineEdit* box = fb::inputBox(parent, name);
    box->setFixedWidth(box->fontMetrics().averageCharWidth() * 12);
    widgets::InputBoxes::install(box, widgets::InputBoxes::numberBox(), &context().notifier);
    m_boxes.at(static_cast<std::size_t>(field)) = box;
    return box;
}

void WizardDemandDataWindow::setPurchasing(bool purchasing) {
    m_purchasing = purchasing;
    for (QWidget* w : {static_cast<QWidget*>(box(D::ManufRate)), static_cast<QWidget*>(m_lblManufRate),
                       static_cast<QWidget*>(m_lblTimeUnit.at(4))})
        w->setVisible(!purchasing);
}

void WizardDemandDataWindow::showForm(DemandKnowledge model) {
    for (QGroupBox* frame : {m_frameUniform, m_frameNormal, m_frameCertain})
        frame->hide();
    m_shownFrame = model;
    switch (model) {
        case DemandKnowledge::Uniform:
            m_frameUniform->show();
            break;
        case DemandKnowledge::Normal:
            m_frameNormal->show();
            break;
        case DemandKnowledge::Certain:
            m_frameCertain->show();
            break;
        case DemandKnowledge::None:
            break;
    }
    firstAnswer()->setFocus(Qt::OtherFocusReason);
}

QWidget* WizardDemandDataWindow::firstAnswer() const {
    switch (m_shownFrame) {
        case DemandKnowledge::Uniform:
            return box(D::Lower);
        case DemandKnowledge::Normal:
            return box(D::Mean);
        case DemandKnowledge::Certain:
            return box(D::Constant);
        case DemandKnowledge::None:
            break;
    }
    for (QRadioButton* option : m_optionTime)
        if (option->isChecked()) return option;
    return m_optionTime.at(0);
}

// Every unit label follows, the hidden production-rate one too.
void WizardDemandDataWindow::onOptionTimeClicked(int index) {
    const QString unit = kUnits.at(index);
    for (QLabel* label : std::as_const(m_lblTimeUnit))
        label->setText(QStringLiteral("units/") + unit);
    m_wizTimeUnit = unit;
}

void WizardDemandDataWindow::onCmdNextClicked() {
    guarded([this] {
        core::FieldTexts<D> texts;
        for (int f = 0; f < static_cast<int>(D::Count); ++f)
            texts[static_cast<D>(f)] = box(static_cast<D>(f))->text().toStdString();
        if (auto failed = core::firstFailedCheck(demandDataChecks(m_shownFrame, !m_purchasing), texts.all())) {
            widgets::showFailedCheck(this, context().notifier, *failed, box(static_cast<D>(failed->field)));
            return;
        }
        // Whatever frame is shown: figures typed in another one go too, an empty
        // box as 0. Read before anything moves, so a figure out of range leaves
        // the wizard on this step.
        const DemandFigures figures{texts.number(D::Lower), texts.number(D::Upper), texts.number(D::Mean),
                                    texts.number(D::Variance), texts.number(D::Constant)};
        hide();
        auto& next = showStep<WizardCostsWindow>(WizardForms::kStep4);
        next.setDemandKnowledge(m_demandKnowledge);
        next.setDemandType(m_demandType);
        next.setTimeUnit(m_wizTimeUnit);
        next.setPurchase(m_purchasing ? QStringLiteral("Yes") : QStringLiteral("No"));
        next.setManufRate(m_purchasing ? QString() : box(D::ManufRate)->text());
        next.setPurchasing(m_purchasing);
        next.setDemandFigures(figures);
        next.setItemName(m_itemName);
        next.showTab();
    });
}

void WizardDemandDataWindow::onCmdBackClicked() {
    guarded([this] { showStep<WizardDemandKindWindow>(WizardForms::kStep2); });
}

}  // namespace tervalo::demand
