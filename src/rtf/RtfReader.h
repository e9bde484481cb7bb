#pragma once
// The program's RTF reader: rich-text files and clipboard RTF into a
// QTextDocument.
//
// What is read: the text with its paragraphs (\par; also \sect, \page, \row and
// a backslash before a line end), line breaks inside a paragraph (\line, as
// U+2028), tabs (\tab), bold (\b), italic (\i), underline (\ul and its styled
// forms, \ulnone), hidden text (\v, dropped), the font (\f, \deff and the
// \fonttbl), the size (\fs, half points), the colour (\cf and the \colortbl),
// the paragraph's alignment (\ql \qc \qr \qj, reset by \pard), \plain, the
// escapes \\ \{ \}, \~ \_ \-, a few named characters (\emdash, \bullet,
// \lquote...), \'hh bytes (code page 1252), and \uN characters, whose fallback
// of \ucN characters (1 unless \uc says otherwise) is skipped; UTF-16 pairs of
// \u give one character.
//
// What is skipped: every control word the reader does not know, every {\* }
// group, the groups of the non-text destinations (\stylesheet, \info, \pict,
// headers, footers, footnotes, field instructions...) and the data of \binN.
//
// Hostile input never crashes or hangs: groups deeper than kMaxGroupDepth are
// read past without their content, numbers stop counting after kMaxDigits
// digits, control words longer than kMaxWordLength letters are unknown words,
// font names are cut at kMaxFontNameLength characters, and every byte of the
// input is looked at a bounded number of times (linear time). A truncated file
// gives what was read up to its end. Characters that a QTextDocument would take
// as structure (C0 controls other than tab, U+FDD0, U+FDD1, U+FFFC) are dropped;
// U+2029 is a paragraph break; a lone UTF-16 surrogate becomes U+FFFD.
#include <QByteArray>
#include <QTextDocumentFragment>

class QTextDocument;

namespace tervalo::rtf {

class RtfReader {
public:
    static constexpr int kMaxGroupDepth = 256;
    static constexpr int kMaxDigits = 10;
    static constexpr int kMaxWordLength = 32;
    static constexpr int kMaxFontNameLength = 256;

    // True when the bytes begin "{\rtf" (nothing before it, not even a space).
    static bool looksLikeRtf(const QByteArray& data);

    // Replaces the content of `into` with the document in `data`: RTF when
    // looksLikeRtf(data), otherwise plain text (UTF-8 when valid, else code page
    // 1252), each line a paragraph. The undo history of `into` is cleared and the
    // change is one edit block (a layout, if any, runs once). The document's
    // default font is left alone; every character read from RTF carries its
    // font family (when the font table names it), point size, and its bold,
    // italic, underline and colour where set. Does nothing when `into` is null.
    static void read(const QByteArray& data, QTextDocument* into);

    // The same reading as a fragment, for pasting into a document at a cursor
    // (QTextCursor::insertFragment). RTF that ends with \par gives a fragment
    // ending with an empty paragraph.
    static QTextDocumentFragment readFragment(const QByteArray& data);
};

}  // namespace tervalo::rtf
