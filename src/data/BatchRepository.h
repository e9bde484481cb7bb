#pragma once
// What the batch analysis reads and writes in the warehouse: the items as a
// snapshot in key order, their yearly sales read in one ordered pass over a
// sales table (newest year first, the period cells by position), and the
// order quantity and reorder point written back into an item's row. Every
// value is bound.
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

#include "data/Connection.h"
#include "data/SalesTable.h"

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

private:
    void advance();

    QSqlQuery m_query;
    int m_cells = 0;
    bool m_onRow = false;
};

class BatchRepository {
public:
    explicit BatchRepository(Connection& cnn) : m_cnn(cnn) {}

    // Every item, ordered by ItemID.
    std::vector<WarehouseItem> items();
    // One item by its key, or nullopt.
    std::optional<WarehouseItem> item(const QString& itemId);
    // An item's years of one table, newest first, at most `maxYears` of them.
    std::vector<SalesYear> salesOf(const QString& itemId, SalesTable table, int maxYears);
    // Writes OrderQty, and ReorderPoint when given, into the item's row.
    void updateItem(const QVariant& itemId, double orderQty, std::optional<double> reorderPoint);

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
