#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QThread>
#include <chrono>

namespace tervalo::platform {

qint64 Clock::steadyMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Clock::wait(int ms) {
    // Measured with a monotonic timer, so a wait that spans midnight still ends on time.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(50, ms - t.elapsed())));
}

}  // namespace tervalo::platform
