#pragma once
// "Purchasing Model: Shortages Allowed" (frmPurchaseSA): the order quantity of a
// purchased item when shortages are back-ordered, with the supplier's-offer
// what-if. The wizard drives it through run().
#include <QString>
#include <optional>

#include "lotsize/EoqWindow.h"

namespace tervalo::lotsize {

class PurchaseSaWindow : public EoqWindow {
    Q_OBJECT
public:
    explicit PurchaseSaWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Fills the six boxes with the texts as given, selects the time unit when one
    // is given ("year", "month", "week", matched exactly; any other text gives
    // Year; without one the current option stays), then calculates as the
    // button does, checks and messages included.
    void run(const QString& itemName, const QString& demand, const QString& price, const QString& holdingCost,
             const QString& orderCost, const QString& shortageCost,
             const std::optional<QString>& timeUnit = std::nullopt);

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
