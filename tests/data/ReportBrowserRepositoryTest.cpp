#include "DataTestSupport.h"
#include "data/ReportBrowserRepository.h"

using namespace tervalo::data;
using namespace tervalo::data::test;

namespace {

// An entry as the browser keeps it: the row's table, key and model.
ReportEntry entry(ResultTable table, qlonglong logId, int modelId, const QString& name, const QDate& day) {
    return ReportEntry{table, logId, modelId, day, name, std::nullopt, QString()};
}

struct KindCase {
    const char* name;
    ReportKind kind;
    ReportEntry checked;
    int printed;  // rows a report shows
    int deleted;  // rows Delete removes
};

// Demo.mdb's s_S rows: LogID 1 Christmas Tree (model 7), 2 Daily Newspaper (8), 3 Skis (10).
const KindCase kKindCases[] = {
    {"UniformEntryUniformType", ReportKind::SinglePeriodUniform,
     entry(ResultTable::SS, 1, 7, "Christmas Tree", {2026, 11, 16}), 1, 1},
    {"UniformEntryNormalType", ReportKind::SinglePeriodNormal,
     entry(ResultTable::SS, 1, 7, "Christmas Tree", {2026, 11, 16}), 0, 0},
    {"UniformEntryReorderPointType", ReportKind::ReorderPoint,
     entry(ResultTable::SS, 1, 7, "Christmas Tree", {2026, 11, 16}), 1, 1},
    {"SsEntryOfAnEoq1LogIdEoqType", ReportKind::Eoq, entry(ResultTable::SS, 1, 1, "Paper", {2026, 11, 9}), 0, 0},
    {"EoqEntryOfAnotherModel", ReportKind::Eoq, entry(ResultTable::Eoq1, 1, 2, "Paper", {2026, 11, 9}), 1, 0},
    {"EoqEntryOfAnotherDay", ReportKind::Eoq, entry(ResultTable::Eoq1, 1, 1, "Paper", {2026, 11, 10}), 0, 1},
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class ReportBrowserKindTest : public DemoDatabaseTest, public ::testing::WithParamInterface<KindCase> {};

}  // namespace

TEST_P(ReportBrowserKindTest, PrintsByNameDayAndModelAndDeletesByKey) {
    ReportBrowserRepository repo(cnn());
    const KindCase& c = GetParam();
    EXPECT_EQ(repo.reportRows(c.kind, {c.checked}).size(), c.printed);
    EXPECT_EQ(repo.deleteRows(c.kind, {c.checked}), c.deleted);
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM EOQ1").toInt() + scalar(cnn(), "SELECT count(*) FROM s_S").toInt(),
              10 - c.deleted);
    // The key table lives only inside each statement's transaction.
    EXPECT_EQ(scalar(cnn(), "SELECT count(*) FROM sqlite_temp_master").toInt(), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReportBrowserKindTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& info) { return std::string(info.param.name); });
