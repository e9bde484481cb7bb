#pragma once
// The plain-text report of the two discount windows: a list of pieces in report
// order ("{TAB}" a tab, "{ENTER}" a line end, every other piece literal), typed
// into a report window one piece at a time.
#include <QString>
#include <QStringList>

namespace tervalo::platform {
class TextReportSink;
}

namespace tervalo::lotsize {

struct DiscountWindowDescription;

class DiscountReport {
public:
    // The boxes and labels as they read when the report is asked for.
    struct Values {
        QString item;
        QString demand;
        QString price;
        QString breakPoint;
        QString discountPrice;
        QString orderingCost;
        QString holdingCost;
        QString interest;
        QString conclusion;
        QString orderQuantity;
        QString orderInterval;
        double chosenTotal = 0;  // kept by the window from its last calculation
        QString timeUnit;        // "Year", "Month" or "Week"
    };

    // Every line ends with "{ENTER}" except the last.
    static QStringList pieces(const DiscountWindowDescription& description, const Values& values);

    // Types the pieces in order; a null sink types nothing.
    static void type(platform::TextReportSink* sink, const QStringList& pieces);
};

}  // namespace tervalo::lotsize
