// Which files an import takes and how a text file becomes pairs.
#include <gtest/gtest.h>

#include "import/ImportFileRules.h"
#include "import/TextRecordReader.h"

namespace tervalo::import {
namespace {

struct NameCase {
    const char* dataType;
    const char* fileName;
    const char* table;  // "" when the file is skipped
};

const NameCase kNames[] = {
    {"TextFile", "ITSCarHonda.txt", "Items"},
    {"TextFile", "itsx.TXT", "Items"},
    {"TextFile", "Its1.tXt", "Items"},
    {"TextFile", "items.txt", ""},  // ITE is not ITS
    {"TextFile", "SMCarHonda.txt", "Sales"},
    {"TextFile", "swA.txt", "SalesWeekly"},
    {"TextFile", "SMCarHonda.xls", ""},
    {"TextFile", "SMCarHonda.xcl", ""},
    {"TextFile", "ITSnodottxt", "Items"},  // only the last three characters count
    {"TextFile", "README.txt", ""},
    {"ExcelFile", "SMCarHonda.xls", "Sales"},
    {"ExcelFile", "SMCarHonda.XCL", "Sales"},
    {"ExcelFile", "ITSCarHonda.txt", ""},
    {"dBaseFile", "SWToyota.dbf", "SalesWeekly"},
    {"dBaseFile", "itsA.DBF", "Items"},
    {"dBaseFile", "SMA.xls", ""},
    {"TextFile", "\u0131ts.txt", "Items"},   // a dotless i upper-cases to I
    {"ExcelFile", "SMA.xl\u017f", "Sales"},  // and a long s to S
    {"TextFile", "SW", ""},                  // too short for an extension
};

TEST(ImportFileRules, NameTestsPickTheTable) {
    for (const NameCase& c : kNames) {
        const std::optional<ImportKind> kind = importKindOf(QString::fromLatin1(c.dataType));
        ASSERT_TRUE(kind) << c.dataType;
        const QString name = QString::fromUtf8(c.fileName);
        const std::optional<ImportTable> table = targetTable(name);
        const bool taken = passesExtension(*kind, name) && table;
        EXPECT_EQ(taken ? tableName(*table).toStdString() : std::string(), c.table) << c.dataType << " " << c.fileName;
    }
}

TEST(ImportFileRules, KindsMatchExactly) {
    const std::pair<const char*, std::optional<ImportKind>> kinds[] = {
        {"TextFile", ImportKind::Text},
        {"dBaseFile", ImportKind::DBase},
        {"ExcelFile", ImportKind::Excel},
        {"OtherFile", ImportKind::Other},
        {"textfile", std::nullopt},
        {"TEXTFILE", std::nullopt},
        {"", std::nullopt},
        {"TextFile ", std::nullopt},
    };
    for (const auto& [text, kind] : kinds)
        EXPECT_EQ(importKindOf(QString::fromLatin1(text)), kind) << text;
}

struct TextCase {
    const char* name;
    QByteArray bytes;
    const char* pairs;    // "name=value|..." of the pairs read, with their lines: "2:Year=2004"
    const char* problem;  // "" when the file is read
    int problemLine;
};

const TextCase kTexts[] = {
    {"CR LF ends", "ItemID,H100\r\nYear,2004\r\n", "1:ItemID=H100|2:Year=2004", "", 0},
    {"LF ends", "ItemID,H100\nYear,2004\n", "1:ItemID=H100|2:Year=2004", "", 0},
    {"CR ends", "ItemID,H100\rYear,2004\r", "1:ItemID=H100|2:Year=2004", "", 0},
    {"no end on the last line", "ItemID,H100\r\nYear,2004", "1:ItemID=H100|2:Year=2004", "", 0},
    {"empty lines give no pair", "\r\nItemID,H100\r\n\r\n\nYear,2004", "2:ItemID=H100|5:Year=2004", "", 0},
    {"blanks stay", "ItemID, H100\r\n Item ,Honda ", "1:ItemID= H100|2: Item =Honda ", "", 0},
    {"comma last gives an empty value", "ItemID,H1\r\nItem,", "1:ItemID=H1|2:Item=", "", 0},
    {"a UTF-8 byte order mark is not text", "\xEF\xBB\xBFItemID,H1", "1:ItemID=H1", "", 0},
    {"Windows-1252 when not UTF-8", "ItemID,H1\r\nItem,Caf\xE9 \x80\x96", "1:ItemID=H1|2:Item=Caf\u00e9 \u20ac\u2013",
     "", 0},
    {"no comma", "ItemID,H100\r\nItem Honda\r\n", "", "the line has no comma", 2},
    {"two commas", "ItemID,H100\nYear,2004\nItem,Honda,Civic", "", "the line has 2 commas, not one", 3},
    {"a blank line is not empty", "ItemID,H100\r\n \r\n", "", "the line has no comma", 2},
    {"a NUL byte", QByteArray("ItemID,H1\nItem,A\0B", 18), "", "the line has a NUL byte", 2},
    {"empty file", "", "", "", 0},
};

QString pairsText(const ReadResult& read) {
    QStringList parts;
    for (const ImportRecord& record : read.records)
        for (const ImportPair& p : record.pairs)
            parts << QString::number(p.place) + ':' + p.name + '=' + p.value;
    return parts.join('|');
}

TEST(TextRecordReader, LinesBecomePairs) {
    for (const TextCase& c : kTexts) {
        const ReadResult read = readTextRecord(c.bytes);
        EXPECT_EQ(read.problem, QString::fromLatin1(c.problem)) << c.name;
        EXPECT_EQ(read.problemPlace, c.problemLine) << c.name;
        if (read.ok()) {
            EXPECT_EQ(pairsText(read), QString::fromUtf8(c.pairs)) << c.name;
        }
    }
}

TEST(TextRecordReader, AtMost32767Pairs) {
    QByteArray lines;
    for (int i = 0; i < kMaxPairs; ++i)
        lines += "W,1\n";
    EXPECT_TRUE(readTextRecord(lines).ok());
    const ReadResult over = readTextRecord(lines + "W,1\n");
    EXPECT_EQ(over.problemPlace, kMaxPairs + 1);
}

}  // namespace
}  // namespace tervalo::import
