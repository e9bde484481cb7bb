#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <vector>

#include "data/ConnectionString.h"

namespace tervalo::test {

namespace {
std::vector<std::unique_ptr<QTemporaryDir>>& keptDirs() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    return dirs;
}
QString newTempDir() {
    keptDirs().push_back(std::make_unique<QTemporaryDir>());
    return keptDirs().back()->path();
}
}  // namespace

void prepareEnvironment() {
    setenv("LC_ALL", "C", 1);
    setenv("LANG", "C", 1);
    std::setlocale(LC_ALL, "C");
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString dir = newTempDir();
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv(var, dir.toLocal8Bit().constData(), 1);
    }
}

void useOffscreenScreen(int width, int height) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
    const QString config = newTempDir() + QStringLiteral("/screen.json");
    QFile file(config);
    const auto screen = QStringLiteral(R"({"screens": [{"name": "Offscreen", "width": %1, "height": %2}]})");
    if (!file.open(QIODevice::WriteOnly) || file.write(screen.arg(width).arg(height).toUtf8()) < 0) return;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}

QString databaseDir() {
    if (const char* d = std::getenv("TERVALO_DB_DIR")) return QString::fromLocal8Bit(d);
    return QStringLiteral(TERVALO_DEFAULT_DB_DIR);
}

QString fixturesDir() {
    if (const char* d = std::getenv("TERVALO_FIXTURES")) return QString::fromLocal8Bit(d);
    return QStringLiteral(TERVALO_DEFAULT_FIXTURES);
}

QString tempCopyOfDatabase(const QString& fileName) { return tempProgramDir({fileName}) + "/" + fileName; }

QString connectionToCopyOf(const QString& fileName) {
    return data::ConnectionString::forFile(tempProgramDir({fileName}), fileName);
}

QString tempProgramDir(const QStringList& fileNames) {
    const QString dir = newTempDir();
    for (const QString& f : fileNames) {
        QFile::copy(databaseDir() + "/" + f, dir + "/" + f);
        QFile::setPermissions(dir + "/" + f, QFile::ReadOwner | QFile::WriteOwner);
    }
    return dir;
}

}  // namespace tervalo::test
