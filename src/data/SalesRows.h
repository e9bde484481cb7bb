#pragma once
// One item's rows of a sales table, newest year first, as the sales grid edits
// them: values are changed and rows added in memory, and stay pending until
// they are written or cancelled. Columns are read by position: 0 ItemID,
// 1 Year, then the periods, as many as the table has.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/SqlSupport.h"
#include "data/WarehouseRepository.h"

namespace tervalo::data {

class Connection;

// The item whose rows were read was deleted elsewhere since: nothing was written.
class MissingItemError : public ChangedRowError {
public:
    using ChangedRowError::ChangedRowError;
};

// What a sales row without a year is refused with, as the grid's row check asks for one.
inline const QString kMissingYearText = QStringLiteral("Please enter a year,such as 2004");

class SalesRows {
public:
    // Reads the item's rows (the key matched exactly, without regard to case).
    // The connection must outlive the rows. Throws RuntimeError.
    void open(Connection& cnn, SalesTable table, const QString& key);
    // Reads the same rows again; pending changes are dropped.
    void requery();
    bool isOpen() const { return m_cnn != nullptr; }
    SalesTable table() const { return m_table; }
    QString key() const { return m_key; }

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return int(m_columns.size()); }
    QStringList columnNames() const { return m_columns; }
    QVariant value(int row, int column) const;

    // Changes one value; the row is pending from then on.
    void setValue(int row, int column, const QVariant& value);
    // Adds an empty pending row with the given ItemID (Null for none); returns its index.
    int appendRow(const QVariant& itemId);

    bool hasPending() const;
    bool isPending(int row) const;
    // Whether a new row with a key is not written yet: after a write, it
    // waits for its item to be stored.
    bool waitsForItem() const;
    // Writes every pending row that has an ItemID in one transaction: the
    // changed values of stored rows, and the new rows, which are the rows of
    // the item whose key as stored is `itemKey` and are added under that key
    // (Null: the item is not stored yet, and they wait for it). A row
    // without a year is refused (kMissingYearText). On failure nothing is
    // written, the rows stay pending and the error is raised:
    // ChangedRowError when a stored row no longer holds what was read or a
    // new row's year was stored meanwhile, MissingItemError when the item
    // was deleted.
    void writePending(const QVariant& itemKey);
    // The same for one row.
    void writeRow(int row, const QVariant& itemKey);
    // Puts changed rows back as read and drops added ones.
    void cancelPending();
    // The same for one row.
    void cancelRow(int row);

private:
    struct Row {
        bool stored = false;  // in the table, as `read`
        QVariantList values;
        QVariantList read;  // as last read or written
        QSet<int> changed;  // the columns set since
        bool pending = false;
    };
    void write(const QList<int>& rows, const QVariant& itemKey);
    // Raises ChangedRowError when another writer stored the year of the item these rows show.
    void refuseYearAddedElsewhere(const QVariant& key, const QVariant& year) const;

    Connection* m_cnn = nullptr;
    SalesTable m_table = SalesTable::Monthly;
    QString m_key;
    QStringList m_columns;
    QList<Row> m_rows;
};

}  // namespace tervalo::data
