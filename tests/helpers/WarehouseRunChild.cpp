// A child process for the tests that kill a warehouse run part-way: it runs
// one import, batch analysis or write-back against the database file named on
// its command line, and prints "begun" just before the run starts.
//
//   warehouse_run_child import <database> <folder>   the folder's dBase tables
//   warehouse_run_child batch <database>             every item, saved on 12/7/2026
//   warehouse_run_child writeback <database>         every row of Products, all items
//
// The exit status is 0 when the run stored what it did, 1 when it did not,
// 2 for a command line it does not know.
#include <QCoreApplication>
#include <QSqlQuery>
#include <cstdio>

#include "data/Connection.h"
#include "import/ImportService.h"
#include "jobs/BatchJob.h"
#include "jobs/WriteBackRun.h"
#include "stochastic/SinglePeriodCalculator.h"

using namespace tervalo;

namespace {

const QDate kToday(2026, 12, 7);

class SilentJob : public jobs::JobControl {
public:
    bool cancelled() const override { return false; }
    void appendLog(const QString&) override {}
    void setProgress(int, int) override {}
    void show(const core::CheckMessage&) override {}
};

QString connectionTo(const QString& file) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file;
}

void begin() {
    std::puts("begun");
    std::fflush(stdout);
}

bool runImport(const QString& database, const QString& folder) {
    data::Connection cnn;
    cnn.open(connectionTo(database));
    begin();
    return import::ImportService::importFolder(cnn, QStringLiteral("dBaseFile"), folder, kToday).status ==
           import::ImportStatus::Stored;
}

bool runBatch(const QString& database) {
    const stochastic::WindowlessSinglePeriod calculator;
    SilentJob job;
    begin();
    return jobs::runAllItems({connectionTo(database), kToday}, calculator, job).saved;
}

bool runWriteBack(const QString& database) {
    QList<jobs::WriteBackItem> items;
    {
        data::Connection cnn;
        cnn.open(connectionTo(database));
        QSqlQuery q = cnn.run(QStringLiteral("SELECT ProductID, ProductName FROM Products ORDER BY ProductID"));
        while (q.next()) {
            const int id = q.value(0).toInt();
            items.append({q.value(1), q.value(0), 20.0 + id % 50, 5.0 + id % 7, false});
        }
    }
    const jobs::WriteBackTarget target{connectionTo(database),
                                       "Products",
                                       "ReorderLevel",
                                       "UnitsOnOrder",
                                       "ProductID",
                                       "Numeric",
                                       "Numeric",
                                       "Numeric"};
    SilentJob job;
    begin();
    return jobs::runWriteBack(
               target, items, 0, [] { return jobs::WriteBackChoice::AllItems; }, job)
        .committed;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString run = args.value(1);
    if (run == QLatin1String("import") && args.size() == 4) return runImport(args[2], args[3]) ? 0 : 1;
    if (run == QLatin1String("batch") && args.size() == 3) return runBatch(args[2]) ? 0 : 1;
    if (run == QLatin1String("writeback") && args.size() == 3) return runWriteBack(args[2]) ? 0 : 1;
    std::fputs("usage: warehouse_run_child import <database> <folder> | batch <database> | writeback <database>\n",
               stderr);
    return 2;
}
