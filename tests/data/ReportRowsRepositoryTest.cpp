// The print queries: every column of the results table plus the joined names,
// values bound (item as typed, ISO day, model or LogID), oldest first.
#include <QSqlRecord>

#include "DataTestSupport.h"
#include "data/Eoq1Repository.h"
#include "data/ReportRowsRepository.h"
#include "data/SsRepository.h"
#include "support/PaperRows.h"
#include "support/SinglePeriodRows.h"

using tervalo::data::Eoq1Repository;
using tervalo::data::ReportRowsRepository;
using tervalo::data::SsRepository;
using namespace tervalo::data::test;
using tervalo::test::paperRow;

namespace {

const QDate kDay(2030, 1, 15);

QStringList columns(const QSqlRecord& r) {
    QStringList out;
    for (int i = 0; i < r.count(); ++i)
        out << r.fieldName(i);
    return out;
}

class ReportRowsRepositoryTest : public DemoDatabaseTest {
protected:
    ReportRowsRepository repo() { return ReportRowsRepository(cnn()); }
};

}  // namespace

TEST_F(ReportRowsRepositoryTest, LotSizeRowsCarryEveryColumnAndTheModelName) {
    Eoq1Repository(cnn()).insert(paperRow(kDay));
    const QList<QSqlRecord> rows = repo().eoqRows("Paper", kDay, 1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(
        columns(rows.first()),
        (QStringList{"LogID",       "Date",         "TimeUnit",      "ItemName",   "Demand",        "ItemCost",
                     "HoldingCost", "ShortageCost", "SetupCost",     "OrderQty",   "OrderInterval", "ShortageAllowed",
                     "TItemCost",   "THoldingCost", "TShortageCost", "TSetupCost", "TotalCost",     "ModelID",
                     "QtyDiscount", "QtyDiscount2", "ItemID",        "ModelName"}));
    EXPECT_EQ(rows.first().value("Date").toString(), "2030-01-15");
    EXPECT_EQ(rows.first().value("OrderQty").toString(), " 42");
    EXPECT_EQ(rows.first().value("ModelName").toString(), "Purchasing: No Shortages");
    EXPECT_TRUE(rows.first().isNull("ShortageCost"));
}

TEST_F(ReportRowsRepositoryTest, OnlyThatItemDayAndModelOldestFirst) {
    Eoq1Repository saved(cnn());
    const QString first = saved.insert(paperRow(kDay));
    saved.insert(paperRow(kDay.addDays(-1)));
    saved.insert(paperRow(kDay, "Pens"));
    saved.insert(tervalo::test::paperWithShortagesRow(kDay));
    const QString second = saved.insert(paperRow(kDay));
    const QList<QSqlRecord> rows = repo().eoqRows("Paper", kDay, 1);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].value("LogID").toString(), first);
    EXPECT_EQ(rows[1].value("LogID").toString(), second);
    EXPECT_EQ(repo().eoqRows("Paper", kDay, 2).size(), 1);
    EXPECT_EQ(repo().eoqRows("paper", kDay, 1).size(), 2);  // names match without regard to case
    EXPECT_TRUE(repo().eoqRows("Paper", kDay.addDays(1), 1).isEmpty());
}

TEST_F(ReportRowsRepositoryTest, NamesWithQuotesAndSqlAreBound) {
    Eoq1Repository saved(cnn());
    saved.insert(paperRow(kDay, "O'Brien's paper"));
    saved.insert(paperRow(kDay, "x' OR '1'='1"));
    EXPECT_EQ(repo().eoqRows("O'Brien's paper", kDay, 1).size(), 1);
    EXPECT_EQ(repo().eoqRows("x' OR '1'='1", kDay, 1).size(), 1);
    EXPECT_TRUE(repo().eoqRows("' OR 1=1 --", kDay, 1).isEmpty());
}

TEST_F(ReportRowsRepositoryTest, SinglePeriodRowCarriesModelNameAndDemandType) {
    const QString logId = SsRepository(cnn()).insert(tervalo::test::carDealerRow(kDay));
    const QList<QSqlRecord> rows = repo().singlePeriodRows(logId.toLongLong(), kDay, "Cars");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(columns(rows.first()).mid(columns(rows.first()).size() - 2), (QStringList{"ModelName", "Desc"}));
    EXPECT_EQ(rows.first().value("ModelName").toString(), "(s,S) Policy: Reorder Point");
    EXPECT_EQ(rows.first().value("Desc").toString(), "Uniform");
    EXPECT_EQ(rows.first().value("ReorderPoint").toString(), " 74");
    EXPECT_EQ(rows.first().value("TSetupCost").toString(), "5000");
}

TEST_F(ReportRowsRepositoryTest, SinglePeriodRowOnlyForItsDayAndItem) {
    const QString logId = SsRepository(cnn()).insert(tervalo::test::christmasTreeRow(kDay));
    EXPECT_EQ(repo().singlePeriodRows(logId.toLongLong(), kDay, "christmas tree").size(), 1);
    EXPECT_TRUE(repo().singlePeriodRows(logId.toLongLong(), kDay.addDays(1), "Christmas Tree").isEmpty());
    EXPECT_TRUE(repo().singlePeriodRows(logId.toLongLong(), kDay, "Christmas Tree'").isEmpty());
    EXPECT_TRUE(repo().singlePeriodRows(logId.toLongLong() + 1, kDay, "Christmas Tree").isEmpty());
}

TEST_F(ReportRowsRepositoryTest, MissingTableRaisesTheDatabasesError) {
    cnn().execute("DROP TABLE DemandType");
    EXPECT_EQ(databaseErrorOf([&] { repo().singlePeriodRows(1, kDay, "Skis"); }), "no such table: DemandType");
}
