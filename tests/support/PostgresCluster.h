#pragma once
// A throwaway PostgreSQL server for the tests that write into one: a cluster
// made with initdb in a temporary folder, listening on 127.0.0.1 at a free
// port, with one password user, stopped and removed on destruction. Under root
// the server runs as the "postgres" user (runuser). When the server programs
// are not installed, missing() names them and nothing is started.
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tervalo::test {

class PostgresCluster {
public:
    PostgresCluster();
    ~PostgresCluster();
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

    // The programs (or the user) that are missing, "" when all are there.
    QString missing() const { return m_missing; }
    // Why the server did not start ("" when it runs).
    QString failure() const { return m_failure; }
    bool running() const { return m_running; }

    int port() const { return m_port; }
    // Stops the server at once, as a machine that goes down would.
    void stop();
    // "Driver=QPSQL;Host=127.0.0.1;Port=...;Database=postgres;User=tervalo;Password=..."
    QString connectionString() const;
    static QString password();

private:
    bool run(const QString& program, const QStringList& arguments);

    QString m_bin;  // the folder of initdb and pg_ctl
    QString m_missing;
    QString m_failure;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_port = 0;
    bool m_asPostgres = false;
    bool m_running = false;
};

// A TCP port on 127.0.0.1 that nothing listens on at the moment.
int freeLocalPort();

}  // namespace tervalo::test
