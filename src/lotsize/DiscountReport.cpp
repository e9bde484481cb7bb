#include "lotsize/DiscountReport.h"

#include <initializer_list>

#include "core/NumberText.h"
#include "lotsize/DiscountWindowDescription.h"
#include "platform/TextReport.h"
#include "platform/TextReportBuilder.h"

namespace tervalo::lotsize {

namespace {

// The report's rows on top of the shared piece builder.
class PieceList : public platform::TextReportBuilder<PieceList> {
public:
    // "Label:", tabs, the box's text, and the unit after two tabs when there is one.
    PieceList& input(const QString& label, int tabCount, const QString& boxText,
                     std::initializer_list<QString> unit = {}) {
        text(label).tabs(tabCount).value(boxText);
        if (unit.size() > 0) {
            tabs(2);
            for (const QString& piece : unit)
                text(piece);
        }
        return end();
    }
};

}  // namespace

QStringList DiscountReport::pieces(const DiscountWindowDescription& d, const Values& v) {
    const QString total = QString::fromStdString(core::amountText(v.chosenTotal));
    PieceList r;
    r.line(QStringLiteral("Inventory Management Report")).line(QStringLiteral("===========================")).end();

    r.heading(QStringLiteral("Objective"), 9)
        .line(QStringLiteral("To make an optimal inventory policy that minimizes cost,"))
        .line(d.reportObjective)
        .end();

    r.heading(QStringLiteral("Method"), 6)
        .line(QStringLiteral("Purchasing Model-No Shoratges is used, which assumes:"))
        .end()
        .line(QStringLiteral("1. Demand is at a constant rate."))
        .line(QStringLiteral("2. Replacement is instantaneous."))
        .text(d.reportPurchaseMethod)
        .line(QStringLiteral("and holding cost includes handling and financing cost."))
        .line(QStringLiteral("4. No shortages are allowed."))
        .end();

    r.heading(QStringLiteral("Input"), 5)
        .input(QStringLiteral("Item:"), 3, v.item)
        .input(QStringLiteral("Demand:"), 3, v.demand, {QStringLiteral("units/"), v.timeUnit})
        .input(QStringLiteral("Purchase Price:"), 2, v.price, {QStringLiteral("$/unit")})
        .input(QStringLiteral("for any amount up to:"), 1, v.breakPoint, {QStringLiteral("unit")})
        .line(d.reportDiscountLead)
        .input(QStringLiteral("Discount Price:"), 2, v.discountPrice, {QStringLiteral("$/unit")})
        .input(QStringLiteral("Ordering Cost:"), 2, v.orderingCost, {QStringLiteral("$/order")})
        .input(QStringLiteral("Handling Cost:"), 2, v.holdingCost, {QStringLiteral("$/unit/"), v.timeUnit})
        .input(QStringLiteral("Interest Rate:"), 2, v.interest, {QStringLiteral("percent")})
        .end();

    r.heading(QStringLiteral("The Optimal Policy"), 18).value(v.conclusion).end().end();
    r.text(QStringLiteral("Quantity to Order:"))
        .tabs(1)
        .value(v.orderQuantity)
        .tabs(1)
        .line(QStringLiteral("units/order"));
    r.text(QStringLiteral("Ordering Circle:")).tabs(1).value(v.orderInterval).tabs(1).line(QStringLiteral("days"));
    r.text(QStringLiteral("Total Cost:")).tabs(2).text(total).tabs(1).text(QStringLiteral("$/")).line(v.timeUnit).end();

    r.heading(QStringLiteral("Summary"), 7)
        .text(QStringLiteral("Ordering "))
        .value(v.orderQuantity)
        .line(QStringLiteral(" units each time an order is placed."))
        .text(QStringLiteral("The time between 2 orders is "))
        .value(v.orderInterval)
        .text(QStringLiteral(" days."));
    return r.pieces();
}

void DiscountReport::type(platform::TextReportSink* sink, const QStringList& pieces) {
    if (!sink) return;
    for (const QString& piece : pieces)
        sink->type(piece);
}

}  // namespace tervalo::lotsize
