#pragma once
// What the report browser reads and deletes of the saved results: the rows of
// one report kind dated in a range, the full rows of the checked entries for a
// printed report, and the checked entries' own rows for a delete.
//
// Every value is bound; dates travel as ISO "YYYY-MM-DD" text. The checked
// entries, however many, go into a temporary key table on the connection, so
// no statement depends on how many values SQLite accepts in one statement.
#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <optional>

#include "data/Connection.h"

namespace tervalo::data {

// The kinds of saved results the browser lists, numbered as the Reports menu numbers them.
enum class ReportKind { Eoq = 1, ReorderPoint = 2, SinglePeriodUniform = 3, SinglePeriodNormal = 4 };

// The table a saved result lives in.
enum class ResultTable : quint8 { Eoq1, SS };

ResultTable tableOf(ReportKind kind);

// One saved row as the browser lists it: what it shows, and the key of the row.
struct ReportEntry {
    ResultTable table = ResultTable::Eoq1;
    qlonglong logId = 0;
    int modelId = 0;
    QDate date;
    QString itemName;
    std::optional<QString> itemId;  // Null in the table
    QString modelName;
};

class ReportBrowserRepository {
public:
    explicit ReportBrowserRepository(Connection& cnn) : m_cnn(cnn) {}

    // The saved rows of the kind whose date lies from `from` to `to`, both
    // included (none when `from` is after `to`), joined with Models (inner
    // join): newest day first, the rows of one day in the order they were saved.
    QList<ReportEntry> list(ReportKind kind, const QDate& from, const QDate& to);

    // The rows a report of the kind shows for the entries: every row of the
    // kind's table with an entry's exact item name, date and model (so two
    // calculations of one item on one day by one model both print), with
    // Models.ModelName (EOQ1) or Models.ModelName and DemandType.Desc (s_S),
    // inner joins, in the order they were saved. Entries of the other table
    // select nothing.
    QList<QSqlRecord> reportRows(ReportKind kind, const QList<ReportEntry>& entries);

    // Deletes exactly the entries' own rows (by LogID, in the table and model
    // each came from) that belong to the kind, in one transaction: on a
    // failure nothing is deleted and the error is raised. Returns the number
    // of rows deleted.
    int deleteRows(ReportKind kind, const QList<ReportEntry>& entries);

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
