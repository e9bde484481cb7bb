#include "core/demand/DemandHistory.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::core::demand {

namespace {

constexpr std::size_t kPrintZone = 14;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// No number is written this long: a longer value is not read whole.
constexpr std::size_t kLongestValue = 4096;

// A period is kept in single precision and written with the 7 significant
// digits of a single (0.1 stays "0.1", 1.23456789 becomes "1.234568").
std::string periodText(double value) {
    const float period = toSingle(value);
    char buffer[64];
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, period, std::chars_format::scientific, 6);
    double widened = 0;
    std::from_chars(buffer, shortest.ptr, widened);
    return plainDecimalText(widened);
}

bool isNumberCell(const std::string& text) { return !text.empty() && isNumber(text); }

}  // namespace

bool DemandHistoryReader::read(std::string_view piece) {
    for (const char c : piece) {
        if (m_stopped) return false;
        if (isSeparator(c)) {
            endValue();
        } else if (m_value.size() < kLongestValue) {
            m_value += c;
        } else {
            stop(ReadStop::BadValue);
        }
    }
    return !m_stopped;
}

DemandHistoryRead DemandHistoryReader::finish() {
    endValue();
    if (!m_stopped && m_period) stop(ReadStop::MissingDemand);
    m_stopped = true;
    return std::move(m_read);
}

void DemandHistoryReader::endValue() {
    // A byte-order mark counts only as the file's first bytes; after a
    // separator it is part of a value, which is then not a number.
    std::string_view value = m_value;
    if (m_first && value.starts_with(kByteOrderMark)) value.remove_prefix(kByteOrderMark.size());
    m_first = false;
    if (!value.empty() && !m_stopped) take(value);
    m_value.clear();
}

void DemandHistoryReader::take(std::string_view value) {
    if (m_read.rows.size() == m_room) return stop(ReadStop::TooManyRows);
    if (!isNumber(value)) return stop(ReadStop::BadValue);
    if (!m_period) {
        m_period = std::string(value);
        return;
    }
    DemandTextRow row;
    try {
        row.time = periodText(leadingNumber(*m_period));
    } catch (const RuntimeError&) {
        return stop(ReadStop::Overflow);
    }
    m_period.reset();
    row.demand = plainDecimalText(leadingNumber(value));
    // A demand at the very top of the range whose 15 digits round beyond it
    // would not read back.
    if (!isNumber(row.demand)) return stop(ReadStop::Overflow);
    m_read.rows.push_back(std::move(row));
}

void DemandHistoryReader::stop(ReadStop why) {
    m_stopped = true;
    m_read.stop = why;
    if (why == ReadStop::TooManyRows) m_read.rows.clear();
}

DemandHistoryRead readDemandHistory(std::string_view text, std::size_t room) {
    DemandHistoryReader reader(room);
    reader.read(text);
    return reader.finish();
}

std::optional<CheckMessage> readStopMessage(ReadStop stop) {
    switch (stop) {
        case ReadStop::EndOfText:
            return std::nullopt;
        case ReadStop::BadValue:
            return dataFormatMessage();
        case ReadStop::MissingDemand:
            return CheckMessage{"Input past end of file", "", MessageIcon::None};
        case ReadStop::Overflow:
            return CheckMessage{RuntimeError::standardDescription(ErrorCode::Overflow), "", MessageIcon::None};
        case ReadStop::TooManyRows:
            return CheckMessage{"The demand history holds at most " + std::to_string(kMaxDemandRows) +
                                    " periods; nothing was read from the file.",
                                "Too many periods", MessageIcon::Exclamation};
    }
    return std::nullopt;
}

std::string writeDemandHistory(const std::vector<DemandTextRow>& rows) {
    std::string text;
    for (const DemandTextRow& row : rows) {
        text += row.time;
        text.append(kPrintZone - row.time.size() % kPrintZone, ' ');
        text += row.demand;
        text += "\r\n";
    }
    return text;
}

std::optional<BadCell> firstBadCell(const std::vector<DemandTextRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!isNumberCell(rows[i].time)) return BadCell{i, 0};
        if (!isNumberCell(rows[i].demand)) return BadCell{i, 1};
    }
    return std::nullopt;
}

CheckMessage dataFormatMessage() {
    return {"The data format is not correct.", "Data format error", MessageIcon::Exclamation};
}

CheckMessage historyFullMessage() {
    return {"The demand history holds at most " + std::to_string(kMaxDemandRows) + " periods.", "Too many periods",
            MessageIcon::Exclamation};
}

void sortByTime(std::vector<DemandTextRow>& rows) {
    std::vector<std::pair<double, DemandTextRow>> keyed;
    keyed.reserve(rows.size());
    for (DemandTextRow& row : rows) {
        keyed.emplace_back(leadingNumber(row.time), std::move(row));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = std::move(keyed[i].second);
    }
}

std::vector<DemandPoint> demandSeries(const std::vector<DemandTextRow>& rows) {
    std::vector<DemandPoint> series;
    series.reserve(rows.size());
    for (const DemandTextRow& row : rows) {
        series.push_back({leadingNumber(row.time), leadingNumber(row.demand)});
    }
    return series;
}

}  // namespace tervalo::core::demand
