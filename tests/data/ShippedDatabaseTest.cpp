#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QTemporaryDir>

#include "DataTestSupport.h"
#include "data/RecordSnapshot.h"

using tervalo::data::Connection;
using tervalo::data::RecordSnapshot;
using namespace tervalo::data::test;

namespace {

QStringList columnsOf(Connection& cnn, const QString& table) {
    const QSqlRecord record = cnn.database().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

QStringList periods(const QString& prefix, int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

const QStringList kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

class MainDatabase : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { m_cnn = openCopyOf(GetParam()); }
    Connection& cnn() { return *m_cnn; }

private:
    std::unique_ptr<Connection> m_cnn;
};

}  // namespace

TEST_P(MainDatabase, HasTheSevenTablesWithTheirColumnsInOrder) {
    EXPECT_EQ(
        columnsOf(cnn(), "EOQ1"),
        QStringList({"LogID",       "Date",         "TimeUnit",      "ItemName",   "Demand",        "ItemCost",
                     "HoldingCost", "ShortageCost", "SetupCost",     "OrderQty",   "OrderInterval", "ShortageAllowed",
                     "TItemCost",   "THoldingCost", "TShortageCost", "TSetupCost", "TotalCost",     "ModelID",
                     "QtyDiscount", "QtyDiscount2", "ItemID"}));
    EXPECT_EQ(columnsOf(cnn(), "s_S"),
              QStringList({"LogID",      "Date",       "ItemName",     "ProblemID", "DemandID",     "LDemand",
                           "UDemand",    "MeanDemand", "VDemand",      "ItemCost",  "HoldingCost",  "ShortageCost",
                           "SetupCost",  "OrderQty",   "ReorderPoint", "TItemCost", "THoldingCost", "TShortageCost",
                           "TSetupCost", "TotalCost",  "ModelID",      "ItemID",    "TimeUnit"}));
    EXPECT_EQ(columnsOf(cnn(), "Models"), QStringList({"ModelID", "ModelName"}));
    EXPECT_EQ(columnsOf(cnn(), "DemandType"), QStringList({"DemandID", "Desc"}));
    EXPECT_EQ(columnsOf(cnn(), "Items"),
              QStringList({"ItemID", "Item", "UnitCost", "TimeUnit", "LeadTime", "HoldingCost", "ShortageCost",
                           "ReorderPoint", "OrderQty", "SinglePeriod", "OrderCost"}));
    EXPECT_EQ(columnsOf(cnn(), "Sales"), QStringList({"ItemID", "Year"}) + kMonths);
    EXPECT_EQ(columnsOf(cnn(), "SalesWeekly"), QStringList({"ItemID", "Year"}) + periods("W", 52));
}

TEST_P(MainDatabase, ShipsTheLookupRows) {
    RecordSnapshot models;
    models.open(cnn(), "SELECT ModelID, ModelName FROM Models ORDER BY ModelID");
    QList<int> ids;
    for (; !models.eof(); models.moveNext()) {
        ids.append(models.field(0).toInt());
        EXPECT_FALSE(models.field("ModelName").toString().isEmpty());
    }
    EXPECT_EQ(ids, QList<int>({1, 2, 3, 4, 7, 8, 10}));

    // "Desc" is read unquoted, as the report queries write it.
    RecordSnapshot demand;
    demand.open(cnn(), "SELECT DemandType.DemandID, DemandType.Desc FROM DemandType ORDER BY DemandID");
    ASSERT_EQ(demand.recordCount(), 2);
    EXPECT_EQ(demand.field("Desc").toString(), "Uniform");
    demand.moveNext();
    EXPECT_EQ(demand.field("Desc").toString(), "Normal");
}

TEST_P(MainDatabase, EveryItemHasSalesInTheTableOfItsTimeUnit) {
    EXPECT_EQ(scalar(cnn(),
                     "SELECT count(*) FROM Items i WHERE NOT EXISTS "
                     "(SELECT 1 FROM Sales s WHERE s.ItemID = i.ItemID) AND TimeUnit = 'Month'")
                  .toInt(),
              0);
    EXPECT_EQ(scalar(cnn(),
                     "SELECT count(*) FROM Items i WHERE NOT EXISTS "
                     "(SELECT 1 FROM SalesWeekly s WHERE s.ItemID = i.ItemID) AND TimeUnit = 'Week'")
                  .toInt(),
              0);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM Sales WHERE Jan IS NULL OR Dec < 0").toInt(), 0);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM SalesWeekly WHERE W1 IS NULL OR W52 < 0").toInt(), 0);
}

TEST_P(MainDatabase, TextKeysCompareWithoutCase) {
    const int months = scalar(cnn(), "SELECT count(*) FROM Items WHERE TimeUnit = 'Month'").toInt();
    EXPECT_GT(months, 0);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM Items WHERE TimeUnit = ?", {"MONTH"}).toInt(), months);
    const QString firstId = scalar(cnn(), "SELECT ItemID FROM Items ORDER BY ItemID").toString();
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM Items WHERE ItemID = ?", {firstId.toLower()}).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, MainDatabase, ::testing::Values("Demo.mdb", "dbWHouse.mdb"));

TEST(DemoDatabase, MixesTimeUnitsAndPoliciesOverSeveralYears) {
    auto cnn = openCopyOf("Demo.mdb");
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM Items").toInt(), 12);
    EXPECT_GT(scalar(*cnn, "SELECT count(*) FROM Items WHERE TimeUnit = 'Week'").toInt(), 0);
    EXPECT_GT(scalar(*cnn, "SELECT count(*) FROM Items WHERE SinglePeriod = 1").toInt(), 0);
    EXPECT_GT(scalar(*cnn, "SELECT count(*) FROM Items WHERE SinglePeriod = 0").toInt(), 0);
    EXPECT_EQ(scalar(*cnn, "SELECT count(DISTINCT Year) FROM Sales").toInt(), 5);
    EXPECT_GT(scalar(*cnn, "SELECT count(*) FROM EOQ1").toInt(), 0);
    EXPECT_GT(scalar(*cnn, "SELECT count(*) FROM s_S").toInt(), 0);
    // Saved rows only of models that Models lists, so every list shows them.
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM EOQ1 WHERE ModelID NOT IN (SELECT ModelID FROM Models)").toInt(), 0);
}

TEST(NWRetailDatabase, ProductsMatchDemoItemsByKey) {
    auto nw = openCopyOf("NWRetail.mdb");
    const QStringList columns = columnsOf(*nw, "Products");
    for (const char* c : {"ProductID", "ProductName", "ReorderLevel", "UnitsOnOrder"})
        EXPECT_TRUE(columns.contains(c)) << c;

    auto demo = openCopyOf("Demo.mdb");
    RecordSnapshot products;
    products.open(*nw, "SELECT ProductID, ProductName FROM Products WHERE ProductID <= 12");
    EXPECT_GE(products.recordCount(), 8);
    for (; !products.eof(); products.moveNext())
        EXPECT_EQ(scalar(*demo, "SELECT Item FROM Items WHERE ItemID = ?", {products.field(0).toString()}),
                  products.field(1));
}

TEST(ShippedDatabases, AreMadeDeterministically) {
    // The maker uses no clock and no random source: two runs on the same
    // scripts give the very same bytes. (The built files in the program's
    // folder are not compared: running the program adds rows to them.)
    const QString maker = tervalo::test::fixturesDir() + "/../../resources/db/make_db.sh";
    ASSERT_TRUE(QFile::exists(maker)) << maker.toStdString();
    QTemporaryDir dir;
    for (const QString name : {"Demo", "dbWHouse", "NWRetail"}) {
        QByteArray bytes[2];
        for (int run = 0; run < 2; ++run) {
            const QString out = dir.path() + "/" + name + QString::number(run) + ".mdb";
            QProcess maker_run;
            maker_run.start("bash", {maker, name, out, "sqlite3"});
            ASSERT_TRUE(maker_run.waitForFinished(30000));
            ASSERT_EQ(maker_run.exitCode(), 0) << maker_run.readAllStandardError().toStdString();
            QFile made(out);
            ASSERT_TRUE(made.open(QIODevice::ReadOnly));
            bytes[run] = made.readAll();
            EXPECT_FALSE(QFile::exists(out + ".tmp"));
        }
        EXPECT_FALSE(bytes[0].isEmpty()) << name.toStdString();
        EXPECT_TRUE(bytes[0] == bytes[1]) << name.toStdString();
    }
}
