#include "core/demand/DemandHistory.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::core::demand {

namespace {

constexpr std::size_t kPrintZone = 14;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// The values of the text in order: runs of separators part them.
class ValueReader {
public:
    explicit ValueReader(std::string_view text) : m_text(text) {}

    std::optional<std::string_view> next() {
        while (m_pos < m_text.size() && isSeparator(m_text[m_pos])) {
            ++m_pos;
        }
        if (m_pos == m_text.size()) return std::nullopt;
        const std::size_t begin = m_pos;
        while (m_pos < m_text.size() && !isSeparator(m_text[m_pos])) {
            ++m_pos;
        }
        return m_text.substr(begin, m_pos - begin);
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

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

DemandHistoryRead readDemandHistory(std::string_view text) {
    DemandHistoryRead read;
    ValueReader values(text);
    while (const std::optional<std::string_view> period = values.next()) {
        if (!isNumber(*period)) {
            read.stop = ReadStop::BadValue;
            return read;
        }
        const std::optional<std::string_view> demand = values.next();
        if (!demand) {
            read.stop = ReadStop::MissingDemand;
            return read;
        }
        if (!isNumber(*demand)) {
            read.stop = ReadStop::BadValue;
            return read;
        }
        DemandTextRow row;
        try {
            row.time = periodText(leadingNumber(*period));
        } catch (const RuntimeError&) {
            read.stop = ReadStop::Overflow;
            return read;
        }
        row.demand = plainDecimalText(leadingNumber(*demand));
        // A demand at the very top of the range whose 15 digits round beyond it
        // would not read back.
        if (!isNumber(row.demand)) {
            read.stop = ReadStop::Overflow;
            return read;
        }
        read.rows.push_back(std::move(row));
    }
    return read;
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
