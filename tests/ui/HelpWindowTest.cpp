// The help window: following the contents' links, Back (button and Alt+Left)
// enabled only when there is a page to return to, Esc closing the window, and
// each window's page naming the window's buttons and boxes as they read and
// giving the results of its worked example.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "lotsize/LotSizeWindows.h"
#include "shell/HelpWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowProbe.h"
#include "support/WindowTestContext.h"

using tervalo::shell::HelpWindow;
using tervalo::test::costColumn;
using tervalo::test::WindowTestContext;

namespace {

const QString kIndex = QStringLiteral("qrc:/help/index.html");

QTextBrowser* browser(QWidget& w) { return w.findChild<QTextBrowser*>(QStringLiteral("txtHelp")); }
QToolButton* backButton(QWidget& w) { return w.findChild<QToolButton*>(QStringLiteral("cmdBack")); }

// Clicks the link whose text is `text` the way the user does, on the page.
bool clickLink(QTextBrowser* b, const QString& text) {
    QTextCursor found = b->document()->find(text);
    while (!found.isNull() && !found.charFormat().isAnchor())
        found = b->document()->find(text, found);
    if (found.isNull()) return false;
    QTextCursor inside(b->document());
    inside.setPosition(found.selectionStart() + 1);
    b->setTextCursor(inside);
    b->ensureCursorVisible();
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, b->cursorRect(inside).center() + QPoint(1, 0));
    return true;
}

// A button's caption as the user reads it: without the mnemonic marker.
QString shown(const QString& caption) { return QString(caption).remove('&'); }

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linkFromContentsAndBack_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("purchasing") << "Purchasing: no shortages"
                                    << "purchasing-no-shortages.html"
                                    << "Tervalo Help - Purchasing: no shortages";
        QTest::newRow("manufacturing, shortages") << "Manufacturing: shortages allowed"
                                                  << "manufacturing-shortages.html"
                                                  << "Tervalo Help - Manufacturing: shortages allowed";
        QTest::newRow("all-units") << "Quantity discounts: all-units"
                                   << "all-units-discount.html"
                                   << "Tervalo Help - Quantity discounts: all-units";
    }
    void linkFromContentsAndBack() {
        QFETCH(QString, link);
        QFETCH(QString, page);
        QFETCH(QString, title);
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTextBrowser* b = browser(w);
        QVERIFY(!backButton(w)->isEnabled());

        QVERIFY2(clickLink(b, link), qPrintable(link));
        QTRY_COMPARE(b->source().fileName(), page);
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(backButton(w)->isEnabled());
        QCOMPARE(backButton(w)->text(), QString("Back"));

        QTest::mouseClick(backButton(w), Qt::LeftButton);
        QCOMPARE(b->source().toString(), kIndex);
        QCOMPARE(w.windowTitle(), QString("Tervalo Help - Contents"));
        QVERIFY(!backButton(w)->isEnabled());
        // At the first page Back has nowhere to go.
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().toString(), kIndex);
    }

    void altLeftGoesBackWhereverTheFocusIs() {
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTextBrowser* b = browser(w);
        QVERIFY(clickLink(b, QStringLiteral("Quantity discounts: incremental")));
        QTRY_COMPARE(b->source().fileName(), QString("incremental-discount.html"));
        QVERIFY(clickLink(b, QStringLiteral("Contents")));
        QTRY_COMPARE(b->source().toString(), kIndex);

        b->setFocus();
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().fileName(), QString("incremental-discount.html"));
        backButton(w)->setFocus();
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->source().toString(), kIndex);
        QVERIFY(!backButton(w)->isEnabled());
        QVERIFY(w.isVisible());
    }

    void escapeClosesTheWindow() {
        HelpWindow w;
        w.showPage(QStringLiteral(":/help/index.html#keywords"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        browser(w)->setFocus();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // The page of each window, read against the window itself.
    void pageNamesTheControlsAndTheExampleResults_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("page");
        QTest::newRow("purchasing") << "frmPurchaseNS"
                                    << "purchasing-no-shortages.html";
        QTest::newRow("purchasing, shortages") << "frmPurchaseSA"
                                               << "purchasing-shortages.html";
        QTest::newRow("manufacturing") << "frmManufNS"
                                       << "manufacturing-no-shortages.html";
        QTest::newRow("manufacturing, shortages") << "frmManufSA"
                                                  << "manufacturing-shortages.html";
        QTest::newRow("incremental") << "frmIncrementalDiscount"
                                     << "incremental-discount.html";
        QTest::newRow("all-units") << "frmAllUnitDiscount"
                                   << "all-units-discount.html";
    }
    void pageNamesTheControlsAndTheExampleResults() {
        QFETCH(QString, form);
        QFETCH(QString, page);
        WindowTestContext t;
        tervalo::lotsize::registerLotSizeWindows(t.ctx);
        std::unique_ptr<QWidget> window(t.registry.instance(form));
        QVERIFY(window);
        HelpWindow help;
        help.showPage(":/help/" + page);
        const QString text = browser(help)->toPlainText();

        QStringList missing;
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            if (!text.contains(shown(button->text()))) missing << shown(button->text());
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() && !text.contains(label->text())) missing << label->text();

        window->findChild<QPushButton*>("cmdExample")->click();
        QVERIFY(t.notifier.messages.isEmpty());
        for (const QLineEdit* result : window->findChildren<QLineEdit*>())
            if (result->isReadOnly() && !text.contains(result->text().trimmed())) missing << result->text();
        const QString total = costColumn(*window, 1).last();
        if (!text.contains(total)) missing << total;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
    }

    // Every link of every page, the contents' keyword list included, leads to a shipped page.
    void everyLinkLeadsToAPage() {
        QStringList broken;
        for (const QString& page : QDir(":/help").entryList({"*.html"})) {
            HelpWindow help;
            help.showPage(":/help/" + page);
            for (QTextBlock block = browser(help)->document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QString href = it.fragment().charFormat().anchorHref();
                    if (!href.isEmpty() && !QFile::exists(":/help/" + QUrl(href).path()))
                        broken << page + " -> " + href;
                }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(" | ")));
    }
};

TERVALO_QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
