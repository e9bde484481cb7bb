#pragma once
// A warehouse for the batch tests: a copy of Demo.mdb whose items and sales
// are replaced by the ones a test makes (or a shipped file as it is), the windows registered as the
// program registers them, and the batch analysis over them with the
// single-period calculation the program uses.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QStringList>
#include <QTest>

#include "data/RowInsert.h"
#include "stochastic/SinglePeriodCalculator.h"
#include "stochastic/StochasticWindows.h"
#include "support/TestEnvironment.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/runs/BatchAnalysis.h"
#include "warehouse/runs/LogWindow.h"
#include "widgets/WindowRegistry.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tervalo::test {

struct ItemSpec {
    QVariant id;
    QVariant name;
    QVariant unitCost;
    QVariant holdingCost;
    QVariant shortageCost;
    QVariant orderCost;
    QVariant singlePeriod;  // 1 single period, 0 (s,S)
    QVariant timeUnit = QStringLiteral("Month");
};

inline const ItemSpec kTree{"TREE", "Christmas Tree", 6, 0.5, 20, QVariant(), 1};
inline const ItemSpec kCar{"CAR", "Cars", 14000, 60, 16000, 5000, 0};
inline const ItemSpec kSkiWithoutOrderCost{"SKI", "Skis", 60, 1, 125, QVariant(), 0};
inline const QList<QVariant> kTreeSales{500, 1000, 750};
inline const QList<QVariant> kCarSales{75, 80, 85, 90, 95, 100, 98, 92, 88, 84, 79, 76};

class Warehouse {
public:
    // Empty item and sales tables, or, given a shipped file's name, a copy of
    // that file with its own rows.
    explicit Warehouse(const QString& shippedFile = QString()) {
        stochastic::registerStochasticWindows(t.ctx);
        warehouse::registerWarehouseWindows(t.ctx, calculator);
        if (!shippedFile.isEmpty()) {
            t.cnn.close();
            t.cnn.open(connectionToCopyOf(shippedFile));
        } else {
            for (const char* table : {"Items", "Sales", "SalesWeekly"})
                t.cnn.execute(QString("DELETE FROM \"%1\"").arg(table));
        }
        QSqlQuery q = t.cnn.run("SELECT ifnull(max(LogID), 0) FROM s_S");
        if (q.next()) m_lastShippedLogId = q.value(0).toLongLong();
    }

    void addItem(const ItemSpec& item) {
        data::RowInsert("Items")
            .set("ItemID", item.id)
            .set("Item", item.name)
            .set("UnitCost", item.unitCost)
            .set("TimeUnit", item.timeUnit)
            .set("HoldingCost", item.holdingCost)
            .set("ShortageCost", item.shortageCost)
            .set("OrderCost", item.orderCost)
            .set("SinglePeriod", item.singlePeriod)
            .run(t.cnn);
    }
    // One year of sales, the cells from the first period on.
    void addSales(const QVariant& id, int year, const QList<QVariant>& cells, bool weekly = false) {
        static const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        data::RowInsert row(weekly ? "SalesWeekly" : "Sales");
        row.set("ItemID", id).set("Year", year);
        for (int i = 0; i < cells.size(); ++i)
            row.set(weekly ? QString("W%1").arg(i + 1) : months.at(i), cells.at(i));
        row.run(t.cnn);
    }

    // Runs every item and waits for the end.
    warehouse::BatchOutcome runAll() {
        std::optional<warehouse::BatchOutcome> outcome;
        batch.startAll([&outcome](const warehouse::BatchOutcome& o) { outcome = o; });
        EXPECT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 20000));
        return outcome.value_or(warehouse::BatchOutcome{});
    }
    warehouse::BatchOutcome runCurrent(const QString& id) {
        std::optional<warehouse::BatchOutcome> outcome;
        batch.runCurrent(*data::BatchRepository(t.cnn).item(id),
                         [&outcome](const warehouse::BatchOutcome& o) { outcome = o; });
        return outcome.value_or(warehouse::BatchOutcome{});
    }

    warehouse::LogWindow* log() {
        return qobject_cast<warehouse::LogWindow*>(t.registry.existing(widgets::WindowId::Log));
    }
    QString logText() { return log() ? log()->text() : QString("(no log window)"); }
    // A column of an item's row as SQLite writes it ("841.0"), "null" for Null.
    QString field(const QString& id, const QString& name) {
        return column(QString("SELECT ifnull(\"%1\" || '', 'null') FROM Items WHERE ItemID = ?").arg(name), {id})
            .value(0, "no row");
    }
    // ItemName|ModelID|OrderQty|ReorderPoint of the new s_S rows, oldest first.
    QStringList ssRows() {
        return column(
            "SELECT ItemName || '|' || ModelID || '|' || OrderQty || '|' || ifnull(ReorderPoint, '') FROM "
            "s_S WHERE LogID > ? ORDER BY LogID",
            {m_lastShippedLogId});
    }
    // ItemID=OrderQty/ReorderPoint of every item.
    QString itemsTable() {
        return column(
                   "SELECT ItemID || '=' || ifnull(OrderQty, 'null') || '/' || ifnull(ReorderPoint, 'null') FROM "
                   "Items ORDER BY ItemID")
            .join(',');
    }
    QStringList column(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q = t.cnn.run(sql, values);
        QStringList texts;
        while (q.next())
            texts << q.value(0).toString();
        return texts;
    }

    WindowTestContext t;
    stochastic::WindowlessSinglePeriod calculator;
    warehouse::BatchAnalysis batch{t.ctx, calculator};

private:
    qlonglong m_lastShippedLogId = 0;
};

}  // namespace tervalo::test
