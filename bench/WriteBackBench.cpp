// The write-back of N (s,S) items into a table of N rows, all items in one
// transaction, every value bound as a number: the time of one whole run, the
// connection and the log included, into an SQLite file (a copy of
// NWRetail.mdb with the rows added) and into a table of a throwaway PostgreSQL
// server (skipped when the server programs are not installed).
//
// Beside each, its floor, the same rows written by the database's own C
// interface in the same run: for SQLite one prepared UPDATE stepped per row;
// for PostgreSQL one UPDATE ... FROM (VALUES ...) per 1,000 rows through
// libpq. Each reports "peak_MB", the process's peak resident memory so far,
// and "before_MB", that peak before its first run (the items and the table
// made): run one size alone to read a size's own peak.
//
// Run: build/<dir>/bin/bench_WriteBackBench --benchmark_enable_random_interleaving=true
// (10,000 items: the run and its floor interleaved, ten repetitions), or
// --benchmark_filter='/1000000/' for one scale size.
#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <QFile>
#include <QList>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "jobs/WriteBackRun.h"
#include "support/PostgresCluster.h"
#include "support/TestEnvironment.h"

using namespace tervalo;

namespace {

constexpr int kFirstId = 1000;
constexpr int kRowsPerStatement = 1000;

int orderQty(int i) { return 20 + i % 50; }
int reorderPoint(int i) { return 5 + i % 7; }

class SilentJob : public jobs::JobControl {
public:
    bool cancelled() const override { return false; }
    void appendLog(const QString& text) override { logged += text.size(); }
    void setProgress(int, int) override {}
    void show(const core::CheckMessage&) override {}
    qsizetype logged = 0;
};

double peakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// `before`: the peak once the items were made, before the first run.
void reportPeak(benchmark::State& state, int items, double before) {
    state.counters["items"] = items;
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["before_MB"] = before;
}

QList<jobs::WriteBackItem> items(int count) {
    QList<jobs::WriteBackItem> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("Item %1").arg(kFirstId + i), QString::number(kFirstId + i), double(orderQty(i)),
                     double(reorderPoint(i)), false});
    return list;
}

jobs::WriteBackTarget target(const QString& cnnString, const QString& table) {
    return {cnnString, table, "ReorderLevel", "UnitsOnOrder", "ProductID", "Numeric", "Numeric", "Numeric"};
}

void runAll(benchmark::State& state, const jobs::WriteBackTarget& to, const QList<jobs::WriteBackItem>& all) {
    SilentJob job;
    const auto result = jobs::runWriteBack(
        to, all, 0, [] { return jobs::WriteBackChoice::AllItems; }, job);
    if (!result.committed || result.rowsChanged != all.size()) state.SkipWithError("the run did not write every item");
    benchmark::DoNotOptimize(job.logged);
}

// ---- SQLite ----------------------------------------------------------------

// A copy of NWRetail.mdb whose Products holds `count` more rows, made once a size.
QString sqliteFile(int count) {
    static std::map<int, QString> files;
    auto& file = files[count];
    if (file.isEmpty()) {
        file = test::tempCopyOfDatabase(QStringLiteral("NWRetail.mdb"));
        data::Connection cnn;
        cnn.open("Data Source=" + file);
        cnn.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                   "INSERT INTO Products (ProductID, ProductName, UnitsOnOrder, ReorderLevel) "
                                   "SELECT i, 'Item ' || i, 0, 0 FROM n"),
                    {kFirstId, kFirstId + count - 1});
    }
    return file;
}

void BM_WriteBackSqlite(benchmark::State& state) {
    const int count = int(state.range(0));
    const auto to = target("Data Source=" + sqliteFile(count), "Products");
    const auto all = items(count);
    const double before = peakMegabytes();
    for (auto _ : state)
        runAll(state, to, all);
    reportPeak(state, count, before);
}

// The floor: the same rows through SQLite's C interface, in one transaction.
void BM_WriteBackSqliteFloor(benchmark::State& state) {
    const int count = int(state.range(0));
    const QByteArray file = QFile::encodeName(sqliteFile(count));
    const double before = peakMegabytes();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(db, "UPDATE Products SET UnitsOnOrder = ?, ReorderLevel = ? WHERE ProductID = ?", -1,
                           &update, nullptr);
        int changed = 0;
        for (int i = 0; i < count; ++i) {
            sqlite3_bind_int64(update, 1, orderQty(i));
            sqlite3_bind_int64(update, 2, reorderPoint(i));
            sqlite3_bind_int64(update, 3, kFirstId + i);
            if (sqlite3_step(update) == SQLITE_DONE) changed += sqlite3_changes(db);
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK || changed != count)
            state.SkipWithError("the floor did not write every row");
        sqlite3_close(db);
    }
    reportPeak(state, count, before);
}

// ---- PostgreSQL --------------------------------------------------------------

// The throwaway server with a table ProductsN of N rows a size; null when the
// server cannot run here.
class Server {
public:
    static Server* get() {
        static std::unique_ptr<Server> server = [] {
            auto s = std::make_unique<Server>();
            return s->m_cluster.running() ? std::move(s) : nullptr;
        }();
        return server.get();
    }

    QString cnnString() const { return m_cluster.connectionString(); }

    QString table(int count) {
        const QString name = QStringLiteral("Products%1").arg(count);
        if (m_made.insert(count).second) {
            data::Connection cnn;
            cnn.open(cnnString());
            cnn.execute("CREATE TABLE " + name +
                        " (ProductID INTEGER PRIMARY KEY, ProductName TEXT, UnitsOnOrder INTEGER, "
                        "ReorderLevel INTEGER)");
            cnn.execute("INSERT INTO " + name +
                            " SELECT i, 'Item ' || i, 0, 0 FROM generate_series(CAST(? AS integer), "
                            "CAST(? AS integer)) AS i",
                        {kFirstId, kFirstId + count - 1});
            cnn.execute("ANALYZE " + name);  // the planner knows the table's size, as a live one's
        }
        return name;
    }

    // Keeps the table as a freshly written one, so that repetitions do not
    // measure a table full of dead rows.
    void vacuum(const QString& table) {
        data::Connection cnn;
        cnn.open(cnnString());
        cnn.execute("VACUUM " + table);
    }

private:
    test::PostgresCluster m_cluster;
    std::set<int> m_made;
};

void BM_WriteBackPostgres(benchmark::State& state) {
    Server* server = Server::get();
    if (!server) return state.SkipWithError("no PostgreSQL server");
    const int count = int(state.range(0));
    const QString table = server->table(count);
    const auto to = target(server->cnnString(), table);
    const auto all = items(count);
    const double before = peakMegabytes();
    for (auto _ : state) {
        runAll(state, to, all);
        state.PauseTiming();
        server->vacuum(table);
        state.ResumeTiming();
    }
    reportPeak(state, count, before);
}

PGconn* connectWithLibpq(const QString& cnnString) {
    const data::ConnectionString cs = data::ConnectionString::parse(cnnString);
    const std::string info =
        QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5")
            .arg(cs.value("Host"), cs.value("Port"), cs.value("Database"), cs.value("User"), cs.value("Password"))
            .toStdString();
    return PQconnectdb(info.c_str());
}

bool commandOk(PGconn* pg, PGresult* result, int* changed = nullptr) {
    const ExecStatusType status = PQresultStatus(result);
    if (changed) *changed += std::atoi(PQcmdTuples(result));
    PQclear(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

// The floor: one UPDATE ... FROM (VALUES ...) per 1,000 rows, through libpq, in one transaction.
void BM_WriteBackPostgresFloor(benchmark::State& state) {
    Server* server = Server::get();
    if (!server) return state.SkipWithError("no PostgreSQL server");
    const int count = int(state.range(0));
    const QString table = server->table(count);
    const double before = peakMegabytes();
    for (auto _ : state) {
        PGconn* pg = connectWithLibpq(server->cnnString());
        bool ok = PQstatus(pg) == CONNECTION_OK && commandOk(pg, PQexec(pg, "BEGIN"));
        int changed = 0;
        std::vector<std::string> texts;
        std::vector<const char*> values;
        for (int first = 0; ok && first < count; first += kRowsPerStatement) {
            const int rows = std::min(kRowsPerStatement, count - first);
            std::string sql =
                "UPDATE " + table.toStdString() + " AS t SET UnitsOnOrder = v.u, ReorderLevel = v.r FROM (VALUES ";
            texts.clear();
            for (int r = 0; r < rows; ++r) {
                const int i = first + r, p = 3 * r;
                sql += (r ? ", " : "") + ("(CAST($" + std::to_string(p + 1) + " AS integer), CAST($") +
                       std::to_string(p + 2) + " AS integer), CAST($" + std::to_string(p + 3) + " AS integer))";
                texts.push_back(std::to_string(kFirstId + i));
                texts.push_back(std::to_string(orderQty(i)));
                texts.push_back(std::to_string(reorderPoint(i)));
            }
            sql += ") AS v(k, u, r) WHERE t.ProductID = v.k";
            values.clear();
            for (const std::string& t : texts)
                values.push_back(t.c_str());
            ok = commandOk(
                pg, PQexecParams(pg, sql.c_str(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0),
                &changed);
        }
        ok = ok && commandOk(pg, PQexec(pg, "COMMIT"));
        PQfinish(pg);
        if (!ok || changed != count) state.SkipWithError("the floor did not write every row");
        state.PauseTiming();
        server->vacuum(table);
        state.ResumeTiming();
    }
    reportPeak(state, count, before);
}

// Size by size, the run beside its floor: the goal's size repeated, the
// others a few times or once.
struct Size {
    int items, iterations, repetitions;
};
constexpr Size kSizes[] = {{10000, 3, 10}, {1000, 10, 3}, {100000, 1, 3}, {1000000, 1, 1}};

const bool kRegistered = [] {
    const std::pair<const char*, void (*)(benchmark::State&)> benches[] = {
        {"BM_WriteBackSqlite", BM_WriteBackSqlite},
        {"BM_WriteBackSqliteFloor", BM_WriteBackSqliteFloor},
        {"BM_WriteBackPostgres", BM_WriteBackPostgres},
        {"BM_WriteBackPostgresFloor", BM_WriteBackPostgresFloor}};
    for (const Size& size : kSizes)
        for (const auto& [name, bench] : benches)
            benchmark::RegisterBenchmark(name, bench)
                ->Arg(size.items)
                ->Iterations(size.iterations)
                ->Repetitions(size.repetitions)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    return true;
}();

}  // namespace
