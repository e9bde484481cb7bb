#pragma once
// frmReport, "Reports": the browser over the saved results. The user picks a
// report type and a date range; the list shows that type's saved rows dated
// in the range, newest first, one checkable entry per row. Enter in the
// search box checks every entry of exactly that item name. Print and Preview
// hand the rows of the checked entries to the report output with the type's
// layout; Delete removes the checked entries' own rows without asking, then
// lists again.
//
// The type the buttons act on is read from the combo's text, so a text the
// user typed that names no type makes them do nothing. Every failure (a
// closed database, a failed query or delete, a report that cannot be made)
// is shown in an "Error Message" box and leaves the window usable; a failed
// delete deletes nothing and keeps the list and its check marks.
#include <QStringList>
#include <QWidget>

#include "widgets/windows/ReportListWindow.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::reports {

class ReportOutput;
class ReportListModel;

class ReportBrowserWindow : public QWidget, public widgets::ReportListWindow {
    Q_OBJECT
public:
    // The four report types, in the order of the combo's items.
    static const QStringList& reportTypeNames();

    // Loads the window: the four types, From 30 days before today, To today,
    // no type chosen and an empty list until showList().
    ReportBrowserWindow(widgets::AppContext& ctx, ReportOutput& output, QWidget* parent = nullptr);
    ~ReportBrowserWindow() override;

    // 0 only empties the list; 1 to 4 list that type over the two dates and
    // show the type in the combo. Failures are shown, not raised.
    void showList(int list) override;

    ReportListModel& listModel() const { return *m_model; }

protected:
    bool event(QEvent* event) override;

private slots:
    void onComboReportTypeActivated(int index);
    void onDtPickerDateChanged();
    void onTxtItemReturnPressed();
    void onCommand1Clicked(int index);

private:
    void buildForm();
    void fitFrame();
    void fitColumns();
    // The position of the combo's chosen type, -1 when its text names none of the items.
    int selectedType() const;
    void rebuildList(int list);
    void selectItemByName(const QString& name);
    void printOrDelete(int index);

    widgets::AppContext& m_ctx;
    ReportOutput& m_output;
    ReportListModel* m_model = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLineEdit* m_search = nullptr;
    QComboBox* m_type = nullptr;
    QTreeView* m_list = nullptr;
    QLabel* m_count = nullptr;
    bool m_frameFitted = false;
};

}  // namespace tervalo::reports
