-- Demonstration rows of "Demo.mdb": a small office-and-retail warehouse with
-- five years of sales and a few saved calculations. Sales quantities are made
-- by make_db.sh from the plan below (base level, yearly growth, seasonal swing,
-- peak period, noise seed), so the file is the same on every build.
-- Every shortage cost is at least the unit cost (the models refuse less), and
-- ReorderPoint and OrderQty are what the program's own analysis of all items
-- gives for these rows; the batch tests run it again and compare.

INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, LeadTime, HoldingCost, ShortageCost,
                   ReorderPoint, OrderQty, SinglePeriod, OrderCost) VALUES
  ('1',  'Copier Paper A4 (box)',    24.50, 'Month', 1, 0.45, 31.90,  277,   24, 0, 40),
  ('2',  'Ballpoint Pens (dozen)',    3.20, 'Month', 1, 0.06,  4.95,  149,   42, 0, 25),
  ('3',  'Printer Toner Cartridge',  68.00, 'Month', 2, 1.40, 89.00,   33,    5, 0, 35),
  ('4',  'Desk Calendar 2027',        7.90, 'Month', 2, 0.80, 12.50, NULL,   46, 1, NULL),
  ('5',  'Greeting Cards (pack)',     4.10, 'Week',  1, 0.05,  6.40,   26,   20, 0, 15),
  ('6',  'Daily Newspaper',           0.35, 'Week',  0, 0.05,  0.60, NULL,  100, 1, NULL),
  ('7',  'Coffee Beans 1 kg',        14.30, 'Week',  1, 0.12, 19.90,   40,    9, 0, 20),
  ('8',  'Whiteboard Markers (set)',  5.60, 'Month', 1, 0.10,  8.20,  118,   21, 0, 18),
  ('9',  'Christmas Trees',           6.00, 'Week',  3, 0.50, 20.00, NULL,   71, 1, NULL),
  ('10', 'Sunscreen Lotion',          8.75, 'Month', 1, 0.20, 12.90,   96,   40, 0, 30),
  ('11', 'Fresh Bread Loaf',          2.40, 'Week',  0, 0.05,  3.50, NULL,  208, 1, NULL),
  ('12', 'Umbrellas',                11.00, 'Month', 2, 0.25, 16.50,   33,   15, 0, 22);

CREATE TEMP TABLE SalesPlan (ItemID TEXT, Base REAL, Growth REAL, Amp REAL, Peak INTEGER, Seed INTEGER);
INSERT INTO SalesPlan VALUES
  ('1',  300, 0.06, 0.15,  9,  1),
  ('2',  200, 0.04, 0.25,  9,  2),
  ('3',   38, 0.08, 0.10,  3,  3),
  ('4',   60, -0.05, 0.90, 12, 4),
  ('5',   45, 0.05, 0.60,  7,  5),
  ('6',  118, -0.06, 0.10, 1,  6),
  ('7',   50, 0.08, 0.20, 48,  7),
  ('8',  140, 0.05, 0.20,  9,  8),
  ('9',   40, 0.05, 0.95, 50,  9),
  ('10', 160, 0.07, 0.85,  7, 10),
  ('11', 210, 0.04, 0.10, 26, 11),
  ('12',  55, 0.05, 0.60, 11, 12);

-- Saved calculations of the lot-size windows (the worked examples among them).
INSERT INTO EOQ1 (Date, TimeUnit, ItemName, Demand, ItemCost, HoldingCost, ShortageCost, SetupCost,
                  OrderQty, OrderInterval, ShortageAllowed, TItemCost, THoldingCost, TShortageCost,
                  TSetupCost, TotalCost, ModelID, QtyDiscount, QtyDiscount2, ItemID) VALUES
  ('2026-11-09', 'Week', 'Paper', '8', '25', '1.173', NULL, '130', ' 42', ' 37', NULL,
   200, 24.6973682808513, NULL, 24.6973682808513, 249.394736561703, 1, NULL, NULL, NULL),
  ('2026-11-09', 'Week', 'Paper', '8', '25', '1.173', '15', '130', ' 44', ' 38', ' 3',
   200, 22.0598058892866, 1.72507682054221, 23.7848827098288, 247.569765419658, 2, NULL, NULL, NULL),
  ('2026-11-20', 'Year', 'Cell Phone', '18000', '2', '1.8', NULL, '500', ' 4472', ' 91', NULL,
   36000, 2012.46117974981, NULL, 2012.46117974981, 40024.9223594996, 3, NULL, NULL, NULL),
  ('2026-11-20', 'Year', 'Cell Phone', '18000', '2', '1.8', '5', '500', ' 5215', ' 106', ' 690',
   36000, 1268.87590066661, 456.795324239978, 1725.67122490658, 39451.3424498132, 4, NULL, NULL, NULL),
  ('2026-11-27', 'Month', 'Copier Paper A4 (box)', '300', '24.5', '.45', NULL, '40', ' 231', ' 23', NULL,
   7350, 51.9615242270663, NULL, 51.9615242270663, 7453.92304845413, 1,
   'The supplier will give a 2% discount if you order 500.',
   'Yes. Accept this offer, because it reduces your total cost. In this case,your order quantity is  500 units,'
   || 'and order interval is  50 days.The cost reduces to: ' || char(13, 10, 13, 10)
   || 'Puchase: $7203.00' || char(13, 10) || 'Order:   $24.00' || char(13, 10)
   || 'Holding: $110.25' || char(13, 10) || 'Total:   $7337.25 .', '1'),
  ('2026-12-01', 'Month', 'Printer Toner Cartridge', '40', '68', '1.4', '15', '35', ' 47', ' 35', ' 4',
   2720, 27.3831972227657, 2.5557650741248, 29.9389622968906, 2779.87792459378, 2, NULL, NULL, '3'),
  ('2026-12-02', 'Year', 'Ballpoint Pens (dozen)', '2400', '3.2', '.72', NULL, '25', ' 408', ' 62', NULL,
   7680, 146.969384566991, NULL, 146.969384566991, 7973.93876913398, 1, NULL, NULL, '2');

-- Saved calculations of the single-period and (s,S) window.
INSERT INTO s_S (Date, ItemName, ProblemID, DemandID, LDemand, UDemand, MeanDemand, VDemand,
                 ItemCost, HoldingCost, ShortageCost, SetupCost, OrderQty, ReorderPoint,
                 TItemCost, THoldingCost, TShortageCost, TSetupCost, TotalCost, ModelID, ItemID, TimeUnit) VALUES
  ('2026-11-16', 'Christmas Tree', 2, 1, '500', '1000', NULL, NULL, '6', '.5', '20', NULL, ' 841', NULL,
   5048.78048780488, 58.2986317668055, 502.676977989292, NULL, 5609.75609756098, 7, NULL, NULL),
  ('2026-11-30', 'Daily Newspaper', 2, 2, NULL, NULL, '120', '400', '.35', '.05', '.6', NULL, ' 114', NULL,
   39.9463313751516, 0.269298557159908, 6.75215747137322, NULL, 46.9677874036848, 8, '6', 'Week'),
  ('2026-12-03', 'Skis', 1, 1, '75', '100', NULL, NULL, '14000', '60', '16000', '5000', ' 78', ' 74',
   1098586.55043587, 11.6313512993771, 153288.493181702, 5000, 1251886.67496887, 10, NULL, NULL);
