#pragma once
// The lexical half of the RTF reader: it reads the bytes as braces, control
// words with their numbers, control symbols, \'hh bytes and runs of plain
// text, and hands each to the reader it is given. It knows nothing of
// destinations or formatting; RtfReader's parser gives the tokens their
// meaning.
//
// Line ends outside a control symbol are dropped, a control word's delimiter
// space is eaten, numbers stop counting after RtfReader::kMaxDigits digits
// (and are capped at INT32_MAX), a name longer than RtfReader::kMaxWordLength
// letters comes as an empty name (no word the reader knows), and the data of
// \binN is skipped here, whatever the group it stands in. Every byte is
// looked at once. The tokens are handed over rather than returned so that
// the whole loop compiles into one function with the reader's.
#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "rtf/RtfReader.h"

namespace tervalo::rtf {

// What a reader of the tokens has:
//   bool done() const;  // true: read no further
//   void openGroup();  void closeGroup();
//   void word(std::string_view name, bool hasParam, int param);
//   void symbol(unsigned char c);  // \ and one other character: \\ \{ \~ \* ...
//   void hexByte(int value, int digits);  // \'hh with its 0 to 2 hex digits
//   void textRun(std::string_view bytes);  // up to the next brace, backslash or line end
class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& data) : m_p(data.constData()), m_end(data.constData() + data.size()) {}

    template <typename Reader>
    void read(Reader& reader) {
        while (m_p < m_end && !reader.done()) {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c == '{') {
                ++m_p;
                reader.openGroup();
            } else if (c == '}') {
                ++m_p;
                reader.closeGroup();
            } else if (c == '\\') {
                ++m_p;
                afterBackslash(reader);
            } else if (c == '\r' || c == '\n') {
                ++m_p;
            } else {
                reader.textRun(textRun());
            }
        }
    }

private:
    static bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static int hexValue(unsigned char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::string_view textRun() {
        const char* start = m_p;
        while (m_p < m_end) {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n') break;
            ++m_p;
        }
        return std::string_view(start, static_cast<std::size_t>(m_p - start));
    }

    // A backslash at the very end says nothing.
    template <typename Reader>
    void afterBackslash(Reader& reader) {
        if (m_p >= m_end) return;
        const unsigned char c = static_cast<unsigned char>(*m_p);
        if (isLetter(c)) {
            controlWord(reader);
            return;
        }
        ++m_p;
        if (c != '\'') {
            reader.symbol(c);
            return;
        }
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_p < m_end && hexValue(static_cast<unsigned char>(*m_p)) >= 0) {
            value = value * 16 + hexValue(static_cast<unsigned char>(*m_p));
            ++m_p;
            ++digits;
        }
        reader.hexByte(value, digits);
    }

    template <typename Reader>
    void controlWord(Reader& reader) {
        const char* start = m_p;
        while (m_p < m_end && isLetter(static_cast<unsigned char>(*m_p)))
            ++m_p;
        std::string_view name(start, static_cast<std::size_t>(m_p - start));
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (m_p + 1 < m_end && *m_p == '-' && isDigit(static_cast<unsigned char>(m_p[1]))) {
            negative = true;
            ++m_p;
        }
        if (m_p < m_end && isDigit(static_cast<unsigned char>(*m_p))) {
            hasParam = true;
            std::int64_t value = 0;
            int digits = 0;
            for (; m_p < m_end && isDigit(static_cast<unsigned char>(*m_p)); ++m_p, ++digits) {
                if (digits < RtfReader::kMaxDigits) value = value * 10 + (*m_p - '0');
            }
            value = std::min<std::int64_t>(value, INT32_MAX);
            param = static_cast<int>(negative ? -value : value);
        }
        if (m_p < m_end && *m_p == ' ') ++m_p;  // the delimiter
        if (name.size() > static_cast<std::size_t>(RtfReader::kMaxWordLength)) name = {};
        // The binary data of \binN is no text, whatever destination it is in.
        if (name == "bin" && hasParam && param > 0) m_p += std::min<std::int64_t>(param, m_end - m_p);
        reader.word(name, hasParam, param);
    }

    const char* m_p;
    const char* m_end;
};

}  // namespace tervalo::rtf
