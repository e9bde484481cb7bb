#pragma once
// How an import's rows reach Items, Sales and SalesWeekly: file by file, as
// each is read and checked, in one transaction that the first stored file
// (or the first reading of the item keys) opens. Records are keyed on ItemID
// (Items) and on ItemID and Year (sales): a known key updates the columns the
// record names, a new one adds a row, many new rows of the same columns to a
// statement. The caller hands over the Items files before the sales files, so
// a sales record may name an item that an Items file of the same import
// brings. The caller stores each key once (its checks refuse a second file
// with it): whether a key is known is told by the rows that were there before
// the import.
//
// The first failure of the database stops the storing and is kept, so that
// the caller can go on checking the remaining files; commit() makes the rows
// permanent, and anything else leaves the tables as they were.
#include <QSet>
#include <QString>
#include <optional>

#include "data/ImportRepository.h"
#include "data/Transaction.h"
#include "import/ImportFileRules.h"
#include "import/RecordConversion.h"

namespace tervalo::data {
class Connection;
}

namespace tervalo::import {

class ImportStore {
public:
    explicit ImportStore(data::Connection& cnn);
    ~ImportStore();
    ImportStore(const ImportStore&) = delete;
    ImportStore& operator=(const ImportStore&) = delete;

    // The folded ItemID of every Items row there was before the import; read
    // from the database at the first call, inside the transaction (which it
    // begins), and which throws core::RuntimeError when the database refuses.
    const QSet<QString>& itemKeys();

    // Stores the rows of one file that passed its checks, their values by
    // the index of their column in `target`; does nothing once a failure was kept.
    void store(const TargetColumns& target, const QList<ConvertedRecord>& rows);
    const std::optional<QString>& failure() const { return m_failure; }

    // Writes what waits and commits; throws core::RuntimeError.
    void commit();
    // Leaves the tables as they were.
    void rollback();

    // Rows stored, by table (Items, Sales, SalesWeekly).
    int stored(ImportTable table) const { return m_stored[int(table)]; }

private:
    class InsertBatch;
    void begin();
    void storeRow(const TargetColumns& target, const ConvertedRecord& row);
    void flush();

    data::Connection& m_cnn;
    data::ImportRepository m_repo;
    std::optional<data::Transaction> m_transaction;
    std::optional<QSet<QString>> m_items;
    std::optional<QSet<QPair<QString, int>>> m_years[2];  // Sales, SalesWeekly
    std::unique_ptr<InsertBatch> m_added;
    std::optional<QString> m_failure;
    int m_stored[3] = {0, 0, 0};
};

}  // namespace tervalo::import
