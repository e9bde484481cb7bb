// Default window instances: one per window id, shown in the MDI area; opening
// fresh makes a new one while the old stays open; closing clears the slot.
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

#include "support/QtTestMain.h"
#include "widgets/WindowRegistry.h"

using tervalo::widgets::WindowId;
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
        m_registry->registerWindow(WindowId::PurchaseNS, [this] {
            ++m_made;
            return new QWidget;
        });
    }
    void cleanup() {
        m_registry.reset();
        m_area.reset();
    }

    void unregisteredIdGivesNothing() {
        QVERIFY(!m_registry->isRegistered(WindowId::Log));
        QVERIFY(!m_registry->show(WindowId::Log));
        QVERIFY(!m_registry->instance(WindowId::Log));
    }

    void instanceIsMadeOnceAndNamed() {
        QWidget* a = m_registry->instance(WindowId::PurchaseNS);
        QCOMPARE(m_registry->instance(WindowId::PurchaseNS), a);
        QCOMPARE(m_made, 1);
        QCOMPARE(a->objectName(), QString("frmPurchaseNS"));
        QVERIFY(!a->isVisible());
        QCOMPARE(m_registry->existing(WindowId::PurchaseNS), a);
    }

    void showPutsTheWindowInTheMdiAreaOnce() {
        QWidget* a = m_registry->show(WindowId::PurchaseNS);
        QCOMPARE(m_registry->show(WindowId::PurchaseNS), a);
        QCOMPARE(m_area->subWindowList().size(), 1);
        QCOMPARE(m_area->subWindowList().first()->widget(), a);
        QVERIFY(a->isVisible());
    }

    void openFreshMakesANewWindowAndTheOldStaysOpen() {
        QPointer<QWidget> first = m_registry->show(WindowId::PurchaseNS);
        QWidget* second = m_registry->openFresh(WindowId::PurchaseNS);
        QVERIFY(second != first.data());
        QVERIFY(first && first->isVisible());
        QCOMPARE(m_registry->existing(WindowId::PurchaseNS), second);
        QCOMPARE(m_area->subWindowList().size(), 2);
    }

    void closingTheSubWindowClearsTheSlot() {
        QPointer<QWidget> a = m_registry->show(WindowId::PurchaseNS);
        m_area->subWindowList().first()->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing(WindowId::PurchaseNS));
        m_registry->show(WindowId::PurchaseNS);
        QCOMPARE(m_made, 2);
    }

    void windowClosingItselfClearsTheSlotAndItsSubWindow() {
        QPointer<QWidget> a = m_registry->show(WindowId::PurchaseNS);
        a->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing(WindowId::PurchaseNS));
        QVERIFY(m_area->subWindowList().isEmpty());
    }

    void dialogsStayOutOfTheMdiArea() {
        m_registry->registerWindow(WindowId::About, [] { return new QDialog; });
        QWidget* about = m_registry->show(WindowId::About);
        QVERIFY(about->isWindow());
        QVERIFY(m_area->subWindowList().isEmpty());
        about->close();
    }

    void withoutAnMdiAreaWindowsAreTopLevel() {
        m_registry->setMdiArea(nullptr);
        QPointer<QWidget> a = m_registry->show(WindowId::PurchaseNS);
        QVERIFY(a->isWindow() && a->isVisible());
        a->close();
        flushDeletes();
        QVERIFY(!a);
        QVERIFY(!m_registry->existing(WindowId::PurchaseNS));
    }

    void releaseKeepsTheWindowOpen() {
        QPointer<QWidget> a = m_registry->show(WindowId::PurchaseNS);
        m_registry->release(WindowId::PurchaseNS);
        QVERIFY(a && a->isVisible());
        QVERIFY(!m_registry->existing(WindowId::PurchaseNS));
    }
};

TERVALO_QTEST_MAIN(ShellWindowRegistryTest)
#include "ShellWindowRegistryTest.moc"
