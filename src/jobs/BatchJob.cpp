#include "jobs/BatchJob.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <deque>
#include <future>
#include <memory>
#include <utility>

#include "data/BatchRepository.h"
#include "data/Connection.h"
#include "data/SqlSupport.h"
#include "data/SsRepository.h"
#include "data/Transaction.h"
#include "jobs/ItemAnalysis.h"

namespace tervalo::jobs {

namespace {

// Items are analysed in chunks of this many; so many chunks may be on their
// way at once, which bounds what the run holds whatever the number of items.
constexpr int kChunkItems = 256;
constexpr int kChunksPerWorker = 4;

QString description(const core::RuntimeError& fault) { return QString::fromStdString(fault.description()); }

// The log as the job hands it on, with a blank line between its blocks.
class BlockLog {
public:
    explicit BlockLog(JobControl& control) : m_control(control) {}
    QString start() const { return m_empty ? QString() : kCrLf; }
    void add(const QString& block) {
        m_control.appendLog(block);
        m_empty = false;
    }

private:
    JobControl& m_control;
    bool m_empty = true;
};

// Raised once the item's "Error: " line is in the log.
struct ItemFailed {};

// One item: what is read for it, then what its analysis gives.
struct ItemWork {
    data::WarehouseItem item;
    // The lowest and highest demand of its monthly and weekly series.
    std::optional<core::demand::DemandBounds> months;
    std::optional<core::demand::DemandBounds> weeks;

    bool first = false;                        // the run's first item, whose lines begin the log
    QString lines;                             // the item's block of the log, after a blank line but for the first item
    qsizetype resultAt = -1;                   // where the lines of the model's result begin; -1: the model did not run
    std::vector<core::CheckMessage> messages;  // the boxes its model run shows
    std::optional<data::SsRow> row;            // the s_S row of its calculation
    std::optional<ItemFigures> figures;        // what its Items row receives
    std::optional<core::RuntimeError> fault;   // the analysis stopped with this error
};
using Chunk = std::vector<ItemWork>;

// The analysis of an item, on a worker thread: the same procedure as the
// card's item, with the model's row kept for the writer instead of saved.
void analyze(ItemWork& work, const SinglePeriodCalculator& calculator, const QDate& day) {
    if (!work.first) work.lines = kCrLf;
    ItemAnalysisContext context;
    context.bounds = [&work](data::SalesTable table) {
        return table == data::SalesTable::Monthly ? work.months : work.weeks;
    };
    context.runModel = [&](const ModelRequest& request) {
        work.resultAt = work.lines.size();
        SinglePeriodCalculation run = request.singlePeriod ? calculator.runSingleP_unif(request.singlePeriodTexts, day)
                                                           : calculator.runSS_unif(request.ssTexts, day);
        work.messages = std::move(run.messages);
        work.row = std::move(run.row);
        return run.result;
    };
    try {
        work.figures = analyzeItem(work.item, context, work.lines);
    } catch (const core::RuntimeError& fault) {
        work.fault = fault;
    }
}

// A chunk of items on its way: analysed by whoever takes it first, a worker
// or, when none has come to it yet, the run's own thread, which would
// otherwise wait (a busy machine gives the workers little time).
struct PendingChunk {
    Chunk items;
    std::atomic<bool> taken{false};
    std::promise<void> analysed;

    void analyze(const SinglePeriodCalculator& calculator, const QDate& day) {
        for (ItemWork& work : items)
            jobs::analyze(work, calculator, day);
    }
};

// The items, read in key order with their sales, handed to the workers in
// chunks and taken back in the order they were read.
class ChunkedItems {
public:
    ChunkedItems(data::Connection& cnn, const SinglePeriodCalculator& calculator, const QDate& day)
        : m_items(cnn),
          m_monthly(cnn, data::SalesTable::Monthly),
          m_weekly(cnn, data::SalesTable::Weekly),
          m_calculator(calculator),
          m_day(day) {
        m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, 8));
    }
    ~ChunkedItems() { m_pool.waitForDone(); }

    // A chunk written: it goes on a worker, where most of what it holds was made.
    void drop(Chunk&& chunk) {
        m_pool.start([gone = std::make_shared<Chunk>(std::move(chunk))] {});
    }

    // The next chunk, analysed; empty after the last item.
    Chunk next() {
        while (!m_read && int(m_pending.size()) < m_pool.maxThreadCount() * kChunksPerWorker)
            readChunk();
        if (m_pending.empty()) return {};
        const std::shared_ptr<PendingChunk> front = std::move(m_pending.front());
        m_pending.pop_front();
        if (!front->taken.exchange(true)) {
            front->analyze(m_calculator, m_day);
        } else {
            front->analysed.get_future().get();
        }
        return std::move(front->items);
    }

private:
    void readChunk() {
        auto chunk = std::make_shared<PendingChunk>();
        chunk->items.reserve(kChunkItems);
        while (int(chunk->items.size()) < kChunkItems) {
            std::optional<data::WarehouseItem> item = m_items.next();
            if (!item) {
                m_read = true;
                break;
            }
            ItemWork& work = chunk->items.emplace_back();
            work.first = std::exchange(m_first, false);
            work.item = std::move(*item);
            // Every item takes its rows, so the passes stay on the items' order.
            work.months = m_monthly.takeRange(work.item.itemId, kYearsAnalysed, demandOfCell);
            work.weeks = m_weekly.takeRange(work.item.itemId, kYearsAnalysed, demandOfCell);
        }
        if (chunk->items.empty()) return;
        m_pending.push_back(chunk);
        m_pool.start([chunk, &calculator = m_calculator, day = m_day] {
            if (chunk->taken.exchange(true)) return;
            try {
                chunk->analyze(calculator, day);
                chunk->analysed.set_value();
            } catch (...) {
                chunk->analysed.set_exception(std::current_exception());
            }
        });
    }

    data::ItemPass m_items;
    data::SalesPass m_monthly;
    data::SalesPass m_weekly;
    const SinglePeriodCalculator& m_calculator;
    const QDate m_day;
    QThreadPool m_pool;
    std::deque<std::shared_ptr<PendingChunk>> m_pending;
    bool m_read = false;
    bool m_first = true;
};

// Shows the item's boxes, saves its row and its figures and logs its lines;
// a failed write logs "Error: " under the item and raises ItemFailed.
void write(const ItemWork& work, BlockLog& log, JobControl& control, data::SsRowWriter& rows,
           data::BatchRepository& repository) {
    for (const core::CheckMessage& message : work.messages)
        control.show(message);
    auto failed = [&log](const QString& lines, const core::RuntimeError& fault) {
        log.add(lines + "Error: " + description(fault) + kCrLf);
        return ItemFailed{};
    };
    try {
        if (work.row) rows.insert(*work.row);
    } catch (const core::RuntimeError& fault) {
        // A failed save of the row ends the item before its result lines.
        throw failed(work.lines.left(work.resultAt), fault);
    }
    try {
        if (work.fault) throw *work.fault;
        if (work.figures) repository.updateItem(work.item.itemId, work.figures->orderQty, work.figures->reorderPoint);
    } catch (const core::RuntimeError& fault) {
        throw failed(work.lines, fault);
    }
    log.add(work.lines);
}

}  // namespace

BatchJobResult runAllItems(const BatchJobSettings& settings, const SinglePeriodCalculator& calculator,
                           JobControl& control) {
    BatchJobResult result;
    BlockLog log(control);
    QString ending;
    try {
        if (!settings.connectionString) throw data::objectClosedError();
        data::Connection cnn;
        cnn.open(*settings.connectionString);
        cnn.execute("PRAGMA cache_size = -65536");
        data::Transaction transaction(cnn);
        data::BatchRepository repository(cnn);
        data::SsRowWriter rows(cnn);
        const int total = repository.itemCount();
        control.setProgress(0, total);

        std::optional<QVariant> lastItem;
        int done = 0;
        {
            // Read, analysed on the workers, and written in key order; its
            // statements are gone before the end of the transaction.
            ChunkedItems items(cnn, calculator, settings.day);
            for (Chunk chunk = items.next(); !chunk.empty() && !control.cancelled(); chunk = items.next()) {
                for (ItemWork& work : chunk) {
                    if (control.cancelled()) break;
                    write(work, log, control, rows, repository);
                    lastItem = work.item.itemId;
                    control.setProgress(++done, total);
                }
                items.drop(std::move(chunk));
            }
        }
        if (control.cancelled()) {
            log.add(log.start() + "Canceled" + kCrLf + "Nothing was saved." + kCrLf);
            return result;
        }
        transaction.commit();
        result.saved = true;
        result.lastItem = lastItem;
        return result;
    } catch (const ItemFailed&) {
        ending = log.start();
    } catch (const core::RuntimeError& fault) {
        ending = log.start() + "Error: " + description(fault) + kCrLf;
    }
    log.add(ending + "Nothing was saved." + kCrLf);
    return result;
}

}  // namespace tervalo::jobs
