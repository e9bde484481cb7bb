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
#include "support/WarehouseRegistration.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/runs/DataConfigDialog.h"
#include "widgets/ChildForms.h"

using namespace tervalo;
using namespace Qt::StringLiterals;
using jobs::WriteBackTarget;
using warehouse::DataConfigDialog;

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
const QStringList kDesignPhrases{" of Reorder Level", " of UnitsToOrder", " of ItemID"};

QStringList listOf(const WriteBackTarget& t) {
    return {t.cnnString, t.tableName, t.reorderLevelName, t.orderQtyName, t.idName, t.levelType, t.qtyType, t.idType};
}

}  // namespace

class DataConfigDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    MenuStateWindow m_main;
    std::unique_ptr<DataConfigDialog> m_dlg;
    QList<QStringList> m_handed;
    QString m_programDir = test::tempProgramDir({"NWRetail.mdb"});
    test::PostgresCluster m_server;

    template <class W = QWidget>
    W* child(const QString& name) {
        return m_dlg->findChild<W*>(name);
    }
    QPlainTextEdit* cnnBox() { return child<QPlainTextEdit>("txtCnnString"); }
    QComboBox* combo(int i) { return child<QComboBox>(QString("ComboDataType_%1").arg(i)); }
    QStringList phrases() {
        QStringList texts;
        for (int i = 0; i < 3; ++i)
            texts << child<QLabel>(QString("lblFieldName_%1").arg(i))->text();
        return texts;
    }
    // The four names and the three types as shown.
    QStringList shown() {
        QStringList texts;
        for (const char* name : {"txtTable", "txtField", "txtField1", "txtID"})
            texts << child<QLineEdit>(name)->text();
        for (int i = 0; i < 3; ++i)
            texts << combo(i)->currentText();
        return texts;
    }
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
    // The connection string a row names: the sample, a missing file, the server, or the text itself.
    QString cnnStringFor(const QString& kind) {
        if (kind == "sample") return data::ConnectionString::forFile(m_programDir, "NWRetail.mdb");
        if (kind == "missing") return data::ConnectionString::forFile(m_programDir, "Gone.mdb");
        if (kind == "server") return m_server.connectionString();
        if (kind == "server, wrong password")
            return QString(m_server.connectionString()).replace(test::PostgresCluster::password(), "Wrong-Pw");
        return kind;
    }

private slots:
    void init() {
        QFile::remove(platform::SettingsStore::fileName());
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_t->ctx.programDir = m_programDir;
        m_t->ctx.mainWindow = &m_main;
        m_main.demo = false;
        m_handed.clear();
        m_dlg =
            std::make_unique<DataConfigDialog>(m_t->ctx, [this](const WriteBackTarget& t) { m_handed << listOf(t); });
    }
    void cleanup() { m_dlg.reset(); }

    void formAsDesigned() {
        QCOMPARE(m_dlg->windowTitle(), QString("Update Database"));
        QCOMPARE(child<QPushButton>("Command1")->text() + child<QPushButton>("Command2")->text(),
                 QString("&Test Connection&Continue"));
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
        QTest::addColumn<QString>("cnnString");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("phrases");
        const QStringList user = QStringList{"Data Source=/x.db"} + kSaved;
        const QStringList demoPhrases{" of ReorderLevel", " of UnitsOnOrder", " of ProductID"};
        QTest::newRow("nothing saved") << QStringList() << false << "sample" << kDesign << kDesignPhrases;
        QTest::newRow("saved") << user << false << "Data Source=/x.db" << kSaved
                               << QStringList{" of Min Level", " of ToOrder", " of SKU"};
        QTest::newRow("saved empty") << QStringList(8, "") << false << "sample" << kDesign << kDesignPhrases;
        QTest::newRow("demo, nothing saved") << QStringList() << true << "sample" << kDemo << demoPhrases;
        QTest::newRow("demo over saved") << user << true << "sample" << kDemo << demoPhrases;
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
        QCOMPARE(cnnBox()->toPlainText(), cnnStringFor(cnnString));
        QCOMPARE(shown(), texts);
        QCOMPARE(this->phrases(), phrases);
    }

    void focusColoursAndPhrases_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("phrases");  // after leaving the box
        const QStringList& kept = kDesignPhrases;
        QTest::newRow("reorder column") << u"txtField"_s << "MinQty" << QStringList{" of MinQty", kept[1], kept[2]};
        QTest::newRow("order column") << u"txtField1"_s << "Qty" << QStringList{kept[0], " of Qty", kept[2]};
        QTest::newRow("key column") << u"txtID"_s << "Code" << QStringList{kept[0], kept[1], " of Code"};
        QTest::newRow("emptied keeps the phrase") << u"txtField"_s << "" << kept;
        QTest::newRow("table has no phrase") << u"txtTable"_s << "Stock" << kept;
        QTest::newRow("connection string") << u"txtCnnString"_s << "x" << kept;
    }
    void focusColoursAndPhrases() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QStringList, phrases);
        open();
        QApplication::setActiveWindow(m_dlg.get());
        QWidget* w = child(name);
        w->setFocus();
        QCOMPARE(w->palette().color(QPalette::Base), QColor(Qt::yellow));
        if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(typed);
        else
            static_cast<QPlainTextEdit*>(w)->setPlainText(typed);
        QCOMPARE(this->phrases(), kDesignPhrases);  // typing alone changes no phrase
        combo(0)->setFocus();
        QCOMPARE(w->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(this->phrases(), phrases);
    }

    void testConnection_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");  // title: text
        const QString error = "Error Message: ";
        QTest::newRow("sample file") << u"sample"_s << "Connected: Connection successfull!";
        QTest::newRow("missing file") << u"missing"_s << error + "Could not find file '" + m_programDir + "/Gone.mdb'.";
        QTest::newRow("empty") << u""_s << error + "Data source name not found and no default driver specified.";
        QTest::newRow("server") << u"server"_s << "Connected: Connection successfull!";
        QTest::newRow("server, wrong password")
            << u"server, wrong password"_s
            << error + QString(
                           "Could not open the database 'postgres' on '127.0.0.1': connection to server at "
                           "\"127.0.0.1\", port %1 failed: FATAL:  password authentication failed for user "
                           "\"tervalo\"")
                           .arg(m_server.port());
    }
    void testConnection() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        if (kind.startsWith("server") && !m_server.missing().isEmpty())
            QSKIP(qPrintable("PostgreSQL is not installed: " + m_server.missing()));
        if (kind.startsWith("server")) QVERIFY2(m_server.running(), qPrintable(m_server.failure()));
        open();
        cnnBox()->setPlainText(cnnStringFor(kind));
        child<QPushButton>("Command1")->click();
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
        const QStringList missing{"Could not find file '" + m_programDir + "/Gone.mdb'."};
        QTest::newRow("Continue, working") << u"sample"_s << false << QStringList();
        QTest::newRow("close box, working") << u"sample"_s << true << QStringList{"Connection successfull!"};
        // A test that ends in an error leaves the last outcome (connected), so the window closes.
        QTest::newRow("Continue, failing") << u"missing"_s << false << missing;
        QTest::newRow("close box, failing") << u"missing"_s << true << missing;
    }
    void closing() {
        QFETCH(QString, kind);
        QFETCH(bool, closeBox);
        QFETCH(QStringList, messages);
        open();
        cnnBox()->setPlainText(cnnStringFor(kind));
        child<QLineEdit>("txtTable")->setText("Stock");
        combo(1)->setCurrentText("numeric");
        if (closeBox)
            m_dlg->close();
        else
            child<QPushButton>("Command2")->click();
        QCOMPARE(m_t->notifier.texts(), messages);
        QVERIFY(!m_dlg->isVisible());
        const QStringList values{cnnStringFor(kind), "Stock", "Reorder Level", "UnitsToOrder",
                                 "ItemID",           "Text",  "numeric",       "Text"};
        QCOMPARE(m_handed, QList<QStringList>{values});
        QCOMPARE(saved(), values);
    }

    void demoValuesAreSavedOverTheUsersOnClose() {
        save(QStringList{"Data Source=/x.db"} + kSaved);
        m_main.demo = true;
        open();
        child<QPushButton>("Command2")->click();
        const QStringList demo = QStringList{cnnStringFor("sample")} + kDemo;
        QCOMPARE(saved(), demo);
        QCOMPARE(m_handed, QList<QStringList>{demo});
        m_main.demo = false;  // shown again, the window loads afresh
        open();
        QCOMPARE(shown(), kDemo);
    }

    void registeredWithTheWarehouse() {
        test::registerWarehouse(m_t->ctx);
        QVERIFY(qobject_cast<DataConfigDialog*>(m_t->registry.instance(widgets::WindowId::DataConfig)));
    }
};

TERVALO_QTEST_MAIN(DataConfigDialogTest)
#include "DataConfigDialogTest.moc"
