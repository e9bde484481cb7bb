// Report previews of saved results, offscreen, on a copy of Demo.mdb:
//  - BM_PreviewThousandRows: a Print of an item saved 1,000 times that day, from
//    the bound query to the preview window shown with its first page painted
//    (the preview paints every page when it opens); the target is 0.3 s.
//  - BM_PaintOnePage: one laid-out page painted as the preview records it, and
//    as the printer draws it.
// Run: build/<dir>/bin/bench_ReportPreviewBench (reports the median of ten repetitions).
// Medians on the build machine (8 cores, shared with other builds): about
// 200 ms for the 1,000-row preview, 0.13 ms for a preview page, 0.2 ms for a
// PDF page. A page is some forty texts; the preview records each with its
// font, which is most of a page's cost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "data/Connection.h"
#include "data/Eoq1Repository.h"
#include "data/ReportRowsRepository.h"
#include "data/Transaction.h"
#include "reports/PaintedReportOutput.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreviewDialog.h"
#include "reports/ReportPrintService.h"
#include "support/FakeClock.h"
#include "support/PaperRows.h"
#include "support/RecordingNotifier.h"
#include "support/TestEnvironment.h"

using namespace tervalo;

namespace {

const QDate kDay(2026, 12, 7);

// A copy of Demo.mdb holding `count` calculations of "Paper" on kDay.
data::Connection& databaseWithPaperRows(int count) {
    static data::Connection cnn;
    if (!cnn.isOpen()) {
        cnn.open(test::connectionToCopyOf("Demo.mdb"));
        data::Transaction transaction(cnn);
        data::Eoq1Repository repo(cnn);
        for (int i = 0; i < count; ++i)
            repo.insert(test::paperRow(kDay));
        transaction.commit();
    }
    return cnn;
}

void BM_PreviewThousandRows(benchmark::State& state) {
    data::Connection& cnn = databaseWithPaperRows(1000);
    test::FakeClock clock;
    test::RecordingNotifier notifier;
    reports::PaintedReportOutput output(notifier, clock);
    reports::ReportPrintService service(cnn, output);
    QWidget owner;
    int pages = 0;
    for (auto _ : state) {
        service.previewEoq(&owner, 1, QStringLiteral("Paper"), kDay);
        reports::ReportPreviewDialog* preview = output.openPreview(reports::LayoutId::Eoq1);
        // The window shown and its first page drawn on the screen.
        QApplication::processEvents();
        state.PauseTiming();
        pages = preview ? preview->pagesPainted() : 0;
        delete preview;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (pages != 1000) state.SkipWithError("the preview did not paint 1,000 pages");
    if (!notifier.messages.isEmpty()) state.SkipWithError(qPrintable(notifier.last().text));
}
BENCHMARK(BM_PreviewThousandRows)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

reports::ReportDocument onePaperPage() {
    data::Connection& cnn = databaseWithPaperRows(1000);
    test::FakeClock clock;
    test::RecordingNotifier notifier;
    reports::PaintedReportOutput output(notifier, clock);
    QList<QSqlRecord> rows = data::ReportRowsRepository(cnn).eoqRows(QStringLiteral("Paper"), kDay, 1);
    rows.resize(1);
    return output.document(reports::LayoutId::Eoq1, rows);
}

// As the preview records a page: into a picture, at the printer's resolution.
void BM_PaintOnePage(benchmark::State& state) {
    const reports::ReportDocument doc = onePaperPage();
    const reports::ReportPainter painter(doc);
    for (auto _ : state) {
        QPicture picture;
        QPainter p(&picture);
        painter.paintPage(p, 0, 1200, 1200);
        p.end();
        benchmark::DoNotOptimize(picture.size());
    }
    state.SetLabel("recorded as the preview does");
}
BENCHMARK(BM_PaintOnePage)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// As printing draws a page: into a PDF file, one new page per iteration.
void BM_PrintOnePage(benchmark::State& state) {
    const reports::ReportDocument doc = onePaperPage();
    const reports::ReportPainter painter(doc);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("bench.pdf")));
    reports::ReportPainter::preparePrinter(printer, doc);
    QPainter p(&printer);
    for (auto _ : state) {
        painter.paintPage(p, 0, printer.logicalDpiX(), printer.logicalDpiY());
        state.PauseTiming();
        printer.newPage();
        state.ResumeTiming();
    }
    p.end();
    state.SetLabel("on a PDF printer");
}
BENCHMARK(BM_PrintOnePage)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
