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

}  // namespace tervalo::platform
