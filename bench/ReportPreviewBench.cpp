// Report previews of saved results, offscreen, on a copy of Demo.mdb:
//  - BM_PreviewThousandRows: a Print of an item saved 1,000 times that day, from
//    the bound query to the preview window shown with its first page painted
//    (the preview paints only the pages in sight); the target is 0.3 s.
//  - BM_PreviewHundredThousandRows: the same for 100,000 saved rows, once, with
//    the process's peak memory; the targets are 1 s and 300 MB. Run it alone
//    (--benchmark_filter=HundredThousand) so the peak is its own.
//  - BM_PaintOnePage: one laid-out page painted as the preview paints it, and
//    as the printer draws it.
// Run: build/<dir>/bin/bench_ReportPreviewBench (reports the median of ten repetitions).
// Medians on the build machine (8 cores, shared with other builds): 8 ms for
// the 1,000-row preview (200 ms when the preview recorded every page up front),
// 0.44 s and 170 MB for 100,000 rows (9.2 s and 2.2 GB then, most of it the
// recorded pages and the laid-out texts of every page), 0.2 ms for a PDF page.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

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

// The benchmarks' connections close with the application object: a static
// connection would close after it is gone, which crashes at exit.
std::vector<std::unique_ptr<data::Connection>> connections;

data::Connection& connectionForTheRun() {
    if (connections.empty()) qAddPostRoutine([] { connections.clear(); });
    return *connections.emplace_back(std::make_unique<data::Connection>());
}

// A copy of Demo.mdb holding `count` calculations of "Paper" on kDay.
data::Connection& databaseWithPaperRows(int count) {
    static data::Connection& cnn = connectionForTheRun();
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

// Runs the event loop until the layout's preview has painted a page.
void firstPageShown(const reports::PaintedReportOutput& output) {
    const reports::ReportPreviewDialog* preview = output.openPreview(reports::LayoutId::Eoq1);
    for (int i = 0; i < 100 && preview && preview->pagesPainted() == 0; ++i)
        QApplication::processEvents();
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
        firstPageShown(output);
        state.PauseTiming();
        pages = preview ? preview->pagesPainted() : 0;
        delete preview;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (pages < 1 || pages > 3) state.SkipWithError("the preview did not paint just the pages in sight");
    if (!notifier.messages.isEmpty()) state.SkipWithError(qPrintable(notifier.last().text));
}
BENCHMARK(BM_PreviewThousandRows)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// An item saved 100,000 times that day: the preview shown with its first page
// on the screen, once, in a fresh process (the peak memory is the process's).
// Run alone: --benchmark_filter=HundredThousand. Goals: 1 s and 300 MB.
void BM_PreviewHundredThousandRows(benchmark::State& state) {
    data::Connection& cnn = connectionForTheRun();
    cnn.open(test::connectionToCopyOf("Demo.mdb"));
    {
        data::Transaction transaction(cnn);
        data::Eoq1Repository repo(cnn);
        for (int i = 0; i < 100000; ++i)
            repo.insert(test::paperRow(kDay));
        transaction.commit();
    }
    test::FakeClock clock;
    test::RecordingNotifier notifier;
    reports::PaintedReportOutput output(notifier, clock);
    reports::ReportPrintService service(cnn, output);
    QWidget owner;
    for (auto _ : state) {
        service.previewEoq(&owner, 1, QStringLiteral("Paper"), kDay);
        firstPageShown(output);
    }
    reports::ReportPreviewDialog* preview = output.openPreview(reports::LayoutId::Eoq1);
    if (!preview || preview->pagesPainted() == 0) state.SkipWithError("the preview did not show its first page");
    if (!notifier.messages.isEmpty()) state.SkipWithError(qPrintable(notifier.last().text));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_PreviewHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(1);

reports::ReportDocument onePaperPage() {
    data::Connection& cnn = databaseWithPaperRows(1000);
    test::FakeClock clock;
    test::RecordingNotifier notifier;
    reports::PaintedReportOutput output(notifier, clock);
    QList<QSqlRecord> rows = data::ReportRowsRepository(cnn).eoqRows(QStringLiteral("Paper"), kDay, 1);
    rows.resize(1);
    return output.document(reports::LayoutId::Eoq1, rows);
}

// As the preview paints a page: into an image at the screen's resolution.
void BM_PaintOnePage(benchmark::State& state) {
    const reports::ReportDocument doc = onePaperPage();
    const reports::ReportPainter painter(doc);
    QImage image(816, 1056, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dots per inch
    image.setDotsPerMeterY(3780);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.paintPage(p, 0, 96, 96);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("painted as the preview does");
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
