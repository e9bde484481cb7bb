#include "stochastic/DiscreteReport.h"

#include "core/NumberText.h"
#include "platform/TextReport.h"
#include "platform/TextReportBuilder.h"

namespace tervalo::stochastic {

namespace {

QString numberText(double value) { return QString::fromStdString(core::textWithLeadingBlank(value)); }

// The reports' rows on top of the shared piece builder.
class Pieces : public platform::TextReportBuilder<Pieces> {
public:
    // "Label:", two tabs, the box's text, two tabs, the unit.
    Pieces& input(const QString& label, const QString& boxText, const QString& unit) {
        return text(label).tabs(2).value(boxText).tabs(2).line(unit);
    }
    // The table's header, its rows in the order entered, and two empty lines.
    Pieces& demandTable(const std::vector<core::stochastic::DemandRow>& rows) {
        line(QStringLiteral("Demand model parameters:")).end();
        text(QStringLiteral("Demand")).tabs(1).line(QStringLiteral("Probability")).end();
        for (const core::stochastic::DemandRow& row : rows)
            text(numberText(row.demand)).tabs(1).text(numberText(row.probability)).end();
        return end().end();
    }
    // The title, the objective heading and the method's opening lines.
    Pieces& opening(const QStringList& objective) {
        line(QStringLiteral("Inventory Management Report")).line(QStringLiteral("===========================")).end();
        heading(QStringLiteral("Objective"), 9);
        for (const QString& l : objective)
            line(l);
        end();
        heading(QStringLiteral("Method"), 6)
            .text(QStringLiteral("Single-Period Stochastic Model is used. This model assumes a random demand"))
            .line(QStringLiteral("and a descrete demand distribution "))
            .line(QStringLiteral("to determine how much of an item is to have on hand at the beginning of a "));
        return *this;
    }
    Pieces& demandModel() {
        return text(QStringLiteral("Demand model used in this calculation is "))
            .line(QStringLiteral("Descrete distribution model"));
    }
};

}  // namespace

QStringList DiscreteReport::singlePeriodPieces(const SinglePeriodValues& v) {
    Pieces r;
    r.opening({QStringLiteral("To make an optimal inventory policy that minimizes cost.")})
        .line(QStringLiteral("single time period to minimize total cost. The descrete demand distribution"))
        .text(QStringLiteral("well applies to some expensive items with small range of demands, such as"))
        .line(QStringLiteral("luxury boats."))
        .end()
        .demandModel()
        .text(QStringLiteral("Problem type is "))
        .line(v.ssPolicy ? QStringLiteral("(s,S) Policy") : QStringLiteral("Christmas Tree"))
        .end();

    r.heading(QStringLiteral("Input"), 5).text(QStringLiteral("Item:")).tabs(3).value(v.item).end();
    r.demandTable(v.rows);
    r.input(QStringLiteral("Item Cost:"), v.price, QStringLiteral("$/unit"));
    if (v.ssPolicy) r.input(QStringLiteral("Setup/Order Cost:"), v.setupCost, QStringLiteral("$"));
    r.input(QStringLiteral("Holding Cost:"), v.holdingCost, QStringLiteral("$/unit"))
        .input(QStringLiteral("Shortage Cost:"), v.shortageCost, QStringLiteral("$/unit"))
        .end();

    r.heading(QStringLiteral("The Optimal Policy"), 18)
        .line(QStringLiteral("The inventory level should be replenished to:"))
        .end()
        .tabs(1)
        .value(v.orderUpTo)
        .tabs(1)
        .line(QStringLiteral("units"));
    if (v.ssPolicy) {
        r.end().line(QStringLiteral("whenever it falls below")).end().tabs(1).value(v.reorderPoint);
        r.line(QStringLiteral(" units."));
    }
    const QString total = QString::fromStdString(core::amountText(v.costTotal));
    r.text(QStringLiteral("Total Cost:")).tabs(2).text(total).tabs(1).text(QStringLiteral("$"));
    return r.pieces();
}

QStringList DiscreteReport::aspirationPieces(const AspirationValues& v) {
    Pieces r;
    r.opening({QStringLiteral("To make an optimal inventory policy that minimizes cost, and guaranteeing that "),
               QStringLiteral("the probability of stackout will not exceed some level set by management.")})
        .line(QStringLiteral("single time period."))
        .end()
        .demandModel()
        .end();

    r.heading(QStringLiteral("Input"), 5).demandTable(v.rows);
    r.text(QStringLiteral("Probability of Stockout:"))
        .value(v.stockoutProbability)
        .tabs(2)
        .line(QStringLiteral("percent"))
        .end();

    // The result text keeps its line breaks; a report line ends with one line end.
    QString result = v.result;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    r.heading(QStringLiteral("Result"), 18).text(result);
    return r.pieces();
}

void DiscreteReport::type(platform::TextReportSink* sink, const QStringList& pieces) {
    if (!sink) return;
    for (const QString& piece : pieces)
        sink->type(piece);
}

}  // namespace tervalo::stochastic
