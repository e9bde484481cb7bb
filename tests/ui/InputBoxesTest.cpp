// The input-box convention on a small test form, as a top-level window and
// inside an MDI sub-window: typed keys, the leave-time check blocking Tab, clicks
// and mnemonics, the buttons excluded from it, Enter moving on, the colours.
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "platform/MessageBoxNotifier.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "widgets/InputBoxes.h"

using tervalo::platform::MsgIcon;
using tervalo::platform::Notifier;
using tervalo::test::RecordingNotifier;
namespace InputBoxes = tervalo::widgets::InputBoxes;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QString kCheckText = QStringLiteral("This field must be a number.");
const QString kCheckTitle = QStringLiteral("Not a number");

QColor background(const QLineEdit* box) { return box->palette().color(QPalette::Base); }

// Counts the mouse presses and releases a widget receives.
class MouseEventCounter : public QObject {
public:
    explicit MouseEventCounter(QWidget* widget) { widget->installEventFilter(this); }
    int presses = 0;
    int releases = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) ++presses;
        if (event->type() == QEvent::MouseButtonRelease) ++releases;
        return false;
    }
};

// An item box and two number boxes, then Calculate, Clear and Example in tab
// order; Clear and Example are reached without the check.
class TestForm {
public:
    explicit TestForm(bool inMdi, Notifier* shownBy = nullptr) {
        Notifier* notifier = shownBy ? shownBy : &this->notifier;
        form = new QWidget;
        form->setObjectName("frmTest");
        auto* grid = new QGridLayout(form);
        txtItem = addBox(grid, 0, "txtItem", "&Item");
        txtDemand = addBox(grid, 1, "txtDemand", "&Demand");
        txtPrice = addBox(grid, 2, "txtPrice", "&Price");
        cmdCalculate = addButton(grid, 3, "cmdCalculate", "&Calculate");
        cmdClear = addButton(grid, 4, "cmdClear", "C&lear");
        cmdExample = addButton(grid, 5, "cmdExample", "&Example");
        InputBoxes::install(txtItem, InputBoxes::itemBox(), notifier);
        InputBoxes::install(txtDemand, InputBoxes::numberBox(), notifier);
        InputBoxes::install(txtPrice, InputBoxes::numberBox(), notifier);
        InputBoxes::setCausesValidation(cmdClear, false);
        InputBoxes::setCausesValidation(cmdExample, false);
        if (inMdi) {
            auto* main = new QMainWindow;
            area = new QMdiArea;
            main->setCentralWidget(area);
            window.reset(main);
            subWindow = area->addSubWindow(form);
        } else {
            window.reset(form);
        }
        window->resize(640, 480);
    }

    // Shows the window and puts the focus into `box`.
    bool showWithFocusIn(QWidget* box) {
        window->show();
        if (!QTest::qWaitForWindowActive(window.get())) return false;
        if (subWindow) area->setActiveSubWindow(subWindow);
        box->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        return QApplication::focusWidget() == box;
    }

    // Shows the window and types `typed` into `box`.
    bool showAndType(QLineEdit* box, const QString& typed) {
        if (!showWithFocusIn(box)) return false;
        QTest::keyClicks(box, typed);
        return true;
    }

    RecordingNotifier notifier;

    std::unique_ptr<QWidget> window;
    QMdiArea* area = nullptr;
    QMdiSubWindow* subWindow = nullptr;
    QWidget* form;
    QLineEdit* txtItem;
    QLineEdit* txtDemand;
    QLineEdit* txtPrice;
    QPushButton* cmdCalculate;
    QPushButton* cmdClear;
    QPushButton* cmdExample;

private:
    QLineEdit* addBox(QGridLayout* grid, int row, const QString& name, const QString& caption) {
        auto* box = new QLineEdit(form);
        box->setObjectName(name);
        auto* label = new QLabel(caption, form);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        return box;
    }
    QPushButton* addButton(QGridLayout* grid, int row, const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, form);
        button->setObjectName(name);
        button->setAutoDefault(true);
        grid->addWidget(button, row, 2);
        return button;
    }
};

}  // namespace

class InputBoxesTest : public QObject {
    Q_OBJECT

private:
    void addContainerRows() {
        QTest::addColumn<bool>("inMdi");
        QTest::newRow("top-level") << false;
        QTest::newRow("MDI") << true;
    }

    // Every case once in each container, in a second column `column`.
    template <typename T>
    void addContainerRows(const char* column, const QList<std::pair<const char*, T>>& cases) {
        QTest::addColumn<bool>("inMdi");
        QTest::addColumn<T>(column);
        for (const bool inMdi : {false, true}) {
            for (const auto& [name, value] : cases) {
                QTest::addRow("%s %s", inMdi ? "MDI" : "top-level", name) << inMdi << value;
            }
        }
    }

    void verifyCheckMessage(const RecordingNotifier& notifier) {
        QCOMPARE(notifier.messages.size(), 1);
        QCOMPARE(notifier.last().text, kCheckText);
        QCOMPARE(notifier.last().title, kCheckTitle);
        QCOMPARE(notifier.last().icon, MsgIcon::Exclamation);
    }

    // After a blocked move the box still has the focus and stays yellow.
    void verifyBoxKept(QLineEdit* box) {
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(background(box), kYellow);
        QCOMPARE(box->text(), QString("1..2"));
    }

private slots:
    // --- typing
    void numberBoxKeepsOnlyTheCharactersOfANumber() {
        TestForm f(false);
        QVERIFY(f.showAndType(f.txtDemand, "12a.5-"));
        QCOMPARE(f.txtDemand->text(), QString("12.5"));
        QTest::keyClicks(f.txtDemand, "-,e E+ ");
        QCOMPARE(f.txtDemand->text(), QString("12.5"));
        QTest::keyClick(f.txtDemand, Qt::Key_Backspace);
        QCOMPARE(f.txtDemand->text(), QString("12."));
        QTest::keyClick(f.txtDemand, Qt::Key_Left);
        QTest::keyClick(f.txtDemand, Qt::Key_Delete);
        QCOMPARE(f.txtDemand->text(), QString("12"));
    }

    void pastedTextIsNotFiltered() {
        TestForm f(false);
        QVERIFY(f.showWithFocusIn(f.txtDemand));
        QApplication::clipboard()->setText("-3,5");
        QTest::keySequence(f.txtDemand, QKeySequence::Paste);
        QCOMPARE(f.txtDemand->text(), QString("-3,5"));
    }

    void itemBoxAcceptsAnyCharacterAndIsNeverChecked() {
        TestForm f(false);
        QVERIFY(f.showAndType(f.txtItem, "Bolt \"M8\" - 1..2"));
        QCOMPARE(f.txtItem->text(), QString("Bolt \"M8\" - 1..2"));
        QTest::keyClick(f.txtItem, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.txtDemand);
        QVERIFY(f.notifier.messages.isEmpty());
    }

    // --- the leave-time check
    void tabFromANonNumberIsBlocked_data() {
        addContainerRows<bool>("backwards", {{"Tab", false}, {"Shift+Tab", true}});
    }
    void tabFromANonNumberIsBlocked() {
        QFETCH(bool, inMdi);
        QFETCH(bool, backwards);
        TestForm f(inMdi);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        if (backwards)
            QTest::keyClick(f.txtDemand, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(f.txtDemand, Qt::Key_Tab);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtDemand);
    }

    void clickOnCalculateIsSwallowed_data() { addContainerRows(); }
    void clickOnCalculateIsSwallowed() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        MouseEventCounter mouse(f.cmdCalculate);
        QSignalSpy clicked(f.cmdCalculate, &QPushButton::clicked);
        QVERIFY(f.showAndType(f.txtPrice, "1..2"));
        QTest::mouseClick(f.cmdCalculate, Qt::LeftButton);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtPrice);
        QCOMPARE(mouse.presses, 0);
        QCOMPARE(mouse.releases, 0);
        QCOMPARE(clicked.count(), 0);
        // Corrected, the same click goes ahead.
        f.txtPrice->clear();
        QTest::keyClicks(f.txtPrice, "12");
        QTest::mouseClick(f.cmdCalculate, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(QApplication::focusWidget(), f.cmdCalculate);
        QCOMPARE(f.notifier.messages.size(), 1);
    }

    void buttonsWithoutValidationGoAhead_data() {
        addContainerRows<QString>("button", {{"Clear", "cmdClear"}, {"Example", "cmdExample"}});
    }
    void buttonsWithoutValidationGoAhead() {
        QFETCH(bool, inMdi);
        QFETCH(QString, button);
        TestForm f(inMdi);
        auto* target = f.form->findChild<QPushButton*>(button);
        QSignalSpy clicked(target, &QPushButton::clicked);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(background(f.txtDemand), kWhite);
    }

    void mnemonicsAreBlocked_data() {
        addContainerRows<int>("key", {{"Calculate", Qt::Key_C}, {"label buddy", Qt::Key_I}});
    }
    void mnemonicsAreBlocked() {
        QFETCH(bool, inMdi);
        QFETCH(int, key);
        TestForm f(inMdi);
        QSignalSpy clicked(f.cmdCalculate, &QPushButton::clicked);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        QTest::keyClick(f.txtDemand, Qt::Key(key), Qt::AltModifier);
        // Qt clicks a button reached by its mnemonic after a short animation, held down till then.
        QTRY_VERIFY_WITH_TIMEOUT(!f.cmdCalculate->isDown(), 20000);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtDemand);
        QCOMPARE(clicked.count(), 0);
    }

    void passingMnemonicMovesTheFocusAndClicks_data() { addContainerRows(); }
    void passingMnemonicMovesTheFocusAndClicks() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        QSignalSpy clicked(f.cmdCalculate, &QPushButton::clicked);
        QVERIFY(f.showAndType(f.txtDemand, "12"));
        QTest::keyClick(f.txtDemand, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f.cmdCalculate);
        QTRY_COMPARE(clicked.count(), 1);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(background(f.txtDemand), kWhite);
    }

    void emptyOrValidBoxIsLeftSilently_data() {
        addContainerRows<QString>("typed", {{"empty", ""}, {"number", "12.50"}, {"point first", ".5"}});
    }
    void emptyOrValidBoxIsLeftSilently() {
        QFETCH(bool, inMdi);
        QFETCH(QString, typed);
        TestForm f(inMdi);
        QVERIFY(f.showAndType(f.txtDemand, typed));
        QTest::keyClick(f.txtDemand, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.txtPrice);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(f.txtDemand->text(), typed);
        QCOMPARE(background(f.txtDemand), kWhite);
    }

    // A Tab that wraps round the form (the buttons disabled) is checked too, and
    // lands where Qt puts it: inside a sub-window it passes the sub-window itself.
    void wrappingTabIsCheckedAndLandsOnTheFirstBox_data() { addContainerRows(); }
    void wrappingTabIsCheckedAndLandsOnTheFirstBox() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        for (auto* button : {f.cmdCalculate, f.cmdClear, f.cmdExample})
            button->setEnabled(false);
        QVERIFY(f.showAndType(f.txtPrice, "1..2"));
        QTest::keyClick(f.txtPrice, Qt::Key_Tab);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtPrice);
        f.txtPrice->clear();
        QTest::keyClick(f.txtPrice, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.txtItem);
        QCOMPARE(f.notifier.messages.size(), 1);
    }

    // Clicking a label or the empty form moves no focus, so nothing is checked.
    void clickOnTheFormItselfIsNoLeaving_data() { addContainerRows(); }
    void clickOnTheFormItselfIsNoLeaving() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        auto* label = qobject_cast<QLabel*>(f.form->layout()->itemAt(0)->widget());
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), f.txtDemand);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(background(f.txtDemand), kYellow);
    }

    // The wheel gives the focus to a control that takes it by the wheel.
    void wheelOverASpinBoxIsChecked_data() { addContainerRows(); }
    void wheelOverASpinBoxIsChecked() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        auto* spin = new QSpinBox(f.form);
        f.form->layout()->addWidget(spin);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        const QPoint inWindow = spin->mapTo(f.window.get(), spin->rect().center());
        // What the platform delivers for a wheel turn: a spontaneous event at the window.
        QWheelEvent wheel(inWindow, f.window->mapToGlobal(inWindow), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QCoreApplication::sendEvent(f.window->windowHandle(), &wheel);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtDemand);
        QCOMPARE(spin->value(), 0);
    }

    // Another form is no control of this one: moving there runs no check.
    void anotherFormIsReachedWithoutTheCheck() {
        TestForm f(true);
        auto* other = new QPushButton("Other");
        QSignalSpy clicked(other, &QPushButton::clicked);
        QMdiSubWindow* otherSub = f.area->addSubWindow(other);
        otherSub->setGeometry(400, 0, 200, 100);
        otherSub->show();
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        QTest::mouseClick(other, Qt::LeftButton);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(clicked.count(), 1);
    }

    // --- Enter
    void enterMovesOnInTabOrder_data() { addContainerRows(); }
    void enterMovesOnInTabOrder() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        QSignalSpy clicked(f.cmdCalculate, &QPushButton::clicked);
        QVERIFY(f.showWithFocusIn(f.txtItem));
        QTest::keyClick(f.txtItem, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.txtDemand);
        QTest::keyClick(f.txtDemand, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), f.txtPrice);
        QTest::keyClick(f.txtPrice, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.cmdCalculate);
        QCOMPARE(clicked.count(), 0);
        QTest::keyClick(f.cmdCalculate, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(f.notifier.messages.isEmpty());
        QCOMPARE(f.txtPrice->text(), QString());
    }

    // Ctrl, Alt or Meta with Enter is a command of its own, not the Enter that moves on.
    void enterWithACommandKeyStays_data() {
        addContainerRows<int>("modifier",
                              {{"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier}, {"Meta", Qt::MetaModifier}});
    }
    void enterWithACommandKeyStays() {
        QFETCH(bool, inMdi);
        QFETCH(int, modifier);
        TestForm f(inMdi);
        QVERIFY(f.showAndType(f.txtDemand, "12"));
        QTest::keyClick(f.txtDemand, Qt::Key_Return, Qt::KeyboardModifiers(modifier));
        QCOMPARE(QApplication::focusWidget(), f.txtDemand);
        QVERIFY(f.notifier.messages.isEmpty());
    }

    void enterFromANonNumberIsBlocked_data() { addContainerRows(); }
    void enterFromANonNumberIsBlocked() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        QVERIFY(f.showAndType(f.txtPrice, "1..2"));
        QTest::keyClick(f.txtPrice, Qt::Key_Return);
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtPrice);
    }

    // --- colours
    void focusPaintsYellowAndLeavingWhite() {
        TestForm f(false);
        const QColor designed = background(f.txtDemand);
        QVERIFY(f.showWithFocusIn(f.txtItem));
        QCOMPARE(background(f.txtItem), kYellow);
        QCOMPARE(background(f.txtDemand), designed);
        QTest::keyClick(f.txtItem, Qt::Key_Tab);
        QCOMPARE(background(f.txtItem), kWhite);
        QCOMPARE(background(f.txtDemand), kYellow);
        QTest::mouseClick(f.cmdCalculate, Qt::LeftButton);
        QCOMPARE(background(f.txtDemand), kWhite);
    }

    void anotherWindowTakingTheFocusKeepsTheBoxYellow() {
        TestForm f(false);
        QVERIFY(f.showWithFocusIn(f.txtDemand));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!f.txtDemand->hasFocus());
        QCOMPARE(background(f.txtDemand), kYellow);
    }

    // --- while the message is open
    void secondMoveWhileTheMessageIsOpenIsDropped_data() { addContainerRows(); }
    void secondMoveWhileTheMessageIsOpenIsDropped() {
        QFETCH(bool, inMdi);
        TestForm f(inMdi);
        QSignalSpy clicked(f.cmdCalculate, &QPushButton::clicked);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        f.notifier.onShow = [&f](const tervalo::test::RecordedMessage&) {
            QTest::keyClick(f.txtDemand, Qt::Key_Tab);
            QTest::mouseClick(f.cmdCalculate, Qt::LeftButton);
        };
        QTest::keyClick(f.txtDemand, Qt::Key_Return);
        f.notifier.onShow = nullptr;
        verifyCheckMessage(f.notifier);
        verifyBoxKept(f.txtDemand);
        QCOMPARE(clicked.count(), 0);
    }

    // A real message box leaves no window active when it closes offscreen; the
    // box must have the focus back all the same.
    void boxHasTheFocusAfterARealMessageBox_data() { addContainerRows(); }
    void boxHasTheFocusAfterARealMessageBox() {
        QFETCH(bool, inMdi);
        tervalo::platform::MessageBoxNotifier messageBoxes;
        TestForm f(inMdi, &messageBoxes);
        QVERIFY(f.showAndType(f.txtDemand, "1..2"));
        QString shown;
        QTimer::singleShot(50, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTest::keyClick(f.txtDemand, Qt::Key_Tab);
        QCOMPARE(shown, kCheckText);
        QTRY_COMPARE(QApplication::focusWidget(), f.txtDemand);
        QCOMPARE(background(f.txtDemand), kYellow);
        QTest::keyClicks(f.txtDemand, "5");
        QCOMPARE(f.txtDemand->text(), QString("1..25"));
    }

    // --- the check on its own
    void numberCheck() {
        QVERIFY(InputBoxes::passesNumberCheck(""));
        QVERIFY(InputBoxes::passesNumberCheck("12.5"));
        QVERIFY(!InputBoxes::passesNumberCheck("1..2"));
        QVERIFY(!InputBoxes::passesNumberCheck("."));
    }
};

TERVALO_QTEST_MAIN(InputBoxesTest)
#include "InputBoxesTest.moc"
