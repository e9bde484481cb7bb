#pragma once
// The clock, injectable so that tests need not wait.
#include <QDate>
#include <QDateTime>

namespace tervalo::platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }
    // Blocks for `ms` milliseconds of clock time, handling no events.
    virtual void wait(int ms);
};

// For tests: time stands still unless advanced; wait() only records.
class FakeClock : public Clock {
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

}  // namespace tervalo::platform
