#include "warehouse/XlsRecordReader.h"

#include <freexl.h>

#include <QFile>
#include <algorithm>

#include "core/NumberText.h"

namespace tervalo::warehouse {

namespace {

// More cells than this on the first sheet cannot be a record of pairs.
constexpr quint64 kMaxCells = 4'000'000;

// Closes the workbook however the reading ends.
class Workbook {
public:
    explicit Workbook(const QString& path) { m_status = freexl_open(QFile::encodeName(path).constData(), &m_handle); }
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

bool isFilled(const FreeXL_CellValue& cell) {
    if (cell.type == FREEXL_CELL_NULL) return false;
    const bool text = cell.type == FREEXL_CELL_TEXT || cell.type == FREEXL_CELL_SST_TEXT;
    return !text || (cell.value.text_value && *cell.value.text_value);
}

QString cellText(const void* sheet, unsigned row, unsigned column) {
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(sheet, row, static_cast<unsigned short>(column), &cell) != FREEXL_OK) return QString();
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return QString::number(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return QString::fromStdString(core::generalText(cell.value.double_value));
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return cell.value.text_value ? QString::fromUtf8(cell.value.text_value) : QString();
        default:
            return QString();
    }
}

ReadResult unreadable(const QString& why) {
    ReadResult result;
    result.placeWord = PlaceWord::Row;
    result.problem = why;
    return result;
}

}  // namespace

ReadResult readXlsRecord(const QString& path) {
    Workbook book(path);
    if (!book.opened()) return unreadable(QStringLiteral("it cannot be read as an Excel workbook"));
    const void* h = book.handle();
    unsigned int password = 0;
    if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED)
        return unreadable(QStringLiteral("the workbook is protected by a password"));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(h, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(h, &rows, &columns) != FREEXL_OK)
        return unreadable(QStringLiteral("it has no worksheet that can be read"));
    if (quint64(rows) * columns > kMaxCells) return unreadable(QStringLiteral("its first worksheet is too large"));

    // The used range: from the first filled row and column to the last filled row.
    unsigned top = rows, left = columns, bottom = 0;
    for (unsigned r = 0; r < rows; ++r)
        for (unsigned c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(h, r, static_cast<unsigned short>(c), &cell) != FREEXL_OK || !isFilled(cell))
                continue;
            top = std::min(top, r);
            left = std::min(left, c);
            bottom = std::max(bottom, r);
        }

    ReadResult result;
    result.placeWord = PlaceWord::Row;
    result.records.append(ImportRecord{});
    if (top == rows) return result;  // an empty sheet gives no pairs
    if (bottom - top + 1 > unsigned(kMaxPairs)) {
        result.problem = QStringLiteral("the used range has more than %1 rows").arg(kMaxPairs);
        return result;
    }
    QList<ImportPair>& pairs = result.records.first().pairs;
    for (unsigned r = top; r <= bottom; ++r) {
        const QString name = cellText(h, r, left);
        const QString value = left + 1 < columns ? cellText(h, r, left + 1) : QString();
        pairs.append({name, value, int(r) + 1});
    }
    return result;
}

}  // namespace tervalo::warehouse
