// The rich-text document windows and the document actions of the File menu:
// numbered new documents, Open, Save, Save As, the question before changes are
// lost, and File > Open on a model window. The toolbar following the
// selection, Print to PDF, and Cut, Copy and Paste with RTF on the clipboard
// are in DocumentWindowEditingTest.cpp.
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "DocumentWindowFixture.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "shell/MainWindow.h"
#include "shell/documents/DocumentWindow.h"
#include "support/FullDisk.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using shell::DocumentWindow;
using shell::MainWindow;

namespace {

const QString kNoObject = "Object variable or With block variable not set";
const QString kNoSupport = "Object doesn't support this property or method";
const QString kNotAvailable = "This window is not available in this version of Tervalo.";

QString question(const QString& caption) { return "Do you want to save the changes to " + caption + "?"; }

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// The plain text of an RTF file as the reader gives it back.
QString rtfText(const QByteArray& rtf) {
    QTextDocument doc;
    rtf::RtfReader::read(rtf, &doc);
    return doc.toPlainText();
}

}  // namespace

class DocumentWindowTest : public QObject, private test::DocumentWindowFixture {
    Q_OBJECT

private slots:
    void init() { startFresh(); }
    void cleanup() { m_t.reset(); }

    // --- new documents
    void newThreeTimesNumbersTheDocuments() {
        auto w = makeWindow();
        click(*w, "New");
        click(*w, "New");
        click(*w, "New");
        QCOMPARE(captions(*w), (QStringList{"Document 1", "Document 2", "Document 3"}));
        QCOMPARE(active(*w)->windowTitle(), QString("Document 3"));
        QCOMPARE(active(*w)->objectName(), QString("frmDocument"));
        QVERIFY(activeBox(*w));
        click(*w, "mnuWindowNewWindow");
        click(*w, "mnuFileNew");
        QCOMPARE(captions(*w).mid(3), (QStringList{"Document 4", "Document 5"}));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void documentActionsAreAllAvailable_data() {
        QTest::addColumn<QString>("item");
        for (const char* item : {"New", "Open", "Save", "Print", "Cut", "Copy", "Paste", "mnuFileNew", "mnuFileOpen",
                                 "mnuFileSave", "mnuFileSaveAs", "mnuFilePageSetup", "mnuFilePrint", "mnuEditCut",
                                 "mnuEditCopy", "mnuEditPaste", "mnuWindowNewWindow"})
            QTest::newRow(item) << QString(item);
    }
    void documentActionsAreAllAvailable() {
        QFETCH(QString, item);
        auto w = makeWindow();
        click(*w, "New");
        click(*w, item);
        QVERIFY(!m_t->notifier.texts().contains(kNotAvailable));
    }

    // The box sits 100 twips inside the window and wraps 400 twips before its right edge.
    void richTextBoxKeepsItsTwipsMargins() {
        DocumentWindow doc;
        doc.show();
        doc.resize(400, 300);  // 6000 x 4500 twips
        QTextEdit* box = doc.richText();
        QCOMPARE(box->objectName(), QString("rtfText"));
        QCOMPARE(box->geometry(), QRect(7, 7, 387, 287));  // 5800 x 4300 twips
        QCOMPARE(box->lineWrapMode(), QTextEdit::FixedPixelWidth);
        QCOMPARE(box->lineWrapColumnOrWidth(), 360);  // 5400 twips
        doc.resize(5, 5);                             // too small for the margins: an empty box
        QCOMPARE(box->geometry().size(), QSize(0, 0));
    }

    // --- Open
    void openWithNoWindowLoadsIntoDocument1() {
        writeFile(path("a.rtf"), "{\\rtf1\\ansi {\\b Bold} text\\par second}");
        m_dialogs.fileNames << path("a.rtf");
        auto w = makeWindow();
        click(*w, "Open");
        QCOMPARE(m_dialogs.asked, QStringList{"Open"});
        QCOMPARE(captions(*w), QStringList{path("a.rtf")});
        QCOMPARE(activeBox(*w)->toPlainText(), QString("Bold text\nsecond"));
        QVERIFY(!activeBox(*w)->document()->isModified());
        click(*w, "New");
        QCOMPARE(active(*w)->windowTitle(), QString("Document 2"));  // the opened window took number 1
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void fileNotBeginningWithRtfOpensAsPlainText_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("Hello\nWorld") << "Hello\nWorld";
        QTest::newRow("blank before") << QByteArray(" {\\rtf1 {\\b x}}") << " {\\rtf1 {\\b x}}";
        QTest::newRow("rtf") << QByteArray("{\\rtf1 {\\b x}}") << "x";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void fileNotBeginningWithRtfOpensAsPlainText() {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        writeFile(path("f.txt"), content);
        m_dialogs.fileNames << path("f.txt");
        auto w = makeWindow();
        click(*w, "mnuFileOpen");
        QCOMPARE(activeBox(*w)->toPlainText(), text);
    }

    // A failure is its description once, no icon; the window keeps its text and caption.
    void unreadableOrUnwritableFileIsReportedOnce_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QString notSaved = "The file <dir>/%1 could not be saved: %2.";
        // clang-format off
        QTest::newRow("open missing") << "Open" << "missing.rtf" << "File not found";
        QTest::newRow("open folder") << "Open" << "folder" << "Path/File access error";
        QTest::newRow("save into missing folder") << "Save" << "nowhere/x.rtf" << notSaved.arg("nowhere/x.rtf", "the folder does not exist");
        QTest::newRow("save onto folder") << "Save" << "folder" << notSaved.arg("folder", "it is a folder");
        QTest::newRow("save as into missing folder") << "mnuFileSaveAs" << "nowhere/x.rtf" << notSaved.arg("nowhere/x.rtf", "the folder does not exist");
        QTest::newRow("save onto a full disk") << "Save" << "<full>" << "The file <full> could not be saved: the disk is full.";
        QTest::newRow("save into a folder not the user's") << "Save" << "locked/x.rtf" << notSaved.arg("locked/x.rtf", "you have no permission to write there");
        // clang-format on
    }
    void unreadableOrUnwritableFileIsReportedOnce() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QVERIFY(QDir(m_dir->path()).mkpath("folder"));
        auto w = makeWindow();
        click(*w, "New");
        activeBox(*w)->insertPlainText("kept");  // changed, yet a file that cannot be read asks nothing
        const QString target = file == "<full>" ? test::fullDiskFile(m_dir->path()) : path(file);
        m_dialogs.fileNames << target;
        const bool locked = file.startsWith("locked");
        if (locked) {  // a folder and file of root's, or ones their owner may not write: the old file stays
            QVERIFY(QDir(m_dir->path()).mkpath("locked"));
            writeFile(path(file), "old");
            QVERIFY(QFile::setPermissions(path(file), QFile::ReadOwner));
            QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
        }
        {
            std::optional<test::AsAnotherUser> other;
            if (locked) other.emplace();
            click(*w, action);
        }
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(m_t->notifier.texts(), QStringList{message.replace("<dir>", m_dir->path()).replace("<full>", target)});
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QCOMPARE(captions(*w), QStringList{"Document 1"});
        QCOMPARE(activeBox(*w)->toPlainText(), QString("kept"));
        if (locked) QCOMPARE(fileBytes(path(file)), QByteArray("old"));
    }

    // --- Save and Save As
    void saveOnADocumentAsksEachTimeAndOnAPathWritesSilently() {
        auto w = makeWindow();
        click(*w, "New");
        click(*w, "New");
        activeBox(*w)->setPlainText("first");
        m_dialogs.fileNames << path("one.rtf") << path("two.rtf");
        click(*w, "Save");
        QCOMPARE(rtfText(fileBytes(path("one.rtf"))), QString("first"));
        activeBox(*w)->setPlainText("second");
        click(*w, "Save");
        QCOMPARE(m_dialogs.asked, (QStringList{"Save", "Save"}));
        QCOMPARE(rtfText(fileBytes(path("two.rtf"))), QString("second"));
        QCOMPARE(active(*w)->windowTitle(), QString("Document 2"));
        m_dialogs.fileNames << path("three.rtf");
        click(*w, "mnuFileSaveAs");
        QCOMPARE(active(*w)->windowTitle(), path("three.rtf"));
        activeBox(*w)->setPlainText("third");
        click(*w, "Save");
        QCOMPARE(m_dialogs.asked, (QStringList{"Save", "Save", "Save As"}));
        QCOMPARE(rtfText(fileBytes(path("three.rtf"))), QString("third"));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // A 2 MB disk with 100 KB free holds a 100 KB letter: 300 KB saved over it keep the letter.
    void saveOnAFullDiskKeepsTheOldFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("the user's folder") << ".";
        QTest::newRow("a folder the user may not write") << "locked";  // written in place, then put back
    }
    void saveOnAFullDiskKeepsTheOldFile() {
        QFETCH(QString, folder);
        const test::SmallDisk disk(m_dir->path(), 2048);
        if (!disk.whyNot().isEmpty()) QSKIP(qPrintable(disk.whyNot()));
        QVERIFY(QDir(m_dir->path()).mkpath(folder));
        const QString letterFile = QDir::cleanPath(path(folder + "/letter.rtf"));
        const QByteArray letter(100 * 1024, 'o');
        writeFile(letterFile, letter);
        writeFile(path("filler"), QByteArray(1848 * 1024, 'f'));
        auto w = makeWindow();
        m_dialogs.fileNames << letterFile;
        click(*w, "mnuFileOpen");
        activeBox(*w)->setPlainText(QString(QString(79, 'n') + "\n").repeated(3840));
        {
            std::optional<test::UnwritableFolder> locked;
            if (folder != ".") QVERIFY(locked.emplace(path(folder), letterFile).ready());
            click(*w, "Save");
        }
        QCOMPARE(m_t->notifier.texts(),
                 QStringList{"The file " + letterFile + " could not be saved: the disk is full."});
        QCOMPARE(fileBytes(letterFile).size(), letter.size());
        QVERIFY(fileBytes(letterFile) == letter);
    }

    void saveWithNoWindowReportsIt() {
        auto w = makeWindow();
        click(*w, "Save");
        click(*w, "mnuFileSaveAs");  // Save As with no window does nothing
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoObject});
        QVERIFY(m_dialogs.asked.isEmpty());
    }

    // A cancelled dialog does nothing: never the file name given before.
    void cancelledDialogDoesNothing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Open") << "Open"
                              << "earlier";
        QTest::newRow("Save") << "Save"
                              << "Document 1";
        QTest::newRow("Save As") << "mnuFileSaveAs"
                                 << "earlier";
    }
    void cancelledDialogDoesNothing() {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        auto w = makeWindow();
        click(*w, "New");
        activeBox(*w)->setPlainText("before");
        m_dialogs.fileNames << path("earlier");
        click(*w, action == "Save" ? "Save" : "mnuFileSaveAs");
        const QByteArray written = fileBytes(path("earlier"));
        if (action != "Save") active(*w)->setWindowTitle("earlier");  // back to a name that is not a path
        activeBox(*w)->setPlainText("after");
        click(*w, action);  // nothing scripted: cancelled
        QCOMPARE(fileBytes(path("earlier")), written);
        QCOMPARE(active(*w)->windowTitle(), caption);
        QCOMPARE(activeBox(*w)->toPlainText(), QString("after"));
        QCOMPARE(captions(*w).size(), 1);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- nothing typed is lost unasked
    void closingAChangedDocumentAsks_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << MsgResult::Yes << true << true;
        QTest::newRow("no") << MsgResult::No << true << false;
        QTest::newRow("cancel") << MsgResult::Cancel << false << false;
    }
    void closingAChangedDocumentAsks() {
        QFETCH(MsgResult, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        auto w = makeWindow();
        click(*w, "New");
        activeBox(*w)->insertPlainText("typed");
        QPointer<QMdiSubWindow> sub = w->mdiArea()->currentSubWindow();
        m_t->notifier.answers << answer;
        m_dialogs.fileNames << path("closed.rtf");
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_t->notifier.texts(), QStringList{question("Document 1")});
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::Exclamation);
        QCOMPARE(m_t->notifier.last().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QCOMPARE(sub.isNull(), closed);
        QCOMPARE(QFile::exists(path("closed.rtf")), saved);
        if (saved) QCOMPARE(rtfText(fileBytes(path("closed.rtf"))), QString("typed"));
    }

    void closingAnUnchangedDocumentOrCancellingItsSaveDialog() {
        auto w = makeWindow();
        click(*w, "New");
        QPointer<QMdiSubWindow> sub = w->mdiArea()->currentSubWindow();
        activeBox(*w)->insertPlainText("typed");
        m_t->notifier.answers << MsgResult::Yes;  // but the Save dialog is cancelled
        sub->close();
        QVERIFY(sub && sub->isVisible());
        QCOMPARE(m_dialogs.asked, QStringList{"Save"});
        m_dialogs.fileNames << path("kept.rtf");
        click(*w, "Save");
        m_t->notifier.clear();
        sub->close();  // saved: closes without asking
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(sub.isNull());
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void openIntoAChangedDocumentAsksFirst() {
        writeFile(path("in.rtf"), "{\\rtf1 loaded}");
        auto w = makeWindow();
        click(*w, "New");
        activeBox(*w)->insertPlainText("typed");
        m_dialogs.fileNames << path("in.rtf");
        m_t->notifier.answers << MsgResult::Cancel;
        click(*w, "Open");
        QCOMPARE(m_t->notifier.texts(), QStringList{question("Document 1")});
        QCOMPARE(activeBox(*w)->toPlainText(), QString("typed"));
        m_dialogs.fileNames << path("in.rtf") << path("typed.rtf");
        m_t->notifier.answers << MsgResult::Yes;
        click(*w, "Open");
        QCOMPARE(rtfText(fileBytes(path("typed.rtf"))), QString("typed"));
        QCOMPARE(activeBox(*w)->toPlainText(), QString("loaded"));
        QCOMPARE(active(*w)->windowTitle(), path("in.rtf"));
        QCOMPARE(m_dialogs.asked, (QStringList{"Open", "Open", "Save"}));
    }

    void exitWithChangedDocumentsAsksForEach() {
        auto w = makeWindow();
        QSignalSpy unloaded(w.get(), &MainWindow::unloaded);
        click(*w, "New");
        activeBox(*w)->insertPlainText("one");
        click(*w, "New");  // unchanged: not asked about
        click(*w, "New");
        activeBox(*w)->insertPlainText("three");
        m_t->notifier.answers << MsgResult::No << MsgResult::Cancel;
        click(*w, "mnuFileExit");
        QCOMPARE(m_t->notifier.texts(), (QStringList{question("Document 1"), question("Document 3")}));
        QCOMPARE(unloaded.count(), 0);
        QVERIFY(w->isVisible());
        QCOMPARE(captions(*w).size(), 3);
        m_t->notifier.clear();
        m_t->notifier.answers << MsgResult::No << MsgResult::No;
        click(*w, "mnuFileExit");
        QCOMPARE(m_t->notifier.messages.size(), 2);
        QCOMPARE(unloaded.count(), 1);
    }

    // --- File > Open on a model window
    void openOnAModelWindowReportsOnceAndChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "mnuFileOpen";
        QTest::newRow("Ctrl+O") << "Ctrl+O";
        QTest::newRow("toolbar") << "Open";
    }
    void openOnAModelWindowReportsOnceAndChangesNothing() {
        QFETCH(QString, how);
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] {
            auto* model = new QWidget;
            model->setWindowTitle("Purchasing Model");
            return model;
        });
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        m_dialogs.fileNames << path("never.rtf");
        if (how == "Ctrl+O")
            QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
        else
            click(*w, how);
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoSupport});
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QVERIFY(m_dialogs.asked.isEmpty());
        QCOMPARE(captions(*w), QStringList{"Purchasing Model"});
    }
};

TERVALO_QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
