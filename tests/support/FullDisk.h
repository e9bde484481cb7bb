#pragma once
// Where writing fails as on a user's machine: a file on which every write
// finds the disk full, a small disk that fills up, a spell as a user who may
// not write into root's folders, and a folder the user may not write.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace tervalo::test {

// As root a node of the kernel's full device in `folder` (a save that goes
// wrong then cannot replace the system's own), else /dev/full.
inline QString fullDiskFile(const QString& folder) {
    if (::geteuid() != 0) return QStringLiteral("/dev/full");
    const QString node = QDir(folder).filePath(QStringLiteral("full"));
    return ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, ::makedev(1, 7)) == 0 ? node : QString();
}

// A tmpfs of `kilobytes` on `folder` while this lives; whyNot() says why a test goes without.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kilobytes) : m_folder(QFile::encodeName(folder)) {
        const QByteArray size = "size=" + QByteArray::number(kilobytes) + "k";
        if (::geteuid() != 0)
            m_whyNot = "mounting a small disk needs root";
        else if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, size.constData()) != 0)
            m_whyNot = "this machine lets no test mount a tmpfs";
    }
    ~SmallDisk() {
        if (m_whyNot.isEmpty()) ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    QString whyNot() const { return m_whyNot; }

private:
    QByteArray m_folder;
    QString m_whyNot;
};

// Root may write anywhere: while this lives, the process acts as "nobody".
struct AsAnotherUser {
    AsAnotherUser() : wasRoot(::geteuid() == 0 && ::seteuid(65534) == 0) {}
    ~AsAnotherUser() {
        if (wasRoot) (void)::seteuid(0);
    }
    const bool wasRoot;
};

// While this lives, `folder` (inside a test's own temporary folder) is one the
// user may not write, mode 0555, while `file` in it stays the user's to write.
// As root the process acts as "nobody", who is given the file and let through
// the temporary folder.
class UnwritableFolder {
public:
    UnwritableFolder(const QString& folder, const QString& file) : m_folder(QFile::encodeName(folder)) {
        if (::geteuid() == 0) {
            const QByteArray above = QFile::encodeName(QFileInfo(folder).absolutePath());
            m_ready = ::chmod(above.constData(), 0711) == 0 &&
                      ::chown(QFile::encodeName(file).constData(), 65534, 65534) == 0;
        }
        m_ready = m_ready && ::chmod(m_folder.constData(), 0555) == 0;
        m_user.emplace();
    }
    ~UnwritableFolder() {
        m_user.reset();
        ::chmod(m_folder.constData(), 0755);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    bool ready() const { return m_ready; }

private:
    QByteArray m_folder;
    bool m_ready = true;
    std::optional<AsAnotherUser> m_user;
};

}  // namespace tervalo::test
