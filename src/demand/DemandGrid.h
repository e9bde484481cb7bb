#pragma once
// The demand-history grid (DataGrid1): two columns over the demand-history
// model. Only the keys of a number box reach a cell (digits, ".", Backspace,
// Enter), also while a cell is being edited, and a cell takes no more than its
// field's length. Enter, editing or not, moves on: from a filled period cell
// to its demand cell, and from a row whose two cells are filled to the period
// cell of the next row.
#include <QTableView>

namespace tervalo::demand {

class DemandHistoryModel;

class DemandGrid : public QTableView {
    Q_OBJECT
public:
    DemandGrid(DemandHistoryModel* model, QWidget* parent = nullptr);

    DemandHistoryModel* historyModel() const { return m_model; }
    // The move of Enter from the current cell.
    void enterPressed();
    // Makes (row, column) the current cell, selected.
    void goTo(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool filled(int row, int column) const;

    DemandHistoryModel* m_model;
};

}  // namespace tervalo::demand
