#pragma once
// The analysis of every item as one job: on a connection of its own, inside
// one transaction, it reads the items in key order with their sales (one
// ordered pass per sales table), analyses them on worker threads, writes each
// item's figures and the s_S row of its calculation in key order, and commits
// after the last item. The log, the rows and the boxes shown are those of one
// item after the other, whatever the number of threads. A failed write
// ("Error: " under the item) or Cancel rolls everything back and says
// "Nothing was saved.".
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

#include "jobs/JobControl.h"
#include "jobs/SinglePeriodRuns.h"

namespace tervalo::jobs {

struct BatchJobSettings {
    // The database to open; none when the program's connection is closed.
    std::optional<QString> connectionString;
    QDate day;  // the day the s_S rows are saved under
};

struct BatchJobResult {
    bool saved = false;                // committed
    std::optional<QVariant> lastItem;  // the key of the last item, once every item was analysed
};

// Runs on the calling thread; the log goes to control.appendLog as it grows.
BatchJobResult runAllItems(const BatchJobSettings& settings, const SinglePeriodCalculator& calculator,
                           JobControl& control);

}  // namespace tervalo::jobs
