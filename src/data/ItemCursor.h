#pragma once
// The item card's item set: every Items row in ItemID order, the row the card
// stands on, and the one row being added or edited. Changes are kept in memory
// until update() writes them; moving to another row writes them first, as a
// recordset does, and a failed write keeps both the row and its changes. The
// import, the analysis and the write-back move the same cursor, so the card
// follows them.
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/RecordSnapshot.h"
#include "data/WarehouseRepository.h"

namespace tervalo::data {

class ItemCursor {
public:
    explicit ItemCursor(Connection& cnn) : m_repo(cnn) {}

    // Reads every item and stands on the first. Throws RuntimeError.
    void open();
    // Reads them again and stands on the first; pending changes are dropped.
    void requery();
    bool isOpen() const { return m_items.isOpen(); }

    // A row being added counts, as the last row.
    int recordCount() const;
    bool bof() const;
    bool eof() const;
    bool onRow() const { return isOpen() && !bof() && !eof(); }
    // 1 for the first row; 0 when the cursor stands on none.
    int absolutePosition() const;
    // "3 of 12".
    QString positionText() const;

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // The card's navigation buttons: the move, kept within the rows.
    enum class Step { First, Previous, Next, Last };
    void step(Step step);
    // Stands on the first item whose key begins with `id` or, when `id` is
    // empty, whose name begins with `name`, without regard to case and
    // taking every character as itself; on the last item when none does.
    // Nothing happens without items.
    void locate(const QString& id, const QString& name);

    QStringList fieldNames() const { return m_items.fieldNames(); }
    // The current row's value, with its pending change.
    QVariant field(const QString& name) const;
    // Changes a value of the current row; the row is pending until update().
    void setField(const QString& name, const QVariant& value);
    bool isEditing() const { return m_editing; }
    bool isNewRow() const { return m_new; }
    // The current item's key as stored, without its pending change; Null for
    // a row being added (not stored yet) and when the cursor stands on none.
    QVariant storedKey() const;
    // Whether the current row lacks its key, name or time unit.
    bool isUnfinished() const;

    // Starts a new row after the last; its fields are Null.
    void addNew();
    // Drops the pending changes (and a row being added).
    void cancelUpdate();
    // Writes the pending row (of a stored row, the fields changed) and stands
    // on it again. Throws RuntimeError; the changes then stay pending. When
    // another writer changed or removed the row since it was read, the items
    // are read again, the changes dropped and ChangedRowError raised.
    void update();
    // Removes the current item and its sales rows, reads the items again and
    // stands on the first. A row being added is only dropped. An item that
    // another writer changed since it was read stays: the items are read
    // again, the cursor on it, and ChangedRowError raised.
    void deleteCurrent();

    // The card's adding state: from Add (or opening on no items) until Save or Cancel.
    bool adding() const { return m_adding; }
    void setAdding(bool adding) { m_adding = adding; }

    const WarehouseRepository& repository() const { return m_repo; }

    // Writes the current row when it has pending changes, as a move does.
    void writePending();
    // Stands on the row with that key (the first row when none has it).
    void seek(const QVariant& key);

private:
    void requireRow() const;
    void rereadAsStored();

    WarehouseRepository m_repo;
    RecordSnapshot m_items;
    QSqlRecord m_pending;
    QStringList m_changed;  // the fields set since the row was read, in order
    bool m_editing = false;
    bool m_new = false;
    bool m_adding = false;
};

}  // namespace tervalo::data
