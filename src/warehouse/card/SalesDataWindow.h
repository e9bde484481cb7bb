#pragma once
// frmSalesData, "Sales Data": the warehouse's item card. It shows and edits
// the current Items row, moves through the items, adds, saves, cancels and
// deletes them, and shows the item's yearly sales of Sales or SalesWeekly
// (chosen by the time unit) in a grid that edits them in place. Its action
// buttons also start the import, the analysis and the write-back; the main
// window's Data menu drives it through actionViaMenu and is switched on while
// the card is open.
//
// The boxes are bound to the current row: what the user typed goes into the
// row before any action or move, a move writes a pending row as a recordset
// does, and a failed write is shown ("Error Message") and keeps the card as it
// was, adding or editing. Pending grid edits are written before the card
// shows another item (and as it closes) and dropped by Cancel; when they
// cannot be written the card stays on the item whose rows they are, so the
// grid never shows one item's rows under another.
#include <QHash>
#include <QWidget>
#include <memory>

#include "data/ItemCursor.h"
#include "jobs/WriteBackTarget.h"
#include "warehouse/card/FindItemWindow.h"
#include "warehouse/card/SalesDataForm.h"
#include "widgets/windows/SalesDataWindow.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::import {
struct ImportOutcome;
}

namespace tervalo::warehouse {

class BatchAnalysis;
class WriteBackCommand;

class SalesDataWindow : public QWidget,
                        public widgets::SalesDataWindow,
                        public ItemLocator,
                        public jobs::WriteBackTargetReceiver {
    Q_OBJECT
public:
    // Loads the card: every item, the first one shown with its sales (a new
    // row started when there is none), the Data menu switched on.
    // `calculator` is the windowless single-period run of the all-items analysis.
    SalesDataWindow(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator,
                    QWidget* parent = nullptr);
    ~SalesDataWindow() override;

    // Find shows the search window, import runs the import action, analyze
    // the analysis; the first true argument decides.
    void actionViaMenu(bool find, bool import, bool analyze) override;
    void locateItem(const QString& id, const QString& name) override;
    // What the write-back settings window hands over when it closes.
    void getUpdateInfo(const jobs::WriteBackTarget& target) override { m_target = target; }

    // The common refresh after every action: the current item's boxes, its
    // sales (when the card stands on an item) and the position text.
    void refresh();
    // Saves the grid's pending edits, then loads it with the item's rows of the
    // table the time-unit box names ("Month" when it is empty); another unit
    // leaves the grid as it is. A failed write is shown and keeps the grid's rows.
    void showSales(const QString& key);
    // The item set the card stands on, shared with the import, the analysis and the write-back.
    data::ItemCursor& items() { return m_items; }
    // The current item's key as the sales rows are asked for it: one blank when
    // it has none, or is being added.
    QString currentItemKey() const;

    // The actions that the import, the analysis and the write-back run.
    void importData();
    // What the data source dialog runs when it closes with Yes: the import of
    // the folder, its log, then the item set read again from its first item.
    void importFolder(const QString& dataType, const QString& dataPath);
    void analyze();
    void updateTarget();

    const SalesDataForm& form() const { return m_form; }
    // Wide enough for the item's name and a year's first months.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void onAction(CardAction action);
    void onNavigate(int index);
    void onTimeUnitChosen();
    void save();
    // Starts a new row after the last, holding what the empty boxes show.
    void startNewRow();
    // What Import, like Analysis and Update, does first: the row being edited
    // or added is saved (the card then browses), then the grid's pending rows.
    // A failure is shown: false.
    bool savePendingRow();
    // Writes what the card holds for the item it shows, as before it shows
    // another: the boxes into the row, the row, then the grid's pending rows.
    // `giveUpUnfinished`: a row lacking its key, name or time unit is dropped
    // instead, as a move drops it (a new one with the rows typed for it).
    // Throws; the card then stands where it was.
    void writeShownItem(bool giveUpUnfinished);
    // After a refused write, writing nothing: the row the card stands on, the
    // grid's rows while they are that item's (else the item's rows as stored).
    void showAsStored();
    void cancel();
    void deleteItem();
    void add();
    void showFindWindow();
    // The grid with the item's rows of the table the unit names; another unit
    // leaves it as it is while it shows the key's rows, else empty.
    void loadGrid(const QString& unit, const QString& key);
    // The time-unit box's text, "Month" when it is empty.
    QString shownUnit() const;
    void showImportLog(const import::ImportOutcome& outcome);
    // After the analysis or the write-back: the items read again, the card on `key`.
    void standOn(const QVariant& key);
    // The action buttons off while a run of the analysis or the write-back goes.
    void setActionsEnabled(bool enabled);

    // The row's values in the boxes, and the boxes' changed texts into the row.
    void showItem();
    void pushBoxes();
    void showPosition();
    void setEditColor(bool adding);
    void setTimeUnitText(const QString& text);
    // A missing entry: the message, then the focus in its box.
    void warnMissing(const QString& text, const QString& title, QWidget* box);
    bool guarded(const std::function<void()>& body);

    widgets::AppContext& m_ctx;
    data::ItemCursor m_items;
    SalesDataForm m_form;
    // The text each bound control showed for the current row.
    QHash<const QWidget*, QString> m_shown;
    bool m_placed = false;
    jobs::WriteBackTarget m_target;
    BatchAnalysis* m_batch;
    WriteBackCommand* m_writeBack;
};

}  // namespace tervalo::warehouse
