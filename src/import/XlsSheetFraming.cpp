#include "import/XlsSheetFraming.h"

#include <charconv>

namespace tervalo::import {

namespace {

constexpr std::string_view kHeader = "tervalo-xls 1\n";
constexpr std::string_view kEnd = "end\n";
constexpr unsigned kLastProblem = static_cast<unsigned>(XlsProblem::TooManyRows);

// Reads from the front of the text; every step fails on anything unexpected.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    bool literal(std::string_view expected) {
        if (m_text.substr(0, expected.size()) != expected) return false;
        m_text.remove_prefix(expected.size());
        return true;
    }
    // A decimal number, no sign, followed by `after`.
    bool number(std::size_t& value, char after) {
        const char* first = m_text.data();
        const char* last = first + m_text.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end == first || end == last || *end != after) return false;
        m_text.remove_prefix(std::size_t(end - first) + 1);
        return true;
    }
    bool bytes(std::size_t count, std::string& out) {
        if (count > m_text.size()) return false;
        out.assign(m_text.substr(0, count));
        m_text.remove_prefix(count);
        return true;
    }
    bool atEnd() const { return m_text.empty(); }

private:
    std::string_view m_text;
};

}  // namespace

std::string encodeSheet(const XlsSheet& sheet) {
    std::string out(kHeader);
    out += "problem " + std::to_string(static_cast<unsigned>(sheet.problem)) + "\n";
    out += "pairs " + std::to_string(sheet.pairs.size()) + "\n";
    for (const XlsPair& pair : sheet.pairs) {
        out += std::to_string(pair.row) + ' ' + std::to_string(pair.name.size()) + ' ' +
               std::to_string(pair.value.size()) + '\n';
        out += pair.name;
        out += pair.value;
        out += '\n';
    }
    out += kEnd;
    return out;
}

std::optional<XlsSheet> decodeSheet(std::string_view bytes) {
    Cursor in(bytes);
    XlsSheet sheet;
    std::size_t problem = 0, count = 0;
    if (!in.literal(kHeader) || !in.literal("problem ") || !in.number(problem, '\n') || problem > kLastProblem ||
        !in.literal("pairs ") || !in.number(count, '\n') || count > kMaxSheetPairs)
        return std::nullopt;
    sheet.problem = static_cast<XlsProblem>(problem);
    sheet.pairs.resize(count);
    for (XlsPair& pair : sheet.pairs) {
        std::size_t row = 0, nameSize = 0, valueSize = 0;
        if (!in.number(row, ' ') || row == 0 || row > 0x7fffffff || !in.number(nameSize, ' ') ||
            !in.number(valueSize, '\n') || !in.bytes(nameSize, pair.name) || !in.bytes(valueSize, pair.value) ||
            !in.literal("\n"))
            return std::nullopt;
        pair.row = unsigned(row);
    }
    if (!in.literal(kEnd) || !in.atEnd()) return std::nullopt;
    return sheet;
}

}  // namespace tervalo::import
