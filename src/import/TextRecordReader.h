#pragma once
// Reads the record of an import text file: one pair a line, the name before
// the line's one comma and the value after it, nothing trimmed, no quoting.
// A line ends at CR, CR LF or LF; empty lines give no pair. A non-empty line
// without exactly one comma, or with a NUL byte, makes the file unreadable,
// naming the line. The bytes are UTF-8, or Windows-1252 (the files' old
// encoding) when they are not valid UTF-8.
#include <QByteArray>

#include "import/ImportRecord.h"

namespace tervalo::import {

ReadResult readTextRecord(const QByteArray& bytes);

}  // namespace tervalo::import
