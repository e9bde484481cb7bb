#pragma once
// DataGrid1 of the item card: one item's yearly sales (ItemID, Year, then one
// column per period, as the sales table has them), newest year first, edited
// in place. A last, empty row takes a new year; it gets the key typed in the
// card. Each typed cell is checked before it goes in (the key is not edited
// here, the other cells take numbers only) and a year after it went in; the
// row check runs when the focus leaves the grid and writes the row. Edits stay
// pending in the rows until they are written or cancelled.
#include <QTableView>
#include <functional>
#include <memory>

#include "data/SalesRows.h"

namespace tervalo::platform {
class Notifier;
class Clock;
}  // namespace tervalo::platform

namespace tervalo::warehouse {

class SalesGridModel;

class SalesGrid : public QTableView {
    Q_OBJECT
public:
    SalesGrid(platform::Notifier& notifier, platform::Clock& clock, QWidget* parent = nullptr);
    ~SalesGrid() override;

    // Shows these rows (none: an empty grid); the period columns are 800 twips
    // wide. Rows typed for an item that is not stored yet stay until it is:
    // the grid goes on showing them instead of the same item's rows of the
    // same table read again, and keeps them aside while it shows the other
    // table's, until that table is shown again.
    void setRows(std::unique_ptr<data::SalesRows> rows);
    // The rows shown (the grid's source); nullptr before the first.
    data::SalesRows* rows() const;
    // Whether the rows shown are those of this key (any letter case, as the tables compare keys).
    bool shows(const QString& key) const;
    // Reads the rows again (their pending edits dropped) or drops the pending
    // edits; rows kept aside go either way.
    void requery();
    void cancelPending();
    // Writes every pending row that has its key, those kept aside too; new
    // rows are the card's item's (see setItemKey). Throws RuntimeError; the
    // rows stay pending then, unless another copy of the program changed one
    // of them since: then they are read again and ChangedRowError is raised
    // (after itemDeletedElsewhere() when their item is gone).
    void writePending();

    // The text of the card's key box, which a new row takes as its ItemID.
    void setKeyBoxText(std::function<QString()> keyBoxText) { m_keyBoxText = std::move(keyBoxText); }
    // The key, as stored, of the item the card shows, under which new rows are
    // written; Null while it is not stored (new rows then wait for it).
    void setItemKey(std::function<QVariant()> itemKey) { m_itemKey = std::move(itemKey); }

    // A typed cell, checked as the grid commits it; true when the value went in.
    bool commitCell(const QModelIndex& index, const QString& text);
    // The row check of the current row: its year, then (`write`) the row written.
    void checkCurrentRow(bool write = true);

signals:
    // A write found the item of the rows deleted by another copy of the program.
    void itemDeletedElsewhere();

private:
    void writeOrReread(const std::function<void()>& write);
    QVariant itemKey() const;
    bool holds(const QWidget* widget) const;
    void onFocusChanged(QWidget* old, QWidget* now);
    void warn(const QString& text, const QString& title);

    platform::Notifier& m_notifier;
    platform::Clock& m_clock;
    SalesGridModel* m_model;
    std::function<QString()> m_keyBoxText;
    std::function<QVariant()> m_itemKey;
    std::unique_ptr<data::SalesRows> m_aside;  // the other table's rows that wait for their item
};

}  // namespace tervalo::warehouse
