// libFuzzer target for the RTF reader (and the writer on what it reads): see
// RtfFuzzCheck.h for what each input must satisfy; an input that fails traps.
// Built by fuzz/CMakeLists.txt with clang-14 and -fsanitize=fuzzer,address,
// undefined; run by fuzz/run. The ordinary test run includes this file too and
// calls LLVMFuzzerTestOneInput on the seeds and on mutations of them.
#include <QGuiApplication>
#include <cstdio>

#include "RtfFuzzCheck.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The documents need fonts, so a QGuiApplication on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_reader_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString failure = tervalo::fuzz::rtfFuzzCheck(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
