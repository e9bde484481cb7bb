// Writing a file whole or not at all: a full disk, a folder that may not be
// written, a missing folder or a folder named as the file leave the old file
// as it was, and say why in words.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "platform/FileWriter.h"
#include "support/FullDisk.h"

using tervalo::platform::FileWriter;
using namespace tervalo::test;

namespace {

const QByteArray kOld(100 * 1024, 'o');

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void plant(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct WriteCase {
    const char* name;
    // Prepares the folder and returns the file to write ("" when it cannot be made here).
    std::function<QString(const QString& folder)> target;
    int kilobytes;       // written
    const char* reason;  // "" when written
    bool asAnotherUser = false;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class FileWriterTest : public ::testing::TestWithParam<WriteCase> {};

}  // namespace

TEST_P(FileWriterTest, WritesTheWholeFileOrLeavesTheOldOne) {
    QTemporaryDir dir;
    const QString path = GetParam().target(dir.path());
    if (path.isEmpty()) GTEST_SKIP() << "no full device can be made in " << dir.path().toStdString();
    const QByteArray data(GetParam().kilobytes * 1024, 'n');
    std::optional<QString> reason;
    {
        std::optional<AsAnotherUser> other;
        if (GetParam().asAnotherUser) other.emplace();
        reason = FileWriter::write(path, data);
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    const bool written = QString(GetParam().reason).isEmpty();
    EXPECT_EQ(reason.value_or(QString()).toStdString(), GetParam().reason);
    const QFileInfo file(path);
    if (file.isFile()) {
        EXPECT_TRUE(contentOf(path) == (written ? data : kOld));
    }
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              file.isFile() ? QStringList{file.fileName()} : QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FileWriterTest,
    ::testing::Values(WriteCase{"NewFile", [](const QString& d) { return d + "/new.rtf"; }, 300, ""},
                      WriteCase{"OverAnOldFile",
                                [](const QString& d) {
                                    plant(d + "/letter.rtf", kOld);
                                    return d + "/letter.rtf";
                                },
                                300, ""},
                      WriteCase{"OnAFullDisk", [](const QString& d) { return fullDiskFile(d); }, 1, "the disk is full"},
                      WriteCase{"IntoAMissingFolder", [](const QString& d) { return d + "/missing/x.rtf"; }, 1,
                                "the folder does not exist"},
                      WriteCase{"OntoAFolder", [](const QString& d) { return d; }, 1, "it is a folder"},
                      WriteCase{"IntoAFolderThatMayNotBeWritten",
                                [](const QString& d) {
                                    plant(d + "/letter.rtf", kOld);
                                    ::chmod(QFile::encodeName(d).constData(), 0555);
                                    return d + "/letter.rtf";
                                },
                                1, "you have no permission to write there", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A 1 MB disk holding a 100 KB letter: 2 MB saved over it leave the letter.
TEST(FileWriterOnASmallDisk, FullDiskLeavesTheOldFile) {
    QTemporaryDir dir;
    const SmallDisk disk(dir.path(), 1024);
    if (!disk.whyNot().isEmpty()) GTEST_SKIP() << disk.whyNot().toStdString();
    const QString letter = dir.filePath("letter.rtf");
    plant(letter, kOld);
    EXPECT_EQ(FileWriter::write(letter, QByteArray(2 * 1024 * 1024, 'n')).value_or(QString()).toStdString(),
              "the disk is full");
    EXPECT_TRUE(contentOf(letter) == kOld);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"letter.rtf"});
}
