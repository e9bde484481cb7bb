#pragma once
// Writes a small Excel 97-2003 workbook (.xls: BIFF8 records in a compound
// file): one worksheet of text and number cells. It makes the sample
// workbooks shipped beside the program, and workbooks for the tests and
// benchmarks; the program itself only reads workbooks. Plain C++.
#include <string>
#include <variant>
#include <vector>

namespace tervalo::tools {

struct XlsCell {
    unsigned row = 0;                         // from 0 (row 1)
    unsigned column = 0;                      // from 0 (column A)
    std::variant<std::string, double> value;  // UTF-8 text or a number
};

// The workbook's bytes. The sheet's strings must fit one string-table record
// (about 8 KB of text); throws std::length_error when they do not.
std::string xlsWorkbook(const std::vector<XlsCell>& cells, const std::string& sheetName = "Sheet1");

// Writes the workbook to a file; false when the file cannot be written.
bool writeXlsWorkbook(const std::string& path, const std::vector<XlsCell>& cells);

}  // namespace tervalo::tools
