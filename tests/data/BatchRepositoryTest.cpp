// What the batch analysis reads: the items in key order, and the one ordered
// pass over a sales table agreeing with each item's own query.
#include <QSqlQuery>

#include "DataTestSupport.h"
#include "data/BatchRepository.h"

using namespace tervalo::data;
using namespace tervalo::data::test;

namespace {

struct TableCase {
    SalesTable table;
    const char* name;
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class BatchRepositoryTest : public DemoDatabaseTest, public ::testing::WithParamInterface<TableCase> {};

// A sixth year for item 1, an item of the same key in another case in the
// sales rows, and one more year of a weekly item, so that the pass has rows
// to skip and keys to match as the queries match them.
TEST_P(BatchRepositoryTest, OnePassGivesEachItemWhatItsOwnQueryGives) {
    const auto [table, name] = GetParam();
    cnn().execute(QString("INSERT INTO %1 (ItemID, Year) VALUES ('1', 2020)").arg(name));
    cnn().execute("INSERT INTO Items (ItemID, Item) VALUES ('ab', 'lower case')");
    cnn().execute(QString("INSERT INTO %1 (ItemID, Year) VALUES ('AB', 2024)").arg(name));
    BatchRepository repository(cnn());
    const std::vector<WarehouseItem> items = repository.items();
    SalesPass pass(cnn(), table);
    int years = 0;
    for (const WarehouseItem& item : items) {
        const auto expected = repository.salesOf(item.itemId.toString(), table, 5);
        EXPECT_EQ(pass.take(item.itemId, 5), expected) << item.itemId.toString().toStdString();
        years += int(expected.size());
    }
    EXPECT_GT(years, 5);
}

INSTANTIATE_TEST_SUITE_P(Tables, BatchRepositoryTest,
                         ::testing::Values(TableCase{SalesTable::Monthly, "Sales"},
                                           TableCase{SalesTable::Weekly, "SalesWeekly"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoDatabaseTest, ItemsComeInKeyOrderNullKeysFirst) {
    cnn().execute("INSERT INTO Items (ItemID, Item) VALUES (NULL, 'unfinished')");
    QStringList keys;
    for (const WarehouseItem& item : BatchRepository(cnn()).items())
        keys << (item.itemId.isNull() ? "null" : item.itemId.toString());
    EXPECT_EQ(keys.join(','), "null,1,10,11,12,2,3,4,5,6,7,8,9");
}

TEST_F(DemoDatabaseTest, SalesComeNewestYearFirstByPosition) {
    const auto years = BatchRepository(cnn()).salesOf("1", SalesTable::Monthly, 2);
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[0].size(), 12u);
    EXPECT_EQ(years[0][0], scalar(cnn(), "SELECT Jan FROM Sales WHERE ItemID = '1' AND Year = 2026"));
    EXPECT_EQ(years[1][11], scalar(cnn(), "SELECT Dec FROM Sales WHERE ItemID = '1' AND Year = 2025"));
}

}  // namespace
