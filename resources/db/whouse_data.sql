-- Starting rows of "dbWHouse.mdb", the user's own warehouse: a few sample items
-- of a garden shop with five years of sales, to be replaced by the user's data.
-- Not analysed yet (no order quantities or reorder points), no saved results.

INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, LeadTime, HoldingCost, ShortageCost,
                   ReorderPoint, OrderQty, SinglePeriod, OrderCost) VALUES
  ('A100', 'Garden Hose 15 m',   10.00, 'Month', 1, 0.20, 14.50, NULL, NULL, 0, 25),
  ('A200', 'Potting Soil 20 l',   4.50, 'Week',  1, 0.05,  6.90, NULL, NULL, 0, 10),
  ('B300', 'Advent Calendar',     6.00, 'Month', 2, 0.50,  9.50, NULL, NULL, 1, NULL);

CREATE TEMP TABLE SalesPlan (ItemID TEXT, Base REAL, Growth REAL, Amp REAL, Peak INTEGER, Seed INTEGER);
INSERT INTO SalesPlan VALUES
  ('A100', 100, 0.05, 0.60,  6, 21),
  ('A200',  25, 0.06, 0.70, 16, 22),
  ('B300',  40, 0.04, 0.90, 12, 23);
