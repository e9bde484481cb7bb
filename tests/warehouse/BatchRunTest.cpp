// The batch analysis over a warehouse: all items on the worker thread and the
// card's item through the single-period window, with the log, the items'
// figures and the s_S rows each leaves; the confirmation; messages of the
// model during a run; Cancel, failed writes and a closed database, which
// leave the warehouse as it was; and the windows staying responsive.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "core/NumberText.h"
#include "import/ImportService.h"
#include "jobs/ItemAnalysis.h"
#include "jobs/JobRunner.h"
#include "warehouse/WarehouseTestSupport.h"

using namespace tervalo;
using platform::MsgResult;
using test::ItemSpec;
using test::Warehouse;

namespace {

const QString kTreeLog = QStringLiteral(
    "Christmas Tree (ID: TREE)\r\nSingle Period, Time Unit: Month\r\nUnit Cost: 6\r\nHolding Cost: 0.5\r\n"
    "Shortage Cost: 20\r\nResult:\r\n\tOrder  841 at the begining of the period.\r\n");
const QString kCarLog = QStringLiteral(
    "Cars (ID: CAR)\r\ns-S Poclicy, Time Unit: Month\r\nOrder/Setup Cost: 5000\r\nUnit Cost: 14000\r\n"
    "Holding Cost: 60\r\nShortage Cost: 16000\r\nResult:\r\n\tOrder  78 at the begining of the period.\r\n"
    "When onhand quantity is below  74 then place order to replensh inventoey to  78.\r\n");
const QString kSkiLog =
    QStringLiteral("Skis (ID: SKI)\r\nOrder Cost is null. Enter this cost and revisit the data later.\r\n");
const QString kCheckCosts = QStringLiteral(
    "Shortage cost cannnot be less than price, which is nonsensical because it means that cost of purchasing the "
    "item is higher than the penalty for not providing it.");
const QString kNoResult =
    QStringLiteral("Error occured during calculation, so no result was obtained. Revisit this data later.\r\n");

enum class Way { AllItems, CurrentItem };
void PrintTo(Way w, std::ostream* os) { *os << (w == Way::AllItems ? "all items" : "the current item"); }

// ---- worked examples, both ways ------------------------------------------------------

struct ExampleCase {
    const char* name;
    ItemSpec item;
    QList<QVariant> sales;
    bool weekly;
    QString log;
    QString figures;  // OrderQty/ReorderPoint
    QString ssRow;
};
void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

class WorkedExampleTest : public ::testing::TestWithParam<std::tuple<ExampleCase, Way>> {};

TEST_P(WorkedExampleTest, LogsWritesTheFiguresAndSavesOneRow) {
    const auto& [c, run] = GetParam();
    Warehouse w;
    w.addItem(c.item);
    w.addSales(c.item.id, 2026, c.sales, c.weekly);
    // Rows of the other table are not the item's history.
    w.addSales(c.item.id, 2025, {1, 99999}, !c.weekly);
    const warehouse::BatchOutcome outcome = run == Way::AllItems ? w.runAll() : w.runCurrent(c.item.id.toString());
    EXPECT_EQ(w.logText(), c.log);
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(w.field(c.item.id.toString(), "OrderQty") + "/" + w.field(c.item.id.toString(), "ReorderPoint"),
              c.figures);
    EXPECT_EQ(w.ssRows(), QStringList{c.ssRow});
    EXPECT_TRUE(w.t.notifier.messages.isEmpty());
    if (run == Way::AllItems) {
        EXPECT_EQ(outcome.endOnItem, c.item.id);
        EXPECT_FALSE(w.t.registry.existing(widgets::WindowId::SinglePeriodC));
    } else {
        // The model window stays on screen with the item's calculation.
        QWidget* model = w.t.registry.existing(widgets::WindowId::SinglePeriodC);
        ASSERT_TRUE(model);
        EXPECT_TRUE(model->isVisible());
        EXPECT_EQ(model->findChild<QLineEdit*>("txtS2")->text(), c.ssRow.section('|', 2, 2));
        EXPECT_FALSE(outcome.endOnItem);
    }
}

ItemSpec weeklyTree() {
    ItemSpec tree = test::kTree;
    tree.timeUnit = "Week";
    return tree;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedExampleTest,
    ::testing::Combine(::testing::Values(ExampleCase{"ChristmasTree", test::kTree, test::kTreeSales, false, kTreeLog,
                                                     "841.0/null", "Christmas Tree|7| 841|"},
                                         ExampleCase{"Cars", test::kCar, test::kCarSales, false, kCarLog, "4.0/74.0",
                                                     "Cars|10| 78| 74"},
                                         ExampleCase{"WeeklyChristmasTree", weeklyTree(), test::kTreeSales, true,
                                                     QString(kTreeLog).replace("Month", "Week"), "841.0/null",
                                                     "Christmas Tree|7| 841|"}),
                       ::testing::Values(Way::AllItems, Way::CurrentItem)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Way::AllItems ? "AllItems" : "CurrentItem");
    });

// ---- all items ------------------------------------------------------------------------

TEST(BatchRunTest, AllItemsLogEveryItemAndEndOnTheLast) {
    Warehouse w;
    for (const ItemSpec& item : {test::kTree, test::kCar, test::kSkiWithoutOrderCost})
        w.addItem(item);
    w.addSales("TREE", 2026, test::kTreeSales);
    w.addSales("CAR", 2026, test::kCarSales);
    w.addSales("SKI", 2026, test::kCarSales);
    QSignalSpy progress(&w.batch.runner(), &jobs::JobRunner::progressChanged);
    const warehouse::BatchOutcome outcome = w.runAll();
    EXPECT_EQ(w.logText(), kCarLog + "\r\n" + kSkiLog + "\r\n" + kTreeLog);
    EXPECT_EQ(w.log()->textBox()->toPlainText(), QString(w.logText()).replace("\r\n", "\n"));
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(outcome.endOnItem, QVariant("TREE"));
    EXPECT_EQ(w.itemsTable(), "CAR=4.0/74.0,SKI=null/null,TREE=841.0/null");
    EXPECT_EQ(w.ssRows(), (QStringList{"Cars|10| 78| 74", "Christmas Tree|7| 841|"}));
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), (QList<QVariant>{3, 3}));
    EXPECT_FALSE(w.log()->showsProgress());
}

// ---- the shipped data ----------------------------------------------------------------

struct ShippedCase {
    const char* name;
    const char* file;
    const char* samples;  // the kind of the shipped samples imported first, "" for none
    int items;
    bool figuresAsShipped;  // the items' OrderQty and ReorderPoint are the ones the run computes
};

class ShippedDataTest : public ::testing::TestWithParam<ShippedCase> {};

// Every item of the shipped databases, with and without the imported samples,
// gets a policy with no message box: the costs pass the model's checks.
TEST_P(ShippedDataTest, EveryItemGetsAResultWithoutABox) {
    const ShippedCase& c = GetParam();
    Warehouse w(c.file);
    if (*c.samples) {
        const auto imported =
            import::ImportService::importFolder(w.t.cnn, c.samples, test::databaseDir(), QDate(2026, 12, 7));
        ASSERT_EQ(imported.status, import::ImportStatus::Stored) << imported.log.toStdString();
    }
    const QString shipped = w.itemsTable();
    ASSERT_EQ(w.column("SELECT count(*) FROM Items"), QStringList{QString::number(c.items)});
    EXPECT_TRUE(w.runAll().saved);
    EXPECT_EQ(w.t.notifier.texts(), QStringList());
    EXPECT_EQ(w.logText().count("Result:\r\n\tOrder "), c.items) << w.logText().toStdString();
    EXPECT_EQ(w.ssRows().size(), c.items);
    EXPECT_EQ(w.column("SELECT ItemID FROM Items WHERE NOT OrderQty > 0 OR ReorderPoint < 0"), QStringList());
    if (c.figuresAsShipped) {
        EXPECT_EQ(w.itemsTable(), shipped);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedDataTest,
                         ::testing::Values(ShippedCase{"Demo", "Demo.mdb", "", 12, true},
                                           ShippedCase{"dbWHouse", "dbWHouse.mdb", "", 3, false},
                                           ShippedCase{"DemoWithTextSamples", "Demo.mdb", "TextFile", 14, false},
                                           ShippedCase{"dbWHouseWithWorkbooks", "dbWHouse.mdb", "ExcelFile", 5, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A calculation's own message is shown once, over the log, and the item gets
// the failure line; the run goes on.
TEST(BatchRunTest, ACheckOfTheModelShowsItsOwnMessageOnce) {
    for (Way run : {Way::AllItems, Way::CurrentItem}) {
        Warehouse w;
        w.addItem({"PRICEY", "Pricey", 30, 1, 20, QVariant(), 1});
        w.addSales("PRICEY", 2026, test::kTreeSales);
        run == Way::AllItems ? w.runAll() : w.runCurrent("PRICEY");
        ASSERT_EQ(w.t.notifier.texts(), QStringList{kCheckCosts});
        EXPECT_EQ(w.t.notifier.last().title, "Check costs");
        EXPECT_TRUE(w.logText().endsWith("Result:\r\n" + kNoResult)) << w.logText().toStdString();
        EXPECT_EQ(w.field("PRICEY", "OrderQty"), "null");
        EXPECT_TRUE(w.ssRows().isEmpty());
    }
}

// ---- the confirmation ------------------------------------------------------------------

struct CommandCase {
    const char* name;
    bool currentRow;
    int itemCount;
    QList<MsgResult> answers;
    QStringList messages;  // the boxes' titles
    QString log;           // "(no log window)" when none opened
    bool ran;              // the command's end was told
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class CommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandTest, AsksAllTheCurrentItemOrNothing) {
    const CommandCase& c = GetParam();
    Warehouse w;
    w.addItem(test::kTree);
    w.addItem(test::kCar);
    w.addSales("TREE", 2026, test::kTreeSales);
    w.addSales("CAR", 2026, test::kCarSales);
    for (MsgResult answer : c.answers)
        w.t.notifier.answers.enqueue(answer);
    const auto current = data::BatchRepository(w.t.cnn).item("TREE");
    bool ended = false;
    w.batch.command(c.currentRow ? current : std::nullopt, c.itemCount,
                    [&ended](const warehouse::BatchOutcome&) { ended = true; });
    EXPECT_EQ(QTest::qWaitFor([&] { return ended; }, c.ran ? 20000 : 50), c.ran);
    QStringList titles;
    for (const auto& m : w.t.notifier.messages)
        titles << m.title;
    EXPECT_EQ(titles, c.messages);
    if (c.messages == QStringList{"Confirmation"}) {
        EXPECT_EQ(w.t.notifier.messages[0].text,
                  "Analyze all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just "
                  "the current item.\r\nClick Cancel to do nothing.");
        EXPECT_EQ(w.t.notifier.messages[0].buttons, platform::MsgButtons::YesNoCancel);
    }
    EXPECT_EQ(w.logText(), c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CommandTest,
    ::testing::Values(CommandCase{"NoCurrentRow", false, 2, {}, {}, "(no log window)", false},
                      CommandCase{"NoItems", true, 0, {}, {"No data available"}, "(no log window)", true},
                      CommandCase{"Cancel", true, 2, {MsgResult::Cancel}, {"Confirmation"}, "Canceled", true},
                      CommandCase{
                          "Yes", true, 2, {MsgResult::Yes}, {"Confirmation"}, kCarLog + "\r\n" + kTreeLog, true},
                      CommandCase{"No", true, 2, {MsgResult::No}, {"Confirmation"}, kTreeLog, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- nothing saved -----------------------------------------------------------------------

struct FailureCase {
    const char* name;
    QString setUp;  // SQL run on the warehouse before the run
    bool cancelAtMessage;
    bool closeDatabase;
    QString log;  // the log's end
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class NothingSavedTest : public ::testing::TestWithParam<FailureCase> {};

// CAR is written, then PRICEY's check shows its box; a fault or Cancel on the
// way back leaves Items and s_S as they were, and a GUI timer keeps firing.
TEST_P(NothingSavedTest, LeavesTheWarehouseAsItWas) {
    const FailureCase& c = GetParam();
    Warehouse w;
    w.addItem(test::kCar);
    w.addItem({"PRICEY", "Pricey", 30, 1, 20, QVariant(), 1});
    w.addItem(test::kTree);
    for (const char* id : {"CAR", "PRICEY", "TREE"})
        w.addSales(id, 2026, test::kCarSales);
    if (!c.setUp.isEmpty()) w.t.cnn.execute(c.setUp);
    if (c.cancelAtMessage) {
        w.t.notifier.onShow = [&w](const test::RecordedMessage&) {
            w.log()->findChild<QPushButton*>("cmdCancel")->click();
        };
    }
    const QString before = w.itemsTable();
    if (c.closeDatabase) w.t.cnn.close();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(0);
    const warehouse::BatchOutcome outcome = w.runAll();
    EXPECT_TRUE(w.logText().endsWith(c.log)) << w.logText().toStdString();
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(outcome.endOnItem);
    if (c.closeDatabase) w.t.cnn.open(w.t.cnn.connectionString());
    EXPECT_EQ(w.itemsTable(), before);
    EXPECT_TRUE(w.ssRows().isEmpty());
    EXPECT_GT(ticks, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NothingSavedTest,
    ::testing::Values(
        FailureCase{"CancelMidRun", "", true, false,
                    "Pricey (ID: PRICEY)\r\nSingle Period, Time Unit: Month\r\nUnit Cost: 30\r\nHolding Cost: "
                    "1\r\nShortage Cost: 20\r\nResult:\r\n" +
                        kNoResult + "\r\nCanceled\r\nNothing was saved.\r\n"},
        FailureCase{"ReadOnlyItems",
                    "CREATE TRIGGER ro BEFORE UPDATE ON Items BEGIN SELECT RAISE(ABORT, 'attempt to write a "
                    "readonly database'); END",
                    false, false,
                    kCarLog + "Error: attempt to write a readonly database\r\n\r\nNothing was saved.\r\n"},
        FailureCase{"ReadOnlyResults",
                    "CREATE TRIGGER ro BEFORE INSERT ON s_S BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly "
                    "database'); END",
                    false, false,
                    QString(kCarLog).section("Result:", 0, 0) +
                        "Error: attempt to write a readonly database\r\n\r\nNothing was saved.\r\n"},
        FailureCase{"ClosedDatabase", "", false, true,
                    "Error: Operation is not allowed when the object is closed.\r\nNothing was saved.\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- responsive ---------------------------------------------------------------------------

TEST(BatchRunTest, TheWindowsKeepWorkingWhileManyItemsRun) {
    Warehouse w;
    constexpr int kItems = 400;
    w.t.cnn.execute("BEGIN");
    for (int i = 0; i < kItems; ++i) {
        const QString id = QString("I%1").arg(i, 4, 10, QChar('0'));
        w.addItem({id, "Item " + id, 14000, 60, 16000, 5000, 0});
        for (int year = 2022; year <= 2026; ++year)
            w.addSales(id, year, test::kCarSales);
    }
    w.t.cnn.execute("COMMIT");
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(0);
    std::optional<warehouse::BatchOutcome> outcome;
    w.batch.startAll([&outcome](const warehouse::BatchOutcome& o) { outcome = o; });
    EXPECT_TRUE(w.batch.running());
    EXPECT_TRUE(w.log()->showsProgress());
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 60000));
    EXPECT_GT(ticks, 0);
    EXPECT_FALSE(w.batch.running());
    EXPECT_EQ(w.logText().count("Order/Setup Cost: 5000\r\n"), kItems);
    EXPECT_EQ(outcome->endOnItem, QVariant("I0399"));
    EXPECT_EQ(w.ssRows().size(), kItems);
    EXPECT_EQ(w.field("I0123", "OrderQty"), "4.0");
}

// ---- many items on the worker threads ---------------------------------------------------

// What the items give analysed one after the other on the card's path (the
// cells read as values, the model run item by item): the log, the s_S rows
// (ItemName|ModelID|OrderQty|ReorderPoint|LDemand|UDemand|SetupCost), the
// boxes and the figures (ItemID=OrderQty/ReorderPoint).
struct OneAfterAnother {
    QString log;
    QStringList rows, boxes, figures;
};

OneAfterAnother oneAfterAnother(Warehouse& w) {
    OneAfterAnother out;
    data::BatchRepository repository(w.t.cnn);
    for (const data::WarehouseItem& item : repository.items()) {
        std::vector<data::SalesYear> years;
        jobs::ItemAnalysisContext context;
        context.sales = [&](data::SalesTable table) -> const std::vector<data::SalesYear>& {
            return years = repository.salesOf(item.itemId.toString(), table, jobs::kYearsAnalysed);
        };
        context.runModel = [&](const jobs::ModelRequest& r) {
            const auto run = r.singlePeriod ? w.calculator.runSingleP_unif(r.singlePeriodTexts, w.t.clock.today())
                                            : w.calculator.runSS_unif(r.ssTexts, w.t.clock.today());
            for (const core::CheckMessage& m : run.messages)
                out.boxes << QString::fromStdString(m.text);
            if (const auto& row = run.row) {
                out.rows << QStringList{row->itemName,
                                        QString::number(row->modelId),
                                        row->orderQty,
                                        row->reorderPoint.value_or(""),
                                        row->lDemand.value_or(""),
                                        row->uDemand.value_or(""),
                                        row->setupCost.value_or("")}
                                .join('|');
            }
            return run.result;
        };
        QString lines;
        if (const auto figures = jobs::analyzeItem(item, context, lines)) {
            out.figures << item.itemId.toString() + "=" + QString::number(figures->orderQty, 'g', 15) + "/" +
                               (figures->reorderPoint ? QString::number(*figures->reorderPoint, 'g', 15) : "null");
        }
        out.log += (out.log.isEmpty() ? QString() : "\r\n") + lines;
    }
    return out;
}

// 600 items in several chunks: weekly and monthly, one to seven years (a Null
// year among them), text and real cells, no sales, no name, no order cost, a
// check's box; the run gives what they give one after the other.
TEST(BatchRunTest, ManyItemsGiveWhatTheyGiveOneAfterAnother) {
    Warehouse w;
    w.t.cnn.execute(
        "INSERT INTO Items (ItemID, Item, UnitCost, TimeUnit, HoldingCost, ShortageCost, SinglePeriod, OrderCost) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
        "SELECT printf('K%04d', i), CASE WHEN i % 101 = 0 THEN NULL ELSE 'Item ' || i END, 10 + i % 50, "
        "CASE WHEN i % 5 = 0 THEN 'Week' ELSE 'Month' END, 0.5 + i % 3, CASE WHEN i % 97 = 0 THEN 5 ELSE 60 + i % 40 "
        "END, i % 3 = 0, CASE WHEN i % 7 = 0 THEN NULL ELSE 25 + i % 10 END FROM n");
    for (const char* table :
         {"Sales (ItemID, Year, Jan, Feb, Mar, Dec)", "SalesWeekly (ItemID, Year, W1, W2, W3, W52)"}) {
        w.t.cnn.execute(QString("INSERT INTO %1 WITH RECURSIVE y(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM y WHERE k "
                                "< 6) SELECT ItemID, CASE WHEN rowid % 19 = 0 AND k = 0 THEN NULL ELSE 2020 + k END, "
                                "50 + (rowid * 7 + k * 13) % 40, CASE WHEN rowid % 11 = 0 THEN 'abc' ELSE 40 + (rowid "
                                "+ k) % 30 END, CASE WHEN rowid % 17 = 0 THEN 0.5 + k END, CASE WHEN rowid % 29 = 0 "
                                "THEN '' ELSE 90 + k END FROM Items, y WHERE k <= rowid % 7 AND rowid % 23 != 0")
                            .arg(table));
    }
    const OneAfterAnother expected = oneAfterAnother(w);
    ASSERT_TRUE(w.runAll().saved);
    EXPECT_EQ(w.logText(), expected.log);
    EXPECT_EQ(w.t.notifier.texts(), expected.boxes);
    EXPECT_EQ(
        w.column("SELECT ItemName || '|' || ModelID || '|' || OrderQty || '|' || ifnull(ReorderPoint, '') || "
                 "'|' || LDemand || '|' || UDemand || '|' || ifnull(SetupCost, '') FROM s_S WHERE LogID > (SELECT "
                 "max(LogID) FROM s_S) - ? ORDER BY LogID",
                 {expected.rows.size()}),
        expected.rows);
    QStringList figures;
    QSqlQuery q =
        w.t.cnn.run("SELECT ItemID, OrderQty, ReorderPoint FROM Items WHERE OrderQty IS NOT NULL ORDER BY ItemID");
    while (q.next())
        figures << q.value(0).toString() + "=" + QString::number(q.value(1).toDouble(), 'g', 15) + "/" +
                       (q.value(2).isNull() ? "null" : QString::number(q.value(2).toDouble(), 'g', 15));
    EXPECT_EQ(figures, expected.figures);
    // Each kind of item is there.
    EXPECT_GT(expected.boxes.size(), 3);
    for (const QString& line : {QString("No sales data available"), QString("Order Cost is null"), kNoResult})
        EXPECT_TRUE(expected.log.contains(line)) << line.toStdString();
}

}  // namespace
