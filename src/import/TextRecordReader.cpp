#include "import/TextRecordReader.h"

#include <algorithm>

#include "rtf/RtfCodePage.h"

namespace tervalo::import {

namespace {

// Adds the pair of one line, or sets the problem.
bool takeLine(QStringView line, int number, ReadResult& result) {
    if (line.isEmpty()) return true;
    if (line.contains(QChar(0))) {
        result.problem = QStringLiteral("the line has a NUL byte");
        result.problemPlace = number;
        return false;
    }
    const qsizetype commas = line.count(u',');
    if (commas != 1) {
        result.problem = commas == 0 ? QStringLiteral("the line has no comma")
                                     : QStringLiteral("the line has %1 commas, not one").arg(commas);
        result.problemPlace = number;
        return false;
    }
    ImportRecord& record = result.records.first();
    if (record.pairs.size() == kMaxPairs) {
        result.problem = QStringLiteral("the file has more than %1 lines with a pair").arg(kMaxPairs);
        result.problemPlace = number;
        return false;
    }
    const qsizetype comma = line.indexOf(u',');
    record.pairs.append({line.left(comma).toString(), line.mid(comma + 1).toString(), number});
    return true;
}

}  // namespace

ReadResult readTextRecord(const QByteArray& bytes) {
    ReadResult result;
    result.placeWord = PlaceWord::Line;
    result.records.append(ImportRecord{});
    const QString text = rtf::decodePlainText(bytes);
    const QStringView view(text);
    // A pair a line at the most.
    qsizetype lineEnds = 0;
    for (const char byte : bytes)
        lineEnds += byte == '\n' || byte == '\r';
    result.records.first().pairs.reserve(std::min<qsizetype>(lineEnds + 1, kMaxPairs));
    int number = 1;
    qsizetype start = 0;
    const qsizetype size = view.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = view[i];
        if (c != u'\r' && c != u'\n') continue;
        if (!takeLine(view.mid(start, i - start), number++, result)) return result;
        if (c == u'\r' && i + 1 < size && view[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    // The last line needs no line end.
    if (start < size) takeLine(view.mid(start), number, result);
    return result;
}

}  // namespace tervalo::import
