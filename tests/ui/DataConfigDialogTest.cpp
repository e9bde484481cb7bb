// frmDataConfig: what it shows from the settings and the demo choice, the
// focus colours and type phrases, the connection test, and what closing it
// saves and hands to the item card.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "data/ConnectionString.h"
#include "platform/SettingsStore.h"
#include "support/PostgresCluster.h"
#include "support/QtTestMain.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"
#include "warehouse/DataConfigDialog.h"
#include "warehouse/WarehouseWindows.h"
#include "widgets/ChildForms.h"

using namespace tervalo;
using warehouse::DataConfigDialog;
using warehouse::WriteBackTarget;

namespace {

// A main window whose "Use Demo database" is checked or not.
class MenuStateWindow : public QMainWindow, public widgets::MainWindowMenuState {
public:
    void setDataMenusEnabled(bool) override {}
    bool demoDatabaseChecked() const override { return demo; }
    bool demo = false;
};

const QStringList kDesign{"TableName", "Reorder Level", "UnitsToOrder", "ItemID", "Text", "Text", "Text"};
const QStringList kDemo{"Products", "ReorderLevel", "UnitsOnOrder", "ProductID", "Numeric", "Numeric", "Numeric"};
const QStringList kSaved{"Stock", "Min Level", "ToOrder", "SKU", "Numeric", "numeric", "Text"};
const QStringList kSettingKeys{
    "CnnString",     "Table", "ReorderLevel", "UnitsToOrder", "ItemID", "ReorderLevelDataType", "UnitsToOrderDataType",
    "ItemIDDataType"};

}  // namespace

class DataConfigDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    MenuStateWindow m_main;
    std::unique_ptr<DataConfigDialog> m_dlg;
    QList<WriteBackTarget> m_handed;
    QString m_programDir;
    std::unique_ptr<test::PostgresCluster> m_server;

    QLineEdit* box(const QString& name) { return m_dlg->findChild<QLineEdit*>(name); }
    QPlainTextEdit* cnnBox() { return m_dlg->findChild<QPlainTextEdit*>("txtCnnString"); }
    QComboBox* combo(int i) { return m_dlg->findChild<QComboBox*>(QString("ComboDataType_%1").arg(i)); }
    QLabel* phrase(int i) { return m_dlg->findChild<QLabel*>(QString("lblFieldName_%1").arg(i)); }
    QPushButton* button(const char* name) { return m_dlg->findChild<QPushButton*>(name); }
    QString sampleString() const { return data::ConnectionString::forFile(m_programDir, "NWRetail.mdb"); }

    // The seven texts after the connection string, then the three phrases.
    QStringList shown() {
        QStringList texts{box("txtTable")->text(), box("txtField")->text(), box("txtField1")->text(),
                          box("txtID")->text()};
        for (int i = 0; i < 3; ++i)
            texts << combo(i)->currentText();
        return texts;
    }
    QStringList phrases() { return {phrase(0)->text(), phrase(1)->text(), phrase(2)->text()}; }
    void save(const QStringList& values) {
        for (int i = 0; i < values.size(); ++i)
            m_t->settings.save("Database", kSettingKeys[i], values[i]);
    }
    QStringList saved() {
        QStringList values;
        for (const QString& key : kSettingKeys)
            values << m_t->settings.get("Database", key);
        return values;
    }
    void open() {
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    // The connection string for a row: a copy of the sample, a missing file, the server.
    QString cnnStringFor(const QString& kind) {
        if (kind == "sample") return sampleString();
        if (kind == "missing") return data::ConnectionString::forFile(m_programDir, "Gone.mdb");
        if (kind == "server") return m_server->connectionString();
        if (kind == "wrong password")
            return QString(m_server->connectionString()).replace(test::PostgresCluster::password(), "Wrong-Pw");
        return kind;
    }

private slots:
    void initTestCase() {
        m_programDir = test::tempProgramDir({"NWRetail.mdb"});
        m_server = std::make_unique<test::PostgresCluster>();
    }
    void cleanupTestCase() { m_server.reset(); }

    void init() {
        QFile::remove(platform::SettingsStore::fileName());
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_t->ctx.programDir = m_programDir;
        m_t->ctx.mainWindow = &m_main;
        m_main.demo = false;
        m_handed.clear();
        m_dlg = std::make_unique<DataConfigDialog>(m_t->ctx, [this](const WriteBackTarget& t) { m_handed << t; });
    }
    void cleanup() { m_dlg.reset(); }

    void formAsDesigned() {
        QCOMPARE(m_dlg->windowTitle(), QString("Update Database"));
        QCOMPARE(button("Command1")->text(), QString("&Test Connection"));
        QCOMPARE(button("Command2")->text(), QString("&Continue"));
        QCOMPARE(combo(0)->count(), 0);  // filled by loading
        open();
        QCOMPARE((QStringList{combo(1)->itemText(0), combo(1)->itemText(1)}), (QStringList{"Text", "Numeric"}));
        QVERIFY(combo(2)->isEditable());
        // Nothing is cut off: every label and button gets the room it asks for.
        for (QWidget* w : m_dlg->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w))
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
        QCOMPARE(m_dlg->minimumSize(), m_dlg->maximumSize());
    }

    void loading_data() {
        QTest::addColumn<QStringList>("stored");  // CnnString then the seven others
        QTest::addColumn<bool>("demo");
        QTest::addColumn<QString>("cnnString");  // "sample" or the text
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("phrases");
        const QStringList designPhrases{" of Reorder Level", " of UnitsToOrder", " of ItemID"};
        const QStringList demoPhrases{" of ReorderLevel", " of UnitsOnOrder", " of ProductID"};
        QTest::newRow("nothing saved") << QStringList() << false << "sample" << kDesign << designPhrases;
        QTest::newRow("saved") << QStringList{"Data Source=/x.db"} + kSaved << false << "Data Source=/x.db" << kSaved
                               << QStringList{" of Min Level", " of ToOrder", " of SKU"};
        QTest::newRow("saved empty") << QStringList{"", "", "", "", "", "", "", ""} << false << "sample" << kDesign
                                     << designPhrases;
        QTest::newRow("demo, nothing saved") << QStringList() << true << "sample" << kDemo << demoPhrases;
        QTest::newRow("demo over saved") << QStringList{"Data Source=/x.db"} + kSaved << true << "sample" << kDemo
                                         << demoPhrases;
    }
    void loading() {
        QFETCH(QStringList, stored);
        QFETCH(bool, demo);
        QFETCH(QString, cnnString);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, phrases);
        save(stored);
        m_main.demo = demo;
        open();
        QCOMPARE(cnnBox()->toPlainText(), cnnString == "sample" ? sampleString() : cnnString);
        QCOMPARE(shown(), texts);
        QCOMPARE(this->phrases(), phrases);
    }

    void focusColoursAndPhrases_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("phrases");
        const QString kept = " of Reorder Level", keptQty = " of UnitsToOrder", keptId = " of ItemID";
        QTest::newRow("reorder column") << "txtField"
                                        << "MinQty" << QStringList{" of MinQty", keptQty, keptId};
        QTest::newRow("order column") << "txtField1"
                                      << "Qty" << QStringList{kept, " of Qty", keptId};
        QTest::newRow("key column") << "txtID"
                                    << "Code" << QStringList{kept, keptQty, " of Code"};
        QTest::newRow("emptied keeps the phrase") << "txtField"
                                                  << "" << QStringList{kept, keptQty, keptId};
        QTest::newRow("table has no phrase") << "txtTable"
                                             << "Stock" << QStringList{kept, keptQty, keptId};
        QTest::newRow("connection string") << "txtCnnString"
                                           << "x" << QStringList{kept, keptQty, keptId};
    }
    void focusColoursAndPhrases() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QStringList, phrases);
        open();
        QApplication::setActiveWindow(m_dlg.get());
        QWidget* w = m_dlg->findChild<QWidget*>(name);
        w->setFocus();
        QCOMPARE(w->palette().color(QPalette::Base), QColor(Qt::yellow));
        if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(typed);
        else
            static_cast<QPlainTextEdit*>(w)->setPlainText(typed);
        // Typing alone leaves the phrases; leaving the box updates its own.
        QCOMPARE(this->phrases(), (QStringList{" of Reorder Level", " of UnitsToOrder", " of ItemID"}));
        combo(0)->setFocus();
        QCOMPARE(w->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(this->phrases(), phrases);
    }

    void testConnection_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");  // title: text
        QTest::newRow("sample file") << "sample"
                                     << "Connected: Connection successfull!";
        QTest::newRow("missing file") << "missing"
                                      << "Error Message: Could not find file '" + m_programDir + "/Gone.mdb'.";
        QTest::newRow("empty") << ""
                               << "Error Message: Data source name not found and no default driver specified.";
        QTest::newRow("server") << "server"
                                << "Connected: Connection successfull!";
    }
    void testConnection() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const bool server = kind.contains("server") || kind.contains("password");
        if (server && !m_server->missing().isEmpty())
            QSKIP(qPrintable("PostgreSQL is not installed: " + m_server->missing()));
        if (server) QVERIFY2(m_server->running(), qPrintable(m_server->failure()));
        open();
        cnnBox()->setPlainText(cnnStringFor(kind));
        button("Command1")->click();
        QCOMPARE(m_t->notifier.messages.size(), 1);
        QCOMPARE(m_t->notifier.last().title + ": " + m_t->notifier.last().text, message);
        QCOMPARE(m_t->notifier.last().icon, platform::MsgIcon::Exclamation);
        QVERIFY(!QFile::exists(m_programDir + "/Gone.mdb"));
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_handed.isEmpty());
    }

    void closing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("closeBox");  // else Continue
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Continue, working") << "sample" << false << QStringList();
        QTest::newRow("close box, working") << "sample" << true << QStringList{"Connection successfull!"};
        QTest::newRow("Continue, failing")
            << "missing" << false << QStringList{"Could not find file '" + m_programDir + "/Gone.mdb'."};
        QTest::newRow("close box, failing")
            << "missing" << true << QStringList{"Could not find file '" + m_programDir + "/Gone.mdb'."};
    }
    void closing() {
        QFETCH(QString, kind);
        QFETCH(bool, closeBox);
        QFETCH(QStringList, messages);
        open();
        cnnBox()->setPlainText(cnnStringFor(kind));
        box("txtTable")->setText("Stock");
        combo(1)->setCurrentText("numeric");
        if (closeBox)
            m_dlg->close();
        else
            button("Command2")->click();
        QCOMPARE(m_t->notifier.texts(), messages);
        // An error of the test leaves the last outcome (none yet: connected), so the window closes.
        QVERIFY(!m_dlg->isVisible());
        const WriteBackTarget expected{cnnStringFor(kind), "Stock", "Reorder Level", "UnitsToOrder",
                                       "ItemID",           "Text",  "numeric",       "Text"};
        QCOMPARE(m_handed.size(), 1);
        QVERIFY(m_handed[0] == expected);
        QCOMPARE(saved(), (QStringList{cnnStringFor(kind), "Stock", "Reorder Level", "UnitsToOrder", "ItemID", "Text",
                                       "numeric", "Text"}));
    }

    void demoValuesAreSavedOverTheUsersOnClose() {
        save(QStringList{"Data Source=/x.db"} + kSaved);
        m_main.demo = true;
        open();
        button("Command2")->click();
        QCOMPARE(saved(), QStringList{sampleString()} + kDemo);
        QCOMPARE(m_handed.size(), 1);
        QVERIFY(m_handed[0] == (WriteBackTarget{sampleString(), "Products", "ReorderLevel", "UnitsOnOrder", "ProductID",
                                                "Numeric", "Numeric", "Numeric"}));
        // Shown again, the window loads afresh.
        m_main.demo = false;
        open();
        QCOMPARE(shown(), kDemo);
    }

    void registeredWithTheWarehouse() {
        warehouse::registerWarehouseWindows(m_t->ctx);
        auto* dlg = qobject_cast<DataConfigDialog*>(m_t->registry.instance("frmDataConfig"));
        QVERIFY(dlg);
        QCOMPARE(dlg->objectName(), QString("frmDataConfig"));
    }
};

TERVALO_QTEST_MAIN(DataConfigDialogTest)
#include "DataConfigDialogTest.moc"
