#include "data/Transaction.h"

#include <QSqlError>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

Transaction::Transaction(Connection& cnn) : m_cnn(cnn) {
    if (!m_cnn.isOpen()) throw objectClosedError();
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
