// The batch analysis of N items (1,000 to 1,000,000), each with five years
// of monthly sales (a copy of Demo.mdb whose warehouse holds just those
// items; one in three a single-period item), end to end: the connection of
// its own, the items and their sales in one ordered pass, the regression and
// the model per item, the Items updates and s_S rows, the commit.
//
//   BM_AllItemsJob/N             the job on the calling thread, its log kept
//                                in a log file as the log window's runner keeps it
//   BM_AllItemsInTheLogWindow/N  the whole command as the user starts it: on
//                                the worker thread with the log window
//                                following, until its end is told
//   BM_SameSqlThroughSqlite/N    the floor: the same statements through the
//                                SQLite C interface alone, in one transaction,
//                                with values of the same kinds bound and no
//                                analysis (bounds of the sales, fixed texts)
//
// Each iteration starts from a fresh copy of the file (not timed).
// peak_RSS_MB is the process's peak resident memory during the benchmark
// (VmHWM, reset before its first iteration). Run one benchmark at a time for
// its own peak, with repetitions for the spread, e.g. (one line)
//   build/<dir>/bin/bench_BatchBench --benchmark_filter='/10000$'
//       --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "data/Connection.h"
#include "jobs/BatchJob.h"
#include "jobs/LogFile.h"
#include "stochastic/SinglePeriodCalculator.h"
#include "support/BulkWarehouseRows.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/runs/BatchAnalysis.h"

using namespace tervalo;

namespace {

const QDate kDay(2026, 12, 7);

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// The peak resident memory since the last reset, in MB.
double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
}

void resetPeakResidentMemory() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// The warehouse of `items` items, made once per size.
QString preparedFile(int items) {
    static std::map<int, QString> files;
    auto made = files.find(items);
    if (made != files.end()) return made->second;
    const QString path = folder().filePath(QStringLiteral("prepared%1.mdb").arg(items));
    QFile::copy(test::tempCopyOfDatabase(QStringLiteral("Demo.mdb")), path);
    data::Connection cnn;
    cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
    for (const char* table : {"Items", "Sales", "SalesWeekly", "s_S"})
        cnn.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    test::addNumberedItems(cnn, items);
    test::addFiveYearsOfSales(cnn);
    cnn.execute(QStringLiteral("VACUUM"));
    return files.emplace(items, path).first->second;
}

// A fresh copy of the prepared warehouse; the copy before it is gone.
QString freshCopy(int items) {
    static QString previous;
    if (!previous.isEmpty()) QFile::remove(previous);
    previous = folder().filePath(QStringLiteral("run.mdb"));
    QFile::remove(previous);
    QFile::copy(preparedFile(items), previous);
    return previous;
}

QString connectionTo(const QString& file) { return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file; }

// The job's side as the log window's runner gives it: the log in a log file.
class FileLogControl : public jobs::JobControl {
public:
    bool cancelled() const override { return false; }
    void appendLog(const QString& text) override { log.append(text); }
    void setProgress(int, int) override {}
    void show(const core::CheckMessage& message) override { messages += QString::fromStdString(message.text); }
    jobs::LogFile log;
    QStringList messages;
};

// Every item has its s_S row and its figures.
void checkEveryItemWritten(benchmark::State& state, const QString& file, int items) {
    data::Connection cnn;
    cnn.open(connectionTo(file));
    QSqlQuery q = cnn.run(
        QStringLiteral("SELECT (SELECT count(*) FROM s_S), (SELECT count(*) FROM Items WHERE OrderQty IS NOT NULL)"));
    if (!q.next() || q.value(0).toInt() != items || q.value(1).toInt() != items)
        state.SkipWithError("an item without its row or its figures");
}

void BM_AllItemsJob(benchmark::State& state) {
    const int items = int(state.range(0));
    const stochastic::WindowlessSinglePeriod calculator;
    freshCopy(items);
    resetPeakResidentMemory();
    for (auto _ : state) {
        state.PauseTiming();
        const QString file = freshCopy(items);
        jobs::BatchJobSettings settings{connectionTo(file), kDay};
        auto control = std::make_unique<FileLogControl>();
        state.ResumeTiming();
        const jobs::BatchJobResult result = jobs::runAllItems(settings, calculator, *control);
        state.PauseTiming();
        if (!result.saved) state.SkipWithError(qPrintable(control->log.lines(control->log.lineCount() - 4, 4)));
        if (!control->messages.isEmpty()) state.SkipWithError(qPrintable(control->messages.first()));
        control.reset();
        checkEveryItemWritten(state, file, items);
        state.ResumeTiming();
    }
    state.counters["peak_RSS_MB"] = peakResidentMegabytes();
    state.counters["items"] = items;
}

void BM_AllItemsInTheLogWindow(benchmark::State& state) {
    const int items = int(state.range(0));
    const stochastic::WindowlessSinglePeriod calculator;
    freshCopy(items);
    resetPeakResidentMemory();
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<test::WindowTestContext>(false);
        t->cnn.open(connectionTo(freshCopy(items)));
        warehouse::registerWarehouseWindows(t->ctx, calculator);
        auto batch = std::make_unique<warehouse::BatchAnalysis>(t->ctx, calculator);
        std::optional<warehouse::BatchOutcome> outcome;
        state.ResumeTiming();
        batch->startAll([&outcome](const warehouse::BatchOutcome& o) { outcome = o; });
        while (!outcome)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        if (!outcome->saved) state.SkipWithError("not saved");
        batch.reset();
        t.reset();
        state.ResumeTiming();
    }
    state.counters["peak_RSS_MB"] = peakResidentMegabytes();
    state.counters["items"] = items;
}

// ---- the floor: the same SQL through the SQLite C interface ---------------------------

class Sqlite {
public:
    explicit Sqlite(const QString& file) {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~Sqlite() { sqlite3_close(m_db); }
    void exec(const char* sql) {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) m_failed = true;
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) m_failed = true;
        return statement;
    }
    void run(sqlite3_stmt* statement) {
        if (sqlite3_step(statement) != SQLITE_DONE) m_failed = true;
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    bool failed() const { return m_failed; }

private:
    sqlite3* m_db = nullptr;
    bool m_failed = false;
};

// The rows of a sales pass that belong to the item `key`: their lowest and
// highest cell.
struct FloorPass {
    sqlite3_stmt* statement;
    bool onRow;
    void bounds(const unsigned char* key, int keyLength, double& low, double& high) {
        while (onRow && sqlite3_column_bytes(statement, 0) == keyLength &&
               std::memcmp(sqlite3_column_text(statement, 0), key, size_t(keyLength)) == 0) {
            for (int i = 3; i < sqlite3_column_count(statement); ++i) {
                if (sqlite3_column_type(statement, i) == SQLITE_NULL) continue;
                const double cell = sqlite3_column_double(statement, i);
                low = std::min(low, cell);
                high = std::max(high, cell);
            }
            onRow = sqlite3_step(statement) == SQLITE_ROW;
        }
    }
};

void bindText(sqlite3_stmt* statement, int index, const char* text) {
    sqlite3_bind_text(statement, index, text, -1, SQLITE_TRANSIENT);
}

void bindColumnText(sqlite3_stmt* statement, int index, sqlite3_stmt* from, int column) {
    sqlite3_bind_text(statement, index, reinterpret_cast<const char*>(sqlite3_column_text(from, column)),
                      sqlite3_column_bytes(from, column), SQLITE_TRANSIENT);
}

bool sameSqlThroughSqlite(const QString& file) {
    Sqlite db(file);
    db.exec("PRAGMA cache_size = -65536");
    db.exec("BEGIN");
    sqlite3_stmt* count = db.prepare("SELECT count(*) FROM \"Items\"");
    sqlite3_step(count);
    sqlite3_finalize(count);
    sqlite3_stmt* items = db.prepare(
        "SELECT \"ItemID\", \"Item\", \"UnitCost\", \"TimeUnit\", \"HoldingCost\", \"ShortageCost\", \"OrderCost\", "
        "\"SinglePeriod\", \"ReorderPoint\", \"OrderQty\" FROM \"Items\" ORDER BY \"ItemID\"");
    FloorPass monthly{db.prepare("SELECT i.\"ItemID\", s.* FROM \"Items\" AS i JOIN \"Sales\" AS s ON s.\"ItemID\" = "
                                 "i.\"ItemID\" ORDER BY i.\"ItemID\""),
                      false};
    FloorPass weekly{db.prepare("SELECT i.\"ItemID\", s.* FROM \"Items\" AS i JOIN \"SalesWeekly\" AS s ON "
                                "s.\"ItemID\" = i.\"ItemID\" ORDER BY i.\"ItemID\""),
                     false};
    monthly.onRow = sqlite3_step(monthly.statement) == SQLITE_ROW;
    weekly.onRow = sqlite3_step(weekly.statement) == SQLITE_ROW;
    sqlite3_stmt* singlePeriodRow = db.prepare(
        "INSERT INTO \"s_S\" (\"Date\", \"ItemName\", \"ProblemID\", \"DemandID\", \"LDemand\", \"UDemand\", "
        "\"ItemCost\", \"HoldingCost\", \"ShortageCost\", \"OrderQty\", \"TItemCost\", \"THoldingCost\", "
        "\"TShortageCost\", \"TotalCost\", \"ModelID\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt* ssRow = db.prepare(
        "INSERT INTO \"s_S\" (\"Date\", \"ItemName\", \"ProblemID\", \"DemandID\", \"LDemand\", \"UDemand\", "
        "\"ItemCost\", \"HoldingCost\", \"ShortageCost\", \"SetupCost\", \"OrderQty\", \"ReorderPoint\", "
        "\"TItemCost\", \"THoldingCost\", \"TShortageCost\", \"TSetupCost\", \"TotalCost\", \"ModelID\") "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt* orderQty = db.prepare("UPDATE \"Items\" SET \"OrderQty\" = ? WHERE \"ItemID\" = ?");
    sqlite3_stmt* bothFigures =
        db.prepare("UPDATE \"Items\" SET \"OrderQty\" = ?, \"ReorderPoint\" = ? WHERE \"ItemID\" = ?");
    char low[32], high[32], s2[32], s1[32];
    while (sqlite3_step(items) == SQLITE_ROW) {
        const unsigned char* key = sqlite3_column_text(items, 0);
        const int keyLength = sqlite3_column_bytes(items, 0);
        double a = 1e300, b = -1e300;
        monthly.bounds(key, keyLength, a, b);
        weekly.bounds(key, keyLength, a, b);
        const bool singlePeriod = sqlite3_column_int(items, 7) != 0;
        std::snprintf(low, sizeof low, "%.15g", a);
        std::snprintf(high, sizeof high, "%.15g", b);
        std::snprintf(s2, sizeof s2, " %d", int(b));
        std::snprintf(s1, sizeof s1, " %d", int(a));
        sqlite3_stmt* row = singlePeriod ? singlePeriodRow : ssRow;
        int i = 0;
        bindText(row, ++i, "2026-12-07");
        bindColumnText(row, ++i, items, 1);
        sqlite3_bind_int(row, ++i, singlePeriod ? 2 : 1);
        sqlite3_bind_int(row, ++i, 1);
        bindText(row, ++i, low);
        bindText(row, ++i, high);
        bindColumnText(row, ++i, items, 2);
        bindColumnText(row, ++i, items, 4);
        bindColumnText(row, ++i, items, 5);
        if (!singlePeriod) bindColumnText(row, ++i, items, 6);
        bindText(row, ++i, s2);
        if (!singlePeriod) bindText(row, ++i, s1);
        sqlite3_bind_double(row, ++i, a * 10);
        sqlite3_bind_double(row, ++i, b - a);
        sqlite3_bind_double(row, ++i, b * 0.5);
        if (!singlePeriod) bindColumnText(row, ++i, items, 6);
        sqlite3_bind_double(row, ++i, a * 10 + b * 1.5 - a);
        sqlite3_bind_int(row, ++i, singlePeriod ? 7 : 10);
        db.run(row);
        sqlite3_stmt* figures = singlePeriod ? orderQty : bothFigures;
        int j = 0;
        sqlite3_bind_double(figures, ++j, singlePeriod ? b : b - a);
        if (!singlePeriod) sqlite3_bind_double(figures, ++j, a);
        sqlite3_bind_text(figures, ++j, reinterpret_cast<const char*>(key), keyLength, SQLITE_TRANSIENT);
        db.run(figures);
    }
    for (sqlite3_stmt* s : {items, monthly.statement, weekly.statement, singlePeriodRow, ssRow, orderQty, bothFigures})
        sqlite3_finalize(s);
    db.exec("COMMIT");
    return !db.failed();
}

void BM_SameSqlThroughSqlite(benchmark::State& state) {
    const int items = int(state.range(0));
    freshCopy(items);
    resetPeakResidentMemory();
    for (auto _ : state) {
        state.PauseTiming();
        const QString file = freshCopy(items);
        state.ResumeTiming();
        const bool done = sameSqlThroughSqlite(file);
        state.PauseTiming();
        if (!done) state.SkipWithError("a statement failed");
        checkEveryItemWritten(state, file, items);
        state.ResumeTiming();
    }
    state.counters["peak_RSS_MB"] = peakResidentMegabytes();
    state.counters["items"] = items;
}

// Every size, one run an iteration; repetitions give the median, min and max.
void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000);
    bench->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
    bench->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    bench->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

BENCHMARK(BM_SameSqlThroughSqlite)->Apply(sizes);
BENCHMARK(BM_AllItemsJob)->Apply(sizes);
BENCHMARK(BM_AllItemsInTheLogWindow)->Apply(sizes);

}  // namespace
