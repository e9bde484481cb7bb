#pragma once
// A demand history as the entry window holds it: rows of two texts, the period
// and its demand, as typed or read. Reading and writing the demand-history
// text file, the check that every row holds two numbers, the order by period,
// and the series the regression takes.
//
// The file is a sequence of values separated by blanks, tabs, commas and line
// ends, taken in pairs in file order whatever the lines: the period (single
// precision), then the demand (double precision). Written, it is one line per
// row: the period, blanks up to the next 14-column zone (at least one), the
// demand, CR LF.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CheckMessage.h"
#include "core/demand/DemandAnalysis.h"

namespace tervalo::core::demand {

struct DemandTextRow {
    std::string time;    // the period number as text
    std::string demand;  // its demand as text

    bool operator==(const DemandTextRow&) const = default;
};

// Why reading stopped.
enum class ReadStop {
    EndOfText,      // every pair read
    BadValue,       // a period or demand that is not a number
    MissingDemand,  // a last period without its demand
    Overflow,       // a period beyond the single-precision range, or a demand whose text is beyond the double's
};

struct DemandHistoryRead {
    std::vector<DemandTextRow> rows;  // the pairs read before the stop, as number texts
    ReadStop stop = ReadStop::EndOfText;
};

DemandHistoryRead readDemandHistory(std::string_view text);

// What the window says when reading stopped early; none at the end of the text.
std::optional<CheckMessage> readStopMessage(ReadStop stop);

std::string writeDemandHistory(const std::vector<DemandTextRow>& rows);

// The first cell (row, column 0 period or 1 demand) that is empty or not a number.
struct BadCell {
    std::size_t row = 0;
    int column = 0;

    bool operator==(const BadCell&) const = default;
};
std::optional<BadCell> firstBadCell(const std::vector<DemandTextRow>& rows);

// "The data format is not correct." titled "Data format error".
CheckMessage dataFormatMessage();

// Rows whose cells are numbers, in the order of their periods as numbers
// (stable: rows of one period keep their order).
void sortByTime(std::vector<DemandTextRow>& rows);

// The series of rows whose cells are numbers, in row order.
std::vector<DemandPoint> demandSeries(const std::vector<DemandTextRow>& rows);

}  // namespace tervalo::core::demand
