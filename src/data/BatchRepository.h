#pragma once
// What the batch analysis reads and writes in the warehouse: the items in key
// order (as a snapshot, or one at a time for a run over many), their yearly
// sales read in one ordered pass over a sales table (newest year first, the
// period cells by position), and the order quantity and reorder point written
// back into an item's row. Every value is bound; the statements of the passes
// and of the writes are prepared once.
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"

#include "data/Connection.h"
#include "data/SalesTable.h"
#include "data/Statement.h"

namespace tervalo::data {

// One row of Items as the analysis reads it; a Null field is a null QVariant.
struct WarehouseItem {
    QVariant itemId;
    QVariant item;
    QVariant unitCost;
    QVariant timeUnit;
    QVariant holdingCost;
    QVariant shortageCost;
    QVariant orderCost;
    QVariant singlePeriod;
    QVariant reorderPoint;
    QVariant orderQty;
};

// One year of one item: the cells after ItemID and Year, in column order.
using SalesYear = std::vector<QVariant>;

// The sales of every item of a table in one forward pass, in the items' key
// order and newest year first within an item. Ask for the items in the order
// of BatchRepository::items(): rows of the items passed over are skipped.
class SalesPass {
public:
    SalesPass(Connection& cnn, SalesTable table);  // throws RuntimeError
    // The item's years, newest first, at most `maxYears` of them.
    std::vector<SalesYear> take(const QVariant& itemId, int maxYears);

    // What a cell that is neither Null nor a number (text, bytes) counts as.
    using CellNumber = std::function<std::optional<double>(const QVariant& cell)>;
    // The lowest and highest cell of the same years, read as numbers without a
    // value made for each: every number, and every other cell that is not
    // Null as `otherCell` reads it; nullopt when no cell counts.
    std::optional<core::demand::DemandBounds> takeRange(const QVariant& itemId, int maxYears,
                                                        const CellNumber& otherCell);

private:
    // A year of the item: its [Year] and what is kept of its cells.
    template <class Kept>
    struct Year {
        QVariant year;
        Kept kept;
    };
    // The item's rows, each kept as `keep` makes it from the current row, newest year first.
    template <class Kept, class Keep>
    void takeYears(const QVariant& itemId, std::vector<Year<Kept>>& years, Keep keep);
    void advance();
    bool onItem(const QVariant& itemId, const QByteArray& key) const;

    Statement m_query;
    int m_cells = 0;
    bool m_onRow = false;
    std::vector<Year<std::optional<core::demand::DemandBounds>>> m_ranges;  // kept between items
};

// Every item in key order, one at a time, as BatchRepository::items() gives
// them, so a run over a million items holds one of them at a time.
class ItemPass {
public:
    explicit ItemPass(Connection& cnn);  // throws RuntimeError
    // The next item; nullopt after the last.
    std::optional<WarehouseItem> next();

private:
    Statement m_query;
};

class BatchRepository {
public:
    explicit BatchRepository(Connection& cnn) : m_cnn(cnn) {}

    // Every item, ordered by ItemID.
    std::vector<WarehouseItem> items();
    // How many items there are.
    int itemCount();
    // One item by its key, or nullopt.
    std::optional<WarehouseItem> item(const QString& itemId);
    // An item's years of one table, newest first, at most `maxYears` of them.
    std::vector<SalesYear> salesOf(const QString& itemId, SalesTable table, int maxYears);
    // Writes OrderQty, and ReorderPoint when given, into the item's row.
    void updateItem(const QVariant& itemId, double orderQty, std::optional<double> reorderPoint);

private:
    Connection& m_cnn;
    // OrderQty alone, and OrderQty with ReorderPoint; prepared at their first use.
    std::unique_ptr<Statement> m_orderQty;
    std::unique_ptr<Statement> m_orderQtyAndReorderPoint;
};

}  // namespace tervalo::data
