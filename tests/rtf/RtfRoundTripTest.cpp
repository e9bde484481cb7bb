// The RTF writer: documents written and read back keep their text and formats,
// and another program (unrtf) reads the same text from what is written.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <vector>

#include "RtfDescribe.h"
#include "rtf/RtfCodePage.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

using tervalo::rtf::RtfReader;
using tervalo::rtf::RtfWriter;
using tervalo::test::describe;
using tervalo::test::rawText;
using tervalo::test::utf8;

namespace {

struct Run {
    QString text;
    QString format;  // letters b i u; "f=Family"; "s=points"; "c=#rrggbb", space-separated
};

struct Paragraph {
    Qt::Alignment align;
    std::vector<Run> runs;
};

struct TripCase {
    const char* name;
    std::vector<Paragraph> paragraphs;
    QString expected;  // describe(..., effective) of the document
};

void PrintTo(const TripCase& c, std::ostream* os) { *os << c.name; }

QTextCharFormat formatOf(const QString& spec) {
    QTextCharFormat f;
    for (const QString& part : spec.split(' ', Qt::SkipEmptyParts)) {
        if (part == "b") f.setFontWeight(QFont::Bold);
        if (part == "i") f.setFontItalic(true);
        if (part == "u") f.setFontUnderline(true);
        if (part.startsWith("f=")) f.setFontFamilies({part.mid(2).replace('_', ' ')});
        if (part.startsWith("s=")) f.setFontPointSize(part.mid(2).toDouble());
        if (part.startsWith("c=")) f.setForeground(QColor(part.mid(2)));
    }
    return f;
}

// The document the case describes, in DejaVu Sans 12 pt by default.
void build(const TripCase& c, QTextDocument* doc) {
    doc->setDefaultFont(QFont("DejaVu Sans", 12));
    QTextCursor cursor(doc);
    bool first = true;
    for (const Paragraph& p : c.paragraphs) {
        if (!first) cursor.insertBlock();
        first = false;
        QTextBlockFormat block;
        block.setAlignment(p.align);
        cursor.setBlockFormat(block);
        for (const Run& r : p.runs)
            cursor.insertText(r.text, formatOf(r.format));
    }
}

// What `unrtf --text` prints for a document of this text written by RtfWriter:
// each paragraph and line break ends a line; a tab is spaces up to the next
// multiple of 8 and a line end, counting the columns of the characters written
// as \'hh as none; a no-break space is left out. unrtf prints one
// byte per character (Latin-1, or the low byte of the character's code, or
// "?"), so a character beyond Latin-1 is U+FFFD here and matches any byte.
QString unrtfText(const QString& raw) {
    QString out;
    int column = 0;
    for (const QChar c : raw) {
        if (c == '\t') {
            do {
                out += ' ';
            } while (++column % 8 != 0);
            out += '\n';
            column = 0;
        } else if (c == '\n' || c == QChar::LineSeparator) {
            out += '\n';
            column = 0;
        } else if (c == QChar::Nbsp) {
            continue;  // unrtf prints nothing for \~
        } else {
            out += c.unicode() > 0xFF ? QChar(QChar::ReplacementCharacter) : c;
            if (c.unicode() < 0x80 || tervalo::rtf::toCp1252(c.unicode()) < 0) ++column;
        }
    }
    return out;
}

class RtfRoundTrip : public ::testing::TestWithParam<TripCase> {};

TEST_P(RtfRoundTrip, ReadingWhatWasWrittenGivesTheSameTextAndFormats) {
    QTextDocument original;
    build(GetParam(), &original);
    ASSERT_EQ(describe(original, true), GetParam().expected);
    const QByteArray rtf = RtfWriter::write(original);
    EXPECT_TRUE(RtfReader::looksLikeRtf(rtf));
    // Printable ASCII and line ends only: every other character is escaped.
    for (const char c : rtf)
        ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << int(c) << " in " << rtf.constData();
    QTextDocument back;
    back.setDefaultFont(QFont("DejaVu Sans", 12));
    RtfReader::read(rtf, &back);
    EXPECT_EQ(utf8(describe(back, true)), utf8(GetParam().expected)) << rtf.constData();
    EXPECT_EQ(utf8(rawText(back)), utf8(rawText(original)));
    EXPECT_EQ(back.blockCount(), original.blockCount());
}

TEST_P(RtfRoundTrip, UnrtfReadsTheSameText) {
    const QString unrtf = QStandardPaths::findExecutable("unrtf");
    if (unrtf.isEmpty()) GTEST_SKIP() << "unrtf is not installed (scripts/setup installs it)";
    QTextDocument original;
    build(GetParam(), &original);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(GetParam().name) + ".rtf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RtfWriter::write(original));
    file.close();
    QProcess process;
    process.start(unrtf, {"--text", path});
    ASSERT_TRUE(process.waitForFinished(20000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    // Its comment lines and the rule before the body go; the body is one byte a character.
    const QByteArray output = process.readAllStandardOutput();
    const QByteArray rule = "-----------------\n";
    const qsizetype body = output.indexOf(rule);
    ASSERT_GE(body, 0) << output.constData();
    QString text = QString::fromLatin1(output.mid(body + rule.size()));
    const QString expected = unrtfText(rawText(original));
    if (text.size() == expected.size()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (expected[i] == QChar::ReplacementCharacter) text[i] = QChar::ReplacementCharacter;
        }
    }
    EXPECT_EQ(utf8(text), utf8(expected));
}

const QString kUmlautsEuro = QString::fromUtf16(u"\u00e4\u00f6\u00fc \u20ac");

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfRoundTrip,
    ::testing::Values(
        TripCase{"AlignedParagraphs",
                 {{Qt::AlignLeft, {{"Left", ""}}},
                  {Qt::AlignHCenter, {{"Centred", ""}}},
                  {Qt::AlignRight, {{"Right", ""}}},
                  {Qt::AlignJustify, {{"Justified text", ""}}}},
                 "l|{DejaVu Sans 12pt}Left\nc|{DejaVu Sans 12pt}Centred\nr|{DejaVu Sans 12pt}Right\n"
                 "j|{DejaVu Sans 12pt}Justified text"},
        TripCase{"BoldItalicUnderline",
                 {{Qt::AlignLeft,
                   {{"plain ", ""}, {"bold ", "b"}, {"italic ", "i"}, {"under", "u"}, {" all", "b i u"}, {".", ""}}}},
                 "l|{DejaVu Sans 12pt}plain {b DejaVu Sans 12pt}bold {i DejaVu Sans 12pt}italic {u DejaVu Sans "
                 "12pt}under{b i u DejaVu Sans 12pt} all{DejaVu Sans 12pt}."},
        TripCase{"TwoFonts",
                 {{Qt::AlignLeft, {{"Serif ", "f=DejaVu_Serif"}, {"Mono", "f=DejaVu_Sans_Mono"}}},
                  {Qt::AlignLeft, {{"Default", ""}}}},
                 "l|{DejaVu Serif 12pt}Serif {DejaVu Sans Mono 12pt}Mono\nl|{DejaVu Sans 12pt}Default"},
        TripCase{"Sizes",
                 {{Qt::AlignLeft, {{"ten ", "s=10"}, {"twelve ", "s=12"}, {"fourteen", "s=14"}}},
                  {Qt::AlignLeft, {{"ten and a half", "s=10.5"}}}},
                 "l|{DejaVu Sans 10pt}ten {DejaVu Sans 12pt}twelve {DejaVu Sans 14pt}fourteen\n"
                 "l|{DejaVu Sans 10.5pt}ten and a half"},
        TripCase{
            "Red",
            {{Qt::AlignLeft, {{"black ", ""}, {"red", "c=#ff0000"}, {" blue", "c=#0000ff"}, {" red", "c=#ff0000"}}}},
            "l|{DejaVu Sans 12pt}black {DejaVu Sans 12pt #ff0000}red{DejaVu Sans 12pt #0000ff} blue{DejaVu Sans "
            "12pt #ff0000} red"},
        TripCase{"UmlautsAndEuro", {{Qt::AlignLeft, {{kUmlautsEuro, ""}}}}, "l|{DejaVu Sans 12pt}" + kUmlautsEuro},
        TripCase{"BracesAndBackslash",
                 {{Qt::AlignLeft, {{"{ } \\", ""}}}, {Qt::AlignLeft, {{"\\par {\\b not bold}", ""}}}},
                 "l|{DejaVu Sans 12pt}{ } \\\nl|{DejaVu Sans 12pt}\\par {\\b not bold}"},
        TripCase{"DeleteCharacter",
                 {{Qt::AlignLeft,
                   {{"a\x7f"
                     "b",
                     ""}}}},
                 "l|{DejaVu Sans 12pt}a\x7f"
                 "b"},
        TripCase{"Tabs",
                 {{Qt::AlignLeft, {{"a\tb\t\tc", ""}}}, {Qt::AlignLeft, {{"\tindented", ""}}}},
                 "l|{DejaVu Sans 12pt}a\tb\t\tc\nl|{DejaVu Sans 12pt}\tindented"},
        TripCase{"EverythingTogether",
                 {{Qt::AlignHCenter, {{"Title", "b s=14 f=DejaVu_Serif"}}},
                  {Qt::AlignLeft, {}},
                  {Qt::AlignJustify,
                   {{QString::fromUtf16(u"Price: 5 \u20ac\tline\u2028break "), "s=10"},
                    {"red italic", "i c=#ff0000 s=10"},
                    {QString::fromUtf16(u" \u65e5\u672c \U0001F600 100\u00a0km \u201cquoted\u201d"), "s=10"}}},
                  {Qt::AlignRight, {{"-digits 123", "u"}}}},
                 QString::fromUtf16(u"c|{b DejaVu Serif 14pt}Title\nl|\n"
                                    u"j|{DejaVu Sans 10pt}Price: 5 \u20ac\tline\u2028break {i DejaVu Sans 10pt "
                                    u"#ff0000}red italic{DejaVu Sans 10pt} \u65e5\u672c \U0001F600 100\u00a0km "
                                    u"\u201cquoted\u201d\n"
                                    u"r|{u DejaVu Sans 12pt}-digits 123")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(RtfWriter, WritesTheHeaderTablesAndRunsExactly) {
    QTextDocument doc;
    doc.setDefaultFont(QFont("DejaVu Sans", 12));
    QTextCursor cursor(&doc);
    cursor.insertText("Hello ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText("world", bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontPointSize(10);
    red.setFontFamilies({"Courier;New"});
    cursor.insertText(QString::fromUtf16(u"\u00e4\u20ac\u0416\t{x}"), red);
    EXPECT_EQ(RtfWriter::write(doc).toStdString(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
              "{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans;}{\\f1\\fnil\\fcharset0 Courier\\'3bNew;}}\n"
              "{\\colortbl;\\red255\\green0\\blue0;}\n"
              "\\f0\\fs24\n"
              "\\pard Hello \\b world\\par\n"
              "\\pard\\qc\\b0\\f1\\fs20\\cf1\\'e4\\'80\\u1046?\\tab\\{x\\}}\n");
}

TEST(RtfWriter, EmptyDocumentAndEmptySelection) {
    QTextDocument doc;
    doc.setDefaultFont(QFont("DejaVu Sans", 9));
    EXPECT_EQ(RtfWriter::write(doc).toStdString(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
              "{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans;}}\n"
              "\\f0\\fs18\n"
              "\\pard}\n");
    doc.setPlainText("text");
    QTextDocument back;
    RtfReader::read(RtfWriter::writeSelection(QTextCursor(&doc)), &back);
    EXPECT_EQ(back.toPlainText(), "");
}

// What Copy puts on the clipboard: a selection "Hello " + bold "world" reads back bold.
TEST(RtfWriter, SelectionKeepsItsFormatsAndAlignment) {
    QTextDocument doc;
    doc.setDefaultFont(QFont("DejaVu Sans", 11));
    QTextCursor cursor(&doc);
    cursor.insertText("before\nHello ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText("world", bold);
    cursor.insertText(" after");
    QTextCursor selection(&doc);
    selection.setPosition(doc.find("Hello").selectionStart());
    selection.setPosition(doc.find("world").selectionEnd(), QTextCursor::KeepAnchor);
    QTextDocument back;
    RtfReader::read(RtfWriter::writeSelection(selection), &back);
    EXPECT_EQ(utf8(describe(back)), utf8("l|{DejaVu Sans 11pt}Hello {b DejaVu Sans 11pt}world"));

    QTextDocument fromFragment;
    RtfReader::read(RtfWriter::write(selection.selection()), &fromFragment);
    EXPECT_EQ(fromFragment.toPlainText(), "Hello world");
    EXPECT_EQ(describe(fromFragment).count("{b "), 1);

    // A selection over two paragraphs keeps their alignments (one within a
    // paragraph has none: pasted, it takes the alignment where it lands).
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor(doc.findBlockByNumber(1)).setBlockFormat(centred);
    selection.setPosition(3);
    selection.setPosition(doc.find("world").selectionEnd(), QTextCursor::KeepAnchor);
    QTextDocument paragraphs;
    RtfReader::read(RtfWriter::writeSelection(selection), &paragraphs);
    EXPECT_EQ(utf8(describe(paragraphs)),
              utf8("l|{DejaVu Sans 11pt}ore\nc|{DejaVu Sans 11pt}Hello {b DejaVu Sans 11pt}world"));
}
