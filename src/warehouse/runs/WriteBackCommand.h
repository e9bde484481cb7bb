#pragma once
// The item card's Update command: the write-back run on a worker thread,
// followed in frmLog. The run's boxes (the connection failure, "No data in the
// database." and the Yes/No/Cancel question) are shown on this thread while
// the run waits for them, as the runner does for every message.
#include <QObject>
#include <functional>

#include "jobs/WriteBackRun.h"

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::jobs {
class JobRunner;
}

namespace tervalo::warehouse {

class WriteBackCommand : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const jobs::WriteBackResult&)>;

    explicit WriteBackCommand(widgets::AppContext& ctx, QObject* parent = nullptr);
    ~WriteBackCommand() override;

    // Writes items[current] or all items into `target`; returns at once and
    // calls `done` on this thread when the run has ended. Nothing while a run goes.
    void start(const jobs::WriteBackTarget& target, const QList<jobs::WriteBackItem>& items, int current,
               Completion done);
    bool running() const;
    jobs::JobRunner& runner() const { return *m_runner; }

signals:
    void runningChanged(bool running);

private:
    widgets::AppContext& m_ctx;
    jobs::JobRunner* m_runner;
};

// The items of the warehouse as the write-back reads them, in the card's order (by ItemID).
QList<jobs::WriteBackItem> writeBackItems(widgets::AppContext& ctx);

}  // namespace tervalo::warehouse
