#pragma once
// frmSinglePeriodD, "Single-Period Model: Discrete Demand": the single-period
// model (and optionally the (s,S) policy) for a demand given as a table of
// values and probabilities typed into the row editor. Calculate checks the
// boxes (each failing check beeps), finds the order-up-to level S by the
// critical ratio, splits the period's cost into purchase, shortage and holding
// parts (cost table and pie) and, for the (s,S) policy, searches the table for
// the reorder point s. The calculation is the core's (DiscreteSinglePeriod),
// over the table taken in ascending order of demand. The window saves nothing;
// Print types a plain-text report; Demo plays the worked example (the boat).
#include <QPointer>
#include <optional>

#include "core/stochastic/DiscreteSinglePeriod.h"
#include "stochastic/DiscreteDemandWindow.h"
#include "widgets/CostTable.h"
#include "widgets/WaitCursor.h"
#include "widgets/windows/DiscreteSinglePeriodWindowEntry.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tervalo::stochastic {

class SinglePeriodDWindow : public DiscreteDemandWindow, public widgets::DiscreteSinglePeriodWindowEntry {
    Q_OBJECT
public:
    explicit SinglePeriodDWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
    ~SinglePeriodDWindow() override;

    // Selects the problem type as a click on its option does (the left panel
    // opens the window and then chooses).
    void selectProblem(core::stochastic::Problem problem);
    core::stochastic::Problem problem() const;
    // widgets::DiscreteSinglePeriodWindowEntry: the same, as the left panel chooses.
    void select(core::stochastic::Problem problem) override;

    widgets::CostTable* costTable() const { return m_costTable; }
    // The costs of the last successful calculation (the report's total).
    double costTotal() const { return m_costTotal; }

protected:
    // Every failed check beeps first; "No solution" keeps the last result.
    std::span<const core::InputCheck> checks() const override;
    std::optional<core::CheckMessage> computedCheck(const std::vector<std::string>& texts) override;
    core::Beep beepFor(const core::CheckMessage& message, MessageSource source) const override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override;
    void showPrepared() override;
    void clearResults() override;
    bool messageEmptiesResults() const override { return false; }
    // The demand and probability are the editor's boxes of the row shown.
    QLineEdit* fieldBox(int field) const override;

private slots:
    void onCmdCalculateClicked();
    void onCmdClearClicked();
    void onCmdPrintClicked();
    void onCmdDemoClicked();
    void onOptTypeToggled();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildProblemType();
    QGroupBox* buildResults();
    void setDemoScript();
    void clearWindow();
    void printReport();

    struct Prepared {
        QString orderUpTo;
        std::optional<QString> reorderPoint;
        std::optional<core::CheckMessage> reorderNotice;
        core::CostSplit costs;
        double costTotal = 0;
    };

    std::optional<core::stochastic::DiscreteResult> m_result;  // nullopt: the last calculation had none
    Prepared m_prepared;
    double m_costTotal = 0;
    // The demonstration shows the hourglass from its start to its Calculate.
    std::optional<widgets::WaitCursor> m_demoCursor;

    widgets::CostTable* m_costTable = nullptr;
    QList<QRadioButton*> m_optType;
    QList<QWidget*> m_ssOnly;  // shown for the (s,S) policy only
    QLineEdit* m_txtS1 = nullptr;
    QLineEdit* m_txtS2 = nullptr;
};

}  // namespace tervalo::stochastic
