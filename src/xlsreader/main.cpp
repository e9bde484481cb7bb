// tervalo-xls-reader BYTES SECONDS PARENT: reads the Excel workbook on its
// standard input and writes the pairs of its first worksheet to its standard
// output, framed as XlsSheetFraming.h says. The import starts one per
// workbook and takes nothing from it but a whole answer and exit status 0: a
// crafted workbook that makes libfreexl fault ends this process, never the
// program.
//
// Before a byte of the workbook is read, the process ties its life to its
// parent, the program whose process id is PARENT (it is killed when that
// ends), limits itself to BYTES of address space and SECONDS of processor
// time, writes no files, leaves no core dump and installs its system-call
// filter (ReaderSandbox.h).
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <string>

#include "ReaderSandbox.h"
#include "XlsWorkbookParser.h"

namespace {

bool limit(int resource, rlim_t value, rlim_t hard) {
    const rlimit limit{value, hard};
    return setrlimit(resource, &limit) == 0;
}

bool number(const char* text, unsigned long long& value) {
    const char* end = text + std::strlen(text);
    return std::from_chars(text, end, value).ptr == end && value > 0;
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
    unsigned long long bytes = 0, seconds = 0, parent = 0;
    if (argc != 4 || !number(argv[1], bytes) || !number(argv[2], seconds) || !number(argv[3], parent)) return 2;
    // A parent that ended before the death signal was asked for is seen here:
    // this process then belongs to another.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || static_cast<unsigned long long>(::getppid()) != parent) return 2;
    if (tervalo::import::kReaderLimitsAddressSpace && !limit(RLIMIT_AS, rlim_t(bytes), rlim_t(bytes))) return 2;
    // SIGXCPU at the limit, SIGKILL a second later.
    if (!limit(RLIMIT_CPU, rlim_t(seconds), rlim_t(seconds + 1)) || !limit(RLIMIT_FSIZE, 0, 0) ||
        !limit(RLIMIT_CORE, 0, 0))
        return 2;
    if (!tervalo::xlsreader::installReaderSandbox()) return 2;
    // libfreexl opens a workbook by its name; this one is the standard input.
    const std::string answer = tervalo::import::encodeSheet(tervalo::xlsreader::readWorkbook("/proc/self/fd/0"));
    // _exit: nothing is left to flush, and the exit handlers of the sanitizer
    // build (its leak checker stops the threads with ptrace) are not calls the
    // filter allows.
    ::_exit(writeAll(answer) ? 0 : 3);
}
