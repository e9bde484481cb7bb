#pragma once
// Places where writing fails as it does on a user's machine: a file on which
// every write finds the disk full, a small disk of its own that fills up, and
// a spell as a user who may not write into root's folders.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>

namespace tervalo::test {

// A file whose every write fails with "no space left on device": a node of
// the kernel's full device in `folder` (as root; a test that goes wrong then
// cannot replace the system's own /dev/full), else /dev/full itself.
inline QString fullDiskFile(const QString& folder) {
    if (::geteuid() != 0) return QStringLiteral("/dev/full");
    const QString node = QDir(folder).filePath(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, ::makedev(1, 7)) != 0) return QString();
    return node;
}

// A tmpfs of `kilobytes` mounted on `folder` while this lives; mounting needs
// root, so whyNot() says why a test has to do without it.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kilobytes) : m_folder(QFile::encodeName(folder)) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::geteuid() != 0)
            m_whyNot = "mounting a small disk needs root";
        else if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) != 0)
            m_whyNot = "this machine lets no test mount a tmpfs";
    }
    ~SmallDisk() {
        if (m_whyNot.isEmpty()) ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    QString whyNot() const { return m_whyNot; }

private:
    QByteArray m_folder;
    QString m_whyNot;
};

// Root may write anywhere: while this lives, the process acts as "nobody".
class AsAnotherUser {
public:
    AsAnotherUser() : m_wasRoot(::geteuid() == 0) {
        if (m_wasRoot && ::seteuid(65534) != 0) m_wasRoot = false;
    }
    ~AsAnotherUser() {
        if (m_wasRoot) (void)::seteuid(0);
    }
    AsAnotherUser(const AsAnotherUser&) = delete;
    AsAnotherUser& operator=(const AsAnotherUser&) = delete;

private:
    bool m_wasRoot;
};

}  // namespace tervalo::test
