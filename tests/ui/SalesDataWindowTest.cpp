// The item card frmSalesData and the search frmFindItem on copies of Demo.mdb
// (today 12/7/2026): moving through the items and their sales, the entry
// checks, the grid's cell and row checks, and the search. The writes, the Data
// menu and the runs are in SalesDataWindowWritesTest.cpp.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "SalesDataCard.h"
#include "support/QtTestMain.h"
#include "warehouse/card/FindItemWindow.h"

using namespace tervalo;
using test::Card;
using test::kWhite;
using test::kYellow;
using test::MsgButtons;
using test::MsgIcon;
using test::MsgResult;
using test::yearsFrom;
using warehouse::CardAction;

namespace {

const QStringList kThreeItems = {"DELETE FROM Items",
                                 "INSERT INTO Items (ItemID, Item, TimeUnit) VALUES "
                                 "('A1', 'Bravo', 'Month'), ('AB2', 'Alpha', 'Month'), "
                                 "('B1', 'Beta', 'Month')"};

}  // namespace

class SalesDataWindowTest : public QObject {
    Q_OBJECT

private slots:
    // ---- moving through the items and their sales

    void navigation_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("columns");
        QTest::newRow("opened") << ""
                                << "1 of 12"
                                << "1"
                                << "Month" << 14;
        QTest::newRow("third, a weekly item") << "next,next"
                                              << "3 of 12"
                                              << "11"
                                              << "Week" << 54;
        QTest::newRow("next on the last") << "last,next"
                                          << "12 of 12"
                                          << "9"
                                          << "Week" << 54;
        QTest::newRow("previous on the first") << "prev"
                                               << "1 of 12"
                                               << "1"
                                               << "Month" << 14;
        QTest::newRow("back to the first") << "last,prev,first"
                                           << "1 of 12"
                                           << "1"
                                           << "Month" << 14;
        QTest::newRow("fourth") << "next,next,next"
                                << "4 of 12"
                                << "12"
                                << "Month" << 14;
    }
    void navigation() {
        QFETCH(QString, steps);
        Card c;
        c.go(steps);
        QTEST(c.position(), "position");
        QTEST(c.f().txtItemID->text(), "key");
        QTEST(c.f().comboTimeUnit->currentText(), "unit");
        QTEST(c.f().lblTimeUnit[2]->text(), "unit");
        QTEST(c.grid().columnCount(), "columns");
        QCOMPARE(c.years(), yearsFrom(2026));
        QCOMPARE(c.cell(0, 0), c.f().txtItemID->text());
        QVERIFY(c.t.notifier.messages.isEmpty());
    }

    // Rows that cannot be read leave the grid empty: it never shows the
    // previous item's rows under the item shown.
    void unreadableSalesLeaveTheGridEmpty() {
        Card c;
        data::Connection other;
        other.open(c.t.cnn.connectionString());
        c.t.cnn.execute("PRAGMA busy_timeout = 0");
        other.execute("BEGIN EXCLUSIVE");
        c.go("next");
        QCOMPARE(c.t.notifier.texts(), QStringList{"database is locked"});
        QCOMPARE(c.position() + "/" + QString::number(c.grid().rowCount()), "2 of 12/0");
    }

    void emptyItemsStartANewRow() {
        Card c({"DELETE FROM Items"});
        QCOMPARE(c.position(), "1 of 1");
        QCOMPARE(c.colour(c.f().txtItemID), kYellow);
        QCOMPARE(c.f().comboTimeUnit->currentText(), "Month");
        QCOMPARE(c.years(), QStringList());
        c.act(CardAction::Cancel);
        QCOMPARE(c.position(), "0 of 0");
        QCOMPARE(c.colour(c.f().txtItemID), kWhite);

        QTest::keyClick(c.f().txtItemID, Qt::Key_X);
        QCOMPARE(c.f().txtItemID->text(), "");
        QCOMPARE(c.t.notifier.texts(), QStringList{"If you are adding an item, click Add Button first."});
        QCOMPARE(c.t.notifier.last().title, "Clcik Add Button");
        QCOMPARE(c.t.notifier.last().icon, MsgIcon::Exclamation);
        for (CardAction a : {CardAction::Save, CardAction::Cancel, CardAction::Delete})
            c.act(a);
        QCOMPARE(c.t.notifier.messages.size(), 1);
        QCOMPARE(c.position(), "0 of 0");
        QCOMPARE(c.t.rowCount("Items"), 0);
    }

    // ---- the entry checks

    void costBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const QStringList boxes = {"txtUnitCost", "txtOrderCost", "txtHoldingCost", "txtShortageCost"};
        const QStringList fields = {"Unit Cost", "Order Cost", "Holding Cost", "Shortage Cost"};
        for (int i = 0; i < boxes.size(); ++i) {
            const QByteArray name = boxes[i].toUtf8();  // outlives the rows' names
            const char* b = name.constData();
            QTest::addRow("%s 12.5", b) << boxes[i] << "12.5"
                                        << "12.50"
                                        << "";
            QTest::addRow("%s 3.14159", b) << boxes[i] << "3.14159"
                                           << "3.14"
                                           << "";
            QTest::addRow("%s 2.346", b) << boxes[i] << "2.346"
                                         << "2.35"
                                         << "";
            QTest::addRow("%s 1234567", b) << boxes[i] << "1234567"
                                           << "1234567.00"
                                           << "";
            QTest::addRow("%s empty", b) << boxes[i] << ""
                                         << ""
                                         << "";
            QTest::addRow("%s abc", b) << boxes[i] << "abc"
                                       << "abc" << fields[i] + " should be a number.";
        }
    }
    void costBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Card c;
        QVERIFY(c.showActive());
        auto* edit = c.w->findChild<QLineEdit*>(box);
        edit->setFocus();
        edit->setText(typed);  // pasted: the key filter lets it in
        QTest::keyClick(edit, Qt::Key_Tab);
        QTEST(edit->text(), "shown");
        if (message.isEmpty()) {
            QVERIFY(c.t.notifier.messages.isEmpty());
            QVERIFY(QApplication::focusWidget() != edit);
        } else {
            QCOMPARE(c.t.notifier.texts(), QStringList{message});
            QCOMPARE(c.t.notifier.last().title, "Invalid data");
            QCOMPARE(c.t.notifier.last().icon, MsgIcon::Exclamation);
            QCOMPARE(QApplication::focusWidget(), edit);
        }
    }

    void saveAsksForTheFirstMissingEntry_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("box");
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "Please enter Item ID."
                                 << "Enter Item ID"
                                 << "txtItemID";
        QTest::newRow("key only") << "Z9"
                                  << ""
                                  << "Please enter Item Name."
                                  << "Enter Item Name"
                                  << "txtItem";
        QTest::newRow("no unit") << "Z9"
                                 << "Zips"
                                 << "Please enter Time Unit."
                                 << "Enter Time Unit"
                                 << "ComboTimeUnit";
    }
    void saveAsksForTheFirstMissingEntry() {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, message);
        Card c;
        QVERIFY(c.showActive());
        c.act(CardAction::Add);
        QCOMPARE(c.position(), "13 of 13");
        QCOMPARE(c.colour(c.f().txtItem), kYellow);
        QCOMPARE(c.f().comboTimeUnit->currentText(), "Month");
        c.f().txtItemID->setText(key);
        c.f().txtItem->setText(name);
        c.f().comboTimeUnit->setEditText(QString());
        c.act(CardAction::Save);
        QCOMPARE(c.t.notifier.texts(), QStringList{message});
        QTEST(c.t.notifier.last().title, "title");
        QCOMPARE(c.t.notifier.last().icon, MsgIcon::Exclamation);
        QTEST(QApplication::focusWidget()->objectName(), "box");
        QCOMPARE(c.t.rowCount("Items"), 12);
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("umbrellaSales");
        QTest::newRow("No") << MsgResult::No << "4 of 12" << 12 << 5;
        QTest::newRow("Yes") << MsgResult::Yes << "1 of 11" << 11 << 0;
    }
    void deleteAsksFirst() {
        QFETCH(MsgResult, answer);
        Card c;
        c.go("next,next,next");
        QCOMPARE(c.f().txtItem->text(), "Umbrellas");
        c.t.notifier.answers.enqueue(answer);
        c.act(CardAction::Delete);
        QCOMPARE(c.t.notifier.texts(), QStringList{"You are deleting Item Umbrellas. Continue?"});
        QCOMPARE(c.t.notifier.last().title, "Confirmation");
        QCOMPARE(c.t.notifier.last().icon, MsgIcon::Question);
        QCOMPARE(c.t.notifier.last().buttons, MsgButtons::YesNo);
        QCOMPARE(c.t.notifier.last().defaultButton, MsgResult::No);
        QTEST(c.position(), "position");
        QTEST(c.t.rowCount("Items"), "items");
        QTEST(int(c.value("SELECT count(*) FROM Sales WHERE ItemID = '12'").toInt()), "umbrellaSales");
        QCOMPARE(c.years(), yearsFrom(2026));
    }

    // ---- the grid's checks

    void gridCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("key") << 0 << "7"
                             << "1"
                             << "ItemID can not be changed here."
                             << "Invalid edit";
        QTest::newRow("letters") << 2 << "abc"
                                 << "*"
                                 << "Please enter a number."
                                 << "Invalid Data";
        QTest::newRow("two points") << 5 << "1..2"
                                    << "*"
                                    << "Please enter a number."
                                    << "Invalid Data";
        QTest::newRow("number") << 2 << "15"
                                << "15"
                                << ""
                                << "";
        QTest::newRow("emptied") << 13 << ""
                                 << ""
                                 << ""
                                 << "";
        QTest::newRow("year 1899") << 1 << "1899"
                                   << "1899"
                                   << "Please check the year you entered."
                                   << "Invalid Year";
        QTest::newRow("next year") << 1 << "2027"
                                   << "2027"
                                   << "Please check the year you entered."
                                   << "Invalid Year";
        QTest::newRow("this year") << 1 << "2026"
                                   << "2026"
                                   << ""
                                   << "";
    }
    void gridCells() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Card c;
        const int row = 4;  // 2022
        const QString before = c.cell(row, column);
        c.type(row, column, typed);
        QCOMPARE(c.cell(row, column), shown == "*" ? before : shown);
        QCOMPARE(c.t.notifier.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QTEST(c.t.notifier.last().title, "title");
            QCOMPARE(c.t.notifier.last().icon, MsgIcon::Exclamation);
        }
    }

    void gridRowCheck_data() {
        QTest::addColumn<int>("row");  // 5: the empty last row, a new row of item 1; 4: its 2022
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("saved");  // Save clicked afterwards
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rows");  // the item's rows afterwards
        const QString noYear = "Please enter a year,such as 2004";
        QTest::newRow("no year") << 5 << "" << false << QStringList{noYear} << 5;
        QTest::newRow("far past") << 5 << "1850" << false
                                  << QStringList{"Please check the year you entered.",
                                                 "Please enter a valid value for a year."}
                                  << 5;
        QTest::newRow("new year written") << 5 << "2021" << false << QStringList() << 6;
        QTest::newRow("year already there")
            << 5 << "2024" << false << QStringList{"UNIQUE constraint failed: Sales.ItemID, Sales.Year"} << 5;
        QTest::newRow("no year, then Save") << 5 << "" << true << QStringList{noYear, noYear} << 5;
        QTest::newRow("stored year emptied, then Save")
            << 4 << "1850" << true
            << QStringList{"Please check the year you entered.", "Please enter a valid value for a year.", noYear} << 5;
    }
    void gridRowCheck() {
        QFETCH(int, row);
        QFETCH(QString, year);
        Card c;
        QVERIFY(c.showActive());
        c.f().grid->setFocus();
        c.type(row, 2, "40");
        QCOMPARE(c.cell(row, 0), "1");
        if (!year.isEmpty()) c.type(row, 1, year);
        c.f().txtItem->setFocus();  // leaving the grid
        QFETCH(bool, saved);
        if (saved) c.clickOn(c.f().command1[int(CardAction::Save)]);
        QTEST(c.t.notifier.texts(), "messages");
        QTEST(c.value("SELECT count(*) FROM Sales WHERE ItemID = '1'").toInt(), "rows");
        QCOMPARE(c.value("SELECT count(*) FROM Sales WHERE Year IS NULL").toInt(), 0);
        QCOMPARE(c.cell(row, 2), "40");  // still on the card
    }

    // ---- the search

    void search_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("position");
        QTest::newRow("key A") << "txtItemID"
                               << "A"
                               << "A1"
                               << "1 of 3";
        QTest::newRow("key AB") << "txtItemID"
                                << "AB"
                                << "AB2"
                                << "2 of 3";
        QTest::newRow("key ab") << "txtItemID"
                                << "ab"
                                << "AB2"
                                << "2 of 3";
        QTest::newRow("key Q") << "txtItemID"
                               << "Q"
                               << "B1"
                               << "3 of 3";
        QTest::newRow("name B") << "txtItemName"
                                << "B"
                                << "A1"
                                << "1 of 3";
        QTest::newRow("name Al") << "txtItemName"
                                 << "Al"
                                 << "AB2"
                                 << "2 of 3";
        // A name is no number: moving on to the other box says nothing.
        QTest::newRow("name Al, Tab") << "txtItemName"
                                      << "Al\t"
                                      << "AB2"
                                      << "2 of 3";
        QTest::newRow("quote") << "txtItemID"
                               << "'"
                               << "B1"
                               << "3 of 3";
        QTest::newRow("wildcards") << "txtItemName"
                                   << "%_*["
                                   << "B1"
                                   << "3 of 3";
    }
    void search() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        Card c(kThreeItems);
        c.w->actionViaMenu(true, false, false);
        auto* find = qobject_cast<warehouse::FindItemWindow*>(c.t.registry.existing(widgets::WindowId::FindItem));
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->windowTitle(), "Search for an Item");
        QTest::mouseClick(find->findChild<QLineEdit*>(box), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTEST(c.f().txtItemID->text(), "key");
        QTEST(c.position(), "position");
        QVERIFY(c.t.notifier.messages.isEmpty());
        // Emptying the box moves nothing.
        find->findChild<QLineEdit*>(box)->clear();
        QTEST(c.position(), "position");
    }
};

TERVALO_QTEST_MAIN(SalesDataWindowTest)
#include "SalesDataWindowTest.moc"
