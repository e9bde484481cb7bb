// The windows as an assistive tool reads them, through the accessible tree
// from the window down: every box of the 21 windows with boxes (input and
// result boxes, lists, grids, combo boxes) is named by its caption label, the
// unit included where the unit is a label of its own, or by the name the
// window gives a box without one; every frame by its own caption. The offer's
// decision box has a name of its own; the cost table announces its column
// headers and the pie describes each slice with its share. From the keyboard,
// Tab passes through every control of each window once and comes back.
//
// On the offscreen platform there is no accessibility bridge, so
// QAccessible::isActive() stays false even after setActive(true); the
// interfaces are complete all the same, and every box must be reached through
// them, so the walk cannot pass by finding nothing.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QtTest>

#include "app/WindowCatalog.h"
#include "support/QtTestMain.h"
#include "support/RegisteredWindow.h"
#include "widgets/AccessibleNames.h"
#include "widgets/WindowInterfaces.h"

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

// What a user fills in or reads: boxes, combo boxes, date boxes, text areas,
// lists and grids (not the parts of one, such as a combo box's list).
bool isBox(const QWidget* w, const QWidget* window) {
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QLineEdit*>(w))
        return !qobject_cast<const QComboBox*>(parent) && !qobject_cast<const QAbstractSpinBox*>(parent);
    if (qobject_cast<const QAbstractItemView*>(w)) return !qobject_cast<const QHeaderView*>(w) && w->window() == window;
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// The 21 windows with boxes, each with the names that are not simply a box's
// caption label: captions of several labels (a unit among them, here after
// Week was chosen), boxes without a label, buttons named for what they do.
// A control array is listed once, by its name without the index.
void windowRows() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("named");  // "control=name"
    const QStringList eoq{"txtDemand=Demand, units/Week", "txtHoldingCost=Holding cost, $/unit/Week",
                          "MSFlexGrid1=Cost table"};
    const QString decision = "txtDecison=Decision on the offer";
    const QStringList manufacturing{"txtManufacturingRate=Production rate,units/Week"};
    const QStringList discount{"txtDemand=Demand, units/Week", "txtHoldingCost=Handling cost, $/unit/Week",
                               "txtInterest=Interest, %/Week", "MSFlexGrid1=Cost table", "MSFlexGrid2=Comparison"};
    QTest::newRow("frmPurchaseNS") << "frmPurchaseNS" << eoq + QStringList{decision};
    QTest::newRow("frmPurchaseSA") << "frmPurchaseSA"
                                   << eoq + QStringList{decision, "txtShortageCost=Shortage cost, $/unit/Week"};
    QTest::newRow("frmManufNS") << "frmManufNS" << eoq + manufacturing;
    QTest::newRow("frmManufSA") << "frmManufSA"
                                << eoq + manufacturing + QStringList{"txtShortageCost=Shortage Cost, $/Week"};
    QTest::newRow("frmIncrementalDiscount") << "frmIncrementalDiscount" << discount;
    QTest::newRow("frmAllUnitDiscount") << "frmAllUnitDiscount" << discount;
    QTest::newRow("frmSinglePeriodC") << "frmSinglePeriodC" << QStringList{"MSFlexGrid1=Cost table"};
    QTest::newRow("frmSinglePeriodD") << "frmSinglePeriodD"
                                      << QStringList{"MSFlexGrid1=Cost table", "txtDemo=Demonstration"};
    QTest::newRow("frmMultiperiodA") << "frmMultiperiodA"
                                     << QStringList{"MSFlexGrid1=Demand (D) and Probability (P)",
                                                    "txtDemo=Demonstration"};
    QTest::newRow("frmMultiperiodB") << "frmMultiperiodB" << QStringList{"MSFlexGrid1=Cost table"};
    QTest::newRow("frmD1") << "frmD1" << QStringList{"DataGrid1=Demand history"};
    QTest::newRow("frmD2") << "frmD2" << QStringList{"txtX=Time to predict", "txtY=Predicted demand"};
    QTest::newRow("frmWizard") << "frmWizard" << QStringList{};
    QTest::newRow("frmW2") << "frmW2" << QStringList{};
    QTest::newRow("frmW3") << "frmW3" << QStringList{};
    QTest::newRow("frmSalesData") << "frmSalesData"
                                  << QStringList{"DataGrid1=Historical Sales Data", "txtPosition=Record",
                                                 "Command2_0=First", "Command2_1=Previous", "Command2_2=Next",
                                                 "Command2_3=Last"};
    QTest::newRow("frmFindItem") << "frmFindItem" << QStringList{};
    QTest::newRow("frmDataSource") << "frmDataSource"
                                   << QStringList{"DataGrid1=Table schema", "Drive1=Drive", "Dir1=Folder",
                                                  "File1=Files"};
    QTest::newRow("frmDataConfig") << "frmDataConfig"
                                   << QStringList{"txtCnnString=ConnectionString", "txtTable=Update",
                                                  "txtField=Set =[The estimated level ],",
                                                  "txtField1==[The estimated Units]",
                                                  "txtID=Where =[The value of ItemID]",
                                                  "ComboDataType_0=Data Type of Reorder Level",
                                                  "ComboDataType_1=Data Type of UnitsToOrder",
                                                  "ComboDataType_2=Data Type of ItemID"};
    QTest::newRow("frmReport")
        << "frmReport"
        << QStringList{"ListView1=Select reports from the following list and click either Print or Preview button"};
    QTest::newRow("frmBrowser") << "frmBrowser" << QStringList{};
}

// A window of the program's catalogue, shown active; the web browser is not
// shown, so that no web view starts.
struct CatalogueWindow {
    explicit CatalogueWindow(const QString& form) {
        tervalo::app::registerWindows(t.ctx, t.reportOutput);
        w.reset(t.registry.instance(form));
        if (!dynamic_cast<tervalo::widgets::WebBrowserWindow*>(w.get())) w->show();
    }
    tervalo::test::WindowTestContext t;
    std::unique_ptr<QWidget> w;
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void everyBoxIsFoundByItsLabel_data() { windowRows(); }
    void everyBoxIsFoundByItsLabel() {
        QFETCH(QString, form);
        QFETCH(QStringList, named);
        CatalogueWindow o(form);
        // The unit changes after the names were given: they follow it.
        if (auto* week = o.w->findChild<QRadioButton*>("optTime_2")) {
            QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
            o.w->findChild<QScrollArea*>()->ensureWidgetVisible(week);
            QTest::mouseClick(week, Qt::LeftButton);
            QVERIFY(week->isChecked());
        }
        // A combo box shows a value, so that a name taken from it would show.
        for (QComboBox* combo : o.w->findChildren<QComboBox*>())
            if (combo->currentText().isEmpty() && combo->count() > 0) combo->setCurrentIndex(0);
        QHash<QString, QString> names;
        for (const QString& entry : named)
            names.insert(entry.section('=', 0, 0), entry.mid(entry.indexOf('=') + 1));
        const QHash<QObject*, QAccessibleInterface*> nodes = accessibleTree(o.w.get());
        int boxes = 0;
        for (QWidget* control : o.w->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            const QString listed = names.value(name, names.value(name.section('_', 0, 0)));
            const auto* frame = qobject_cast<QGroupBox*>(control);
            if (!isBox(control, o.w.get()) && listed.isNull() && !(frame && !frame->title().isEmpty())) continue;
            boxes += isBox(control, o.w.get()) ? 1 : 0;
            QString expected = frame ? frame->title() : listed;
            for (QLabel* label : o.w->findChildren<QLabel*>())
                if (expected.isNull() && label->buddy() == control)
                    expected = tervalo::widgets::AccessibleNames::spoken(label->text());
            QVERIFY2(!expected.isNull(), qPrintable(name + ": no label"));
            QAccessibleInterface* node = nodes.value(control);
            QVERIFY2(node, qPrintable(name + ": not in the tree"));
            QCOMPARE(node->text(QAccessible::Name), expected);
        }
        QVERIFY(boxes > 0);
    }

    // Tab goes from the control that holds the focus through every control of
    // the window once and back to it (the fields of a date box are one stop).
    void tabPassesThroughEveryControlOnce_data() { windowRows(); }
    void tabPassesThroughEveryControlOnce() {
        QFETCH(QString, form);
        CatalogueWindow o(form);
        if (!o.w->isVisible()) return;  // the web browser: its address box and page only
        QVERIFY(QTest::qWaitForWindowActive(o.w.get()));
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first);
        QList<QWidget*> stops{first};
        QStringList passed{first->objectName()};
        for (int presses = 0; presses < 100 && passed.last() != "(back)"; ++presses) {
            QWidget* at = QApplication::focusWidget();
            QTest::keyClick(at, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY2(next != at || qobject_cast<QAbstractSpinBox*>(at), qPrintable("Tab stays in " + passed.join(" > ")));
            if (next == at) continue;
            QVERIFY2(!stops.contains(next) || next == first, qPrintable("twice: " + passed.join(" > ")));
            stops << next;
            passed << (next == first ? "(back)" : next->objectName());
        }
        QCOMPARE(passed.last(), QString("(back)"));
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
