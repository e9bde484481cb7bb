#include "jobs/WriteBackRun.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/SqlSupport.h"
#include "data/TableUpdate.h"
#include "data/Transaction.h"

namespace tervalo::jobs {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Whole numbers this large or larger are written as doubles.
constexpr double kLargestWhole = 9007199254740992.0;  // 2^53
// Whole numbers below this one have all their digits in their general text.
constexpr double kLargestExactWhole = 1e15;

bool isFloating(const QVariant& value) {
    const int type = value.metaType().id();
    return type == QMetaType::Double || type == QMetaType::Float;
}

core::CheckMessage message(const QString& text, const QString& title) {
    return {text.toStdString(), title.toStdString(), core::MessageIcon::Exclamation};
}

// Why a statement failed, in the user's words: once the server has gone, the
// statement's own words ("Operation is not allowed when the object is
// closed.", "server closed the connection unexpectedly") say less than that.
QString failureText(const data::Connection& cnn, const QString& description) {
    return cnn.isOpen() ? description : QStringLiteral("The connection to the database server was lost.");
}
QString failureText(const data::Connection& cnn, const core::RuntimeError& error) {
    return failureText(cnn, QString::fromStdString(error.description()));
}

// A field's value as text: numbers in general form ("25", "12.5"), the rest as stored.
QString valueText(const QVariant& value) {
    const int type = value.metaType().id();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return QString::fromStdString(core::generalText(value.toDouble()));
    if (type == QMetaType::Bool) return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

// Null, or empty as text; a number's general text is never empty.
bool isMissing(const QVariant& value) { return value.isNull() || (!isFloating(value) && valueText(value).isEmpty()); }

// The value to bind: a number for the "Numeric" type (in C-locale form, or the
// item fails), the general text for any other.
QVariant boundValue(const QVariant& value, const QString& type, const QString& field) {
    if (type == kNumericType && isFloating(value)) {
        // The usual case, a whole quantity, without the detour through its text.
        const double number = value.toDouble();
        if (std::trunc(number) == number && std::fabs(number) < kLargestExactWhole)
            return QVariant::fromValue(static_cast<qlonglong>(number));
    }
    const QString text = valueText(value);
    if (type != kNumericType) return text;
    const std::string plain = text.toStdString();
    if (!core::isNumber(plain))
        throw core::RuntimeError(core::ErrorCode::TypeMismatch,
                                 (field + " '" + text + "' is not a number.").toStdString());
    const double number = core::leadingNumber(plain);
    if (std::trunc(number) == number && std::fabs(number) < kLargestWhole)
        return QVariant::fromValue(static_cast<qlonglong>(number));
    return number;
}

// Items taken together at most: their rows go to the database in one call,
// then their lines go to the log. The first takes one item, and each next
// ten times as many, so the log starts at once.
constexpr int kLargestWindow = 1000;

// What an item logs once its row, if any, has been written.
struct Step {
    int item = 0;     // its index in the items
    int row = -1;     // its row among the window's rows, -1 when it writes none
    QString skipped;  // the line of an item that writes nothing
    QString failure;  // why its values cannot be written
};

class Run {
public:
    Run(const WriteBackTarget& target, JobControl& job, data::Connection& cnn)
        : m_target(target), m_job(job), m_cnn(cnn), m_update(cnn) {}

    struct Totals {
        bool failed = false;   // an item failed, or the user stopped the run
        bool written = false;  // some item changed a row
    };

    // Writes and logs items [first, end), window by window; ends at the first failure.
    Totals writeAll(const QList<WriteBackItem>& items, int first, int end) {
        Totals totals;
        for (int i = first, window = 1; i < end; i += window, window = std::min(10 * window, kLargestWindow)) {
            if (m_job.cancelled()) return {true, totals.written};
            QList<Step> steps;
            QList<data::RowUpdate> rows;
            for (int j = i; j < std::min(end, i + window); ++j) {
                steps.append(take(items, j, rows));
                // The items after one that cannot be written are not looked at.
                if (!steps.last().failure.isEmpty()) break;
            }
            const data::UpdatesRun ran = m_update.runAll(rows);
            for (const Step& step : steps) {
                if (m_job.cancelled()) return {true, totals.written};
                const ItemOutcome outcome = logItem(items[step.item], step, ran);
                totals.written = totals.written || outcome == ItemOutcome::Written;
                m_job.setProgress(step.item - first + 1, end - first);
                // Everything is rolled back anyway, and after a lost connection every
                // later item would only repeat the same error.
                if (outcome == ItemOutcome::Failed) return {true, totals.written};
            }
        }
        return totals;
    }

    void log(const QString& text) {
        m_job.appendLog(text);
        m_logged = true;
    }
    void logError(const QString& description) { log("Error: " + description + kLineEnd); }
    int rowsChanged() const { return m_rowsChanged; }

private:
    enum class ItemOutcome { Skipped, Written, NoRow, Failed };

    // The row items[index] writes, added to `rows`, or why it writes none.
    Step take(const QList<WriteBackItem>& items, int index, QList<data::RowUpdate>& rows) const {
        const WriteBackItem& item = items[index];
        Step step{index, -1, {}, {}};
        if (isMissing(item.orderQty)) {
            step.skipped = "Order Qty is null. Run Analysis to calculate it." + kLineEnd;
            return step;
        }
        // Only an item marked False is an (s,S) item; NULL counts as single-period.
        const bool ssItem = !item.singlePeriod.isNull() && !item.singlePeriod.toBool();
        if (ssItem && isMissing(item.reorderPoint)) {
            step.skipped = "ReorderPoint is null. Run Analysis to calculate it." + kLineEnd;
            return step;
        }
        try {
            data::RowUpdate row{m_target.tableName, {}, m_target.idName, {}};
            row.values.append({m_target.orderQtyName, boundValue(item.orderQty, m_target.qtyType, "OrderQty")});
            if (ssItem)
                row.values.append(
                    {m_target.reorderLevelName, boundValue(item.reorderPoint, m_target.levelType, "ReorderPoint")});
            row.key = boundValue(item.itemId, m_target.idType, "ItemID");
            step.row = int(rows.size());
            rows.append(std::move(row));
        } catch (const core::RuntimeError& error) {
            step.failure = QString::fromStdString(error.description());
        }
        return step;
    }

    ItemOutcome logItem(const WriteBackItem& item, const Step& step, const data::UpdatesRun& ran) {
        if (m_logged) log(kLineEnd);
        log(valueText(item.item) + " (ID: " + valueText(item.itemId) + ")" + kLineEnd);
        if (!step.skipped.isEmpty()) {
            log(step.skipped);
            return ItemOutcome::Skipped;
        }
        if (step.row < 0 || step.row >= ran.changed.size()) {
            logError(failureText(m_cnn, step.row < 0 ? step.failure : ran.failure));
            return ItemOutcome::Failed;
        }
        const int changed = ran.changed[step.row];
        if (changed == 0) {
            log("No row of " + m_target.tableName + " has " + m_target.idName + " " + valueText(item.itemId) + "." +
                kLineEnd);
            return ItemOutcome::NoRow;
        }
        m_rowsChanged += changed;
        return ItemOutcome::Written;
    }

    const WriteBackTarget& m_target;
    JobControl& m_job;
    const data::Connection& m_cnn;
    data::TableUpdate m_update;
    bool m_logged = false;
    int m_rowsChanged = 0;
};

}  // namespace

WriteBackResult runWriteBack(const WriteBackTarget& target, const QList<WriteBackItem>& items, int current,
                             const WriteBackQuestion& ask, JobControl& job) {
    WriteBackResult result;
    data::Connection cnn;
    bool locked = false;
    try {
        cnn.open(target.cnnString);
    } catch (const data::LockedDatabaseError&) {
        locked = true;
    } catch (const core::RuntimeError&) {
        // The message names the string as given; its reason is not shown.
    }
    if (cnn.state() != 1) {
        const QString shown = data::ConnectionString::withoutPassword(target.cnnString);
        job.show(message(locked ? "The database at " + shown +
                                      " is locked by another program. Try again when that program has finished "
                                      "with it."
                                : "Failed to connect to database at " + shown + ".",
                         QStringLiteral("Connection failed")));
        return result;
    }
    result.connected = true;
    if (items.isEmpty()) {
        job.show(message(QStringLiteral("No data in the database."), QStringLiteral("No data available")));
        return result;
    }
    result.choice = ask();
    if (result.choice == WriteBackChoice::Cancel) {
        job.appendLog(QStringLiteral("Canceled"));
        return result;
    }

    Run run(target, job, cnn);
    std::optional<data::Transaction> transaction;
    try {
        transaction.emplace(cnn);
    } catch (const core::RuntimeError& error) {
        run.logError(failureText(cnn, error));
        run.log("Nothing was updated." + kLineEnd);
        return result;
    }
    const bool all = result.choice == WriteBackChoice::AllItems;
    const int first = all ? 0 : std::clamp(current, 0, static_cast<int>(items.size()) - 1);
    const int end = all ? static_cast<int>(items.size()) : first + 1;
    const auto [failed, written] = run.writeAll(items, first, end);
    // One item that was skipped or matched no row ends the log with its own line.
    if (!all && !written && !failed) return result;
    if (!failed) {
        try {
            transaction->commit();
            result.committed = true;
            result.rowsChanged = run.rowsChanged();
            run.log("Update completed." + kLineEnd);
            return result;
        } catch (const core::RuntimeError& error) {
            run.logError(failureText(cnn, error));
        }
    }
    transaction.reset();  // rolls back
    run.log("Nothing was updated." + kLineEnd);
    return result;
}

}  // namespace tervalo::jobs
