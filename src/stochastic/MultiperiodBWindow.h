#pragma once
// The continuous-review multi-period window (frmMultiperiodB): when the stock
// falls to the reorder point r, order Q units. Lead-time demand is uniform or
// normal; the core turns it into an annual demand, iterates Q and r until r
// settles and splits the costs; the window shows the policy, the cost table
// and its four-slice pie. It saves nothing and prints nothing: its Example,
// Print and Clear buttons are wired to nothing, as it has no report to print
// and no shown menu item opens it.
//
// Its boxes are plain: no colouring, key filter or leave-time check; a box
// counts as missing only when it holds exactly one blank.
#include <QString>
#include <optional>

#include "core/CheckMessage.h"
#include "core/stochastic/ContinuousReview.h"
#include "widgets/CostTable.h"
#include "widgets/ModelWindow.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tervalo::stochastic {

class MultiperiodBWindow : public widgets::ModelWindow {
    Q_OBJECT
public:
    explicit MultiperiodBWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
    ~MultiperiodBWindow() override;

    core::stochastic::ReviewDemand demand() const { return m_demand; }
    core::stochastic::LeadTimeUnit leadTimeUnit() const { return m_unit; }
    widgets::CostTable* costTable() const { return m_costTable; }

protected:
    // The missing-box table; checkReview() adds the zero tests after it.
    std::span<const core::InputCheck> checks() const override;
    std::optional<core::CheckMessage> computedCheck(const std::vector<std::string>& texts) override;
    // The checks beep as reviewBeep() says; the calculation's messages do not.
    core::Beep beepFor(const core::CheckMessage& message, MessageSource source) const override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override;
    void showPrepared() override;
    void clearResults() override;
    // Whatever fails, nothing of this calculation is written: the boxes, table
    // and pie keep what they showed.
    bool messageEmptiesResults() const override { return false; }
    bool faultEmptiesResults() const override { return false; }

private slots:
    void onCmdCalculateClicked();
    void onOptModelClicked(int index);
    void onLeadTimeUnitClicked(core::stochastic::LeadTimeUnit unit);

private:
    QGroupBox* buildInputFrame();
    QGroupBox* buildLeadTimeFrame(QWidget* parent);
    QGroupBox* buildDemandModelFrame(QWidget* parent);
    QGroupBox* buildParameterFrame(QWidget* parent);
    QGroupBox* buildPolicyFrame();
    void applyTabOrder();
    // Every box of the window, inputs and results; the table and pie stay.
    void clearBoxes();

    // What one calculation shows, made before any of it is shown.
    struct Prepared {
        QString quantity, reorderPoint;
        core::CostSplit costs;
    };

    core::stochastic::ReviewDemand m_demand = core::stochastic::ReviewDemand::Uniform;
    core::stochastic::LeadTimeUnit m_unit = core::stochastic::LeadTimeUnit::Week;
    std::optional<core::stochastic::ReviewResult> m_result;
    Prepared m_prepared;

    QLabel* m_timeUnitLabel = nullptr;
    QList<QRadioButton*> m_unitOptions;  // optDay, optWeek, optMonth
    QList<QRadioButton*> m_modelOptions;
    QList<QWidget*> m_uniformControls;  // lblD1 to lblD4 and the two bounds
    QList<QWidget*> m_normalControls;   // lblM, txtMean, lblV, txtVariance
    QLineEdit* m_reorderPoint = nullptr;
    QLineEdit* m_orderQuantity = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_example = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_clear = nullptr;
};

}  // namespace tervalo::stochastic
