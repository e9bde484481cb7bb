// The import of 100,000 sales rows (20,000 items x 5 years, 2021 to 2025) into
// a copy of Demo.mdb that already holds the 20,000 items: from text files (one
// record a file, 100,000 files), from Excel workbooks (100,000 files) and from
// dBase tables (one table a year, 20,000 rows each). The time runs from the
// folder listing to the commit; making the files and copying the database
// are not timed. Beside them, the floor: the same rows from one CSV file
// through the sqlite3 shell's .import, the whole process timed. Run:
// build/<dir>/bin/bench_ImportBench --benchmark_enable_random_interleaving=true
// (reports the median of five repetitions).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "data/Connection.h"
#include "import/ImportFolder.h"
#include "import/ImportService.h"
#include "support/TestEnvironment.h"

using namespace tervalo;

namespace {

constexpr int kItems = 20000;
constexpr int kFirstYear = 2021;
constexpr int kYears = 5;
const QDate kToday(2026, 12, 7);
const QStringList kMonths = QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(' ');

QString itemId(int i) { return QStringLiteral("ITEM-%1").arg(i, 5, 10, QLatin1Char('0')); }
int quantity(int item, int year, int month) { return (item * 7 + year * 13 + month * 31) % 500; }

// Demo.mdb with the 20,000 items added, made once.
const QString& warehouseWithItems() {
    static const QString path = [] {
        const QString file = test::tempCopyOfDatabase(QStringLiteral("Demo.mdb"));
        data::Connection cnn;
        cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file);
        cnn.execute(QStringLiteral("INSERT INTO Items (ItemID, Item, TimeUnit, UnitCost) "
                                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                   "SELECT 'ITEM-' || substr('0000' || i, -5), 'Item ' || i, 'Month', 10 FROM n"),
                    {kItems});
        return file;
    }();
    return path;
}

QStringList salesRecord(int item, int year) {
    QStringList pairs{"ItemID," + itemId(item), "Year," + QString::number(year)};
    for (int m = 0; m < 12; ++m)
        pairs << kMonths[m] + ',' + QString::number(quantity(item, year, m));
    return pairs;
}

// One file a record, named SM<item>_<year>.<ext>, written by `write`.
template <class Write>
std::unique_ptr<test::ImportFolder> recordFiles(const QString& ext, Write write) {
    auto f = std::make_unique<test::ImportFolder>();
    for (int i = 1; i <= kItems; ++i)
        for (int y = kFirstYear; y < kFirstYear + kYears; ++y)
            write(*f, QStringLiteral("SM%1_%2.%3").arg(itemId(i)).arg(y).arg(ext), salesRecord(i, y));
    return f;
}

const test::ImportFolder& textFolder() {
    static const auto folder =
        recordFiles(QStringLiteral("txt"), [](auto& f, const QString& name, const QStringList& r) { f.text(name, r); });
    return *folder;
}

const test::ImportFolder& excelFolder() {
    static const auto folder = recordFiles(
        QStringLiteral("xls"), [](auto& f, const QString& name, const QStringList& r) { f.sheet(name, r); });
    return *folder;
}

const test::ImportFolder& dbaseFolder() {
    static const auto folder = [] {
        auto f = std::make_unique<test::ImportFolder>();
        QList<test::DbfField> fields{{"ItemID", 'C', 10}, {"Year", 'N', 4}};
        for (const QString& m : kMonths)
            fields.append({m, 'N', 6});
        for (int y = kFirstYear; y < kFirstYear + kYears; ++y) {
            QList<QStringList> rows;
            for (int i = 1; i <= kItems; ++i) {
                QStringList row{itemId(i), QString::number(y)};
                for (int m = 0; m < 12; ++m)
                    row << QString::number(quantity(i, y, m));
                rows << row;
            }
            f->dbf(QStringLiteral("SM%1.dbf").arg(y), fields, rows);
        }
        return f;
    }();
    return *folder;
}

// A fresh copy of the warehouse in a new `dir`, the one before removed; call
// with the timing paused.
QString freshWarehouse(std::optional<QTemporaryDir>& dir) {
    dir.reset();
    dir.emplace();
    const QString copy = dir->filePath(QStringLiteral("Demo.mdb"));
    QFile::copy(warehouseWithItems(), copy);
    return copy;
}

void runImport(benchmark::State& state, const QString& dataType, const test::ImportFolder& folder) {
    std::optional<QTemporaryDir> dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = freshWarehouse(dir);
        data::Connection cnn;
        cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + copy);
        state.ResumeTiming();
        const import::ImportOutcome out = import::ImportService::importFolder(cnn, dataType, folder.path(), kToday);
        state.PauseTiming();
        if (out.counts.sales != kItems * kYears) state.SkipWithError(qPrintable(out.log.left(2000)));
        cnn.close();
        state.ResumeTiming();
    }
    state.counters["rows"] = kItems * kYears;
}

// The floor: the same 100,000 rows as one CSV file, put into Sales by the sqlite3 shell.
void BM_ImportCsvFloor(benchmark::State& state) {
    static const auto csv = [] {
        auto dir = std::make_unique<QTemporaryDir>();
        QFile file(dir->filePath(QStringLiteral("sales.csv")));
        file.open(QIODevice::WriteOnly);
        for (int i = 1; i <= kItems; ++i)
            for (int y = kFirstYear; y < kFirstYear + kYears; ++y) {
                QStringList row{itemId(i), QString::number(y)};
                for (int m = 0; m < 12; ++m)
                    row << QString::number(quantity(i, y, m));
                file.write(row.join(',').toUtf8() + '\n');
            }
        return dir;
    }();
    std::optional<QTemporaryDir> dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = freshWarehouse(dir);
        state.ResumeTiming();
        QProcess shell;
        shell.start(QStringLiteral("sqlite3"),
                    {copy, ".import --csv " + csv->filePath(QStringLiteral("sales.csv")) + " Sales"});
        if (!shell.waitForFinished(60000) || shell.exitCode() != 0)
            state.SkipWithError(qPrintable(QString::fromLocal8Bit(shell.readAllStandardError())));
    }
    state.counters["rows"] = kItems * kYears;
}

void BM_ImportText(benchmark::State& state) { runImport(state, QStringLiteral("TextFile"), textFolder()); }
void BM_ImportExcel(benchmark::State& state) { runImport(state, QStringLiteral("ExcelFile"), excelFolder()); }
void BM_ImportDbase(benchmark::State& state) { runImport(state, QStringLiteral("dBaseFile"), dbaseFolder()); }

}  // namespace

BENCHMARK(BM_ImportCsvFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportExcel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportDbase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);
