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
    // Milliseconds on a steady clock, which neither jumps nor wraps at
    // midnight; only the difference of two readings means anything.
    virtual qint64 steadyMs() const;
    // Blocks for `ms` milliseconds of clock time, handling no events.
    virtual void wait(int ms);
};

}  // namespace tervalo::platform
