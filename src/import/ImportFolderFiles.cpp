#include "import/ImportFolderFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <exception>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "import/DbfRecordReader.h"
#include "import/TextRecordReader.h"
#include "import/XlsRecordReader.h"

namespace tervalo::import {

namespace {

// A record file larger than this is not one a person made for the import.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Files read at once, at most.
constexpr unsigned kMaxThreads = 8;
// How long the reader that gives memory back waits for the consumer between looks.
constexpr std::chrono::microseconds kReleasePause{200};

ReadResult unreadable(const QString& why) {
    ReadResult result;
    result.problem = why;
    return result;
}

// Why a listed name is not a file the import can read: a folder, a FIFO or
// device, a link to nothing or a loop of links; "" when it is a regular file.
QString notAFile(int dirFd, const QByteArray& name) {
    struct stat st {};
    if (::fstatat(dirFd, name.constData(), &st, 0) == 0) {
        if (S_ISREG(st.st_mode)) return QString();
        return S_ISDIR(st.st_mode) ? QStringLiteral("it is a folder") : QStringLiteral("it is not a regular file");
    }
    if (errno == ELOOP) return QStringLiteral("it is a link in a loop of links");
    if (errno == ENOENT && ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return QStringLiteral("it is a link to a file that does not exist");
    return QStringLiteral("it cannot be opened");
}

// Opens a file of the folder for reading, without blocking as a FIFO would;
// -1 and the reason when it cannot be. An entry the listing did not see as a
// regular file is looked at first.
int openFile(int dirFd, const QString& name, bool listedAsFile, QString& why) {
    const QByteArray encoded = QFile::encodeName(name);
    if (!listedAsFile) why = notAFile(dirFd, encoded);
    if (!why.isEmpty()) return -1;
    const int fd = ::openat(dirFd, encoded.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) why = QStringLiteral("it cannot be opened");
    return fd;
}

QString tooLarge() { return QStringLiteral("it is larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024)); }

// The whole file; on failure the reason, and `bytes` stays empty.
ReadResult readBytes(int fd, QByteArray& bytes) {
    ReadResult result;
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            result = unreadable(QStringLiteral("it cannot be read"));
            break;
        }
        if (n == 0) break;
        if (bytes.size() + n > kMaxFileBytes) {
            result = unreadable(tooLarge());
            break;
        }
        bytes.append(chunk, n);
    }
    if (!result.ok()) bytes.clear();
    return result;
}

}  // namespace

ImportFolderFiles::~ImportFolderFiles() {
    if (m_dirFd >= 0) ::close(m_dirFd);
}

bool ImportFolderFiles::open(const QString& folder, ImportKind kind, const XlsReaderProcess& xlsReader) {
    m_kind = kind;
    m_xlsReader = xlsReader;
    if (folder.isEmpty()) return false;
    m_dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dirFd < 0) return false;
    DIR* dir = ::fdopendir(::dup(m_dirFd));
    if (!dir) return false;
    std::vector<std::pair<QString, ImportTable>> entries;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // Whatever passes the name tests: read() says why a folder or a link to nothing is not read.
        if (!passesExtension(kind, name)) continue;
        const std::optional<ImportTable> table = targetTable(name);
        if (!table) continue;
        entries.emplace_back(name, *table);
        if (entry->d_type != DT_REG) m_notListedAsFiles.insert(name);
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    m_names.reserve(qsizetype(entries.size()));
    m_tables.reserve(entries.size());
    for (auto& [name, table] : entries) {
        m_names.append(std::move(name));
        m_tables.push_back(table);
    }
    return true;
}

ReadResult ImportFolderFiles::read(const QString& name) const {
    QString why;
    const int fd = openFile(m_dirFd, name, !m_notListedAsFiles.contains(name), why);
    if (fd < 0) return unreadable(why);
    ReadResult result;
    if (m_kind == ImportKind::Excel) {
        // The workbook reader reads the file itself, from this descriptor.
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            result = unreadable(QStringLiteral("it is not a regular file"));
        else
            result = st.st_size > kMaxFileBytes ? unreadable(tooLarge()) : readXlsRecord(fd, m_xlsReader);
    } else {
        // A FIFO or folder put in a file's place since the listing fails to read.
        QByteArray bytes;
        result = readBytes(fd, bytes);
        if (result.ok()) result = m_kind == ImportKind::DBase ? readDbfRecords(bytes) : readTextRecord(bytes);
    }
    ::close(fd);
    return result;
}

void readInOrder(int count, const std::function<void(int)>& read, const std::function<void(int)>& consume,
                 const std::function<void(int)>& release) {
    const unsigned threads =
        std::min({kMaxThreads, std::max(1u, std::thread::hardware_concurrency()), unsigned(std::max(count, 0))});
    if (threads <= 1) {
        for (int i = 0; i < count; ++i) {
            read(i);
            consume(i);
            release(i);
        }
        return;
    }
    std::unique_ptr<std::atomic<bool>[]> done(new std::atomic<bool>[std::size_t(count)] {});
    std::atomic<int> next{0}, consumed{0}, released{0};
    std::atomic<bool> stop{false}, finished{false}, keeping{false};
    const auto releaseConsumed = [&] {
        for (int r = released.load(); r < consumed.load(std::memory_order_acquire);)
            if (released.compare_exchange_weak(r, r + 1)) {
                release(r);
                r = released.load();
            }
    };
    const auto reader = [&] {
        for (int i = next++; i < count && !stop; i = next++) {
            read(i);
            done[i].store(true, std::memory_order_release);
            done[i].notify_one();
            releaseConsumed();
        }
        // The reading is done: one reader stays to give back what the consumer is through with.
        if (keeping.exchange(true)) return;
        while (!finished) {
            releaseConsumed();
            std::this_thread::sleep_for(kReleasePause);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(reader);
    std::exception_ptr failure;
    try {
        for (int i = 0; i < count; ++i) {
            done[i].wait(false, std::memory_order_acquire);
            consume(i);
            consumed.store(i + 1, std::memory_order_release);
        }
    } catch (...) {
        failure = std::current_exception();
        stop = true;
    }
    finished = true;
    for (std::thread& t : pool)
        t.join();
    for (int r = released; r < consumed; ++r)
        release(r);
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tervalo::import
