#include "warehouse/ImportFolderFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
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

bool isRegularFile(int dirFd, const dirent* entry) {
    if (entry->d_type == DT_REG) return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return false;
    struct stat st {};
    return ::fstatat(dirFd, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

// The whole file; on failure the reason, and `bytes` stays empty.
ReadResult readBytes(int dirFd, const QString& name, QByteArray& bytes) {
    const int fd = ::openat(dirFd, QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return unreadable(QStringLiteral("it cannot be opened"));
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
            result = unreadable(QStringLiteral("it is larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024)));
            break;
        }
        bytes.append(chunk, n);
    }
    ::close(fd);
    if (!result.ok()) bytes.clear();
    return result;
}

}  // namespace

ImportFolderFiles::~ImportFolderFiles() {
    if (m_dirFd >= 0) ::close(m_dirFd);
}

bool ImportFolderFiles::open(const QString& folder, ImportKind kind) {
    m_folder = folder;
    m_kind = kind;
    if (folder.isEmpty()) return false;
    m_dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dirFd < 0) return false;
    DIR* dir = ::fdopendir(::dup(m_dirFd));
    if (!dir) return false;
    std::vector<QString> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (!passesExtension(kind, name) || !targetTable(name)) continue;
        if (isRegularFile(m_dirFd, entry)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    m_names = QStringList(names.begin(), names.end());
    return true;
}

ReadResult ImportFolderFiles::read(const QString& name) const {
    // libfreexl opens the workbook itself.
    if (m_kind == ImportKind::Excel) return readXlsRecord(m_folder + '/' + name);
    QByteArray bytes;
    ReadResult failed = readBytes(m_dirFd, name, bytes);
    if (!failed.ok()) return failed;
    return m_kind == ImportKind::DBase ? readDbfRecords(bytes) : readTextRecord(bytes);
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
