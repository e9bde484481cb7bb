#pragma once
// The window shared by the four EOQ models (purchasing and manufacturing, each
// without and with shortages). Its description gives the captions, boxes,
// checks and rules of one model; the window builds the form from it, checks
// and calculates, shows the results, the cost table and pie, saves one EOQ1
// row per calculation, prints the day's rows, and hosts the purchasing
// windows' supplier's-offer what-if.
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>

#include "core/lotsize/Eoq.h"
#include "core/lotsize/TimeUnit.h"
#include "lotsize/DiscountFrame.h"
#include "lotsize/EoqWindowDescription.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tervalo::widgets {
struct AppContext;
class CostTable;
}  // namespace tervalo::widgets

namespace tervalo::lotsize {

class EoqWindow : public QWidget {
    Q_OBJECT
public:
    ~EoqWindow() override;

    const EoqWindowDescription& description() const { return m_description; }
    // The key of the row the last calculation saved; empty after Clear, after a
    // calculation that did not reach its save, and after a failed save.
    QString logId() const { return m_logId; }
    core::lotsize::TimeUnit timeUnit() const { return m_timeUnit; }
    const core::lotsize::Eoq& calculator() const { return m_eoq; }
    widgets::CostTable* costTable() const { return m_costTable; }

protected:
    EoqWindow(EoqWindowDescription description, widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Puts the texts into the boxes as given (box name, text), selects the time
    // unit when one is given, then calculates exactly as the button does.
    void fillAndCalculate(const QList<std::pair<QString, QString>>& texts, std::optional<core::lotsize::TimeUnit> unit);

    void showEvent(QShowEvent* event) override;

private slots:
    void onCmdCalculateClicked();
    void onCmdExampleClicked();
    void onCmdClearClicked();
    void onCmdPrintClicked();
    void onCmdDiscountClicked();
    void onOptTimeClicked(int index);

private:
    // Form
    QGroupBox* buildIntroFrame(const QString& name, const QString& caption, const QString& labelName,
                               const QString& text, QPushButton* button = nullptr);
    QGroupBox* buildInputFrame();
    QGroupBox* buildResultFrame();
    void addBoxRow(QGroupBox* frame, QGridLayout* grid, int row, const BoxRow& boxRow, QLineEdit* box);
    void applyTabOrder();

    // Calculate
    void calculate();
    bool inputsPass();
    void setCalculatorInputs();
    void showResults();
    void setRounded(const QString& box, double value);
    void save();
    void clearResults();
    void clearAll();

    void selectTimeUnit(core::lotsize::TimeUnit unit);
    DiscountFrame::Basis discountBasis() const;
    QString text(const QString& box) const;
    double number(const QString& box) const;
    QLineEdit* box(const QString& name) const { return m_boxes.value(name); }

    EoqWindowDescription m_description;
    widgets::AppContext& m_ctx;
    core::lotsize::Eoq m_eoq;
    core::lotsize::TimeUnit m_timeUnit = core::lotsize::TimeUnit::Year;
    QString m_logId;
    bool m_placed = false;

    QHash<QString, QLineEdit*> m_boxes;  // inputs and results by control name
    QList<QLineEdit*> m_inputs;
    QList<QLineEdit*> m_results;
    QList<QLabel*> m_unitLabels;     // lblTimePeriod(0..n-1)
    QList<QRadioButton*> m_options;  // optTime(0..2)
    QButtonGroup* m_optionGroup = nullptr;
    widgets::CostTable* m_costTable = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_example = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_discountButton = nullptr;  // purchasing windows only
    DiscountFrame* m_discount = nullptr;      // purchasing windows only
};

}  // namespace tervalo::lotsize
