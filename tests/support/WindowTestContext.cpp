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
    ctx.dataSource = "Demo.mdb";
    ctx.setBeeper(beeper);
}

WindowTestContext::~WindowTestContext() = default;

int WindowTestContext::rowCount(const QString& table) {
    QSqlQuery q(cnn.database());
    q.exec("SELECT COUNT(*) FROM \"" + table + "\"");
    return q.next() ? q.value(0).toInt() : -1;
}

widgets::WindowId windowId(const QString& form) {
    const std::optional<widgets::WindowId> id = widgets::windowIdOf(form);
    if (!id) qFatal("no window goes by the form name %s", qPrintable(form));
    return *id;
}

}  // namespace tervalo::test
