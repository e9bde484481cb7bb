#pragma once
// frmD1, "Analyzing Demand - Get Data": the demand history typed into a grid
// (one period per row, oldest first) or read from a text file, saved to one,
// the time unit that heads the period column, and Next, which hands the
// series in the order of its periods to the regression window frmD2 and
// hides this window (frmD2's Back shows it again as it was).
//
// A row with an empty cell or one that is not a number stops Next and Save
// at that cell; a file read stops at a value that is not a number, keeping
// the rows before it; Save writes the whole file or leaves it as it was.
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tervalo::core {
struct CheckMessage;
}
namespace tervalo::widgets {
struct AppContext;
class FileNameDialogs;
}  // namespace tervalo::widgets

namespace tervalo::demand {

class DemandGrid;
class DemandHistoryModel;

class DemandHistoryWindow : public QWidget {
    Q_OBJECT
public:
    DemandHistoryWindow(widgets::AppContext& ctx, widgets::FileNameDialogs& dialogs, QWidget* parent = nullptr);

    DemandGrid* grid() const { return m_grid; }
    DemandHistoryModel* model() const { return m_model; }

private:
    void buildForm();
    void onUnitPicked(int index);
    void showPosition();
    void getData();
    void saveData();
    void next();
    void cancel();
    void message(const core::CheckMessage& m);
    // Checks every cell; the first bad one is made current and reported.
    bool rowsAreNumbers();

    widgets::AppContext& m_ctx;
    widgets::FileNameDialogs& m_dialogs;
    DemandHistoryModel* m_model = nullptr;
    DemandGrid* m_grid = nullptr;
    QLabel* m_position = nullptr;
    QList<QRadioButton*> m_units;
    int m_unit = 0;  // the option picked: 0 Week, 1 Month, 2 Year
    QPushButton* m_cmdGetData = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdNextForm = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

}  // namespace tervalo::demand
