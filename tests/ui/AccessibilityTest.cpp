// The model windows as an assistive tool reads them, through the accessible
// tree from the window down: every box, input or result, is named by its
// caption label (its buddy, beside it in the same frame); the offer's decision
// box has a name of its own; the cost table announces its column headers and
// the pie describes each slice with its share.
//
// On the offscreen platform there is no accessibility bridge, so
// QAccessible::isActive() stays false even after setActive(true); the
// interfaces are complete all the same, and every box must be reached through
// them, so the walk cannot pass by finding nothing.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "support/QtTestMain.h"
#include "support/RegisteredWindow.h"

namespace {

// Every node of the tree under `node` that stands for an object.
void collect(QAccessibleInterface* node, QHash<QObject*, QAccessibleInterface*>& nodes, int depth = 0) {
    if (!node || depth > 64) return;
    if (QObject* object = node->object()) nodes.insert(object, node);
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), nodes, depth + 1);
}

QHash<QObject*, QAccessibleInterface*> accessibleTree(QWidget* window) {
    QHash<QObject*, QAccessibleInterface*> nodes;
    collect(QAccessible::queryAccessibleInterface(window), nodes);
    return nodes;
}

// The six model windows, with the pie each describes after its worked example.
void modelWindowRows() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("pie");  // after the worked example; none without a pie
    QTest::newRow("frmPurchaseNS") << "frmPurchaseNS"
                                   << "Purchase 80 %, Ordering 10 %, Holding 10 %";
    QTest::newRow("frmPurchaseSA") << "frmPurchaseSA"
                                   << "Purchase 81 %, Ordering 10 %, Holding 9 %, Shortage 1 %";
    QTest::newRow("frmManufNS") << "frmManufNS"
                                << "Production 90 %, Setup 5 %, Holding 5 %";
    QTest::newRow("frmManufSA") << "frmManufSA"
                                << "Production 90 %, Setup 5 %, Holding 4 %, Shortage 0 %";
    QTest::newRow("frmIncrementalDiscount") << "frmIncrementalDiscount" << QString();
    QTest::newRow("frmAllUnitDiscount") << "frmAllUnitDiscount" << QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void everyBoxIsNamedByItsCaptionLabel_data() { modelWindowRows(); }
    void everyBoxIsNamedByItsCaptionLabel() {
        QFETCH(QString, form);
        tervalo::test::RegisteredWindow<> o(form);
        QVERIFY(o.showActive());
        const QHash<QObject*, QAccessibleInterface*> nodes = accessibleTree(o.w.get());
        const QList<QLineEdit*> boxes = o.w->findChildren<QLineEdit*>();
        QVERIFY(boxes.size() >= 7);
        for (QLineEdit* box : boxes) {
            const QByteArray name = box->objectName().toLatin1();
            QLabel* caption = nullptr;
            for (QLabel* label : o.w->findChildren<QLabel*>())
                if (label->buddy() == box) caption = label;
            QVERIFY2(caption, name.constData());
            QAccessibleInterface* node = nodes.value(box);
            QVERIFY2(node, name.constData());
            QCOMPARE(node->role(), QAccessible::EditableText);
            QCOMPARE(node->text(QAccessible::Name), caption->text());
        }
    }

    // The purchasing windows' decision on the supplier's offer is named for
    // itself, not by the frame around it.
    void decisionBoxHasANameOfItsOwn_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("frmPurchaseNS") << "frmPurchaseNS";
        QTest::newRow("frmPurchaseSA") << "frmPurchaseSA";
    }
    void decisionBoxHasANameOfItsOwn() {
        QFETCH(QString, form);
        tervalo::test::RegisteredWindow<> o(form);
        QAccessibleInterface* node = accessibleTree(o.w.get()).value(o.w->findChild<QPlainTextEdit*>("txtDecison"));
        QVERIFY(node);
        const QString name = node->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && name != "Quantity Discount", qPrintable(name));
    }

    void costTableAndPieSpeakTheirFigures_data() { modelWindowRows(); }
    void costTableAndPieSpeakTheirFigures() {
        QFETCH(QString, form);
        QFETCH(QString, pie);
        tervalo::test::RegisteredWindow<> o(form);
        o.click("cmdExample");
        const QHash<QObject*, QAccessibleInterface*> nodes = accessibleTree(o.w.get());
        QAccessibleInterface* table = nodes.value(o.w->findChild<QWidget*>("MSFlexGrid1"));
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->columnCount(), 2);
        QCOMPARE(table->tableInterface()->columnDescription(0), QString("Cost"));
        QCOMPARE(table->tableInterface()->columnDescription(1), QString("%"));
        QWidget* chart = o.w->findChild<QWidget*>("MSChart1");
        QCOMPARE(chart != nullptr, !pie.isEmpty());
        if (chart) QCOMPARE(nodes.value(chart)->text(QAccessible::Description), pie);
    }
};

TERVALO_QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
