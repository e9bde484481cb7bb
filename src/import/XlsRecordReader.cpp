#include "import/XlsRecordReader.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>

#include "import/LimitedProcess.h"
#include "import/XlsSheetFraming.h"

namespace tervalo::import {

namespace {

static_assert(kMaxSheetPairs == std::size_t(kMaxPairs));

// An answer larger than this is a sheet too large to be one record.
constexpr qsizetype kMaxAnswerBytes = 64LL * 1024 * 1024;
const QString kReaderName = QStringLiteral("tervalo-xls-reader");

ReadResult unreadable(const QString& why) {
    ReadResult result;
    result.placeWord = PlaceWord::Row;
    result.problem = why;
    return result;
}

ReadResult cannotBeRead() { return unreadable(QStringLiteral("it cannot be read as an Excel workbook")); }

bool decodeUtf8(const std::string& bytes, QString& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !utf8.hasError();
}

}  // namespace

ReadResult readXlsRecord(int fd, const XlsReaderProcess& reader) {
    const QString program =
        reader.program.isEmpty() ? QCoreApplication::applicationDirPath() + '/' + kReaderName : reader.program;
    // The processor time it may take: the time limit, in whole seconds.
    const int seconds = std::max(1, (reader.timeoutMs + 999) / 1000);
    const QStringList limits{QString::number(reader.memoryBytes), QString::number(seconds),
                             QString::number(::getpid())};
    const LimitedRun run = runLimited(program, reader.arguments + limits, fd, reader.timeoutMs, kMaxAnswerBytes);
    if (run.end == LimitedRun::End::NotStarted)
        return unreadable("the workbook reader " + kReaderName + " cannot be started");
    if (run.end == LimitedRun::End::TooMuchOutput)
        return unreadable(QStringLiteral("its first worksheet is too large"));
    if (!run.exitedWith(0)) return cannotBeRead();
    const std::optional<XlsSheet> sheet = decodeSheet(std::string_view(run.output.constData(), run.output.size()));
    if (!sheet) return cannotBeRead();
    switch (sheet->problem) {
        case XlsProblem::None:
            break;
        case XlsProblem::NotAWorkbook:
            return cannotBeRead();
        case XlsProblem::Password:
            return unreadable(QStringLiteral("the workbook is protected by a password"));
        case XlsProblem::NoSheet:
            return unreadable(QStringLiteral("it has no worksheet that can be read"));
        case XlsProblem::SheetTooLarge:
            return unreadable(QStringLiteral("its first worksheet is too large"));
        case XlsProblem::TooManyRows:
            return unreadable(QStringLiteral("the used range has more than %1 rows").arg(kMaxPairs));
    }
    ReadResult result;
    result.placeWord = PlaceWord::Row;
    QList<ImportPair>& pairs = result.records.emplace_back().pairs;
    pairs.reserve(qsizetype(sheet->pairs.size()));
    for (const XlsPair& pair : sheet->pairs) {
        ImportPair& taken = pairs.emplace_back();
        taken.place = int(pair.row);
        if (!decodeUtf8(pair.name, taken.name) || !decodeUtf8(pair.value, taken.value)) return cannotBeRead();
    }
    return result;
}

}  // namespace tervalo::import
