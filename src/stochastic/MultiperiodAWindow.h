#pragma once
// frmMultiperiodA, "Aspiration Level Approach": a reorder point set by a
// service level instead of by cost. From the distribution of demand during the
// lead time (the row editor's table) and the permitted stockout probability, it
// lists each demand value with its probability and the probability of demand
// exceeding it, marks the first row whose tail is within the permitted level,
// and writes that level, the mean demand and the safety stock as text. The
// calculation is the core's (AspirationLevel), over the table taken in
// ascending order of demand. The window saves nothing; Print types a plain-text
// report; Demo plays the worked example (the insurance reserve); Clear replaces
// the window by a fresh one through the window registry.
#include <optional>

#include "core/stochastic/AspirationLevel.h"
#include "stochastic/DiscreteDemandWindow.h"

class QGroupBox;
class QLabel;
class QTableWidget;

namespace tervalo::stochastic {

class MultiperiodAWindow : public DiscreteDemandWindow {
    Q_OBJECT
public:
    // The colour of the chosen row's "P (>D)" cell.
    static const QColor kMarkColour;

    explicit MultiperiodAWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
    ~MultiperiodAWindow() override;

    QTableWidget* grid() const { return m_grid; }
    QLabel* resultLabel() const { return m_label5; }
    QLineEdit* stockoutBox() const { return m_txtStockoutP; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The window has no input checks of its own; Calculate computes and shows,
    // unless the table holds a row the editor has refused.
    std::span<const core::InputCheck> checks() const override { return {}; }
    std::optional<core::CheckMessage> computedCheck(const std::vector<std::string>& texts) override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override {}
    void showPrepared() override;
    void clearResults() override;

private slots:
    void onCmdCalculateClicked();
    void onCmdClearClicked();
    void onCmdPrintClicked();
    void onCmdDemoClicked();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();
    void setDemoScript();
    void resetInPlace();
    void checkStockoutRange();
    // Shows the refusal of the box's text unless it has been shown since the
    // box was left or edited; true when the text is refused.
    bool refuseStockout();
    void printReport();

    std::optional<core::stochastic::AspirationResult> m_result;
    bool m_replaced = false;      // Clear has replaced this window: it checks nothing more
    bool m_refusalShown = false;  // the box's text has been refused since it was last left or edited

    QLineEdit* m_txtStockoutP = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_label5 = nullptr;
};

}  // namespace tervalo::stochastic
