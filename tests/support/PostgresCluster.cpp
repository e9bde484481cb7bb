#include "support/PostgresCluster.h"

#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace tervalo::test {

namespace {

const QString kUser = QStringLiteral("tervalo");

// initdb and pg_ctl on the PATH, else in the newest /usr/lib/postgresql/N/bin.
QString serverBinFolder() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!onPath.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("pg_ctl")).isEmpty())
        return QFileInfo(onPath).absolutePath();
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    const QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& v : found) {
        const QString bin = versions.filePath(v + "/bin");
        if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl")) return bin;
    }
    return QString();
}

}  // namespace

int freeLocalPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

QString PostgresCluster::password() { return QStringLiteral("s3cret-pw"); }

PostgresCluster::PostgresCluster() {
    m_bin = serverBinFolder();
    if (m_bin.isEmpty()) {
        m_missing = QStringLiteral("initdb, pg_ctl");
        return;
    }
    const passwd* postgres = nullptr;
    if (::geteuid() == 0) {
        postgres = ::getpwnam("postgres");
        if (!postgres || QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty()) {
            m_missing = QStringLiteral("the postgres user and runuser (the server does not run as root)");
            return;
        }
        m_asPostgres = true;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    const QString dir = m_dir->path();
    QFile pw(dir + "/pw");
    pw.open(QIODevice::WriteOnly);
    pw.write(password().toUtf8() + '\n');
    pw.close();
    if (m_asPostgres) {
        for (const QString& path : {dir, dir + "/pw"})
            if (::chown(QFile::encodeName(path).constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
                m_failure = "cannot hand " + path + " to the postgres user";
                return;
            }
    }
    m_port = freeLocalPort();
    const QString data = dir + "/data";
    if (!run(m_bin + "/initdb", {"-D", data, "-U", kUser, "--pwfile=" + dir + "/pw", "-A", "scram-sha-256", "-E",
                                 "UTF8", "--locale=C", "--no-sync"}))
        return;
    const QString options =
        QStringLiteral("-c listen_addresses=127.0.0.1 -c fsync=off -p %1 -k %2").arg(m_port).arg(dir);
    m_running =
        run(m_bin + "/pg_ctl", {"-D", data, "-l", dir + "/server.log", "-w", "-t", "30", "-o", options, "start"});
}

PostgresCluster::~PostgresCluster() { stop(); }

void PostgresCluster::stop() {
    if (m_running) run(m_bin + "/pg_ctl", {"-D", m_dir->path() + "/data", "-m", "immediate", "-w", "stop"});
    m_running = false;
}

bool PostgresCluster::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    if (m_asPostgres)
        process.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--", program} + arguments);
    else
        process.start(program, arguments);
    const bool done =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!done)
        m_failure = program + " failed: " + QString::fromLocal8Bit(process.readAllStandardError()) +
                    QString::fromLocal8Bit(process.readAllStandardOutput());
    return done;
}

QString PostgresCluster::connectionString() const {
    return QStringLiteral("Driver=QPSQL;Host=127.0.0.1;Port=%1;Database=postgres;User=%2;Password=%3")
        .arg(m_port)
        .arg(kUser, password());
}

}  // namespace tervalo::test
