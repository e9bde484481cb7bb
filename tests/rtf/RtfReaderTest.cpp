// The RTF reader: sample files and snippets -> text and formats, exactly.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "RtfDescribe.h"
#include "rtf/RtfReader.h"

using tervalo::rtf::RtfReader;
using tervalo::test::describe;
using tervalo::test::rtfFixture;
using tervalo::test::utf8;

namespace {

struct ReadCase {
    const char* name;
    QByteArray rtf;  // a fixture's name when it ends ".rtf" or ".txt", else the RTF itself
    QString expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

QByteArray inputOf(const ReadCase& c) {
    if (c.rtf.endsWith(".rtf") || c.rtf.endsWith(".txt")) return rtfFixture(QString::fromLatin1(c.rtf));
    return c.rtf;
}

class RtfRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RtfRead, GivesTheTextAndFormats) {
    const QByteArray input = inputOf(GetParam());
    ASSERT_FALSE(input.isEmpty()) << GetParam().rtf.constData();
    QTextDocument doc;
    RtfReader::read(input, &doc);
    EXPECT_EQ(utf8(describe(doc)), utf8(GetParam().expected));
}

const char kRawControls[] =
    "{\\rtf1 a\x01\x02\tb\x00"
    "c\rd\ne}";
const QString kEuro = QString(QChar(0x20AC));
const QString kSmiley = QString::fromUtf16(u"\U0001F600");

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RtfRead,
    ::testing::Values(
        ReadCase{"WordPad", "wordpad.rtf",
                 "c|{b Calibri 14pt}Title\n"
                 "l|{Calibri 11pt}Plain {Calibri 11pt #ff0000}red{Calibri 11pt} and {i Calibri 11pt}italic{Calibri "
                 "11pt} and {u Calibri 11pt}under{Calibri 11pt}.\n"
                 "l|{Arial 10pt}Arial 10 " +
                     kEuro +
                     " 5{Arial 10pt #0000ff} blue\n"
                     "l|"},
        ReadCase{"TextEdit", "textedit.rtf",
                 "r|{Helvetica 12pt}Right\n"
                 "r|{Courier 12pt #008000}Green courier"},
        ReadCase{"SkippedDestinations", "destinations.rtf",
                 "l|{Times New Roman 12pt}BeforeAfter.\n"
                 "l|{Times New Roman 12pt}link end."},
        ReadCase{"Unicode", "unicode.rtf",
                 "l|{Arial 12pt}" + kEuro + " " + kEuro +
                     QString::fromUtf16(u" \u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df ") + kSmiley + " " + kEuro + "|" +
                     kEuro + QString::fromUtf16(u"|\u2014|\uFFFDx") + "\nl|{Arial 12pt}" +
                     QString::fromUtf16(u"\u2014\u2013\u2022\u2018\u2019\u201c\u201d\u00a0\u00ad\u2011.")},
        ReadCase{"Escapes", "escapes.rtf",
                 QString::fromUtf16(u"l|{Courier New 10pt}{ } \\ a\tb\u2028c\n"
                                    u"l|{Courier New 10pt}d\n"
                                    u"l|{Courier New 10pt}\ttabbed\n"
                                    u"l|{Courier New 10pt}{}\\")},
        ReadCase{"Truncated", "truncated.rtf",
                 "c|{b Arial 16pt}Bold centred\n"
                 "l|{Arial 12pt}plain text {i Arial 12pt}italic to the end"},
        ReadCase{"TableCells", "table.rtf",
                 "l|{Arial 12pt}A\tB\t\n"
                 "j|{Arial 12pt}Justified after the table."},
        ReadCase{"PlainUtf8", "plain-utf8.txt",
                 QString::fromUtf16(u"l|Hello\nl|W\u00f6rld \u20ac\nl|{\\rtf not at the start\nl|")},
        ReadCase{"PlainCp1252", "plain-cp1252.txt", QString::fromUtf16(u"l|Gr\u00fc\u00dfe \u20ac 5\nl|zweite Zeile")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Snippets, RtfRead,
    ::testing::Values(
        ReadCase{"NoFontTable", "{\\rtf1 Hello {\\b world}}", "l|{12pt}Hello {b 12pt}world"},
        ReadCase{"ToggleParameters", "{\\rtf1 \\b1 a\\b0 b\\i1 c\\i0 d\\ul1 e\\ul0 f\\uldb g\\ulnone h}",
                 "l|{b 12pt}a{12pt}b{i 12pt}c{12pt}d{u 12pt}e{12pt}f{u 12pt}g{12pt}h"},
        ReadCase{"PlainResets", "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}\\f1\\fs40\\b\\i x\\plain y}",
                 "l|{b i B 20pt}x{A 12pt}y"},
        ReadCase{"DefaultFontFromDeff", "{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1 B;}}x\\f0 y\\f z}",
                 "l|{B 12pt}x{A 12pt}y{B 12pt}z"},
        ReadCase{"GroupsRestoreFormat", "{\\rtf1 a{\\b b{\\i c}d}e}", "l|{12pt}a{b 12pt}b{b i 12pt}c{b 12pt}d{12pt}e"},
        ReadCase{"AlignmentAtParagraphEnd", "{\\rtf1\\qr right\\par\\pard\\qc centre\\par\\qj just\\par\\pard left}",
                 "r|{12pt}right\nc|{12pt}centre\nj|{12pt}just\nl|{12pt}left"},
        ReadCase{"AlignmentOfEmptyLastParagraph", "{\\rtf1\\qc a\\par}", "c|{12pt}a\nc|"},
        ReadCase{"ColourTableAutoAndMissing",
                 "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;;}\\cf1 a\\cf2 b\\cf3 c\\cf0 d}",
                 "l|{12pt #010203}a{12pt}bcd"},
        ReadCase{"ColourComponentsClamped", "{\\rtf1{\\colortbl;\\red999\\green-5\\blue128;}\\cf1 a}",
                 "l|{12pt #ff0080}a"},
        ReadCase{"FontSizeBounds", "{\\rtf1\\fs1 a\\fs0 b\\fs-4 c\\fs99999999999999 d\\fs7 e}",
                 "l|{1pt}a{12pt}bc{1638pt}d{3.5pt}e"},
        ReadCase{"OldStyleFontTable", "{\\rtf1{\\fonttbl\\f0\\froman Times;\\f1\\fswiss Helv;}\\f1 x}",
                 "l|{Helv 12pt}x"},
        ReadCase{"FontNameEscapes", "{\\rtf1{\\fonttbl{\\f0 A\\'3bB \\u1071?\\{x\\};}}\\f0 x}",
                 QString::fromUtf16(u"l|{A;B \u042f{x} 12pt}x")},
        ReadCase{"FontNameDropsStructureCharacters", "{\\rtf1{\\fonttbl{\\f0 A\\u65532?B\\tab C;}}\\f0 x}",
                 "l|{ABC 12pt}x"},
        ReadCase{"UnicodeSkipCountsEscapesAndWords", "{\\rtf1\\uc3\\u945\\'61\\foo b c}",
                 QString::fromUtf16(u"l|{12pt}\u03b1 c")},
        ReadCase{"UnicodeFallbackEndsAtGroup", "{\\rtf1\\uc4\\u946{x}yz}", QString::fromUtf16(u"l|{12pt}\u03b2xyz")},
        ReadCase{"UnicodeNegativeAndOutOfRange", "{\\rtf1\\u-3?\\u70000?\\u-99999?}",
                 QString::fromUtf16(u"l|{12pt}\ufffd\ufffd\ufffd")},
        ReadCase{"LoneLowSurrogate", "{\\rtf1 a\\u-8704?b}", QString::fromUtf16(u"l|{12pt}a\ufffdb")},
        ReadCase{"StructureCharactersDropped", "{\\rtf1 a\\u0?\\u10?\\u13?\\u65020?\\u-560?\\u-4?b\\u8233?c}",
                 QString::fromUtf16(u"l|{12pt}a\ufdfcb\nl|{12pt}c")},
        ReadCase{"RawControlBytes", QByteArray(kRawControls, sizeof kRawControls - 1), "l|{12pt}a\tbcde"},
        ReadCase{"RawHighBytesAreCp1252", "{\\rtf1 \x80\xe4\x9f}", QString::fromUtf16(u"l|{12pt}\u20ac\u00e4\u0178")},
        ReadCase{"HiddenText", "{\\rtf1 a\\v b\\v0 c{\\v d}e}", "l|{12pt}ace"},
        ReadCase{"BinaryDataSkipped", "{\\rtf1 a{\\*\\blip\\bin3 }}}}b}", "l|{12pt}ab"},
        ReadCase{"BinaryLongerThanData", "{\\rtf1 a\\bin999999 b}", "l|{12pt}a"},
        ReadCase{"ControlWordTooLong", "{\\rtf1 a\\" + QByteArray(40, 'b') + " c\\" + QByteArray(32, 'x') + " d}",
                 "l|{12pt}acd"},
        ReadCase{"TextAfterDocumentIgnored", "{\\rtf1 a}b{c}", "l|{12pt}a"},
        ReadCase{"BackslashAtEnd", "{\\rtf1 a\\", "l|{12pt}a"},
        ReadCase{"HexEscapeCutShort", "{\\rtf1 a\\'4", "l|{12pt}a"},
        ReadCase{"HexEscapeOneDigit", "{\\rtf1 a\\'4z}", "l|{12pt}az"},
        ReadCase{"MinusWithoutDigits", "{\\rtf1\\b- x}", "l|{b 12pt}- x"}, ReadCase{"EmptyDocument", "{\\rtf1}", "l|"},
        ReadCase{"NotRtfWhenSpaceFirst", " {\\rtf1 \\b x}", "l| {\\rtf1 \\b x}"},
        ReadCase{"NotRtfWhenUppercase", "{\\RTF1 x}", "l|{\\RTF1 x}"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(RtfReader, LooksLikeRtfOnlyWhenTheDataBeginsWithTheSignature) {
    EXPECT_TRUE(RtfReader::looksLikeRtf("{\\rtf1\\ansi}"));
    EXPECT_TRUE(RtfReader::looksLikeRtf("{\\rtf"));
    EXPECT_FALSE(RtfReader::looksLikeRtf("{\\rt"));
    EXPECT_FALSE(RtfReader::looksLikeRtf(""));
    EXPECT_FALSE(RtfReader::looksLikeRtf("\xef\xbb\xbf{\\rtf1}"));
    EXPECT_FALSE(RtfReader::looksLikeRtf("\n{\\rtf1}"));
}

TEST(RtfReader, ReplacesTheDocumentAndLeavesNoUndoStep) {
    QTextDocument doc;
    doc.setPlainText("old text\nsecond");
    RtfReader::read("{\\rtf1 new}", &doc);
    EXPECT_EQ(doc.toPlainText(), "new");
    EXPECT_EQ(doc.blockCount(), 1);
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    RtfReader::read("{\\rtf1 x}", nullptr);  // nothing to read into: nothing happens
}

TEST(RtfReader, FragmentPastesAtTheCursorWithItsFormats) {
    QTextDocument doc;
    doc.setPlainText("AB");
    QTextCursor cursor(&doc);
    cursor.setPosition(1);
    cursor.insertFragment(RtfReader::readFragment("{\\rtf1 Hello {\\b world}}"));
    EXPECT_EQ(doc.toPlainText(), "AHello worldB");
    EXPECT_EQ(utf8(describe(doc)), utf8("l|A{12pt}Hello {b 12pt}world{}B"));
    EXPECT_EQ(RtfReader::readFragment("plain {\\rtf1 text").toPlainText(), "plain {\\rtf1 text");
}
