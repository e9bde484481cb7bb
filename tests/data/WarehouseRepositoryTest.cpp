// The warehouse tables through the item cursor, the repository and the sales
// rows, on copies of Demo.mdb: keys taken as themselves, writes that go whole
// or not at all, the cursor's moves and the prefix search.
#include <QSqlField>

#include "DataTestSupport.h"
#include "data/ItemCursor.h"
#include "data/RecordSnapshot.h"
#include "data/SalesRows.h"
#include "data/WarehouseRepository.h"

using namespace tervalo::data;
using namespace tervalo::data::test;

namespace {

int count(Connection& cnn, const QString& table, const QString& key) {
    return scalar(cnn, "SELECT count(*) FROM " + table + " WHERE ItemID = ?", {key}).toInt();
}
int count(Connection& cnn, const QString& table) { return scalar(cnn, "SELECT count(*) FROM " + table).toInt(); }

// Adds an item with one monthly and one weekly row through the cursor and the sales rows.
void addItem(Connection& cnn, ItemCursor& items, const QString& key, const QString& name = "Thing") {
    items.addNew();
    items.setField("ItemID", key);
    items.setField("Item", name);
    items.setField("TimeUnit", "Month");
    items.update();
    for (SalesTable table : {SalesTable::Monthly, SalesTable::Weekly}) {
        SalesRows rows;
        rows.open(cnn, table, key);
        const int r = rows.appendRow(key);
        rows.setValue(r, 1, 2025);
        rows.setValue(r, 2, 7);
        rows.writePending(key);
    }
}

class WarehouseTest : public DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        items = std::make_unique<ItemCursor>(cnn());
        items->open();
    }
    std::unique_ptr<ItemCursor> items;
};

}  // namespace

// ---- keys holding quotes and wildcards are stored, found and deleted as themselves

class AwkwardKey : public WarehouseTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AwkwardKey, IsSavedFoundAndDeletedAsItselfAlone) {
    const QString key = QString::fromUtf8(GetParam());
    const int items0 = count(cnn(), "Items"), sales0 = count(cnn(), "Sales"), weekly0 = count(cnn(), "SalesWeekly");
    addItem(cnn(), *items, key);
    EXPECT_EQ(items->field("ItemID").toString(), key);
    EXPECT_EQ(count(cnn(), "Items"), items0 + 1);

    SalesRows rows;
    rows.open(cnn(), SalesTable::Monthly, key);
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.value(0, 0).toString(), key);

    items->locate(key, "");
    ASSERT_EQ(items->field("ItemID").toString(), key);
    items->deleteCurrent();
    EXPECT_EQ(count(cnn(), "Items"), items0);
    EXPECT_EQ(count(cnn(), "Sales"), sales0);
    EXPECT_EQ(count(cnn(), "SalesWeekly"), weekly0);
}

INSTANTIATE_TEST_SUITE_P(Keys, AwkwardKey,
                         ::testing::Values("x' OR 'a'='a", "50%_off", "a\"b", "[x]*", "1' --",
                                           "x'); DROP TABLE Items; --"));

// ---- writes that go whole or not at all

struct RefusedWrite {
    const char* name;
    std::function<void(Connection&, ItemCursor&)> step;
};
void PrintTo(const RefusedWrite& c, std::ostream* os) { *os << c.name; }

class RefusedWriteTest : public WarehouseTest, public ::testing::WithParamInterface<RefusedWrite> {};

TEST_P(RefusedWriteTest, ChangesNoTableAndKeepsThePendingRow) {
    const QStringList tables = {"Items", "Sales", "SalesWeekly"};
    const QString snapshot = "SELECT group_concat(ItemID || '/' || ifnull(Item, '')) FROM Items";
    const QVariant before = scalar(cnn(), snapshot);
    QList<int> counts;
    for (const QString& t : tables)
        counts << count(cnn(), t);
    // Deleting item 12 fails at its Items row, after its sales rows went.
    cnn().execute(
        "CREATE TRIGGER keep12 BEFORE DELETE ON Items WHEN old.ItemID = '12' "
        "BEGIN SELECT RAISE(ABORT, 'kept'); END");

    EXPECT_FALSE(databaseErrorOf([&] { GetParam().step(cnn(), *items); }).isEmpty());
    EXPECT_EQ(scalar(cnn(), snapshot), before);
    for (int i = 0; i < tables.size(); ++i)
        EXPECT_EQ(count(cnn(), tables[i]), counts[i]) << tables[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writes, RefusedWriteTest,
                         ::testing::Values(RefusedWrite{"NewItemWithATakenKey",
                                                        [](Connection&, ItemCursor& c) {
                                                            c.addNew();
                                                            c.setField("ItemID", "12");
                                                            c.setField("Item", "Second umbrellas");
                                                            c.update();
                                                        }},
                                           RefusedWrite{"ChangedKeyThatIsTaken",
                                                        [](Connection&, ItemCursor& c) {
                                                            c.locate("1", "");
                                                            c.setField("ItemID", "12");
                                                            c.update();
                                                        }},
                                           RefusedWrite{"NewItemWithoutKey",
                                                        [](Connection&, ItemCursor& c) {
                                                            c.addNew();
                                                            c.setField("Item", "Nameless");
                                                            c.moveFirst();
                                                        }},
                                           RefusedWrite{"DeleteStoppedHalfWay",
                                                        [](Connection&, ItemCursor& c) {
                                                            c.locate("12", "");
                                                            c.deleteCurrent();
                                                        }},
                                           RefusedWrite{"SecondRowForAYear",
                                                        [](Connection& cnn, ItemCursor&) {
                                                            SalesRows rows;
                                                            rows.open(cnn, SalesTable::Monthly, "1");
                                                            rows.setValue(0, 2, 1);
                                                            const int r = rows.appendRow("1");
                                                            rows.setValue(r, 1, 2024);
                                                            rows.writePending("1");
                                                        }},
                                           RefusedWrite{"SalesRowsWithoutAYear",
                                                        [](Connection& cnn, ItemCursor&) {
                                                            SalesRows rows;
                                                            rows.open(cnn, SalesTable::Monthly, "1");
                                                            rows.setValue(0, 1, QVariant());
                                                            rows.setValue(rows.appendRow("1"), 2, 5);
                                                            rows.writePending("1");
                                                        }},
                                           RefusedWrite{"RekeyOntoATakenKey",
                                                        [](Connection& cnn, ItemCursor&) {
                                                            RecordSnapshot items;
                                                            WarehouseRepository(cnn).openItems(items);
                                                            QSqlRecord row;
                                                            row.append(QSqlField("ItemID"));
                                                            row.setValue(0, "2");
                                                            WarehouseRepository(cnn).updateItem(items.record(), row);
                                                        }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WarehouseTest, FailedSaveKeepsTheRowPendingUntilItIsMended) {
    items->addNew();
    items->setField("ItemID", "12");
    items->setField("Item", "More umbrellas");
    EXPECT_EQ(databaseErrorOf([&] { items->update(); }),
              "Item ID 12 is already used by another item. Please enter another Item ID.");
    EXPECT_TRUE(items->isNewRow());
    EXPECT_EQ(items->field("Item").toString(), "More umbrellas");
    items->setField("ItemID", "99");
    items->update();
    EXPECT_FALSE(items->isEditing());
    EXPECT_EQ(items->field("Item").toString(), "More umbrellas");
    EXPECT_EQ(items->positionText(), "13 of 13");
}

TEST_F(WarehouseTest, ChangedKeyTakesEverySalesRowAlong) {
    items->locate("12", "");
    const int monthly = count(cnn(), "Sales", "12");
    ASSERT_GT(monthly, 0);
    cnn().execute("INSERT INTO SalesWeekly (ItemID, Year) VALUES ('12', 2020)");
    items->setField("ItemID", "U-12");
    items->update();
    EXPECT_EQ(items->field("ItemID").toString(), "U-12");
    EXPECT_EQ(count(cnn(), "Sales", "12"), 0);
    EXPECT_EQ(count(cnn(), "SalesWeekly", "12"), 0);
    EXPECT_EQ(count(cnn(), "Sales", "U-12"), monthly);
    EXPECT_EQ(count(cnn(), "SalesWeekly", "U-12"), 1);
    EXPECT_EQ(count(cnn(), "Sales", "1"), monthly);  // another item's rows stay
}

TEST_F(WarehouseTest, DeleteRemovesTheItemAndItsRowsOfBothTables) {
    cnn().execute("INSERT INTO SalesWeekly (ItemID, Year) VALUES ('12', 2020)");
    items->locate("12", "");
    items->deleteCurrent();
    EXPECT_EQ(count(cnn(), "Items", "12"), 0);
    EXPECT_EQ(count(cnn(), "Sales", "12"), 0);
    EXPECT_EQ(count(cnn(), "SalesWeekly", "12"), 0);
    EXPECT_EQ(items->positionText(), "1 of 11");
    EXPECT_EQ(count(cnn(), "Sales"), 5 * 6);
}

// ---- two copies of the program on one file: a save writes what it changed,
// only into the row as it read it, and never undoes the other copy's writes

struct SecondCopy {
    const char* name;
    const char* before;   // run before this copy reads item 12 and its monthly rows
    const char* other;    // what the other copy writes meanwhile, statements split by "|"
    int year;             // 0: this copy saves item 12's UnitCost as 9.5; else Jan of that year as 7
    const char* refused;  // "changed", "deleted" or "sales": what the message says; "" when written
    const char* probe;
    const char* stored;
    const char* act = "";  // "add": the year is a new row; "delete": this copy deletes item 12
};

void PrintTo(const SecondCopy& c, std::ostream* os) { *os << c.name; }

class SecondCopyTest : public WarehouseTest, public ::testing::WithParamInterface<SecondCopy> {};

TEST_P(SecondCopyTest, KeepsWhatTheOtherCopyWrote) {
    const SecondCopy& c = GetParam();
    for (const QString& sql : QString(c.before).split('|', Qt::SkipEmptyParts))
        cnn().execute(sql);
    items->requery();
    items->locate("12", "");
    SalesRows rows;
    rows.open(cnn(), SalesTable::Monthly, "12");
    Connection other;
    other.open(cnn().connectionString());
    for (const QString& sql : QString(c.other).split('|', Qt::SkipEmptyParts))
        other.execute(sql);
    const QString refused = c.refused, act = c.act;
    const QString message =
        refused == "sales"
            ? "The sales of item 12 for " + QString::number(c.year) +
                  " were changed or deleted elsewhere after they were shown here, so your changes were not saved. They "
                  "are now shown as stored."
            : "Item 12 was " + refused +
                  " elsewhere after it was shown here, so your changes were not saved. It is now shown as stored.";
    const auto save = [&] {
        if (act == "delete") return items->deleteCurrent();
        if (act == "add") {
            const int row = rows.appendRow("12");
            rows.setValue(row, 1, c.year);
            rows.setValue(row, 2, 7);
            return rows.writePending("12");
        }
        if (c.year == 0) {
            items->setField("UnitCost", 9.5);
            items->update();
            return;
        }
        for (int row = 0; row < rows.rowCount(); ++row)
            if (rows.value(row, 1).toInt() == c.year) rows.setValue(row, 2, 7);
        rows.writePending("12");
    };
    if (refused.isEmpty())
        save();
    else
        EXPECT_EQ(databaseErrorOf(save), message);
    EXPECT_EQ(scalar(other, c.probe).toString(), c.stored);
}

const char* const kItem12 = "SELECT Item || '/' || UnitCost FROM Items WHERE ItemID = '12'";
const char* const kSales12 = "SELECT Jan || '/' || Feb FROM Sales WHERE ItemID = '12' AND Year = 2026";
const char* const kJan2021 = "SELECT Jan FROM Sales WHERE ItemID = '12' AND Year = 2021";
const char* const kSales12Count = "SELECT count(*) FROM Sales WHERE ItemID = '12'";
const char* const kAllButUnitCost =
    "CREATE TRIGGER whole BEFORE UPDATE OF ItemID, Item, TimeUnit, LeadTime, HoldingCost, ShortageCost, ReorderPoint, "
    "OrderQty, SinglePeriod, OrderCost ON Items BEGIN SELECT RAISE(ABORT, 'another field written'); END";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Saves, SecondCopyTest, ::testing::Values(
    SecondCopy{"ItemRenamedThere", "", "UPDATE Items SET Item = 'Rain gear' WHERE ItemID = '12'", 0, "changed", kItem12, "Rain gear/11.0"},
    SecondCopy{"ItemNameOnlyInCapitalsThere", "", "UPDATE Items SET Item = 'UMBRELLAS' WHERE ItemID = '12'", 0, "changed", kItem12, "UMBRELLAS/11.0"},
    SecondCopy{"ItemDeletedThere", "", "DELETE FROM Items WHERE ItemID = '12'", 0, "deleted", "SELECT count(*) FROM Items", "11"},
    SecondCopy{"AnotherItemChangedThere", "", "UPDATE Items SET Item = 'Paper' WHERE ItemID = '1'", 0, "", kItem12, "Umbrellas/9.5"},
    SecondCopy{"OnlyTheChangedFieldIsWritten", "", kAllButUnitCost, 0, "", kItem12, "Umbrellas/9.5"},
    SecondCopy{"SalesRowNumberTakenByAnotherItem", "INSERT INTO Sales (ItemID, Year) VALUES ('12', 2021)",
               "DELETE FROM Sales WHERE ItemID = '12' AND Year = 2021 | INSERT INTO Sales (ItemID, Year) VALUES ('A100', 1999)", 2021, "sales",
               "SELECT ItemID || '/' || Year || '/' || ifnull(Jan, '-') FROM Sales WHERE Year = 1999", "A100/1999/-"},
    SecondCopy{"SalesOfTheYearChangedThere", "", "UPDATE Sales SET Feb = 1 WHERE ItemID = '12' AND Year = 2026", 2026, "sales", kSales12, "88/1"},
    SecondCopy{"SalesOfAnotherYearChangedThere", "", "UPDATE Sales SET Feb = 1 WHERE ItemID = '12' AND Year = 2025", 2026, "", kSales12, "7/69"},
    SecondCopy{"NewYearOfAnItemChangedThere", "", "UPDATE Items SET Item = 'Rain gear' WHERE ItemID = '12'", 2021, "", kJan2021, "7", "add"},
    SecondCopy{"DeleteOfAnItemDeletedThere", "", "DELETE FROM Items WHERE ItemID = '12'", 0, "", kSales12Count, "0", "delete"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- the cursor's moves

struct Moves {
    std::vector<ItemCursor::Step> steps;
    const char* position;
    const char* key;
};
void PrintTo(const Moves& m, std::ostream* os) {
    static const char* const kNames[] = {"First", "Previous", "Next", "Last"};
    *os << (m.steps.empty() ? "no step" : "");
    for (std::size_t i = 0; i < m.steps.size(); ++i)
        *os << (i ? ", " : "") << kNames[static_cast<int>(m.steps[i])];
}

class CursorSteps : public WarehouseTest, public ::testing::WithParamInterface<Moves> {};

TEST_P(CursorSteps, StayWithinTheItems) {
    for (ItemCursor::Step s : GetParam().steps)
        items->step(s);
    EXPECT_EQ(items->positionText(), GetParam().position);
    EXPECT_EQ(items->field("ItemID").toString(), GetParam().key);
}

using S = ItemCursor::Step;
INSTANTIATE_TEST_SUITE_P(Steps, CursorSteps,
                         ::testing::Values(Moves{{}, "1 of 12", "1"}, Moves{{S::Next, S::Next}, "3 of 12", "11"},
                                           Moves{{S::Previous}, "1 of 12", "1"}, Moves{{S::Last}, "12 of 12", "9"},
                                           Moves{{S::Last, S::Next}, "12 of 12", "9"},
                                           Moves{{S::Last, S::Previous, S::First}, "1 of 12", "1"}));

// ---- the prefix search: any case, every character as itself

struct Search {
    const char* id;
    const char* name;
    const char* found;
    const char* position;
};
void PrintTo(const Search& c, std::ostream* os) { *os << "id '" << c.id << "', name '" << c.name << "'"; }

class LocateTest : public ::testing::TestWithParam<Search> {};

TEST_P(LocateTest, FindsTheFirstItemInKeyOrder) {
    auto cnn = openCopyOf("Demo.mdb");
    cnn->execute("DELETE FROM Items");
    for (const auto& [id, name] : std::vector<std::pair<const char*, const char*>>{
             {"A1", "Bravo"}, {"AB2", "Alpha"}, {"B1", "Beta"}, {"B%", "100% Cotton"}, {"B_1", "O'Hara"}})
        cnn->execute("INSERT INTO Items (ItemID, Item) VALUES (?, ?)", {id, name});
    ItemCursor items(*cnn);
    items.open();
    items.locate(QString::fromUtf8(GetParam().id), QString::fromUtf8(GetParam().name));
    EXPECT_EQ(items.field("ItemID").toString(), GetParam().found);
    EXPECT_EQ(items.positionText(), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, LocateTest,
                         ::testing::Values(Search{"A", "", "A1", "1 of 5"}, Search{"AB", "", "AB2", "2 of 5"},
                                           Search{"ab", "", "AB2", "2 of 5"}, Search{"Q", "", "B_1", "5 of 5"},
                                           Search{"B", "", "B%", "3 of 5"}, Search{"B_", "", "B_1", "5 of 5"},
                                           Search{"B1", "", "B1", "4 of 5"}, Search{"%", "", "B_1", "5 of 5"},
                                           Search{"_", "", "B_1", "5 of 5"}, Search{"'", "", "B_1", "5 of 5"},
                                           Search{"*", "", "B_1", "5 of 5"}, Search{"[", "", "B_1", "5 of 5"},
                                           Search{"", "B", "A1", "1 of 5"}, Search{"", "Al", "AB2", "2 of 5"},
                                           Search{"", "be", "B1", "4 of 5"}, Search{"", "O'", "B_1", "5 of 5"},
                                           Search{"", "100%", "B%", "3 of 5"}, Search{"", "1_0", "B_1", "5 of 5"}));

TEST(LocateOnNoItems, DoesNothing) {
    auto cnn = openCopyOf("Demo.mdb");
    cnn->execute("DELETE FROM Items");
    ItemCursor items(*cnn);
    items.open();
    items.locate("A", "");
    EXPECT_TRUE(items.bof() && items.eof());
    EXPECT_EQ(items.positionText(), "0 of 0");
}

// ---- the sales rows

TEST_F(WarehouseTest, SalesRowsComeNewestFirstWithEveryPeriodColumn) {
    struct Case {
        SalesTable table;
        const char* key;
        int columns;
    };
    for (const Case& c : {Case{SalesTable::Monthly, "1", 14}, Case{SalesTable::Weekly, "11", 54}}) {
        SalesRows rows;
        rows.open(cnn(), c.table, c.key);
        ASSERT_EQ(rows.rowCount(), 5);
        EXPECT_EQ(rows.columnCount(), c.columns);
        EXPECT_EQ(rows.columnNames().mid(0, 2), QStringList({"ItemID", "Year"}));
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(rows.value(r, 1).toInt(), 2026 - r);
    }
    SalesRows none;
    none.open(cnn(), SalesTable::Monthly, kNoItemKey);
    EXPECT_EQ(none.rowCount(), 0);
}

TEST_F(WarehouseTest, PendingSalesRowsAreWrittenForTheirItemOrCancelled) {
    SalesRows rows;
    rows.open(cnn(), SalesTable::Weekly, "11");
    rows.setValue(0, 2, 999);
    const int keyed = rows.appendRow("11");
    rows.setValue(keyed, 1, 2021);
    const int keyless = rows.appendRow(QVariant());
    rows.setValue(keyless, 1, 2020);
    rows.writePending("11");
    EXPECT_FALSE(rows.isPending(0));
    EXPECT_FALSE(rows.isPending(keyed));
    EXPECT_TRUE(rows.isPending(keyless));  // a row of no item is never written
    EXPECT_EQ(scalar(cnn(), "SELECT W1 FROM SalesWeekly WHERE ItemID = '11' AND Year = 2026").toInt(), 999);
    EXPECT_EQ(count(cnn(), "SalesWeekly", "11"), 6);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM SalesWeekly WHERE ItemID IS NULL").toInt(), 0);

    rows.setValue(0, 2, 1);
    rows.cancelPending();
    EXPECT_EQ(rows.rowCount(), 6);
    EXPECT_EQ(rows.value(0, 2).toInt(), 999);
    EXPECT_FALSE(rows.hasPending());

    // Typed for an item being added under another item's key: the row waits
    // for its item, then takes the key it is stored under.
    SalesRows added;
    added.open(cnn(), SalesTable::Weekly, kNoItemKey);
    const int typed = added.appendRow("11");
    added.setValue(typed, 1, 2020);
    added.writePending(QVariant());
    EXPECT_TRUE(added.isPending(typed));
    EXPECT_EQ(count(cnn(), "SalesWeekly", "11"), 6);
    cnn().execute("INSERT INTO Items (ItemID) VALUES ('N1')");
    added.writePending("N1");
    EXPECT_EQ(added.value(typed, 0).toString() + "/" + QString::number(count(cnn(), "SalesWeekly", "N1")), "N1/1");
}

TEST(SalesTableFor, TimeUnitChoosesTheTable) {
    EXPECT_EQ(salesTableFor("Month"), SalesTable::Monthly);
    EXPECT_EQ(salesTableFor(""), SalesTable::Monthly);
    EXPECT_EQ(salesTableFor("Week"), SalesTable::Weekly);
    for (const char* other : {"Year", "month", "WEEK", " Week"})
        EXPECT_FALSE(salesTableFor(other)) << other;
}
