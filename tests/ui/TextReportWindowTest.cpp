// The plain-text report window: pieces appended literally with the two key
// names, one new window per report, and saving the text.
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/PlainTextReportService.h"
#include "platform/TextReportWindow.h"
#include "support/FullDisk.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"

using tervalo::platform::MsgButtons;
using tervalo::platform::MsgIcon;
using tervalo::platform::MsgResult;
using tervalo::platform::PlainTextReportService;
using tervalo::platform::TextReportWindow;
using tervalo::test::RecordingNotifier;

namespace {

// A report window whose Save As dialog answers with a given file name.
class ScriptedSaveWindow : public TextReportWindow {
public:
    ScriptedSaveWindow(RecordingNotifier* notifier, QString path)
        : TextReportWindow("Report - Tervalo", notifier), m_path(std::move(path)) {}

protected:
    QString askSavePath() override { return m_path; }

private:
    QString m_path;
};

const QString kSaveQuestion = QStringLiteral("The report has not been saved. Do you want to save it?");

}  // namespace

class TextReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<TextReportWindow*>(window)) windows << window;
        qDeleteAll(windows);
    }

    // --- the pieces
    void keyNamesAndLiteralCharacters() {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"Item:", "{TAB}", "{TAB}", "Paper (A4) +50% {x}", "{ENTER}"})
            window.type(piece);
        QCOMPARE(window.text(), QString("Item:\t\tPaper (A4) +50% {x}\n"));
    }

    void bothSpellingsOfEnterBreakTheLine() {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"a", "{ENTER}", "b", "{Enter}", "{ENTER}", "c"})
            window.type(piece);
        QCOMPARE(window.text(), QString("a\nb\n\nc"));
        QCOMPARE(window.editor()->document()->blockCount(), 4);
    }

    void everyOtherPieceIsText() {
        TextReportWindow window("Report - Tervalo");
        for (const char* piece : {"{tab}", "{ENTER 2}", "^a~%b+[c]", "", "{TAB}x"})
            window.type(piece);
        QCOMPARE(window.text(), QString("{tab}{ENTER 2}^a~%b+[c]{TAB}x"));
    }

    void piecesGoToTheEndWhereverTheCursorIs() {
        TextReportWindow window("Report - Tervalo");
        window.type("Inventory Management Report");
        window.type("{ENTER}");
        QTextCursor cursor = window.editor()->textCursor();
        cursor.movePosition(QTextCursor::Start);
        window.editor()->setTextCursor(cursor);
        window.type("Objective");
        QCOMPARE(window.text(), QString("Inventory Management Report\nObjective"));
    }

    // --- the layout the reports' columns assume: fixed pitch, a tab stop every eight characters
    void tabsLineUpWithEightCharacterColumns_data() {
        QTest::addColumn<QString>("beforeTab");
        QTest::addColumn<int>("column");
        QTest::newRow("seven") << "Item: i" << 8;
        QTest::newRow("eight") << "12345678" << 16;
        QTest::newRow("wide letters") << "WWWWWWWWW" << 16;
    }

    void tabsLineUpWithEightCharacterColumns() {
        QFETCH(QString, beforeTab);
        QFETCH(int, column);
        TextReportWindow window("Report - Tervalo");
        QVERIFY(QFontInfo(window.editor()->font()).fixedPitch());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.type(beforeTab + "\tX\n" + QString(column, u'.') + "X");
        const auto xAt = [&](int position) {
            QTextCursor cursor(window.editor()->document());
            cursor.setPosition(position);
            return window.editor()->cursorRect(cursor).left();
        };
        QCOMPARE(xAt(beforeTab.size() + 1), xAt(beforeTab.size() + 3 + column));
    }

    // The window widens to its longest line, as far as the screen allows.
    void longestLineShowsWhole_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("a long sentence") << "Single-Period Stochastic Model is used. This model assumes a random "
                                            "demandand a descrete demand distribution ";
        QTest::newRow("tabs") << "Demand:\t\t\t\t\t\t\t\t\t\t\t\t100\t\tunits/Week";
        QTest::newRow("past the screen") << QString(400, u'x');
    }
    void longestLineShowsWhole() {
        QFETCH(QString, line);
        TextReportWindow window("Report - Tervalo");
        window.show();  // as the report service shows it, before the first piece
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& piece : {QString("Method"), QString("{ENTER}"), line, QString("{ENTER}")})
            window.type(piece);
        const int screen = window.screen()->availableGeometry().width();
        QVERIFY(window.frameGeometry().width() <= screen);
        if (window.frameGeometry().width() < screen) QCOMPARE(window.editor()->horizontalScrollBar()->maximum(), 0);
    }

    void userMayEditTheText() {
        TextReportWindow window("Report - Tervalo");
        window.type("Input");
        QVERIFY(!window.editor()->isReadOnly());
        window.editor()->appendPlainText("note");
        QCOMPARE(window.text(), QString("Input\nnote"));
    }

    // --- the service
    void eachStartOpensItsOwnWindow() {
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
        QCOMPARE(dynamic_cast<TextReportWindow*>(service.start(QString()))->windowTitle(), QString("Report - Tervalo"));
    }

    void closedWindowDeletesItself() {
        PlainTextReportService service;
        QPointer<TextReportWindow> window = dynamic_cast<TextReportWindow*>(service.start("Report"));
        QVERIFY(window->close());
        QTRY_VERIFY(window.isNull());
    }

    // --- closing them all when the program exits: the first two hold unsaved text, the third is empty
    void closeAllStopsAtTheFirstCancel_data() {
        QTest::addColumn<QString>("answers");  // N: don't save, C: cancel
        QTest::addColumn<int>("leftOpen");     // the last ones stay open
        QTest::newRow("cancel at the first") << "C" << 3;
        QTest::newRow("cancel at the second") << "NC" << 2;
        QTest::newRow("don't save either") << "NN" << 0;
    }

    void closeAllStopsAtTheFirstCancel() {
        QFETCH(QString, answers);
        QFETCH(int, leftOpen);
        RecordingNotifier notifier;
        PlainTextReportService service(&notifier);
        QList<QPointer<TextReportWindow>> windows;
        for (const char* text : {"a", "b", ""}) {
            windows << dynamic_cast<TextReportWindow*>(service.start("Report"));
            windows.last()->type(text);
        }
        for (const QChar answer : answers)
            notifier.answers.enqueue(answer == u'N' ? MsgResult::No : MsgResult::Cancel);

        QCOMPARE(service.closeAll(), leftOpen == 0);
        // Closed windows are deleted only later: they must not ask again.
        if (leftOpen == 0) QVERIFY(service.closeAll());
        QCOMPARE(notifier.texts(), QStringList(answers.size(), kSaveQuestion));
        for (int i = 0; i < 3; ++i)
            QTRY_COMPARE(!windows[i].isNull(), i >= 3 - leftOpen);
    }

    // --- saving
    void saveWritesTheTextAsUtf8() {
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

    // --- closing
    void closingAnUnsavedReportAsksFirst() {
        RecordingNotifier notifier;
        ScriptedSaveWindow window(&notifier, QString());
        window.show();
        window.type("Inventory Management Report");

        notifier.answers.enqueue(MsgResult::Cancel);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(notifier.texts(), QStringList{kSaveQuestion});
        QCOMPARE(notifier.last().title, QString("Tervalo"));
        QCOMPARE(notifier.last().buttons, MsgButtons::YesNoCancel);

        // Yes, then cancelling the file dialog, keeps the report too.
        notifier.answers.enqueue(MsgResult::Yes);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());

        notifier.answers.enqueue(MsgResult::No);
        QVERIFY(window.close());
        QCOMPARE(notifier.messages.size(), 3);
    }

    void answeringYesSavesAndCloses() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        RecordingNotifier notifier;
        ScriptedSaveWindow window(&notifier, path);
        window.show();
        for (const char* piece : {"Item:", "{TAB}", "Paper"})
            window.type(piece);
        notifier.answers.enqueue(MsgResult::Yes);
        QVERIFY(window.close());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Item:\tPaper"));
    }

    void savedOrEmptyReportClosesWithoutAsking() {
        QTemporaryDir dir;
        RecordingNotifier notifier;
        ScriptedSaveWindow empty(&notifier, QString());
        empty.show();
        QVERIFY(empty.close());

        ScriptedSaveWindow saved(&notifier, QString());
        saved.show();
        saved.type("x");
        QVERIFY(saved.saveTo(dir.filePath("x.txt")));
        QVERIFY(saved.close());
        QVERIFY(notifier.messages.isEmpty());
    }

    void failedSaveIsReported_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("missing folder") << "missing/report.txt" << "The report could not be saved as <dir>/missing/report.txt: the folder does not exist.";
        QTest::newRow("full disk") << "<full>" << "The report could not be saved as <full>: the disk is full.";
        // clang-format on
    }
    void failedSaveIsReported() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString target = file == "<full>" ? tervalo::test::fullDiskFile(dir.path()) : dir.filePath(file);
        RecordingNotifier notifier;
        TextReportWindow window("Report - Tervalo", &notifier);
        window.type("x");
        QVERIFY(!window.saveTo(target));
        QCOMPARE(notifier.texts(), QStringList{message.replace("<dir>", dir.path()).replace("<full>", target)});
        QCOMPARE(notifier.last().icon, MsgIcon::Exclamation);
    }
};

int main(int argc, char** argv) {
    // A desktop whose "monospace" is no fixed-pitch face (fontconfig answers so
    // with fonts-noto-mono installed): the reports' columns must not depend on it.
    qputenv("FONTCONFIG_FILE", QFile::encodeName(tervalo::test::fixturesDir() + "/fonts/proportional-monospace.conf"));
    tervalo::test::prepareEnvironment();
    tervalo::test::useOffscreenScreen(1280, 900);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TextReportWindowTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "TextReportWindowTest.moc"
