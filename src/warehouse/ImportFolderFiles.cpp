#include "warehouse/ImportFolderFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

#include "warehouse/DbfRecordReader.h"
#include "warehouse/TextRecordReader.h"
#include "warehouse/XlsRecordReader.h"

namespace tervalo::warehouse {

namespace {

// A record file larger than this is not one a person made for the import.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Files read at once, at most.
constexpr unsigned kMaxThreads = 8;

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
    std::vector<QString> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // Whatever passes the name tests: read() says why a folder or a link to nothing is not read.
        if (!passesExtension(kind, name) || !targetTable(name)) continue;
        names.push_back(name);
        if (entry->d_type != DT_REG) m_notListedAsFiles.insert(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    m_names = QStringList(names.begin(), names.end());
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

void runInParallel(int count, const std::function<void(int)>& work) {
    const unsigned threads =
        std::min({kMaxThreads, std::max(1u, std::thread::hardware_concurrency()), unsigned(count)});
    if (threads <= 1) {
        for (int i = 0; i < count; ++i)
            work(i);
        return;
    }
    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool)
        t.join();
}

}  // namespace tervalo::warehouse
