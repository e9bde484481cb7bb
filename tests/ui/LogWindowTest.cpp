// The log window (frmLog): Print gives the selection or, with nothing
// selected, the whole log; Save writes a rich-text file that reads back to
// the log's text, offers the name saved under before, and writes nothing for
// an empty name; failures are shown with the description alone.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "support/FullDisk.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"
#include "warehouse/runs/LogView.h"
#include "warehouse/runs/LogWindow.h"

using namespace tervalo;

namespace {

const QString kLog = QStringLiteral(
    "Cars (ID: CAR)\r\nResult:\r\n\tOrder  78 at the begining of the period.\r\n\r\nSkis (ID: SKI)\r\n"
    "Order Cost is null. Enter this cost and revisit the data later.\r\n");

// Prints into a PDF file and answers the save dialog from a script.
class ScriptedLogWindow : public warehouse::LogWindow {
public:
    using LogWindow::LogWindow;
    QString pdfFile;
    QStringList names;    // the answers of the save dialog, in turn
    QStringList offered;  // the names the dialog offered
    bool noPrinter = false;

protected:
    bool preparePrinter(QPrinter& printer) override {
        if (noPrinter) return LogWindow::preparePrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        return true;
    }
    QString askSaveFileName(const QString& previous) override {
        offered << previous;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
};

// "line 00001" to "line <count>", CR LF after each; every `wide`-th line
// long enough to run over several printed lines.
QString longLog(int count, int wide = 0) {
    QString log;
    for (int i = 1; i <= count; ++i) {
        log += QString("line %1").arg(i, 5, 10, QChar('0'));
        if (wide && i % wide == 0) log += QString(" and more").repeated(40);
        log += "\r\n";
    }
    return log;
}

QString pdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    if (!pdftotext.waitForFinished(30000)) return "(pdftotext failed)";
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).remove('\f').trimmed();
}

}  // namespace

class LogWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestContext> m_t;
    std::unique_ptr<ScriptedLogWindow> m_w;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }
    void click(const char* name) { m_w->findChild<QPushButton*>(name)->click(); }

private slots:
    void init() {
        m_t = std::make_unique<test::WindowTestContext>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_w = std::make_unique<ScriptedLogWindow>(m_t->ctx);
        m_w->pdfFile = path("log.pdf");
        m_w->setText(kLog);
    }
    void cleanup() {
        m_w.reset();
        m_t.reset();
    }

    void printGivesTheSelectionOrTheWholeLog_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("printed");
        QTest::newRow("nothing selected")
            << 0 << 0
            << "Cars (ID: CAR)\nResult:\n         Order 78 at the begining of the period.\n\nSkis (ID: SKI)\n"
               "Order Cost is null. Enter this cost and revisit the data later.";
        QTest::newRow("a line selected") << 15 << 7 << "Result:";
    }
    void printGivesTheSelectionOrTheWholeLog() {
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(QString, printed);
        QTextCursor cursor(m_w->textBox()->document());
        cursor.setPosition(from);
        cursor.setPosition(from + length, QTextCursor::KeepAnchor);
        m_w->textBox()->setTextCursor(cursor);
        click("Command1_0");
        QCOMPARE(pdfText(path("log.pdf")).simplified(), printed.simplified());
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void saveWritesRtfThatReadsBackToTheLog() {
        m_w->names = QStringList{path("first.rtf"), path("second.rtf"), QString()};
        click("Command1_1");
        m_w->setText(kLog + "one more line\r\n");
        click("Command1_1");
        click("Command1_1");  // cancelled: nothing written
        QCOMPARE(m_w->offered, (QStringList{QString(), path("first.rtf"), path("second.rtf")}));
        for (const QString& name : {path("first.rtf"), path("second.rtf")}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray rtf = file.readAll();
            QVERIFY(rtf::RtfReader::looksLikeRtf(rtf));
            QTextDocument doc;
            rtf::RtfReader::read(rtf, &doc);
            QCOMPARE(doc.toPlainText(), m_w->textBox()->toPlainText().left(doc.toPlainText().size()));
            QVERIFY(doc.toPlainText().startsWith(QString(kLog).replace("\r\n", "\n")));
        }
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // The box holds a window of a long log; keys move it, and every paragraph
    // stays the log's line of its place.
    void aLongLogIsHeldAroundTheView_data() {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("times");  // each key pressed so many times in turn
        QTest::addColumn<int>("from");   // the cursor's line (from 0) is from .. to
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("grown");  // lines come since the box last showed the log
        const QKeyCombination ctrlEnd = Qt::ControlModifier | Qt::Key_End;
        QTest::newRow("opened") << QList<QKeyCombination>{} << 0 << 0 << 0 << 0;
        QTest::newRow("Ctrl+End") << QList<QKeyCombination>{ctrlEnd} << 1 << 20000 << 20000 << 0;
        QTest::newRow("Ctrl+End, grown unseen") << QList<QKeyCombination>{ctrlEnd} << 1 << 23000 << 23000 << 3000;
        QTest::newRow("Ctrl+End, Ctrl+Home")
            << QList<QKeyCombination>{ctrlEnd, Qt::ControlModifier | Qt::Key_Home} << 1 << 0 << 0 << 0;
        QTest::newRow("Down past the window") << QList<QKeyCombination>{Qt::Key_Down} << 2500 << 2500 << 2500 << 0;
        QTest::newRow("Page Down past the window")
            << QList<QKeyCombination>{Qt::Key_PageDown} << 200 << 2500 << 20000 << 0;
        QTest::newRow("Ctrl+End, Page Up past the window")
            << QList<QKeyCombination>{ctrlEnd, Qt::Key_PageUp} << 200 << 0 << 17500 << 0;
    }
    void aLongLogIsHeldAroundTheView() {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, times);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, grown);
        const QString log = longLog(20000 + grown);
        m_w->setText(longLog(20000));
        m_w->view()->log()->append(log.mid(longLog(20000).size()));
        m_w->show();
        m_w->textBox()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        for (const QKeyCombination key : keys) {
            for (int i = 0; i < times; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
                QCoreApplication::processEvents();
            }
        }
        const QTextCursor cursor = m_w->textBox()->textCursor();
        const qint64 at = m_w->view()->firstLine() + cursor.blockNumber();
        QVERIFY2(at >= from && at <= to, qPrintable(QString::number(at)));
        QCOMPARE(cursor.block().text(),
                 at == 20000 + grown ? QString() : QString("line %1").arg(at + 1, 5, 10, QChar('0')));
        QVERIFY(m_w->textBox()->document()->blockCount() <= warehouse::LogView::kWindowLines);
        QCOMPARE(m_w->text().size(), log.size());
    }

    // Clicks below the scroll bar's handle page through the whole log; the
    // box shows the line the bar stands on.
    void theScrollBarPagesThroughALongLog_data() {
        QTest::addColumn<int>("clicks");
        QTest::newRow("within the window") << 20;
        QTest::newRow("past the window") << 150;
    }
    void theScrollBarPagesThroughALongLog() {
        QFETCH(int, clicks);
        m_w->setText(longLog(20000));
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        auto* bar = m_w->findChild<QScrollBar*>("LogScrollBar");
        QVERIFY(bar && bar->isVisible());
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 20));
            QCoreApplication::processEvents();
        }
        QCOMPARE(bar->value(), clicks * bar->pageStep());
        const QTextBlock top = m_w->textBox()->cursorForPosition(QPoint(0, 0)).block();
        QCOMPARE(top.text(), QString("line %1").arg(bar->value() + 1, 5, 10, QChar('0')));
    }

    // Print and Save read the whole log from its file, in pieces: every line
    // once, in order, pages running on across the pieces; a short log is
    // saved as the box's document would be.
    void aWholeLongLogIsPrintedAndSaved() {
        const QString log = longLog(5000, 700);
        m_w->setText(log);
        click("Command1_0");
        int next = 1;
        for (const QString& word : pdfText(path("log.pdf")).split(QRegularExpression("\\s+"))) {
            if (word.size() == 5 && word.front().isDigit()) QCOMPARE(word.toInt(), next++);
        }
        QCOMPARE(next, 5001);

        m_w->names = QStringList{path("long.rtf"), path("short.rtf")};
        click("Command1_1");
        QTextDocument doc;
        QFile file(path("long.rtf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        rtf::RtfReader::read(file.readAll(), &doc);
        QCOMPARE(doc.toPlainText(), QString(log).replace("\r\n", "\n"));
        m_w->setText(kLog);
        click("Command1_1");
        QFile shortFile(path("short.rtf"));
        QVERIFY(shortFile.open(QIODevice::ReadOnly));
        QCOMPARE(shortFile.readAll(), rtf::RtfWriter::write(*m_w->textBox()->document()));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void failuresShowTheirDescriptionAlone_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");  // the file name given to Save
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("save into a missing folder") << "Command1_1" << "missing/folder/log.rtf" << "The file <dir>/missing/folder/log.rtf could not be saved: the folder does not exist.";
        QTest::newRow("save onto a full disk") << "Command1_1" << "<full>" << "The file <full> could not be saved: the disk is full.";
        QTest::newRow("print without a printer") << "Command1_0" << "" << "No printer is installed.";
        // clang-format on
    }
    void failuresShowTheirDescriptionAlone() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString target = name == "<full>" ? test::fullDiskFile(m_dir->path()) : path(name);
        m_w->names = QStringList{target};
        m_w->noPrinter = true;
        if (button == "Command1_0" && !QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed");
        click(button.toLatin1().constData());
        message.replace("<dir>", m_dir->path()).replace("<full>", target);
        QCOMPARE(m_t->notifier.texts(), QStringList{message});
        QCOMPARE(m_t->notifier.last().title, platform::kProgramTitle);
        QCOMPARE(m_t->notifier.last().icon, platform::MsgIcon::None);
        QVERIFY(!QFile::exists(path("log.pdf")));
    }
};

TERVALO_QTEST_MAIN(LogWindowTest)
#include "LogWindowTest.moc"
