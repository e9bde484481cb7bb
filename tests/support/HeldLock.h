#pragma once
// Another copy of the program holding the database's write lock for `holdMs`:
// a connection of its own on a thread of its own. The constructor returns once
// the lock is held; the destructor waits until it is given back.
#include <QString>
#include <chrono>
#include <future>
#include <thread>

#include "data/Connection.h"

namespace tervalo::test {

class HeldLock {
public:
    HeldLock(const QString& connectionString, int holdMs) {
        std::promise<void> taken;
        std::future<void> held = taken.get_future();
        m_thread = std::thread([connectionString, holdMs, &taken] {
            data::Connection other;
            try {
                other.open(connectionString);
                other.execute(QStringLiteral("BEGIN IMMEDIATE"));
            } catch (...) {
                taken.set_exception(std::current_exception());
                return;
            }
            taken.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        });  // closing the connection gives the lock back
        try {
            held.get();
        } catch (...) {
            m_thread.join();
            throw;
        }
    }
    ~HeldLock() { m_thread.join(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    std::thread m_thread;
};

}  // namespace tervalo::test
