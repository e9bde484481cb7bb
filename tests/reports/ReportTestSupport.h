#pragma once
// Helpers of the report tests: a copy of Demo.mdb with the worked examples
// saved in it, the report output over a fixed clock and a recording notifier,
// and a report printed to PDF and read back with pdftotext.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QList>
#include <QPrinter>
#include <QProcess>
#include <QSqlRecord>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

#include "data/Connection.h"
#include "data/Eoq1Repository.h"
#include "data/ReportRowsRepository.h"
#include "data/SsRepository.h"
#include "reports/PaintedReportOutput.h"
#include "reports/ReportDocument.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreviewDialog.h"
#include "reports/ReportPrintService.h"
#include "support/FakeClock.h"
#include "support/RecordingNotifier.h"
#include "support/TestEnvironment.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tervalo::reports::test {

inline const QDate kToday(2026, 12, 7);

// What pdftotext -layout reads from a printed report.
struct PdfText {
    QString text;  // pages separated by form feeds
    int pages = 0;
};

// Prints the document to a PDF file and reads it back.
inline PdfText printedText(const ReportDocument& doc) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ReportPainter::preparePrinter(printer, doc);
    ReportPainter(doc).print(printer);
    QProcess tool;
    tool.start("pdftotext", {"-layout", pdf, "-"});
    tool.waitForFinished(30000);
    PdfText out;
    out.text = QString::fromUtf8(tool.readAllStandardOutput());
    out.pages = int(out.text.count(u'\f'));
    return out;
}

// A test on a copy of Demo.mdb with the report output and the print service.
class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { cnn.open(tervalo::test::connectionToCopyOf("Demo.mdb")); }
    void TearDown() override {
        for (int id = 0; id < 7; ++id)
            if (auto* open = output.openPreview(LayoutId(id))) open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Saves the row and reads it back as its print query gives it.
    QList<QSqlRecord> saved(const data::Eoq1Row& row) {
        data::Eoq1Repository(cnn).insert(row);
        return data::ReportRowsRepository(cnn).eoqRows(row.itemName, row.date, row.modelId);
    }
    QList<QSqlRecord> saved(const data::SsRow& row) {
        const QString logId = data::SsRepository(cnn).insert(row);
        return data::ReportRowsRepository(cnn).singlePeriodRows(logId.toLongLong(), row.date, row.itemName);
    }
    ReportDocument document(LayoutId layout, const QList<QSqlRecord>& rows) { return output.document(layout, rows); }

    data::Connection cnn;
    tervalo::test::FakeClock clock;
    tervalo::test::RecordingNotifier notifier;
    PaintedReportOutput output{notifier, clock};
    ReportPrintService service{cnn, output};
};

}  // namespace tervalo::reports::test
