#include "support/WindowTestContext.h"

#include <QSqlQuery>

#include "support/TestEnvironment.h"

namespace tervalo::test {

QString RecordingTextReport::text() const {
    QString out;
    for (const QString& piece : pieces)
        out += platform::textOfPiece(piece);
    return out;
}

WindowTestContext::WindowTestContext(bool openDatabase) {
    if (openDatabase) cnn.open(connectionToCopyOf("Demo.mdb"));
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
