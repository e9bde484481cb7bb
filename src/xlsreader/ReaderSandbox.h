#pragma once
// The workbook reader's system-call filter. libfreexl has faulted on crafted
// workbooks, and a fault steered by a file could run code with the user's
// rights; so before the reader hands libfreexl a byte, it keeps no way to
// gain privileges and allows only what parsing needs: files opened for
// reading (no O_WRONLY, O_RDWR, O_CREAT or O_TRUNC), read, seek and stat,
// memory, the futex of the C++ runtime, a write to the answer (standard
// output) and exit. Any other call (opening for writing, unlink, rename, a
// socket, connect, exec, ptrace, ...) ends the process at once with SIGSYS.
// libfreexl's code-page conversions still work: iconv's modules are opened
// read-only and mapped. Built with AddressSanitizer, what its reports need is
// allowed too: a write to any descriptor (standard error, its symbolizer's
// pipe) and a few calls on the process itself (its ids, whether standard
// error is a terminal, a yield, the thread's signal stack).
namespace tervalo::xlsreader {

// What a call outside the filter does.
enum class SandboxBreach {
    EndProcess,   // the process is killed by SIGSYS (the workbook reader)
    RaiseSignal,  // SIGSYS is raised in the calling thread, whose handler may
                  // report the call (the fuzz harness)
};

// Installs the filter on the calling thread and the threads it starts later
// (the reader has no other); false when the kernel refuses it.
bool installReaderSandbox(SandboxBreach breach = SandboxBreach::EndProcess);

}  // namespace tervalo::xlsreader
