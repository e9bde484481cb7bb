#pragma once
// The window of the two quantity-discount models, on the model-window
// skeleton: inputs, time scale, the chosen policy with its cost table, the
// comparison of the two calculations, a one-sentence conclusion and a
// plain-text report. The two windows differ only in their description
// (DiscountWindowDescription).
#include <QList>
#include <QString>
#include <array>

#include "core/CostSplit.h"
#include "core/lotsize/QuantityDiscount.h"
#include "lotsize/DiscountWindowDescription.h"
#include "widgets/CostTable.h"
#include "widgets/ModelWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QGroupBox;

namespace tervalo::widgets {
class TimeScaleFrame;
}

namespace tervalo::lotsize {

class DiscountWindow : public widgets::ModelWindow {
    Q_OBJECT
public:
    DiscountWindow(widgets::AppContext& ctx, DiscountWindowDescription description, QWidget* parent = nullptr);

protected:
    std::span<const core::InputCheck> checks() const override;
    std::optional<core::CheckMessage> computeModel(const std::vector<std::string>& texts) override;
    void prepareDisplay() override;
    void showPrepared() override;
    void clearResults() override;

private slots:
    void onCmdCalculateClicked();
    void onCmdClearClicked();
    void onCmdExampleClicked();
    void onCmdPrintClicked();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();
    QTableWidget* buildComparisonGrid(QWidget* parent);
    void buildTabOrder();
    void writeGridHeadings();
    void clearResultGrids();
    void printReport();
    void setComparisonCell(int row, int column, const QString& text);
    void setCostUnit(core::lotsize::TimeUnit unit);

    // What one calculation shows, made before any of it is shown.
    struct Prepared {
        QString quantity;
        QString interval;
        std::array<QString, 4> comparison;  // quantities (no discount, discount), then totals
        core::CostSplit costs;
        QString conclusion;
        double chosenTotal = 0;
    };

    const DiscountWindowDescription m_description;
    core::lotsize::QuantityDiscountResult m_result;
    Prepared m_prepared;
    double m_chosenTotal = 0;  // the report's "Total Cost:" reads it back

    QLineEdit* m_txtOrderQuantity = nullptr;
    QLineEdit* m_txtOrderInterval = nullptr;
    QLabel* m_lblConclusion = nullptr;
    widgets::TimeScaleFrame* m_timeScale = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QPushButton* m_cmdClear = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdExample = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QTableWidget* m_comparison = nullptr;
};

}  // namespace tervalo::lotsize
