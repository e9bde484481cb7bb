#pragma once
// The write-back run: copies the order quantity and reorder point of one or
// all warehouse items into the user's own table, one UPDATE per item (many
// items to a statement on PostgreSQL), with a log of every item. It opens its own connection to the target (so it may
// run on a worker thread) and writes in one transaction: the first failed item ends the run, and it, or the user
// stopping the run, leaves the target as it was.
//
// The caller (the item card) has shown the settings window and hands over the
// target it received and a snapshot of its items; afterwards it places itself
// on the last item when all were written.
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

#include "jobs/JobControl.h"
#include "jobs/WriteBackTarget.h"

namespace tervalo::jobs {

// One row of Items as the run reads it; a NULL field is a null QVariant.
struct WriteBackItem {
    QVariant item;          // "Item"
    QVariant itemId;        // "ItemID"
    QVariant orderQty;      // "OrderQty"
    QVariant reorderPoint;  // "ReorderPoint"
    QVariant singlePeriod;  // "SinglePeriod": false for an (s,S) item
};

// The answer to the confirmation: Yes, No, Cancel.
enum class WriteBackChoice { AllItems, CurrentItem, Cancel };

// Asks kWriteBackQuestion (titled kWriteBackQuestionTitle, Yes, No and
// Cancel, Cancel the default, no icon) and returns once the user answered.
using WriteBackQuestion = std::function<WriteBackChoice()>;

inline const QString kWriteBackQuestionTitle = QStringLiteral("Confirmation");
inline const QString kWriteBackQuestion = QStringLiteral(
    "Update all the items in this database?\r\n\r\nClick Yes to proceed.\r\n"
    "Click No to analyze just the current item.\r\nClick Cancel to do nothing.");

struct WriteBackResult {
    bool connected = false;
    WriteBackChoice choice = WriteBackChoice::Cancel;  // as answered; Cancel when never asked
    bool committed = false;                            // the target keeps what was written
    int rowsChanged = 0;                               // rows of the target written and kept
};

// Connects to target.cnnString (a failure is shown titled "Connection failed"
// with the string, its password hidden, and says so when another program keeps
// the file locked), shows "No data in the database." when `items` is empty,
// asks which items to write, then writes items[current] or all of them, logging
// through `job` (a connection to a server that is lost is logged as that).
WriteBackResult runWriteBack(const WriteBackTarget& target, const QList<WriteBackItem>& items, int current,
                             const WriteBackQuestion& ask, JobControl& job);

}  // namespace tervalo::jobs
