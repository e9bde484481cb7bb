#pragma once
// Reads the record of an Excel workbook (.xls): the first worksheet's used
// range, from its top-left filled cell to its last filled row; row r gives the
// pair (its first cell, the cell right of it). Numbers come as their general
// text ("15000", "12.5"), empty cells as "", dates as "YYYY-MM-DD".
//
// A workbook is untrusted input and libfreexl has read out of bounds on
// crafted ones, so it is parsed in a process of its own, the workbook reader
// (tervalo-xls-reader beside the program), started per file with a time, a
// processor time and a memory limit, under a system-call filter that allows
// it no more than parsing needs, and killed when the program ends. A crash,
// a hang, a non-zero exit or an answer that is not whole and well-formed
// makes the file unreadable, like a workbook libfreexl cannot open; so does a
// password, or a sheet too large to be one record.
#include <QString>
#include <QStringList>

#include "import/ImportRecord.h"

namespace tervalo::import {

// How the workbook reader is started: `program` with `arguments`, then the
// memory limit in bytes, the processor time limit in seconds (the time limit,
// rounded up) and this process's id (the reader applies the limits to itself
// and ends with this process).
struct XlsReaderProcess {
    QString program;  // empty: tervalo-xls-reader in the running program's folder
    QStringList arguments;
    int timeoutMs = 10000;
    qint64 memoryBytes = 1024LL * 1024 * 1024;
};

// The workbook open at `fd` (read, not closed).
ReadResult readXlsRecord(int fd, const XlsReaderProcess& reader);

}  // namespace tervalo::import
