// The windows as an assistive tool reads them, through the accessible
// tree from the window down: every box, input or result, is named by its
// caption label (its buddy, beside it in the same frame); the offer's decision
// box has a name of its own; the cost table announces its column headers and
// the pie describes each slice with its share. Tab passes each control once.
//
// On the offscreen platform there is no accessibility bridge, so
// QAccessible::isActive() stays false even after setActive(true); the
// interfaces are complete all the same, and every box must be reached through
// them, so the walk cannot pass by finding nothing.
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "support/QtTestMain.h"
#include "support/RegisteredWindow.h"
#include "widgets/AccessibleNames.h"

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

// What a user fills in or reads; not a part of one (a combo box's list or line edit, a header).
bool isBox(const QWidget* w, const QWidget* window) {
    const QWidget* parent = w->parentWidget();
    if (w->window() != window || w->inherits("QHeaderView") || parent->inherits("QComboBox") ||
        parent->inherits("QAbstractSpinBox"))
        return false;
    for (const char* kind : {"QLineEdit", "QComboBox", "QAbstractSpinBox", "QAbstractItemView", "QPlainTextEdit"})
        if (w->inherits(kind)) return true;
    return w->inherits("QTextEdit");
}

// The 21 windows with boxes, with the names that are not a caption label (";control=name...").
void windowRows() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("named");
    const QString interest = ";txtInterest=Interest, %/Week";
    const QHash<QString, QString> named{
        {"frmIncrementalDiscount", interest},
        {"frmAllUnitDiscount", interest},
        {"frmSalesData", ";Command2_0=First;Command2_1=Previous;Command2_2=Next;Command2_3=Last"},
        {"frmDataConfig",
         ";txtTable=Update;txtField=Set =[The estimated level ],;txtField1==[The estimated "
         "Units];txtID=Where =[The value of ItemID];ComboDataType_0=Data Type of Reorder Level;"
         "ComboDataType_1=Data Type of UnitsToOrder;ComboDataType_2=Data Type of ItemID"}};
    for (const char* form : {"frmPurchaseNS",
                             "frmPurchaseSA",
                             "frmManufNS",
                             "frmManufSA",
                             "frmIncrementalDiscount",
                             "frmAllUnitDiscount",
                             "frmSinglePeriodC",
                             "frmSinglePeriodD",
                             "frmMultiperiodA",
                             "frmMultiperiodB",
                             "frmD1",
                             "frmD2",
                             "frmWizard",
                             "frmW2",
                             "frmW3",
                             "frmSalesData",
                             "frmFindItem",
                             "frmDataSource",
                             "frmDataConfig",
                             "frmReport",
                             "frmBrowser"})
        QTest::newRow(form) << form << named.value(form);
}

// A window of the program's catalogue, shown; the web browser is not, so that no web view starts.
QWidget* catalogueWindow(tervalo::test::WindowTestContext& t, const QString& form) {
    tervalo::app::registerWindows(t.ctx, t.reportOutput);
    QWidget* w = t.registry.instance(tervalo::test::windowId(form));
    if (form != "frmBrowser") w->show();
    return w;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    // Each box by its caption label (a caption ending in "/" with the unit chosen
    // after the names were given), a frame by its caption; a box without a
    // caption by a name of its own, not its value.
    void everyBoxIsFoundByItsLabel_data() { windowRows(); }
    void everyBoxIsFoundByItsLabel() {
        QFETCH(QString, form);
        QFETCH(QString, named);
        tervalo::test::WindowTestContext t;
        std::unique_ptr<QWidget> w(catalogueWindow(t, form));
        auto* week = w->findChild<QRadioButton*>("optTime_2");
        if (week) {
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            w->findChild<QScrollArea*>()->ensureWidgetVisible(week);
            QTest::mouseClick(week, Qt::LeftButton);
        }
        for (QComboBox* combo : w->findChildren<QComboBox*>())  // a value it could wrongly be named by
            if (combo->currentIndex() < 0 && combo->count() > 0) combo->setCurrentIndex(0);
        const QHash<QObject*, QAccessibleInterface*> nodes = accessibleTree(w.get());
        for (QWidget* control : w->findChildren<QWidget*>()) {
            QString expected = named.section(";" + control->objectName() + "=", 1).section(';', 0, 0);
            if (auto* frame = qobject_cast<QGroupBox*>(control)) expected = frame->title();
            for (QLabel* label : w->findChildren<QLabel*>())
                if (expected.isEmpty() && label->buddy() == control)
                    expected = tervalo::widgets::AccessibleNames::spoken(label->text()) +
                               (week && label->text().endsWith('/') ? "Week" : "");
            if (expected.isEmpty() && !isBox(control, w.get())) continue;
            QAccessibleInterface* node = nodes.value(control);
            QVERIFY2(node, qPrintable(control->objectName()));
            const QString name = node->text(QAccessible::Name);
            const bool byValue = !control->inherits("QAbstractItemView") && name == node->text(QAccessible::Value);
            QVERIFY2(expected.isEmpty() ? !name.isEmpty() && !byValue : name == expected,
                     qPrintable(control->objectName() + ": " + name + " | " + expected));
        }
    }

    // Tab goes from the control that holds the focus through every control of
    // the window once and back to it (the fields of a date box are one stop).
    void tabPassesThroughEveryControlOnce_data() { windowRows(); }
    void tabPassesThroughEveryControlOnce() {
        QFETCH(QString, form);
        tervalo::test::WindowTestContext t;
        std::unique_ptr<QWidget> w(catalogueWindow(t, form));
        if (form == "frmBrowser") return;  // its address box and page only
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QList<QWidget*> stops{QApplication::focusWidget()};
        QVERIFY(stops.first());
        while (stops.size() < 100 && (stops.size() == 1 || stops.last() != stops.first())) {
            QTest::keyClick(stops.last(), Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            if (next == stops.last() && next->inherits("QAbstractSpinBox")) continue;
            QVERIFY2(next == stops.first() || !stops.contains(next), qPrintable("twice: " + next->objectName()));
            stops << next;
        }
        QCOMPARE(stops.last(), stops.first());
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
