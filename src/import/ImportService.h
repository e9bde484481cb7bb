#pragma once
// The import of item and sales files from one folder into Items, Sales and
// SalesWeekly, without any window: it lists the folder, reads every file that
// passes the kind's name tests, checks every record, and stores all of them in
// one transaction, or nothing when any file is refused. Each file's rows go
// into the open transaction as soon as it is read and checked; the checks
// against other files run before the commit, and a refusal rolls back. The outcome carries the
// log (CR LF lines: files read, records stored, each problem) and the one
// message box the caller shows, if any.
//
// Records are keyed on ItemID (Items) and on ItemID and Year (Sales,
// SalesWeekly): a known key updates the columns the record names, a new one
// adds a row. Items records are stored before sales records, so a sales file
// may name an item that an Items file of the same import brings.
#include <QDate>
#include <QString>
#include <optional>

#include "core/CheckMessage.h"
#include "import/XlsRecordReader.h"

namespace tervalo::data {
class Connection;
}

namespace tervalo::import {

enum class ImportStatus {
    Stored,            // every record stored (possibly none: no file passed the tests)
    Rejected,          // a file was refused; nothing stored
    FolderUnreadable,  // the folder is empty, missing or cannot be listed; nothing stored
    DatabaseFailed,    // the database refused a step; rolled back, nothing stored
    AccessNote,        // "OtherFile": only the note about Access
    UnknownKind,       // any other kind: nothing done
};

struct ImportCounts {
    int filesRead = 0;
    int filesRejected = 0;
    int items = 0;
    int sales = 0;
    int salesWeekly = 0;

    int recordsStored() const { return items + sales + salesWeekly; }
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::Stored;
    QString log;  // empty when no folder was looked at
    ImportCounts counts;
    std::optional<core::CheckMessage> notice;  // a box for the user

    bool ok() const {
        return status != ImportStatus::Rejected && status != ImportStatus::FolderUnreadable &&
               status != ImportStatus::DatabaseFailed;
    }
};

class ImportService {
public:
    // `dataType` as the settings hold it ("TextFile", "dBaseFile", "ExcelFile",
    // "OtherFile"); `today` bounds the sales years; `xlsReader` starts the
    // workbook reader of each workbook.
    static ImportOutcome importFolder(data::Connection& cnn, const QString& dataType, const QString& folder,
                                      const QDate& today, const XlsReaderProcess& xlsReader = {});

    // The note of "OtherFile".
    static core::CheckMessage accessNote();
};

}  // namespace tervalo::import
