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

// What a failed QSaveFile call left: the system's error number when it set one.
QString failureOf(const QFileDevice& file, int errorNumber) {
    if (errorNumber != 0) return FileWriter::reason(errorNumber);
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
    if (!file.open(QIODevice::WriteOnly)) return failureOf(file, errno);
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
    if (!file.commit()) return failureOf(file, errno);
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
