// The stand-in preview of saved lot-size results: its lines, its pages, and the
// modeless preview opened from the print query.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>

#include "data/Connection.h"
#include "data/Eoq1Repository.h"
#include "platform/EoqReportPreviewService.h"
#include "support/FakeClock.h"
#include "support/PaperRows.h"
#include "support/TestEnvironment.h"

using tervalo::data::Eoq1Row;
using tervalo::platform::EoqReportPreviewService;

namespace {

// Saved on 7 December 2026, under a model name of the report's own.
Eoq1Row paperWithShortages() {
    Eoq1Row row = tervalo::test::paperWithShortagesRow(QDate(2026, 12, 7));
    row.modelName = "Purchasing, shortages allowed";
    return row;
}

QList<QPrintPreviewDialog*> openPreviews() {
    QList<QPrintPreviewDialog*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(w); dialog && dialog->isVisible()) out << dialog;
    return out;
}

}  // namespace

TEST(EoqReportPreviewLines, ShortageRowListsEveryFieldWithCostsInTwoDecimals) {
    const QStringList lines = EoqReportPreviewService::reportLines({paperWithShortages()}, QDate(2026, 12, 8));
    const QStringList expected{
        "Prepared on 2026-12-08",
        "Purchasing, shortages allowed",
        "",
        "2026-12-07  Paper  (per Week)",
        "    Demand:\t8",
        "    Item cost:\t25",
        "    Holding cost:\t1.173",
        "    Shortage cost:\t15",
        "    Setup cost:\t130",
        "    Order quantity:\t 44",
        "    Order interval:\t 38",
        "    Shortage allowed:\t 3",
        "    Purchase/production:\t200.00",
        "    Ordering/setup:\t23.78",
        "    Holding:\t22.06",
        "    Shortage:\t1.73",
        "    Total cost:\t247.57",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(EoqReportPreviewLines, RowWithoutShortagesLeavesTheShortageLinesOut) {
    Eoq1Row row = paperWithShortages();
    row.shortageCost.reset();
    row.shortageAllowed.reset();
    row.tShortageCost.reset();
    row.tSetupCost = 0.5;
    const QStringList lines = EoqReportPreviewService::reportLines({row, row}, QDate(2026, 12, 8));
    EXPECT_EQ(lines.size(), 3 + 2 * 12);
    EXPECT_FALSE(lines.join('\n').contains("Shortage"));
    EXPECT_EQ(lines.count("    Ordering/setup:\t.50"), 2);
}

TEST(EoqReportPreviewLines, NoRowsSayNoSavedResults) {
    EXPECT_EQ(EoqReportPreviewService::reportLines({}, QDate(2026, 1, 2)),
              (QStringList{"Prepared on 2026-01-02", "", "No saved results."}));
}

TEST(EoqReportPreviewPaint, ManyRowsRunOntoSeveralPages) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    {
        QPdfWriter writer(path);
        const QList<Eoq1Row> rows(12, paperWithShortages());
        EoqReportPreviewService::paintLines(&writer, EoqReportPreviewService::reportLines(rows, QDate(2026, 12, 8)));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 3);
}

TEST(EoqReportPreviewService, OpensAModelessPreviewOfTheSavedRows) {
    tervalo::data::Connection cnn;
    cnn.open(tervalo::test::connectionToCopyOf("Demo.mdb"));
    tervalo::data::Eoq1Repository(cnn).insert(paperWithShortages());
    tervalo::test::FakeClock clock;

    EoqReportPreviewService service(cnn, &clock);
    QWidget owner;
    service.previewEoq(&owner, 2, "Paper", QDate(2026, 12, 7));
    const auto previews = openPreviews();
    ASSERT_EQ(previews.size(), 1);
    EXPECT_FALSE(previews.first()->isModal());
    EXPECT_TRUE(previews.first()->testAttribute(Qt::WA_DeleteOnClose));
    previews.first()->close();
}
