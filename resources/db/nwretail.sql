-- "NWRetail.mdb": the sample database of a retailer's own system, the target of
-- the demonstration write-back (table Products; ProductID matches the ItemID of
-- the Demo warehouse items).

CREATE TABLE Products (
  ProductID INTEGER PRIMARY KEY,
  ProductName TEXT COLLATE NOCASE,
  QuantityPerUnit TEXT,
  UnitPrice REAL,
  UnitsInStock INTEGER,
  UnitsOnOrder INTEGER,
  ReorderLevel INTEGER,
  Discontinued BOOLEAN
);

INSERT INTO Products (ProductID, ProductName, QuantityPerUnit, UnitPrice, UnitsInStock,
                      UnitsOnOrder, ReorderLevel, Discontinued) VALUES
  (1,  'Copier Paper A4 (box)',    '5 reams',    31.90, 140, 0,  100, 0),
  (2,  'Ballpoint Pens (dozen)',   '12 pens',     4.95, 260, 0,   60, 0),
  (3,  'Printer Toner Cartridge',  '1 cartridge',89.00,  22, 20,  10, 0),
  (4,  'Desk Calendar 2027',       '1 calendar', 12.50,   0, 0,    0, 0),
  (5,  'Greeting Cards (pack)',    '10 cards',    6.40,  75, 0,   25, 0),
  (6,  'Daily Newspaper',          '1 copy',      1.20,  40, 0,    0, 0),
  (7,  'Coffee Beans 1 kg',        '1 bag',      19.90,  31, 50,  20, 0),
  (8,  'Whiteboard Markers (set)', '4 markers',   8.20,  96, 0,   30, 0),
  (9,  'Christmas Trees',          '1 tree',     20.00,   0, 0,    0, 0),
  (10, 'Sunscreen Lotion',         '200 ml',     12.90,  48, 0,   40, 0),
  (13, 'Paper Clips (box)',        '100 clips',   1.10, 310, 0,   50, 1);
