// tervalo-xls-reader BYTES: reads the Excel workbook on its standard input
// and writes the pairs of its first worksheet to its standard output, framed
// as XlsSheetFraming.h says. The import starts one per workbook and takes
// nothing from it but a whole answer and exit status 0: a crafted workbook
// that makes libfreexl fault ends this process, never the program.
//
// Before a byte of the workbook is read, the process limits itself to BYTES
// of address space, writes no files and leaves no core dump.
#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <string>

#include "XlsWorkbookParser.h"

namespace {

bool limit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    return setrlimit(resource, &limit) == 0;
}

bool writeAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long bytes = 0;
    const char* end = argc == 2 ? argv[1] + std::strlen(argv[1]) : nullptr;
    if (!end || std::from_chars(argv[1], end, bytes).ptr != end || bytes == 0) return 2;
    if (tervalo::import::kReaderLimitsAddressSpace && !limit(RLIMIT_AS, rlim_t(bytes))) return 2;
    if (!limit(RLIMIT_FSIZE, 0) || !limit(RLIMIT_CORE, 0)) return 2;
    // libfreexl opens a workbook by its name; this one is the standard input.
    const std::string answer = tervalo::import::encodeSheet(tervalo::xlsreader::readWorkbook("/proc/self/fd/0"));
    return writeAll(answer) ? 0 : 3;
}
