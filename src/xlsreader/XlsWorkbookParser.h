#pragma once
// The reading of an Excel workbook (.xls) with libfreexl, in the workbook
// reader process only: the first worksheet's used range, from its top-left
// filled cell to its last filled row; row r gives the pair (its first cell,
// the cell right of it). Numbers come as their general text ("15000",
// "12.5"), empty cells as "", dates as "YYYY-MM-DD".
#include "import/XlsSheetFraming.h"

namespace tervalo::xlsreader {

import::XlsSheet readWorkbook(const char* path);

}  // namespace tervalo::xlsreader
