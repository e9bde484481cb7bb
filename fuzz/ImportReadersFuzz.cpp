// libFuzzer targets for the import readers, one per reader, picked when the
// target is built (IMPORT_READER): the text reader, the dBase reader
// (shapelib, in the program's process) and the workbook reader
// (libfreexl, in tervalo-xls-reader's process, here under its system-call
// filter as there: XlsSandboxedParse.h). A reader must end with pairs or a
// problem, never crash, hang, read out of bounds or make a call the filter
// forbids; the workbook reader's answer must come back whole through its
// framing. An input that begins with the framing's header goes to the
// import's decoder of answers instead, which must refuse garbage without
// fault.
// Built by fuzz/CMakeLists.txt (clang-14, ASan, UBSan); run with
// fuzz/run import.
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <string_view>

#if IMPORT_READER == 1
#include "XlsSandboxedParse.h"
#include "import/ImportRecord.h"
#elif IMPORT_READER == 2
#include "import/DbfRecordReader.h"
#else
#include "import/TextRecordReader.h"
#endif

namespace {

[[maybe_unused]] void checkRecords(const tervalo::import::ReadResult& result) {
    // Either pairs or a reason, and never more pairs than a record holds.
    if (!result.ok() && result.problem.isEmpty()) __builtin_trap();
    for (const auto& record : result.records)
        if (record.pairs.size() > tervalo::import::kMaxPairs) __builtin_trap();
}

}  // namespace

#if IMPORT_READER == 1
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    xlsfuzz::takeFlags(*argc, *argv);
    return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
#if IMPORT_READER == 1
    using namespace tervalo::import;
    if (std::string_view(bytes, size).starts_with("tervalo-xls")) {
        if (const auto answer = decodeSheet(std::string_view(bytes, size)))
            if (answer->pairs.size() > kMaxSheetPairs) __builtin_trap();
        return 0;
    }
    const XlsSheet& sheet = xlsfuzz::parse(data, size);
    const auto back = decodeSheet(encodeSheet(sheet));
    if (!back || back->problem != sheet.problem || back->pairs.size() != sheet.pairs.size()) __builtin_trap();
    for (std::size_t i = 0; i < sheet.pairs.size(); ++i)
        if (back->pairs[i].name != sheet.pairs[i].name || back->pairs[i].value != sheet.pairs[i].value ||
            back->pairs[i].row != sheet.pairs[i].row)
            __builtin_trap();
#elif IMPORT_READER == 2
    checkRecords(tervalo::import::readDbfRecords(QByteArray(bytes, qsizetype(size))));
#else
    checkRecords(tervalo::import::readTextRecord(QByteArray(bytes, qsizetype(size))));
#endif
    return 0;
}
