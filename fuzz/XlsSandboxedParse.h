#pragma once
// The workbook target's parse, under the workbook reader's system-call filter
// as in tervalo-xls-reader: the workbook's bytes go into an in-memory file,
// which a thread of its own, the only one under the filter, parses as the
// reader does its standard input (readWorkbook on /proc/self/fd/N).
// libFuzzer's thread stays outside it, free to write its corpus and
// artifacts.
//
// A call the filter forbids raises SIGSYS on the parsing thread: it names the
// call and hands over to libFuzzer's thread, which writes the input as a
// crash artifact and ends the process, as libFuzzer does for a crash. A fault
// inside libfreexl ends the same way once the sanitizer's report is out: its
// death callback's own artifact write is such a call.
#include <fcntl.h>
#include <linux/futex.h>
#include <sanitizer/common_interface_defs.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "ReaderSandbox.h"
#include "XlsWorkbookParser.h"

namespace xlsfuzz {

enum State : int { Idle, Parsing, Parsed, Breached };

inline std::atomic<int> state{Idle};
inline std::atomic<long> breachCall{-1};
inline int inputFd = -1;
inline tervalo::import::XlsSheet sheet;
// Where libFuzzer puts its artifacts: -artifact_prefix= and -exact_artifact_path=.
inline std::string artifactPrefix = "./";
inline std::string exactArtifact;

inline void takeFlags(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag.starts_with("-artifact_prefix=")) artifactPrefix = flag.substr(17);
        if (flag.starts_with("-exact_artifact_path=")) exactArtifact = flag.substr(21);
    }
}

// The futex itself (it is safe in a signal handler, and the filter allows it).
inline void waitWhile(std::atomic<int>& value, int now) {
    while (value == now)
        ::syscall(SYS_futex, reinterpret_cast<int*>(&value), FUTEX_WAIT_PRIVATE, now, nullptr, nullptr, 0);
}

inline void set(std::atomic<int>& value, int to) {
    value = to;
    ::syscall(SYS_futex, reinterpret_cast<int*>(&value), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

inline void onForbiddenCall(int, siginfo_t* info, void*) {
    breachCall = info->si_syscall;
    set(state, Breached);
    std::atomic<int> never{0};
    waitWhile(never, 0);
}

inline void parseLoop() {
    // Signals for the process (libFuzzer's timer, an interrupt) go to libFuzzer's thread.
    sigset_t async;
    sigfillset(&async);
    for (const int own : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTRAP, SIGSYS})
        sigdelset(&async, own);
    pthread_sigmask(SIG_BLOCK, &async, nullptr);
    const std::string path = "/proc/self/fd/" + std::to_string(inputFd);
    if (!tervalo::xlsreader::installReaderSandbox(tervalo::xlsreader::SandboxBreach::RaiseSignal)) {
        std::fprintf(stderr, "import_xls_fuzz: the workbook reader's filter cannot be installed\n");
        std::abort();
    }
    for (;;) {
        for (int now = state; now != Parsing; now = state)
            waitWhile(state, now);
        sheet = tervalo::xlsreader::readWorkbook(path.c_str());
        set(state, Parsed);
    }
}

inline void start() {
    inputFd = ::memfd_create("workbook", MFD_CLOEXEC);
    if (inputFd < 0) std::abort();
    // The sanitizer's symbolizer is started now: the filter would not let it be started later.
    char frame[256];
    __sanitizer_symbolize_pc(__builtin_return_address(0), "%p %F", frame, sizeof frame);
    struct sigaction breach {};
    breach.sa_sigaction = onForbiddenCall;
    breach.sa_flags = SA_SIGINFO;
    sigaction(SIGSYS, &breach, nullptr);
    std::thread(parseLoop).detach();
}

// Writes the input as libFuzzer writes a crash, and ends the process.
[[noreturn]] inline void crash(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "crash-%016llx", static_cast<unsigned long long>(hash));
    const std::string path = exactArtifact.empty() ? artifactPrefix + name : exactArtifact;
    // Plain writes: the parsing thread may have stopped inside the C library's stream functions.
    char line[4096];
    int n = std::snprintf(line, sizeof line,
                          "==%d== ERROR: import_xls_fuzz: the parse ended at system call %ld, which the workbook "
                          "reader's filter forbids (the report above, if any, says why)\n",
                          int(::getpid()), breachCall.load());
    (void)!::write(STDERR_FILENO, line, std::size_t(n));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && ::write(fd, data, size) == ssize_t(size);
    if (fd >= 0) ::close(fd);
    n = std::snprintf(line, sizeof line, "artifact_prefix='%s'; Test unit %s %s\n", artifactPrefix.c_str(),
                      written ? "written to" : "not written to", path.c_str());
    (void)!::write(STDERR_FILENO, line, std::size_t(n));
    std::_Exit(77);
}

// The sheet of the workbook `data`, parsed under the filter.
inline const tervalo::import::XlsSheet& parse(const std::uint8_t* data, std::size_t size) {
    static const bool started = (start(), true);
    (void)started;
    if (::ftruncate(inputFd, 0) != 0 || ::pwrite(inputFd, data, size, 0) != ssize_t(size)) std::abort();
    set(state, Parsing);
    waitWhile(state, Parsing);
    if (state == Breached) crash(data, size);
    state = Idle;
    return sheet;
}

}  // namespace xlsfuzz
