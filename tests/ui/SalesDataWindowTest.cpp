// The item card frmSalesData and the search frmFindItem on copies of Demo.mdb
// (today 12/7/2026): moving through the items and their sales, the entry
// checks, adding, saving, deleting, the grid's cell and row checks, the
// search, and the writes that keep the tables whole.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "data/Connection.h"
#include "support/QtTestMain.h"
#include "support/TestEnvironment.h"
#include "support/WarehouseRegistration.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/card/FindItemWindow.h"
#include "warehouse/card/SalesDataWindow.h"
#include "warehouse/card/SalesGrid.h"
#include "warehouse/runs/LogWindow.h"
#include "widgets/ChildForms.h"

using namespace tervalo;
using test::MsgButtons;
using test::MsgIcon;
using test::MsgResult;
using warehouse::CardAction;
using warehouse::SalesDataWindow;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QString kAnalyzeQuestion =
    "Analyze all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just the current "
    "item.\r\nClick Cancel to do nothing.";
const QString kUpdateQuestion =
    "Update all the items in this database?\r\n\r\nClick Yes to proceed.\r\n"
    "Click No to analyze just the current item.\r\nClick Cancel to do nothing.";
const QStringList kThreeItems = {"DELETE FROM Items",
                                 "INSERT INTO Items (ItemID, Item, TimeUnit) VALUES "
                                 "('A1', 'Bravo', 'Month'), ('AB2', 'Alpha', 'Month'), "
                                 "('B1', 'Beta', 'Month')"};

// A main window that records the Data menu's switching.
class MenuStandIn : public QMainWindow, public widgets::MainWindowMenuState {
public:
    void setDataMenusEnabled(bool enable) override { switches << enable; }
    bool demoDatabaseChecked() const override { return true; }
    QList<bool> switches;
};

// The card as the registry makes it, after the database has been prepared.
struct Card {
    explicit Card(const QStringList& prepare = {}) {
        for (const QString& sql : prepare)
            t.cnn.execute(sql);
        t.ctx.mainWindow = &menus;
        test::registerWarehouse(t.ctx);
        w = t.registry.instanceAs<SalesDataWindow>(widgets::WindowId::SalesData);
    }
    ~Card() {
        t.registry.unload(widgets::WindowId::FindItem);
        delete w;
    }
    const warehouse::SalesDataForm& f() const { return w->form(); }
    void act(CardAction a) const { f().command1[int(a)]->click(); }
    void go(const QString& steps) const {
        const QStringList names = {"first", "prev", "next", "last"};
        for (const QString& s : steps.split(',', Qt::SkipEmptyParts))
            f().command2[names.indexOf(s)]->click();
    }
    QString position() const { return f().txtPosition->text(); }
    QAbstractItemModel& grid() const { return *f().grid->model(); }
    QString cell(int row, int column) const { return grid().index(row, column).data().toString(); }
    // The grid's Year column, newest first (the empty row for a new year left out).
    QStringList years() const {
        QStringList out;
        for (int r = 0; r + 1 < grid().rowCount(); ++r)
            out << cell(r, 1);
        return out;
    }
    bool showActive() const {
        w->show();
        return QTest::qWaitForWindowActive(w);
    }
    QColor colour(QWidget* control) const { return control->palette().color(QPalette::Base); }
    QVariant value(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q = t.cnn.run(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    // Commits a typed cell as the grid's editor does.
    void type(int row, int column, const QString& text) const {
        QTableView* view = f().grid;
        const QModelIndex index = view->model()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the grid commits Enter's edit from its event loop
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // and lets the editor go
    }
    // Typed into a box as the user does: the box takes the focus, then the keys.
    void typeInto(QLineEdit* box, const QString& text) const {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void clickOn(QWidget* control) const { QTest::mouseClick(control, Qt::LeftButton); }
    void chooseTimeUnit(const QString& unit) const {
        QComboBox* list = f().comboTimeUnit;
        list->setCurrentIndex(list->findText(unit));
        emit list->activated(list->currentIndex());
    }

    test::WindowTestContext t;
    MenuStandIn menus;
    SalesDataWindow* w = nullptr;
};

QStringList yearsFrom(int newest) {
    QStringList out;
    for (int y = newest; y > newest - 5; --y)
        out << QString::number(y);
    return out;
}

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
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rows");  // the item's rows afterwards
        QTest::newRow("no year") << "" << QStringList{"Please enter a year,such as 2004"} << 5;
        QTest::newRow("far past") << "1850"
                                  << QStringList{"Please check the year you entered.",
                                                 "Please enter a valid value for a year."}
                                  << 5;
        QTest::newRow("new year written") << "2021" << QStringList() << 6;
        QTest::newRow("year already there")
            << "2024" << QStringList{"UNIQUE constraint failed: Sales.ItemID, Sales.Year"} << 5;
    }
    void gridRowCheck() {
        QFETCH(QString, year);
        Card c;
        QVERIFY(c.showActive());
        c.f().grid->setFocus();
        c.type(5, 2, "40");  // the empty last row: a new row of item 1
        QCOMPARE(c.cell(5, 0), "1");
        if (!year.isEmpty()) c.type(5, 1, year);
        c.f().txtItem->setFocus();  // leaving the grid
        QTEST(c.t.notifier.texts(), "messages");
        QTEST(c.value("SELECT count(*) FROM Sales WHERE ItemID = '1'").toInt(), "rows");
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
        QTest::keyClicks(find->findChild<QLineEdit*>(box), typed);
        QTEST(c.f().txtItemID->text(), "key");
        QTEST(c.position(), "position");
        QVERIFY(c.t.notifier.messages.isEmpty());
        // Emptying the box moves nothing.
        find->findChild<QLineEdit*>(box)->clear();
        QTEST(c.position(), "position");
    }

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
        QTest::addColumn<QString>("edit");  // the card's unsaved change: a box, or "grid"
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");  // item 1's name and unit cost, January and February 2026
        // clang-format off
        QTest::newRow("item renamed there") << "UPDATE Items SET Item = 'Paper' WHERE ItemID = '1'" << "txtUnitCost"
            << "Item 1 was changed elsewhere after it was shown here, so your changes were not saved. It is now shown as stored."
            << "Paper/24.5/385/345";
        QTest::newRow("sales of the year changed there") << "UPDATE Sales SET Feb = 1 WHERE ItemID = '1' AND Year = 2026" << "grid"
            << "The sales of item 1 for 2026 were changed or deleted elsewhere after they were shown here, so your changes were not saved. They are now shown as stored."
            << "Copier Paper A4 (box)/24.5/385/1";
        // clang-format on
    }
    void secondCopyOfTheProgram() {
        QFETCH(QString, edit);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        Card c;
        QVERIFY(c.showActive());
        if (edit == "grid")
            c.type(0, 2, "5");
        else
            c.typeInto(c.w->findChild<QLineEdit*>(edit), "30");
        data::Connection other;
        other.open(c.t.cnn.connectionString());
        QFETCH(QString, otherWrote);
        other.execute(otherWrote);
        c.clickOn(c.f().command1[int(CardAction::Save)]);
        QCOMPARE(c.t.notifier.texts(), QStringList{message});
        QCOMPARE(c.value("SELECT Item || '/' || UnitCost || '/' || Jan || '/' || Feb FROM Items JOIN Sales USING "
                         "(ItemID) WHERE ItemID = '1' AND Year = 2026")
                     .toString(),
                 stored);
        QCOMPARE(c.f().txtItem->text() + "/" + c.cell(0, 2), stored.section('/', 0, 0) + "/385");
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
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("position");
        // clang-format off
        QTest::newRow("nothing unsaved") << false << "" << "9" << "1 of 13";
        QTest::newRow("a name typed") << false << "Skis, long" << "9" << "1 of 13";
        QTest::newRow("a new item") << true << "Nails" << "N1" << "1 of 14";
        // clang-format on
    }
    void importFromTheCard() {
        QFETCH(bool, adding);
        QFETCH(QString, typed);
        QFETCH(QString, key);
        Card c;
        QVERIFY(c.showActive());
        QTemporaryDir folder;
        QFile file(folder.filePath("ITSH100.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ItemID,H100\r\nItem,Honda\r\nUnitCost,15000\r\nTimeUnit,Month\r\n");
        file.close();
        c.go("last");
        const QString name = c.f().txtItem->text();
        if (adding) {
            c.act(CardAction::Add);
            c.typeInto(c.f().txtItemID, key);
        }
        if (!typed.isEmpty()) c.typeInto(c.f().txtItem, typed);
        c.w->importFolder("TextFile", folder.path());
        QTEST(c.position(), "position");
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = 'H100'").toString(), "Honda");
        QCOMPARE(c.value("SELECT Item FROM Items WHERE ItemID = ?", {key}).toString(), typed.isEmpty() ? name : typed);
        QCOMPARE(c.colour(c.f().txtItemID), kWhite);
        auto* log = qobject_cast<warehouse::LogWindow*>(c.t.registry.existing(widgets::WindowId::Log));
        QVERIFY(log && log->isVisible());
        QVERIFY2(log->text().contains("Records stored: 1 (Items 1, Sales 0, SalesWeekly 0)"), qPrintable(log->text()));
        c.t.registry.unload(widgets::WindowId::Log);
    }
};

TERVALO_QTEST_MAIN(SalesDataWindowTest)
#include "SalesDataWindowTest.moc"
