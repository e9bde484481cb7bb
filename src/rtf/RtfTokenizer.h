#pragma once
// The lexical half of the RTF reader: the bytes as braces, control words with
// their numbers, control symbols, \'hh bytes and runs of plain text. It knows
// nothing of destinations or formatting; RtfReader gives the tokens their
// meaning.
//
// Line ends outside a control symbol are dropped, a control word's delimiter
// space is eaten, numbers stop counting after RtfReader::kMaxDigits digits
// (and are capped at INT32_MAX), a name longer than RtfReader::kMaxWordLength letters
// comes back empty (no word the reader knows), and the data of \binN is
// skipped here, whatever the group it stands in. Every byte is looked at once.
#include <QByteArray>
#include <cstdint>
#include <string_view>

namespace tervalo::platform {

struct RtfToken {
    enum class Kind : std::uint8_t {
        End,         // no bytes left
        GroupOpen,   // {
        GroupClose,  // }
        Word,        // \name with its optional number
        Symbol,      // \ and one other character: \\ \{ \~ \* ...
        Hex,         // \'hh
        Text,        // plain bytes up to the next brace, backslash or line end
    };
    Kind kind = Kind::End;
    std::string_view text;  // Word: its name (empty when too long); Text: the bytes
    bool hasParam = false;  // Word
    int param = 0;          // Word: its number; Hex: the byte
    int digits = 0;         // Hex: how many hex digits followed (0 to 2)
    char symbol = 0;        // Symbol: the character after the backslash
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& data) : m_p(data.constData()), m_end(data.constData() + data.size()) {}

    RtfToken next();

private:
    RtfToken controlWord();
    RtfToken afterBackslash();

    const char* m_p;
    const char* m_end;
};

}  // namespace tervalo::platform
