// Each layout printed to PDF and read back with pdftotext: its captions, its
// values, one detail band per page.
#include "reports/ReportLayouts.h"
#include "reports/ReportTestSupport.h"
#include "support/PaperRows.h"
#include "support/SinglePeriodRows.h"

namespace tervalo::reports::test {

namespace {

struct PdfCase {
    const char* name;
    LayoutId layout;
    QStringList values;  // beside the layout's captions
};

void PrintTo(const PdfCase& c, std::ostream* os) { *os << c.name; }

QStringList detailCaptions(LayoutId id) {
    QStringList out;
    for (const ReportControl& c : reportLayout(id).band(BandKind::Detail).controls)
        if (c.kind == ControlKind::Label) out << c.caption;
    return out;
}

}  // namespace

class ReportPdfTest : public ReportTest, public ::testing::WithParamInterface<PdfCase> {
protected:
    // The layout's worked example, saved `times` times.
    QList<QSqlRecord> example(int times) {
        QList<QSqlRecord> rows;
        for (int i = 0; i < times; ++i) {
            switch (GetParam().layout) {
                case LayoutId::Eoq1:
                    rows = saved(tervalo::test::paperRow(kToday));
                    break;
                case LayoutId::Eoq2:
                    rows = saved(tervalo::test::paperWithShortagesRow(kToday));
                    break;
                case LayoutId::Eoq3: {
                    data::Eoq1Row row = tervalo::test::paperRow(kToday);
                    row.modelId = 3;
                    rows = saved(row);
                    break;
                }
                case LayoutId::Eoq4: {
                    data::Eoq1Row row = tervalo::test::paperWithShortagesRow(kToday);
                    row.modelId = 4;
                    rows = saved(row);
                    break;
                }
                case LayoutId::SingleP:
                    rows << saved(tervalo::test::christmasTreeRow(kToday));
                    break;
                case LayoutId::SinglePN:
                    rows << saved(tervalo::test::skisRow(kToday));
                    break;
                case LayoutId::SS:
                    rows << saved(tervalo::test::carDealerRow(kToday));
                    break;
            }
        }
        return rows;
    }
};

TEST_P(ReportPdfTest, PrintsEveryCaptionAndValue) {
    const PdfText pdf = printedText(document(GetParam().layout, example(1)));
    EXPECT_EQ(pdf.pages, 1);
    for (const QString& caption : detailCaptions(GetParam().layout) + GetParam().values)
        EXPECT_TRUE(pdf.text.contains(caption)) << caption.toStdString() << "\n" << pdf.text.toStdString();
    EXPECT_TRUE(pdf.text.contains("Inventory Analysis"));
    EXPECT_TRUE(pdf.text.contains("Prepared on 12/7/2026"));
}

TEST_P(ReportPdfTest, TwoRowsPrintOnTwoPages) {
    const PdfText pdf = printedText(document(GetParam().layout, example(2)));
    EXPECT_EQ(pdf.pages, 2);
    const QStringList pages = pdf.text.split(u'\f');
    EXPECT_EQ(pages.at(0).count("Item:"), 1);
    EXPECT_EQ(pages.at(1).count("Item:"), 1);
    EXPECT_EQ(pages.at(0).count("Inventory Analysis"), 1);
    EXPECT_EQ(pages.at(1).count("Inventory Analysis"), 0);
    EXPECT_EQ(pages.at(1).count("Prepared on 12/7/2026"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReportPdfTest,
    ::testing::Values(PdfCase{"EOQ1", LayoutId::Eoq1, {"Paper", "12/7/2026", "$249.39", "$24.70", "Page 1 of 1"}},
                      PdfCase{"EOQ2", LayoutId::Eoq2, {"$15.00", "$247.57", "$1.73", "Page 1 of 1"}},
                      PdfCase{"EOQ3", LayoutId::Eoq3, {"Manufacturing: No Shortages", "$249.39"}},
                      PdfCase{"EOQ4", LayoutId::Eoq4, {"Manufacturing: Shortages Allowed", "$22.06"}},
                      PdfCase{"SingleP", LayoutId::SingleP, {"Christmas Tree", "$5,048.78", "$502.68"}},
                      PdfCase{"SinglePN", LayoutId::SinglePN, {"Skis", "-$40.00", "-$171.94"}},
                      PdfCase{"s_S", LayoutId::SS, {"Cars", "$1,098,586.55", "$1,251,886.67"}}),
    [](const auto& info) { return std::string(info.param.name); });

// pdftotext -layout keeps a caption and its value on one line.
TEST_F(ReportTest, PrintedValuesShareTheirCaptionsLine) {
    const PdfText pdf = printedText(document(LayoutId::Eoq1, saved(tervalo::test::paperRow(kToday))));
    QStringList lines = pdf.text.split(u'\n');
    for (QString& l : lines)
        l = l.simplified();
    EXPECT_TRUE(lines.contains("Item: Paper Date: 12/7/2026"));
    EXPECT_TRUE(lines.contains("Item Cost: $25.00 /Unit"));
    EXPECT_TRUE(lines.contains("consisting of Item Cost: $200.00 Ordering Cost: $24.70"));
    EXPECT_TRUE(lines.contains("Holding Cost: $24.70"));
    EXPECT_TRUE(lines.contains("Page 1 of 1"));
}

}  // namespace tervalo::reports::test
