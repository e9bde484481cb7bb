// frmDataSource: the saved choice picks the tab, choosing a source leaves only
// its tab usable, the sample and structure buttons, and the close-time
// question that saves the choice and runs the import on Yes.
#include <QComboBox>
#include <QFileSystemModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "data/SchemaRepository.h"
#include "support/QtTestMain.h"
#include "support/TestEnvironment.h"
#include "support/WarehouseRegistration.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/import/DataSourceDialog.h"
#include "warehouse/import/ImportData.h"
#include "warehouse/import/SampleFileViewer.h"

using namespace tervalo;
using platform::MsgIcon;
using platform::MsgResult;

class DataSourceDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    QPointer<warehouse::DataSourceDialog> m_dlg;
    QStringList m_imports;  // "DataType|DataPath" per call of the import hook

    // Opens the default instance as the item card does, with the hook recording.
    void open(bool recordImports = true) {
        m_dlg = m_t->registry.instanceAs<warehouse::DataSourceDialog>(widgets::WindowId::DataSource);
        if (recordImports)
            m_dlg->setImportHook([this](const QString& type, const QString& path) { m_imports << type + '|' + path; });
        m_dlg->createRS(data::SchemaRepository(m_t->cnn).allColumns());
        m_dlg->show();
    }
    template <class W>
    W* child(const QString& name) const {
        W* w = m_dlg->findChild<W*>(name);
        if (!w) qWarning("no control %s", qPrintable(name));
        return w;
    }
    void click(const QString& name) const { child<QAbstractButton>(name)->click(); }
    QTabWidget* tabs() const { return child<QTabWidget>("SSTab1"); }
    // The current tab, then which tabs are usable ("1011").
    QString tabState() const {
        QString usable;
        for (int i = 0; i < 4; ++i)
            usable += tabs()->isTabEnabled(i) ? '1' : '0';
        return QString::number(tabs()->currentIndex()) + ' ' + usable;
    }
    QStringList gridColumn(int column) const {
        QStringList texts;
        QAbstractItemModel* model = child<QTableView>("DataGrid1")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, column).data().toString();
        return texts;
    }
    void chooseFolder(int tab, const QString& path) const {
        auto* tree = child<QTreeView>(QString("Dir1_%1").arg(tab));
        tree->setCurrentIndex(static_cast<QFileSystemModel*>(tree->model())->index(path));
    }
    void plant(const QString& type, const QString& path) const {
        m_t->settings.save("DataSource", "DataType", type);
        m_t->settings.save("DataSource", "DataPath", path);
    }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>();
        m_t->ctx.programDir = test::databaseDir();
        test::registerWarehouse(m_t->ctx);
        plant("", "");
        m_imports.clear();
    }
    void cleanup() {
        delete m_dlg;
        m_t.reset();
    }

    void firstUseAsksWithNothing() {
        open();
        QCOMPARE(tabState(), QString("0 1111"));
        m_dlg->close();
        QCOMPARE(m_t->notifier.messages.size(), 1);
        const test::RecordedMessage& m = m_t->notifier.last();
        QCOMPARE(m.text, QString("You are importing data from  in the directory . Continue?"));
        QCOMPARE(m.title, platform::kProgramTitle);
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.buttons, platform::MsgButtons::YesNo);
        QCOMPARE(m.defaultButton, MsgResult::No);
        QCOMPARE(m_imports, QStringList{"|"});
        QTRY_VERIFY(!m_dlg);  // the window is gone
    }

    void closeSavesTheChoice_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saved");  // DataType|DataPath after the close; "@" the chosen folder
        QTest::addColumn<QStringList>("imports");
        QTest::newRow("text, No") << 0 << int(MsgResult::No) << "TextFile|@" << QStringList();
        QTest::newRow("text, Yes") << 0 << int(MsgResult::Yes) << "TextFile|@" << QStringList{"TextFile|@"};
        QTest::newRow("dBase, Yes") << 1 << int(MsgResult::Yes) << "dBaseFile|@" << QStringList{"dBaseFile|@"};
        QTest::newRow("Excel, No") << 2 << int(MsgResult::No) << "ExcelFile|@" << QStringList();
        QTest::newRow("other keeps the folder")
            << 3 << int(MsgResult::Yes) << "OtherFile|/old" << QStringList{"OtherFile|/old"};
    }
    void closeSavesTheChoice() {
        QFETCH(int, source);
        QFETCH(int, answer);
        QFETCH(QString, saved);
        QFETCH(QStringList, imports);
        QTemporaryDir folder;
        plant("", "/old");
        open();
        click(QString("Option1_%1").arg(source));
        if (source < 3) chooseFolder(source, folder.path());
        m_t->notifier.answers.enqueue(MsgResult(answer));
        m_dlg->close();
        saved.replace('@', folder.path());
        imports.replaceInStrings("@", folder.path());
        const QString type = saved.section('|', 0, 0), path = saved.section('|', 1);
        QCOMPARE(m_t->settings.get("DataSource", "DataType") + '|' + m_t->settings.get("DataSource", "DataPath"),
                 saved);
        QCOMPARE(m_t->notifier.last().text,
                 "You are importing data from " + type + " in the directory " + path + ". Continue?");
        QCOMPARE(m_imports, imports);
    }

    void reopenPicksTheTab_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<int>("source");  // -1: none chosen
        QTest::newRow("none") << ""
                              << "0 1111" << -1;
        QTest::newRow("case differs") << "textfile"
                                      << "0 1111" << -1;
        QTest::newRow("TextFile") << "TextFile"
                                  << "0 1000" << 0;
        QTest::newRow("dBaseFile") << "dBaseFile"
                                   << "1 0100" << 1;
        QTest::newRow("ExcelFile") << "ExcelFile"
                                   << "2 0010" << 2;
        QTest::newRow("OtherFile") << "OtherFile"
                                   << "3 0001" << 3;
    }
    void reopenPicksTheTab() {
        QFETCH(QString, saved);
        QFETCH(QString, tabs);
        QFETCH(int, source);
        plant(saved, "/saved/folder");
        open();
        QCOMPARE(tabState(), tabs);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(child<QRadioButton>(QString("Option1_%1").arg(i))->isChecked(), i == source);
        // The folder boxes start on the process's folder, not on the saved one.
        QCOMPARE(m_dlg->folderPath(0), QDir::currentPath());
        // The structure view opened before the schema rows came shows them.
        QCOMPARE(gridColumn(1).value(0), source == 3 ? QString("ItemID") : QString());
    }

    void structureShowsTheColumns_data() {
        QTest::addColumn<QString>("how");  // the option and button clicked
        QTest::addColumn<QStringList>("columns");
        const QStringList sales = QString("ItemID Year Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(' ');
        const QStringList items = QString(
                                      "ItemID Item UnitCost TimeUnit LeadTime HoldingCost ShortageCost "
                                      "ReorderPoint OrderQty SinglePeriod OrderCost")
                                      .split(' ');
        QTest::newRow("dBase tab, Sales") << "OptDBF_1 cmdSampleFile_1" << sales;
        QTest::newRow("dBase tab, no table") << "cmdSampleFile_1" << items;
        QTest::newRow("dBase source, Items") << "Option1_1 OptDBF_0 cmdSampleFile_1" << items;
        QTest::newRow("structure tab") << "Option1_3" << items;
        QTest::newRow("SalesWeekly then Items") << "Option1_3 OptTable_2 OptTable_0" << items;
        QStringList weeks{"ItemID", "Year"};
        for (int w = 1; w <= 52; ++w)
            weeks << QString("W%1").arg(w);
        QTest::newRow("SalesWeekly") << "Option1_3 OptTable_2" << weeks;
    }
    void structureShowsTheColumns() {
        QFETCH(QString, how);
        QFETCH(QStringList, columns);
        open();
        for (const QString& name : how.split(' '))
            click(name);
        QCOMPARE(tabs()->currentIndex(), 3);
        QCOMPARE(gridColumn(1), columns);
        QStringList positions;
        for (int i = 1; i <= columns.size(); ++i)
            positions << QString::number(i);
        QCOMPARE(gridColumn(2), positions);
    }

    void namingRules_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::newRow("text, weekly") << "optTextFile_2"
                                      << "For table SalesWeekly, the file name starts with SW, e.g., SWCarHonda.txt";
        QTest::newRow("Excel, weekly") << "optExcelFile_2"
                                       << "For table SalesWeekly, the file name starts with SW, e.g., SWCarHonda";
        QTest::newRow("text, Sales") << "optTextFile_1"
                                     << "For table Sales, the file name starts with SM, e.g.,SMCarHonda.txt";
    }
    void namingRules() {
        QFETCH(QString, option);
        QFETCH(QString, caption);
        open();
        QCOMPARE(child<QRadioButton>(option)->text(), caption);
    }

    void samples_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");  // "" for none
        QTest::addColumn<QString>("viewer");   // the viewer's title, "" for none
        const QString at = QDir::toNativeSeparators(test::databaseDir());
        QTest::newRow("Excel, Sales") << "Option1_2 optExcelFile_1 cmdSampleFile_2"
                                      << "The sample file is SMCarHonda.xcl at " + at + ". You can open it using Excel."
                                      << "";
        QTest::newRow("Excel, Items") << "optExcelFile_0 cmdSampleFile_2"
                                      << "The sample file is ITSCarHonda.xcl at " + at +
                                             ". You can open it using Excel."
                                      << "";
        QTest::newRow("Excel, weekly") << "optExcelFile_2 cmdSampleFile_2"
                                       << "The sample file is SWCarToyota.xcl at " + at +
                                              ". You can open it using Excel."
                                       << "";
        QTest::newRow("Excel, none") << "cmdSampleFile_2"
                                     << ""
                                     << "";
        QTest::newRow("text, none") << "cmdSampleFile_0"
                                    << ""
                                    << "";
        QTest::newRow("text, Items") << "optTextFile_0 cmdSampleFile_0"
                                     << ""
                                     << "ITSCarHonda.txt";
        QTest::newRow("back on the text tab: Items") << "Option1_1 Option1_0 cmdSampleFile_0"
                                                     << ""
                                                     << "ITSCarHonda.txt";
        QTest::newRow("text, Sales") << "optTextFile_1 cmdSampleFile_0"
                                     << ""
                                     << "SMCarHonda.txt";
        QTest::newRow("text, weekly") << "optTextFile_2 cmdSampleFile_0"
                                      << ""
                                      << "SWCarToyota.txt";
    }
    void samples() {
        QFETCH(QString, how);
        QFETCH(QString, message);
        QFETCH(QString, viewer);
        open();
        for (const QString& name : how.split(' '))
            click(name);
        QCOMPARE(m_t->notifier.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(m_t->notifier.last().title, QString("Excal sample file"));
            QCOMPARE(m_t->notifier.last().icon, MsgIcon::Exclamation);
        }
        auto* shown = m_dlg->findChild<warehouse::SampleFileViewer*>();
        QCOMPARE(shown ? shown->windowTitle() : QString(), viewer);
        if (shown) {
            QFile file(QDir(test::databaseDir()).filePath(viewer));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(shown->text(), QString::fromUtf8(file.readAll()).replace("\r\n", "\n"));
            QVERIFY(shown->findChild<QPlainTextEdit*>()->isReadOnly());
        }
    }

    void theProgramsImportOnClose_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("box");  // the box after the question
        QTest::newRow("OtherFile: the note only")
            << "OtherFile"
            << "/old"
            << "In the folder you installed this program, there is a MS Access database called \"dbWHouse\". Open "
               "this database to import data there.";
        QTest::newRow("unknown kind") << "textfile"
                                      << "/old"
                                      << "";
    }
    void theProgramsImportOnClose() {
        QFETCH(QString, type);
        QFETCH(QString, path);
        QFETCH(QString, box);
        plant(type, path);
        open(false);
        m_dlg->close();
        QStringList texts = m_t->notifier.texts();
        QCOMPARE(texts.takeFirst(),
                 "You are importing data from " + type + " in the directory " + path + ". Continue?");
        QCOMPARE(texts, box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(m_t->rowCount("Items"), 12);
    }

    // No folder reaches the import when none was ever saved with a kind.
    void theImportWithoutAFolder() {
        const import::ImportOutcome out = warehouse::importData(m_t->ctx, nullptr, "TextFile", "");
        QCOMPARE(out.status, import::ImportStatus::FolderUnreadable);
        QCOMPARE(m_t->notifier.texts(), QStringList{"No folder was chosen for the import. Nothing was imported."});
        QCOMPARE(m_t->notifier.last().title, QString("Import External Data"));
        QCOMPARE(m_t->rowCount("Items"), 12);
    }

    void aDriveThatCannotBeOpened() {
        open();
        QTemporaryDir folder;
        chooseFolder(0, folder.path());
        auto* drive = child<QComboBox>("Drive1_0");
        drive->addItem("/no/such/drive");
        drive->setCurrentIndex(drive->count() - 1);
        QCOMPARE(m_t->notifier.texts(), QStringList{"Device unavailable"});
        QCOMPARE(m_t->notifier.last().title, platform::kProgramTitle);
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QCOMPARE(m_dlg->folderPath(0), folder.path());
        QCOMPARE(drive->currentText(), QString("/no/such/drive"));
    }

    void theFileBoxListsTheFolder() {
        open();
        QTemporaryDir folder;
        for (const char* name : {"b.txt", "ITSa.txt", "SMc.xls"}) {
            QFile f(QDir(folder.path()).filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        chooseFolder(1, folder.path());
        auto* files = child<QListWidget>("File1_1");
        QStringList names;
        for (int i = 0; i < files->count(); ++i)
            names << files->item(i)->text();
        QCOMPARE(names, (QStringList{"ITSa.txt", "SMc.xls", "b.txt"}));
    }
};

TERVALO_QTEST_MAIN(DataSourceDialogTest)
#include "DataSourceDialogTest.moc"
