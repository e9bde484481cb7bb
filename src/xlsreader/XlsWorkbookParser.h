#pragma once
// The reading of an Excel workbook (.xls) with libfreexl, in the workbook
// reader process only: the first worksheet's used range, from its leftmost
// filled column and the first to the last row with a filled cell in that
// column or the next; row r gives the pair (its first cell, the cell right
// of it), and what lies further right is not read. Numbers come as their
// general text ("15000", "12.5"), empty cells as "", dates as "YYYY-MM-DD",
// times of day as "HH:MM:SS".
#include "import/XlsSheetFraming.h"

namespace tervalo::xlsreader {

import::XlsSheet readWorkbook(const char* path);

}  // namespace tervalo::xlsreader
