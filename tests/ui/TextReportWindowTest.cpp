// The plain-text report window: pieces appended literally with the two key
// names, one new window per report, and saving the text.
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/PlainTextReportService.h"
#include "platform/RecordingNotifier.h"
#include "platform/TextReportWindow.h"
#include "support/QtTestMain.h"

using tervalo::platform::MsgIcon;
using tervalo::platform::PlainTextReportService;
using tervalo::platform::RecordingNotifier;
using tervalo::platform::TextReportWindow;

class TextReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<TextReportWindow*>(window))
                windows << window;
        qDeleteAll(windows);
    }

    // --- the pieces
    void keyNamesAndLiteralCharacters()
    {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"Item:", "{TAB}", "{TAB}", "Paper (A4) +50% {x}", "{ENTER}"})
            window.type(piece);
        QCOMPARE(window.text(), QString("Item:\t\tPaper (A4) +50% {x}\n"));
    }

    void bothSpellingsOfEnterBreakTheLine()
    {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"a", "{ENTER}", "b", "{Enter}", "{ENTER}", "c"})
            window.type(piece);
        QCOMPARE(window.text(), QString("a\nb\n\nc"));
        QCOMPARE(window.editor()->document()->blockCount(), 4);
    }

    void everyOtherPieceIsText()
    {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"{tab}", "{ENTER 2}", "^a~%b+[c]", "", "{TAB}x"})
            window.type(piece);
        QCOMPARE(window.text(), QString("{tab}{ENTER 2}^a~%b+[c]{TAB}x"));
    }

    void piecesGoToTheEndWhereverTheCursorIs()
    {
        TextReportWindow window("Report - Tervalo");
        window.type("Inventory Management Report");
        window.type("{ENTER}");
        QTextCursor cursor = window.editor()->textCursor();
        cursor.movePosition(QTextCursor::Start);
        window.editor()->setTextCursor(cursor);
        window.type("Objective");
        QCOMPARE(window.text(), QString("Inventory Management Report\nObjective"));
    }

    void userMayEditTheText()
    {
        TextReportWindow window("Report - Tervalo");
        window.type("Input");
        QVERIFY(!window.editor()->isReadOnly());
        window.editor()->appendPlainText("note");
        QCOMPARE(window.text(), QString("Input\nnote"));
    }

    // --- the service
    void eachStartOpensItsOwnWindow()
    {
        PlainTextReportService service;
        auto* first = service.start("Incremental Discount");
        auto* second = service.start("Incremental Discount");
        QVERIFY(first && second && first != second);
        first->type("one");
        second->type("two");
        QCOMPARE(first->text(), QString("one"));
        QCOMPARE(second->text(), QString("two"));

        auto* window = dynamic_cast<TextReportWindow*>(first);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!window->parentWidget());
        QCOMPARE(window->windowTitle(), QString("Incremental Discount - Tervalo"));
        QCOMPARE(dynamic_cast<TextReportWindow*>(service.start(QString()))->windowTitle(),
                 QString("Report - Tervalo"));
    }

    void closedWindowDeletesItself()
    {
        PlainTextReportService service;
        QPointer<TextReportWindow> window = dynamic_cast<TextReportWindow*>(service.start("Report"));
        QVERIFY(window->close());
        QTRY_VERIFY(window.isNull());
    }

    // --- saving
    void saveWritesTheTextAsUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        RecordingNotifier notifier;
        TextReportWindow window("Report - Tervalo", &notifier);
        for (const char* piece : {"Item:", "{TAB}", "Café 5€", "{ENTER}", "Total:", "{TAB}", "12.50", "{ENTER}"})
            window.type(QString::fromUtf8(piece));
        window.editor()->document()->setModified(true);
        QVERIFY(window.saveTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Item:\tCaf\xC3\xA9 5\xE2\x82\xAC\nTotal:\t12.50\n"));
        QVERIFY(!window.editor()->document()->isModified());
        QVERIFY(notifier.messages.isEmpty());
    }

    void failedSaveIsReported()
    {
        QTemporaryDir dir;
        RecordingNotifier notifier;
        TextReportWindow window("Report - Tervalo", &notifier);
        window.type("x");
        QVERIFY(!window.saveTo(dir.filePath("missing/report.txt")));
        QCOMPARE(notifier.messages.size(), 1);
        QVERIFY(notifier.last().text.startsWith("The report could not be saved as "));
        QCOMPARE(notifier.last().icon, MsgIcon::Exclamation);
    }
};

TERVALO_QTEST_MAIN(TextReportWindowTest)
#include "TextReportWindowTest.moc"
