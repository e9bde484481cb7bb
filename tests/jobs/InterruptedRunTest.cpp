// An import, a batch analysis and a write-back killed (SIGKILL, as kill -9) at
// seeded random moments in a child process (tests/helpers/WarehouseRunChild):
// each time the database file passes SQLite's integrity check and holds either
// everything the run writes or nothing of it.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <random>

#include "data/Connection.h"
#include "import/ImportFolder.h"
#include "support/BulkWarehouseRows.h"
#include "support/TestEnvironment.h"

namespace tervalo::test {
namespace {

constexpr int kKills = 10;  // of each run

QString connectionTo(const QString& file) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file;
}

// What a killed run left: SQLite's verdict and the rows of every table.
struct Content {
    QString integrity;
    QByteArray rows;  // a hash of every table's rows in rowid order
};

Content contentOf(const QString& file) {
    data::Connection cnn;
    cnn.open(connectionTo(file));  // rolls back what a killed run left in its journal
    Content out;
    QSqlQuery check = cnn.run(QStringLiteral("PRAGMA integrity_check"));
    while (check.next())
        out.integrity += check.value(0).toString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QSqlQuery tables = cnn.run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    while (tables.next()) {
        const QString table = tables.value(0).toString();
        hash.addData(table.toUtf8());
        QSqlQuery rows = cnn.run("SELECT * FROM \"" + QString(table).replace('"', "\"\"") + "\" ORDER BY rowid");
        while (rows.next()) {
            for (int c = 0; c < rows.record().count(); ++c) {
                const QVariant v = rows.value(c);
                hash.addData(v.isNull() ? QByteArray("\x01null") : "\x01" + v.toString().toUtf8());
            }
            hash.addData("\x02");
        }
    }
    out.rows = hash.result();
    return out;
}

// The child started on a copy of the database: it has printed "begun".
struct Child {
    QProcess process;

    explicit Child(const QStringList& args) {
        process.start(QStringLiteral(TERVALO_WAREHOUSE_RUN_CHILD), args);
        QElapsedTimer waiting;
        waiting.start();
        while (process.state() != QProcess::NotRunning && !process.canReadLine() && waiting.elapsed() < 30000)
            process.waitForReadyRead(1000);
    }
    bool begun() { return process.readLine().trimmed() == "begun"; }
};

// The database as a run finds it, and the child's arguments besides the database.
struct Prepared {
    QString database;
    QString run;
    QStringList more;

    QStringList args(const QString& copy) const { return QStringList{run, copy} + more; }
};

struct RunCase {
    const char* name;
    std::function<Prepared()> prepare;
    unsigned seed;
};

class InterruptedRunTest : public ::testing::TestWithParam<RunCase> {
protected:
    QTemporaryDir m_dir;
    int m_copies = 0;

    QString copyOf(const QString& file) {
        const QString copy = m_dir.filePath(QStringLiteral("copy%1.mdb").arg(++m_copies));
        QFile::copy(file, copy);
        return copy;
    }
};

TEST_P(InterruptedRunTest, KilledAnywhereLeavesTheDatabaseWholeWithAllOrNothing) {
    const Prepared prepared = GetParam().prepare();
    const QString& before = prepared.database;
    const Content untouched = contentOf(before);
    ASSERT_EQ(untouched.integrity, "ok");

    // A whole run: what it writes, and how long it takes once begun.
    const QString whole = copyOf(before);
    Child full(prepared.args(whole));
    ASSERT_TRUE(full.begun()) << full.process.readAllStandardError().toStdString();
    QElapsedTimer running;
    running.start();
    ASSERT_TRUE(full.process.waitForFinished(30000));
    const qint64 runTime = running.elapsed();
    ASSERT_EQ(full.process.exitCode(), 0) << full.process.readAllStandardError().toStdString();
    const Content written = contentOf(whole);
    ASSERT_NE(written.rows, untouched.rows);

    std::mt19937 random(GetParam().seed);
    qint64 latest = runTime;  // the latest moment a kill is aimed at
    int nothing = 0;
    for (int k = 0; k < kKills; ++k) {
        const QString file = copyOf(before);
        Child child(prepared.args(file));
        ASSERT_TRUE(child.begun());
        const qint64 at = std::uniform_int_distribution<qint64>(0, latest)(random);
        QThread::msleep(static_cast<unsigned long>(at));
        child.process.kill();
        ASSERT_TRUE(child.process.waitForFinished(10000));
        const Content left = contentOf(file);
        EXPECT_EQ(left.integrity, "ok") << "killed " << at << " ms after it began";
        EXPECT_TRUE(left.rows == untouched.rows || left.rows == written.rows)
            << "killed " << at << " ms after it began: part of the run was kept";
        nothing += left.rows == untouched.rows;
        // A run that was already over ends sooner than measured (a busy machine): aim earlier.
        if (left.rows == written.rows) latest = std::max<qint64>(1, at - 1);
    }
    // Some kills landed inside the run, which then left nothing.
    EXPECT_GT(nothing, 0) << "the run of " << runTime << " ms was never killed before it ended";
}

// Demo.mdb with `count` more items, of code IT00001 on; `alone`: without its
// own items, sales and results.
QString warehouseWithItems(int count, bool alone) {
    const QString file = tempCopyOfDatabase(QStringLiteral("Demo.mdb"));
    data::Connection cnn;
    cnn.open(connectionTo(file));
    if (alone) {
        for (const char* table : {"Items", "Sales", "SalesWeekly", "s_S"})
            cnn.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    }
    addNumberedItems(cnn, count);
    return file;
}

// Five years of monthly sales of 600 items, one dBase table a year.
Prepared importCase() {
    static const ImportFolder folder;
    QList<DbfField> fields{{"ItemID", 'C', 10}, {"Year", 'N', 4}};
    for (const QString& m : QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(' '))
        fields.append({m, 'N', 6});
    for (int year = 2021; year <= 2025; ++year) {
        QList<QStringList> rows;
        for (int i = 1; i <= 600; ++i) {
            QStringList row{QStringLiteral("IT%1").arg(i, 5, 10, QLatin1Char('0')), QString::number(year)};
            for (int m = 0; m < 12; ++m)
                row << QString::number((i * 7 + year * 13 + m * 31) % 500);
            rows << row;
        }
        folder.dbf(QStringLiteral("SM%1.dbf").arg(year), fields, rows);
    }
    return {warehouseWithItems(600, false), "import", {folder.path()}};
}

// 300 items alone in the warehouse, each with five years of monthly sales.
Prepared batchCase() {
    const QString file = warehouseWithItems(300, true);
    data::Connection cnn;
    cnn.open(connectionTo(file));
    addFiveYearsOfSales(cnn);
    return {file, "batch", {}};
}

// NWRetail.mdb with 3,000 more products, of number 1000 on.
Prepared writeBackCase() {
    const QString file = tempCopyOfDatabase(QStringLiteral("NWRetail.mdb"));
    data::Connection cnn;
    cnn.open(connectionTo(file));
    cnn.execute(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 3999) "
                       "INSERT INTO Products (ProductID, ProductName, UnitsOnOrder, ReorderLevel) "
                       "SELECT i, 'Item ' || i, 0, 0 FROM n"));
    return {file, "writeback", {}};
}

INSTANTIATE_TEST_SUITE_P(Runs, InterruptedRunTest,
                         ::testing::Values(RunCase{"Import", importCase, 20261207},
                                           RunCase{"BatchAnalysis", batchCase, 1207},
                                           RunCase{"WriteBack", writeBackCase, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tervalo::test
