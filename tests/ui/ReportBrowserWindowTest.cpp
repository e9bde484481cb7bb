// The report browser on a copy of Demo.mdb (today 12/7/2026): what each action
// lists, checks, prints and deletes; awkward item names; many entries;
// failures that leave the window usable; the Reports menu opening it.
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "data/Eoq1Repository.h"
#include "reports/ReportBrowserWindow.h"
#include "reports/ReportListModel.h"
#include "shell/MainWindow.h"
#include "support/PaperRows.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using reports::ReportBrowserWindow;

namespace {

const QDate kToday(2026, 12, 7);
const QStringList kEoqRows = {
    "Ballpoint Pens (dozen) | 2 | 12/2/2026 | Purchasing: No Shortages",
    "Printer Toner Cartridge | 3 | 12/1/2026 | Purchasing: Shortages Allowed",
    "Copier Paper A4 (box) | 1 | 11/27/2026 | Purchasing: No Shortages",
    "Cell Phone | None | 11/20/2026 | Manufacturing: No Shortages",
    "Cell Phone | None | 11/20/2026 | Manufacturing: Shortages Allowed",
    "Paper | None | 11/9/2026 | Purchasing: No Shortages",
    "Paper | None | 11/9/2026 | Purchasing: Shortages Allowed",
};
const QStringList kTwoPaperRecords = {"Paper | Purchasing: No Shortages | 249.394736561703",
                                      "Paper | Purchasing: Shortages Allowed | 247.569765419658"};

// The text a control shows: caption, title, combo text or date.
QString text(QWidget& w, const QString& name) {
    QWidget* c = w.findChild<QWidget*>(name);
    if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(c)) return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
    return qobject_cast<QDateEdit*>(c)->date().toString("M/d/yyyy");
}

QAbstractItemModel& listOf(QWidget& w) { return *w.findChild<QTreeView*>("ListView1")->model(); }

// The entries as "name | id | date | model", and the positions of the checked ones.
QStringList rows(QWidget& w) {
    QStringList out;
    for (int r = 0; r < listOf(w).rowCount(); ++r)
        out << QStringList{listOf(w).index(r, 0).data().toString(), listOf(w).index(r, 1).data().toString(),
                           listOf(w).index(r, 2).data().toString(), listOf(w).index(r, 3).data().toString()}
                   .join(" | ");
    return out;
}
QList<int> checkedRows(QWidget& w) {
    QList<int> out;
    for (int r = 0; r < listOf(w).rowCount(); ++r)
        if (listOf(w).index(r, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked) out << r;
    return out;
}

// One action as the user takes it: list=N, pick=N (a combo item), type=T (the
// combo's text), from=D / to=D (a picker, ISO), search=T (then Enter), check=N,
// print, preview, delete.
void act(ReportBrowserWindow& w, const QString& step) {
    const QString key = step.section('=', 0, 0), value = step.section('=', 1);
    auto* combo = w.findChild<QComboBox*>("ComboReportType");
    if (key == "list") w.showList(value.toInt());
    if (key == "pick") {
        combo->setCurrentIndex(value.toInt());
        emit combo->activated(value.toInt());
    }
    if (key == "type") combo->setEditText(value);
    if (key == "from" || key == "to")
        w.findChild<QDateEdit*>(key == "from" ? "DTPicker1" : "DTPicker2")
            ->setDate(QDate::fromString(value, Qt::ISODate));
    if (key == "search") {
        w.findChild<QLineEdit*>("txtItem")->setText(value);
        QTest::keyClick(w.findChild<QLineEdit*>("txtItem"), Qt::Key_Return);
    }
    if (key == "check") listOf(w).setData(listOf(w).index(value.toInt(), 0), Qt::Checked, Qt::CheckStateRole);
    const QStringList buttons = {"print", "preview", "delete"};
    if (buttons.contains(key)) w.findChild<QPushButton*>(QString("Command1_%1").arg(buttons.indexOf(key)))->click();
}

void run(ReportBrowserWindow& w, const QString& steps) {
    for (const QString& step : steps.split(';', Qt::SkipEmptyParts))
        act(w, step);
}

QStringList records(const test::ReportRequest& request) {
    QStringList out;
    for (const QSqlRecord& r : request.rows) {
        QStringList parts = {r.value("ItemName").toString(), r.value("ModelName").toString()};
        if (r.contains("Desc")) parts << r.value("Desc").toString();
        out << (parts << QString::number(r.value("TotalCost").toDouble(), 'g', 15)).join(" | ");
    }
    return out;
}

}  // namespace

class ReportBrowserWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    std::unique_ptr<ReportBrowserWindow> m_w;

    int rowsIn(const QString& table, const QString& where = "1") {
        QSqlQuery q = m_t->cnn.run("SELECT count(*) FROM " + table + " WHERE " + where);
        return q.next() ? q.value(0).toInt() : -1;
    }
    void save(const QString& item) { data::Eoq1Repository(m_t->cnn).insert(test::paperRow(kToday, item)); }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>();
        m_w = std::make_unique<ReportBrowserWindow>(m_t->ctx, m_t->reportOutput);
    }
    void cleanup() {
        m_w.reset();
        QLocale::setDefault(QLocale::c());
    }

    void opensWithTheLastMonthAndNoType() {
        QCOMPARE(m_w->windowTitle(), QString("Reports"));
        QCOMPARE(m_w->size(), QSize(719, 430));  // 10,785 x 6,450 twips
        QCOMPARE((QStringList{text(*m_w, "DTPicker1"), text(*m_w, "DTPicker2"), text(*m_w, "ComboReportType"),
                              text(*m_w, "lblCount")}),
                 (QStringList{"11/7/2026", "12/7/2026", "", ""}));
        QCOMPARE(listOf(*m_w).rowCount(), 0);
        for (const char* cs : {"Frame2=Change criterion", "Command1_2=&Delete", "Command1_0=P&rint",
                               "Command1_1=&Preview", "Label1=From=DTPicker1", "Label2=To=DTPicker2",
                               "Label3=Search by Item Name:=txtItem", "Label4=Report type=ComboReportType"}) {
            const QString c = QString::fromLatin1(cs);
            QCOMPARE(text(*m_w, c.section('=', 0, 0)), c.section('=', 1, 1));
            if (c.startsWith("Label"))
                QCOMPARE(m_w->findChild<QLabel*>(c.section('=', 0, 0))->buddy(),
                         m_w->findChild<QWidget*>(c.section('=', 2)));
        }
        QCOMPARE(m_w->findChild<QPushButton*>("Command1_2")->toolTip(),
                 QString("Delete all the reports checked from above list."));
        QHeaderView* header = m_w->findChild<QTreeView*>("ListView1")->header();
        QCOMPARE((QList<int>{header->sectionSize(0), header->sectionSize(3)}), (QList<int>{96, 363}));
        QCOMPARE(listOf(*m_w).headerData(3, Qt::Horizontal).toString(), QString("Model used"));
    }

    // Each action, then the count, the list, its checked entries and the rows left in EOQ1 (7 shipped).
    void listing_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("stored");
        const QStringList skis = {"Skis | None | 12/3/2026 | (s,S) Policy: Reorder Point"}, none;
        const auto row = [](const char* name, const char* steps, const char* count, const QStringList& list,
                            const QList<int>& checked, int stored) {
            QTest::newRow(name) << QString(steps) << QString(count) << list << checked << stored;
        };
        row("EOQ", "list=1", "7", kEoqRows, {}, 7);
        row("(s,S)", "list=2", "1", skis, {}, 7);
        row("uniform", "list=3", "1", {"Christmas Tree | None | 11/16/2026 | Single Period: Uniform Demand"}, {}, 7);
        row("normal", "list=4", "1", {"Daily Newspaper | 6 | 11/30/2026 | Single Period: Normal Demand"}, {}, 7);
        row("From after the last", "list=1;from=2026-12-04", "0", none, {}, 7);
        row("From after To", "list=1;from=2026-12-08", "0", none, {}, 7);
        row("To earlier", "list=1;to=2026-11-20", "4", kEoqRows.mid(3), {}, 7);
        row("type picked", "list=1;pick=1", "1", skis, {}, 7);
        row("0 keeps the count", "list=1;list=0", "7", none, {}, 7);
        row("typed type, date", "list=2;type=EOQ;to=2026-12-06", "1", none, {}, 7);
        row("search", "list=1;search=Paper", "7", kEoqRows, {5, 6}, 7);
        row("search case", "list=1;search=paper", "7", kEoqRows, {}, 7);
        row("search blank", "list=1;search=Paper ", "7", kEoqRows, {}, 7);
        row("search keeps", "list=1;check=0;search=Cell Phone", "7", kEoqRows, {0, 3, 4}, 7);
        row("delete one", "list=1;check=5;delete", "6", kEoqRows.mid(0, 5) + kEoqRows.mid(6), {}, 6);
        row("delete three", "list=1;check=0;search=Cell Phone;delete", "4",
            {kEoqRows[1], kEoqRows[2], kEoqRows[5], kEoqRows[6]}, {}, 4);
        row("delete, same dates", "list=1;to=2026-11-27;check=0;delete", "4", kEoqRows.mid(3), {}, 6);
        row("delete unchecked", "list=1;delete", "7", kEoqRows, {}, 7);
        row("delete, typed text", "list=1;check=5;type=Other;delete", "7", kEoqRows, {5}, 7);
        row("delete, other table", "list=2;check=0;type=Reports from EOQ;delete", "1", none, {}, 7);
    }
    void listing() {
        QFETCH(QString, steps);
        QFETCH(QString, count);
        QFETCH(QStringList, list);
        QFETCH(QList<int>, checked);
        QFETCH(int, stored);
        run(*m_w, steps);
        QCOMPARE(text(*m_w, "lblCount"), count);
        QCOMPARE(rows(*m_w), list);
        QCOMPARE(checkedRows(*m_w), checked);
        QCOMPARE(rowsIn("EOQ1"), stored);
        QCOMPARE(rowsIn("s_S"), 3);
        QCOMPARE(m_t->notifier.texts(), QStringList{});
        // Every entry's texts show whole ("Printer Toner Cartridge"), none cut short.
        auto* view = static_cast<QAbstractItemView*>(m_w->findChild<QTreeView*>("ListView1"));
        for (int column = 0; column < 3; ++column)
            QVERIFY(view->sizeHintForColumn(column) <= static_cast<QTreeView*>(view)->columnWidth(column));
    }

    // Each action, then what the report output was asked: print or preview, the layout, the rows.
    void reports_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("records");
        const auto row = [](const char* name, const char* steps, const char* request, const QStringList& records) {
            QTest::newRow(name) << QString(steps) << QString(request) << records;
        };
        row("two Paper", "list=1;search=Paper;preview", "preview Eoq1", kTwoPaperRecords);
        row("print", "list=1;check=6;check=5;print", "print Eoq1", kTwoPaperRecords);
        row("models 1 2 3", "list=1;check=0;check=1;check=3;preview", "preview Eoq1",
            {"Cell Phone | Manufacturing: No Shortages | 40024.9223594996",
             "Printer Toner Cartridge | Purchasing: Shortages Allowed | 2779.87792459378",
             "Ballpoint Pens (dozen) | Purchasing: No Shortages | 7973.93876913398"});
        row("(s,S)", "list=2;check=0;print", "print SS",
            {"Skis | (s,S) Policy: Reorder Point | Uniform | 1251886.67496887"});
        row("uniform", "list=3;check=0;preview", "preview SingleP",
            {"Christmas Tree | Single Period: Uniform Demand | Uniform | 5609.75609756098"});
        row("normal", "list=4;check=0;preview", "preview SinglePN",
            {"Daily Newspaper | Single Period: Normal Demand | Normal | 46.9677874036848"});
        row("German dates", "locale=de;list=1;search=Paper;preview", "preview Eoq1", kTwoPaperRecords);
        row("nothing checked", "list=1;preview;print", "", {});
        row("empty list", "list=1;search=Paper;from=2026-12-04;preview", "", {});
        row("typed text", "list=1;search=Paper;type=Reports;preview", "", {});
    }
    void reports() {
        QFETCH(QString, steps);
        QFETCH(QString, request);
        QFETCH(QStringList, records);
        if (steps.startsWith("locale=de")) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        run(*m_w, steps.section(';', steps.startsWith("locale") ? 1 : 0));
        const QList<test::ReportRequest>& asked = m_t->reportOutput.requests;
        QCOMPARE(asked.size(), request.isEmpty() ? 0 : 1);
        if (request.isEmpty()) return;
        const QStringList layouts = {"Eoq1", "Eoq2", "Eoq3", "Eoq4", "SingleP", "SinglePN", "SS"};
        QCOMPARE(QString(asked[0].print ? "print " : "preview ") + layouts[int(asked[0].layout)], request);
        QCOMPARE(::records(asked[0]), records);
        QCOMPARE(rowsIn("EOQ1"), 7);
    }

    // Names with quotes, other scripts, and 10,000 characters are listed, found, printed and deleted whole.
    void awkwardNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophes") << "O'Brien's paper";
        QTest::newRow("quotes and wildcards") << "x' OR '1'='1\"; --%_";
        QTest::newRow("Unicode") << QString::fromUtf8("B\u00fcroklammern \u66f8 \u00e9t\u00e9 \U0001F4CE");
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'n'));
    }
    void awkwardNames() {
        QFETCH(QString, name);
        save(name);
        save(name.toUpper());  // same day and model, another spelling: never printed or deleted with it
        for (const QString& step : QStringList{"list=1", "search=" + name, "preview"})
            act(*m_w, step);
        QCOMPARE(listOf(*m_w).index(0, 0).data().toString(), name);
        QCOMPARE(checkedRows(*m_w), QList<int>{0});
        QCOMPARE(m_t->reportOutput.requests.at(0).rows.size(), 1);
        QCOMPARE(m_t->reportOutput.requests.at(0).rows.at(0).value("ItemName").toString(), name);
        run(*m_w, "delete");
        QCOMPARE(text(*m_w, "lblCount"), QString("8"));
        QCOMPARE(listOf(*m_w).index(0, 0).data().toString(), name.toUpper());
        QCOMPARE(rowsIn("EOQ1"), 8);
    }

    // The example calculated twice today: either entry prints both rows; Delete removes only the checked one.
    void twoIdenticalCalculations() {
        save("Paper");
        save("Paper");
        run(*m_w, "list=1;check=1;preview");
        QCOMPARE(m_t->reportOutput.requests.at(0).rows.size(), 2);
        const qlonglong kept = listOf(*m_w).index(0, 0).data(reports::ReportListModel::LogIdRole).toLongLong();
        QCOMPARE(listOf(*m_w).index(0, 0).data(reports::ReportListModel::IsoDateRole).toString(),
                 QString("2026-12-07"));
        run(*m_w, "delete");
        QCOMPARE(rowsIn("EOQ1", "Date = '2026-12-07'"), 1);
        QCOMPARE(rowsIn("EOQ1", QString("LogID = %1").arg(kept)), 1);
        QCOMPARE(rows(*m_w).mid(0, 2),
                 (QStringList{"Paper | None | 12/7/2026 | Purchasing: No Shortages", kEoqRows[0]}));
    }

    // Past 32,767 entries: search, Preview and Delete still act on every checked entry.
    void manyEntries() {
        m_t->cnn.execute(
            "INSERT INTO EOQ1 (Date, ItemName, ModelID, TotalCost) WITH RECURSIVE n(i) AS "
            "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 33000) "
            "SELECT '2026-12-05', 'Bulk', 1 + i % 2, i FROM n");
        run(*m_w, "list=1;search=Bulk;preview");
        QCOMPARE(text(*m_w, "lblCount"), QString("33007"));
        QCOMPARE(checkedRows(*m_w).size(), 33000);
        QCOMPARE(m_t->reportOutput.requests.at(0).rows.size(), 33000);
        run(*m_w, "check=33001;delete");
        QCOMPARE(text(*m_w, "lblCount"), QString("6"));
        QCOMPARE(rowsIn("EOQ1"), 6);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // A failure is shown as "Error Message"; nothing is deleted, the list and its marks stay.
    void failures_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("failure");  // closed, locked, trigger, output
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("listed");
        const auto row = [](const char* name, const char* steps, const char* failure, const char* message,
                            const char* count, int listed) {
            QTest::newRow(name) << QString(steps) << QString(failure) << QString(message) << QString(count) << listed;
        };
        const char* closed = "Operation is not allowed when the object is closed.";
        row("closed, list", "list=1", "closed", closed, "", 0);
        row("closed, delete", "list=1;check=0;delete", "closed", closed, "7", 7);
        row("closed, preview", "list=1;check=0;preview", "closed", closed, "7", 7);
        row("locked, delete", "list=1;search=Paper;delete", "locked", "database is locked", "7", 7);
        row("half deleted", "list=1;search=Paper;delete", "trigger", "kept for audit", "7", 7);
        row("report fails", "list=1;search=Paper;print", "output", "No printer", "7", 7);
        row("type 5", "list=1;list=5", "", "Invalid procedure call or argument", "7", 0);
    }
    void failures() {
        QFETCH(QString, steps);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QFETCH(QString, count);
        QFETCH(int, listed);
        data::Connection other;
        other.open(m_t->cnn.connectionString());
        if (failure == "trigger")
            other.execute(
                "CREATE TRIGGER Audit BEFORE DELETE ON EOQ1 WHEN old.ModelID = 2 "
                "BEGIN SELECT RAISE(ABORT, 'kept for audit'); END");
        if (failure == "output") m_t->reportOutput.failure = "No printer";
        const QString last = steps.section(';', -1);
        run(*m_w, steps.section(';', 0, -2));
        if (failure == "closed") m_t->cnn.close();
        if (failure == "locked") {
            m_t->cnn.execute("PRAGMA busy_timeout = 0");
            other.execute("BEGIN EXCLUSIVE");
        }
        const QList<int> marks = checkedRows(*m_w);
        run(*m_w, last);
        other.close();
        QCOMPARE(m_t->notifier.texts(), QStringList{message});
        QCOMPARE(m_t->notifier.last().title, QString("Error Message"));
        QCOMPARE(m_t->notifier.last().icon, platform::MsgIcon::Exclamation);
        QCOMPARE(text(*m_w, "lblCount"), count);
        QCOMPARE(listOf(*m_w).rowCount(), listed);
        if (listed) QCOMPARE(checkedRows(*m_w), marks);
        if (m_t->cnn.isOpen()) QCOMPARE(rowsIn("EOQ1"), 7);
        QVERIFY(m_t->reportOutput.requests.isEmpty());
    }

    // The Reports menu and the toolbar open the browser at the top left, listed, with a fixed border.
    void reportsMenuOpensTheBrowser() {
        m_w.reset();
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        shell::MainWindow main(m_t->ctx);
        main.show();
        main.menuAction("mnuRptEOQ")->trigger();
        auto* browser = qobject_cast<ReportBrowserWindow*>(m_t->registry.existing(widgets::WindowId::Report));
        QVERIFY(browser && browser->isVisible());
        QCOMPARE(text(*browser, "ComboReportType"), QString("Reports from EOQ Models"));
        QCOMPARE(text(*browser, "lblCount"), QString("7"));
        auto* sub = qobject_cast<QMdiSubWindow*>(browser->parentWidget());
        sub->move(40, 40);
        main.menuAction("mnuRptsSP")->trigger();
        QCOMPARE(sub->pos(), QPoint(0, 0));
        QCOMPARE(text(*browser, "lblCount"), QString("1"));
        QCOMPARE(sub->minimumSize(), sub->maximumSize());
        QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
        main.menuAction("Report")->trigger();
        QCOMPARE(text(*browser, "lblCount"), QString("7"));
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);  // the browser beside the start page's guidance
        QVERIFY(m_t->notifier.messages.isEmpty());
    }
};

TERVALO_QTEST_MAIN(ReportBrowserWindowTest)
#include "ReportBrowserWindowTest.moc"
