-- Starting rows of "dbWHouse.mdb", the user's own warehouse: a few sample items
-- with two years of sales, to be replaced by the user's data. No saved results.

INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, LeadTime, HoldingCost, ShortageCost,
                   ReorderPoint, OrderQty, SinglePeriod, OrderCost) VALUES
  ('A100', 'Sample Item, monthly',         10.00, 'Month', 1, 0.20, 2.00, NULL, NULL, 0, 25),
  ('A200', 'Sample Item, weekly',           4.50, 'Week',  1, 0.05, 1.00, NULL, NULL, 0, 10),
  ('B300', 'Sample Seasonal Item',          6.00, 'Month', 2, 0.50, 4.00, NULL, NULL, 1, NULL);

CREATE TEMP TABLE SalesPlan (ItemID TEXT, Base REAL, Growth REAL, Amp REAL, Peak INTEGER, Seed INTEGER);
INSERT INTO SalesPlan VALUES
  ('A100', 100, 0.03, 0.20,  6, 21),
  ('A200',  25, 0.02, 0.30, 30, 22),
  ('B300',  40, 0.00, 0.90, 12, 23);
