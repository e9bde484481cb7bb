#pragma once
// Step 2 of the model wizard (frmW1): the type of demand (single period or
// stationary) and how well the demand is known. Next hands them, with the
// answers of step 1, to step 3.
#include <QList>

#include "demand/WizardStepWindow.h"

class QRadioButton;

namespace tervalo::demand {

class WizardDemandKindWindow : public WizardStepWindow {
    Q_OBJECT
public:
    WizardDemandKindWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // The answers of step 1.
    void setPurchasing(bool purchasing) { m_purchasing = purchasing; }
    void setItemName(const QString& name) { m_itemName = name; }

protected:
    QWidget* firstAnswer() const override;

private slots:
    void onOptionDTypeClicked(int index);
    void onCmdNextClicked();
    void onCmdBackClicked();

private:
    QList<QRadioButton*> m_optionDType;
    QList<QRadioButton*> m_optionDest;
    bool m_purchasing = false;
    QString m_itemName;
};

}  // namespace tervalo::demand
