#pragma once
// Step 3 of the model wizard (frmW2): the demand figures in the frame of the
// demand model chosen on step 2, the production rate of a manufactured item
// and the time unit. Next checks the shown frame, then hands every answer,
// all five figures included, to step 4.
#include <QList>
#include <array>

#include "demand/WizardChecks.h"
#include "demand/WizardInterview.h"
#include "demand/WizardStepWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tervalo::demand {

class WizardDemandDataWindow : public WizardStepWindow {
    Q_OBJECT
public:
    WizardDemandDataWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // The answers of steps 1 and 2.
    void setDemandType(DemandType type) { m_demandType = type; }
    void setDemandKnowledge(DemandKnowledge model) { m_demandKnowledge = model; }
    // A purchased item has no production rate: its box and labels are hidden.
    void setPurchasing(bool purchasing);
    void setItemName(const QString& name) { m_itemName = name; }
    // Shows the frame of the demand model (none for DemandKnowledge::None) and
    // puts the focus in its first box.
    void showForm(DemandKnowledge model);

protected:
    // The first box of the shown frame; without one, the selected time unit.
    QWidget* firstAnswer() const override;

private slots:
    void onOptionTimeClicked(int index);
    void onCmdNextClicked();
    void onCmdBackClicked();

private:
    QLineEdit* numberBox(QWidget* parent, DemandDataField field, const QString& name);
    QLineEdit* box(DemandDataField field) const { return m_boxes.at(static_cast<std::size_t>(field)); }

    std::array<QLineEdit*, static_cast<std::size_t>(DemandDataField::Count)> m_boxes{};
    QGroupBox* m_frameUniform = nullptr;
    QGroupBox* m_frameNormal = nullptr;
    QGroupBox* m_frameCertain = nullptr;
    QLabel* m_lblManufRate = nullptr;
    QList<QLabel*> m_lblTimeUnit;
    QList<QRadioButton*> m_optionTime;

    DemandType m_demandType = DemandType::Steady;
    DemandKnowledge m_demandKnowledge = DemandKnowledge::None;
    DemandKnowledge m_shownFrame = DemandKnowledge::None;
    bool m_purchasing = false;
    QString m_itemName;
    QString m_wizTimeUnit;
};

}  // namespace tervalo::demand
