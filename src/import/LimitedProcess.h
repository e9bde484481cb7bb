#pragma once
// Runs a helper program of the program's own on input it must not trust (the
// workbook reader): the program reads `inputFd` as its standard input and
// writes its answer to standard output; its standard error goes nowhere. The
// run is cut off, and the process killed, after `timeoutMs` or when the
// answer grows past `maxOutput` bytes. Safe to call from several threads at
// once: every descriptor is opened close-on-exec, so no other helper inherits
// this one's pipe. The process is started with posix_spawn (no copy of this
// process's memory), so starting one per file stays cheap.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tervalo::import {

struct LimitedRun {
    enum class End {
        Exited,         // exitCode holds its status
        Killed,         // ended by a signal (a crash)
        TimedOut,       // killed after the time limit
        TooMuchOutput,  // killed when the answer grew too large
        NotStarted,     // the program could not be started
    };
    End end = End::NotStarted;
    int exitCode = -1;
    QByteArray output;

    bool exitedWith(int code) const { return end == End::Exited && exitCode == code; }
};

LimitedRun runLimited(const QString& program, const QStringList& arguments, int inputFd, int timeoutMs,
                      qsizetype maxOutput);

}  // namespace tervalo::import
