#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace tervalo::platform {

void Clock::wait(int ms) {
    // Measured with a monotonic timer, so a wait that spans midnight still ends on time.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(50, ms - t.elapsed())));
}

}  // namespace tervalo::platform
