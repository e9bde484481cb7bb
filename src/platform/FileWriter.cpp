#include "platform/FileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tervalo::platform {

namespace {

// Writes all of `data` to the descriptor: 0 when done, else the error number.
// A short write is carried on, so the call that fails names its cause.
int writeAll(int fd, const QByteArray& data) {
    const char* next = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

// Why `path` could not be made: the system's error number, said of the place.
// A folder that is there yet makes no new file (/proc) answers "no such file"
// as a missing one does.
QString openFailure(const QString& path, int errorNumber) {
    if (errorNumber == ENOENT) {
        const QFileInfo target(path);
        const QFileInfo folder(target.isSymLink() ? target.symLinkTarget() : target.absoluteFilePath());
        if (folder.absoluteDir().exists()) return QStringLiteral("no new file can be made in that folder");
    }
    return FileWriter::reason(errorNumber);
}

// What a failed QSaveFile call left: the system's error number when it set one.
QString failureOf(const QString& path, const QFileDevice& file, int errorNumber) {
    if (errorNumber != 0) return openFailure(path, errorNumber);
    if (file.error() == QFileDevice::ResourceError) return FileWriter::reason(ENOSPC);
    return file.errorString();
}

// Every piece in turn: 0 when all are written, else the error number.
int writePieces(int fd, const std::function<QByteArray()>& nextPiece) {
    for (QByteArray piece = nextPiece(); !piece.isEmpty(); piece = nextPiece()) {
        if (const int error = writeAll(fd, piece)) return error;
    }
    return 0;
}

// All of the file open at `fd`: 0 when read, else the error number.
int readAll(int fd, QByteArray& into) {
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        into.append(block, got);
    }
}

// The old bytes at the start of the file again, and nothing after them.
bool putBack(int fd, const QByteArray& old) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, old) == 0 && ::ftruncate(fd, off_t(old.size())) == 0;
}

// The file written where it stands, for a folder that takes no temporary file
// beside it. Its old bytes are kept aside and put back when a write fails:
// the file is never cut short first, so they fit where they were.
std::optional<QString> rewriteInPlace(const QString& path, const std::function<QByteArray()>& nextPiece) {
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    const bool readable = fd >= 0;
    // A file the user may write but not read is written without a copy.
    if (!readable && errno == EACCES) fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileWriter::reason(errno);
    QByteArray old;
    int error = readable ? readAll(fd, old) : 0;
    if (error == 0 && ::lseek(fd, 0, SEEK_SET) != 0) error = errno;
    if (error == 0) error = writePieces(fd, nextPiece);
    if (error == 0) {
        const off_t written = ::lseek(fd, 0, SEEK_CUR);
        if (written < 0 || ::ftruncate(fd, written) != 0 || (::fsync(fd) != 0 && errno != EINVAL)) error = errno;
    }
    if (error != 0 && readable) putBack(fd, old);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return FileWriter::reason(error);
    return std::nullopt;
}

std::optional<QString> writeInPlace(const QString& path, const std::function<QByteArray()>& nextPiece) {
    // Opened without waiting: a pipe that nobody reads is refused at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileWriter::reason(errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int error = writePieces(fd, nextPiece);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return FileWriter::reason(error);
    return std::nullopt;
}

}  // namespace

std::optional<QString> FileWriter::write(const QString& path, const QByteArray& data) {
    bool given = false;
    return write(path, [&data, &given] { return std::exchange(given, true) ? QByteArray() : data; });
}

std::optional<QString> FileWriter::write(const QString& path, const std::function<QByteArray()>& nextPiece) {
    const QFileInfo target(path);
    if (target.isDir()) return reason(EISDIR);
    if (target.exists() && !target.isFile()) return writeInPlace(path, nextPiece);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        // No temporary file in a folder the user may not write: a file there
        // that the user may write is written in place (else its own refusal).
        if ((error == EACCES || error == EPERM) && target.isFile()) return rewriteInPlace(path, nextPiece);
        return failureOf(path, file, error);
    }
    // Written below QSaveFile's own write(), which takes a block that reached
    // the disk only in part for a whole one and would commit a cut file.
    int error = writePieces(int(file.handle()), nextPiece);
    // A disk that finds itself full only when the data reaches it says so here.
    if (error == 0 && ::fsync(int(file.handle())) != 0 && errno != EINVAL) error = errno;
    if (error != 0) {
        file.cancelWriting();
        return reason(error);
    }
    errno = 0;
    if (!file.commit()) return failureOf(path, file, errno);
    return std::nullopt;
}

QString FileWriter::failureMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The file %1 could not be saved: %2.").arg(QDir::toNativeSeparators(path), reason);
}

QString FileWriter::reason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("the disk is full");
        case EACCES:
        case EPERM:
            return QStringLiteral("you have no permission to write there");
        case EROFS:
            return QStringLiteral("the disk is read-only");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("the folder does not exist");
        case EISDIR:
            return QStringLiteral("it is a folder");
        case ENAMETOOLONG:
            return QStringLiteral("the name is too long");
        case EFBIG:
            return QStringLiteral("the file is too large");
        case EIO:
            return QStringLiteral("the disk reported an error");
        default:
            return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

}  // namespace tervalo::platform
