#pragma once
// "Purchasing Model: Shortages Allowed" (frmPurchaseSA): the order quantity of a
// purchased item when shortages are back-ordered, with the supplier's-offer
// what-if. The wizard drives it through run().
#include "lotsize/EoqWindow.h"
#include "widgets/windows/EoqWindowEntry.h"

namespace tervalo::lotsize {

class PurchaseSaWindow : public EoqWindow, public widgets::PurchaseSaWindowEntry {
    Q_OBJECT
public:
    explicit PurchaseSaWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Fills the six boxes with the texts as given, selects the time unit when one
    // is given, then calculates as the button does, checks and messages included.
    widgets::EoqRunResult run(const widgets::PurchaseSaTexts& texts) override;

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
