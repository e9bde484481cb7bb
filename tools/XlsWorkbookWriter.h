#pragma once
// Writes a small Excel 97-2003 workbook (.xls: BIFF8 records in a compound
// file): one worksheet of text, number and time-of-day cells. It makes the sample
// workbooks shipped beside the program, and workbooks for the tests and
// benchmarks; the program itself only reads workbooks. Plain C++.
#include <string>
#include <variant>
#include <vector>

namespace tervalo::tools {

// A time of day: a number, the fraction of a day, formatted h:mm:ss.
struct XlsTime {
    double days = 0;
};

struct XlsCell {
    unsigned row = 0;                                  // from 0 (row 1)
    unsigned column = 0;                               // from 0 (column A)
    std::variant<std::string, double, XlsTime> value;  // UTF-8 text, a number or a time
};

// The workbook's bytes, with `codePage` in its CODEPAGE record (1200, UTF-16,
// as Excel writes; 1252 as some other programs do, whose reader then loads
// that code page). The sheet's strings must fit one string-table record
// (about 8 KB of text); throws std::length_error when they do not.
std::string xlsWorkbook(const std::vector<XlsCell>& cells, const std::string& sheetName = "Sheet1",
                        unsigned codePage = 1200);

// Writes the workbook to a file; false when the file cannot be written.
bool writeXlsWorkbook(const std::string& path, const std::vector<XlsCell>& cells, unsigned codePage = 1200);

}  // namespace tervalo::tools
