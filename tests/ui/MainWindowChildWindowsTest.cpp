// The main window's child windows: the windows opened by name, handlers that
// report a run-time failure and leave the window usable, and the Window menu.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "MainWindowFixture.h"
#include "app/WindowCatalog.h"
#include "core/RuntimeError.h"
#include "shell/MainWindow.h"
#include "support/FakeClock.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/ReportListWindow.h"
using namespace tervalo;
using platform::MsgIcon;
using shell::MainWindow;

namespace {

const QString kNotAvailable = "This window is not available in this version of Tervalo.";
const QString kNoObject = "Object variable or With block variable not set";
const QString kNoSupport = "Object doesn't support this property or method";

// A report browser stand-in: records the lists asked for and whether it was shown then.
class ReportStandIn : public QWidget, public widgets::ReportListWindow {
    Q_OBJECT
public:
    void showList(int list) override { calls << qMakePair(list, isVisible()); }
    QList<QPair<int, bool>> calls;
};

// The child windows other than the start page's guidance (frmStarting).
QList<QMdiSubWindow*> childWindows(const MainWindow& w) {
    QList<QMdiSubWindow*> children = w.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    children.removeIf([](QMdiSubWindow* sub) { return sub->widget()->objectName() == "frmStarting"; });
    return children;
}

QWidget* documentWindow() {
    auto* w = new QWidget;
    w->setWindowTitle("Document 1");
    auto* box = new QTextEdit(w);
    box->setObjectName("rtfText");
    box->setPlainText("plain text");
    return w;
}

}  // namespace

class MainWindowChildWindowsTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    // Clicks a toolbar button; true when the hourglass was up while a box showed.
    bool clickShowsBoxUnderHourglass(MainWindow& w, const QString& button) {
        bool hourglass = false;
        m_t->notifier.onShow = [&](const test::RecordedMessage&) {
            hourglass = hourglass || QApplication::overrideCursor() != nullptr;
        };
        w.menuAction(button)->trigger();
        m_t->notifier.onShow = nullptr;
        return hourglass;
    }

    // The main window on Demo.mdb with the program's windows, the panel's
    // second tab's buttons clicked in the order given.
    std::unique_ptr<MainWindow> withTheProgramsWindows(const QList<int>& buttons) {
        m_t->cnn.open(test::connectionToCopyOf("Demo.mdb"));
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        auto w = makeWindow();
        w->resize(1000, 700);
        w->show();
        if (!QTest::qWaitForWindowActive(w.get())) return w;
        QTabBar* tabs = w->findChild<QTabWidget*>("SSTab1")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        for (int button : buttons)
            QTest::mouseClick(w->button("Command1", button), Qt::LeftButton);
        return w;
    }

private slots:
    void init() { startFresh(); }

    // --- windows opened by name
    void windowNotInThisVersionGivesAMessage() {
        auto w = makeWindow();
        trigger(*w, "mnuPurchaseNS");
        trigger(*w, "mnuTervalo");
        QCOMPARE(m_t->notifier.texts(), (QStringList{kNotAvailable, kNotAvailable}));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::Information);
        QVERIFY(childWindows(*w).isEmpty());
    }

    void toolbarMessageShowsTheOrdinaryPointer() {
        auto w = makeWindow();
        w->show();
        QVERIFY(!clickShowsBoxUnderHourglass(*w, "Report"));
        QCOMPARE(m_t->notifier.texts(), QStringList{kNotAvailable});
        QVERIFY(!QApplication::overrideCursor());
    }

    void aboutShowsTheDefaultInstanceModalAndUnloadsIt() {
        QPointer<QDialog> made;
        m_t->registry.registerWindow(widgets::WindowId::About, [this, &made] {
            made = new QDialog(m_t->ctx.mainWindow);
            made->setAttribute(Qt::WA_DeleteOnClose);  // exec() deletes it itself
            return made.data();
        });
        auto w = makeWindow();
        w->show();
        QWidget* existing = m_t->registry.instance(widgets::WindowId::About);
        QWidget* shown = nullptr;
        QTimer::singleShot(0, w.get(), [&shown] {
            shown = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
        });
        trigger(*w, "mnuHelpAbout");
        QCOMPARE(shown, existing);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!made);
        QVERIFY(!m_t->registry.existing(widgets::WindowId::About));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void modelChosenTwiceShowsTheSameWindow() {
        int made = 0;
        m_t->registry.registerWindow(widgets::WindowId::ManufSA, [&made] {
            ++made;
            return new QWidget;
        });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuManufWS");
        QWidget* first = m_t->registry.existing(widgets::WindowId::ManufSA);
        trigger(*w, "mnuManufWS");
        QCOMPARE(made, 1);
        QCOMPARE(m_t->registry.existing(widgets::WindowId::ManufSA), first);
        QCOMPARE(childWindows(*w).size(), 1);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    void wizardOpensFreshAtTheLeftEdge() {
        m_t->registry.registerWindow(widgets::WindowId::Wizard, [] { return new QWidget; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuTervalo");
        QWidget* first = m_t->registry.existing(widgets::WindowId::Wizard);
        trigger(*w, "mnuTervalo");
        QVERIFY(m_t->registry.existing(widgets::WindowId::Wizard) != first);
        QCOMPARE(childWindows(*w).size(), 2);  // the first stays open
        QCOMPARE(w->mdiArea()->currentSubWindow()->x(), 0);
    }

    void reportListIsFilledBeforeShowingForEoqAfterForTheOthers() {
        ReportStandIn* report = nullptr;
        m_t->registry.registerWindow(widgets::WindowId::Report, [&report] { return report = new ReportStandIn; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuRptEOQ");
        trigger(*w, "mnuRptsSP");
        trigger(*w, "mnuSinglePN");
        QVERIFY(report);
        QCOMPARE(report->calls, (QList<QPair<int, bool>>{{1, false}, {2, true}, {4, true}}));
        QCOMPARE(w->mdiArea()->currentSubWindow()->pos(), QPoint(0, 0));
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- failures inside handlers
    void failureWhileOpeningAWindowIsReportedAndTheWindowStaysUsable() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS,
                                     []() -> QWidget* { throw core::RuntimeError(core::ErrorCode::DivisionByZero); });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuPurchaseNS");
        QCOMPARE(m_t->notifier.texts(), QStringList{"Division by zero"});
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        trigger(*w, "mnuViewRefresh");
        QCOMPARE(m_t->notifier.messages.size(), 2);
    }

    void dataItemOnAWindowWithoutTheActionReportsIt() {
        m_t->registry.registerWindow(widgets::WindowId::SalesData, [] { return new QWidget; });
        auto w = makeWindow();
        w->setDataMenusEnabled(true);
        trigger(*w, "mnuFind");
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoSupport});
    }

    void boldWithNoDocumentWindowReportsAndRestoresThePointer() {
        auto w = makeWindow();
        w->show();
        w->findChild<QWidget*>("frmStarting")->parentWidget()->close();  // no child window at all
        QVERIFY(!clickShowsBoxUnderHourglass(*w, "Bold"));
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoObject});
        QCOMPARE(m_t->notifier.last().icon, MsgIcon::None);
        QCOMPARE(m_t->notifier.last().title, QString("Tervalo"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!w->menuAction("Bold")->isChecked());
        QVERIFY(w->isVisible() && w->isEnabled());
        trigger(*w, "Italic");
        QCOMPARE(m_t->notifier.messages.size(), 2);
    }

    void boldOnAModelWindowReportsItHasNoTextBox() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] { return new QWidget; });
        auto w = makeWindow();
        w->show();
        trigger(*w, "mnuPurchaseNS");
        trigger(*w, "Underline");
        QCOMPARE(m_t->notifier.texts(), QStringList{kNoSupport});
    }

    void formatButtonsWorkOnTheActiveDocument() {
        m_t->registry.registerWindow(widgets::WindowId::Document, [] { return documentWindow(); });
        auto w = makeWindow();
        w->show();
        QWidget* doc = m_t->registry.show(widgets::WindowId::Document);
        auto* box = doc->findChild<QTextEdit*>("rtfText");
        box->selectAll();
        trigger(*w, "Bold");
        QVERIFY(w->menuAction("Bold")->isChecked());
        QCOMPARE(box->currentCharFormat().fontWeight(), int(QFont::Bold));
        trigger(*w, "Bold");
        QVERIFY(!w->menuAction("Bold")->isChecked());
        QCOMPARE(box->currentCharFormat().fontWeight(), int(QFont::Normal));
        trigger(*w, "Center");
        QCOMPARE(box->alignment(), Qt::AlignHCenter);
        trigger(*w, "Align Right");
        QCOMPARE(box->alignment(), Qt::AlignRight);
        QVERIFY(m_t->notifier.messages.isEmpty());
    }

    // --- Window menu
    void tileHorizontalStacksFullWidthBands() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] { return new QWidget; });
        m_t->registry.registerWindow(widgets::WindowId::PurchaseSA, [] { return new QWidget; });
        auto w = makeWindow();
        w->resize(800, 600);
        w->show();
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        m_t->registry.show(widgets::WindowId::PurchaseSA);
        trigger(*w, "mnuWindowTileHorizontal");
        const auto subs = childWindows(*w);  // the guidance board keeps its place
        const int width = w->mdiArea()->viewport()->width();
        QCOMPARE(subs[0]->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(subs[0]->width(), width);
        QCOMPARE(subs[1]->x(), 0);
        QCOMPARE(subs[1]->y(), subs[0]->height());
        trigger(*w, "mnuWindowTileVertical");
        QCOMPARE(subs[1]->y(), 0);
        QCOMPARE(subs[1]->x(), subs[0]->width());
    }

    // The guidance board ("Switch Board") stays at the back with its size and
    // place whatever the user does with the other child windows, and never
    // holds the focus.
    void guidanceBoardStaysAtTheBack_data() {
        QTest::addColumn<QStringList>("gestures");
        QTest::newRow("cascade") << QStringList{"Alt+W C"};
        QTest::newRow("tile horizontally") << QStringList{"Alt+W H"};
        QTest::newRow("tile vertically") << QStringList{"Alt+W V"};
        QTest::newRow("a child maximised") << QStringList{"double-click"};
        QTest::newRow("a child closed") << QStringList{"Ctrl+F4"};
        QTest::newRow("a maximised child closed") << QStringList{"double-click", "Ctrl+F4"};
        QTest::newRow("the board clicked, then Tab") << QStringList{"board Tab"};
    }
    void guidanceBoardStaysAtTheBack() {
        QFETCH(QStringList, gestures);
        for (widgets::WindowId form : {widgets::WindowId::PurchaseNS, widgets::WindowId::PurchaseSA}) {
            m_t->registry.registerWindow(form, [form] {
                auto* child = new QLineEdit;
                child->setWindowTitle(widgets::formName(form));
                child->setMinimumSize(300, 200);
                return child;
            });
        }
        auto w = makeWindow();
        w->resize(900, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* board = w->findChild<QWidget*>("frmStarting");
        QWidget* boardFrame = board->parentWidget();
        const QRect place = boardFrame->geometry();
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        QWidget* b = m_t->registry.show(widgets::WindowId::PurchaseSA);
        for (const QString& gesture : gestures) {
            if (gesture.startsWith("Alt+W")) {
                QTest::keyClick(w.get(), Qt::Key_W, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), gesture.back().toLatin1());
            } else if (gesture == "double-click") {
                const QPoint titleBar(b->parentWidget()->width() / 2, 8);
                QTest::mouseMove(b->parentWidget(), titleBar);
                QTest::mouseDClick(b->parentWidget(), Qt::LeftButton, {}, titleBar);
                QVERIFY(b->parentWidget()->isMaximized());
            } else if (gesture == "Ctrl+F4") {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
                QTRY_COMPARE(childWindows(*w).size(), 1);
            } else {
                QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(board->width() / 2, board->height() / 2));
                QTest::keyClick(w.get(), Qt::Key_Tab);
                QWidget* focus = QApplication::focusWidget();
                QVERIFY(focus && focus != boardFrame && !boardFrame->isAncestorOf(focus));
            }
        }
        QTRY_VERIFY(w->mdiArea()->activeSubWindow() != boardFrame);
        QCOMPARE(boardFrame->geometry(), place);
        QVERIFY(!boardFrame->isMaximized());
        QCOMPARE(w->mdiArea()->subWindowList(QMdiArea::StackingOrder).first(), boardFrame);
    }

    // The item card, tiled with two model windows into a part of the workspace,
    // keeps its form whole and scrolls it: no caption is cut.
    void tiledCardScrollsItsWholeForm_data() {
        QTest::addColumn<char>("tile");  // the Window menu's key
        QTest::newRow("vertically") << 'V';
        QTest::newRow("horizontally") << 'H';
    }
    void tiledCardScrollsItsWholeForm() {
        QFETCH(char, tile);
        auto w = withTheProgramsWindows({11, 0, 1});  // the card, then two purchasing windows
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), tile);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QWidget* card = m_t->registry.existing(widgets::WindowId::SalesData);
        for (QWidget* control : card->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const QString text = label ? label->text() : button ? button->text().remove('&') : QString();
            const QSize whole(control->fontMetrics().horizontalAdvance(text),
                              text.isEmpty() ? 0 : control->fontMetrics().height());
            QVERIFY2(control->width() >= whole.width() && control->height() >= whole.height(), qPrintable(text));
        }
        const auto* scroll = card->findChild<QScrollArea*>("formScroll");
        QVERIFY(scroll && (scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible()));
    }

    // The card's Find shows the item search; Esc closes it.
    void itemSearchClosesOnEsc() {
        auto w = withTheProgramsWindows({11});
        QTest::mouseClick(m_t->registry.existing(widgets::WindowId::SalesData)->findChild<QWidget*>("cmdFind"),
                          Qt::LeftButton);
        QWidget* search = m_t->registry.existing(widgets::WindowId::FindItem);
        QVERIFY(search);
        auto* box = search->findChild<QLineEdit*>("txtItemName");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(!m_t->registry.existing(widgets::WindowId::FindItem));
        QCOMPARE(childWindows(*w).size(), 1);  // the card stays
    }

    // The Window menu lists the open child windows, not the guidance board that stays behind them.
    void windowMenuListsTheChildWindows() {
        m_t->registry.registerWindow(widgets::WindowId::PurchaseNS, [] {
            auto* a = new QLineEdit;
            a->setWindowTitle("First");
            return a;
        });
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        m_t->registry.show(widgets::WindowId::PurchaseNS);
        QStringList texts;
        for (int shown = 0; shown < 2; ++shown) {  // rebuilt, not appended twice
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            texts.clear();
            for (QAction* a : QApplication::activePopupWidget()->actions())
                if (!a->isSeparator() && a->isVisible()) texts << a->text();
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
        QCOMPARE(texts, (QStringList{"&New Window", "&Cascade", "Tile &Horizontal", "Tile &Vertical", "&Arrange Icons",
                                     "&1 First"}));
    }
};

TERVALO_QTEST_MAIN(MainWindowChildWindowsTest)
#include "MainWindowChildWindowsTest.moc"
