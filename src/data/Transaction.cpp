#include "data/Transaction.h"

#include <QSqlError>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

Transaction::Transaction(Connection& cnn, Purpose purpose) : m_cnn(cnn) {
    if (!m_cnn.isOpen()) throw objectClosedError();
    // Qt's driver begins a plain BEGIN; COMMIT and ROLLBACK go through it all the same.
    if (purpose == Purpose::Writes && m_cnn.sqliteHandle()) {
        m_cnn.execute(QStringLiteral("BEGIN IMMEDIATE"));
        return;
    }
    QSqlDatabase db = m_cnn.database();
    if (!db.transaction()) throw databaseError(describe(db.lastError()));
}

Transaction::~Transaction() {
    if (!m_done && m_cnn.isOpen()) m_cnn.database().rollback();
}

void Transaction::commit() {
    QSqlDatabase db = m_cnn.database();
    if (!db.commit()) throw databaseError(describe(db.lastError()));
    m_done = true;
}

}  // namespace tervalo::data
