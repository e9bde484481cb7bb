#pragma once
// Step 1 of the model wizard (frmWizard): the item's name, and whether it is
// purchased or manufactured. Next hands both to step 2.
#include <QList>

#include "demand/WizardStepWindow.h"

class QLineEdit;
class QRadioButton;

namespace tervalo::demand {

class WizardItemWindow : public WizardStepWindow {
    Q_OBJECT
public:
    WizardItemWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

protected:
    QWidget* firstAnswer() const override;

private slots:
    void onCmdNextClicked();

private:
    QLineEdit* m_txtItemName = nullptr;
    QList<QRadioButton*> m_optionPurchasing;
};

}  // namespace tervalo::demand
