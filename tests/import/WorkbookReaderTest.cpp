// The workbook reader's process: its system-call filter, and that the reader
// the import starts runs under it and ends with the program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "ReaderSandbox.h"
#include "import/XlsRecordReader.h"

namespace tervalo::import {
namespace {

struct CallCase {
    const char* name;
    std::function<void(const char* file, const char* other)> call;
    bool allowed = false;
};

// Each call in a child under the filter: a forbidden one ends the child with
// SIGSYS before it changes anything.
TEST(ReaderSandbox, ForbiddenCallsEndTheProcess) {
    const CallCase cases[] = {
        {"open for reading", [](auto f, auto) { ::close(::open(f, O_RDONLY | O_CLOEXEC)); }, true},
        {"open for writing", [](auto f, auto) { ::open(f, O_WRONLY); }},
        {"open for reading and writing", [](auto f, auto) { ::open(f, O_RDWR); }},
        {"open to create", [](auto, auto o) { ::open(o, O_RDONLY | O_CREAT, 0600); }},
        {"open to truncate", [](auto f, auto) { ::open(f, O_RDONLY | O_TRUNC); }},
        {"unlink", [](auto f, auto) { ::unlink(f); }},
        {"rename", [](auto f, auto o) { ::rename(f, o); }},
        {"socket", [](auto, auto) { ::socket(AF_INET, SOCK_STREAM, 0); }},
        {"connect",
         [](auto, auto) {
             const sockaddr_in to{AF_INET, htons(80), {htonl(INADDR_LOOPBACK)}, {}};
             ::connect(0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
         }},
        {"execve",
         [](auto, auto) {
             char* const argv[] = {nullptr};
             ::execve("/bin/true", argv, argv);
         }},
        {"ptrace", [](auto, auto) { ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr); }},
    };
    const QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath("kept")), other = QFile::encodeName(dir.filePath("new"));
    for (const CallCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QString::fromLocal8Bit(other));
        QFile kept(QString::fromLocal8Bit(file));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();
        const pid_t child = ::fork();
        if (child == 0) {
            if (!xlsreader::installReaderSandbox()) ::_exit(2);
            c.call(file.constData(), other.constData());
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (c.allowed)
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        else
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSYS) << status;
        EXPECT_EQ(kept.size(), 4);
        EXPECT_FALSE(QFile::exists(QString::fromLocal8Bit(other)));
    }
}

// What /proc says of a process ("" once it is gone).
QByteArray procFile(pid_t pid, const QString& name) {
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename Condition>
bool waitFor(Condition condition) {
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QThread::msleep(5);
    return condition();
}

// The reader started for a workbook that never comes (its input a pipe left
// open): it waits under its filter, and dies when the importing process does.
TEST(WorkbookReader, RunsFilteredAndEndsWithTheProgram) {
    const XlsReaderProcess reader{QCoreApplication::applicationDirPath() + "/tervalo-xls-reader", {}, 60000};
    int input[2];
    ASSERT_EQ(::pipe2(input, O_CLOEXEC), 0);
    const pid_t importing = ::fork();
    if (importing == 0) {
        ::close(input[1]);
        readXlsRecord(input[0], reader);
        ::_exit(0);
    }
    ::close(input[0]);
    const QString children = QStringLiteral("task/%1/children").arg(importing);
    pid_t child = 0;
    EXPECT_TRUE(waitFor([&] { return (child = procFile(importing, children).trimmed().toInt()) > 0; }));
    EXPECT_TRUE(waitFor([&] { return procFile(child, "status").contains("Seccomp:\t2"); }));
    EXPECT_TRUE(procFile(child, "status").contains("NoNewPrivs:\t1"));
    ::kill(importing, SIGKILL);
    ::waitpid(importing, nullptr, 0);
    // The pipe's last reader gone, its writing end reports an error.
    pollfd end{input[1], 0, 0};
    EXPECT_EQ(::poll(&end, 1, 10000), 1);
    EXPECT_TRUE(end.revents & POLLERR);
    if (!(end.revents & POLLERR) && child > 0) ::kill(child, SIGKILL);
    ::close(input[1]);
}

}  // namespace
}  // namespace tervalo::import
