// The import of a folder into a copy of Demo.mdb: what is stored, what is
// refused (and that a refusal stores nothing), and the log.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSqlRecord>
#include <functional>

#include "data/DataTestSupport.h"
#include "import/ImportFolder.h"
#include "import/ImportService.h"
#include "import/XlsSheetFraming.h"
#include "support/HeldLock.h"
#include "support/TestEnvironment.h"

namespace tervalo::import {
namespace {

using test::DbfField;
using test::ImportFolder;

const QDate kToday(2026, 12, 7);
const QStringList kH100 = {"ItemID,H100", "Item,Honda", "UnitCost,15000", "TimeUnit,Month", "Color,Red"};
const QString kMonths = QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec");

// A sales record: ItemID, Year, then the twelve months from `first` upwards.
QStringList monthly(const QString& itemId, int year, int first) {
    QStringList lines{"ItemID," + itemId, "Year," + QString::number(year)};
    int q = first;
    for (const QString& m : kMonths.split(' '))
        lines << m + ',' + QString::number(q++);
    return lines;
}

class ImportTest : public data::test::DemoDatabaseTest {
protected:
    ImportOutcome run(const QString& dataType = QStringLiteral("TextFile")) {
        return ImportService::importFolder(cnn(), dataType, folder.path(), kToday);
    }
    QString header(const QString& files = QStringLiteral("text files")) const {
        return "Import of " + files + " from " + folder.path() + "\r\n";
    }
    // The first value of a query, as text.
    std::string value(const QString& sql, const QVariantList& args = {}) {
        return data::test::scalar(cnn(), sql, args).toString().toStdString();
    }
    int count(const QString& table) { return std::stoi(value("SELECT COUNT(*) FROM " + table)); }
    // Every row of the three tables as text, to see that nothing changed.
    QString everything() {
        QString all;
        for (const char* table : {"Items", "Sales", "SalesWeekly"}) {
            QSqlQuery q = cnn().run(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(table));
            while (q.next())
                for (int i = 0; i < q.record().count(); ++i)
                    all += q.value(i).toString() + (q.value(i).isNull() ? "~" : "") + '|';
        }
        return all;
    }

    ImportFolder folder;
};

TEST_F(ImportTest, TextImportStoresTheItemFileOnly) {
    folder.text("ITSH100.txt", kH100);
    folder.text("items.txt", QStringList(kH100).replaceInStrings("H100", "H200"));
    folder.sheet("SMH100.xls", monthly("H100", 2025, 1));
    const ImportOutcome out = run();
    EXPECT_EQ(out.status, ImportStatus::Stored);
    EXPECT_EQ(out.log.toStdString(), (header() + "Read ITSH100.txt: 1 record for Items.\r\n"
                                                 "ITSH100.txt, line 5: Items has no column \"Color\"; ignored.\r\n"
                                                 "Files read: 1\r\n"
                                                 "Records stored: 1 (Items 1, Sales 0, SalesWeekly 0)\r\n")
                                         .toStdString());
    EXPECT_EQ(count("Items"), 13);
    EXPECT_EQ(value("SELECT Item || '/' || UnitCost || '/' || TimeUnit || '/' || IFNULL(LeadTime, 'null') FROM Items "
                    "WHERE ItemID = 'H100'"),
              "Honda/15000.0/Month/null");
    EXPECT_EQ(count("Sales WHERE ItemID = 'H100'"), 0);

    const QString once = everything();
    EXPECT_EQ(run().status, ImportStatus::Stored);
    EXPECT_EQ(everything(), once);
}

// Sales rows are keyed on item and year: a new year adds a row, a known year
// updates that row only.
TEST_F(ImportTest, SalesYearsKeepTheirOwnRows) {
    folder.text("ITSH100.txt", kH100);
    folder.text("SMH100a.txt", monthly("H100", 2024, 10));
    folder.text("SMH100b.txt", monthly("H100", 2025, 20));
    folder.text("SM1.txt", monthly("1", 2021, 5));     // Demo item 1 has 2022 to 2026
    folder.text("SM1b.txt", monthly("1", 2025, 900));  // updates 2025 only
    ASSERT_EQ(run().counts.sales, 4);
    EXPECT_EQ(value("SELECT GROUP_CONCAT(Year || ':' || Jan || '-' || Dec) FROM (SELECT * FROM Sales WHERE ItemID = "
                    "'H100' ORDER BY Year)"),
              "2024:10-21,2025:20-31");
    EXPECT_EQ(count("Sales WHERE ItemID = '1'"), 6);
    EXPECT_EQ(value("SELECT Jan FROM Sales WHERE ItemID = '1' AND Year = 2025"), "900");
    EXPECT_EQ(value("SELECT Jan FROM Sales WHERE ItemID = '1' AND Year = 2021"), "5");
    EXPECT_NE(value("SELECT Jan FROM Sales WHERE ItemID = '1' AND Year = 2024"), "900");
}

struct KeyCase {
    const char* name;
    const char* before;  // SQL run first, "" for none
    QStringList lines;
    const char* query;     // one value of the stored rows
    const char* expected;  // its text
};

// The key is the ItemID pair's value wherever it stands; an empty value leaves
// a number column as it was, a text column takes it.
TEST_F(ImportTest, KeysAndEmptyValues) {
    const KeyCase cases[] = {
        {"a name line first does not re-key another item",
         "",
         {"Item,1", "ItemID,H100", "UnitCost,5"},
         "SELECT (SELECT Item FROM Items WHERE ItemID = 'H100') || '/' || (SELECT Item FROM Items WHERE ItemID = '1')",
         "1/Copier Paper A4 (box)"},
        {"a leading blank stays in the key",
         "",
         {"ItemID, H7", "Item,Seven"},
         "SELECT '[' || ItemID || ']' FROM Items WHERE Item = 'Seven'",
         "[ H7]"},
        {"an empty number keeps the stored one",
         "",
         {"ItemID,1", "UnitCost,", "LeadTime,4"},
         "SELECT UnitCost || '/' || LeadTime FROM Items WHERE ItemID = '1'",
         "24.5/4.0"},
        {"an empty text is stored empty",
         "",
         {"ItemID,2", "Item,"},
         "SELECT '[' || Item || ']' FROM Items WHERE ItemID = '2'",
         "[]"},
        {"SinglePeriod words",
         "",
         {"ItemID,3", "SinglePeriod,Yes", "OrderCost, 1e2 "},
         "SELECT SinglePeriod || '/' || OrderCost FROM Items WHERE ItemID = '3'",
         "1/100.0"},
        {"SinglePeriod words in any case",
         "",
         {"ItemID,H9", "SinglePeriod,yes"},
         "SELECT SinglePeriod FROM Items WHERE ItemID = 'H9'",
         "1"},
        {"the last of two values wins",
         "",
         {"ItemID,H9", "Item,First", "SinglePeriod,TRUE", "Item,Second", "SinglePeriod,no"},
         "SELECT Item || SinglePeriod FROM Items WHERE ItemID = 'H9'",
         "Second0"},
        {"the key matches without case",
         "INSERT INTO Items (ItemID, Item) VALUES ('H100', 'Lower')",
         {"ItemID,h100", "Item,Other"},
         "SELECT COUNT(*) || MAX(Item) FROM Items WHERE ItemID = 'H100'",
         "1Other"},
    };
    for (const KeyCase& c : cases) {
        SetUp();
        if (*c.before) cnn().execute(QString::fromLatin1(c.before));
        folder.text("ITSx.txt", c.lines);
        EXPECT_EQ(run().status, ImportStatus::Stored) << c.name;
        EXPECT_EQ(value(QString::fromLatin1(c.query)), c.expected) << c.name;
    }
}

TEST_F(ImportTest, AnyLineEndReadsTheSame) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SetUp();
        folder.text("ITSH100.txt", kH100, QString::fromLatin1(end));
        EXPECT_EQ(run().counts.items, 1);
        EXPECT_EQ(value("SELECT TimeUnit FROM Items WHERE ItemID = 'H100'"), "Month") << int(end[0]) << strlen(end);
    }
}

TEST_F(ImportTest, SheetStartingAtB3) {
    folder.sheet("ITSH100.xcl", kH100, 2, 1);
    folder.sheet("SMH100.xls", monthly("H100", 2025, 7), 2, 1);
    const ImportOutcome out = run("ExcelFile");
    EXPECT_EQ(out.log.toStdString(),
              (header("Excel workbooks") + "Read ITSH100.xcl: 1 record for Items.\r\n"
                                           "ITSH100.xcl, row 7: Items has no column \"Color\"; ignored.\r\n"
                                           "Read SMH100.xls: 1 record for Sales.\r\n"
                                           "Files read: 2\r\n"
                                           "Records stored: 2 (Items 1, Sales 1, SalesWeekly 0)\r\n")
                  .toStdString());
    EXPECT_EQ(value("SELECT Item || UnitCost FROM Items WHERE ItemID = 'H100'"), "Honda15000.0");
    EXPECT_EQ(value("SELECT Jan || '-' || Dec FROM Sales WHERE ItemID = 'H100' AND Year = 2025"), "7-18");
}

TEST_F(ImportTest, DbaseRowsAreRecords) {
    folder.dbf("ITSCars.dbf",
               {{"ItemID", 'C', 10},
                {"Item", 'C', 20},
                {"UnitCost", 'N', 12, 2},
                {"HOLDINGCOS", 'N', 10, 2},
                {"SINGLEPERI", 'L', 1},
                {"Colour", 'C', 8}},
               {{"H100", "Honda", "15000.50", "12.5", "F", "Red"},
                {"T200", "Toyota", "9000", "", "T", ""},
                {"V300", "Volvo", "8000", "", "t", ""}});
    QList<DbfField> sales{{"ItemID", 'C', 10}, {"Year", 'N', 4}};
    for (const QString& m : kMonths.split(' '))
        sales.append({m, 'N', 6});
    folder.dbf("SMCars.dbf", sales,
               {{"H100", "2024", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                {"H100", "2025", "21", "", "", "", "", "", "", "", "", "", "", "32"}});
    const ImportOutcome out = run("dBaseFile");
    EXPECT_EQ(out.log.toStdString(),
              (header("dBase files") + "Read ITSCars.dbf: 3 records for Items.\r\n"
                                       "ITSCars.dbf, record 1: Items has no column \"Colour\"; ignored.\r\n"
                                       "ITSCars.dbf, record 2: Items has no column \"Colour\"; ignored.\r\n"
                                       "ITSCars.dbf, record 3: Items has no column \"Colour\"; ignored.\r\n"
                                       "Read SMCars.dbf: 2 records for Sales.\r\n"
                                       "Files read: 2\r\n"
                                       "Records stored: 5 (Items 3, Sales 2, SalesWeekly 0)\r\n")
                  .toStdString());
    EXPECT_EQ(
        value("SELECT GROUP_CONCAT(ItemID || ':' || UnitCost || ':' || IFNULL(HoldingCost, '-') || ':' || "
              "SinglePeriod) FROM (SELECT * FROM Items WHERE ItemID IN ('H100', 'T200', 'V300') ORDER BY ItemID)"),
        "H100:15000.5:12.5:0,T200:9000.0:-:1,V300:8000.0:-:1");
    EXPECT_EQ(value("SELECT GROUP_CONCAT(Year || ':' || Jan || ':' || IFNULL(Feb, '-') || ':' || Dec) FROM (SELECT * "
                    "FROM Sales WHERE ItemID = 'H100' ORDER BY Year)"),
              "2024:1:2:12,2025:21:-:32");
}

TEST_F(ImportTest, ShippedSamplesImportCleanly) {
    for (const char* dataType : {"TextFile", "ExcelFile"}) {
        SetUp();
        const ImportOutcome out = ImportService::importFolder(cnn(), dataType, test::databaseDir(), kToday);
        EXPECT_EQ(out.status, ImportStatus::Stored) << dataType << out.log.toStdString();
        EXPECT_EQ(out.counts.filesRead, 4) << dataType;
        EXPECT_EQ(out.counts.recordsStored(), 4) << dataType;
        EXPECT_FALSE(out.log.contains("ignored")) << dataType;
        EXPECT_EQ(value("SELECT Item || '/' || SinglePeriod FROM Items WHERE ItemID = 'CarHonda'"), "Honda Accord/0");
        EXPECT_EQ(count("SalesWeekly WHERE ItemID = 'CarToyota' AND W52 IS NOT NULL"), 1);
    }
}

struct RejectCase {
    const char* name;
    const char* dataType;
    std::function<void(const ImportFolder&)> files;
    const char* line;             // the log's line about the refused file
    qint64 addressSpaceRoom = 0;  // bytes of address space the import may take on, 0 for any
};

// Lowers the address space this process may take to what it holds and `room` more, for its lifetime.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(qint64 room) {
        ::getrlimit(RLIMIT_AS, &m_before);
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!room || !statm.open(QIODevice::ReadOnly)) return;
        const rlimit lower{rlim_t(statm.readAll().split(' ').value(0).toLongLong() * ::getpagesize() + room),
                           m_before.rlim_max};
        ::setrlimit(RLIMIT_AS, &lower);
    }
    ~AddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &m_before); }

private:
    rlimit m_before{};
};

// Every file is checked before anything is stored; one refused file stores nothing.
TEST_F(ImportTest, OneRefusedFileStoresNothing) {
    const QStringList good = {"ItemID,G1", "Item,Good"};
    const RejectCase cases[] = {
        {"not a workbook", "ExcelFile", [](auto& f) { f.bytes("SMH.xls", "not a workbook"); },
         "Rejected SMH.xls: it cannot be read as an Excel workbook."},
        {"not a dBase table", "dBaseFile", [](auto& f) { f.bytes("SMH.dbf", QByteArray(40, 'x')); },
         "Rejected SMH.dbf: it cannot be read as a dBase table."},
        {"no comma", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"ItemID,B1", "Item Honda"});
         },
         "Rejected ITSBad.txt, line 2: the line has no comma."},
        {"two commas", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"ItemID,B1", "Item,Honda,Civic"});
         },
         "Rejected ITSBad.txt, line 2: the line has 2 commas, not one."},
        {"no ItemID", "TextFile", [](auto& f) { f.text("ITSBad.txt", {"Item,Honda"}); },
         "Rejected ITSBad.txt: it has no ItemID."},
        {"empty ItemID", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"Item,Honda", "ItemID,"});
         },
         "Rejected ITSBad.txt, line 2: the ItemID is empty."},
        {"two ItemIDs", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"ItemID,A", "ItemID,B"});
         },
         "Rejected ITSBad.txt, line 2: a second ItemID \"B\" differs from \"A\"."},
        {"not a number", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"ItemID,B1", "UnitCost,12a"});
         },
         "Rejected ITSBad.txt, line 2: UnitCost \"12a\" is not a number."},
        {"a time of day as the year", "ExcelFile",
         [](auto& f) {
             f.sheet("SMBad.xls", {"ItemID,1", "Year,12:30:00"});
         },
         "Rejected SMBad.xls, row 2: Year \"12:30:00\" is not a whole year from 1900 to 2026."},
        {"text of a workbook in code page 1252", "ExcelFile",
         [](auto& f) {
             f.sheet("ITSBad.xls", {"ItemID,B1", "UnitCost,Caf\u00e9 \u20ac"}, 0, 0, 1252);
         },
         "Rejected ITSBad.xls, row 2: UnitCost \"Caf\u00e9 \u20ac\" is not a number."},
        {"no memory left to read a huge file", "TextFile",
         [](auto& f) { f.bytes("ITSBig.txt", "ItemID," + QByteArray(48 << 20, 'x')); },
         "Rejected ITSBig.txt: there is not enough memory to read it.", 128 << 20},
        {"a comma as the decimal point", "ExcelFile",
         [](auto& f) {
             f.sheet("ITSBad.xls", {"ItemID,B1", "UnitCost,12,5"});
         },
         "Rejected ITSBad.xls, row 2: UnitCost \"12,5\" is not a number."},
        {"not a Boolean", "TextFile",
         [](auto& f) {
             f.text("ITSBad.txt", {"ItemID,B1", "SinglePeriod,maybe"});
         },
         "Rejected ITSBad.txt, line 2: SinglePeriod \"maybe\" is not True, False, Yes, No, -1, 1 or 0."},
        {"no Year", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,1", "Jan,5"});
         },
         "Rejected SMBad.txt: it has no Year."},
        {"Year 1899", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,1", "Year,1899"});
         },
         "Rejected SMBad.txt, line 2: Year \"1899\" is not a whole year from 1900 to 2026."},
        {"next year", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,1", "Year,2027"});
         },
         "Rejected SMBad.txt, line 2: Year \"2027\" is not a whole year from 1900 to 2026."},
        {"half a year", "ExcelFile",
         [](auto& f) {
             f.sheet("SMBad.xls", {"ItemID,1", "Year,2025.5"});
         },
         "Rejected SMBad.xls, row 2: Year \"2025.5\" is not a whole year from 1900 to 2026."},
        {"a period the table lacks", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,1", "Year,2020", "Jnu,5"});
         },
         "Rejected SMBad.txt, line 3: Sales has no column \"Jnu\"."},
        {"a month in the weekly table", "TextFile",
         [](auto& f) {
             f.text("SWBad.txt", {"ItemID,5", "Year,2020", "Jan,5"});
         },
         "Rejected SWBad.txt, line 3: SalesWeekly has no column \"Jan\"."},
        {"a sales number", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,1", "Year,2020", "Feb,abc"});
         },
         "Rejected SMBad.txt, line 3: Feb \"abc\" is not a number."},
        {"no Items row", "TextFile",
         [](auto& f) {
             f.text("SMBad.txt", {"ItemID,NOPE", "Year,2020"});
         },
         "Rejected SMBad.txt: item \"NOPE\" has no row in Items and no Items file of this import."},
        {"no Items row, beside a sales file named before its Items file", "TextFile",
         [](auto& f) {
             f.text("SMa.txt", {"ItemID,NEW1", "Year,2020"});
             f.text("its-new.txt", {"ItemID,new1"});
             f.text("SMb.txt", {"ItemID,NOPE", "Year,2020"});
         },
         "Rejected SMb.txt: item \"NOPE\" has no row in Items and no Items file of this import."},
        {"another file's year", "TextFile",
         [](auto& f) {
             f.text("SMa.txt", {"ItemID,1", "Year,2020"});
             f.text("SMb.txt", {"Year,2020", "ItemID,1"});
         },
         "Rejected SMb.txt: item \"1\", year 2020 is also in SMa.txt."},
        {"another Items file's item", "TextFile",
         [](auto& f) {
             f.text("ITSa.txt", {"ItemID,D1"});
             f.text("ITSb.txt", {"ItemID,d1", "Item,Other"});
         },
         "Rejected ITSb.txt: item \"d1\" is also in ITSa.txt."},
        {"a folder", "TextFile", [](auto& f) { QDir(f.path()).mkdir("ITSdir.txt"); },
         "Rejected ITSdir.txt: it is a folder."},
        {"a link to nothing", "TextFile", [](auto& f) { QFile::link("/no/such/file", f.file("ITSlink.txt")); },
         "Rejected ITSlink.txt: it is a link to a file that does not exist."},
        {"a link to itself", "TextFile", [](auto& f) { QFile::link(f.file("ITSloop.txt"), f.file("ITSloop.txt")); },
         "Rejected ITSloop.txt: it is a link in a loop of links."},
        {"a FIFO", "TextFile", [](auto& f) { ::mkfifo(QFile::encodeName(f.file("ITSfifo.txt")), 0600); },
         "Rejected ITSfifo.txt: it is not a regular file."},
        {"a dBase row repeats a year", "dBaseFile",
         [](auto& f) {
             f.dbf("SMd.dbf", {{"ItemID", 'C', 5}, {"Year", 'N', 4}}, {{"1", "2020"}, {"2", "2020"}, {"1", "2020"}});
         },
         "Rejected SMd.dbf, record 3: item \"1\", year 2020 is also in SMd.dbf, record 1."},
        {"a dBase table without ItemID", "dBaseFile",
         [](auto& f) {
             f.dbf("ITSd.dbf", {{"Item", 'C', 5}}, {{"A"}});
         },
         "Rejected ITSd.dbf, record 1: it has no ItemID."},
    };
    const QString before = everything();
    for (const RejectCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.addressSpaceRoom && !kReaderLimitsAddressSpace) continue;  // AddressSanitizer reserves terabytes
        ImportFolder files;
        files.text("ITSGood.txt", good);
        files.sheet("ITSGood.xls", good);
        files.dbf("ITSGood.dbf", {{"ItemID", 'C', 5}, {"Item", 'C', 8}}, {{"G1", "Good"}});
        c.files(files);
        ImportOutcome out;
        {
            const AddressSpaceLimit limit(c.addressSpaceRoom);
            out = ImportService::importFolder(cnn(), c.dataType, files.path(), kToday);
        }
        EXPECT_EQ(out.status, ImportStatus::Rejected);
        EXPECT_FALSE(out.ok());
        EXPECT_TRUE(out.log.split("\r\n").contains(QString::fromUtf8(c.line))) << out.log.toStdString();
        EXPECT_TRUE(out.log.endsWith("Files rejected: 1\r\nNothing was stored.\r\n")) << out.log.toStdString();
        EXPECT_EQ(out.counts.recordsStored(), 0);
        EXPECT_EQ(everything(), before);
    }
}

struct ReaderCase {
    const char* name;
    const char* workbook;  // a fixture; "" for a good workbook, ITSGood.xls
    XlsReaderProcess reader;
    const char* why = "it cannot be read as an Excel workbook";
};

XlsReaderProcess shell(const char* script, int timeoutMs = 10000) { return {"/bin/sh", {"-c", script}, timeoutMs}; }

// Workbooks are read by a process of their own: whatever becomes of it, the
// workbook is refused with a line and the database stays as it was.
TEST_F(ImportTest, WorkbookReaderFaultsRefuseTheFile) {
    const char* const oob = "ITSfreexl-oob.xls";
    const ReaderCase cases[] = {
        {"libfreexl reading out of bounds", oob, {}},
        {"libfreexl crashing", "ITSfreexl-segv.xls", {}},
        {"a crash", oob, shell("kill -SEGV $$")},
        {"a hang", oob, shell("exec sleep 30", 300)},
        {"garbage", oob, shell("echo garbage")},
        {"an endless answer", oob, shell("exec yes"), "its first worksheet is too large"},
        {"an answer cut off", oob, shell("printf 'tervalo-xls 1\\nproblem 0\\npairs 1\\n1 2 2\\nItem'")},
        {"a whole answer and a failing exit", oob,
         shell("printf 'tervalo-xls 1\\nproblem 0\\npairs 0\\nend\\n'; exit 3")},
        {"no reader", oob, {"/no/such/reader", {}}, "the workbook reader tervalo-xls-reader cannot be started"},
        {"out of memory", "", {{}, {}, 10000, 1024 * 1024}},
    };
    const QString before = everything();
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (!*c.workbook && !kReaderLimitsAddressSpace) continue;
        ImportFolder files;
        const QString name = *c.workbook ? QString::fromLatin1(c.workbook) : QStringLiteral("ITSGood.xls");
        QFile fixture(test::fixturesDir() + "/import/" + name);
        if (fixture.open(QIODevice::ReadOnly))
            files.bytes(name, fixture.readAll());
        else
            files.sheet(name, {"ItemID,G1", "Item,Good"});
        const ImportOutcome out = ImportService::importFolder(cnn(), "ExcelFile", files.path(), kToday, c.reader);
        EXPECT_EQ(out.status, ImportStatus::Rejected);
        EXPECT_TRUE(out.log.split("\r\n").contains("Rejected " + name + ": " + c.why + ".")) << out.log.toStdString();
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(ImportTest, DatabaseFailureRollsBack) {
    cnn().execute("CREATE TRIGGER locked BEFORE INSERT ON Sales BEGIN SELECT RAISE(ABORT, 'sales are locked'); END");
    const QString before = everything();
    const struct {
        QString refusedFile;  // a file that follows the refused rows, "" for none
        ImportStatus status;
        QString end;
    } cases[] = {
        {"", ImportStatus::DatabaseFailed,
         "Files read: 2\r\nThe database refused the import: sales are locked\r\nNothing was stored.\r\n"},
        // A file refused after the database refused a row: the refusal is what the log tells.
        {"SMzz.txt", ImportStatus::Rejected,
         "Rejected SMzz.txt: it has no Year.\r\nFiles read: 3\r\nFiles rejected: 1\r\nNothing was stored.\r\n"},
    };
    for (const auto& c : cases) {
        ImportFolder files;
        files.text("ITSH100.txt", kH100);
        files.text("SMH100.txt", monthly("H100", 2025, 1));
        if (!c.refusedFile.isEmpty()) files.text(c.refusedFile, {"ItemID,H100"});
        const ImportOutcome out = ImportService::importFolder(cnn(), "TextFile", files.path(), kToday);
        EXPECT_EQ(out.status, c.status);
        EXPECT_TRUE(out.log.endsWith(c.end)) << out.log.toStdString();
        EXPECT_EQ(out.counts.recordsStored(), 0);
        EXPECT_EQ(everything(), before);
    }
}

// Another copy of the program writes the items while the import waits for
// its turn: the sales files are checked against the items it then finds.
TEST_F(ImportTest, SalesAloneMeetTheItemsAsTheyAreWhenTheImportWrites) {
    const struct {
        QStringList other;  // what the other copy writes under its lock
        const char* key;    // of the one sales file
        ImportStatus status;
    } cases[] = {
        {{"DELETE FROM Items WHERE ItemID = '1'", "DELETE FROM Sales WHERE ItemID = '1'"}, "1", ImportStatus::Rejected},
        {{"INSERT INTO Items (ItemID, Item) VALUES ('N1', 'New')"}, "N1", ImportStatus::Stored},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        ImportFolder files;
        files.text("SMa.txt", monthly(c.key, 2021, 1));
        {
            const test::HeldLock held(cnn().connectionString(), 300, c.other);
            EXPECT_EQ(ImportService::importFolder(cnn(), "TextFile", files.path(), kToday).status, c.status);
        }
        EXPECT_EQ(count("Sales WHERE ItemID NOT IN (SELECT ItemID FROM Items)"), 0);
    }
}

struct KindCase {
    const char* dataType;
    const char* folder;  // "*" for a folder of good files
    ImportStatus status;
    QString notice;  // empty when no box
    const char* title;
    bool logged;
};

TEST_F(ImportTest, KindAndFolderAreTestedFirst) {
    const QString access = QString::fromLatin1(
        "In the folder you installed this program, there is a MS Access database called \"dbWHouse\". Open this "
        "database to import data there.");
    ASSERT_EQ(access.size(), 131);
    const KindCase cases[] = {
        {"OtherFile", "*", ImportStatus::AccessNote, access, "Import from Access", false},
        {"OtherFile", "", ImportStatus::AccessNote, access, "Import from Access", false},
        {"textfile", "*", ImportStatus::UnknownKind, {}, "", false},
        {"", "", ImportStatus::UnknownKind, {}, "", false},
        {"TextFile", "", ImportStatus::FolderUnreadable, "No folder was chosen for the import. Nothing was imported.",
         "Import External Data", true},
        {"ExcelFile", "/no/such/folder", ImportStatus::FolderUnreadable,
         "The folder \"/no/such/folder\" cannot be read. Nothing was imported.", "Import External Data", true},
    };
    folder.text("ITSH100.txt", kH100);
    const QString before = everything();
    for (const KindCase& c : cases) {
        SCOPED_TRACE(std::string(c.dataType) + " in " + c.folder);
        const QString path = QString::fromLatin1(c.folder) == "*" ? folder.path() : QString::fromLatin1(c.folder);
        const ImportOutcome out = ImportService::importFolder(cnn(), c.dataType, path, kToday);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.notice.has_value(), !c.notice.isEmpty());
        if (out.notice) {
            EXPECT_EQ(QString::fromStdString(out.notice->text), c.notice);
            EXPECT_EQ(out.notice->title, std::string(c.title));
        }
        EXPECT_EQ(!c.notice.isEmpty() && out.log.contains(c.notice), c.logged) << out.log.toStdString();
        EXPECT_EQ(everything(), before);
    }
}

// Cut-off and random files are refused with a line; nothing crashes.
TEST_F(ImportTest, DamagedFilesAreRefused) {
    ImportFolder source;
    source.text("ITSa.txt", kH100);
    source.sheet("ITSa.xls", kH100);
    source.dbf("ITSa.dbf", {{"ItemID", 'C', 8}, {"UnitCost", 'N', 10, 2}, {"SINGLEPERI", 'L', 1}},
               {{"H1", "12.5", "T"}, {"H2", "3", "F"}});
    QRandomGenerator random(20261207);
    for (const char* ext : {"txt", "xls", "dbf"}) {
        QFile f(source.file(QStringLiteral("ITSa.") + ext));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        const QString dataType = *ext == 't' ? "TextFile" : *ext == 'x' ? "ExcelFile" : "dBaseFile";
        for (int trial = 0; trial < 60; ++trial) {
            QByteArray bytes = whole.left(random.bounded(whole.size()));
            if (trial % 3 == 1)
                for (int k = 0; k < 8; ++k)
                    bytes[random.bounded(qMax(1, int(bytes.size())))] = char(random.bounded(256));
            if (trial % 3 == 2) {
                bytes.resize(random.bounded(4096));
                for (char& b : bytes)
                    b = char(random.bounded(256));
            }
            ImportFolder damaged;
            damaged.bytes(QStringLiteral("ITSd.") + ext, bytes);
            const ImportOutcome out = ImportService::importFolder(cnn(), dataType, damaged.path(), kToday);
            EXPECT_TRUE(out.status == ImportStatus::Stored || out.log.contains("Rejected ITSd." + QString(ext)))
                << ext << " trial " << trial << out.log.toStdString();
        }
    }
}

}  // namespace
}  // namespace tervalo::import
