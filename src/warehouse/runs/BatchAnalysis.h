#pragma once
// The item card's Analysis command: after the confirmation, all items on a
// worker thread (BatchJob, followed in frmLog with its progress and Cancel),
// or the card's item alone on this thread through the open single-period
// window, which stays on screen with the item's calculation. The card hands
// over its current row and item count, switches its own actions off while
// running() and, when the command has ended, stands on the item the outcome
// names.
#include <QObject>
#include <QVariant>
#include <functional>
#include <optional>

#include "data/BatchRepository.h"

namespace tervalo::widgets {
struct AppContext;
}
namespace tervalo::jobs {
class JobRunner;
class SinglePeriodCalculator;
}  // namespace tervalo::jobs

namespace tervalo::warehouse {

class LogWindow;

struct BatchOutcome {
    bool saved = false;  // the run's figures are in the warehouse
    // All items, once every item was analysed: the last item's key, for the
    // card to stand on. None: the card stays where it was.
    std::optional<QVariant> endOnItem;
};

class BatchAnalysis : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const BatchOutcome&)>;

    BatchAnalysis(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator, QObject* parent = nullptr);
    ~BatchAnalysis() override;

    // The Analysis button: nothing without a current row; "No data in the
    // database." without items; otherwise asks all (Yes), the current item
    // (No) or nothing (Cancel, whose log is "Canceled"). `done` runs once the
    // command has ended, except when there was no current row.
    void command(const std::optional<data::WarehouseItem>& current, int itemCount, Completion done);
    // All items, on a worker thread; returns at once. Does nothing while a run goes.
    void startAll(Completion done);
    // The card's item, here and now.
    void runCurrent(const data::WarehouseItem& item, Completion done);

    bool running() const;
    jobs::JobRunner& runner() const { return *m_runner; }

signals:
    void runningChanged(bool running);

private:
    // frmLog placed and shown; the open one, if any.
    LogWindow* openLog();
    LogWindow* logWindow() const;
    void bringLogToFront();

    widgets::AppContext& m_ctx;
    const jobs::SinglePeriodCalculator& m_calculator;
    jobs::JobRunner* m_runner = nullptr;
    bool m_currentRunning = false;
};

}  // namespace tervalo::warehouse
