// The laid-out page model: the single-period worked examples with each value
// on its caption's line (the purchasing ones are read from the windows' own
// previews), the headers and footers, one detail band per page, texts cut
// to their boxes, and a row that lacks a column the layout shows.
#include <QSqlField>

#include "core/RuntimeError.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayouts.h"
#include "reports/ReportTestSupport.h"
#include "reports/TextFitter.h"
#include "support/PaperRows.h"
#include "support/ReportPageProbe.h"
#include "support/SinglePeriodRows.h"

namespace tervalo::reports::test {

using tervalo::test::valueBeside;

namespace {

struct ExampleCase {
    const char* name;
    LayoutId layout;
    const char* caption;
    int nth;  // which of the captions of that text
    const char* value;
};

void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

}  // namespace

class WorkedExampleTest : public ReportTest, public ::testing::WithParamInterface<ExampleCase> {
protected:
    QList<QSqlRecord> rowsOfExample(LayoutId layout) {
        switch (layout) {
            case LayoutId::SingleP:
                return saved(tervalo::test::christmasTreeRow(kToday));
            case LayoutId::SinglePN:
                return saved(tervalo::test::skisRow(kToday));
            case LayoutId::SS:
                return saved(tervalo::test::carDealerRow(kToday));
            default:
                return {};
        }
    }
};

TEST_P(WorkedExampleTest, ValueStandsOnItsCaptionsLine) {
    const ReportDocument doc = document(GetParam().layout, rowsOfExample(GetParam().layout));
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(valueBeside(doc.pages.first(), GetParam().caption, GetParam().nth).toStdString(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    ChristmasTree, WorkedExampleTest,
    ::testing::Values(ExampleCase{"Item", LayoutId::SingleP, "Item:", 0, "Christmas Tree"},
                      ExampleCase{"Model", LayoutId::SingleP, "Model used:", 0, "Single Period: Uniform Demand"},
                      ExampleCase{"DemandType", LayoutId::SingleP, "Demand Type:", 0, "Uniform"},
                      ExampleCase{"LowerDemand", LayoutId::SingleP, "Demand between:", 0, "500"},
                      ExampleCase{"And", LayoutId::SingleP, "500", 0, "and"},
                      ExampleCase{"UpperDemand", LayoutId::SingleP, "and", 0, "1000"},
                      ExampleCase{"DemandUnit", LayoutId::SingleP, "1000", 0, "Unit"},
                      ExampleCase{"ItemCost", LayoutId::SingleP, "Item Cost:", 0, "$6.00"},
                      ExampleCase{"HoldingCost", LayoutId::SingleP, "Holding Cost:", 0, "$0.50"},
                      ExampleCase{"ShortageCost", LayoutId::SingleP, "Shortage Cost:", 0, "$20.00"},
                      ExampleCase{"OrderLevel", LayoutId::SingleP, "Replenish inventory to", 0, "841"},
                      ExampleCase{"TotalCost", LayoutId::SingleP, "Total Cost:", 0, "$5,609.76"},
                      ExampleCase{"PurchaseCost", LayoutId::SingleP, "consisting of Item Cost:", 0, "$5,048.78"},
                      ExampleCase{"NoOrderingCost", LayoutId::SingleP, "Ordering Cost:", 0, ""},
                      ExampleCase{"HoldingPart", LayoutId::SingleP, "Holding Cost:", 1, "$58.30"},
                      ExampleCase{"ShortagePart", LayoutId::SingleP, "Shortage Cost:", 1, "$502.68"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CarDealer, WorkedExampleTest,
    ::testing::Values(ExampleCase{"Model", LayoutId::SS, "Model used:", 0, "(s,S) Policy: Reorder Point"},
                      ExampleCase{"ItemCost", LayoutId::SS, "Item Cost:", 0, "$14,000.00"},
                      ExampleCase{"SetupCost", LayoutId::SS, "Set up/Ordering Cost:", 0, "$5,000.00"},
                      ExampleCase{"OrderLevel", LayoutId::SS, "Replenish inventory to", 0, "78"},
                      ExampleCase{"ReorderPoint", LayoutId::SS, "Reorder ponit:", 0, "74"},
                      ExampleCase{"ReorderUnit", LayoutId::SS, "74", 0, "Units"},
                      ExampleCase{"TotalCost", LayoutId::SS, "Total Cost:", 0, "$1,251,886.67"},
                      ExampleCase{"PurchaseCost", LayoutId::SS, "consisting of Item Cost:", 0, "$1,098,586.55"},
                      ExampleCase{"OrderingCost", LayoutId::SS, "Ordering Cost:", 0, "$5,000.00"},
                      ExampleCase{"HoldingPart", LayoutId::SS, "Holding Cost:", 1, "$11.63"},
                      ExampleCase{"ShortagePart", LayoutId::SS, "Shortage Cost:", 1, "$153,288.49"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Skis, WorkedExampleTest,
    ::testing::Values(ExampleCase{"DemandType", LayoutId::SinglePN, "Demand Type:", 0, "Normal"},
                      ExampleCase{"Mean", LayoutId::SinglePN, "Mean:", 0, "20"},
                      ExampleCase{"Variance", LayoutId::SinglePN, "Variance:", 0, "25"},
                      ExampleCase{"NegativeHoldingCost", LayoutId::SinglePN, "Holding Cost:", 0, "-$40.00"},
                      ExampleCase{"OrderLevel", LayoutId::SinglePN, "Replenish inventory to", 0, "24"},
                      ExampleCase{"NegativeHoldingPart", LayoutId::SinglePN, "Holding Cost:", 1, "-$171.94"}),
    [](const auto& info) { return std::string(info.param.name); });

class ReportPageTest : public ReportTest {
protected:
    static QStringList texts(const ReportPage& page) {
        QStringList out = page.textList();
        out.removeAll(QString());
        return out;
    }
    static int count(const ReportPage& page, const QString& text) { return int(page.textList().count(text)); }
};

TEST_F(ReportPageTest, FirstPageCarriesTitleDateAndPageNumber) {
    const ReportDocument doc = document(LayoutId::Eoq1, saved(tervalo::test::paperRow(kToday)));
    ASSERT_EQ(doc.pages.size(), 1);
    const QStringList t = texts(doc.pages.first());
    EXPECT_EQ(t.first(), "Inventory Analysis");
    EXPECT_EQ(t.at(1), "Prepared on 12/7/2026");
    EXPECT_EQ(t.last(), "Page 1 of 1");
    EXPECT_EQ(doc.windowCaption, "Inventory Analysis Report - EOQ (Purchasing without shortage)");
    EXPECT_EQ(doc.paperSize, QSizeF(8.5, 11));
}

// "Prepared on" is the day the report is made, not the saved row's day.
TEST_F(ReportPageTest, PreparedOnIsTodayNotTheSavedDay) {
    const ReportDocument doc = document(LayoutId::Eoq1, saved(tervalo::test::paperRow(QDate(2026, 11, 9))));
    clock.setNow(QDateTime(QDate(2027, 1, 5), QTime(8, 0)));
    const ReportDocument later = document(LayoutId::Eoq1, saved(tervalo::test::paperRow(QDate(2026, 11, 9))));
    EXPECT_EQ(valueBeside(later.pages.first(), "Date:", 0), "11/9/2026");
    EXPECT_EQ(later.pages.first().named("lblCaption").first().text, "Prepared on 1/5/2027");
    EXPECT_EQ(doc.pages.first().named("lblCaption").first().text, "Prepared on 12/7/2026");
}

TEST_F(ReportPageTest, TwoRowsPrintOnTwoPagesTitleOnTheFirstOnly) {
    saved(tervalo::test::paperRow(kToday));
    const QList<QSqlRecord> rows = saved(tervalo::test::paperRow(kToday));
    ASSERT_EQ(rows.size(), 2);
    const ReportDocument doc = document(LayoutId::Eoq1, rows);
    ASSERT_EQ(doc.pages.size(), 2);
    EXPECT_EQ(count(doc.pages[0], "Inventory Analysis"), 1);
    EXPECT_EQ(count(doc.pages[1], "Inventory Analysis"), 0);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(count(doc.pages[p], "Prepared on 12/7/2026"), 1);
        EXPECT_EQ(count(doc.pages[p], "Item:"), 1);
        EXPECT_EQ(count(doc.pages[p], "Paper"), 1);
        EXPECT_EQ(count(doc.pages[p], QString("Page %1 of 2").arg(p + 1)), 1);
    }
    // The page header stands at the top margin of the second page.
    EXPECT_DOUBLE_EQ(doc.pages[1].named("lblCaption").first().box.top(), 1.0 + 0.05);
}

TEST_F(ReportPageTest, NoRowsGiveOnePageOfHeaders) {
    const ReportDocument doc = document(LayoutId::Eoq2, {});
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(texts(doc.pages.first()), (QStringList{"Inventory Analysis", "Prepared on 12/7/2026", "Page 1 of 1"}));
    EXPECT_EQ(doc.pages.first().rules.size(), 1);
}

// Rules without rows: under "Prepared on" on every layout, and as the page
// footer of SingleP and s_S.
TEST_F(ReportPageTest, RulesOfEachLayout) {
    const QList<int> expected{1, 1, 1, 1, 2, 1, 2};
    for (int id = 0; id < 7; ++id) {
        const ReportDocument doc = document(LayoutId(id), {});
        const ReportPage& page = doc.pages.first();
        EXPECT_EQ(page.rules.size(), expected.at(id)) << id;
        const PlacedText caption = page.named("lblCaption").first();  // a copy: named() returns a new list
        const QLineF& underCaption = page.rules.first();
        EXPECT_GT(underCaption.y1(), caption.box.bottom()) << id;
        EXPECT_DOUBLE_EQ(underCaption.x1(), 1.0);
        EXPECT_DOUBLE_EQ(underCaption.x2(), 7.0);
    }
}

// The first three lot-size layouts close their detail with a rule; EOQ4 does not.
TEST_F(ReportPageTest, RuleAtTheFootOfTheDetail) {
    const QList<QSqlRecord> rows = saved(tervalo::test::paperWithShortagesRow(kToday));
    EXPECT_EQ(document(LayoutId::Eoq2, rows).pages.first().rules.size(), 2);
    EXPECT_EQ(document(LayoutId::Eoq4, rows).pages.first().rules.size(), 1);
    const ReportPage page = document(LayoutId::Eoq2, rows).pages.first();
    EXPECT_GT(page.rules.last().y1(), page.named("QtyDiscount").first().box.bottom() + 1.2);
}

TEST_F(ReportPageTest, TitleIsCentredOverTheReport) {
    const ReportDocument doc = document(LayoutId::SS, {});
    const ReportPage page = doc.pages.first();
    const PlacedText& title = page.texts.first();
    TextFitter fitter;
    const int font = fitter.fontIndex(doc.fonts.at(title.font));
    const double width = fitter.advance(font, title.text);
    EXPECT_NEAR(title.origin.x() - 1.0, 7.0 - (title.origin.x() + width), 1e-9);
    EXPECT_EQ(doc.fonts.at(title.font), (ReportFont{14.25, true, false}));
}

TEST_F(ReportPageTest, RightAlignedValuesEndAtTheirColumn) {
    const ReportDocument doc = document(LayoutId::Eoq1, saved(tervalo::test::paperRow(kToday)));
    TextFitter fitter;
    for (const char* column : {"ItemCost", "OrderQty", "TotalCost", "TSetupCost"}) {
        const PlacedText t = doc.pages.first().named(column).first();
        const int font = fitter.fontIndex(doc.fonts.at(t.font));
        EXPECT_NEAR(t.origin.x() + fitter.advance(font, t.text), t.box.right(), 1e-9) << column;
    }
}

TEST_F(ReportPageTest, LongNameIsCutToItsBox) {
    data::Eoq1Row row = tervalo::test::paperRow(kToday);
    row.itemName = QString(10000, u'W');
    const ReportDocument doc = document(LayoutId::Eoq1, saved(row));
    const QList<PlacedText> name = doc.pages.first().named("ItemName");
    ASSERT_EQ(name.size(), 1);
    TextFitter fitter;
    const int font = fitter.fontIndex(doc.fonts.at(name.first().font));
    EXPECT_LE(fitter.advance(font, name.first().text), 2.4);
    EXPECT_GT(fitter.advance(font, name.first().text + "W"), 2.4);
    EXPECT_TRUE(name.first().text.startsWith("WWW"));
    // The date beside it is untouched.
    EXPECT_EQ(valueBeside(doc.pages.first(), "Date:", 0), "12/7/2026");
}

TEST_F(ReportPageTest, DiscountDecisionWrapsInsideItsBox) {
    data::Eoq1Repository repo(cnn);
    const QString logId = repo.insert(tervalo::test::paperRow(kToday));
    const QString decision =
        "No, do not accept this offer, because it increases your total cost. In this case,your order quantity is  100 "
        "units,and order interval is  87.5 days.The cost increases to: \r\n\r\nPuchase: $190.00\r\nOrder:   "
        "$10.40\r\nHolding: $55.72\r\nTotal:   $256.12 .";
    repo.updateDiscount(1, logId, "The supplier will give a 5% discount if you order 100.", decision);
    const ReportDocument doc = document(LayoutId::Eoq1, data::ReportRowsRepository(cnn).eoqRows("Paper", kToday, 1));
    const ReportPage& page = doc.pages.first();
    EXPECT_EQ(page.named("QtyDiscount").first().text, "The supplier will give a 5% discount if you order 100.");
    EXPECT_EQ(doc.fonts.at(page.named("QtyDiscount").first().font), (ReportFont{8.25, false, true}));
    QStringList lines;
    for (const PlacedText& t : page.named("QtyDiscount2"))
        lines << t.text;
    ASSERT_GE(lines.size(), 7);
    EXPECT_TRUE(lines.first().startsWith("No, do not accept this offer")) << lines.first().toStdString();
    EXPECT_EQ(lines.mid(lines.size() - 5),
              (QStringList{"", "Puchase: $190.00", "Order:   $10.40", "Holding: $55.72", "Total:   $256.12 ."}));
    // Every line within the box: 1.2 inch under the row of the offer.
    const double boxBottom = page.named("QtyDiscount").first().box.top() + 0.3 + 1.2;
    for (const PlacedText& t : page.named("QtyDiscount2"))
        EXPECT_LE(t.box.bottom(), boxBottom + 1e-9);
}

TEST_F(ReportPageTest, TextTooLongForItsLinesKeepsTheLinesThatFit) {
    data::Eoq1Repository repo(cnn);
    const QString logId = repo.insert(tervalo::test::paperRow(kToday));
    repo.updateDiscount(1, logId, "offer", QString("word ").repeated(2000));
    const ReportDocument doc = document(LayoutId::Eoq1, data::ReportRowsRepository(cnn).eoqRows("Paper", kToday, 1));
    const QList<PlacedText> lines = doc.pages.first().named("QtyDiscount2");
    EXPECT_EQ(lines.size(), 9);  // 1.2 inch of 8.25-point lines
    for (const PlacedText& t : lines)
        EXPECT_TRUE(t.text.startsWith("word word")) << t.text.toStdString();
}

TEST_F(ReportPageTest, RowWithoutAColumnOfTheLayoutIsRefused) {
    QSqlRecord row;
    row.append(QSqlField("ItemName", QMetaType(QMetaType::QString)));
    try {
        document(LayoutId::Eoq1, {row});
        FAIL() << "no error";
    } catch (const core::RuntimeError& e) {
        EXPECT_EQ(e.description(), "Data field not found: Date (DataReportEOQ1, EOQ1_Detail).");
    }
}

// The purchasing layout's shortage columns: an EOQ2 row printed with the
// shortage layout shows them; an EOQ1 row lacks nothing the layout needs.
TEST_F(ReportPageTest, ShortageLayoutShowsTheShortageColumnsOfItsRow) {
    const ReportPage page = document(LayoutId::Eoq2, saved(tervalo::test::paperWithShortagesRow(kToday))).pages.first();
    EXPECT_EQ(page.named("ShortageAllowed").first().text, "3");
    EXPECT_EQ(page.named("TShortageCost").first().text, "$1.73");
    EXPECT_EQ(count(page, "Model used:"), 1);
    EXPECT_EQ(valueBeside(page, "Model used:", 0), "Purchasing: Shortages Allowed");
}

TEST_F(ReportPageTest, ChristmasTreeHasNoReorderPoint) {
    const ReportPage page = document(LayoutId::SingleP, saved(tervalo::test::christmasTreeRow(kToday))).pages.first();
    EXPECT_EQ(count(page, "Reorder ponit:"), 0);
    EXPECT_EQ(count(page, "Set up/Ordering Cost:"), 0);
    EXPECT_EQ(page.named("TSetupCost").first().text, "");
    EXPECT_EQ(page.rules.size(), 2);  // under the page header and the page footer
}

}  // namespace tervalo::reports::test
