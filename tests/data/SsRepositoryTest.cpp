#include "DataTestSupport.h"
#include "data/SsRepository.h"

using tervalo::data::SsRepository;
using tervalo::data::SsRow;
using namespace tervalo::data::test;

namespace {

const QDate kDay(2030, 3, 2);

// The Christmas-tree example: single period, uniform demand.
SsRow treeRow() {
    SsRow row;
    row.date = kDay;
    row.itemName = "Christmas Tree";
    row.problemId = 2;
    row.demandId = 1;
    row.lDemand = "500";
    row.uDemand = "1000";
    row.itemCost = "6";
    row.holdingCost = ".5";
    row.shortageCost = "20";
    row.orderQty = " 841.4634";
    row.tItemCost = 5048.78048780488;
    row.tHoldingCost = 58.2986317668055;
    row.tShortageCost = 502.676977989292;
    row.totalCost = 5609.75609756098;
    row.modelId = 7;
    return row;
}

// The skis example: (s,S) policy, uniform demand.
SsRow skiRow() {
    SsRow row = treeRow();
    row.itemName = "Skis";
    row.problemId = 1;
    row.lDemand = "75";
    row.uDemand = "100";
    row.itemCost = "14000";
    row.holdingCost = "60";
    row.shortageCost = "16000";
    row.setupCost = "5000";
    row.orderQty = " 78.11333";
    row.reorderPoint = " 74.16787";
    row.tSetupCost = "5000";
    row.modelId = 10;
    return row;
}

}  // namespace

using SsRepositoryTest = DemoDatabaseTest;

TEST_F(SsRepositoryTest, SinglePeriodUniformLeavesTheOtherCasesColumnsEmpty) {
    SsRepository repo(cnn());
    const QString id = repo.insert(treeRow());
    EXPECT_EQ(scalar(cnn(),
                     "SELECT count(*) FROM s_S WHERE LogID = ? AND MeanDemand IS NULL AND VDemand IS NULL "
                     "AND SetupCost IS NULL AND ReorderPoint IS NULL AND TSetupCost IS NULL",
                     {id})
                  .toInt(),
              1);
    const auto row = repo.rowByLogId(id);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->modelId, 7);
    EXPECT_EQ(row->modelName, "Single Period: Uniform Demand");
    EXPECT_EQ(row->demandDesc, "Uniform");
    EXPECT_EQ(row->lDemand, "500");
    EXPECT_EQ(row->orderQty, " 841.4634");
    EXPECT_EQ(row->date, kDay);
    EXPECT_FALSE(row->reorderPoint);
    EXPECT_FALSE(row->tSetupCost);
}

TEST_F(SsRepositoryTest, ReorderPolicyWritesSetupCostTwiceAndTheReorderPoint) {
    SsRepository repo(cnn());
    const auto row = repo.rowByLogId(repo.insert(skiRow()));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->setupCost, "5000");
    EXPECT_EQ(row->tSetupCost, "5000");
    EXPECT_EQ(row->reorderPoint, " 74.16787");
    EXPECT_EQ(row->modelName, "(s,S) Policy: Reorder Point");
    EXPECT_FALSE(repo.rowByLogId("abc"));
}
