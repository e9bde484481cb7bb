#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include <QString>
#include <optional>

namespace tervalo::widgets {

// What an EOQ window shows after a run: every text empty (and no row key)
// when the run stopped at a check or a fault.
struct EoqRunResult {
    bool calculated = false;
    QString orderQuantity;
    QString orderInterval;
    QString maxInventory;     // manufacturing windows
    QString allowedShortage;  // windows with shortages
    QString logId;            // the saved row; empty when the save failed
};

// The texts frmPurchaseSA is run with, as the wizard passes them.
struct PurchaseSaTexts {
    QString itemName;
    QString demand;
    QString price;
    QString holdingCost;
    QString orderCost;
    QString shortageCost;
    // "year", "month" or "week", matched exactly (any other text gives Year);
    // none keeps the window's current option.
    std::optional<QString> timeUnit;
};

// frmPurchaseSA: fills its boxes, selects the unit, then calculates as its
// button does, checks and messages included.
class PurchaseSaWindowEntry {
public:
    virtual ~PurchaseSaWindowEntry() = default;
    virtual EoqRunResult run(const PurchaseSaTexts& texts) = 0;
};

// The texts frmManufSA is run with.
struct ManufSaTexts {
    QString itemName;
    QString demand;
    QString unitCost;
    QString holdingCost;
    QString setupCost;
    QString manufRate;
    QString shortageCost;
    QString timeUnit;  // "year", "month" or "week", matched exactly; any other text gives Year
};

class ManufSaWindowEntry {
public:
    virtual ~ManufSaWindowEntry() = default;
    virtual EoqRunResult run(const ManufSaTexts& texts) = 0;
};

}  // namespace tervalo::widgets
