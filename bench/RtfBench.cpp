// The RTF reader and writer on a 1 MB document: 10,000 formatted paragraphs
// (four alignments; bold, italic, underline, two fonts, 10/12/14 pt, colours,
// "äöü €" and a tab in each). Read, and write, should each take at most 100 ms;
// reading into a QTextEdit and showing it at most 0.5 s. Run:
// build/<dir>/bin/bench_RtfBench (reports the median of ten repetitions).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdlib>
#include <memory>

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

using tervalo::rtf::RtfReader;
using tervalo::rtf::RtfWriter;

namespace {

constexpr int kParagraphs = 10000;

void buildDocument(QTextDocument* doc) {
    doc->setDefaultFont(QFont("DejaVu Sans", 12));
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
    const double sizes[] = {10, 12, 14};
    QTextCursor cursor(doc);
    for (int i = 0; i < kParagraphs; ++i) {
        if (i > 0) cursor.insertBlock();
        QTextBlockFormat block;
        block.setAlignment(aligns[i % 4]);
        cursor.setBlockFormat(block);
        QTextCharFormat plain;
        plain.setFontPointSize(sizes[i % 3]);
        QTextCharFormat bold = plain;
        bold.setFontWeight(QFont::Bold);
        QTextCharFormat italic = plain;
        italic.setFontItalic(true);
        italic.setFontFamilies({"DejaVu Serif"});
        QTextCharFormat underline = plain;
        underline.setFontUnderline(true);
        underline.setForeground(colours[i % 3]);
        cursor.insertText(QString("Line %1 ").arg(i), plain);
        cursor.insertText("bold ", bold);
        cursor.insertText(QString::fromUtf16(u"italic \u00e4\u00f6\u00fc \u20ac "), italic);
        cursor.insertText("under", underline);
        cursor.insertText("\t{x}.", plain);
    }
}

const QTextDocument& document() {
    static QTextDocument* doc = [] {
        auto* d = new QTextDocument;
        buildDocument(d);
        return d;
    }();
    return *doc;
}

const QByteArray& rtf() {
    static const QByteArray data = RtfWriter::write(document());
    return data;
}

void BM_RtfWrite(benchmark::State& state) {
    const QTextDocument& doc = document();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray out = RtfWriter::write(doc);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["rtf_bytes"] = static_cast<double>(size);
    state.counters["paragraphs"] = doc.blockCount();
}
BENCHMARK(BM_RtfWrite)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_RtfRead(benchmark::State& state) {
    const QByteArray& data = rtf();
    int blocks = 0;
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        RtfReader::read(data, doc.get());
        blocks = doc->blockCount();
        benchmark::DoNotOptimize(blocks);
        state.PauseTiming();  // freeing the document is not reading it
        doc.reset();
        state.ResumeTiming();
    }
    if (blocks != kParagraphs) state.SkipWithError("wrong number of paragraphs read");
    state.counters["rtf_bytes"] = static_cast<double>(data.size());
    state.counters["paragraphs"] = blocks;
}
BENCHMARK(BM_RtfRead)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The document read into a QTextEdit of a window's size, shown and painted once.
void BM_RtfReadAndShowInTextEdit(benchmark::State& state) {
    const QByteArray& data = rtf();
    for (auto _ : state) {
        auto edit = std::make_unique<QTextEdit>();
        edit->resize(800, 600);
        RtfReader::read(data, edit->document());
        edit->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(edit->viewport()->grab().size());
        state.PauseTiming();
        edit.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RtfReadAndShowInTextEdit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
