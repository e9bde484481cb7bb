#include "ReaderSandbox.h"

#include <fcntl.h>
#include <seccomp.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <memory>

#include "import/XlsSheetFraming.h"

namespace tervalo::xlsreader {

namespace {

// The flags of an open that may change or make a file.
constexpr scmp_datum_t kWritingFlags = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC;

// What libfreexl, iconv (its modules are shared objects it maps), the C
// library and the C++ runtime call while a workbook is parsed, its answer
// written and the process ends.
constexpr int kAllowed[] = {
    SCMP_SYS(read),       SCMP_SYS(pread64),    SCMP_SYS(readv), SCMP_SYS(lseek),  SCMP_SYS(fstat),
    SCMP_SYS(newfstatat), SCMP_SYS(close),      SCMP_SYS(mmap),  SCMP_SYS(munmap), SCMP_SYS(mremap),
    SCMP_SYS(mprotect),   SCMP_SYS(madvise),    SCMP_SYS(brk),   SCMP_SYS(futex),  SCMP_SYS(rt_sigreturn),
    SCMP_SYS(exit),       SCMP_SYS(exit_group),
};

// And what AddressSanitizer calls besides: for its reports the process and
// thread ids they show, whether standard error is a terminal (for colours),
// a yield while they wait for a lock; at the exit, the thread's signal stack
// given back. Its symbolizer, a process of its own, is written to through a
// pipe.
constexpr int kAllowedToSanitizers[] = {SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(sched_yield),
                                        SCMP_SYS(sigaltstack)};

struct FilterRelease {
    void operator()(void* filter) const { seccomp_release(filter); }
};

}  // namespace

bool installReaderSandbox(SandboxBreach breach) {
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
    const std::unique_ptr<void, FilterRelease> filter(
        seccomp_init(breach == SandboxBreach::EndProcess ? SCMP_ACT_KILL_PROCESS : SCMP_ACT_TRAP));
    if (!filter) return false;
    void* f = filter.get();
    bool ok = true;
    for (const int call : kAllowed)
        ok = ok && seccomp_rule_add(f, SCMP_ACT_ALLOW, call, 0) == 0;
    ok = ok &&
         seccomp_rule_add(f, SCMP_ACT_ALLOW, SCMP_SYS(openat), 1, SCMP_A2(SCMP_CMP_MASKED_EQ, kWritingFlags, 0)) == 0 &&
         seccomp_rule_add(f, SCMP_ACT_ALLOW, SCMP_SYS(open), 1, SCMP_A1(SCMP_CMP_MASKED_EQ, kWritingFlags, 0)) == 0;
    if (import::kBuiltWithAddressSanitizer) {
        for (const int call : kAllowedToSanitizers)
            ok = ok && seccomp_rule_add(f, SCMP_ACT_ALLOW, call, 0) == 0;
        ok = ok && seccomp_rule_add(f, SCMP_ACT_ALLOW, SCMP_SYS(write), 0) == 0 &&
             seccomp_rule_add(f, SCMP_ACT_ALLOW, SCMP_SYS(ioctl), 1, SCMP_A1(SCMP_CMP_EQ, TCGETS)) == 0;
    } else
        ok = ok && seccomp_rule_add(f, SCMP_ACT_ALLOW, SCMP_SYS(write), 1, SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO)) == 0;
    return ok && seccomp_load(f) == 0;
}

}  // namespace tervalo::xlsreader
