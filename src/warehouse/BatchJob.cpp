#include "warehouse/BatchJob.h"

#include "data/BatchRepository.h"
#include "data/Connection.h"
#include "data/SqlSupport.h"
#include "data/Transaction.h"
#include "warehouse/ItemAnalysis.h"

namespace tervalo::warehouse {

namespace {

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

}  // namespace

BatchJobResult runAllItems(const BatchJobSettings& settings, const widgets::SinglePeriodCalculator& calculator,
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
        const std::vector<data::WarehouseItem> items = repository.items();
        data::SalesPass monthly(cnn, data::SalesTable::Monthly);
        data::SalesPass weekly(cnn, data::SalesTable::Weekly);
        const int total = int(items.size());
        control.setProgress(0, total);

        std::vector<data::SalesYear> months, weeks;
        ItemAnalysisContext context;
        context.sales = [&](data::SalesTable table) -> const std::vector<data::SalesYear>& {
            return table == data::SalesTable::Monthly ? months : weeks;
        };
        context.runModel = [&](const ModelRequest& request) {
            const widgets::SinglePeriodCalculation run =
                request.singlePeriod ? calculator.runSingleP_unif(request.singlePeriodTexts, cnn, settings.day)
                                     : calculator.runSS_unif(request.ssTexts, cnn, settings.day);
            for (const core::CheckMessage& message : run.messages)
                control.show(message);
            if (run.saveFault) throw data::databaseError(*run.saveFault);
            return run.result;
        };

        for (int i = 0; i < total && !control.cancelled(); ++i) {
            const data::WarehouseItem& item = items[std::size_t(i)];
            // Every item takes its rows, so the passes stay on the items' order.
            months = monthly.take(item.itemId, kYearsAnalysed);
            weeks = weekly.take(item.itemId, kYearsAnalysed);
            QString text = log.start();
            try {
                if (const std::optional<ItemFigures> figures = analyzeItem(item, context, text))
                    repository.updateItem(item.itemId, figures->orderQty, figures->reorderPoint);
            } catch (const core::RuntimeError& fault) {
                log.add(text + "Error: " + description(fault) + kCrLf);
                throw ItemFailed{};
            }
            log.add(text);
            control.setProgress(i + 1, total);
        }
        if (control.cancelled()) {
            log.add(log.start() + "Canceled" + kCrLf + "Nothing was saved." + kCrLf);
            return result;
        }
        transaction.commit();
        result.saved = true;
        if (!items.empty()) result.lastItem = items.back().itemId;
        return result;
    } catch (const ItemFailed&) {
        ending = log.start();
    } catch (const core::RuntimeError& fault) {
        ending = log.start() + "Error: " + description(fault) + kCrLf;
    }
    log.add(ending + "Nothing was saved." + kCrLf);
    return result;
}

}  // namespace tervalo::warehouse
