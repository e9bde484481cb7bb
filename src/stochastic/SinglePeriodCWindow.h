#pragma once
// frmSinglePeriodC, "Single-Period Model: Continuous Demand Distribution": the
// single-period problem (how many to stock for one period) and the (s,S)
// policy, with demand uniform between two bounds or normal (the single-period
// problem only). On the model-window skeleton: it checks the boxes with the
// core's tables, computes with the core, shows S and s, the cost table and
// pie, saves one s_S row per calculation and prints that row.
//
// The two option arrays (problem type, demand model) run their handlers only
// when the selection changes, nested where one refuses the other's choice;
// each change empties every box. The wizard, the batch analysis and the left
// panel drive the window through SinglePeriodWindowEntry.
#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "core/stochastic/ContinuousSinglePeriod.h"
#include "stochastic/SinglePeriodRun.h"
#include "widgets/CostTable.h"
#include "widgets/ModelWindow.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tervalo::stochastic {

class SinglePeriodCWindow : public widgets::ModelWindow, public widgets::SinglePeriodWindowEntry {
    Q_OBJECT
public:
    explicit SinglePeriodCWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
    ~SinglePeriodCWindow() override;

    // --- SinglePeriodWindowEntry
    void select(core::stochastic::Problem problem) override;
    void select(core::stochastic::ContinuousDemand demand) override;
    jobs::SinglePeriodRunResult runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) override;
    jobs::SinglePeriodRunResult runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) override;
    jobs::SinglePeriodRunResult runSS_unif(const jobs::SsUniformTexts& texts) override;

    core::stochastic::Problem problem() const;
    core::stochastic::ContinuousDemand demand() const;
    // The key of the row the last calculation saved; empty once a calculation
    // starts, after Clear and after a failed save.
    QString logId() const { return m_saved ? m_saved->logId : QString(); }
    widgets::CostTable* costTable() const { return m_costTable; }
    QLineEdit* orderUpToBox() const { return m_txtS2; }
    QLineEdit* reorderPointBox() const { return m_txtS1; }

protected:
    std::span<const core::InputCheck> checks() const override;
    std::optional<core::CheckMessage> computedCheck(const std::vector<std::string>& texts) override;
    void startCalculation() override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override;
    void showPrepared() override;
    void saveResult() override;
    void clearResults() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onCmdCalculateClicked();
    void onCmdExampleClicked();
    void onCmdPrintClicked();
    void onCmdClearClicked();

private:
    QGroupBox* buildInputFrame();
    QGroupBox* buildParameterFrame(QWidget* parent);
    QGroupBox* buildResultFrame();
    void applyTabOrder();

    // The option handlers, in the order their steps were designed.
    void onOptTypeClicked(core::stochastic::Problem problem);
    void onOptModelClicked(core::stochastic::ContinuousDemand demand);
    void selectProblem(core::stochastic::Problem problem);
    void selectDemand(core::stochastic::ContinuousDemand demand);
    void showExampleText();

    // Every text box emptied, S and s included.
    void clearInputs();
    jobs::SinglePeriodRunResult run(const SinglePeriodCase& run);
    void promptForItemName();

    // The row the last calculation saved, the day and item it was saved under.
    struct SavedRow {
        QString logId;
        QDate day;
        QString itemName;
    };

    std::optional<core::stochastic::Problem> m_problem;  // none selected until the window loads
    std::optional<core::stochastic::ContinuousDemand> m_demand;
    core::stochastic::ContinuousTexts m_texts;  // the boxes as Calculate read them
    core::stochastic::ContinuousResult m_result;
    SinglePeriodDisplay m_prepared;
    std::optional<SavedRow> m_saved;
    bool m_itemPromptPending = false;

    QLabel* m_label2 = nullptr;
    QLabel* m_lblCost = nullptr;
    std::array<QRadioButton*, 2> m_optType{};
    std::array<QRadioButton*, 2> m_optModel{};
    QList<QWidget*> m_uniformControls;    // lblD1 to lblD4, txtLowDemand, txtHighDemand
    QList<QWidget*> m_normalControls;     // lblM, lblV, txtMean, txtVariance
    QList<QWidget*> m_orderCostControls;  // lblK, Label11, txtOrderingCost
    QList<QWidget*> m_reorderRow;         // lblS1, txtS1, lblS2
    QLineEdit* m_txtS1 = nullptr;
    QLineEdit* m_txtS2 = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QPushButton* m_cmdExample = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdClear = nullptr;
};

}  // namespace tervalo::stochastic
