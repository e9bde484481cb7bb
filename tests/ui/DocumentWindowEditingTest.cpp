// The document windows' editing: the toolbar following the selection, Print
// to PDF, and Cut, Copy and Paste with RTF on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "DocumentWindowFixture.h"
#include "rtf/RtfReader.h"
#include "shell/MainWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using shell::MainWindow;

namespace {

// "Hello " then a bold "world".
void typeHelloBoldWorld(QTextEdit* box) {
    QTextCursor c(box->document());
    c.insertText("Hello ");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText("world", bold);
}

}  // namespace

class DocumentWindowEditingTest : public QObject, private test::DocumentWindowFixture {
    Q_OBJECT

private slots:
    void init() { startFresh(); }
    void cleanup() { m_t.reset(); }

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
        rtf::RtfReader::read(data->data("text/rtf"), &back);
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
};

TERVALO_QTEST_MAIN(DocumentWindowEditingTest)
#include "DocumentWindowEditingTest.moc"
