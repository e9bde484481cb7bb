-- Tables of a main database ("Demo.mdb", "dbWHouse.mdb").
-- The program never creates or alters tables: these scripts are the only place
-- they are defined. Text compared with user input is NOCASE, as users expect
-- "paper" to find "Paper". Dates are ISO "YYYY-MM-DD" text.

-- One row per calculation of the four lot-size windows. Box texts are stored as
-- typed (OrderQty keeps its leading blank); the T... columns hold unrounded costs.
CREATE TABLE EOQ1 (
  LogID INTEGER PRIMARY KEY AUTOINCREMENT,
  Date TEXT,
  TimeUnit TEXT COLLATE NOCASE,
  ItemName TEXT COLLATE NOCASE,
  Demand TEXT,
  ItemCost TEXT,
  HoldingCost TEXT,
  ShortageCost TEXT,
  SetupCost TEXT,
  OrderQty TEXT,
  OrderInterval TEXT,
  ShortageAllowed TEXT,
  TItemCost REAL,
  THoldingCost REAL,
  TShortageCost REAL,
  TSetupCost REAL,
  TotalCost REAL,
  ModelID INTEGER,
  QtyDiscount TEXT,
  QtyDiscount2 TEXT,
  ItemID TEXT COLLATE NOCASE
);
CREATE INDEX EOQ1_ItemDate ON EOQ1 (ItemName, Date);

-- One row per calculation of the single-period and (s,S) window.
CREATE TABLE s_S (
  LogID INTEGER PRIMARY KEY AUTOINCREMENT,
  Date TEXT,
  ItemName TEXT COLLATE NOCASE,
  ProblemID INTEGER,
  DemandID INTEGER,
  LDemand TEXT,
  UDemand TEXT,
  MeanDemand TEXT,
  VDemand TEXT,
  ItemCost TEXT,
  HoldingCost TEXT,
  ShortageCost TEXT,
  SetupCost TEXT,
  OrderQty TEXT,
  ReorderPoint TEXT,
  TItemCost REAL,
  THoldingCost REAL,
  TShortageCost REAL,
  TSetupCost REAL,
  TotalCost REAL,
  ModelID INTEGER,
  ItemID TEXT COLLATE NOCASE,
  TimeUnit TEXT COLLATE NOCASE
);
CREATE INDEX s_S_ItemDate ON s_S (ItemName, Date);

CREATE TABLE Models (
  ModelID INTEGER PRIMARY KEY,
  ModelName TEXT
);
INSERT INTO Models (ModelID, ModelName) VALUES
  (1, 'Purchasing: No Shortages'),
  (2, 'Purchasing: Shortages Allowed'),
  (3, 'Manufacturing: No Shortages'),
  (4, 'Manufacturing: Shortages Allowed'),
  (7, 'Single Period: Uniform Demand'),
  (8, 'Single Period: Normal Demand'),
  (10, '(s,S) Policy: Reorder Point');

CREATE TABLE DemandType (
  DemandID INTEGER PRIMARY KEY,
  "Desc" TEXT
);
INSERT INTO DemandType (DemandID, "Desc") VALUES (1, 'Uniform'), (2, 'Normal');

-- Warehouse: one row per stocked item. TimeUnit "Month" or "Week" chooses the
-- sales table; SinglePeriod 1 = single-period item, 0 = (s,S) item.
CREATE TABLE Items (
  ItemID TEXT COLLATE NOCASE PRIMARY KEY,
  Item TEXT COLLATE NOCASE,
  UnitCost REAL,
  TimeUnit TEXT COLLATE NOCASE,
  LeadTime REAL,
  HoldingCost REAL,
  ShortageCost REAL,
  ReorderPoint REAL,
  OrderQty REAL,
  SinglePeriod BOOLEAN,
  OrderCost REAL
);

-- Sales by calendar year. The program reads the period columns by position:
-- everything after Year, in calendar order. One row per item and year: a
-- second row for a year is refused.
CREATE TABLE Sales (
  ItemID TEXT COLLATE NOCASE,
  Year INTEGER,
  Jan INTEGER,
  Feb INTEGER,
  Mar INTEGER,
  Apr INTEGER,
  May INTEGER,
  Jun INTEGER,
  Jul INTEGER,
  Aug INTEGER,
  Sep INTEGER,
  Oct INTEGER,
  Nov INTEGER,
  Dec INTEGER
);
CREATE UNIQUE INDEX Sales_Item ON Sales (ItemID, Year);

CREATE TABLE SalesWeekly (
  ItemID TEXT COLLATE NOCASE,
  Year INTEGER,
  W1 INTEGER,
  W2 INTEGER,
  W3 INTEGER,
  W4 INTEGER,
  W5 INTEGER,
  W6 INTEGER,
  W7 INTEGER,
  W8 INTEGER,
  W9 INTEGER,
  W10 INTEGER,
  W11 INTEGER,
  W12 INTEGER,
  W13 INTEGER,
  W14 INTEGER,
  W15 INTEGER,
  W16 INTEGER,
  W17 INTEGER,
  W18 INTEGER,
  W19 INTEGER,
  W20 INTEGER,
  W21 INTEGER,
  W22 INTEGER,
  W23 INTEGER,
  W24 INTEGER,
  W25 INTEGER,
  W26 INTEGER,
  W27 INTEGER,
  W28 INTEGER,
  W29 INTEGER,
  W30 INTEGER,
  W31 INTEGER,
  W32 INTEGER,
  W33 INTEGER,
  W34 INTEGER,
  W35 INTEGER,
  W36 INTEGER,
  W37 INTEGER,
  W38 INTEGER,
  W39 INTEGER,
  W40 INTEGER,
  W41 INTEGER,
  W42 INTEGER,
  W43 INTEGER,
  W44 INTEGER,
  W45 INTEGER,
  W46 INTEGER,
  W47 INTEGER,
  W48 INTEGER,
  W49 INTEGER,
  W50 INTEGER,
  W51 INTEGER,
  W52 INTEGER
);
CREATE UNIQUE INDEX SalesWeekly_Item ON SalesWeekly (ItemID, Year);
