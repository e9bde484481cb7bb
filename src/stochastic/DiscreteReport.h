#pragma once
// The plain-text reports of the two discrete-demand windows, as lists of pieces
// in report order ("{TAB}" a tab, "{ENTER}" a line end, every other piece
// literal), typed into a report window one piece at a time. Both list the
// demand table in the order it was entered.
#include <QString>
#include <QStringList>
#include <vector>

#include "core/stochastic/DemandTable.h"

namespace tervalo::platform {
class TextReportSink;
}

namespace tervalo::stochastic {

class DiscreteReport {
public:
    // frmSinglePeriodD: the boxes as they read when the report is asked for.
    struct SinglePeriodValues {
        bool ssPolicy = false;  // "(s,S) Policy" selected: the setup cost and s are reported
        QString item;
        QString price;
        QString setupCost;
        QString holdingCost;
        QString shortageCost;
        QString orderUpTo;     // txtS2
        QString reorderPoint;  // txtS1
        std::vector<core::stochastic::DemandRow> rows;
        double costTotal = 0;  // kept by the window from its last calculation
    };

    // frmMultiperiodA.
    struct AspirationValues {
        std::vector<core::stochastic::DemandRow> rows;
        QString stockoutProbability;  // txtStockoutP
        QString result;               // Label5, its lines joined by CR LF
    };

    // Every line ends with "{ENTER}" except the last.
    static QStringList singlePeriodPieces(const SinglePeriodValues& values);
    static QStringList aspirationPieces(const AspirationValues& values);

    // Types the pieces in order; a null sink types nothing.
    static void type(platform::TextReportSink* sink, const QStringList& pieces);
};

}  // namespace tervalo::stochastic
