// The write-back run into a copy of NWRetail.mdb and into a throwaway
// PostgreSQL server: what it writes, what it logs, what it leaves alone.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <functional>

#include "data/Connection.h"
#include "jobs/WriteBackRun.h"
#include "support/PostgresCluster.h"
#include "support/TestEnvironment.h"

using namespace tervalo;
using jobs::WriteBackChoice;
using jobs::WriteBackItem;
using jobs::WriteBackTarget;
using Choice = WriteBackChoice;

namespace {

class RecordingJob : public jobs::JobControl {
public:
    bool cancelled() const override { return stopAfter >= 0 && done >= stopAfter; }
    void appendLog(const QString& text) override { log += text; }
    void setProgress(int d, int) override {
        done = d;
        if (onProgress) onProgress(d);
    }
    void show(const core::CheckMessage& m) override { messages << QString::fromStdString(m.title + ": " + m.text); }
    QString log;
    QStringList messages;
    int done = 0, stopAfter = -1;  // the user stops the run once stopAfter items are done
    std::function<void(int)> onProgress;
};

// The sample target (all values numbers) and the window's defaults (all text).
const WriteBackTarget kDemo{"",          "Products", "ReorderLevel", "UnitsOnOrder",
                            "ProductID", "Numeric",  "Numeric",      "Numeric"};
const WriteBackTarget kDefault{"", "TableName", "Reorder Level", "UnitsToOrder", "ItemID", "Text", "Text", "Text"};
WriteBackTarget with(WriteBackTarget t, QString WriteBackTarget::*field, const QString& value) {
    t.*field = value;
    return t;
}
WriteBackItem ss(const QString& name, const QVariant& id, const QVariant& qty, const QVariant& rp) {
    return {name, id, qty, rp, false};
}
WriteBackItem single(const QString& name, const QVariant& id, const QVariant& qty) {
    return {name, id, qty, 10.0, true};
}
const QVariant kNull;

// A table under the window's default names, one whose names hold a dot,
// quotes and SQL, and Products as NWRetail.mdb ships the rows the runs touch,
// made unquoted on the server.
const QStringList kTableNameSetup{
    "CREATE TABLE TableName (ItemID TEXT PRIMARY KEY, \"Reorder Level\" INTEGER, UnitsToOrder TEXT)",
    "INSERT INTO TableName VALUES ('A1', 3, '0'), ('B2', 4, '0'), ('O''Neil', 5, '0')",
    R"(CREATE TABLE "T.4" ("ID" TEXT PRIMARY KEY, "Qty.x" INTEGER))",
    R"(INSERT INTO "T.4" VALUES ('A1', 0), ('B2', 0))",
    R"(CREATE TABLE Odd (ID TEXT PRIMARY KEY, Qty INTEGER, """Qty""" INTEGER, """Qty"" = ? WHERE 1 = 1 OR ? /*""" INTEGER))",
    R"(INSERT INTO Odd VALUES ('A1', 0, 0, 0), ('B2', 0, 0, 0))",
    "CREATE TABLE Capped (ID INTEGER PRIMARY KEY, Qty INTEGER CHECK (Qty < 1000))",
    "INSERT INTO Capped VALUES (1, 0), (2, 0), (3, 0), (4, 0), (5, 0), (6, 0)"};
const WriteBackTarget kT4{"", "T.4", "x", "Qty.x", "ID", "Text", "Numeric", "Text"};
const WriteBackTarget kOdd{"", "Odd", "x", "Qty", "ID", "Text", "Numeric", "Text"};
const WriteBackTarget kCapped{"", "Capped", "x", "Qty", "ID", "Text", "Numeric", "Numeric"};
const QString kOddRow = R"(SELECT Qty, """Qty""", """Qty"" = ? WHERE 1 = 1 OR ? /*""" FROM Odd WHERE ID = )";
const QStringList kServerProducts{
    "CREATE TABLE Products (ProductID INTEGER PRIMARY KEY, UnitsOnOrder INTEGER, ReorderLevel INTEGER)",
    "INSERT INTO Products VALUES (1, 0, 100), (5, 0, 25), (7, 50, 20)"};
const QString kRow7 = "SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 7";
const QString kRow5 = "SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 5";
const QString kRowA1 = "SELECT \"Reorder Level\", UnitsToOrder FROM TableName WHERE ItemID = 'A1'";
const QString kOthers = "SELECT count(*) FROM TableName WHERE UnitsToOrder <> '0'";

struct RunCase {
    const char* name;
    WriteBackTarget target;
    QList<WriteBackItem> items;
    Choice choice;
    QString log;                              // '|' stands for CR LF
    QList<std::pair<QString, QString>> rows;  // query -> its first row, columns joined by '|'
    bool onServerToo = true;
    int stopAfter = -1;
    QString serverLog;  // the log on the server, where its words differ
};
void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }
RunCase c(const char* name, const WriteBackTarget& target, const QList<WriteBackItem>& items, Choice choice,
          const QString& log, const QList<std::pair<QString, QString>>& rows, bool onServerToo = true,
          int stopAfter = -1, const QString& serverLog = {}) {
    return {name, target, items, choice, log, rows, onServerToo, stopAfter, serverLog};
}

const QList<RunCase> kRunCases{
    c("SsItemWritesBothValues", kDemo, {ss("Coffee", "7", 25.0, 10.0)}, Choice::CurrentItem,
      "Coffee (ID: 7)|Update completed.|", {{kRow7, "25|10"}}),
    c("SinglePeriodItemWritesOnlyTheOrderQuantityAsText", kDefault, {single("Tree", "A1", 25.0)}, Choice::CurrentItem,
      "Tree (ID: A1)|Update completed.|", {{kRowA1, "3|25"}}),
    c("FailedItemRollsEveryItemBack", kDemo,
      {ss("A", "1", kNull, 4.0), ss("B", "5", 30.0, 12.0), ss("C", "C3", 8.0, 2.0)}, Choice::AllItems,
      "A (ID: 1)|Order Qty is null. Run Analysis to calculate it.||B (ID: 5)||C (ID: C3)|"
      "Error: ItemID 'C3' is not a number.|Nothing was updated.|",
      {{kRow5, "0|25"}}),
    c("FailedItemBeforeAGoodOneRollsBack", kDemo, {ss("C", "C3", 8.0, 2.0), ss("B", "5", 30.0, 12.0)}, Choice::AllItems,
      "C (ID: C3)|Error: ItemID 'C3' is not a number.|Nothing was updated.|", {{kRow5, "0|25"}}),
    c("AllItemsSkipTheIncompleteAndKeepTheRest", kDemo,
      {ss("B", "5", 30.0, 12.0), ss("N", "1", 9.0, ""), ss("Coffee", 7, 60.0, 15.0)}, Choice::AllItems,
      "B (ID: 5)||N (ID: 1)|ReorderPoint is null. Run Analysis to calculate it.||Coffee (ID: 7)|Update completed.|",
      {{kRow5, "30|12"}, {kRow7, "60|15"}, {"SELECT UnitsOnOrder FROM Products WHERE ProductID = 1", "0"}}),
    c("ReorderLevelIntoAColumnWithABlank", kDefault, {ss("Tree", "A1", 25.0, 7.0)}, Choice::CurrentItem,
      "Tree (ID: A1)|Update completed.|", {{kRowA1, "7|25"}}),
    c("DottedTableAndColumn", kT4, {single("A", "A1", 25.0)}, Choice::CurrentItem, "A (ID: A1)|Update completed.|",
      {{R"(SELECT (SELECT "Qty.x" FROM "T.4" WHERE "ID" = 'A1'), (SELECT "Qty.x" FROM "T.4" WHERE "ID" = 'B2'))",
        "25|0"}}),
    c("ColumnNamedInQuotesBesideTheBareName", with(kOdd, &WriteBackTarget::orderQtyName, R"("Qty")"),
      {single("A", "A1", 25.0)}, Choice::CurrentItem, "A (ID: A1)|Update completed.|", {{kOddRow + "'A1'", "0|25|0"}}),
    c("ColumnNamedLikeSqlIsOnlyAName", with(kOdd, &WriteBackTarget::orderQtyName, R"("Qty" = ? WHERE 1 = 1 OR ? /*")"),
      {single("A", "A1", 25.0)}, Choice::CurrentItem, "A (ID: A1)|Update completed.|",
      {{kOddRow + "'A1'", "0|0|25"}, {kOddRow + "'B2'", "0|0|0"}}),
    c("KeyMatchingNoRowIsLogged", kDemo, {ss("Ghost", "99", 1.0, 1.0)}, Choice::CurrentItem,
      "Ghost (ID: 99)|No row of Products has ProductID 99.|", {}),
    c("SkippedCurrentItemIsNotCompleted", kDemo, {ss("Coffee", "7", "", 1.0)}, Choice::CurrentItem,
      "Coffee (ID: 7)|Order Qty is null. Run Analysis to calculate it.|", {{kRow7, "50|20"}}),
    c("NamesMatchInAnyCase",
      {"", "products", "REORDERLEVEL", "unitsOnOrder", "productid", "Numeric", "Numeric", "Numeric"},
      {ss("Coffee", "7", 25.0, 10.0)}, Choice::CurrentItem, "Coffee (ID: 7)|Update completed.|", {{kRow7, "25|10"}}),
    c("QuotedKeyUnderTextChangesNoOtherRow", kDefault, {single("X", "x' OR 'a'='a", 25.0)}, Choice::CurrentItem,
      "X (ID: x' OR 'a'='a)|No row of TableName has ItemID x' OR 'a'='a.|", {{kOthers, "0"}}),
    c("ExpressionKeyUnderNumericIsRefused", kDemo, {ss("X", "1 OR 1=1", 25.0, 1.0)}, Choice::CurrentItem,
      "X (ID: 1 OR 1=1)|Error: ItemID '1 OR 1=1' is not a number.|Nothing was updated.|",
      {{"SELECT count(*) FROM Products WHERE UnitsOnOrder = 25", "0"}}),
    c("QuoteInTextIsWrittenIntact", kDefault, {single("O'Neil's", "O'Neil", 7.0)}, Choice::CurrentItem,
      "O'Neil's (ID: O'Neil)|Update completed.|",
      {{"SELECT UnitsToOrder FROM TableName WHERE ItemID = 'O''Neil'", "7"}, {kOthers, "1"}}),
    c("TypeInAnotherCaseIsText", with(kDemo, &WriteBackTarget::qtyType, "numeric"), {ss("Coffee", "7", 25.0, 10.0)},
      Choice::CurrentItem, "Coffee (ID: 7)|Update completed.|", {{kRow7, "25|10"}}),
    c("MissingColumnFailsTheItem", with(kDemo, &WriteBackTarget::reorderLevelName, "Reorder Lvl"),
      {ss("Coffee", "7", 25.0, 10.0)}, Choice::CurrentItem,
      "Coffee (ID: 7)|Error: The table 'Products' has no column named 'Reorder Lvl'.|Nothing was updated.|",
      {{kRow7, "50|20"}}, false),
    c("FractionUnderNumeric", kDemo, {ss("Coffee", "7", 12.5, 0.25)}, Choice::CurrentItem,
      "Coffee (ID: 7)|Update completed.|", {{kRow7, "12.5|0.25"}}, false),
    c("CancelWritesNothing", kDemo, {ss("Coffee", "7", 25.0, 10.0)}, Choice::Cancel, "Canceled", {{kRow7, "50|20"}}),
    c("StoppedRunRollsBack", kDemo, {ss("Coffee", "7", 25.0, 10.0), ss("B", "5", 30.0, 12.0)}, Choice::AllItems,
      "Coffee (ID: 7)|Nothing was updated.|", {{kRow7, "50|20"}}, true, 1),
    // Items go to the database together: one failing among them is still
    // the one named, after the items before it, and nothing is kept.
    c("FailedItemAmongOthersIsNamed", kCapped,
      {single("A", "1", 5.0), single("B", "2", 6.0), single("C", "3", 7.0), single("D", "4", 8.0),
       single("E", "5", 5000.0), single("F", "6", 9.0)},
      Choice::AllItems,
      "A (ID: 1)||B (ID: 2)||C (ID: 3)||D (ID: 4)||E (ID: 5)|Error: CHECK constraint failed: Qty < 1000|"
      "Nothing was updated.|",
      {{"SELECT Qty FROM Capped WHERE ID = 4", "0"}}, true, -1,
      "A (ID: 1)||B (ID: 2)||C (ID: 3)||D (ID: 4)||E (ID: 5)|Error: ERROR:  new row for relation \"capped\" "
      "violates check constraint \"capped_qty_check\"\nDETAIL:  Failing row contains (5, 5000).\n(23514)|"
      "Nothing was updated.|"),
    c("KeyMatchingNoRowAmongOthersIsLogged", kDemo,
      {ss("B", "5", 30.0, 12.0), ss("Coffee", "7", 60.0, 15.0), ss("Ghost", "99", 1.0, 1.0), ss("A", "1", 9.0, 8.0)},
      Choice::AllItems,
      "B (ID: 5)||Coffee (ID: 7)||Ghost (ID: 99)|No row of Products has ProductID 99.||A (ID: 1)|Update completed.|",
      {{kRow7, "60|15"}, {"SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 1", "9|8"}}),
    c("SinglePeriodBesideSsItemKeepsItsReorderLevel", kDemo,
      {ss("B", "5", 30.0, 12.0), single("Coffee", "7", 60.0), ss("A", "1", 9.0, 8.0)}, Choice::AllItems,
      "B (ID: 5)||Coffee (ID: 7)||A (ID: 1)|Update completed.|",
      {{kRow7, "60|20"}, {"SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 1", "9|8"}}),
    // Two keys the database takes for one row: the later item's values stay, as one by one.
    c("TwoKeysOfOneRowKeepTheLaterValues", with(kDemo, &WriteBackTarget::idType, "Text"),
      {ss("B", "5", 30.0, 12.0), ss("Coffee", "7", 60.0, 15.0), ss("Coffee again", "07", 61.0, 16.0)}, Choice::AllItems,
      "B (ID: 5)||Coffee (ID: 7)||Coffee again (ID: 07)|Update completed.|", {{kRow7, "61|16"}})};

// Names only a server holds: a table of schema shop beside a public one of
// the same name, a table "s.t" beside table t of schema s, columns that differ
// in case alone.
const QStringList kServerOnlySetup{"CREATE SCHEMA shop",
                                   "CREATE TABLE shop.\"Products\" AS SELECT * FROM Products",
                                   "CREATE SCHEMA s",
                                   "CREATE TABLE s.t (ID TEXT, Qty INTEGER)",
                                   "CREATE TABLE \"s.t\" (ID TEXT, Qty INTEGER)",
                                   "CREATE TABLE Twins (ID TEXT, \"Qty\" INTEGER, qty INTEGER)",
                                   "INSERT INTO Twins VALUES ('A1', 0, 0)"};
const WriteBackTarget kTwins{"", "Twins", "x", "QTY", "ID", "Text", "Numeric", "Text"};
const QList<RunCase> kServerOnlyCases{
    c("SchemaTable", with(kDemo, &WriteBackTarget::tableName, "shop.Products"), {ss("Coffee", "7", 25.0, 10.0)},
      Choice::CurrentItem, "Coffee (ID: 7)|Update completed.|",
      {{R"(SELECT UnitsOnOrder, ReorderLevel FROM shop."Products" WHERE ProductID = 7)", "25|10"}}),
    c("TableNameOfTwoTablesIsRefused", with(kTwins, &WriteBackTarget::tableName, "s.t"), {single("A", "A1", 25.0)},
      Choice::CurrentItem,
      R"(A (ID: A1)|Error: The name 's.t' fits more than one table: "s"."t", "s.t".|)"
      "Nothing was updated.|",
      {}),
    c("ColumnNameOfTwoColumnsIsRefused", kTwins, {single("A", "A1", 25.0)}, Choice::CurrentItem,
      R"(A (ID: A1)|Error: The name 'QTY' fits more than one column of the table 'twins': "Qty", "qty".|)"
      "Nothing was updated.|",
      {{R"(SELECT "Qty", qty FROM Twins)", "0|0"}}),
    c("ExactColumnNameBesideItsTwin", with(kTwins, &WriteBackTarget::orderQtyName, "qty"), {single("A", "A1", 25.0)},
      Choice::CurrentItem, "A (ID: A1)|Update completed.|", {{R"(SELECT "Qty", qty FROM Twins)", "0|25"}})};

QString firstRow(data::Connection& cnn, const QString& sql) {
    QSqlQuery query = cnn.run(sql);
    QStringList values;
    const int columns = query.next() ? query.record().count() : 0;
    for (int i = 0; i < columns; ++i)
        values << query.value(i).toString();
    return values.join('|');
}

// Runs one case against the database at cnnString and checks log and rows.
void check(const RunCase& c, const QString& cnnString, data::Connection& reader, bool onServer = false) {
    SCOPED_TRACE(c.name);
    WriteBackTarget target = c.target;
    target.cnnString = cnnString;
    RecordingJob job;
    job.stopAfter = c.stopAfter;
    int asked = 0;
    const auto ask = [&] { return ++asked, c.choice; };
    const auto result = jobs::runWriteBack(target, c.items, 0, ask, job);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(result.connected);
    const QString log = onServer && !c.serverLog.isEmpty() ? c.serverLog : c.log;
    EXPECT_EQ(job.log.toStdString(), QString(log).replace('|', "\r\n").toStdString());
    EXPECT_EQ(job.messages, QStringList());
    for (const auto& [sql, expected] : c.rows)
        EXPECT_EQ(firstRow(reader, sql).toStdString(), expected.toStdString()) << sql.toStdString();
}

class WriteBackIntoFile : public ::testing::TestWithParam<RunCase> {};

TEST_P(WriteBackIntoFile, LogsAndWrites) {
    const QString cnnString = test::connectionToCopyOf("NWRetail.mdb");
    data::Connection reader;
    reader.open(cnnString);
    for (const QString& sql : kTableNameSetup)
        reader.execute(sql);
    check(GetParam(), cnnString, reader);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteBackIntoFile, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A throwaway server, and a connection of the test's own to it.
class WriteBackIntoServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.missing().isEmpty())
            GTEST_SKIP() << "PostgreSQL is not installed: " << server.missing().toStdString();
        ASSERT_TRUE(server.running()) << server.failure().toStdString();
        reader.open(server.connectionString());
    }
    test::PostgresCluster server;
    data::Connection reader;
};

TEST_F(WriteBackIntoServer, LogsAndWrites) {
    for (const RunCase& c : kRunCases) {
        if (!c.onServerToo) continue;
        reader.execute(R"(DROP TABLE IF EXISTS Products, TableName, "T.4", Odd, Capped)");
        for (const QString& sql : kServerProducts + kTableNameSetup)
            reader.execute(sql);
        check(c, server.connectionString(), reader, true);
    }
    for (const QString& sql : kServerOnlySetup)
        reader.execute(sql);
    for (const RunCase& c : kServerOnlyCases)
        check(c, server.connectionString(), reader);
}

// The run's connection goes after its first item: one "Error:" line that says
// so, not one for each of the items left, and nothing is kept.
TEST_F(WriteBackIntoServer, LostConnectionEndsTheRun) {
    // A row written with 99 ends its own connection, inside a statement of many rows.
    for (const QString& sql :
         kServerProducts +
             QStringList{"CREATE FUNCTION quit() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF "
                         "NEW.UnitsOnOrder = 99 THEN PERFORM pg_terminate_backend(pg_backend_pid()); END "
                         "IF; RETURN NEW; END $$",
                         "CREATE TRIGGER quit BEFORE UPDATE ON Products FOR EACH ROW EXECUTE FUNCTION quit()"})
        reader.execute(sql);
    const struct {
        const char* name;
        double qty;  // of the items after the first
        std::function<void()> afterFirst;
    } cases[] = {
        {"EndedByTheServer", 25.0,
         [&] {
             reader.run(
                 "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> pg_backend_pid() AND "
                 "datname = current_database()");
         }},
        {"EndedInsideAStatement", 99.0, {}},
        {"ServerStopped", 25.0, [&] { server.stop(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingJob job;
        job.onProgress = [&](int done) {
            if (done == 1 && c.afterFirst) c.afterFirst();
        };
        QList<WriteBackItem> items{ss("C", "1", 25.0, 10.0)};
        for (int id = 2; id <= 50; ++id)
            items.append(ss("C", QString::number(id), c.qty, 10.0));
        jobs::runWriteBack(
            with(kDemo, &WriteBackTarget::cnnString, server.connectionString()), items, 0,
            [] { return Choice::AllItems; }, job);
        EXPECT_EQ(job.log.toStdString(),
                  "C (ID: 1)\r\n\r\nC (ID: 2)\r\nError: The connection to the database server was lost.\r\n"
                  "Nothing was updated.\r\n");
        if (server.running()) {
            EXPECT_EQ(firstRow(reader, kRow5), "0|25");
        }
    }
}

// Runs that stop before asking: the message shown, nothing logged.
TEST(WriteBackStops, BeforeAskingWithItsMessage) {
    const QString locked = test::connectionToCopyOf("NWRetail.mdb");
    data::Connection writer;  // another program, in the middle of writing to it
    writer.open(locked);
    writer.execute("BEGIN EXCLUSIVE");
    const QString port = QString::number(test::freeLocalPort());
    const QString server = "Driver=QPSQL;Host=127.0.0.1;Port=" + port + ";Database=shop;User=clerk;Password=";
    const struct {
        QString cnnString;
        QList<WriteBackItem> items;
        QString message;
    } cases[] = {
        {"", {ss("C", "7", 1.0, 1.0)}, "Connection failed: Failed to connect to database at ."},
        {server + "\"top;secret\"",
         {ss("C", "7", 1.0, 1.0)},
         "Connection failed: Failed to connect to database at " + server + "*****."},
        {"Data Source=/nowhere/a.mdb;Jet OLEDB:Database Password=s3cret",
         {ss("C", "7", 1.0, 1.0)},
         "Connection failed: Failed to connect to database at Data Source=/nowhere/a.mdb;Jet OLEDB:Database "
         "Password=*****."},
        {locked,
         {ss("C", "7", 1.0, 1.0)},
         "Connection failed: The database at " + locked +
             " is locked by another program. Try again when that program has finished with it."},
        {test::connectionToCopyOf("NWRetail.mdb"), {}, "No data available: No data in the database."},
    };
    for (const auto& c : cases) {
        RecordingJob job;
        int asked = 0;
        jobs::runWriteBack(
            with(kDemo, &WriteBackTarget::cnnString, c.cnnString), c.items, 0,
            [&] { return ++asked, Choice::AllItems; }, job);
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(job.log, "");
        EXPECT_EQ(job.messages, QStringList{c.message});
    }
}

}  // namespace
