#pragma once
// What the EOQ window tests read and press beyond the controls by name: the
// boxes in the window's order, run() as the wizards call it, and the saved
// EOQ1 row against an expected one.
#include <QStringList>
#include <optional>

#include "data/Eoq1Repository.h"
#include "lotsize/EoqWindow.h"
#include "support/RegisteredWindow.h"
#include "support/Tolerance.h"
#include "widgets/windows/EoqWindowEntry.h"

namespace tervalo::test {

struct EoqWindowProbe : RegisteredWindow<lotsize::EoqWindow> {
    using RegisteredWindow::RegisteredWindow;

    // Types the worked example's texts without selecting its time unit.
    void fillExample() const {
        for (const auto& [field, text] : w->description().exampleTexts)
            w->inputBox(field)->setText(text);
    }
    // The input boxes' texts, top to bottom.
    QStringList inputs() const {
        QStringList texts;
        for (const lotsize::BoxRow& row : w->description().inputs)
            texts << w->inputBox(row.box)->text();
        return texts;
    }
    // The result boxes' texts, top to bottom.
    QStringList results() const {
        QStringList texts;
        for (const lotsize::BoxRow& row : w->description().results)
            texts << w->resultBox(lotsize::EoqResultBox(row.box))->text();
        return texts;
    }
    QStringList noResults() const { return QStringList(w->description().results.size(), QString()); }
    QStringList noCosts() const { return QStringList(w->costTable()->grid()->rowCount(), QString()); }

    // Runs a window driven from outside (frmPurchaseSA, frmManufSA) as the
    // wizards do, with the texts its input boxes hold; the boxes are emptied
    // first, for run() to fill in.
    widgets::EoqRunResult run(const std::optional<QString>& unit) const {
        const QStringList t = inputs();
        for (const lotsize::BoxRow& row : w->description().inputs)
            w->inputBox(row.box)->clear();
        if (auto* purchase = dynamic_cast<widgets::PurchaseSaWindowEntry*>(w.get()))
            return purchase->run({t[0], t[1], t[2], t[3], t[4], t[5], unit});
        // Item, demand, cost, holding, setup, rate, shortage; no unit text gives Year.
        return dynamic_cast<widgets::ManufSaWindowEntry&>(*w).run(
            {t[0], t[1], t[2], t[3], t[4], t[5], t[6], unit.value_or("")});
    }
};

// A saved row against the expected one: texts exactly, amounts to the shared tolerance.
inline void compareEoq1Rows(const data::Eoq1Row& a, const data::Eoq1Row& e) {
    QCOMPARE(a.modelId, e.modelId);
    QCOMPARE((QStringList{a.timeUnit, a.itemName, a.demand, a.itemCost, a.holdingCost, a.setupCost, a.orderQty,
                          a.orderInterval, a.shortageCost.value_or("-"), a.shortageAllowed.value_or("-")}),
             (QStringList{e.timeUnit, e.itemName, e.demand, e.itemCost, e.holdingCost, e.setupCost, e.orderQty,
                          e.orderInterval, e.shortageCost.value_or("-"), e.shortageAllowed.value_or("-")}));
    QCOMPARE(a.tShortageCost.has_value(), e.tShortageCost.has_value());
    const QList<double> actual{a.tItemCost, a.tSetupCost, a.tHoldingCost, a.tShortageCost.value_or(0), a.totalCost};
    const QList<double> expected{e.tItemCost, e.tSetupCost, e.tHoldingCost, e.tShortageCost.value_or(0), e.totalCost};
    for (int i = 0; i < actual.size(); ++i)
        QCOMPARE_NEARLY(actual.at(i), expected.at(i));
}

}  // namespace tervalo::test
