#pragma once
// Many warehouse rows made by SQL alone, for the benchmarks and the tests that
// need a warehouse of some size: numbered items (IT00001 on; one in three a
// single-period item, the others (s,S) items with an order cost) and five
// years of monthly sales of every item.
#include "data/Connection.h"

namespace tervalo::test {

inline void addNumberedItems(data::Connection& cnn, int count) {
    cnn.execute(QStringLiteral("INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, LeadTime, HoldingCost, "
                               "ShortageCost, SinglePeriod, OrderCost) "
                               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                               "SELECT printf('IT%05d', i), 'Item number ' || i, 10 + i % 50, 'Month', 1, 0.5 + i % 3, "
                               "60 + i % 40, i % 3 = 0, CASE WHEN i % 3 = 0 THEN NULL ELSE 25 + i % 10 END FROM n"),
                {count});
}

// 2022 to 2026, for every item of the warehouse.
inline void addFiveYearsOfSales(data::Connection& cnn) {
    cnn.execute(
        QStringLiteral("INSERT INTO Sales (ItemID, Year, Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec) "
                       "WITH RECURSIVE y(year) AS (SELECT 2022 UNION ALL SELECT year + 1 FROM y WHERE year < 2026) "
                       "SELECT ItemID, year, "
                       "50 + (rowid * 7 + year) % 40, 50 + (rowid * 11 + year) % 40, 50 + (rowid * 13 + year) % 40, "
                       "50 + (rowid * 17 + year) % 40, 50 + (rowid * 19 + year) % 40, 50 + (rowid * 23 + year) % 40, "
                       "50 + (rowid * 29 + year) % 40, 50 + (rowid * 31 + year) % 40, 50 + (rowid * 37 + year) % 40, "
                       "50 + (rowid * 41 + year) % 40, 50 + (rowid * 43 + year) % 40, 50 + (rowid * 47 + year) % 40 "
                       "FROM Items, y"));
}

}  // namespace tervalo::test
