#pragma once
// Another copy of the program holding the database's write lock for `holdMs`:
// a connection of its own on a thread of its own, which makes `writes` under
// the lock and commits them as it gives the lock back. The constructor returns
// once the lock is held; the destructor waits until it is given back.
#include <QString>
#include <QStringList>
#include <chrono>
#include <future>
#include <thread>

#include "data/Connection.h"

namespace tervalo::test {

class HeldLock {
public:
    HeldLock(const QString& connectionString, int holdMs, const QStringList& writes = {})
        : m_thread([this, connectionString, holdMs, writes] {
              data::Connection other;
              try {
                  other.open(connectionString);
                  other.execute(QStringLiteral("BEGIN IMMEDIATE"));
                  for (const QString& sql : writes)
                      other.execute(sql);
              } catch (...) {
                  return m_taken.set_exception(std::current_exception());
              }
              m_taken.set_value();
              std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
              other.execute(QStringLiteral("COMMIT"));
          }) {
        m_taken.get_future().get();
    }

private:
    std::promise<void> m_taken;
    std::jthread m_thread;
};

}  // namespace tervalo::test
