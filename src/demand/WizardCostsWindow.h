#pragma once
// Step 4 of the model wizard (frmW3): the item's costs on four tabs. Finish
// checks them, hands the interview to the model window that fits it and
// closes the wizard; when no model fits, it says why and the wizard stays open.
#include <QList>
#include <array>
#include <memory>

#include "demand/ModelHandOver.h"
#include "demand/WizardChecks.h"
#include "demand/WizardInterview.h"
#include "demand/WizardStepWindow.h"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace tervalo::demand {

class WizardCostsWindow : public WizardStepWindow {
    Q_OBJECT
public:
    // `handOver` reaches the model windows; none: the registry's windows.
    WizardCostsWindow(widgets::AppContext& ctx, std::unique_ptr<ModelHandOver> handOver = nullptr,
                      QWidget* parent = nullptr);
    ~WizardCostsWindow() override;

    // The answers of steps 1 to 3.
    void setPurchasing(bool purchasing) { m_interview.purchasing = purchasing; }
    void setDemandType(DemandType type) { m_interview.demandType = type; }
    void setDemandKnowledge(DemandKnowledge model) { m_interview.demandKnowledge = model; }
    void setDemandFigures(const DemandFigures& figures) { m_interview.demand = figures; }
    void setItemName(const QString& name) { m_interview.itemName = name; }
    void setManufRate(const QString& rate) { m_interview.manufRate = rate; }
    // The time unit ("week", "month", "year"): a new one relabels the cost units.
    void setTimeUnit(const QString& unit);
    // "Yes" for a purchased item, "No" for a manufactured one: a new one names
    // tab 0 for ordering or setup.
    void setPurchase(const QString& purchase);

    // Prepares the tabs for the demand type: a single-period item has no
    // ordering cost, so tab 0 is off and the item cost comes first.
    void showTab();

protected:
    // The box of the selected tab.
    QWidget* firstAnswer() const override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void onTabSelected(int index);
    void onCmdFinishClicked();
    void onCmdBackClicked();

private:
    QWidget* costPage(CostField field, const QString& name, const QString& caption, QLabel* unit,
                      const QStringList& notes);
    QLineEdit* box(CostField field) const { return m_boxes.at(static_cast<std::size_t>(field)); }
    void selectCost(CostField field);
    void finish();

    std::unique_ptr<ModelHandOver> m_handOver;
    QTabWidget* m_tabs = nullptr;
    std::array<QLineEdit*, static_cast<std::size_t>(CostField::Count)> m_boxes{};
    QList<QLabel*> m_lblCostUnit;

    WizardInterview m_interview;
    QString m_purchase = QStringLiteral("Text1");
};

}  // namespace tervalo::demand
