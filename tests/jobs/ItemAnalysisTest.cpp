// One item's analysis without a window or a database: the series taken from
// its years of sales, its lines of the log, the texts the model is run with
// and the figures its result gives.
#include <gtest/gtest.h>

#include <QStringList>

#include "jobs/ItemAnalysis.h"
#include "support/Tolerance.h"

using namespace tervalo;
using data::SalesTable;
using data::SalesYear;
using data::WarehouseItem;
using jobs::ItemFigures;
using jobs::ModelRequest;

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QVariant kNull;

SalesYear year(std::initializer_list<QVariant> cells) { return SalesYear(cells); }
SalesYear fullYear(int cells, double value) { return SalesYear(std::size_t(cells), QVariant(value)); }

// ---- the series ---------------------------------------------------------------------

struct SeriesCase {
    const char* name;
    std::vector<SalesYear> years;  // newest first
    std::size_t points;
    QString first;  // "time:demand" of the first and last point, in the order taken
    QString last;
    int perTime = 0;  // how often every Time value occurs; 0: not asked
};
void PrintTo(const SeriesCase& c, std::ostream* os) { *os << c.name; }

QString point(const core::demand::DemandPoint& p) { return QString("%1:%2").arg(p.time).arg(p.demand); }

class DemandSeriesTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(DemandSeriesTest, TakesTheFiveNewestYearsCellByCell) {
    const SeriesCase& c = GetParam();
    const auto series = jobs::demandSeries(c.years);
    ASSERT_EQ(series.size(), c.points);
    if (series.empty()) return;
    EXPECT_EQ(point(series.front()), c.first);
    EXPECT_EQ(point(series.back()), c.last);
    for (int time = 1; c.perTime > 0 && time <= 12; ++time)
        EXPECT_EQ(std::count_if(series.begin(), series.end(), [time](const auto& p) { return p.time == time; }),
                  c.perTime);
}

std::vector<SalesYear> sixYears() {
    std::vector<SalesYear> years;
    for (int y = 6; y >= 1; --y)
        years.push_back(fullYear(12, 100 * y));  // the newest sold 600 a month
    return years;
}

std::vector<SalesYear> emptyNewestYear() {
    std::vector<SalesYear> years = sixYears();
    years.front() = SalesYear(12, QVariant(QMetaType(QMetaType::Int)));  // Null cells
    return years;
}

INSTANTIATE_TEST_SUITE_P(
    Years, DemandSeriesTest,
    ::testing::Values(
        SeriesCase{"SixYearsGiveTheFiveNewest", sixYears(), 60, "1:600", "12:200", 5},
        SeriesCase{"AnEmptyNewestYearCounts", emptyNewestYear(), 48, "1:500", "12:200"},
        SeriesCase{"FiveFullYearsGiveSixtyPoints",
                   {fullYear(12, 5), fullYear(12, 4), fullYear(12, 3), fullYear(12, 2), fullYear(12, 1)},
                   60,
                   "1:5",
                   "12:1",
                   5},
        SeriesCase{"WeeksKeepTheirColumnNumber", {year({kNull, 7, QString(), 9}), year({1})}, 3, "2:7", "1:1"},
        SeriesCase{"ZeroIsAValueEmptyAndTextAreNot", {year({0, "12", "abc", "", kNull, 3.5})}, 3, "1:0", "6:3.5"},
        SeriesCase{"NoYearsNoPoints", {}, 0, "", ""},
        SeriesCase{"NoPeriodColumnsNoPoints", {SalesYear(), SalesYear()}, 0, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the item's lines, the model's texts, the figures ----------------------------------

const QString kTreeLines = QStringLiteral(
    "Christmas Tree (ID: TREE)\r\nSingle Period, Time Unit: Month\r\nUnit Cost: 6\r\nHolding Cost: 0.5\r\n"
    "Shortage Cost: 20\r\n");
const QString kCarLines = QStringLiteral(
    "Cars (ID: CAR)\r\ns-S Poclicy, Time Unit: Month\r\nOrder/Setup Cost: 5000\r\nUnit Cost: 14000\r\n"
    "Holding Cost: 60\r\nShortage Cost: 16000\r\n");
const QString kNoSales = QStringLiteral("No sales data available for analyzing.\r\n");
const QString kMissing = QStringLiteral("%1 is null. Enter this cost and revisit the data later.\r\n");
const QString kNoResult = QStringLiteral(
    "Result:\r\nError occured during calculation, so no result was obtained. Revisit this data later.\r\n");

WarehouseItem tree() { return {"TREE", "Christmas Tree", 6.0, "Month", 0.5, 20.0, kNull, 1, kNull, kNull}; }
WarehouseItem car() { return {"CAR", "Cars", 14000.0, "Month", 60.0, 16000.0, 5000.0, 0, kNull, kNull}; }

template <class F>
WarehouseItem with(WarehouseItem item, F change) {
    change(item);
    return item;
}

struct ItemCase {
    const char* name;
    WarehouseItem item;
    std::vector<SalesYear> monthly;
    std::vector<SalesYear> weekly;
    jobs::SinglePeriodRunResult model;  // what the model leaves in S and s
    QString request;                    // the run it was asked for; empty: none
    QString log;
    std::optional<double> orderQty;  // none: the item's row is not written
    std::optional<double> reorderPoint;
    bool currentItem = false;
};
void PrintTo(const ItemCase& c, std::ostream* os) { *os << c.name; }

QString requestText(const ModelRequest& r) {
    if (r.singlePeriod) {
        const auto& t = r.singlePeriodTexts;
        return QStringList{"unif", t.lowerD, t.upperD, t.itemName, t.itemCost, t.holdingCost, t.shortageCost}.join('|');
    }
    const auto& t = r.ssTexts;
    return QStringList{"ss", t.lowerD, t.upperD, t.itemName, t.orderingCost, t.itemCost, t.holdingCost, t.shortageCost}
        .join('|');
}

// What the model leaves in S and s.
jobs::SinglePeriodRunResult ran(const QString& s2, const QString& s1) { return {s2, s1, QString()}; }

class ItemAnalysisTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemAnalysisTest, LogsTheItemAndGivesItsFigures) {
    const ItemCase& c = GetParam();
    QString asked;
    jobs::ItemAnalysisContext context;
    context.currentItem = c.currentItem;
    context.sales = [&c](SalesTable table) -> const std::vector<SalesYear>& {
        return table == SalesTable::Monthly ? c.monthly : c.weekly;
    };
    context.runModel = [&](const ModelRequest& request) {
        asked = requestText(request);
        return c.model;
    };
    QString log = "earlier lines\r\n";
    const std::optional<ItemFigures> figures = jobs::analyzeItem(c.item, context, log);
    EXPECT_EQ(log, "earlier lines\r\n" + c.log);
    EXPECT_EQ(asked, c.request);
    ASSERT_EQ(figures.has_value(), c.orderQty.has_value());
    if (!figures) return;
    EXPECT_NEARLY_EQUAL(figures->orderQty, *c.orderQty);
    ASSERT_EQ(figures->reorderPoint.has_value(), c.reorderPoint.has_value());
    if (c.reorderPoint) {
        EXPECT_NEARLY_EQUAL(*figures->reorderPoint, *c.reorderPoint);
    }
}

const std::vector<SalesYear> kTreeSales{year({500, 1000, 750})};
const std::vector<SalesYear> kCarSales{year({75, 80, 85, 90, 95, 100, 98, 92, 88, 84, 79, 76})};
const QString kTreeRequest = QStringLiteral("unif|500|1000|Christmas Tree|6|0.5|20");
const QString kCarRequest = QStringLiteral("ss|75|100|Cars|5000|14000|60|16000");
const QString kTreeResult = QStringLiteral("Result:\r\n\tOrder  841 at the begining of the period.\r\n");
const QString kCarResult = QStringLiteral(
    "Result:\r\n\tOrder  78 at the begining of the period.\r\n"
    "When onhand quantity is below  74 then place order to replensh inventoey to  78.\r\n");

const QString kOrderCostMissing =
    QStringLiteral("Cars (ID: CAR)\r\nOrder Cost is null. Enter this cost and revisit the data later.\r\n");
QString withLines(QString lines, const char* from, const char* to) { return lines.replace(from, to); }
auto noOrderCost = [](WarehouseItem& i) { i.orderCost = QVariant(); };
auto emptyOrderCost = [](WarehouseItem& i) { i.orderCost = QString(""); };
const std::nullopt_t none = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Items, ItemAnalysisTest, ::testing::Values(
    ItemCase{"SinglePeriodGetsItsOrderQuantityOnly", tree(), kTreeSales, {}, ran(" 841", " 3"), kTreeRequest,
             kTreeLines + kTreeResult, 841, none},
    ItemCase{"SsPolicyGetsSMinusSAndItsReorderPoint", car(), kCarSales, {}, ran(" 78", " 74"), kCarRequest,
             kCarLines + kCarResult, 4, 74},
    ItemCase{"SsPolicyOf52And870", car(), kCarSales, {}, ran(" 870", " 52"), kCarRequest,
             kCarLines + withLines(kCarResult, " 78", " 870").replace(" 74", " 52"), 818, 52},
    ItemCase{"NoResultIsTheFailureLine", car(), kCarSales, {}, ran("", ""), kCarRequest, kCarLines + kNoResult, none,
             none},
    ItemCase{"NullSinglePeriodIsSinglePeriod", with(tree(), [](auto& i) { i.singlePeriod = QVariant(); }), kTreeSales,
             {}, ran(" 841", " 3"), kTreeRequest, kTreeLines + kTreeResult, 841, none},
    ItemCase{"SsWithoutOrderCostIsSkipped", with(car(), noOrderCost), kCarSales, {}, ran(" 78", " 74"), "",
             kOrderCostMissing, none, none},
    ItemCase{"SsWithEmptyOrderCostIsSkipped", with(car(), emptyOrderCost), kCarSales, {}, ran(" 78", " 74"), "",
             kOrderCostMissing, none, none},
    ItemCase{"SinglePeriodWithEmptyOrderCostIsAnalysed", with(tree(), emptyOrderCost), kTreeSales, {},
             ran(" 841", ""), kTreeRequest, kTreeLines + kTreeResult, 841, none},
    ItemCase{"MissingUnitCost", with(tree(), [](auto& i) { i.unitCost = QVariant(); }), kTreeSales, {},
             ran(" 841", ""), "", kTreeLines.section("Unit Cost", 0, 0) + kMissing.arg("Unit Cost"), none, none},
    ItemCase{"MissingHoldingCost", with(car(), [](auto& i) { i.holdingCost = QVariant(); }), kCarSales, {},
             ran(" 78", " 74"), "", kCarLines.section("Holding", 0, 0) + kMissing.arg("Holding Cost"), none, none},
    ItemCase{"MissingShortageCost", with(tree(), [](auto& i) { i.shortageCost = QVariant(); }), kTreeSales, {},
             ran(" 841", ""), "", kTreeLines.section("Shortage", 0, 0) + kMissing.arg("Shortage Cost"), none, none},
    ItemCase{"NoNameNoModelRun", with(tree(), [](auto& i) { i.item = QVariant(); }), kTreeSales, {},
             ran(" 841", ""), "", withLines(kTreeLines, "Christmas Tree (ID", " (ID") + kNoResult, none, none},
    ItemCase{"NoSalesRows", tree(), {}, kTreeSales, ran(" 841", ""), "", kTreeLines + kNoSales, none, none},
    ItemCase{"OnlyEmptyCells", tree(), {year({QVariant(), QString(), QVariant()})}, {}, ran(" 841", ""), "",
             kTreeLines + kNoSales, none, none},
    ItemCase{"NoKeyInTheRunOverAllItems", with(tree(), [](auto& i) { i.itemId = QVariant(); }), kTreeSales, {},
             ran(" 841", ""), "", withLines(kTreeLines, "TREE", "") + kNoSales, none, none},
    ItemCase{"NoKeyForTheCardsItem", with(tree(), [](auto& i) { i.itemId = QString(""); }), kTreeSales, {},
             ran(" 841", ""), "", withLines(kTreeLines, "TREE", "") + "Item data is not valid.\r\n", none, none,
             true},
    ItemCase{"WeeklyItemsReadTheWeeks", with(tree(), [](auto& i) { i.timeUnit = "Week"; }), {}, kTreeSales,
             ran(" 841", ""), kTreeRequest, withLines(kTreeLines, "Month", "Week") + kTreeResult, 841, none},
    ItemCase{"NoTimeUnitIsMonthly", with(tree(), [](auto& i) { i.timeUnit = QVariant(); }), kTreeSales, {},
             ran(" 841", ""), kTreeRequest, withLines(kTreeLines, "Month", "") + kTreeResult, 841, none},
    ItemCase{"AnotherTimeUnitHasNoSales", with(tree(), [](auto& i) { i.timeUnit = "Day"; }), kTreeSales, kTreeSales,
             ran(" 841", ""), "", withLines(kTreeLines, "Month", "Day") + kNoSales, none, none},
    ItemCase{"BoundsAsPlainDecimals", tree(), {year({87.5, 120, 0.5})}, {}, ran(" 841", ""),
             "unif|0.5|120|Christmas Tree|6|0.5|20", kTreeLines + kTreeResult, 841, none},
    ItemCase{"CostsStoredAsTextGoAsTheyStand", with(car(), [](auto& i) { i.unitCost = QString("14000.00"); }),
             kCarSales, {}, ran(" 78", " 74"), "ss|75|100|Cars|5000|14000.00|60|16000",
             withLines(kCarLines, "14000", "14000.00") + kCarResult, 4, 74}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
