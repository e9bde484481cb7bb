#include "rtf/RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rtf/RtfCodePage.h"
#include "rtf/RtfTokenizer.h"

namespace tervalo::rtf {

namespace {

// What the text of a group is for.
enum class Dest : std::uint8_t { Text, Skip, FontTable, ColorTable };

// The control words the reader acts on.
enum class Word : std::uint8_t {
    Par,
    Line,
    Tab,
    Cell,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Hidden,
    Font,
    FontSize,
    Colour,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Red,
    Green,
    Blue,
    Bin,
    FontTable,
    ColorTable,
    SkipDest,
    Char,  // a named character
};

struct WordInfo {
    Word word;
    char16_t ch = 0;  // the character of a Word::Char
};

const std::unordered_map<std::string_view, WordInfo>& words() {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"par", {Word::Par}},
            {"sect", {Word::Par}},
            {"page", {Word::Par}},
            {"row", {Word::Par}},
            {"line", {Word::Line}},
            {"tab", {Word::Tab}},
            {"cell", {Word::Cell}},
            {"pard", {Word::Pard}},
            {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCenter}},
            {"qr", {Word::AlignRight}},
            {"qj", {Word::AlignJustify}},
            {"plain", {Word::Plain}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}},
            {"v", {Word::Hidden}},
            {"f", {Word::Font}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::Colour}},
            {"deff", {Word::DefaultFont}},
            {"uc", {Word::UnicodeSkip}},
            {"u", {Word::Unicode}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"bin", {Word::Bin}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColorTable}},
            {"emdash", {Word::Char, 0x2014}},
            {"endash", {Word::Char, 0x2013}},
            {"emspace", {Word::Char, 0x2003}},
            {"enspace", {Word::Char, 0x2002}},
            {"qmspace", {Word::Char, 0x2005}},
            {"bullet", {Word::Char, 0x2022}},
            {"lquote", {Word::Char, 0x2018}},
            {"rquote", {Word::Char, 0x2019}},
            {"ldblquote", {Word::Char, 0x201C}},
            {"rdblquote", {Word::Char, 0x201D}},
            {"zwj", {Word::Char, 0x200D}},
            {"zwnj", {Word::Char, 0x200C}},
        };
        for (std::string_view w :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
              "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
            t.emplace(w, WordInfo{Word::Underline});
        }
        // Destinations whose text is not part of the document.
        for (std::string_view w : {"stylesheet",   "info",      "pict",       "object",    "objdata",
                                   "shp",          "shppict",   "nonshppict", "header",    "headerl",
                                   "headerr",      "headerf",   "footer",     "footerl",   "footerr",
                                   "footerf",      "footnote",  "fldinst",    "listtable", "listoverridetable",
                                   "revtbl",       "rsidtbl",   "xmlnstbl",   "themedata", "colorschememapping",
                                   "latentstyles", "datastore", "generator",  "filetbl",   "pgdsctbl",
                                   "operator",     "author",    "title",      "subject",   "keywords",
                                   "comment",      "doccomm",   "company",    "creatim",   "revtim",
                                   "printim",      "buptim",    "userprops",  "bkmkstart", "bkmkend",
                                   "txe",          "xe",        "tc",         "rxe",       "annotation",
                                   "atnid",        "atnauthor", "falt",       "panose",    "fname",
                                   "mmathPr",      "template",  "docvar",     "atrfstart", "atrfend",
                                   "protusertbl",  "pn",        "listtext"}) {
            t.emplace(w, WordInfo{Word::SkipDest});
        }
        return t;
    }();
    return table;
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int font = -1;  // -1: the default font (\deff)
    int halfPoints = 24;
    int colour = 0;  // 0: automatic
    bool operator==(const CharState&) const = default;
};

size_t qHash(const CharState& s, size_t seed = 0) {
    return qHashMulti(seed, s.bold, s.italic, s.underline, s.hidden, s.font, s.halfPoints, s.colour);
}

struct GroupState {
    CharState chars;
    Qt::Alignment align = Qt::AlignLeft;
    int uc = 1;
    Dest dest = Dest::Text;
};

constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 0xFFFF;
constexpr qsizetype kMaxCachedFormats = 256;

// The destination state machine: the tokens of RtfTokenizer read into the
// document, each in the destination and the formatting of its group.
class Parser {
    friend class ::tervalo::rtf::RtfTokenizer;

public:
    Parser(const QByteArray& data, QTextDocument* doc) : m_tokens(data), m_cursor(doc) {
        m_groups.reserve(64);
        m_groups.push_back(GroupState{});  // outside the document's group
    }

    // Reads everything as one edit block.
    void run() {
        m_cursor.beginEditBlock();
        m_tokens.read(*this);
        finish();
        m_cursor.endEditBlock();
    }

    // The tokens, as RtfTokenizer hands them over.
    bool done() const { return m_done; }

private:
    GroupState& state() { return m_groups.back(); }
    bool skipping() const { return m_overflow > 0 || m_groups.back().dest == Dest::Skip; }

    void openGroup() {
        m_fallback = 0;
        if (m_overflow > 0 || static_cast<int>(m_groups.size()) > RtfReader::kMaxGroupDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(m_groups.back());
    }

    void closeGroup() {
        m_fallback = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_groups.size() <= 1) return;  // a stray brace before the document's group
        if (state().dest == Dest::FontTable) commitFontName();
        if (m_groups.size() == 2) {
            // The document's group closes: its last paragraph ends in the state of that group.
            endDocument();
            m_done = true;
        }
        m_groups.pop_back();
    }

    // Plain bytes up to the next brace, backslash or line end; the first
    // of them may be the rest of a \u fallback.
    void textRun(std::string_view bytes) {
        const std::size_t fallback = std::min(bytes.size(), static_cast<std::size_t>(m_fallback));
        m_fallback -= static_cast<int>(fallback);
        bytes.remove_prefix(fallback);
        if (bytes.empty() || skipping()) return;  // a picture's data, say
        const Dest dest = state().dest;
        if (dest == Dest::Text) {
            if (state().chars.hidden) return;
            beginText();
            for (const char b : bytes) {
                const unsigned char c = static_cast<unsigned char>(b);
                if (c >= 0x20 || c == '\t') m_pending.append(QChar(rtf::fromCp1252(c)));
            }
        } else {
            for (const char b : bytes)
                tableByte(static_cast<unsigned char>(b), false);
        }
    }

    // One byte of a font or colour table; `escaped` when it came from \'hh.
    void tableByte(unsigned char c, bool escaped) {
        if (state().dest == Dest::FontTable) {
            if (c == ';' && !escaped) {
                commitFontName();
            } else {
                fontNameChar(rtf::fromCp1252(c));
            }
        } else if (state().dest == Dest::ColorTable && c == ';' && !escaped) {
            commitColour();
        }
    }

    void hexByte(int value, int digits) {
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        if (digits == 0 || skipping()) return;
        if (state().dest == Dest::Text) {
            character(rtf::fromCp1252(static_cast<unsigned char>(value)));
        } else {
            tableByte(static_cast<unsigned char>(value), true);
        }
    }

    void symbol(unsigned char c) {
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        if (c == '*') {
            if (m_overflow == 0) state().dest = Dest::Skip;
            return;
        }
        if (skipping()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                if (state().dest == Dest::Text) {
                    character(c);
                } else {
                    tableByte(c, true);
                }
                break;
            case '~':
                character(0x00A0);
                break;
            case '_':
                character(0x2011);
                break;
            case '-':
                character(0x00AD);
                break;
            case '\n':
            case '\r':
                if (state().dest == Dest::Text) paragraph();
                break;
            case '\t':
                character(u'\t');
                break;
            default:
                break;  // \: \| and unknown symbols
        }
    }

    void word(std::string_view name, bool hasParam, int param) {
        const auto& table = words();
        const auto it = table.find(name);
        if (it == table.end()) {
            if (m_fallback > 0) --m_fallback;
            return;
        }
        const WordInfo info = it->second;
        if (info.word == Word::Bin) {
            // The tokenizer has skipped its data, even as fallback or in a skipped group.
            if (m_fallback > 0) --m_fallback;
            return;
        }
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        if (skipping()) return;
        GroupState& s = state();
        CharState& ch = s.chars;
        const bool on = !hasParam || param != 0;
        switch (info.word) {
            case Word::Par:
                if (s.dest == Dest::Text) paragraph();
                break;
            case Word::Line:
                character(0x2028);
                break;
            case Word::Tab:
            case Word::Cell:
                character(u'\t');
                break;
            case Word::Pard:
                s.align = Qt::AlignLeft;
                break;
            case Word::AlignLeft:
                s.align = Qt::AlignLeft;
                break;
            case Word::AlignCenter:
                s.align = Qt::AlignHCenter;
                break;
            case Word::AlignRight:
                s.align = Qt::AlignRight;
                break;
            case Word::AlignJustify:
                s.align = Qt::AlignJustify;
                break;
            case Word::Plain:
                ch = CharState{};
                break;
            case Word::Bold:
                ch.bold = on;
                break;
            case Word::Italic:
                ch.italic = on;
                break;
            case Word::Underline:
                ch.underline = on;
                break;
            case Word::UnderlineNone:
                ch.underline = false;
                break;
            case Word::Hidden:
                ch.hidden = on;
                break;
            case Word::Font:
                if (s.dest == Dest::FontTable) {
                    commitFontName();
                    m_fontIndex = param;
                } else {
                    ch.font = hasParam ? param : -1;
                }
                break;
            case Word::FontSize:
                ch.halfPoints = param > 0 ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : 24;
                break;
            case Word::Colour:
                ch.colour = std::max(param, 0);
                break;
            case Word::DefaultFont:
                m_defaultFont = param;
                break;
            case Word::UnicodeSkip:
                s.uc = std::clamp(param, 0, kMaxUnicodeSkip);
                break;
            case Word::Unicode: {
                const int code = param < 0 ? param + 0x10000 : param;
                character(code >= 0 && code <= 0xFFFF ? static_cast<char16_t>(code) : char16_t{0xFFFD});
                m_fallback = s.uc;
                break;
            }
            case Word::Red:
                m_colour[0] = std::clamp(param, 0, 255);
                m_colourSet = true;
                break;
            case Word::Green:
                m_colour[1] = std::clamp(param, 0, 255);
                m_colourSet = true;
                break;
            case Word::Blue:
                m_colour[2] = std::clamp(param, 0, 255);
                m_colourSet = true;
                break;
            case Word::FontTable:
                s.dest = Dest::FontTable;
                m_fontIndex = 0;
                m_fontName.clear();
                break;
            case Word::ColorTable:
                s.dest = Dest::ColorTable;
                m_colourSet = false;
                m_colour[0] = m_colour[1] = m_colour[2] = 0;
                break;
            case Word::SkipDest:
                s.dest = Dest::Skip;
                break;
            case Word::Char:
                character(info.ch);
                break;
            case Word::Bin:
                break;
        }
    }

    // One character from an escape, a named character or \u, in the group's destination.
    void character(char16_t c) {
        const Dest dest = state().dest;
        if (dest == Dest::FontTable) {
            fontNameChar(c);
            return;
        }
        if (dest != Dest::Text || state().chars.hidden) return;
        if (QChar::isHighSurrogate(c)) {
            beginText();
            m_high = c;
            return;
        }
        if (QChar::isLowSurrogate(c)) {
            const char16_t high = m_high;
            m_high = 0;
            beginText();
            if (high != 0) {
                m_pending.append(QChar(high));
                m_pending.append(QChar(c));
            } else {
                m_pending.append(QChar(0xFFFD));
            }
            return;
        }
        if (c == 0x2029) {
            paragraph();
            return;
        }
        if (rtf::isStructureCharacter(c)) return;
        beginText();
        m_pending.append(QChar(c));
    }

    // Before text in the current character state: a lone high surrogate waiting
    // for its pair becomes U+FFFD, and the pending run is inserted when the state
    // has changed.
    void beginText() {
        if (m_high != 0) {
            m_high = 0;
            m_pending.append(QChar(0xFFFD));
        }
        if (!(state().chars == m_pendingState)) {
            flush();
            m_pendingState = state().chars;
        }
    }

    void flush() {
        if (m_high != 0) {
            m_high = 0;
            m_pending.append(QChar(0xFFFD));
        }
        if (m_pending.isEmpty()) return;
        m_cursor.insertText(m_pending, charFormat(m_pendingState));
        m_pending.resize(0);  // keeps the buffer
    }

    // The format of a character state, made once per state while the tables
    // stay as they are (the document interns equal formats faster when they
    // are the same object).
    QTextCharFormat charFormat(const CharState& s) {
        const auto found = m_formats.constFind(s);
        if (found != m_formats.constEnd()) return *found;
        QTextCharFormat f;
        if (s.bold) f.setFontWeight(QFont::Bold);
        if (s.italic) f.setFontItalic(true);
        if (s.underline) f.setFontUnderline(true);
        const auto font = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
        if (font != m_fonts.constEnd()) f.setFontFamilies({*font});
        f.setFontPointSize(s.halfPoints / 2.0);
        if (s.colour > 0 && s.colour < static_cast<int>(m_colours.size()) && m_colours[s.colour].isValid()) {
            f.setForeground(m_colours[s.colour]);
        }
        if (m_formats.size() >= kMaxCachedFormats) m_formats.clear();
        m_formats.insert(s, f);
        return f;
    }

    // The new paragraph starts with the alignment of the one ended, which is
    // usually its own too, so that its end seldom has to change it.
    void paragraph() {
        flush();
        applyBlockFormat();
        m_cursor.insertBlock(m_blockFormat, charFormat(state().chars));
    }

    void applyBlockFormat() {
        if (m_blockFormatSet && m_blockAlign == state().align) return;
        m_blockFormat = QTextBlockFormat();
        if (state().align != Qt::AlignLeft) m_blockFormat.setAlignment(state().align);
        m_blockAlign = state().align;
        m_blockFormatSet = true;
        m_cursor.setBlockFormat(m_blockFormat);
    }

    void fontNameChar(char16_t c) {
        if (c == u'\t' || rtf::isStructureCharacter(c) || m_fontName.size() >= RtfReader::kMaxFontNameLength) return;
        m_fontName.append(QChar(c));
    }

    void commitFontName() {
        const QString name = m_fontName.trimmed();
        m_fontName.clear();
        if (!name.isEmpty()) m_fonts.insert(m_fontIndex, name);
        m_formats.clear();
    }

    void commitColour() {
        m_colours.push_back(m_colourSet ? QColor(m_colour[0], m_colour[1], m_colour[2]) : QColor());
        m_colourSet = false;
        m_colour[0] = m_colour[1] = m_colour[2] = 0;
        m_formats.clear();
    }

    void endDocument() {
        flush();
        applyBlockFormat();
    }

    // At the end of the data: a truncated file's last paragraph takes the
    // alignment of the innermost group still open.
    void finish() {
        if (!m_done) endDocument();
    }

    RtfTokenizer m_tokens;
    QTextCursor m_cursor;
    std::vector<GroupState> m_groups;
    std::int64_t m_overflow = 0;  // groups opened beyond the depth bound, still open
    int m_fallback = 0;           // characters of a \u fallback still to skip
    char16_t m_high = 0;          // a high surrogate waiting for its pair
    bool m_done = false;
    QString m_pending;  // text not yet inserted, all in m_pendingState
    CharState m_pendingState;
    QHash<CharState, QTextCharFormat> m_formats;
    QTextBlockFormat m_blockFormat;  // the format of the paragraph being read, once set
    Qt::Alignment m_blockAlign = Qt::AlignLeft;
    bool m_blockFormatSet = false;
    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontIndex = 0;
    QString m_fontName;
    std::vector<QColor> m_colours;
    int m_colour[3] = {0, 0, 0};
    bool m_colourSet = false;
};

}  // namespace

bool RtfReader::looksLikeRtf(const QByteArray& data) { return data.startsWith("{\\rtf"); }

void RtfReader::read(const QByteArray& data, QTextDocument* into) {
    if (!into) return;
    const bool undo = into->isUndoRedoEnabled();
    into->setUndoRedoEnabled(false);
    if (!looksLikeRtf(data)) {
        into->setPlainText(rtf::decodePlainText(data));
    } else {
        into->clear();
        Parser(data, into).run();
    }
    into->setUndoRedoEnabled(undo);
}

QTextDocumentFragment RtfReader::readFragment(const QByteArray& data) {
    QTextDocument doc;
    read(data, &doc);
    return QTextDocumentFragment(&doc);
}

}  // namespace tervalo::rtf
