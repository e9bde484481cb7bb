// The RTF reader on hostile and damaged input: deep groups, huge numbers, long
// words, unending fallbacks, and every truncation of the sample files. Each
// input is read to the end and gives the text stated (a hang would meet the
// test's timeout, a crash ends it).
#include <gtest/gtest.h>

#include <QDir>
#include <QTextDocument>

#include "RtfDescribe.h"
#include "rtf/RtfReader.h"

using tervalo::rtf::RtfReader;
using tervalo::test::rawText;
using tervalo::test::utf8;

namespace {

struct HostileCase {
    const char* name;
    QByteArray rtf;
    QString text;
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

QByteArray times(const QByteArray& piece, int n) { return piece.repeated(n); }

class RtfHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RtfHostile, IsReadToTheEnd) {
    QTextDocument doc;
    RtfReader::read(GetParam().rtf, &doc);
    EXPECT_EQ(utf8(rawText(doc)), utf8(GetParam().text));
}

const int kDeep = RtfReader::kMaxGroupDepth;

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfHostile,
    ::testing::Values(
        // The document's group is depth 1; groups to kMaxGroupDepth are read.
        HostileCase{"DeepestGroupRead", "{\\rtf1 a" + times("{", kDeep - 1) + "b" + times("}", kDeep - 1) + "c}",
                    "abc"},
        HostileCase{"GroupsBeyondTheBoundDropped",
                    "{\\rtf1 a" + times("{", kDeep) + "b{\\b c}\\par d" + times("}", kDeep) + "e}", "ae"},
        HostileCase{"SymbolsBeyondTheBoundDropped",
                    "{\\rtf1 a" + times("{", kDeep) + "\\{\\}\\\\\\~\\-\\_\\\n" + times("}", kDeep) + "e}", "ae"},
        HostileCase{"MillionOpenGroups", "{\\rtf1 a" + times("{", 1000000), "a"},
        HostileCase{"MillionClosedGroups", "{\\rtf1 a" + times("{}", 1000000) + "b}", "ab"},
        // After the groups beyond the bound close, "b" is in the second group, then the document's group closes.
        HostileCase{"MillionDeepThenText", "{\\rtf1 a" + times("{", 1000000) + times("}", 999999) + "b}}c}", "ab"},
        HostileCase{
            "LongNumbers",
            "{\\rtf1\\fs" + times("9", 1000000) + " a\\u" + times("1", 100000) + "?b\\cf-" + times("9", 50) + " c}",
            QString::fromUtf16(u"a\ufffdbc")},
        HostileCase{"LongControlWord", "{\\rtf1 a\\" + times("z", 1000000) + "123 b}", "ab"},
        HostileCase{"HugeUnicodeSkip", "{\\rtf1\\uc2147483647\\u65 " + times("x", 60000) + "}", "A"},
        HostileCase{"HugeUnicodeSkipEndsAtGroup", "{\\rtf1{\\uc99999\\u66 " + times("\\'41", 1000) + "}c}", "Bc"},
        HostileCase{"ManyParagraphs", "{\\rtf1 " + times("\\par ", 100000) + "x}", QString(100000, '\n') + "x"},
        HostileCase{"ManyFonts",
                    "{\\rtf1{\\fonttbl" + times("{\\f2147483647 " + times("N", 300) + ";}", 1000) + "}\\f2147483647 x}",
                    "x"},
        HostileCase{"ManyColours", "{\\rtf1{\\colortbl" + times(";\\red1", 100000) + "}\\cf99999 x}", "x"},
        HostileCase{"ManyBinaryWords", "{\\rtf1 " + times("\\bin1 }", 100000) + "x}", "x"},
        HostileCase{"ManyStarredGroups", "{\\rtf1 " + times("{\\*\\x y}", 100000) + "z}", "z"},
        HostileCase{"FormatChangeEveryCharacter", "{\\rtf1 " + times("\\b a\\b0 b", 100000) + "}",
                    QString("ab").repeated(100000)},
        HostileCase{"LoneSurrogates", "{\\rtf1 " + times("\\u-10179?", 3) + "}", QString(3, QChar(0xFFFD))},
        HostileCase{"NulBytes", "{\\rtf1 " + QByteArray(1000, '\0') + "x}", "x"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Any prefix of a sample file opens; cut just before a brace or a backslash
// (between two pieces of the file), it gives the beginning of the whole text.
TEST(RtfHostile, EveryTruncationOfTheSamplesOpens) {
    const QStringList names = QDir(tervalo::test::rtfFixturePath("")).entryList({"*.rtf"}, QDir::Files);
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        const QByteArray whole = tervalo::test::rtfFixture(name);
        QTextDocument full;
        RtfReader::read(whole, &full);
        const QString fullText = rawText(full);
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            QTextDocument doc;
            RtfReader::read(whole.left(cut), &doc);
            const char next = whole[cut];
            if (cut >= 5 && (next == '\\' || next == '{' || next == '}')) {
                QString text = rawText(doc);
                if (text.endsWith(QChar(0xFFFD))) text.chop(1);  // a UTF-16 pair cut in two
                EXPECT_TRUE(fullText.startsWith(text))
                    << qPrintable(name) << " cut at " << cut << ": " << qPrintable(text);
            }
        }
    }
}
