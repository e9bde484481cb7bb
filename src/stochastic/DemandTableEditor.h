#pragma once
// The row editor of the two discrete-demand windows: a table of up to 100 rows
// (demand value and probability) typed one row at a time into four boxes, with
// ">" (Next: store the row being entered and open a new one, or move on) and
// "<" (Previous: browse back). The row being entered belongs to the table
// although Next has not stored it yet; a calculation reads rows 1 to lastRow().
//
// Every change of a row (typed, set by the program, or an edit of a stored row)
// recomputes every cumulative probability and the running total of the stored
// rows, so the shown cumulative always is the sum of the rows up to it. The
// editor never writes or reads past row 100: Next stores the 100th row, says
// so once ("Suggestion") and stays there.
#include <QWidget>
#include <array>
#include <vector>

#include "core/stochastic/DemandTable.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::stochastic {

// The two windows' flavours of the editor's boxes and messages.
enum class EditorStyle {
    // frmSinglePeriodD: the demand and probability boxes are coloured, Enter
    // moves on, a refused key beeps; the counter and cumulative boxes move on
    // with Enter; "Remind" and Next's refusal send the focus to the item box.
    SinglePeriod,
    // frmMultiperiodA: the key filter and the number check only; the focus
    // stays where it is after "Remind".
    Aspiration,
};

class DemandTableEditor : public QWidget {
    Q_OBJECT
public:
    DemandTableEditor(widgets::AppContext& ctx, EditorStyle style, QWidget* parent = nullptr);

    // Where the focus goes after "Remind" and after Next refuses a full table;
    // nullptr (the default) leaves it where it is.
    void setFocusWhenFull(QWidget* control) { m_focusWhenFull = control; }

    // Rows 1 to lastRow(), in the order entered.
    std::vector<core::stochastic::DemandRow> rows() const;
    int lastRow() const { return m_lastRow; }
    int currentRow() const { return m_currentRow; }
    // The sum of the probabilities of the rows Next has stored.
    double runningTotal() const { return m_runningTotal; }
    // The cumulative probability of `row` (from 1); 0 outside the table.
    double cumulative(int row) const;

    QLineEdit* counterBox() const { return m_txtCounter; }
    QLineEdit* demandBox() const { return m_txtDemand; }
    QLineEdit* probabilityBox() const { return m_txtProbability; }
    QLineEdit* cumulativeBox() const { return m_txtCumulative; }
    QPushButton* nextButton() const { return m_cmdNext; }
    QPushButton* previousButton() const { return m_cmdPrevious; }

    // The table of a fresh window: one empty row, the boxes empty, the counter "1".
    void reset();

    // The buttons' handlers (the demonstration presses them too).
    void next();
    void previous();

private slots:
    void onDemandChanged(const QString& text);
    void onProbabilityChanged(const QString& text);

private:
    int index(int row) const { return row - 1; }
    // Recomputes every cumulative probability and the running total.
    void recompute();
    // Shows row `row` in the boxes (their change handlers run on it).
    void showRow(int row);
    void showCounter(int row);
    void message(const core::CheckMessage& m, QWidget* focus);
    bool isEmptyBox(const QLineEdit* box) const;

    widgets::AppContext& m_ctx;
    EditorStyle m_style;
    std::array<core::stochastic::DemandRow, core::stochastic::kMostDemandRows> m_rows{};
    std::array<double, core::stochastic::kMostDemandRows> m_cumulative{};
    int m_lastRow = 1;
    int m_currentRow = 1;
    double m_runningTotal = 0;
    // Next has stored the 100th row: the table is complete and stays at 100 rows.
    bool m_lastRowStored = false;
    QWidget* m_focusWhenFull = nullptr;

    QLineEdit* m_txtCounter = nullptr;
    QLineEdit* m_txtDemand = nullptr;
    QLineEdit* m_txtProbability = nullptr;
    QLineEdit* m_txtCumulative = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdPrevious = nullptr;
};

}  // namespace tervalo::stochastic
