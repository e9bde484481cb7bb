#pragma once
// The shared window of the two quantity-discount models: inputs, time scale,
// the chosen policy with its cost table, the comparison of the two
// calculators, a one-sentence conclusion and a plain-text report. The two
// windows differ only in their description (DiscountWindowDescription).
#include <QList>
#include <QString>
#include <QWidget>

#include "core/lotsize/QuantityDiscount.h"
#include "core/lotsize/TimeUnit.h"
#include "lotsize/DiscountWindowDescription.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QTableWidget;
class QGroupBox;

namespace tervalo::widgets {
struct AppContext;
class CostTable;
}  // namespace tervalo::widgets

namespace tervalo::lotsize {

class DiscountWindow : public QWidget {
    Q_OBJECT
public:
    DiscountWindow(widgets::AppContext& ctx, DiscountWindowDescription description, QWidget* parent = nullptr);

private slots:
    void onOptTimeClicked(int index);
    void onOptTimeToggled(int index, bool checked);
    void onCmdCalculateClicked();
    void onCmdClearClicked();
    void onCmdExampleClicked();
    void onCmdPrintClicked();

private:
    QGroupBox* buildAssumptions();
    QGroupBox* buildExample();
    QGroupBox* buildInputs();
    QGroupBox* buildResults();
    QTableWidget* buildComparisonGrid(QWidget* parent);
    void buildTabOrder();
    void writeGridHeadings();

    void calculate();
    void showResult(const core::lotsize::QuantityDiscountResult& result);
    // After a faulted calculator run: nothing of an earlier calculation stays
    // on show as if it belonged to the inputs now in the boxes.
    void clearResults();
    void clearResultGrids();
    void printReport();
    core::lotsize::QuantityDiscountTexts inputTexts() const;
    void setComparisonCell(int row, int column, const QString& text);

    widgets::AppContext& m_ctx;
    const DiscountWindowDescription m_description;
    core::lotsize::QuantityDiscount m_discount;
    core::lotsize::TimeUnit m_timeUnit = core::lotsize::TimeUnit::Year;
    double m_chosenTotal = 0;  // the report's "Total Cost:" reads it back

    QLineEdit* m_txtItem = nullptr;
    QLineEdit* m_txtDemand = nullptr;
    QLineEdit* m_txtPrice = nullptr;
    QLineEdit* m_txtBreakPoint = nullptr;
    QLineEdit* m_txtPrice1 = nullptr;
    QLineEdit* m_txtOrderingCost = nullptr;
    QLineEdit* m_txtHoldingCost = nullptr;
    QLineEdit* m_txtInterest = nullptr;
    QLineEdit* m_txtOrderQuantity = nullptr;
    QLineEdit* m_txtOrderInterval = nullptr;
    QLabel* m_lblConclusion = nullptr;
    QList<QLabel*> m_lblTimePeriod;
    QList<QRadioButton*> m_optTime;
    QButtonGroup* m_timeGroup = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QPushButton* m_cmdClear = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdExample = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QTableWidget* m_comparison = nullptr;
};

}  // namespace tervalo::lotsize
