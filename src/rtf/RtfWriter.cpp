#include "rtf/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "rtf/RtfCodePage.h"

namespace tervalo::rtf {

namespace {

constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;

// What the writer has stated so far; the reader's state at the start of the body.
struct RunState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = 24;
    int colour = 0;
};

int halfPointsOf(qreal points) {
    if (!(points > 0)) return 24;
    return static_cast<int>(std::clamp(std::lround(points * 2), long{kMinHalfPoints}, long{kMaxHalfPoints}));
}

class Writer {
public:
    explicit Writer(const QFont& font) {
        m_defaultFamily = font.family();
        m_defaultHalfPoints = halfPointsOf(font.pointSizeF());
        m_fonts.append(m_defaultFamily);
        m_fontIndex.insert(m_defaultFamily, 0);
    }

    QByteArray write(const QTextDocument& doc) {
        collectTables(doc);
        m_out.reserve(doc.characterCount() * 2 + 256);
        header();
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            paragraph(block.blockFormat().alignment());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid()) continue;
                run(fragment.charFormat());
                text(fragment.text(), false);
            }
        }
        m_out += "}\n";
        return m_out;
    }

    // What is written so far, taken away.
    QByteArray take() { return std::exchange(m_out, QByteArray()); }

    void header() {
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f";
            m_out += QByteArray::number(i);
            m_out += "\\fnil\\fcharset0 ";
            text(m_fonts[i], true);
            m_out += ";}";
        }
        m_out += "}\n";
        if (!m_colours.isEmpty()) {
            m_out += "{\\colortbl;";
            for (const QRgb rgb : m_colours) {
                m_out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
                         "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
            }
            m_out += "}\n";
        }
        // The default font and size stated once at the start (some readers need a
        // font before the first \'hh).
        m_out += "\\f0\\fs" + QByteArray::number(m_defaultHalfPoints) + '\n';
        m_state.halfPoints = m_defaultHalfPoints;
    }

    // A paragraph begins: \par ends the one before.
    void paragraph(Qt::Alignment alignment) {
        if (!m_firstParagraph) m_out += "\\par\n";
        m_firstParagraph = false;
        m_out += "\\pard";
        const Qt::Alignment align = alignment & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter) {
            m_out += "\\qc";
        } else if (align & Qt::AlignJustify) {
            m_out += "\\qj";
        } else if (align & Qt::AlignRight) {
            m_out += "\\qr";
        }
        m_delimit = true;
    }

    void plainText(QStringView s) {
        run(QTextCharFormat());
        text(s, false);
    }

private:
    QString familyOf(const QTextCharFormat& f) const {
        if (!f.hasProperty(QTextFormat::FontFamilies)) return m_defaultFamily;
        const QString family = f.fontFamilies().toStringList().value(0);
        return family.isEmpty() ? m_defaultFamily : family;
    }

    static bool hasColour(const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush;
    }

    void collectTables(const QTextDocument& doc) {
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const QString family = familyOf(f);
                if (!m_fontIndex.contains(family)) {
                    m_fontIndex.insert(family, m_fonts.size());
                    m_fonts.append(family);
                }
                if (hasColour(f)) {
                    const QRgb rgb = f.foreground().color().rgb() | 0xFF000000u;
                    if (!m_colourIndex.contains(rgb)) {
                        m_colours.append(rgb);
                        m_colourIndex.insert(rgb, m_colours.size());
                    }
                }
            }
        }
    }

    void control(const char* word) {
        m_out += word;
        m_delimit = true;
    }

    void control(const char* word, int value) {
        m_out += word;
        m_out += QByteArray::number(value);
        m_delimit = true;
    }

    // States what of `f` differs from what was stated before.
    void run(const QTextCharFormat& f) {
        RunState next;
        next.bold = f.fontWeight() > QFont::Medium;
        next.italic = f.fontItalic();
        next.underline = f.fontUnderline();
        next.font = m_fontIndex.value(familyOf(f));
        next.halfPoints =
            f.hasProperty(QTextFormat::FontPointSize) ? halfPointsOf(f.fontPointSize()) : m_defaultHalfPoints;
        next.colour = hasColour(f) ? m_colourIndex.value(f.foreground().color().rgb() | 0xFF000000u) : 0;
        if (next.bold != m_state.bold) control(next.bold ? "\\b" : "\\b0");
        if (next.italic != m_state.italic) control(next.italic ? "\\i" : "\\i0");
        if (next.underline != m_state.underline) control(next.underline ? "\\ul" : "\\ulnone");
        if (next.font != m_state.font) control("\\f", next.font);
        if (next.halfPoints != m_state.halfPoints) control("\\fs", next.halfPoints);
        if (next.colour != m_state.colour) control("\\cf", next.colour);
        m_state = next;
    }

    void literal(char c) {
        if (m_delimit) m_out += ' ';
        m_delimit = false;
        m_out += c;
    }

    void escape(const char* e) {
        m_out += e;
        m_delimit = false;
    }

    void text(QStringView s, bool fontName) {
        static const char kHex[] = "0123456789abcdef";
        for (const QChar qc : s) {
            const char16_t c = qc.unicode();
            if (c >= 0x20 && c < 0x7F) {
                if (c == '\\' || c == '{' || c == '}') {
                    const char e[3] = {'\\', static_cast<char>(c), 0};
                    escape(e);
                } else if (c == ';' && fontName) {
                    escape("\\'3b");
                } else {
                    literal(static_cast<char>(c));
                }
            } else if (c == '\t') {
                control("\\tab");
            } else if (c == 0x2028) {
                control("\\line");
            } else if (c == 0x00A0) {
                escape("\\~");
            } else if (rtf::isStructureCharacter(c)) {
                continue;
            } else if (const int byte = rtf::toCp1252(c); byte >= 0) {
                const char e[5] = {'\\', '\'', kHex[byte >> 4], kHex[byte & 15], 0};
                escape(e);
            } else {
                m_out += "\\u";
                m_out += QByteArray::number(static_cast<int>(static_cast<std::int16_t>(c)));
                m_out += '?';
                m_delimit = false;
            }
        }
    }

    QString m_defaultFamily;
    int m_defaultHalfPoints = 24;
    QList<QString> m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colours;
    QHash<QRgb, int> m_colourIndex;
    RunState m_state;
    bool m_delimit = false;  // a control word was written last: text needs a space first
    bool m_firstParagraph = true;
    QByteArray m_out;
};

}  // namespace

QByteArray RtfWriter::write(const QTextDocument& doc) { return Writer(doc.defaultFont()).write(doc); }

struct RtfWriter::PlainText::State {
    explicit State(const QFont& font) : writer(font) {}
    Writer writer;
};

RtfWriter::PlainText::PlainText(const QFont& defaultFont) : m_state(std::make_unique<State>(defaultFont)) {}

RtfWriter::PlainText::~PlainText() = default;

QByteArray RtfWriter::PlainText::begin() {
    m_state->writer.header();
    return m_state->writer.take();
}

QByteArray RtfWriter::PlainText::paragraphs(const QString& piece) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = piece.indexOf(u'\n', from);
        m_state->writer.paragraph(Qt::AlignLeft);
        m_state->writer.plainText(QStringView(piece).mid(from, end < 0 ? -1 : end - from));
        if (end < 0) break;
        from = end + 1;
    }
    return m_state->writer.take();
}

QByteArray RtfWriter::PlainText::end() { return "}\n"; }

QByteArray RtfWriter::write(const QTextDocumentFragment& fragment) {
    QTextDocument doc;
    QTextCursor(&doc).insertFragment(fragment);
    return write(doc);
}

QByteArray RtfWriter::writeSelection(const QTextCursor& cursor) {
    QTextDocument doc;
    if (cursor.document()) doc.setDefaultFont(cursor.document()->defaultFont());
    if (cursor.hasSelection()) QTextCursor(&doc).insertFragment(cursor.selection());
    return write(doc);
}

}  // namespace tervalo::rtf
