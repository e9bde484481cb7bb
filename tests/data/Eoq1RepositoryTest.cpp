#include "DataTestSupport.h"
#include "data/Eoq1Repository.h"
#include "support/PaperRows.h"

using tervalo::data::Eoq1Repository;
using tervalo::data::Eoq1Row;
using namespace tervalo::data::test;
using tervalo::test::paperRow;
using tervalo::test::paperWithShortagesRow;

namespace {

const QDate kDay(2030, 1, 15);
const QString kRowGone = "The saved result of this calculation no longer exists, so the offer was not saved.";

class Eoq1RepositoryTest : public DemoDatabaseTest {
protected:
    Eoq1Repository repo() { return Eoq1Repository(cnn()); }
};

}  // namespace

TEST_F(Eoq1RepositoryTest, TwoCalculationsOfOneItemOnOneDayAreBothPrinted) {
    const QString a = repo().insert(paperRow(kDay));
    const QString b = repo().insert(paperRow(kDay));
    repo().insert(paperWithShortagesRow(kDay));
    repo().insert(paperRow(kDay.addDays(1)));

    EXPECT_GT(b.toInt(), a.toInt());

    const QList<Eoq1Row> rows = repo().rowsFor("Paper", kDay, 1);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].logId, a);
    EXPECT_EQ(rows[1].logId, b);
    EXPECT_EQ(rows[0].modelName, "Purchasing: No Shortages");
    EXPECT_EQ(rows[0].date, kDay);
}

TEST_F(Eoq1RepositoryTest, ValuesAreStoredAsTypedAndShown) {
    const QString id = repo().insert(paperRow(kDay));
    EXPECT_EQ(scalar(cnn(), "SELECT OrderQty FROM EOQ1 WHERE LogID = ?", {id}).toString(), " 42");
    EXPECT_EQ(scalar(cnn(), "SELECT typeof(OrderQty) FROM EOQ1 WHERE LogID = ?", {id}).toString(), "text");
    EXPECT_EQ(scalar(cnn(), "SELECT Date FROM EOQ1 WHERE LogID = ?", {id}).toString(), "2030-01-15");
    EXPECT_EQ(scalar(cnn(), "SELECT HoldingCost FROM EOQ1 WHERE LogID = ?", {id}).toString(), "1.173");

    const auto row = repo().byLogId(id);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->orderQty, " 42");
    EXPECT_DOUBLE_EQ(row->totalCost, 249.394736561703);
    EXPECT_EQ(row->timeUnit, "Week");
    EXPECT_EQ(row->itemId, "");
}

TEST_F(Eoq1RepositoryTest, ModelWithoutShortagesLeavesTheShortageColumnsEmpty) {
    const QString id = repo().insert(paperRow(kDay));
    EXPECT_EQ(scalar(cnn(),
                     "SELECT count(*) FROM EOQ1 WHERE LogID = ? AND ShortageCost IS NULL "
                     "AND ShortageAllowed IS NULL AND TShortageCost IS NULL",
                     {id})
                  .toInt(),
              1);
    const auto row = repo().byLogId(id);
    ASSERT_TRUE(row);
    EXPECT_FALSE(row->shortageCost);
    EXPECT_FALSE(row->shortageAllowed);
    EXPECT_FALSE(row->tShortageCost);
}

TEST_F(Eoq1RepositoryTest, ModelWithShortagesWritesTheShortageColumns) {
    const auto row = repo().byLogId(repo().insert(paperWithShortagesRow(kDay)));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->shortageCost, "15");
    EXPECT_EQ(row->shortageAllowed, " 3");
    EXPECT_DOUBLE_EQ(row->tShortageCost.value_or(0), 1.72507682054221);
    EXPECT_EQ(row->modelName, "Purchasing: Shortages Allowed");
}

TEST_F(Eoq1RepositoryTest, ItemNameWithApostropheIsSavedAndFound) {
    const QString id = repo().insert(paperRow(kDay, "O'Brien's paper"));
    const QList<Eoq1Row> rows = repo().rowsFor("O'Brien's paper", kDay, 1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].logId, id);
    EXPECT_EQ(rows[0].itemName, "O'Brien's paper");
}

TEST_F(Eoq1RepositoryTest, ItemNameMatchesWithoutRegardToCaseButExactly) {
    repo().insert(paperRow(kDay));
    EXPECT_EQ(repo().rowsFor("paper", kDay, 1).size(), 1);
    EXPECT_EQ(repo().rowsFor("PAPER", kDay, 1).size(), 1);
    EXPECT_EQ(repo().rowsFor("Pape", kDay, 1).size(), 0);
    EXPECT_EQ(repo().rowsFor("Paper ", kDay, 1).size(), 0);
    EXPECT_EQ(repo().rowsFor("Paper", kDay, 2).size(), 0);
}

TEST_F(Eoq1RepositoryTest, RowOfAModelThatModelsLacksIsNotPrinted) {
    Eoq1Row row = paperRow(kDay);
    row.modelId = 5;
    const QString id = repo().insert(row);
    EXPECT_TRUE(repo().rowsFor("Paper", kDay, 5).isEmpty());
    ASSERT_TRUE(repo().byLogId(id));
    EXPECT_EQ(repo().byLogId(id)->modelName, "");
}

TEST_F(Eoq1RepositoryTest, DiscountUpdateWritesOnlyTheGivenRowOfTheGivenModel) {
    const QString mine = repo().insert(paperRow(kDay));
    const QString other = repo().insert(paperRow(kDay));
    const QString offer = "The supplier will give a 5% discount if you order 100.";
    const QString decision =
        "No, do not accept this offer, because it increases your total cost. In this case,"
        "your order quantity is  100 units,and order interval is  87.5 days."
        "The cost increases to: \r\n\r\nPuchase: $190.00\r\nOrder:   $10.40\r\n"
        "Holding: $55.72\r\nTotal:   $256.12 .";
    repo().updateDiscount(1, mine, offer, decision);

    const auto updated = repo().byLogId(mine);
    EXPECT_EQ(updated->qtyDiscount, offer);
    EXPECT_EQ(updated->qtyDiscount2, decision);
    EXPECT_TRUE(scalar(cnn(), "SELECT QtyDiscount FROM EOQ1 WHERE LogID = ?", {other}).isNull());

    // The same key under another model changes nothing.
    EXPECT_EQ(databaseErrorOf([&] { repo().updateDiscount(2, mine, "Joe's offer", "none"); }), kRowGone);
    EXPECT_EQ(repo().byLogId(mine)->qtyDiscount, offer);
}

TEST_F(Eoq1RepositoryTest, DiscountUpdateWithoutASavedRowIsAnError) {
    EXPECT_EQ(databaseErrorOf([&] { repo().updateDiscount(1, "", "offer", "decision"); }),
              "No saved row has the LogID ''.");
}

TEST_F(Eoq1RepositoryTest, DiscountUpdateOfADeletedRowIsAnError) {
    const QString id = repo().insert(paperRow(kDay));
    cnn().execute("DELETE FROM EOQ1 WHERE LogID = ?", {id});
    EXPECT_EQ(databaseErrorOf([&] { repo().updateDiscount(1, id, "offer", "decision"); }), kRowGone);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM EOQ1 WHERE QtyDiscount = 'offer'").toInt(), 0);
}

TEST_F(Eoq1RepositoryTest, UnknownKeyFindsNothing) {
    EXPECT_FALSE(repo().byLogId("999999"));
    EXPECT_FALSE(repo().byLogId(""));
    EXPECT_FALSE(repo().byLogId("x"));
}
