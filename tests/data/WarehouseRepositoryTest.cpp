// The warehouse tables through the item cursor, the repository and the sales
// rows, on copies of Demo.mdb: keys taken as themselves, writes that go whole
// or not at all, the cursor's moves and the prefix search.
#include <QSqlField>

#include "DataTestSupport.h"
#include "data/ItemCursor.h"
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
        rows.writePending();
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
                                                        [](Connection& cnn, ItemCursor& c) {
                                                            WarehouseRepository(cnn).deleteItem("12");
                                                        }},
                                           RefusedWrite{"SecondRowForAYear",
                                                        [](Connection& cnn, ItemCursor&) {
                                                            SalesRows rows;
                                                            rows.open(cnn, SalesTable::Monthly, "1");
                                                            rows.setValue(0, 2, 1);
                                                            const int r = rows.appendRow("1");
                                                            rows.setValue(r, 1, 2024);
                                                            rows.writePending();
                                                        }},
                                           RefusedWrite{"RekeyOntoATakenKey",
                                                        [](Connection& cnn, ItemCursor&) {
                                                            QSqlRecord row;
                                                            row.append(QSqlField("ItemID"));
                                                            row.setValue(0, "2");
                                                            WarehouseRepository(cnn).updateItem("1", row);
                                                        }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WarehouseTest, FailedSaveKeepsTheRowPendingUntilItIsMended) {
    items->addNew();
    items->setField("ItemID", "12");
    items->setField("Item", "More umbrellas");
    EXPECT_EQ(databaseErrorOf([&] { items->update(); }), "UNIQUE constraint failed: Items.ItemID");
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

TEST_F(WarehouseTest, PendingSalesRowsAreWrittenWithTheirKeyOrCancelled) {
    SalesRows rows;
    rows.open(cnn(), SalesTable::Weekly, "11");
    rows.setValue(0, 2, 999);
    const int keyed = rows.appendRow("11");
    rows.setValue(keyed, 1, 2021);
    const int keyless = rows.appendRow(QVariant());
    rows.setValue(keyless, 1, 2020);
    rows.writePending();
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
}

TEST(SalesTableFor, TimeUnitChoosesTheTable) {
    EXPECT_EQ(salesTableFor("Month"), SalesTable::Monthly);
    EXPECT_EQ(salesTableFor(""), SalesTable::Monthly);
    EXPECT_EQ(salesTableFor("Week"), SalesTable::Weekly);
    for (const char* other : {"Year", "month", "WEEK", " Week"})
        EXPECT_FALSE(salesTableFor(other)) << other;
}
