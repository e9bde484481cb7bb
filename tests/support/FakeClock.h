#pragma once
// A clock for tests: time stands still unless advanced; wait() only records.
#include <QList>

#include "platform/Clock.h"

namespace tervalo::test {

class FakeClock : public platform::Clock {
public:
    QDateTime now() const override { return m_now; }
    void wait(int ms) override {
        waited.append(ms);
        m_now = m_now.addMSecs(ms);
    }
    void setNow(const QDateTime& t) { m_now = t; }
    QList<int> waited;

private:
    QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
};

}  // namespace tervalo::test
