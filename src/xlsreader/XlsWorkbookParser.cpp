#include "XlsWorkbookParser.h"

#include <freexl.h>

#include <algorithm>
#include <cstdint>

#include "core/NumberText.h"

namespace tervalo::xlsreader {

using import::XlsProblem;
using import::XlsSheet;

namespace {

// More cells than this on the first sheet cannot be a record of pairs.
constexpr std::uint64_t kMaxCells = 4'000'000;

// Closes the workbook however the reading ends.
class Workbook {
public:
    explicit Workbook(const char* path) { m_status = freexl_open(path, &m_handle); }
    ~Workbook() {
        if (m_handle) freexl_close(m_handle);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    bool opened() const { return m_status == FREEXL_OK && m_handle; }
    const void* handle() const { return m_handle; }

private:
    const void* m_handle = nullptr;
    int m_status = FREEXL_NULL_HANDLE;
};

bool filled(const void* sheet, unsigned row, unsigned column) {
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(sheet, row, static_cast<unsigned short>(column), &cell) != FREEXL_OK ||
        cell.type == FREEXL_CELL_NULL)
        return false;
    const bool text = cell.type == FREEXL_CELL_TEXT || cell.type == FREEXL_CELL_SST_TEXT;
    return !text || (cell.value.text_value && *cell.value.text_value);
}

std::string cellText(const void* sheet, unsigned row, unsigned column) {
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(sheet, row, static_cast<unsigned short>(column), &cell) != FREEXL_OK) return {};
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return std::to_string(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return core::generalText(cell.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return cell.value.text_value ? std::string(cell.value.text_value) : std::string();
        default:
            return {};
    }
}

XlsSheet problem(XlsProblem why) {
    XlsSheet sheet;
    sheet.problem = why;
    return sheet;
}

}  // namespace

XlsSheet readWorkbook(const char* path) {
    Workbook book(path);
    if (!book.opened()) return problem(XlsProblem::NotAWorkbook);
    const void* h = book.handle();
    unsigned int password = 0;
    if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED)
        return problem(XlsProblem::Password);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(h, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(h, &rows, &columns) != FREEXL_OK)
        return problem(XlsProblem::NoSheet);
    if (std::uint64_t(rows) * columns > kMaxCells) return problem(XlsProblem::SheetTooLarge);

    // The used range's first column: the leftmost filled cell of any row. A
    // row is looked at only left of the leftmost filled cell found so far, so
    // once one row starts in column A, no other is looked at for it.
    unsigned left = columns;
    for (unsigned r = 0; r < rows && left > 0; ++r)
        for (unsigned c = 0; c < left; ++c)
            if (filled(h, r, c)) {
                left = c;
                break;
            }
    // Its rows: from the first to the last row with a filled cell in the
    // record's two columns; what lies right of them is not read.
    const unsigned last = std::min(left + 2, unsigned(columns));
    unsigned top = rows, bottom = 0;
    for (unsigned r = 0; r < rows; ++r)
        for (unsigned c = left; c < last; ++c)
            if (filled(h, r, c)) {
                top = std::min(top, r);
                bottom = r;
                break;
            }

    XlsSheet sheet;
    if (top == rows) return sheet;  // an empty sheet gives no pairs
    if (bottom - top + 1 > import::kMaxSheetPairs) return problem(XlsProblem::TooManyRows);
    for (unsigned r = top; r <= bottom; ++r) {
        std::string value = left + 1 < columns ? cellText(h, r, left + 1) : std::string();
        sheet.pairs.push_back({cellText(h, r, left), std::move(value), r + 1});
    }
    return sheet;
}

}  // namespace tervalo::xlsreader
