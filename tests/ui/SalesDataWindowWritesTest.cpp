// The item card frmSalesData on copies of Demo.mdb (today 12/7/2026): the
// writes that keep the tables whole (adding, saving, a changed key, a second
// copy of the program), the Data menu and the actions of the other parts.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "SalesDataCard.h"
#include "support/HeldLock.h"
#include "support/QtTestMain.h"
#include "support/TestEnvironment.h"
#include "warehouse/runs/LogWindow.h"

using namespace tervalo;
using test::Card;
using test::kWhite;
using test::kYellow;
using test::MsgResult;
using test::yearsFrom;
using warehouse::CardAction;

namespace {

const QString kAnalyzeQuestion =
    "Analyze all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just the current "
    "item.\r\nClick Cancel to do nothing.";
const QString kUpdateQuestion =
    "Update all the items in this database?\r\n\r\nClick Yes to proceed.\r\n"
    "Click No to analyze just the current item.\r\nClick Cancel to do nothing.";
const QByteArray kHondaItem = "ItemID,H100\r\nItem,Honda\r\nUnitCost,15000\r\nTimeUnit,Month\r\n";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the user does: clicks the control of that name ("cmdFind", then 2 typed
// in the search), or "import" (of an Items file), "close", "week" (Week chosen, then Month), "Week" (Week chosen).
void userDoes(const Card& c, const QString& action) {
    QTemporaryDir folder;
    writeFile(folder.filePath("ITSH100.txt"), kHondaItem);
    if (auto* control = c.w->findChild<QWidget*>(action)) c.clickOn(control);
    if (action == "cmdFind")
        QTest::keyClicks(c.t.registry.existing(widgets::WindowId::FindItem)->findChild<QLineEdit*>("txtItemID"), "2");
    else if (action == "import")
        c.w->importFolder("TextFile", folder.path());
    else if (action == "close")
        c.w->close();
    else if (action == "week")
        c.chooseTimeUnit("Week"), c.chooseTimeUnit("Month");
    else if (action == "Week")
        c.chooseTimeUnit("Week");
}

}  // namespace

class SalesDataWindowWritesTest : public QObject {
    Q_OBJECT

private slots:
    // ---- writes that keep the tables whole

    void failedSaveStaysAdding() {
        Card c;
        c.act(CardAction::Add);
        c.f().txtItemID->setText("12");
        c.f().txtItem->setText("More umbrellas");
        c.act(CardAction::Save);
        QCOMPARE(c.t.notifier.texts(),
                 QStringList{"Item ID 12 is already used by another item. Please enter another Item ID."});
        QCOMPARE(c.t.notifier.last().title, "Error Message");
        QCOMPARE(c.position(), "13 of 13");
        QCOMPARE(c.colour(c.f().txtItemID), kYellow);
        QCOMPARE(c.t.rowCount("Items"), 12);
        c.f().txtItemID->setText("99");
        c.act(CardAction::Save);
        QCOMPARE(c.t.notifier.messages.size(), 1);
        QCOMPARE(c.colour(c.f().txtItemID), kWhite);
        QCOMPARE(c.t.rowCount("Items"), 13);
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = '99'").toString(), "More umbrellas");
        QCOMPARE(c.value("SELECT TimeUnit FROM Items WHERE ItemID = '99'").toString(), "Month");
    }

    void keyWithQuotesIsItself() {
        Card c;
        const QString key = "x' OR 'a'='a";
        c.act(CardAction::Add);
        c.f().txtItemID->setText(key);
        c.f().txtItem->setText("Quoted");
        c.act(CardAction::Save);
        QCOMPARE(c.f().txtItemID->text(), key);
        c.type(0, 1, "2025");
        c.type(0, 2, "3");
        c.go("first");  // the sales row is written with the key
        QCOMPARE(c.value("SELECT Jan FROM Sales WHERE ItemID = ?", {key}).toInt(), 3);
        c.w->locateItem(key, "");
        QCOMPARE(c.f().txtItem->text(), "Quoted");
        c.act(CardAction::Delete);
        QCOMPARE(c.t.rowCount("Items"), 12);
        QCOMPARE(c.t.rowCount("Sales"), 35);
        QVERIFY(c.t.notifier.texts() == QStringList{"You are deleting Item Quoted. Continue?"});
    }

    // A new row stores the box as shown; a ticked box reads back ticked.
    void singlePeriodIsStoredAsTheBoxShowsIt_data() {
        QTest::addColumn<QString>("steps");  // "add", or the moves to a stored item
        QTest::addColumn<bool>("tick");      // the box clicked
        QTest::addColumn<QString>("stored");
        QTest::newRow("new item, box left alone") << "add" << false << "0";
        QTest::newRow("new item, box ticked") << "add" << true << "1";
        QTest::newRow("(s,S) item ticked") << "" << true << "1";
        QTest::newRow("single-period item unticked") << "next,next" << true << "0";
    }
    void singlePeriodIsStoredAsTheBoxShowsIt() {
        QFETCH(QString, steps);
        QFETCH(bool, tick);
        Card c;
        QVERIFY(c.showActive());
        if (steps == "add") {
            c.act(CardAction::Add);
            c.typeInto(c.f().txtItemID, "N1");
            c.typeInto(c.f().txtItem, "Nails");
        } else {
            c.go(steps);
        }
        const QString key = c.f().txtItemID->text();
        if (tick) c.clickOn(c.f().chkSinglePeriod);
        c.clickOn(c.f().command1[int(CardAction::Save)]);
        QVERIFY(c.t.notifier.messages.isEmpty());
        QTEST(c.value("SELECT quote(SinglePeriod) FROM Items WHERE ItemID = ?", {key}).toString(), "stored");
        c.go("first");
        c.w->locateItem(key, "");
        QTEST(QString::number(int(c.f().chkSinglePeriod->isChecked())), "stored");
    }

    // Another copy of the program changed what the card shows: the card's save
    // is refused, the other copy's change stays and the card shows it.
    void secondCopyOfTheProgram_data() {
        QTest::addColumn<QString>("otherWrote");
        QTest::addColumn<QString>("edit");  // the card's unsaved change: a box, "grid", "new year"; or "delete"
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");  // item 1's name and unit cost, January and February 2026
        QTest::addColumn<QString>("shown");   // the card's name and first January afterwards
        // clang-format off
        QTest::newRow("item renamed there") << "UPDATE Items SET Item = 'Paper' WHERE ItemID = '1'" << "txtUnitCost"
            << "Item 1 was changed elsewhere after it was shown here, so your changes were not saved. It is now shown as stored."
            << "Paper/24.5/385/345" << "Paper/385";
        QTest::newRow("sales of the year changed there") << "UPDATE Sales SET Feb = 1 WHERE ItemID = '1' AND Year = 2026" << "grid"
            << "The sales of item 1 for 2026 were changed or deleted elsewhere after they were shown here, so your changes were not saved. They are now shown as stored."
            << "Copier Paper A4 (box)/24.5/385/1" << "Copier Paper A4 (box)/385";
        QTest::newRow("year added there") << "INSERT INTO Sales (ItemID, Year, Jan) VALUES ('1', 2021, 3)" << "new year"
            << "The sales of item 1 for 2021 were added elsewhere after this item's sales were shown here, so your changes were not saved. They are now shown as stored."
            << "Copier Paper A4 (box)/24.5/385/345" << "Copier Paper A4 (box)/385";
        QTest::newRow("item deleted there") << "DELETE FROM Items WHERE ItemID = '1'" << "new year"
            << "Item 1 was deleted elsewhere after it was shown here, so your changes were not saved."
            << "" << "Sunscreen Lotion/32";
        QTest::newRow("item renamed there, deleted here") << "UPDATE Items SET Item = 'Paper' WHERE ItemID = '1'" << "delete"
            << "Item 1 was changed elsewhere after it was shown here, so it was not deleted. It is now shown as stored."
            << "Paper/24.5/385/345" << "Paper/385";
        // clang-format on
    }
    void secondCopyOfTheProgram() {
        QFETCH(QString, edit);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        Card c;
        QVERIFY(c.showActive());
        if (edit == "grid") {
            c.type(0, 2, "5");
        } else if (edit == "new year") {
            c.f().grid->setFocus();
            c.type(5, 2, "5");
            c.type(5, 1, "2021");
        } else if (edit != "delete") {
            c.typeInto(c.w->findChild<QLineEdit*>(edit), "30");
        }
        data::Connection other;
        other.open(c.t.cnn.connectionString());
        QFETCH(QString, otherWrote);
        other.execute(otherWrote);
        c.clickOn(c.f().command1[int(edit == "delete" ? CardAction::Delete : CardAction::Save)]);
        QStringList told = {message};
        if (edit == "delete") told.prepend("You are deleting Item Copier Paper A4 (box). Continue?");
        QCOMPARE(c.t.notifier.texts(), told);
        QCOMPARE(c.value("SELECT Item || '/' || UnitCost || '/' || Jan || '/' || Feb FROM Items JOIN Sales USING "
                         "(ItemID) WHERE ItemID = '1' AND Year = 2026")
                     .toString(),
                 stored);
        QTEST(c.f().txtItem->text() + "/" + c.cell(0, 2), "shown");
        QCOMPARE(c.cell(0, 0), c.f().txtItemID->text());
        c.clickOn(c.f().command2[2]);  // nothing is left pending to be refused again
        QCOMPARE(c.t.notifier.texts(), told);
    }

    // A sales cell typed on the card stays with its item while it cannot be
    // written: no action shows another item over its rows, the reason is told
    // once, and when the database takes writes again Save stores it there.
    void pendingSalesStayWithTheirItem_data() {
        QTest::addColumn<QString>("action");  // the button clicked, or what the user does
        QTest::addColumn<bool>("locked");     // another copy holds the database; else the card may only read it
        QTest::newRow("next") << "Command2_2" << true;
        QTest::newRow("first") << "Command2_0" << true;
        QTest::newRow("find") << "cmdFind" << true;
        QTest::newRow("add") << "Command1_5" << true;
        QTest::newRow("delete") << "Command1_4" << true;
        QTest::newRow("close") << "close" << true;
        QTest::newRow("last, read-only") << "Command2_3" << false;
        QTest::newRow("import, read-only") << "import" << false;
        QTest::newRow("analysis, read-only") << "Command1_3" << false;
        QTest::newRow("week chosen, read-only") << "Week" << false;
    }
    void pendingSalesStayWithTheirItem() {
        QFETCH(QString, action);
        QFETCH(bool, locked);
        Card c;
        QVERIFY(c.showActive());
        c.clickOn(c.f().command2[2]);  // item 10
        c.f().grid->setFocus();
        c.type(0, 2, "5");  // its January of 2026
        data::Connection other;
        other.open(c.t.cnn.connectionString());
        c.t.cnn.execute(locked ? "PRAGMA busy_timeout = 0" : "PRAGMA query_only = 1");
        if (locked) other.execute("BEGIN EXCLUSIVE");
        userDoes(c, action);
        QStringList told = {locked ? "database is locked" : "attempt to write a readonly database"};
        if (action == "Command1_4") told.prepend("You are deleting Item Sunscreen Lotion. Continue?");
        QCOMPARE(c.t.notifier.texts(), told);
        QVERIFY(c.w->isVisible());
        QCOMPARE(c.position(), "2 of 12");
        QCOMPARE(c.f().txtItemID->text() + "/" + c.cell(0, 0) + "/" + c.cell(0, 2), "10/10/5");
        QCOMPARE(c.f().comboTimeUnit->currentText(), "Month");  // the unit of the rows shown
        if (locked)
            other.execute("ROLLBACK");
        else
            c.t.cnn.execute("PRAGMA query_only = 0");
        c.clickOn(c.f().command1[int(CardAction::Save)]);
        QCOMPARE(c.t.notifier.messages.size(), told.size());
        QCOMPARE(c.value("SELECT Jan FROM Sales WHERE ItemID = '10' AND Year = 2026").toInt(), 5);
        QCOMPARE(c.t.rowCount("Items"), 12);
    }

    // A sales row typed for an item goes into that item once it is stored,
    // under its stored key; never into the item that has the typed key (in
    // any letter case) while that key is refused. Item 12 is "UMB" here.
    void typedSalesGoToTheirItem_data() {
        QTest::addColumn<bool>("adding");     // a new item, else item UMB with the key box retyped
        QTest::addColumn<QString>("key");     // typed into the key box: another item's
        QTest::addColumn<QString>("action");  // a control clicked, or what the user does
        QTest::addColumn<QString>("told");    // "taken": the key is refused; "ask": Delete asks
        // clang-format off
        QTest::newRow("leaving the grid") << true << "UMB" << "txtItem" << "";
        QTest::newRow("leaving the grid, small letters") << true << "umb" << "txtItem" << "";
        QTest::newRow("save") << true << "UMB" << "Command1_0" << "taken";
        QTest::newRow("save, small letters") << true << "umb" << "Command1_0" << "taken";
        QTest::newRow("next") << true << "umb" << "Command2_2" << "taken";
        QTest::newRow("find") << true << "umb" << "cmdFind" << "taken";
        QTest::newRow("add") << true << "umb" << "Command1_5" << "taken";
        QTest::newRow("close") << true << "umb" << "close" << "taken";
        QTest::newRow("import") << true << "umb" << "import" << "taken";
        QTest::newRow("analysis") << true << "umb" << "Command1_3" << "taken";
        QTest::newRow("update") << true << "umb" << "Command1_6" << "taken";
        QTest::newRow("delete answered No") << true << "umb" << "Command1_4" << "ask";
        QTest::newRow("week chosen, then month") << true << "umb" << "week" << "";
        QTest::newRow("stored item, leaving the grid") << false << "10" << "txtItem" << "";
        // clang-format on
    }
    void typedSalesGoToTheirItem() {
        QFETCH(bool, adding);
        QFETCH(QString, key);
        QFETCH(QString, action);
        Card c({"UPDATE Items SET ItemID = 'UMB' WHERE ItemID = '12'",
                "UPDATE Sales SET ItemID = 'UMB' WHERE ItemID = '12'"});
        QVERIFY(c.showActive());
        if (adding)
            c.clickOn(c.f().command1[int(CardAction::Add)]);
        else
            c.go("last");
        const QString position = c.position();
        c.typeInto(c.f().txtItemID, key);
        if (adding) c.typeInto(c.f().txtItem, "More umbrellas");
        c.f().grid->setFocus();
        const int row = c.grid().rowCount() - 1;  // the empty row for a new year
        c.type(row, 1, "2021");
        c.type(row, 2, "5");
        if (action == "Command1_4") c.t.notifier.answers.enqueue(MsgResult::No);
        userDoes(c, action);
        QFETCH(QString, told);
        QStringList expected;
        if (told == "taken")
            expected << "Item ID " + key + " is already used by another item. Please enter another Item ID.";
        if (told == "ask") expected << "You are deleting Item More umbrellas. Continue?";
        QCOMPARE(c.t.notifier.texts(), expected);
        QCOMPARE(c.position() + "/" + c.cell(row, 1) + "/" + c.cell(row, 2), position + "/2021/5");
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = ?", {key}).toInt(), 5);
        c.typeInto(c.f().txtItemID, "U99");
        c.clickOn(c.f().command1[int(CardAction::Save)]);
        QCOMPARE(c.t.notifier.texts(), expected);
        QCOMPARE(c.value("SELECT Jan FROM Sales WHERE ItemID = 'U99' AND Year = 2021").toInt(), 5);
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = ?", {key}).toInt(), 5);
    }

    // A writer of this copy waits while another copy holds the write lock for
    // less than the busy time, then writes.
    void writersWaitTheirTurn_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("a new item saved") << int(CardAction::Save);
        QTest::newRow("an import of an item and a year") << int(CardAction::Import);
        QTest::newRow("the analysis of all items") << int(CardAction::Analysis);
    }
    void writersWaitTheirTurn() {
        QFETCH(int, action);
        Card c;
        QVERIFY(c.showActive());
        QTemporaryDir folder;
        writeFile(folder.filePath("ITSH100.txt"), kHondaItem);
        writeFile(folder.filePath("SM1.txt"), "ItemID,1\r\nYear,2026\r\nFeb,12\r\n");
        if (action == int(CardAction::Save)) {
            c.act(CardAction::Add);
            c.typeInto(c.f().txtItemID, "H100");
            c.typeInto(c.f().txtItem, "Honda");
        }
        {
            test::HeldLock held(c.t.cnn.connectionString(), 300);
            if (action == int(CardAction::Import))
                c.w->importFolder("TextFile", folder.path());
            else
                c.clickOn(c.f().command1[action]);
            QTRY_VERIFY_WITH_TIMEOUT(c.f().command1[int(CardAction::Save)]->isEnabled(), 20000);
        }
        QVERIFY(!c.t.notifier.texts().join('/').contains("locked"));
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = 'H100'").toString(),
                 action == int(CardAction::Analysis) ? "" : "Honda");
        if (auto* log = qobject_cast<warehouse::LogWindow*>(c.t.registry.existing(widgets::WindowId::Log))) {
            QVERIFY2(!log->text().contains("locked"), qPrintable(log->text()));
            c.t.registry.unload(widgets::WindowId::Log);
        }
        c.t.registry.unload(widgets::WindowId::SinglePeriodC);
    }

    void pendingGridEditsAreKept_data() {
        QTest::addColumn<QString>("steps");  // item, then how the grid is left
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::newRow("monthly, Next") << "" << 3 << "Sales"
                                       << "1";
        QTest::newRow("weekly, first week emptied, Next") << "next,next" << 2 << "SalesWeekly"
                                                          << "11";
        QTest::newRow("weekly, Previous") << "next,next" << 20 << "SalesWeekly"
                                          << "11";
        QTest::newRow("monthly, Week chosen") << "" << 13 << "Sales"
                                              << "1";
    }
    void pendingGridEditsAreKept() {
        QFETCH(QString, steps);
        QFETCH(int, column);
        QFETCH(QString, table);
        QFETCH(QString, key);
        Card c;
        c.go(steps);
        const QString typed = column == 2 ? "" : "777";
        c.type(0, column, typed);
        if (QByteArray(QTest::currentDataTag()).endsWith("chosen"))
            c.chooseTimeUnit("Week");
        else
            c.go(steps.isEmpty() ? "next" : "prev");
        QSqlQuery q = c.t.cnn.run("SELECT * FROM " + table + " WHERE ItemID = ? AND Year = 2026", {key});
        QVERIFY(q.next());
        QCOMPARE(q.value(column).isNull() ? QString() : q.value(column).toString(), typed);
        QVERIFY(c.t.notifier.messages.isEmpty());
    }

    void openingKeepsTheStoredTimeUnit() {
        Card c({"UPDATE Items SET TimeUnit = 'Week' WHERE ItemID = '1'"});
        QCOMPARE(c.f().comboTimeUnit->currentText(), "Week");
        QCOMPARE(c.grid().columnCount(), 54);
        QTest::keyClick(c.f().comboTimeUnit, Qt::Key_M);  // the list takes no typing
        QCOMPARE(c.f().comboTimeUnit->currentText(), "Week");
        QCOMPARE(c.t.notifier.texts(), QStringList{"Select one from drop down list"});
        QCOMPARE(c.t.notifier.last().title, "Select from list");
        c.chooseTimeUnit("Month");
        QCOMPARE(c.grid().columnCount(), 14);
        QCOMPARE(c.f().lblTimeUnit[0]->text(), "Month");
        c.chooseTimeUnit("Week");
        c.go("next");
        QCOMPARE(c.value("SELECT TimeUnit FROM Items WHERE ItemID = '1'").toString(), "Week");
        QCOMPARE(c.colour(c.f().txtItemID), kWhite);
    }

    void changedKeyTakesItsSalesAlong() {
        Card c;
        QVERIFY(c.showActive());
        c.go("next,next,next");
        c.f().txtItemID->setFocus();
        c.f().txtItemID->selectAll();
        QTest::keyClicks(c.f().txtItemID, "U12");
        QCOMPARE(c.years(), QStringList());  // the typed key's rows: none yet
        c.f().txtItem->setFocus();           // leaving the key box re-keys nothing
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = 'U12'").toInt(), 0);
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = '12'").toInt(), 5);
        c.act(CardAction::Save);
        QVERIFY(c.t.notifier.messages.isEmpty());
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = 'U12'").toInt(), 5);
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE ItemID = '12'").toInt(), 0);
        QCOMPARE(c.f().txtItemID->text(), "U12");
        QCOMPARE(c.years(), yearsFrom(2026));
    }

    // ---- the Data menu and the actions of the other parts

    // The Data menu's Import and Analyze reach the card's own commands.
    void menuDrivesTheCard_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("dataSourceShown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("import") << 1 << true << QStringList();
        QTest::newRow("analyze") << 2 << false << QStringList{kAnalyzeQuestion};
        QTest::newRow("none") << 3 << false << QStringList();
    }
    void menuDrivesTheCard() {
        QFETCH(int, which);
        Card c;
        c.t.notifier.answers.enqueue(MsgResult::Cancel);
        QCOMPARE(c.menus.switches, QList<bool>{true});
        c.w->actionViaMenu(false, which == 1, which == 2);
        QTEST(c.t.notifier.texts(), "messages");
        QWidget* dialog = c.t.registry.existing(widgets::WindowId::DataSource);
        QTEST(dialog && dialog->isVisible(), "dataSourceShown");
        QVERIFY(!c.t.registry.existing(widgets::WindowId::FindItem));
        c.t.registry.unload(widgets::WindowId::DataSource);
        c.w->close();
        QCOMPARE(c.menus.switches, (QList<bool>{true, false}));
    }

    void actionButtons() {
        Card c;
        QCOMPARE(c.w->windowTitle(), "Sales Data");
        const QStringList captions = {"&Save", "&Cancel", "&Import Data", "A&nalysis", "&Delete", "&Add", "&Update"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(c.f().command1[i]->text(), captions[i]);
        QCOMPARE(c.f().command1[3]->toolTip(),
                 "Ananlyz data in this database to estimate reorder point and order quantity.");
    }

    // Analysis and Update run on a worker thread with the card's actions off,
    // then stand the card on the last item (all items) or where it was; the
    // log window shows what they did.
    void runsFromTheCard_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QList<int>>("answers");  // MsgResult, in order
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("logEnd");
        const int yes = int(MsgResult::Yes), cancel = int(MsgResult::Cancel);
        QTest::newRow("analysis, cancel")
            << int(CardAction::Analysis) << QList<int>{cancel} << kAnalyzeQuestion << "3 of 12"
            << "Canceled";
        QTest::newRow("analysis, all items")
            << int(CardAction::Analysis) << QList<int>{yes} << kAnalyzeQuestion << "12 of 12"
            << "";
        const int ok = int(MsgResult::Ok);  // "Connection successfull!" as the settings window closes
        QTest::newRow("update, cancel") << int(CardAction::Update) << QList<int>{ok, cancel} << kUpdateQuestion
                                        << "3 of 12"
                                        << "Canceled";
        QTest::newRow("update, all items")
            << int(CardAction::Update) << QList<int>{yes} << kUpdateQuestion << "12 of 12"
            << "Update completed.\r\n";
    }
    void runsFromTheCard() {
        QFETCH(int, action);
        QFETCH(QList<int>, answers);
        Card c;
        // The write-back's default target, NWRetail.mdb in the program's folder: a copy.
        QTemporaryDir programDir;
        QVERIFY(QFile::copy(test::databaseDir() + "/NWRetail.mdb", programDir.filePath("NWRetail.mdb")));
        c.t.ctx.programDir = programDir.path();
        for (int answer : answers)
            c.t.notifier.answers.enqueue(MsgResult(answer));
        c.go("next,next");
        // The settings window is modal: it closes as soon as it is up.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->close();
        });
        closer.start(20);
        c.act(CardAction(action));
        QTRY_VERIFY_WITH_TIMEOUT(c.f().command1[int(CardAction::Save)]->isEnabled(), 20000);
        QFETCH(QString, position);
        QFETCH(QString, question);
        QTRY_COMPARE(c.position(), position);
        const int asked = int(c.t.notifier.texts().indexOf(question));
        QVERIFY(asked >= 0);
        QCOMPARE(c.t.notifier.messages[asked].defaultButton, MsgResult::Cancel);
        auto* log = qobject_cast<warehouse::LogWindow*>(c.t.registry.existing(widgets::WindowId::Log));
        QVERIFY(log);
        QFETCH(QString, logEnd);
        QVERIFY2(log->text().endsWith(logEnd), qPrintable(QString(log->text()).replace("\r\n", "/")));
        c.t.registry.unload(widgets::WindowId::Log);
        c.t.registry.unload(widgets::WindowId::SinglePeriodC);
    }

    // The import runs when the data source dialog closes with Yes; the card
    // saves what it holds unsaved, then reads its items again and stands on
    // the first.
    void importFromTheCard_data() {
        QTest::addColumn<bool>("adding");    // a new item N1 being added, else the last item
        QTest::addColumn<QString>("typed");  // into the name box, unsaved
        QTest::addColumn<QString>("week");   // typed, unsaved, in item 9's first week of 2026; the import writes W2
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("position");
        // clang-format off
        QTest::newRow("nothing unsaved") << false << "" << "" << "9" << "1 of 13";
        QTest::newRow("a name typed") << false << "Skis, long" << "" << "9" << "1 of 13";
        QTest::newRow("a new item") << true << "Nails" << "" << "N1" << "1 of 14";
        QTest::newRow("a week typed") << false << "" << "777" << "9" << "1 of 13";
        // clang-format on
    }
    void importFromTheCard() {
        QFETCH(bool, adding);
        QFETCH(QString, typed);
        QFETCH(QString, week);
        QFETCH(QString, key);
        Card c;
        QVERIFY(c.showActive());
        QTemporaryDir folder;
        writeFile(folder.filePath("ITSH100.txt"), kHondaItem);
        if (!week.isEmpty()) writeFile(folder.filePath("SW9.txt"), "ItemID,9\r\nYear,2026\r\nW2,12\r\n");
        c.go("last");
        const QString name = c.f().txtItem->text();
        if (adding) {
            c.act(CardAction::Add);
            c.typeInto(c.f().txtItemID, key);
        }
        if (!typed.isEmpty()) c.typeInto(c.f().txtItem, typed);
        if (!week.isEmpty()) c.type(0, 2, week);
        c.w->importFolder("TextFile", folder.path());
        QCOMPARE(c.t.notifier.texts(), QStringList());
        if (!week.isEmpty())
            QCOMPARE(c.value("SELECT W1 || '/' || W2 FROM SalesWeekly WHERE ItemID = '9' AND Year = 2026").toString(),
                     week + "/12");
        QTEST(c.position(), "position");
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = 'H100'").toString(), "Honda");
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = ?", {key}).toString(), typed.isEmpty() ? name : typed);
        QCOMPARE(c.colour(c.f().txtItemID), kWhite);
        auto* log = qobject_cast<warehouse::LogWindow*>(c.t.registry.existing(widgets::WindowId::Log));
        QVERIFY(log && log->isVisible());
        const QString records =
            week.isEmpty() ? "1 (Items 1, Sales 0, SalesWeekly 0)" : "2 (Items 1, Sales 0, SalesWeekly 1)";
        QVERIFY2(log->text().contains("Records stored: " + records), qPrintable(log->text()));
        c.t.registry.unload(widgets::WindowId::Log);
    }
};

TERVALO_QTEST_MAIN(SalesDataWindowWritesTest)
#include "SalesDataWindowWritesTest.moc"
