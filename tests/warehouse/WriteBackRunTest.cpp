// The write-back run into a copy of NWRetail.mdb and into a throwaway
// PostgreSQL server: what it writes, what it logs, what it leaves alone.
#include <gtest/gtest.h>

#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <memory>
#include <optional>

#include "data/Connection.h"
#include "support/PostgresCluster.h"
#include "support/RecordingNotifier.h"
#include "support/TestEnvironment.h"
#include "warehouse/WriteBackRun.h"

using namespace tervalo;
using warehouse::WriteBackChoice;
using warehouse::WriteBackItem;
using warehouse::WriteBackTarget;

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

class RecordingJob : public warehouse::JobControl {
public:
    bool cancelled() const override { return cancelAfter >= 0 && progress.size() >= cancelAfter; }
    void appendLog(const QString& text) override { log += text; }
    void setProgress(int done, int total) override { progress.append(QString("%1/%2").arg(done).arg(total)); }
    void show(const core::CheckMessage& m) override {
        messages.append(QString::fromStdString(m.title + ": " + m.text));
    }
    QString log;
    QStringList progress;
    QStringList messages;
    qsizetype cancelAfter = -1;  // cancelled once this many items are done
};

// The sample target (all values numbers) and the window's defaults (all text).
WriteBackTarget demoTarget() {
    return {"", "Products", "ReorderLevel", "UnitsOnOrder", "ProductID", "Numeric", "Numeric", "Numeric"};
}
WriteBackTarget defaultTarget() {
    return {"", "TableName", "Reorder Level", "UnitsToOrder", "ItemID", "Text", "Text", "Text"};
}

WriteBackItem ss(const QString& name, const QVariant& id, const QVariant& qty, const QVariant& rp) {
    return {name, id, qty, rp, false};
}
WriteBackItem single(const QString& name, const QVariant& id, const QVariant& qty) {
    return {name, id, qty, 10.0, true};
}
const QVariant kNull;

// A second table under the window's default names, made in either database.
const QStringList kTableNameSetup{
    "CREATE TABLE TableName (ItemID TEXT PRIMARY KEY, \"Reorder Level\" INTEGER, UnitsToOrder TEXT)",
    "INSERT INTO TableName VALUES ('A1', 3, '0'), ('B2', 4, '0'), ('O''Neil', 5, '0')"};
// Products as NWRetail.mdb ships the rows the runs touch, made unquoted on the server.
const QStringList kServerProducts{
    "CREATE TABLE Products (ProductID INTEGER PRIMARY KEY, ProductName TEXT, UnitsOnOrder INTEGER, "
    "ReorderLevel INTEGER)",
    "INSERT INTO Products VALUES (1, 'Copier Paper A4 (box)', 0, 100), (5, 'Greeting Cards (pack)', 0, 25), "
    "(7, 'Coffee Beans 1 kg', 50, 20)"};

struct RunCase {
    const char* name;
    WriteBackTarget target;
    QList<WriteBackItem> items;
    WriteBackChoice choice;
    int current;
    QString log;
    // query -> its first row, columns joined by '|'
    QList<std::pair<QString, QString>> rows;
    bool onServerToo = true;
    qsizetype cancelAfter = -1;
};

const QString kRow7 = "SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 7";
const QString kRow5 = "SELECT UnitsOnOrder, ReorderLevel FROM Products WHERE ProductID = 5";
const QString kRowA1 = "SELECT \"Reorder Level\", UnitsToOrder FROM TableName WHERE ItemID = 'A1'";
const QString kOthers = "SELECT count(*) FROM TableName WHERE UnitsToOrder <> '0'";

QList<RunCase> runCases() {
    WriteBackTarget anyCase = demoTarget();
    anyCase.tableName = "products";
    anyCase.reorderLevelName = "REORDERLEVEL";
    anyCase.orderQtyName = "unitsOnOrder";
    anyCase.idName = "productid";
    WriteBackTarget lowerNumeric = demoTarget();
    lowerNumeric.qtyType = "numeric";
    WriteBackTarget noColumn = demoTarget();
    noColumn.reorderLevelName = "Reorder Lvl";
    return {
        {"SsItemWritesBothValues",
         demoTarget(),
         {ss("Coffee", "7", 25.0, 10.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nUpdate completed.\r\n",
         {{kRow7, "25|10"}}},
        {"SinglePeriodItemWritesOnlyTheOrderQuantityAsText",
         defaultTarget(),
         {single("Tree", "A1", 25.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Tree (ID: A1)\r\nUpdate completed.\r\n",
         {{kRowA1, "3|25"}}},
        {"FailedItemRollsEveryItemBack",
         demoTarget(),
         {ss("A", "1", kNull, 4.0), ss("B", "5", 30.0, 12.0), ss("C", "C3", 8.0, 2.0)},
         WriteBackChoice::AllItems,
         1,
         "A (ID: 1)\r\nOrder Qty is null. Run Analysis to calculate it.\r\n\r\nB (ID: 5)\r\n\r\nC (ID: C3)\r\n"
         "Error: ItemID 'C3' is not a number.\r\nNothing was updated.\r\n",
         {{kRow5, "0|25"}}},
        {"AllItemsSkipTheIncompleteAndKeepTheRest",
         demoTarget(),
         {ss("B", "5", 30.0, 12.0), ss("N", "1", 9.0, ""), ss("Coffee", 7, 60.0, 15.0)},
         WriteBackChoice::AllItems,
         0,
         "B (ID: 5)\r\n\r\nN (ID: 1)\r\nReorderPoint is null. Run Analysis to calculate it.\r\n\r\n"
         "Coffee (ID: 7)\r\nUpdate completed.\r\n",
         {{kRow5, "30|12"}, {kRow7, "60|15"}, {"SELECT UnitsOnOrder FROM Products WHERE ProductID = 1", "0"}}},
        {"KeyMatchingNoRowIsLogged",
         demoTarget(),
         {ss("Ghost", "99", 1.0, 1.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Ghost (ID: 99)\r\nNo row of Products has ProductID 99.\r\n",
         {}},
        {"SkippedCurrentItemIsNotCompleted",
         demoTarget(),
         {ss("Coffee", "7", "", 1.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nOrder Qty is null. Run Analysis to calculate it.\r\n",
         {{kRow7, "50|20"}}},
        {"NamesMatchInAnyCase",
         anyCase,
         {ss("Coffee", "7", 25.0, 10.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nUpdate completed.\r\n",
         {{kRow7, "25|10"}}},
        {"QuotedKeyUnderTextChangesNoOtherRow",
         defaultTarget(),
         {single("X", "x' OR 'a'='a", 25.0)},
         WriteBackChoice::CurrentItem,
         0,
         "X (ID: x' OR 'a'='a)\r\nNo row of TableName has ItemID x' OR 'a'='a.\r\n",
         {{kOthers, "0"}}},
        {"ExpressionKeyUnderNumericIsRefused",
         demoTarget(),
         {ss("X", "1 OR 1=1", 25.0, 1.0)},
         WriteBackChoice::CurrentItem,
         0,
         "X (ID: 1 OR 1=1)\r\nError: ItemID '1 OR 1=1' is not a number.\r\nNothing was updated.\r\n",
         {{"SELECT count(*) FROM Products WHERE UnitsOnOrder = 25", "0"}}},
        {"QuoteInTextIsWrittenIntact",
         defaultTarget(),
         {single("O'Neil's", "O'Neil", 7.0)},
         WriteBackChoice::CurrentItem,
         0,
         "O'Neil's (ID: O'Neil)\r\nUpdate completed.\r\n",
         {{"SELECT UnitsToOrder FROM TableName WHERE ItemID = 'O''Neil'", "7"}, {kOthers, "1"}}},
        {"TypeInAnotherCaseIsText",
         lowerNumeric,
         {ss("Coffee", "7", 25.0, 10.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nUpdate completed.\r\n",
         {{kRow7, "25|10"}}},
        {"MissingColumnFailsTheItem",
         noColumn,
         {ss("Coffee", "7", 25.0, 10.0)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nError: The table 'Products' has no column named 'Reorder Lvl'.\r\nNothing was updated.\r\n",
         {{kRow7, "50|20"}},
         false},
        {"FractionUnderNumeric",
         demoTarget(),
         {ss("Coffee", "7", 12.5, 0.25)},
         WriteBackChoice::CurrentItem,
         0,
         "Coffee (ID: 7)\r\nUpdate completed.\r\n",
         {{kRow7, "12.5|0.25"}},
         false},
        {"CancelWritesNothing",
         demoTarget(),
         {ss("Coffee", "7", 25.0, 10.0)},
         WriteBackChoice::Cancel,
         0,
         "Canceled",
         {{kRow7, "50|20"}}},
        {"StoppedRunRollsBack",
         demoTarget(),
         {ss("Coffee", "7", 25.0, 10.0), ss("B", "5", 30.0, 12.0)},
         WriteBackChoice::AllItems,
         0,
         "Coffee (ID: 7)\r\nNothing was updated.\r\n",
         {{kRow7, "50|20"}},
         true,
         1},
    };
}

QString firstRow(data::Connection& cnn, const QString& sql) {
    QSqlQuery query = cnn.run(sql);
    if (!query.next()) return "(no row)";
    QStringList values;
    for (int i = 0; i < query.record().count(); ++i)
        values << query.value(i).toString();
    return values.join('|');
}

// Runs one case against the database at cnnString and checks log and rows.
void check(const RunCase& c, const QString& cnnString, data::Connection& reader) {
    SCOPED_TRACE(c.name);
    WriteBackTarget target = c.target;
    target.cnnString = cnnString;
    RecordingJob job;
    job.cancelAfter = c.cancelAfter;
    int asked = 0;
    const auto result = warehouse::runWriteBack(
        target, c.items, c.current,
        [&] {
            ++asked;
            return c.choice;
        },
        job);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(result.connected);
    EXPECT_EQ(job.log, c.log);
    EXPECT_TRUE(job.messages.isEmpty()) << job.messages.join("\n").toStdString();
    for (const auto& [sql, expected] : c.rows)
        EXPECT_EQ(firstRow(reader, sql), expected) << sql.toStdString();
}

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class WriteBackIntoFile : public ::testing::TestWithParam<RunCase> {};

TEST_P(WriteBackIntoFile, LogsAndWrites) {
    const QString cnnString = test::connectionToCopyOf("NWRetail.mdb");
    data::Connection reader;
    reader.open(cnnString);
    for (const QString& sql : kTableNameSetup)
        reader.execute(sql);
    check(GetParam(), cnnString, reader);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteBackIntoFile, ::testing::ValuesIn(runCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBackIntoServer, LogsAndWrites) {
    test::PostgresCluster server;
    if (!server.missing().isEmpty()) GTEST_SKIP() << "PostgreSQL is not installed: " << server.missing().toStdString();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    data::Connection reader;
    reader.open(server.connectionString());
    for (const RunCase& c : runCases()) {
        if (!c.onServerToo) continue;
        reader.execute("DROP TABLE IF EXISTS Products");
        reader.execute("DROP TABLE IF EXISTS TableName");
        for (const QString& sql : kServerProducts + kTableNameSetup)
            reader.execute(sql);
        check(c, server.connectionString(), reader);
    }
}

// Runs that stop before writing: the message shown, nothing asked or logged.
struct StopCase {
    const char* name;
    QString cnnString;  // "%1": a copy of NWRetail.mdb; "%2" inside: a port nothing listens on
    QList<WriteBackItem> items;
    QString message;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class WriteBackStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(WriteBackStops, BeforeAsking) {
    const StopCase& c = GetParam();
    const QString port = QString::number(test::freeLocalPort());
    QString cnnString = QString(c.cnnString).replace("%2", port);
    if (cnnString == "%1") cnnString = test::connectionToCopyOf("NWRetail.mdb");
    WriteBackTarget target = demoTarget();
    target.cnnString = cnnString;
    RecordingJob job;
    int asked = 0;
    warehouse::runWriteBack(
        target, c.items, 0,
        [&] {
            ++asked;
            return WriteBackChoice::AllItems;
        },
        job);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(job.log, "");
    EXPECT_EQ(job.messages, QStringList{QString(c.message).replace("%2", port)});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteBackStops,
    ::testing::Values(StopCase{"EmptyConnectionString",
                               "",
                               {ss("C", "7", 1.0, 1.0)},
                               "Connection failed: Failed to connect to database at ."},
                      StopCase{"UnreachableServerHidesThePassword",
                               "Driver=QPSQL;Host=127.0.0.1;Port=%2;Database=shop;User=clerk;Password=\"top;secret\"",
                               {ss("C", "7", 1.0, 1.0)},
                               "Connection failed: Failed to connect to database at "
                               "Driver=QPSQL;Host=127.0.0.1;Port=%2;Database=shop;User=clerk;Password=*****."},
                      StopCase{"NoItems", "%1", {}, "No data available: No data in the database."}),
    [](const auto& info) { return std::string(info.param.name); });

// The confirmation as a box: its text and buttons, and what each answer picks.
TEST(WriteBackQuestion, AnswersPickTheItems) {
    const std::pair<platform::MsgResult, WriteBackChoice> answers[] = {
        {platform::MsgResult::Yes, WriteBackChoice::AllItems},
        {platform::MsgResult::No, WriteBackChoice::CurrentItem},
        {platform::MsgResult::Cancel, WriteBackChoice::Cancel}};
    for (const auto& [answer, choice] : answers) {
        test::RecordingNotifier notifier;
        notifier.answers.enqueue(answer);
        EXPECT_EQ(warehouse::askWithBox(notifier, nullptr)(), choice);
        ASSERT_EQ(notifier.messages.size(), 1);
        EXPECT_EQ(notifier.last().title, "Confirmation");
        EXPECT_EQ(notifier.last().text,
                  "Update all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just "
                  "the current item.\r\nClick Cancel to do nothing.");
        EXPECT_EQ(notifier.last().buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(notifier.last().icon, platform::MsgIcon::None);
    }
}

}  // namespace
