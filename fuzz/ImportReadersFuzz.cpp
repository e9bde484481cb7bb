// libFuzzer target for the import readers: the first byte picks the reader
// (0 text, 1 Excel workbook, 2 dBase table), the rest is the file. A reader
// must end with pairs or a problem, never crash, hang or read out of bounds.
// Built by fuzz/CMakeLists.txt (clang-14, ASan, UBSan); run with
// fuzz/run import.
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>

#include "warehouse/DbfRecordReader.h"
#include "warehouse/TextRecordReader.h"
#include "warehouse/XlsRecordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    tervalo::warehouse::ReadResult result;
    switch (data[0] % 3) {
        case 0:
            result = tervalo::warehouse::readTextRecord(bytes);
            break;
        case 1: {
            // libfreexl reads only from a file.
            static const QString path = QStringLiteral("/dev/shm/import_fuzz_%1.xls").arg(getpid());
            FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
            if (!f) return 0;
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
            std::fclose(f);
            result = tervalo::warehouse::readXlsRecord(path);
            break;
        }
        default:
            result = tervalo::warehouse::readDbfRecords(bytes);
    }
    // Either pairs or a reason, and never more pairs than a record holds.
    if (!result.ok() && result.problem.isEmpty()) __builtin_trap();
    for (const auto& record : result.records)
        if (record.pairs.size() > tervalo::warehouse::kMaxPairs) __builtin_trap();
    return 0;
}
