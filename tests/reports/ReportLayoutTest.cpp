// The seven layouts as data: window captions, band names, every detail
// caption word for word in its order, the fields with their formats and
// alignment, the column positions, the page header and the footers.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "reports/ReportLayouts.h"

using namespace tervalo::reports;

namespace {

// A field as "Column" (left, as stored), "Column>" (right, as stored),
// "Column$" (money, right) or "Column@" (a date, left).
QString encoded(const ReportControl& c) {
    QString suffix;
    if (c.format == FieldFormat::Money) suffix = "$";
    if (c.format == FieldFormat::Date) suffix = "@";
    if (c.format == FieldFormat::Stored && (c.alignment & Qt::AlignRight)) suffix = ">";
    return c.field + suffix;
}

QStringList captions(const ReportBand& band) {
    QStringList out;
    for (const ReportControl& c : band.controls)
        if (c.kind == ControlKind::Label) out << c.caption;
    return out;
}

QStringList fields(const ReportBand& band) {
    QStringList out;
    for (const ReportControl& c : band.controls)
        if (c.kind == ControlKind::Field) out << encoded(c);
    return out;
}

QString footer(const ReportLayout& layout) {
    const QList<ReportControl>& controls = layout.band(BandKind::PageFooter).controls;
    if (controls.isEmpty()) return "empty";
    return controls.first().kind == ControlKind::PageNumber ? "page number" : "rule";
}

struct LayoutCase {
    const char* name;
    LayoutId id;
    const char* windowCaption;
    const char* detailBand;
    const char* footer;
    QStringList captions;
    QStringList fields;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

const QStringList kEoqTop{"Item:",           "Date:",      "Time Unit:", "Model used:",   "Data used:",     "Demand:",
                          "units/Time Unit", "Item Cost:", "/Unit",      "Holding Cost:", "/Unit/Time Unit"};
const QStringList kShortageCost{"Shortage Cost:", "/Unit"};
const QString kAnalysis = "Inventory Analysis";

QStringList eoqCaptions(bool shortages, bool production) {
    QStringList c = kEoqTop;
    if (shortages) c << kShortageCost;
    c << "Setup Cost:"
      << "Results:" << (production ? "Quantity to produce:" : "Quantity to order/produce:") << "Units"
      << (production ? "Production Interval:" : "Order Interval:") << "days";
    if (shortages)
        c << "Shortage Allowed:"
          << "Units";
    c << "Total Cost:"
      << "consisting of Item Cost:"
      << "Ordering Cost:"
      << "Holding Cost:";
    if (shortages) c << "Shortage Cost:";
    return c;
}

QStringList eoqFields(bool shortages, bool discount) {
    QStringList f{"ItemName", "Date@", "TimeUnit", "ModelName", "Demand>", "ItemCost$", "HoldingCost$"};
    if (shortages) f << "ShortageCost$";
    f << "SetupCost$"
      << "OrderQty>"
      << "OrderInterval>";
    if (shortages) f << "ShortageAllowed>";
    f << "TotalCost$"
      << "TItemCost$"
      << "TSetupCost$"
      << "THoldingCost$";
    if (shortages) f << "TShortageCost$";
    if (discount)
        f << "QtyDiscount"
          << "QtyDiscount2";
    return f;
}

const QStringList kSingleTop{"Item:", "Date:", "Model used:", "Data used:", "Demand Type:"};
const QStringList kSingleCosts{"Item Cost:", "/Unit", "Holding Cost:", "/Unit", "Shortage Cost:", "/Unit"};
const QStringList kSingleBreakdown{
    "Total Cost:", "consisting of Item Cost:", "Ordering Cost:", "Holding Cost:", "Shortage Cost:"};
const QStringList kSingleBreakdownFields{"TotalCost$", "TItemCost$", "TSetupCost$", "THoldingCost$", "TShortageCost$"};

class ReportLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    const ReportLayout& layout() const { return reportLayout(GetParam().id); }
};

TEST_P(ReportLayoutTest, WindowCaptionAndBandsInOrder) {
    EXPECT_EQ(layout().windowCaption.toStdString(), GetParam().windowCaption);
    QStringList names;
    for (const ReportBand& b : layout().bands)
        names << b.name;
    EXPECT_EQ(names, (QStringList{"ReportHeader", "PageHeader", GetParam().detailBand, "PageFooter", "ReportFooter"}));
    EXPECT_TRUE(layout().band(BandKind::ReportFooter).controls.isEmpty());
    EXPECT_EQ(layout().margin, 1.0);
}

TEST_P(ReportLayoutTest, DetailCaptionsWordForWord) {
    EXPECT_EQ(captions(layout().band(BandKind::Detail)), GetParam().captions);
}

TEST_P(ReportLayoutTest, DetailFieldsWithFormatAndAlignment) {
    EXPECT_EQ(fields(layout().band(BandKind::Detail)), GetParam().fields);
}

TEST_P(ReportLayoutTest, PageFooter) { EXPECT_EQ(footer(layout()).toStdString(), GetParam().footer); }

TEST_P(ReportLayoutTest, TitleFourteenPointBoldCentred) {
    const ReportControl& title = layout().band(BandKind::ReportHeader).controls.at(0);
    EXPECT_EQ(title.caption, kAnalysis);
    EXPECT_EQ(title.font, (ReportFont{14.25, true, false}));
    EXPECT_EQ(title.alignment, Qt::AlignHCenter);
    EXPECT_EQ(title.box.width(), layout().width);
}

TEST_P(ReportLayoutTest, PageHeaderCaptionAndTheRuleUnderIt) {
    const QList<ReportControl>& header = layout().band(BandKind::PageHeader).controls;
    ASSERT_EQ(header.size(), 2);
    EXPECT_EQ(header.at(0).name, "lblCaption");
    EXPECT_EQ(header.at(0).kind, ControlKind::Label);
    EXPECT_EQ(header.at(0).font, (ReportFont{8.25, false, false}));
    EXPECT_EQ(header.at(0).alignment, Qt::AlignHCenter);
    EXPECT_EQ(header.at(1).kind, ControlKind::Rule);
    EXPECT_GT(header.at(1).box.top(), header.at(0).box.bottom());
    EXPECT_EQ(header.at(1).box.width(), layout().width);
}

// Captions italic, the headings bold italic, values in the default font.
TEST_P(ReportLayoutTest, CaptionFonts) {
    const QStringList headings{"Item:", "Date:", "Data used:", "Results:"};
    for (const ReportControl& c : layout().band(BandKind::Detail).controls) {
        if (c.kind == ControlKind::Label) {
            EXPECT_EQ(c.font, (ReportFont{8.25, headings.contains(c.caption), true})) << c.caption.toStdString();
        } else if (c.kind == ControlKind::Field && c.field != "QtyDiscount") {
            EXPECT_EQ(c.font, (ReportFont{8.25, false, false})) << c.field.toStdString();
        }
    }
}

// Rows 0.3 inch apart: every caption and value starts on a row.
TEST_P(ReportLayoutTest, RowsAreThreeTenthsOfAnInchApart) {
    for (const ReportControl& c : layout().band(BandKind::Detail).controls) {
        if (c.kind == ControlKind::Rule) continue;
        const double rows = (c.box.top() - 0.1) / 0.3;
        EXPECT_NEAR(rows, std::round(rows), 1e-9) << c.caption.toStdString() << c.field.toStdString();
    }
}

// One detail band per Letter page under the headers.
TEST_P(ReportLayoutTest, DetailFitsOnePage) {
    double height = 0;
    for (const ReportBand& b : layout().bands)
        height += b.height;
    EXPECT_LE(height, 11.0 - 2 * layout().margin);
    for (const ReportControl& c : layout().band(BandKind::Detail).controls)
        EXPECT_LE(c.box.bottom(), layout().band(BandKind::Detail).height);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReportLayoutTest,
    ::testing::Values(
        LayoutCase{"EOQ1", LayoutId::Eoq1, "Inventory Analysis Report - EOQ (Purchasing without shortage)",
                   "EOQ1_Detail", "page number", eoqCaptions(false, false), eoqFields(false, true)},
        LayoutCase{"EOQ2", LayoutId::Eoq2, "Inventory Analysis", "EOQ2_Detail", "page number", eoqCaptions(true, false),
                   eoqFields(true, true)},
        LayoutCase{"EOQ3", LayoutId::Eoq3, "Inventory Analysis", "EOQ3_Detail", "empty", eoqCaptions(false, true),
                   eoqFields(false, false)},
        LayoutCase{"EOQ4", LayoutId::Eoq4, "Inventory Analysis", "EOQ4_Detail", "empty", eoqCaptions(true, true),
                   eoqFields(true, false)},
        LayoutCase{"SingleP", LayoutId::SingleP, "Inventory Analysis", "SingleP_Detail", "rule",
                   kSingleTop + QStringList{"Demand between:", "and", "Unit"} + kSingleCosts +
                       QStringList{"Results:", "Replenish inventory to", "Units"} + kSingleBreakdown,
                   QStringList{"ItemName", "Date@", "ModelName", "Desc>", "LDemand", "UDemand", "ItemCost$",
                               "HoldingCost$", "ShortageCost$", "OrderQty>"} +
                       kSingleBreakdownFields},
        LayoutCase{"SinglePN", LayoutId::SinglePN, "Inventory Analysis", "SingleP_Detail", "empty",
                   kSingleTop + QStringList{"Mean:", "Variance:"} + kSingleCosts +
                       QStringList{"Results:", "Replenish inventory to", "Units"} + kSingleBreakdown,
                   QStringList{"ItemName", "Date@", "ModelName", "Desc>", "MeanDemand", "VDemand", "ItemCost$",
                               "HoldingCost$", "ShortageCost$", "OrderQty>"} +
                       kSingleBreakdownFields},
        LayoutCase{"s_S", LayoutId::SS, "Inventory Analysis", "SingleP_Detail", "rule",
                   kSingleTop + QStringList{"Demand between:", "and", "Unit"} + kSingleCosts +
                       QStringList{"Set up/Ordering Cost:", "Results:", "Replenish inventory to", "Units",
                                   "Reorder ponit:", "Units"} +
                       kSingleBreakdown,
                   QStringList{"ItemName", "Date@", "ModelName", "Desc>", "LDemand", "UDemand", "ItemCost$",
                               "HoldingCost$", "ShortageCost$", "SetupCost$", "OrderQty>", "ReorderPoint>"} +
                       kSingleBreakdownFields}),
    [](const auto& info) { return std::string(info.param.name); });

// Column positions, inches from the left margin: the first layout at its own,
// the other lot-size layouts 0.1 inch and the single-period ones 0.2 inch right.
struct PositionCase {
    const char* name;
    LayoutId id;
    const char* control;  // a field's column or a label's caption
    double left;
    double width;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class ReportColumnTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(ReportColumnTest, StandsAtItsColumn) {
    const PositionCase& p = GetParam();
    const ReportControl* found = nullptr;
    for (const ReportControl& c : reportLayout(p.id).band(BandKind::Detail).controls) {
        if (c.field == p.control || (c.kind == ControlKind::Label && c.caption == p.control)) {
            found = &c;
            break;
        }
    }
    ASSERT_NE(found, nullptr);
    EXPECT_NEAR(found->box.left(), p.left, 1e-9);
    EXPECT_NEAR(found->box.width(), p.width, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Columns, ReportColumnTest,
                         ::testing::Values(PositionCase{"Eoq1ItemCaption", LayoutId::Eoq1, "Item:", 0.5, 0.5},
                                           PositionCase{"Eoq1Item", LayoutId::Eoq1, "ItemName", 1.0, 2.4},
                                           PositionCase{"Eoq1Date", LayoutId::Eoq1, "Date", 4.5, 1.0},
                                           PositionCase{"Eoq1TimeUnit", LayoutId::Eoq1, "TimeUnit", 1.7, 0.8},
                                           PositionCase{"Eoq1Model", LayoutId::Eoq1, "ModelName", 3.3, 2.1},
                                           PositionCase{"Eoq1Input", LayoutId::Eoq1, "ItemCost", 2.7, 0.7},
                                           PositionCase{"Eoq1Result", LayoutId::Eoq1, "OrderQty", 2.6, 0.8},
                                           PositionCase{"Eoq1Unit", LayoutId::Eoq1, "units/Time Unit", 3.5, 1.1},
                                           PositionCase{"Eoq1Ordering", LayoutId::Eoq1, "TSetupCost", 4.8, 0.8},
                                           PositionCase{"Eoq1Discount", LayoutId::Eoq1, "QtyDiscount", 1.0, 4.2},
                                           PositionCase{"Eoq2Item", LayoutId::Eoq2, "ItemName", 1.1, 2.4},
                                           PositionCase{"Eoq4Result", LayoutId::Eoq4, "OrderQty", 2.7, 0.8},
                                           PositionCase{"SinglePItem", LayoutId::SingleP, "ItemName", 1.2, 2.4},
                                           PositionCase{"SinglePModel", LayoutId::SingleP, "ModelName", 2.0, 3.6},
                                           PositionCase{"SSReorderPoint", LayoutId::SS, "ReorderPoint", 2.8, 0.8}),
                         [](const auto& info) { return std::string(info.param.name); });

// The indented "Holding Cost:" starts 0.7 inch right of the caption column.
TEST(ReportLayout, IndentedHoldingCostSitsUnderTheWordsAfterConsistingOf) {
    for (int id = 0; id < 7; ++id) {
        const ReportBand& detail = reportLayout(LayoutId(id)).band(BandKind::Detail);
        double consisting = -1, indented = -1;
        for (const ReportControl& c : detail.controls) {
            if (c.caption == "consisting of Item Cost:") consisting = c.box.left();
            if (c.caption == "Holding Cost:") indented = c.box.left();  // the last one
        }
        EXPECT_NEAR(indented - consisting, 0.7, 1e-9) << id;
    }
}

}  // namespace
