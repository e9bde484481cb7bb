#include "support/WindowTestContext.h"

#include <QSqlQuery>

#include "support/TestEnvironment.h"

namespace tervalo::test {

QString RecordingTextReport::text() const {
    QString out;
    for (const QString& p : pieces) {
        if (p == "{TAB}") out += '\t';
        else if (p == "{ENTER}" || p == "{Enter}") out += '\n';
        else out += p;
    }
    return out;
}

WindowTestContext::WindowTestContext(bool openDatabase) {
    databasePath = tempCopyOfDatabase("Demo.mdb");
    if (openDatabase)
        cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + databasePath + ";Persist Security Info=False");
    ctx.cnn = &cnn;
    ctx.reportCnn = &reportCnn;
    ctx.dataSource = "Demo.mdb";
    ctx.settings = &settings;
    ctx.notifier = &notifier;
    ctx.clock = &clock;
    ctx.reports = &reports;
    ctx.textReports = &textReports;
    ctx.registry = &registry;
}

WindowTestContext::~WindowTestContext() = default;

int WindowTestContext::rowCount(const QString& table) {
    QSqlQuery q(cnn.database());
    q.exec("SELECT COUNT(*) FROM \"" + table + "\"");
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace tervalo::test
