// Default window instances: one per form name, shown in the MDI area; opening
// fresh makes a new one while the old stays open; closing clears the slot.
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

#include "support/QtTestMain.h"
#include "widgets/WindowRegistry.h"

using tervalo::widgets::WindowRegistry;

class ShellWindowRegistryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<WindowRegistry> m_registry;
    int m_made = 0;

    void flushDeletes() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

private slots:
    void init() {
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(800, 600);
        m_area->show();
        m_registry = std::make_unique<WindowRegistry>();
        m_registry->setMdiArea(m_area.get());
        m_made = 0;
        m_registry->registerWindow("frmA", [this] {
            ++m_made;
            return new QWidget;
        });
    }
    void cleanup() {
        m_registry.reset();
        m_area.reset();
    }

    void unknownNameGivesNothing() {
        QVERIFY(!m_registry->isRegistered("frmNone"));
        QVERIFY(!m_registry->show("frmNone"));
        QVERIFY(!m_registry->instance("frmNone"));
    }

    void instanceIsMadeOnceAndNamed() {
        QWidget* a = m_registry->instance("frmA");
        QCOMPARE(m_registry->instance("frmA"), a);
        QCOMPARE(m_made, 1);
        QCOMPARE(a->objectName(), QString("frmA"));
        QVERIFY(!a->isVisible());
        QCOMPARE(m_registry->existing("frmA"), a);
    }

    void showPutsTheWindowInTheMdiAreaOnce() {
        QWidget* a = m_registry->show("frmA");
        QCOMPARE(m_registry->show("frmA"), a);
        QCOMPARE(m_area->subWindowList().size(), 1);
        QCOMPARE(m_area->subWindowList().first()->widget(), a);
        QVERIFY(a->isVisible());
    }

    void openFreshMakesANewWindowAndTheOldStaysOpen() {
        QPointer<QWidget> first = m_registry->show("frmA");
        QWidget* second = m_registry->openFresh("frmA");
        QVERIFY(second != first.data());
        QVERIFY(first && first->isVisible());
        QCOMPARE(m_registry->existing("frmA"), second);
        QCOMPARE(m_area->subWindowList().size(), 2);
    }

    void closingTheSubWindowClearsTheSlot() {
        QPointer<QWidget> a = m_registry->show("frmA");
        m_area->subWindowList().first()->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing("frmA"));
        m_registry->show("frmA");
        QCOMPARE(m_made, 2);
    }

    void windowClosingItselfClearsTheSlotAndItsSubWindow() {
        QPointer<QWidget> a = m_registry->show("frmA");
        a->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing("frmA"));
        QVERIFY(m_area->subWindowList().isEmpty());
    }

    void dialogsStayOutOfTheMdiArea() {
        m_registry->registerWindow("frmAbout", [] { return new QDialog; });
        QWidget* about = m_registry->show("frmAbout");
        QVERIFY(about->isWindow());
        QVERIFY(m_area->subWindowList().isEmpty());
        about->close();
    }

    void withoutAnMdiAreaWindowsAreTopLevel() {
        m_registry->setMdiArea(nullptr);
        QPointer<QWidget> a = m_registry->show("frmA");
        QVERIFY(a->isWindow() && a->isVisible());
        a->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing("frmA"));
    }

    void releaseKeepsTheWindowOpen() {
        QPointer<QWidget> a = m_registry->show("frmA");
        m_registry->release("frmA");
        QVERIFY(a && a->isVisible());
        QVERIFY(!m_registry->existing("frmA"));
    }
};

TERVALO_QTEST_MAIN(ShellWindowRegistryTest)
#include "ShellWindowRegistryTest.moc"
