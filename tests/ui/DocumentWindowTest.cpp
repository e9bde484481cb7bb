// The rich-text document windows and the document actions of the File and
// Edit menus and the toolbar: numbered new documents, Open, Save, Save As,
// Print to PDF, Cut, Copy and Paste with RTF on the clipboard, the toolbar
// following the selection, and the question before changes are lost.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "ScriptedDocumentDialogs.h"
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
    platform::RtfReader::read(rtf, &doc);
    return doc.toPlainText();
}

// "Hello " then a bold "world".
void typeHelloBoldWorld(QTextEdit* box) {
    QTextCursor c(box->document());
    c.insertText("Hello ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText("world", bold);
}

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestContext> m_t;
    test::ScriptedDocumentDialogs m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;

    std::unique_ptr<MainWindow> makeWindow() {
        auto w = std::make_unique<MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = w.get();
        w->setDocumentDialogs(&m_dialogs);
        w->resize(900, 700);
        w->show();
        return w;
    }
    static void click(MainWindow& w, const QString& name) {
        QAction* a = w.menuAction(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }
    static QStringList captions(MainWindow& w) {
        QStringList out;
        // The document windows: the guidance window beside the panel is none.
        for (QMdiSubWindow* sub : w.mdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (sub->widget()->objectName() != QLatin1String("frmStarting")) out << sub->widget()->windowTitle();
        return out;
    }
    static QWidget* active(MainWindow& w) {
        QMdiSubWindow* sub = w.mdiArea()->currentSubWindow();
        return sub ? sub->widget() : nullptr;
    }
    static QTextEdit* activeBox(MainWindow& w) {
        QWidget* doc = active(w);
        return doc ? doc->findChild<QTextEdit*>("rtfText") : nullptr;
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>(false);
        m_dialogs = test::ScriptedDocumentDialogs();
        m_dir = std::make_unique<QTemporaryDir>();
    }
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
        if (locked) {  // a folder of root's, or one its owner may not write: the old file stays
            QVERIFY(QDir(m_dir->path()).mkpath("locked"));
            writeFile(path(file), "old");
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
    void saveOnAFullDiskKeepsTheOldFile() {
        const test::SmallDisk disk(m_dir->path(), 2048);
        if (!disk.whyNot().isEmpty()) QSKIP(qPrintable(disk.whyNot()));
        const QByteArray letter(100 * 1024, 'o');
        writeFile(path("letter.rtf"), letter);
        writeFile(path("filler"), QByteArray(1848 * 1024, 'f'));
        auto w = makeWindow();
        m_dialogs.fileNames << path("letter.rtf");
        click(*w, "mnuFileOpen");
        activeBox(*w)->setPlainText(QString(QString(79, 'n') + "\n").repeated(3840));
        click(*w, "Save");
        QCOMPARE(m_t->notifier.texts(),
                 QStringList{"The file " + path("letter.rtf") + " could not be saved: the disk is full."});
        QCOMPARE(fileBytes(path("letter.rtf")).size(), letter.size());
        QVERIFY(fileBytes(path("letter.rtf")) == letter);
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

    // --- the toolbar follows the selection
    void boldSelectionPressesBoldAndPlainTextReleasesIt() {
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        typeHelloBoldWorld(box);
        QTextCursor c(box->document());
        c.setPosition(6);
        c.setPosition(11, QTextCursor::KeepAnchor);
        box->setTextCursor(c);
        QVERIFY(w->menuAction("Bold")->isChecked());
        c.setPosition(3);
        box->setTextCursor(c);
        QVERIFY(!w->menuAction("Bold")->isChecked());
        click(*w, "Bold");  // the button makes the selection bold and shows it
        box->insertPlainText("x");
        QVERIFY(w->menuAction("Bold")->isChecked());
        QCOMPARE(box->document()->begin().begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
    }

    // Ctrl+B, Ctrl+I, Ctrl+U typed into a document act as the toolbar's buttons on the selection; again, undo it.
    void formatKeysActOnTheSelection_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << "Bold";
        QTest::newRow("Ctrl+I") << int(Qt::Key_I) << "Italic";
        QTest::newRow("Ctrl+U") << int(Qt::Key_U) << "Underline";
    }
    void formatKeysActOnTheSelection() {
        QFETCH(int, key);
        QFETCH(QString, button);
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        click(*w, "New");
        QTest::keyClicks(QApplication::focusWidget(), "Hello");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        for (const bool on : {true, false}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
            const QTextCharFormat f = activeBox(*w)->textCursor().charFormat();
            const QList<bool> formats{f.fontWeight() > QFont::Normal, f.fontItalic(), f.fontUnderline()};
            QCOMPARE(formats, (QList<bool>{on && key == Qt::Key_B, on && key == Qt::Key_I, on && key == Qt::Key_U}));
            QCOMPARE(w->menuAction(button)->isChecked(), on);
        }
        QCOMPARE(activeBox(*w)->toPlainText(), QString("Hello"));
    }

    void alignmentButtonFollowsTheParagraph_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("left") << int(Qt::AlignLeft) << "Align Left";
        QTest::newRow("center") << int(Qt::AlignHCenter) << "Center";
        QTest::newRow("right") << int(Qt::AlignRight) << "Align Right";
        QTest::newRow("justify") << int(Qt::AlignJustify) << "";
    }
    void alignmentButtonFollowsTheParagraph() {
        QFETCH(int, alignment);
        QFETCH(QString, pressed);
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        box->setPlainText("one\ntwo");
        QTextCursor c(box->document()->lastBlock());
        QTextBlockFormat f;
        f.setAlignment(Qt::Alignment(alignment));
        c.setBlockFormat(f);
        box->setTextCursor(QTextCursor(box->document()->firstBlock()));
        box->setTextCursor(c);
        QStringList checked;
        for (const char* key : {"Align Left", "Center", "Align Right"})
            if (w->menuAction(key)->isChecked()) checked << key;
        QCOMPARE(checked, pressed.isEmpty() ? QStringList() : QStringList{pressed});
    }

    // --- Print
    void printGivesTheSelectionOrTheWholeText_data() {
        QTest::addColumn<bool>("select");
        QTest::addColumn<bool>("printAll");
        QTest::addColumn<QString>("printed");
        QTest::newRow("no selection") << false << false << "First line\nSecond line\nThird line";
        QTest::newRow("selection") << true << false << "Second line";
        QTest::newRow("selection, all chosen") << true << true << "First line\nSecond line\nThird line";
    }
    void printGivesTheSelectionOrTheWholeText() {
        QFETCH(bool, select);
        QFETCH(bool, printAll);
        QFETCH(QString, printed);
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        box->setPlainText("First line\nSecond line\nThird line");
        if (select) {
            QTextCursor c(box->document()->findBlockByNumber(1));
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            box->setTextCursor(c);
        }
        m_dialogs.pdfFile = path("out.pdf");
        m_dialogs.printAll = printAll;
        click(*w, "Print");
        QCOMPARE(m_dialogs.asked, QStringList{"Print"});
        QCOMPARE(m_dialogs.offeredSelection, select);
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", path("out.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(pdftotext.readAllStandardOutput()).remove('\f').trimmed(), printed);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void cancelledPrintOrNoWindowPrintsNothing() {
        auto w = makeWindow();
        click(*w, "Print");  // no window: nothing, not even the dialog
        QVERIFY(m_dialogs.asked.isEmpty());
        click(*w, "New");
        click(*w, "Print");  // cancelled
        QVERIFY(!QFile::exists(path("out.pdf")));
        click(*w, "mnuFilePageSetup");
        QCOMPARE(m_dialogs.asked, (QStringList{"Print", "Page Setup"}));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- Cut, Copy, Paste
    void copyPutsPlainTextAndRtfOnTheClipboard() {
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        typeHelloBoldWorld(box);
        box->selectAll();
        click(*w, "Copy");
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->text(), QString("Hello world"));
        QVERIFY(data->hasFormat("text/rtf"));
        QTextDocument back;
        platform::RtfReader::read(data->data("text/rtf"), &back);
        QCOMPARE(back.toPlainText(), QString("Hello world"));
        QTextCursor c(&back);
        c.setPosition(8);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
        c.setPosition(3);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(box->toPlainText(), QString("Hello world"));
    }

    void cutRemovesTheSelection() {
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        typeHelloBoldWorld(box);
        QTextCursor c(box->document());
        c.setPosition(6);
        c.setPosition(11, QTextCursor::KeepAnchor);
        box->setTextCursor(c);
        click(*w, "Cut");
        QCOMPARE(box->toPlainText(), QString("Hello "));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("world"));
        click(*w, "Paste");
        QCOMPARE(box->toPlainText(), QString("Hello world"));
        c.setPosition(8);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    }

    void pasteTakesTheRtfElseTheText_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("bold");
        QTest::newRow("rtf offered") << QByteArray("{\\rtf1 {\\b bold}}") << "other"
                                     << "[bold]" << true;
        QTest::newRow("text only") << QByteArray() << "plain"
                                   << "[plain]" << false;
        QTest::newRow("rtf source as text") << QByteArray() << "{\\rtf1 {\\b bold}}"
                                            << "[bold]" << true;
        QTest::newRow("text not rtf") << QByteArray() << " {\\rtf1 x}"
                                      << "[ {\\rtf1 x}]" << false;
        // An image alone: nothing to paste; the selection and the view stay.
        QTest::newRow("neither rtf nor text") << QByteArray() << QString() << "[selected]" << false;
    }
    void pasteTakesTheRtfElseTheText() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(bool, bold);
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        box->setPlainText("[selected]" + QString(100, '\n'));  // scrolled to its end before the paste
        QTextCursor c(box->document());
        c.setPosition(1);
        c.setPosition(9, QTextCursor::KeepAnchor);
        box->setTextCursor(c);
        QScrollBar* bar = box->verticalScrollBar();
        bar->setValue(bar->maximum());
        const int scrolled = bar->value();
        auto* data = new QMimeData;
        if (!text.isNull()) data->setText(text);
        if (!rtf.isEmpty()) data->setData("text/rtf", rtf);
        if (text.isNull() && rtf.isEmpty()) data->setData("image/png", QByteArray("\x89PNG\r\n\x1a\n", 8));
        QGuiApplication::clipboard()->setMimeData(data);
        click(*w, "mnuEditPaste");
        QCOMPARE(box->document()->firstBlock().text(), result);
        // Only a paste that brought something moves the view to it.
        QCOMPARE(bar->value() == scrolled, result == "[selected]");
        QTextCursor at(box->document());
        at.setPosition(2);
        QCOMPARE(at.charFormat().fontWeight() > QFont::Normal, bold);
    }

    void pasteWithAnEmptyClipboardDoesNothing() {
        auto w = makeWindow();
        click(*w, "New");
        QTextEdit* box = activeBox(*w);
        box->setPlainText("unchanged");
        box->selectAll();
        QGuiApplication::clipboard()->clear();
        QVERIFY(!QGuiApplication::clipboard()->mimeData());
        click(*w, "Paste");
        click(*w, "mnuEditPaste");
        QCOMPARE(box->toPlainText(), QString("unchanged"));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void editActionsIgnoreTheirFailures() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] { return new QWidget; });
        auto w = makeWindow();
        for (const char* key : {"Cut", "Copy", "Paste", "Print"})
            click(*w, key);
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        for (const char* key : {"Cut", "Copy", "Paste", "Print"})
            click(*w, key);
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
