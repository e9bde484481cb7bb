#include "DataTestSupport.h"
#include "data/SsRepository.h"
#include "support/SinglePeriodRows.h"

using tervalo::data::SsRepository;
using namespace tervalo::data::test;

namespace {

const QDate kDay(2030, 3, 2);

}  // namespace

using SsRepositoryTest = DemoDatabaseTest;

TEST_F(SsRepositoryTest, SinglePeriodUniformLeavesTheOtherCasesColumnsEmpty) {
    SsRepository repo(cnn());
    const QString id = repo.insert(tervalo::test::christmasTreeRow(kDay));
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
    EXPECT_EQ(row->orderQty, " 841");
    EXPECT_EQ(row->date, kDay);
    EXPECT_FALSE(row->reorderPoint);
    EXPECT_FALSE(row->tSetupCost);
}

TEST_F(SsRepositoryTest, ReorderPolicyWritesSetupCostTwiceAndTheReorderPoint) {
    SsRepository repo(cnn());
    const auto row = repo.rowByLogId(repo.insert(tervalo::test::carDealerRow(kDay)));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->setupCost, "5000");
    EXPECT_EQ(row->tSetupCost, "5000");
    EXPECT_EQ(row->reorderPoint, " 74");
    EXPECT_EQ(row->modelName, "(s,S) Policy: Reorder Point");
    EXPECT_FALSE(repo.rowByLogId("abc"));
}
