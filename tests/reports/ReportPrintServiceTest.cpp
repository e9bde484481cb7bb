// The model windows' Print: each request runs its own bound query (the item as
// typed, the day as ISO text, the model or the saved LogID), the rows' own
// model picks the layout, one preview per layout shows the latest request, and
// what cannot be queried, built or printed is reported once.
#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QSqlField>
#include <QTest>

#include "core/RuntimeError.h"
#include "reports/ReportPreviewDialog.h"
#include "reports/ReportTestSupport.h"
#include "support/PaperRows.h"
#include "support/SinglePeriodRows.h"

namespace tervalo::reports::test {

namespace {

QStringList previewTitles() {
    QStringList out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<ReportPreviewDialog*>(w); d && d->isVisible()) out << d->windowTitle();
    return out;
}

template <typename F>
core::RuntimeError errorOf(F step) {
    try {
        step();
    } catch (const core::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no run-time error";
    return core::RuntimeError(core::ErrorCode::Other, "");
}

// Prints to a PDF file instead of asking; "cancel" answers the dialog with Cancel.
class PdfOutput : public PaintedReportOutput {
public:
    using PaintedReportOutput::PaintedReportOutput;
    QString file;
    bool cancel = false;
    int asked = 0;

protected:
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return !cancel;
    }
};

}  // namespace

class ReportPrintServiceTest : public ReportTest {
protected:
    const ReportDocument& shown(LayoutId layout) {
        ReportPreviewDialog* preview = output.openPreview(layout);
        EXPECT_NE(preview, nullptr);
        static const ReportDocument none;
        return preview ? preview->document() : none;
    }
    QStringList shownTexts(LayoutId layout) {
        QStringList out;
        for (const ReportPage& p : shown(layout).pages)
            out << p.textList();
        return out;
    }
    QWidget owner;
};

TEST_F(ReportPrintServiceTest, PreviewIsModelessTitledAndPainted) {
    data::Eoq1Repository(cnn).insert(tervalo::test::paperRow(kToday));
    service.previewEoq(&owner, 1, "Paper", kToday);
    ReportPreviewDialog* preview = output.openPreview(LayoutId::Eoq1);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(preview->isModal());
    EXPECT_EQ(preview->windowTitle(), "Inventory Analysis Report - EOQ (Purchasing without shortage)");
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->pagesPainted() == 1; }));
    EXPECT_TRUE(notifier.messages.isEmpty());
}

// A second Print while the first preview is open shows the rows asked for now.
TEST_F(ReportPrintServiceTest, PrintWhileThePreviewIsOpenShowsTheNewItem) {
    data::Eoq1Repository repo(cnn);
    repo.insert(tervalo::test::paperRow(kToday));
    repo.insert(tervalo::test::paperRow(kToday, "Pens"));
    service.previewEoq(&owner, 1, "Paper", kToday);
    QPointer<ReportPreviewDialog> first = output.openPreview(LayoutId::Eoq1);
    EXPECT_TRUE(shownTexts(LayoutId::Eoq1).contains("Paper"));

    service.previewEoq(&owner, 1, "Pens", kToday);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shownTexts(LayoutId::Eoq1).contains("Pens"));
    EXPECT_FALSE(shownTexts(LayoutId::Eoq1).contains("Paper"));
    EXPECT_TRUE(first.isNull());  // the layout's one preview now shows Pens
    EXPECT_EQ(previewTitles().size(), 1);
}

TEST_F(ReportPrintServiceTest, ItemNameWithQuotesIsBound) {
    data::Eoq1Repository(cnn).insert(tervalo::test::paperRow(kToday, "O'Brien's paper"));
    service.previewEoq(&owner, 1, "O'Brien's paper", kToday);
    EXPECT_TRUE(shownTexts(LayoutId::Eoq1).contains("O'Brien's paper"));
    EXPECT_EQ(shown(LayoutId::Eoq1).pages.size(), 1);
}

TEST_F(ReportPrintServiceTest, OnlyTheRowsOfThatDayAndModel) {
    // Demo.mdb holds Paper of 9 November 2026 under models 1 and 2.
    data::Eoq1Repository(cnn).insert(tervalo::test::paperRow(kToday));
    service.previewEoq(&owner, 1, "Paper", QDate(2026, 11, 9));
    EXPECT_EQ(shown(LayoutId::Eoq1).pages.size(), 1);
    EXPECT_TRUE(shownTexts(LayoutId::Eoq1).contains("11/9/2026"));
    EXPECT_TRUE(shownTexts(LayoutId::Eoq1).contains("Purchasing: No Shortages"));
    service.previewEoq(&owner, 2, "Paper", QDate(2026, 11, 9));
    EXPECT_TRUE(shownTexts(LayoutId::Eoq2).contains("Purchasing: Shortages Allowed"));
    EXPECT_EQ(shown(LayoutId::Eoq2).pages.size(), 1);
}

TEST_F(ReportPrintServiceTest, EachModelHasItsLayout) {
    const QList<std::pair<int, LayoutId>> models{{1, LayoutId::Eoq1}, {2, LayoutId::Eoq2},    {3, LayoutId::Eoq3},
                                                 {4, LayoutId::Eoq4}, {7, LayoutId::SingleP}, {8, LayoutId::SinglePN},
                                                 {10, LayoutId::SS}};
    for (const auto& [model, layout] : models)
        EXPECT_EQ(ReportPrintService::layoutOfModel(model), layout) << model;
    for (int model : {0, 5, 6, 9, 11})
        EXPECT_FALSE(ReportPrintService::layoutOfModel(model)) << model;
}

// Each lot-size model prints its saved row with the model's own layout.
TEST_F(ReportPrintServiceTest, EachLotSizeModelPrintsItsRow) {
    for (int model = 1; model <= 4; ++model) {
        data::Eoq1Row row = tervalo::test::paperRow(kToday);
        row.modelId = model;
        data::Eoq1Repository(cnn).insert(row);
        service.previewEoq(&owner, model, "Paper", kToday);
        EXPECT_EQ(shown(*ReportPrintService::layoutOfModel(model)).pages.size(), 1) << model;
    }
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(ReportPrintServiceTest, LotSizePrintOfAnotherModelIsRefused) {
    EXPECT_EQ(errorOf([&] { service.previewEoq(&owner, 7, "Paper", kToday); }).description(),
              "Invalid procedure call or argument");
    EXPECT_TRUE(previewTitles().isEmpty());
}

struct SinglePeriodCase {
    const char* name;
    data::SsRow (*row)(const QDate&);
    LayoutId layout;
    const char* item;
};

void PrintTo(const SinglePeriodCase& c, std::ostream* os) { *os << c.name; }

class SinglePeriodPrintTest : public ReportPrintServiceTest, public ::testing::WithParamInterface<SinglePeriodCase> {};

TEST_P(SinglePeriodPrintTest, RowsModelPicksTheLayout) {
    const data::SsRow row = GetParam().row(kToday);
    const int logId = data::SsRepository(cnn).insert(row).toInt();
    service.previewSinglePeriod(&owner, logId, row.itemName, kToday);
    for (int id = 0; id < 7; ++id)
        EXPECT_EQ(output.openPreview(LayoutId(id)) != nullptr, LayoutId(id) == GetParam().layout) << id;
    EXPECT_TRUE(shownTexts(GetParam().layout).contains(GetParam().item));
    EXPECT_EQ(shown(GetParam().layout).windowCaption, "Inventory Analysis");
}

INSTANTIATE_TEST_SUITE_P(
    Models, SinglePeriodPrintTest,
    ::testing::Values(SinglePeriodCase{"UniformSinglePeriod", tervalo::test::christmasTreeRow, LayoutId::SingleP,
                                       "Christmas Tree"},
                      SinglePeriodCase{"NormalSinglePeriod", tervalo::test::skisRow, LayoutId::SinglePN, "Skis"},
                      SinglePeriodCase{"Policy", tervalo::test::carDealerRow, LayoutId::SS, "Cars"}),
    [](const auto& info) { return std::string(info.param.name); });

// A print of another kind never lands in the open preview of the first.
TEST_F(ReportPrintServiceTest, PolicyPrintLeavesTheSinglePeriodPreviewAlone) {
    data::SsRepository repo(cnn);
    const int tree = repo.insert(tervalo::test::christmasTreeRow(kToday)).toInt();
    const int cars = repo.insert(tervalo::test::carDealerRow(kToday)).toInt();
    service.previewSinglePeriod(&owner, tree, "Christmas Tree", kToday);
    service.previewSinglePeriod(&owner, cars, "Cars", kToday);
    EXPECT_TRUE(shownTexts(LayoutId::SingleP).contains("Christmas Tree"));
    EXPECT_FALSE(shownTexts(LayoutId::SingleP).contains("Cars"));
    EXPECT_TRUE(shownTexts(LayoutId::SS).contains("Cars"));
    EXPECT_TRUE(shownTexts(LayoutId::SS).contains("Reorder ponit:"));
}

TEST_F(ReportPrintServiceTest, SinglePeriodRowOfAnotherDayOrItemIsNotPrinted) {
    const int logId = data::SsRepository(cnn).insert(tervalo::test::christmasTreeRow(kToday)).toInt();
    const std::string missing =
        "The result saved by this calculation was not found for today's date, so there is nothing to print. "
        "Calculate again to print it.";
    EXPECT_EQ(
        errorOf([&] { service.previewSinglePeriod(&owner, logId, "Christmas Tree", kToday.addDays(1)); }).description(),
        missing);
    EXPECT_EQ(errorOf([&] { service.previewSinglePeriod(&owner, logId, "Skis", kToday); }).description(), missing);
    EXPECT_EQ(errorOf([&] { service.previewSinglePeriod(&owner, logId + 1, "Christmas Tree", kToday); }).description(),
              missing);
    EXPECT_TRUE(previewTitles().isEmpty());
}

TEST_F(ReportPrintServiceTest, FailingQueryRaisesAndShowsNothing) {
    cnn.execute("DROP TABLE Models");
    const core::RuntimeError e = errorOf([&] { service.previewEoq(&owner, 1, "Paper", kToday); });
    EXPECT_EQ(e.code(), core::ErrorCode::Database);
    EXPECT_EQ(e.description(), "no such table: Models");
    EXPECT_TRUE(previewTitles().isEmpty());
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(ReportPrintServiceTest, ClosedConnectionRaises) {
    cnn.close();
    EXPECT_EQ(errorOf([&] { service.previewSinglePeriod(&owner, 1, "Skis", kToday); }).description(),
              "Operation is not allowed when the object is closed.");
}

// A report that cannot be made: one box, the description, no icon, the
// program's title; no preview.
TEST_F(ReportPrintServiceTest, ReportThatCannotBeBuiltShowsOneBox) {
    QSqlRecord row;
    row.append(QSqlField("ItemName", QMetaType(QMetaType::QString)));
    output.preview(&owner, LayoutId::SS, {row});
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.last().text, "Data field not found: Date (DataReport_s_S, SingleP_Detail).");
    EXPECT_EQ(notifier.last().title, "Tervalo");
    EXPECT_EQ(notifier.last().icon, platform::MsgIcon::None);
    EXPECT_EQ(notifier.last().buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(output.openPreview(LayoutId::SS), nullptr);
    EXPECT_TRUE(previewTitles().isEmpty());
}

class ReportPrintTest : public ReportTest {
protected:
    QTemporaryDir dir;
    PdfOutput pdf{notifier, clock};
};

TEST_F(ReportPrintTest, PrintPaintsOnThePrinterChosen) {
    pdf.file = dir.filePath("print.pdf");
    pdf.print(nullptr, LayoutId::Eoq2, saved(tervalo::test::paperWithShortagesRow(kToday)));
    EXPECT_EQ(pdf.asked, 1);
    QProcess tool;
    tool.start("pdftotext", {"-layout", pdf.file, "-"});
    tool.waitForFinished(30000);
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Shortage Allowed:")) << text.toStdString();
    EXPECT_TRUE(text.contains("$247.57"));
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(ReportPrintTest, CancelledPrintDialogPrintsNothing) {
    pdf.file = dir.filePath("cancelled.pdf");
    pdf.cancel = true;
    pdf.print(nullptr, LayoutId::Eoq1, saved(tervalo::test::paperRow(kToday)));
    EXPECT_EQ(pdf.asked, 1);
    EXPECT_FALSE(QFile::exists(pdf.file));
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(ReportPrintTest, PrinterThatCannotStartShowsOneBox) {
    pdf.file = dir.filePath("no/such/folder/print.pdf");
    pdf.print(nullptr, LayoutId::Eoq1, saved(tervalo::test::paperRow(kToday)));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.last().text, "The printer could not be started, so the report was not printed.");
    EXPECT_EQ(notifier.last().title, "Tervalo");
    EXPECT_EQ(notifier.last().icon, platform::MsgIcon::None);
}

TEST_F(ReportPrintTest, ReportThatCannotBeBuiltIsNotOfferedToThePrinter) {
    pdf.file = dir.filePath("never.pdf");
    pdf.print(nullptr, LayoutId::Eoq1, {QSqlRecord()});
    EXPECT_EQ(pdf.asked, 0);
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.last().text, "Data field not found: ItemName (DataReportEOQ1, EOQ1_Detail).");
}

}  // namespace tervalo::reports::test
