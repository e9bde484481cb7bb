#pragma once
// Reads the record of an Excel workbook (.xls, read with libfreexl): the first
// worksheet's used range, from its top-left filled cell to its last filled
// row; row r gives the pair (its first cell, the cell right of it). Numbers
// come as their general text ("15000", "12.5"), empty cells as "", dates as
// "YYYY-MM-DD". A workbook libfreexl cannot open, or whose sheet is too large
// to be one record, is unreadable.
#include <QString>

#include "warehouse/ImportRecord.h"

namespace tervalo::warehouse {

ReadResult readXlsRecord(const QString& path);

}  // namespace tervalo::warehouse
