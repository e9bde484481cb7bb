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
    HeldLock(const QString& connectionString, int holdMs)
        : m_thread([this, connectionString, holdMs] {
              data::Connection other;  // closing it gives the lock back
              try {
                  other.open(connectionString);
                  other.execute(QStringLiteral("BEGIN IMMEDIATE"));
              } catch (...) {
                  return m_taken.set_exception(std::current_exception());
              }
              m_taken.set_value();
              std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
          }) {
        m_taken.get_future().get();
    }

private:
    std::promise<void> m_taken;
    std::jthread m_thread;
};

}  // namespace tervalo::test
