// The demand-history window (frmD1), made through the window registry with a
// scripted file dialog: Get Data, Save Data and the file between them, Next to
// the regression window and Back, Cancel, typing into the grid with Enter,
// and the time unit.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "demand/DemandGrid.h"
#include "demand/DemandHistoryModel.h"
#include "demand/DemandHistoryWindow.h"
#include "demand/DemandWindows.h"
#include "demand/RegressionPlot.h"
#include "demand/RegressionWindow.h"
#include "support/FullDisk.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"
#include "widgets/FileNameDialogs.h"

using namespace tervalo;
using platform::MsgIcon;

namespace {

class ScriptedFileDialogs : public widgets::FileNameDialogs {
public:
    QString openFileName(QWidget*, const QString& title) override { return answer(title); }
    QString saveFileName(QWidget*, const QString& title) override { return answer(title); }
    QString answer(const QString& title) {
        asked << title;
        return names.isEmpty() ? QString() : names.dequeue();
    }
    QQueue<QString> names;  // empty: cancelled
    QStringList asked;
};

const QString kFormat = QStringLiteral("The data format is not correct.|Data format error|!");

struct Opened {
    Opened() {
        demand::registerDemandWindows(t.ctx);
        t.registry.registerWindow(widgets::WindowId::D1,
                                  [this] { return new demand::DemandHistoryWindow(t.ctx, dialogs); });
        w = t.registry.instanceAs<demand::DemandHistoryWindow>(widgets::WindowId::D1);
    }
    ~Opened() {
        t.registry.unload(widgets::WindowId::D1);
        t.registry.unload(widgets::WindowId::D2);
    }
    demand::DemandHistoryModel* model() const { return w->model(); }
    // Rows as "period|demand".
    QStringList rows() const {
        QStringList out;
        for (int r = 0; r < model()->periodCount(); ++r)
            out << model()->cell(r, 0) + "|" + model()->cell(r, 1);
        return out;
    }
    void type(const QStringList& rows) {
        for (const QString& row : rows) {
            const int r = model()->periodCount();
            for (int c = 0; c < 2; ++c)
                model()->setData(model()->index(r, c), row.section('|', c, c), Qt::EditRole);
        }
    }
    // Messages as "text|title", with "|!" for the exclamation icon.
    QStringList messages() const {
        QStringList out;
        for (const auto& m : t.notifier.messages)
            out << m.text + "|" + m.title + (m.icon == MsgIcon::Exclamation ? "|!" : "");
        return out;
    }
    QString path(const QString& name) const {
        return name.isEmpty() || QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void click(const char* name, QWidget* in = nullptr) const {
        (in ? in : static_cast<QWidget*>(w))->findChild<QPushButton*>(name)->click();
    }
    QPoint current() const { return {w->grid()->currentIndex().row(), w->grid()->currentIndex().column()}; }
    QString position() const { return w->findChild<QLabel*>("Adodc1")->text(); }
    QWidget* regression() const { return t.registry.existing(widgets::WindowId::D2); }
    QString header() const { return model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(); }

    test::WindowTestContext t;
    ScriptedFileDialogs dialogs;
    QTemporaryDir dir;
    demand::DemandHistoryWindow* w = nullptr;
};

QStringList periods(int from, int to) {
    QStringList rows;
    for (int p = from; p <= to; ++p)
        rows << QStringLiteral("%1|%2").arg(p).arg(100 + p);
    return rows;
}

// The file of periods(1, n).
QByteArray periodsFile(int n) { return periods(1, n).join("\r\n").replace('|', ' ').toLatin1(); }

const QString kFileTooBig = QStringLiteral(
    "The demand history holds at most 32767 periods; nothing was read from the file.|Too many periods|!");

}  // namespace

class DemandHistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyInWeeks() {
        Opened o;
        QCOMPARE(o.w->windowTitle(), QString("Analyzing Demand - Get Data"));
        QCOMPARE(o.rows(), QStringList());
        QCOMPARE(o.header(), QString("Week"));
        QVERIFY(o.w->findChild<QRadioButton*>("Option1_0")->isChecked());
        QCOMPARE(o.w->findChild<QLabel*>("Label3")->text(), QString("At least one space must be used as delimeter."));
    }

    void getDataAppendsThePairsRead_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("file");  // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("messages");

        const QStringList two{"1|1000", "2|240"};
        const QString name = "history.txt";
        QTest::newRow("two lines") << QStringList() << name << QByteArray("1 1000\r\n2 240\r\n") << 1 << 0 << two
                                   << QStringList();
        QTest::newRow("one line") << QStringList() << name << QByteArray("1 1000 2 240") << 1 << 0 << two
                                  << QStringList();
        QTest::newRow("commas") << QStringList() << name << QByteArray("1,1000,2,240") << 1 << 0 << two
                                << QStringList();
        QTest::newRow("heading") << QStringList() << name << QByteArray("Week Demand\n1 1000\n2 240\n") << 1 << 0
                                 << QStringList() << QStringList{kFormat};
        QTest::newRow("demand not a number") << QStringList() << name << QByteArray("1 1000\n2 many\n3 5\n") << 1 << 0
                                             << QStringList{"1|1000"} << QStringList{kFormat};
        QTest::newRow("last value alone") << QStringList() << name << QByteArray("1 1000\n2") << 1 << 0
                                          << QStringList{"1|1000"} << QStringList{"Input past end of file|Tervalo"};
        QTest::newRow("empty file in years")
            << QStringList() << name << QByteArray() << 1 << 2 << QStringList() << QStringList();
        QTest::newRow("read twice") << QStringList() << name << QByteArray("1 1000\n2 240") << 2 << 1 << (two + two)
                                    << QStringList();
        QTest::newRow("after typed rows")
            << QStringList{"1|5"} << name << QByteArray("2 6") << 1 << 0 << QStringList{"1|5", "2|6"} << QStringList();
        QTest::newRow("cancelled") << QStringList{"1|5"} << "" << QByteArray() << 1 << 0 << QStringList{"1|5"}
                                   << QStringList{"Please select a file.|Select a file|!"};
        QTest::newRow("byte-order mark") << QStringList() << name
                                         << QByteArray(
                                                "\xEF\xBB\xBF"
                                                "1 1000\r\n2 240")
                                         << 1 << 0 << two << QStringList();
        QTest::newRow("32,767 pairs") << QStringList() << name << periodsFile(32767) << 1 << 0 << periods(1, 32767)
                                      << QStringList();
        QTest::newRow("32,768 pairs") << QStringList() << name << periodsFile(32768) << 1 << 0 << QStringList()
                                      << QStringList{kFileTooBig};
        QTest::newRow("32,767 pairs after a typed row") << QStringList{"1|5"} << name << periodsFile(32767) << 1 << 0
                                                        << QStringList{"1|5"} << QStringList{kFileTooBig};
        QTest::newRow("missing file") << QStringList() << "missing/none.txt" << QByteArray() << 1 << 0 << QStringList()
                                      << QStringList{"No such file or directory|Tervalo"};
    }
    void getDataAppendsThePairsRead() {
        QFETCH(QStringList, typed);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, reads);
        QFETCH(int, unit);
        Opened o;
        o.type(typed);
        if (!file.isEmpty() && !file.startsWith("missing")) o.write(file, content);
        o.w->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(unit))->click();
        for (int i = 0; i < reads; ++i) {
            o.dialogs.names.enqueue(o.path(file));
            o.click("cmdGetData");
        }
        QTEST(o.rows(), "rows");
        QTEST(o.messages(), "messages");
        QCOMPARE(o.dialogs.asked.first(), QString("Select a File to Open"));
        QCOMPARE(o.header(), (QStringList{"Week", "Month", "Year"}.at(unit)));
    }

    void saveWritesTheWholeFileOrNothing_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("file");  // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QPoint>("current");

        QTest::newRow("two rows") << QStringList{"1|1000", "2|240"} << "saved.txt"
                                  << QByteArray("1             1000\r\n2             240\r\n") << QStringList()
                                  << QPoint(0, 0);
        QTest::newRow("empty grid") << QStringList() << "saved.txt" << QByteArray("old")
                                    << QStringList{"No data to be saved.|No data to save|!"} << QPoint(0, 0);
        QTest::newRow("empty demand") << QStringList{"1|1000", "2|"} << "saved.txt" << QByteArray("old")
                                      << QStringList{kFormat} << QPoint(1, 1);
        QTest::newRow("cancelled") << QStringList{"1|1000"} << "" << QByteArray("old")
                                   << QStringList{"Please select a file.|Select a file|!"} << QPoint(0, 0);
        QTest::newRow("no such folder")
            << QStringList{"1|1000"} << "missing/saved.txt" << QByteArray("(none)")
            << QStringList{
                   "The file <dir>/missing/saved.txt could not be saved: the folder does not exist.|Error Message|!"}
            << QPoint(0, 0);
        // A user other than root is refused by its mode first.
        const QString proc =
            ::geteuid() == 0 ? "no new file can be made in that folder" : "you have no permission to write there";
        QTest::newRow("a folder that makes no files")
            << QStringList{"1|1000"} << "/proc/saved.txt" << QByteArray("(none)")
            << QStringList{"The file /proc/saved.txt could not be saved: " + proc + ".|Error Message|!"}
            << QPoint(0, 0);
        // No temporary file can be made beside it: written in place.
        QTest::newRow("the user's file in a folder the user may not write")
            << QStringList{"1|1000"} << "locked/saved.txt" << QByteArray("1             1000\r\n") << QStringList()
            << QPoint(0, 0);
    }
    void saveWritesTheWholeFileOrNothing() {
        QFETCH(QStringList, typed);
        QFETCH(QString, file);
        QFETCH(QByteArray, written);
        QFETCH(QStringList, messages);
        Opened o;
        o.type(typed);
        const QString target = file.isEmpty() ? QStringLiteral("saved.txt") : file;
        const bool locked = target.startsWith("locked/");
        if (locked) QVERIFY(QDir(o.dir.path()).mkpath("locked"));
        if (!target.startsWith("missing") && !target.startsWith('/')) o.write(target, "old");
        o.dialogs.names.enqueue(o.path(file));
        {
            std::optional<test::UnwritableFolder> folder;
            if (locked) QVERIFY(folder.emplace(o.path("locked"), o.path(target)).ready());
            o.click("cmdSave");
        }
        QCOMPARE(o.read(target), written);
        QCOMPARE(o.dialogs.asked, QStringList{"Save as "});
        QCOMPARE(o.messages(), messages.replaceInStrings("<dir>", o.dir.path()));
        QTEST(o.current(), "current");
        if (!messages.isEmpty()) return;
        // Read back into a new window: the same rows.
        Opened again;
        again.dialogs.names.enqueue(o.path(file));
        again.click("cmdGetData");
        QCOMPARE(again.rows(), typed);
        QCOMPARE(again.messages(), QStringList());
    }

    void nextHandsOverTheSeriesInPeriodOrder_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("rows");  // after Next
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<QString>("txtX");    // empty: frmD2 not shown
        QTest::addColumn<QPointF>("bounds");  // lowest and highest demand, when frmD2 shows

        const QStringList twelve = periods(1, 12);
        QTest::newRow("twelve in order") << twelve << QStringList() << twelve << QPoint(0, 0) << "12.00"
                                         << QPointF(101, 112);
        QTest::newRow("twelve out of order") << (periods(10, 12) + periods(1, 9)) << QStringList() << twelve
                                             << QPoint(0, 0) << "12.00" << QPointF(101, 112);
        QTest::newRow("five rows") << periods(1, 5) << QStringList() << periods(1, 5) << QPoint(0, 0) << ""
                                   << QPointF(101, 105);
        QTest::newRow("empty grid") << QStringList() << QStringList{"Please enter data first!|No Data|!"}
                                    << QStringList() << QPoint(0, 0) << "-" << QPointF(0, 0);
        QTest::newRow("empty period") << QStringList{"1|10", "|12", "3|15"} << QStringList{kFormat}
                                      << QStringList{"1|10", "|12", "3|15"} << QPoint(1, 0) << "-" << QPointF(0, 0);
        QTest::newRow("demand not a number") << QStringList{"2|10", "1|1.2.3"} << QStringList{kFormat}
                                             << QStringList{"2|10", "1|1.2.3"} << QPoint(1, 1) << "-" << QPointF(0, 0);
        QTest::newRow("32,767 rows") << periods(1, 32767) << QStringList() << periods(1, 32767) << QPoint(0, 0)
                                     << "32767.00" << QPointF(101, 32867);
    }
    void nextHandsOverTheSeriesInPeriodOrder() {
        QFETCH(QStringList, typed);
        QFETCH(QString, txtX);
        QFETCH(QPointF, bounds);
        Opened o;
        o.type(typed);
        o.w->show();
        o.click("cmdNextForm");
        QVERIFY(!QApplication::overrideCursor());
        QTEST(o.messages(), "messages");
        QTEST(o.current(), "current");
        if (txtX == "-") {
            QVERIFY(!o.regression());
            QVERIFY(o.w->isVisible());
            QTEST(o.rows(), "rows");
            return;
        }
        QVERIFY(o.regression() && o.regression()->isVisible());
        QVERIFY(!o.w->isVisible());
        QCOMPARE(o.regression()->findChild<QLineEdit*>("txtX")->text(), txtX);
        // The lowest and highest demand handed over, as plotted.
        const QList<QPointF>& points = qobject_cast<demand::RegressionWindow*>(o.regression())->plot()->points();
        const auto [low, high] =
            std::minmax_element(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QCOMPARE(QPointF(low->y(), high->y()), bounds);
        // The plot is not an item per point.
        QVERIFY(o.regression()->findChild<QGraphicsView*>()->scene()->items().size() < 200);
        // Back shows this window again with its rows, now in period order.
        o.click("cmdBack", o.regression());
        QVERIFY(o.w->isVisible());
        QVERIFY(!o.regression()->isVisible());
        QTEST(o.rows(), "rows");
    }

    // Cancel in either window closes both and releases them.
    void cancelClosesBoth_data() {
        QTest::addColumn<bool>("fromRegression");
        QTest::newRow("frmD1") << false;
        QTest::newRow("frmD2") << true;
    }
    void cancelClosesBoth() {
        QFETCH(bool, fromRegression);
        Opened o;
        o.type(periods(1, 6));
        o.w->show();
        o.click("cmdNextForm");
        QPointer<QWidget> first = o.w;
        QPointer<QWidget> second = o.regression();
        if (fromRegression) {
            o.click("cmdCancel", second);
        } else {
            o.click("cmdBack", second);
            o.click("cmdCancel");
        }
        QVERIFY(!o.t.registry.existing(widgets::WindowId::D1) && !o.t.registry.existing(widgets::WindowId::D2));
        QTRY_VERIFY(!first && !second);
        QCOMPARE(o.messages(), QStringList());
    }

    // Keys typed into the grid: text goes to the current cell, "Enter",
    // "Down" and "Up" are keys. The rows given are there first.
    void enterMovesOn_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("period") << QStringList() << QStringList{"1", "Enter"} << QStringList{"1|"} << QPoint(0, 1)
                                << "1 of 1" << QStringList();
        QTest::newRow("period and demand") << QStringList() << QStringList{"1", "Enter", "1000", "Enter"}
                                           << QStringList{"1|1000"} << QPoint(1, 0) << "" << QStringList();
        QTest::newRow("two rows") << QStringList()
                                  << QStringList{"1", "Enter", "1000", "Enter", "2", "Enter", "240", "Up"}
                                  << QStringList{"1|1000", "2|240"} << QPoint(0, 1) << "1 of 2" << QStringList();
        QTest::newRow("nothing typed") << QStringList() << QStringList{"Enter"} << QStringList() << QPoint(0, 0) << ""
                                       << QStringList();
        QTest::newRow("letters and minus") << QStringList() << QStringList{"a-1b,5", "Enter", "x"} << QStringList{"15|"}
                                           << QPoint(0, 1) << "1 of 1" << QStringList();
        QTest::newRow("field length") << QStringList() << QStringList{"1234567890123456", "Enter"}
                                      << QStringList{"123456789012|"} << QPoint(0, 1) << "1 of 1" << QStringList();
        QTest::newRow("third of ten") << periods(1, 10) << QStringList{"Down", "Down"} << periods(1, 10) << QPoint(2, 0)
                                      << "3 of 10" << QStringList();
        // A filled row moves on to the next, and its filled period on to its demand.
        QTest::newRow("filled row") << periods(1, 3) << QStringList{"Down", "Enter"} << periods(1, 3) << QPoint(2, 1)
                                    << "3 of 3" << QStringList();
        // The new row of a full history refuses a period typed into it.
        QTest::newRow("past the full history")
            << periods(1, 32767) << QStringList{"Ctrl+End", "Home", "5", "Enter"} << periods(1, 32767)
            << QPoint(32767, 0) << ""
            << QStringList{"The demand history holds at most 32767 periods.|Too many periods|!"};
    }
    void enterMovesOn() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, keys);
        Opened o;
        o.type(typed);
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w));
        o.w->grid()->setFocus();
        o.w->grid()->goTo(0, 0);
        const QHash<QString, QKeyCombination> named{{"Enter", Qt::Key_Return},
                                                    {"Down", Qt::Key_Down},
                                                    {"Up", Qt::Key_Up},
                                                    {"Home", Qt::Key_Home},
                                                    {"Ctrl+End", Qt::ControlModifier | Qt::Key_End}};
        for (const QString& key : keys) {
            if (named.contains(key)) {
                QTest::keyClick(QApplication::focusWidget(), named[key].key(), named[key].keyboardModifiers());
                continue;
            }
            for (const QChar c : key)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
        QTEST(o.rows(), "rows");
        QTEST(o.current(), "current");
        QTEST(o.position(), "position");
        QCoreApplication::processEvents();
        QTEST(o.messages(), "messages");
    }

    void unitsCaptionThePeriodColumn_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("caption");
        QTest::newRow("month") << 1 << "Month";
        QTest::newRow("year") << 2 << "Year";
        QTest::newRow("week again") << 0 << "Week";
    }
    void unitsCaptionThePeriodColumn() {
        QFETCH(int, option);
        Opened o;
        o.type(periods(1, 2));
        o.w->findChild<QRadioButton*>("Option1_2")->click();
        o.w->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(option))->click();
        QTEST(o.header(), "caption");
        QCOMPARE(o.rows(), periods(1, 2));
        QCOMPARE(o.w->grid()->horizontalHeader()->sectionSize(0), 60);  // 900 twips
    }
};

TERVALO_QTEST_MAIN(DemandHistoryWindowTest)
#include "DemandHistoryWindowTest.moc"
