#pragma once
// A clock for tests: time stands still unless advanced; wait() only records
// (and advances it).
#include <QList>

#include "platform/Clock.h"

namespace tervalo::test {

class FakeClock : public platform::Clock {
public:
    QDateTime now() const override { return m_now; }
    qint64 steadyMs() const override { return m_steady; }
    void wait(int ms) override {
        waited.append(ms);
        advance(ms);
    }
    // Time passing while the program works.
    void advance(int ms) {
        m_now = m_now.addMSecs(ms);
        m_steady += ms;
    }
    void setNow(const QDateTime& t) { m_now = t; }
    QList<int> waited;

private:
    QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
    qint64 m_steady = 0;
};

}  // namespace tervalo::test
