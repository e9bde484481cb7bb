#pragma once
// The window of the four EOQ models (purchasing and manufacturing, each
// without and with shortages), on the model-window skeleton. Its description
// gives the captions, boxes and rules of one model; the window builds the
// form from it, computes with the core's value function, shows the results,
// the cost table and pie, saves one EOQ1 row per calculation, prints the
// day's rows, and hosts the purchasing windows' supplier's-offer what-if.
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "core/CostSplit.h"
#include "core/lotsize/Eoq.h"
#include "lotsize/DiscountFrame.h"
#include "lotsize/EoqWindowDescription.h"
#include "widgets/CostTable.h"
#include "widgets/ModelWindow.h"
#include "widgets/windows/EoqWindowEntry.h"

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace tervalo::widgets {
class TimeScaleFrame;
}

namespace tervalo::lotsize {

class EoqWindow : public widgets::ModelWindow {
    Q_OBJECT
public:
    ~EoqWindow() override;

    const EoqWindowDescription& description() const { return m_description; }
    // The key of the row the last calculation saved; empty after Clear, after a
    // calculation that did not reach its save, and after a failed save.
    QString logId() const { return m_logId; }
    core::lotsize::TimeUnit timeUnit() const;
    widgets::CostTable* costTable() const { return m_costTable; }
    QLineEdit* resultBox(EoqResultBox box) const { return m_results[static_cast<std::size_t>(box)]; }

protected:
    EoqWindow(EoqWindowDescription description, widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Puts the texts into their boxes, selects the time unit when one is given,
    // then calculates exactly as the button does.
    widgets::EoqRunResult fillAndCalculate(const BoxTexts& texts, std::optional<core::lotsize::TimeUnit> unit);

    std::span<const core::InputCheck> checks() const override;
    void startCalculation() override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override;
    void showPrepared() override;
    void saveResult() override;
    void clearResults() override;

private slots:
    void onCmdCalculateClicked();
    void onCmdExampleClicked();
    void onCmdClearClicked();
    void onCmdPrintClicked();
    void onCmdDiscountClicked();

private:
    QGroupBox* buildInputFrame();
    QGroupBox* buildResultFrame();
    void addBoxRow(QGroupBox* frame, QGridLayout* grid, int row, const BoxRow& boxRow, QLineEdit* box);
    void applyTabOrder();
    void clearAll();
    DiscountFrame::Basis discountBasis() const;
    QString text(EoqField field) const;

    // What one calculation shows, made before any of it is shown.
    struct Prepared {
        std::array<QString, static_cast<std::size_t>(EoqResultBox::Count)> results;
        core::CostSplit costs;
    };

    EoqWindowDescription m_description;
    core::lotsize::EoqResult m_result;
    Prepared m_prepared;
    double m_lastTotal = 0;  // the offer what-if compares with it
    QString m_logId;

    std::array<QLineEdit*, static_cast<std::size_t>(EoqResultBox::Count)> m_results{};
    widgets::TimeScaleFrame* m_timeScale = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_example = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_discountButton = nullptr;  // purchasing windows only
    DiscountFrame* m_discount = nullptr;      // purchasing windows only
};

}  // namespace tervalo::lotsize
