#include "import/LimitedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <vector>

extern char** environ;

namespace tervalo::import {

namespace {

// Closes a descriptor however the run ends.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

LimitedRun runLimited(const QString& program, const QStringList& arguments, int inputFd, int timeoutMs,
                      qsizetype maxOutput) {
    LimitedRun run;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return run;
    Fd readEnd(ends[0]), writeEnd(ends[1]);

    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), inputFd, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(actions.get(), writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // A group of its own, so that a kill ends whatever it started as well.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, path.constData(), actions.get(), &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) return run;
    writeEnd.reset();  // so the pipe ends when the process does

    // The end of the process is watched too: it may close its output and
    // go on running. (Without a process descriptor, an old kernel, the wait
    // after the output ends has no limit.)
    Fd processEnd(int(::syscall(SYS_pidfd_open, pid, 0)));
    bool outputEnded = false, exited = processEnd.get() < 0;
    QElapsedTimer clock;
    clock.start();
    run.end = LimitedRun::End::Exited;
    char chunk[65536];
    while (!outputEnded || !exited) {
        pollfd watched[2];
        nfds_t count = 0;
        if (!outputEnded) watched[count++] = {readEnd.get(), POLLIN, 0};
        if (!exited) watched[count++] = {processEnd.get(), POLLIN, 0};
        const qint64 left = timeoutMs - clock.elapsed();
        const int ready = left > 0 ? ::poll(watched, count, int(left)) : 0;
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            run.end = LimitedRun::End::TimedOut;
            break;
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (!watched[i].revents) continue;
            if (watched[i].fd == processEnd.get()) {
                exited = true;
                continue;
            }
            const ssize_t n = ::read(readEnd.get(), chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                outputEnded = true;
            } else if (run.output.size() + n > maxOutput) {
                run.end = LimitedRun::End::TooMuchOutput;
            } else {
                run.output.append(chunk, n);
            }
        }
        if (run.end != LimitedRun::End::Exited) break;
    }
    if (run.end != LimitedRun::End::Exited) ::kill(-pid, SIGKILL);
    const int status = waitFor(pid);
    if (run.end == LimitedRun::End::Exited) {
        if (WIFEXITED(status)) {
            run.exitCode = WEXITSTATUS(status);
        } else {
            run.end = LimitedRun::End::Killed;
        }
    }
    return run;
}

}  // namespace tervalo::import
