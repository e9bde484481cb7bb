#pragma once
// What the demand-history fuzz harness checks for one input, shared by the
// libFuzzer target (fuzz/DemandHistoryFuzz.cpp) and the seeded pass of the
// ordinary test run (tests/core). Plain C++, as the reader is.
//
// Every row read holds two numbers; reading stops early only for a reason;
// at the end of the text every value was taken; the rows written and read
// again are the same rows, read to the end; writing them again gives the same
// text; the rows sort by period and give a series of the same length.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/demand/DemandHistory.h"

namespace tervalo::fuzz {

// The values of the text, counted apart from the reader: runs of blanks, tabs,
// commas and line ends part them; a UTF-8 byte-order mark may lead.
inline std::size_t demandHistoryValueCount(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::size_t count = 0;
    bool inValue = false;
    for (const char c : text) {
        const bool separator = c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
        if (!separator && !inValue) ++count;
        inValue = !separator;
    }
    return count;
}

// Empty when the input passes, else what failed.
inline std::string demandHistoryFuzzCheck(const std::uint8_t* data, std::size_t size) {
    namespace d = tervalo::core::demand;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const d::DemandHistoryRead read = d::readDemandHistory(text);
    if (d::firstBadCell(read.rows)) return "a row read holds a cell that is not a number";
    const std::size_t values = demandHistoryValueCount(text);
    if (read.rows.size() * 2 > values) return "more rows than pairs of values";
    if (read.stop == d::ReadStop::EndOfText && read.rows.size() * 2 != values) return "values left unread";
    if ((read.stop == d::ReadStop::EndOfText) != !d::readStopMessage(read.stop)) return "a stop without its message";

    const std::string written = d::writeDemandHistory(read.rows);
    const d::DemandHistoryRead again = d::readDemandHistory(written);
    if (again.stop != d::ReadStop::EndOfText) return "the written text does not read to its end";
    if (again.rows != read.rows) return "the written text reads back as other rows";
    if (d::writeDemandHistory(again.rows) != written) return "writing the rows again gives another text";

    std::vector<d::DemandTextRow> sorted = read.rows;
    d::sortByTime(sorted);
    const std::vector<d::DemandPoint> series = d::demandSeries(sorted);
    if (series.size() != read.rows.size()) return "the series has another length";
    for (std::size_t i = 1; i < series.size(); ++i) {
        if (series[i].time < series[i - 1].time) return "the rows are not in the order of their periods";
    }
    return {};
}

}  // namespace tervalo::fuzz
