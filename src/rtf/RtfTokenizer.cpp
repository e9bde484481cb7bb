#include "rtf/RtfTokenizer.h"

#include <algorithm>

#include "rtf/RtfReader.h"

namespace tervalo::platform {

namespace {

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken token(RtfToken::Kind kind) {
    RtfToken t;
    t.kind = kind;
    return t;
}

}  // namespace

RtfToken RtfTokenizer::next() {
    while (m_p < m_end) {
        const unsigned char c = static_cast<unsigned char>(*m_p);
        if (c == '\r' || c == '\n') {
            ++m_p;
            continue;
        }
        if (c == '{' || c == '}') {
            ++m_p;
            return token(c == '{' ? RtfToken::Kind::GroupOpen : RtfToken::Kind::GroupClose);
        }
        if (c == '\\') {
            ++m_p;
            if (m_p >= m_end) break;  // a backslash at the very end says nothing
            return afterBackslash();
        }
        const char* start = m_p;
        while (m_p < m_end) {
            const unsigned char b = static_cast<unsigned char>(*m_p);
            if (b == '{' || b == '}' || b == '\\' || b == '\r' || b == '\n') break;
            ++m_p;
        }
        RtfToken text = token(RtfToken::Kind::Text);
        text.text = std::string_view(start, static_cast<std::size_t>(m_p - start));
        return text;
    }
    return {};
}

RtfToken RtfTokenizer::afterBackslash() {
    const unsigned char c = static_cast<unsigned char>(*m_p);
    if (isLetter(c)) return controlWord();
    ++m_p;
    if (c == '\'') {
        RtfToken hex = token(RtfToken::Kind::Hex);
        while (hex.digits < 2 && m_p < m_end && hexValue(static_cast<unsigned char>(*m_p)) >= 0) {
            hex.param = hex.param * 16 + hexValue(static_cast<unsigned char>(*m_p));
            ++m_p;
            ++hex.digits;
        }
        return hex;
    }
    RtfToken symbol = token(RtfToken::Kind::Symbol);
    symbol.symbol = static_cast<char>(c);
    return symbol;
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken word = token(RtfToken::Kind::Word);
    const char* start = m_p;
    while (m_p < m_end && isLetter(static_cast<unsigned char>(*m_p)))
        ++m_p;
    const std::string_view name(start, static_cast<std::size_t>(m_p - start));
    bool negative = false;
    if (m_p + 1 < m_end && *m_p == '-' && isDigit(static_cast<unsigned char>(m_p[1]))) {
        negative = true;
        ++m_p;
    }
    if (m_p < m_end && isDigit(static_cast<unsigned char>(*m_p))) {
        word.hasParam = true;
        std::int64_t value = 0;
        int digits = 0;
        for (; m_p < m_end && isDigit(static_cast<unsigned char>(*m_p)); ++m_p, ++digits) {
            if (digits < RtfReader::kMaxDigits) value = value * 10 + (*m_p - '0');
        }
        value = std::min<std::int64_t>(value, INT32_MAX);
        word.param = static_cast<int>(negative ? -value : value);
    }
    if (m_p < m_end && *m_p == ' ') ++m_p;  // the delimiter
    if (name.size() <= static_cast<std::size_t>(RtfReader::kMaxWordLength)) word.text = name;
    // The binary data of \binN is no text, whatever destination it is in.
    if (word.text == "bin" && word.hasParam && word.param > 0) m_p += std::min<std::int64_t>(word.param, m_end - m_p);
    return word;
}

}  // namespace tervalo::platform
