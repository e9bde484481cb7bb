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
// demand, CR LF. A UTF-8 byte-order mark before the first value is skipped.
//
// A history holds at most 32,767 periods, the most the regression counts: a
// text with more pairs than the history has room for is refused whole, and is
// read no further than the first value past the room.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CheckMessage.h"
#include "core/demand/DemandAnalysis.h"

namespace tervalo::core::demand {

// The most periods a demand history holds.
inline constexpr std::size_t kMaxDemandRows = 32767;

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
    TooManyRows,    // more pairs than the history has room for: none is taken
};

struct DemandHistoryRead {
    std::vector<DemandTextRow> rows;  // the pairs read before the stop, as number texts
    ReadStop stop = ReadStop::EndOfText;
};

// Reads a text piece by piece, as a file arrives, keeping no more of it than
// the value being read.
class DemandHistoryReader {
public:
    // `room`: how many rows the history can still take.
    explicit DemandHistoryReader(std::size_t room = kMaxDemandRows) : m_room(room) {}

    // Takes the next piece of the text; false once reading has stopped, when
    // the rest of the text is not needed.
    bool read(std::string_view piece);
    // The end of the text: what was read, and why it stopped.
    DemandHistoryRead finish();
    // The pairs read whole so far, when the text cannot be read to its end.
    DemandHistoryRead pairsSoFar() { return std::move(m_read); }

private:
    void endValue();
    void take(std::string_view value);
    void stop(ReadStop why);

    std::size_t m_room;
    std::string m_value;                  // the value being read, which a piece may cut
    std::optional<std::string> m_period;  // a period waiting for its demand
    bool m_first = true;                  // nothing ended yet: a byte-order mark may lead the text
    bool m_stopped = false;
    DemandHistoryRead m_read;
};

DemandHistoryRead readDemandHistory(std::string_view text, std::size_t room = kMaxDemandRows);

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

// A period typed into a full history is refused with this message.
CheckMessage historyFullMessage();

// Rows whose cells are numbers, in the order of their periods as numbers
// (stable: rows of one period keep their order).
void sortByTime(std::vector<DemandTextRow>& rows);

// The series of rows whose cells are numbers, in row order.
std::vector<DemandPoint> demandSeries(const std::vector<DemandTextRow>& rows);

}  // namespace tervalo::core::demand
