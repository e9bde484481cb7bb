// The shared cost table and pie: amounts and shares as "#.00" texts, the pie's
// whole-percent slices read back from the share column, and the failures.
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QPieSeries>
#include <QTableWidget>
#include <QtTest>

#include "core/CostSplit.h"
#include "core/RuntimeError.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "widgets/CostTable.h"

using tervalo::core::RuntimeError;
using tervalo::core::splitCosts;
using tervalo::platform::MsgIcon;
using tervalo::test::RecordingNotifier;
using tervalo::widgets::CostTable;

namespace {

const QStringList kPurchaseShortage{"Purchase", "Ordering", "Holding", "Shortage"};
const QStringList kManufacture{"Production", "Setup", "Holding"};

QStringList column(const CostTable& table, int col) {
    QStringList out;
    for (int row = 1; row <= table.grid()->rowCount(); ++row)
        out << table.cell(row, col);
    return out;
}

QList<qreal> drawnSlices(const CostTable& table) {
    auto* view = table.findChild<QChartView*>("MSChart1");
    auto* series = qobject_cast<QPieSeries*>(view->chart()->series().value(0));
    QList<qreal> out;
    for (auto* slice : series->slices())
        out << slice->value();
    return out;
}

}  // namespace

class CostTableTest : public QObject {
    Q_OBJECT

private slots:
    // --- headings and layout
    void headingsForFourParts() {
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        QCOMPARE(table.grid()->objectName(), QString("MSFlexGrid1"));
        // The part names and the column titles are real headers.
        QCOMPARE(table.grid()->rowCount(), 5);
        QCOMPARE(table.grid()->columnCount(), 2);
        QVERIFY(!table.grid()->horizontalHeader()->isHidden());
        QCOMPARE(table.grid()->horizontalHeaderItem(1)->text(), QString("%"));
        QCOMPARE(table.grid()->verticalHeaderItem(4)->text(), QString("Total"));
        QCOMPARE(table.cell(0, 0), QString());
        QCOMPARE(table.cell(0, 1), QString("Cost"));
        QCOMPARE(table.cell(0, 2), QString("%"));
        QCOMPARE(column(table, 0), (QStringList{"Purchase", "Ordering", "Holding", "Shortage", "Total"}));
        QCOMPARE(column(table, 1), QStringList(5, QString()));
    }

    void headingsForThreeParts() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, false, notifier);
        QCOMPARE(table.grid()->rowCount(), 4);
        QCOMPARE(column(table, 0), (QStringList{"Production", "Setup", "Holding", "Total"}));
        QVERIFY(!table.findChild<QChartView*>());
        QCOMPARE(table.chartTitle(), QString());
    }

    void gridIsReadOnlyAndShowsEveryCell() {
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        table.display(splitCosts({1234567.5, 40.5, 30.25, 9.25, 1234657.5}));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
        const QRect visible = table.grid()->viewport()->rect();
        for (int row = 0; row < table.grid()->rowCount(); ++row) {
            for (int col = 0; col < 2; ++col) {
                const QRect cell = table.grid()->visualRect(table.grid()->model()->index(row, col));
                QVERIFY2(visible.contains(cell), qPrintable(QString("cell %1,%2").arg(row).arg(col)));
                const int needed = table.grid()->fontMetrics().horizontalAdvance(table.cell(row + 1, col + 1));
                QVERIFY(cell.width() > needed);
            }
        }
    }

    void chartTitleAndRowLabel() {
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        // The pie is made when the table is first shown, in a place of the same size.
        QVERIFY(!table.findChild<QChartView*>());
        const QSize unshown = table.sizeHint();
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.sizeHint(), unshown);
        QCOMPARE(table.findChild<QChartView*>()->objectName(), QString("MSChart1"));
        QCOMPARE(table.chartTitle(), QString("Cost analysis"));
        QVERIFY(table.findChild<QChartView*>()->chart()->legend()->isVisible());
        table.display(splitCosts({200, 40.5, 30.25, 9.25, 280}));
        QCOMPARE(table.rowLabel(), QString("Percentage"));
        QCOMPARE(table.sliceLabels(), kPurchaseShortage);
    }

    // --- worked examples
    void purchasingWithShortages() {
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        table.display(splitCosts({200, 40.5, 30.25, 9.25, 280}, true));
        QCOMPARE(column(table, 1), (QStringList{"200.00", "40.50", "30.25", "9.25", "280.00"}));
        QCOMPARE(column(table, 2), (QStringList{"71.43", "14.46", "10.80", "3.30", "100.00"}));
        QCOMPARE(table.sliceValues(), (QVector<int>{71, 14, 11, 3}));
        QCOMPARE(drawnSlices(table), (QList<qreal>{71, 14, 11, 3}));
        QVERIFY(notifier.messages.isEmpty());
    }

    // Paper: demand 8 a week, price 25, ordering 130, holding 1.173.
    void purchasingWithoutShortages() {
        const double quantity = std::sqrt(2 * 8 * 130 / 1.173);
        const double ordering = 8 / quantity * 130;
        const double holding = quantity / 2 * 1.173;
        RecordingNotifier notifier;
        CostTable table({"Purchase", "Ordering", "Holding"}, true, notifier);
        table.display(splitCosts({200, ordering, holding, 200 + ordering + holding}, true));
        QCOMPARE(column(table, 1), (QStringList{"200.00", "24.70", "24.70", "249.39"}));
        QCOMPARE(column(table, 2), (QStringList{"80.19", "9.90", "9.90", "100.00"}));
        QCOMPARE(table.sliceValues(), (QVector<int>{80, 10, 10}));
    }

    // The same with shortages at 15 a box a week: a share below 1 shows as ".70".
    void purchasingExampleWithShortages() {
        const double quantity = std::sqrt(2 * 8 * 130 / 1.173 * (1.173 + 15) / 15);
        const double shortage = quantity * 1.173 / (1.173 + 15);
        const std::vector<double> parts{200, 8 / quantity * 130,
                                        (quantity - shortage) * (quantity - shortage) * 1.173 / (2 * quantity),
                                        shortage * shortage * 15 / (2 * quantity)};
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        table.display(
            splitCosts({parts[0], parts[1], parts[2], parts[3], parts[0] + parts[1] + parts[2] + parts[3]}, true));
        QCOMPARE(column(table, 1), (QStringList{"200.00", "23.78", "22.06", "1.73", "247.57"}));
        QCOMPARE(column(table, 2), (QStringList{"80.79", "9.61", "8.91", ".70", "100.00"}));
        QCOMPARE(table.sliceValues(), (QVector<int>{81, 10, 9, 1}));
    }

    void totalShareComputedGivesTheSameText() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, true, notifier);
        table.display(splitCosts({1000, 300.125, 0.75, 1300.875}, false));
        QCOMPARE(column(table, 1), (QStringList{"1000.00", "300.13", ".75", "1300.88"}));
        QCOMPARE(table.cell(4, 2), QString("100.00"));
        QCOMPARE(table.cell(3, 2), QString(".06"));
    }

    // --- rounding of the slices
    void halfSharesRoundToEven() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, true, notifier);
        table.display(splitCosts({12.5, 13.5, 74, 100}));
        QCOMPARE(column(table, 2), (QStringList{"12.50", "13.50", "74.00", "100.00"}));
        QCOMPARE(table.sliceValues(), (QVector<int>{12, 14, 74}));
    }

    void negativeShareKeepsItsNumberButDrawsNothing() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, true, notifier);
        table.display(splitCosts({120, -30, 10, 100}));
        QCOMPARE(column(table, 2), (QStringList{"120.00", "-30.00", "10.00", "100.00"}));
        QCOMPARE(table.sliceValues(), (QVector<int>{120, -30, 10}));
        QCOMPARE(drawnSlices(table), (QList<qreal>{120, 0, 10}));
    }

    // --- failures
    // A failure writes nothing: the table never shows amounts of one
    // calculation beside shares of another.
    void zeroTotalRaisesAndWritesNothing() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, true, notifier);
        table.display(splitCosts({50, 30, 20, 100}));
        try {
            table.display(splitCosts({1, 2, 3, 0}));
            QFAIL("no error raised");
        } catch (const RuntimeError& error) {
            QCOMPARE(QString::fromStdString(error.description()), QString("Division by zero"));
        }
        QCOMPARE(column(table, 1), (QStringList{"50.00", "30.00", "20.00", "100.00"}));
        QCOMPARE(column(table, 2), (QStringList{"50.00", "30.00", "20.00", "100.00"}));
    }

    void allZeroRaisesInvalidCall() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, false, notifier);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, table.display(splitCosts({0, 0, 0, 0})));
        QCOMPARE(column(table, 2), QStringList(4, QString()));
    }

    // The table shows the shares; the pie, which cannot, is emptied rather
    // than left showing the slices of the calculation before.
    void shareBeyondSixteenBitsIsAnOverflowAndEmptiesThePie() {
        RecordingNotifier notifier;
        CostTable table(kManufacture, true, notifier);
        table.display(splitCosts({50, 30, 20, 100}));
        table.display(splitCosts({40000, -39900, 0, 100}));
        QCOMPARE(table.cell(1, 2), QString("40000.00"));
        QCOMPARE(notifier.texts(), QStringList{"Overflow"});
        QCOMPARE(notifier.last().icon, MsgIcon::None);
        QVERIFY(table.sliceValues().isEmpty());
        QVERIFY(drawnSlices(table).isEmpty());
    }

    // --- clearing
    void clearEmptiesValuesAndKeepsHeadingsAndPie() {
        RecordingNotifier notifier;
        CostTable table(kPurchaseShortage, true, notifier);
        table.display(splitCosts({200, 40.5, 30.25, 9.25, 280}));
        table.clearValues();
        QCOMPARE(column(table, 1), QStringList(5, QString()));
        QCOMPARE(column(table, 2), QStringList(5, QString()));
        QCOMPARE(column(table, 0), (QStringList{"Purchase", "Ordering", "Holding", "Shortage", "Total"}));
        QCOMPARE(table.cell(0, 1), QString("Cost"));
        QCOMPARE(table.cell(0, 2), QString("%"));
        QCOMPARE(table.sliceValues(), (QVector<int>{71, 14, 11, 3}));
        QCOMPARE(drawnSlices(table), (QList<qreal>{71, 14, 11, 3}));
    }
};

TERVALO_QTEST_MAIN(CostTableTest)
#include "CostTableTest.moc"
