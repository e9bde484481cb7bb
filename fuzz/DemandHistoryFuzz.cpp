// libFuzzer target for the demand-history file reader and writer: see
// DemandHistoryFuzzCheck.h for what each input must satisfy; an input that
// fails traps. Built by fuzz/CMakeLists.txt with clang-14 and the sanitizers;
// run by fuzz/run demand. The ordinary test run includes this file too and
// calls LLVMFuzzerTestOneInput on seeds and on mutations of them.
#include <cstdio>

#include "DemandHistoryFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = tervalo::fuzz::demandHistoryFuzzCheck(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        __builtin_trap();
    }
    return 0;
}
