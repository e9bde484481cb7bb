#pragma once
// The economic-order-quantity calculator behind every deterministic lot-size
// window. ModelType 1 purchasing without shortages, 2 purchasing with
// backorders, 3 production without shortages, 4 production with backorders.
//
// run() evaluates the model's steps in a fixed order and assigns each output
// as soon as its step ends, with every floating-point step checked. A fault
// (division by zero, overflow, invalid argument) ends the run at that step:
// outputs assigned before it keep their new values, all others their old ones.
// The fault is kept, passed to the fault reporter, and run() returns false so
// the window can stop instead of showing the stale outputs.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/RuntimeError.h"

namespace tervalo::core::lotsize {

class Eoq {
public:
    using FaultReporter = std::function<void(const std::string& description)>;

    // Called with the fault's description; the windows show it in a box with no
    // icon titled with the program's title.
    void setFaultReporter(FaultReporter reporter) { m_faultReporter = std::move(reporter); }

    // Returns false after a fault (reported and kept in lastFault()), true
    // otherwise; a ModelType outside 1..4 changes nothing and returns true.
    bool run();
    const std::optional<RuntimeError>& lastFault() const { return m_lastFault; }

    // --- inputs ---
    void setModelType(int value) { m_modelType = value; }
    int modelType() const { return m_modelType; }
    void setDemand(double value) { m_demand = value; }
    double demand() const { return m_demand; }
    void setOderOrSetupCost(double value) { m_oderOrSetupCost = value; }
    double oderOrSetupCost() const { return m_oderOrSetupCost; }
    void setHoldingCost(double value) { m_holdingCost = value; }
    double holdingCost() const { return m_holdingCost; }
    void setPurchaseOrProductionCost(double value) { m_purchaseOrProductionCost = value; }
    double purchaseOrProductionCost() const { return m_purchaseOrProductionCost; }
    void setShortageCost(double value) { m_shortageCost = value; }
    // Converts the way a loosely typed value does: a text that is a number as a
    // whole ("12.5", " 15 ") gives that number; any other text, the empty one
    // included, raises RuntimeError(TypeMismatch) and keeps the old value.
    void setShortageCost(std::string_view text);
    double shortageCost() const { return m_shortageCost; }
    void setProductionRate(double value) { m_productionRate = value; }
    double productionRate() const { return m_productionRate; }

    // --- outputs (run() writes them; a window may set them too) ---
    void setOptimumOrderOrProductionQuantity(double value) { m_optimumOrderOrProductionQuantity = value; }
    double optimumOrderOrProductionQuantity() const { return m_optimumOrderOrProductionQuantity; }
    // In time units, not days.
    void setOrderingCycle(double value) { m_orderingCycle = value; }
    double orderingCycle() const { return m_orderingCycle; }
    void setAllowedShortage(double value) { m_allowedShortage = value; }
    double allowedShortage() const { return m_allowedShortage; }
    void setMaxInventory(double value) { m_maxInventory = value; }
    double maxInventory() const { return m_maxInventory; }
    void setPeriodPuchaseOrProductionCost(double value) { m_periodPuchaseOrProductionCost = value; }
    double periodPuchaseOrProductionCost() const { return m_periodPuchaseOrProductionCost; }
    void setPeriodOrderingOrProductionCost(double value) { m_periodOrderingOrProductionCost = value; }
    double periodOrderingOrProductionCost() const { return m_periodOrderingOrProductionCost; }
    void setPeriodHoldingCost(double value) { m_periodHoldingCost = value; }
    double periodHoldingCost() const { return m_periodHoldingCost; }
    void setPeriodShortageCost(double value) { m_periodShortageCost = value; }
    double periodShortageCost() const { return m_periodShortageCost; }
    void setTotalPeriodCost(double value) { m_totalPeriodCost = value; }
    double totalPeriodCost() const { return m_totalPeriodCost; }

private:
    void runPurchasing();
    void runPurchasingWithShortages();
    void runProduction();
    void runProductionWithShortages();
    void assignCycleAndFixedCosts();
    double sumOfThreeParts() const;
    // 1 - D / P, computed afresh at each use as the formulas are written.
    double productionShare() const;

    int m_modelType = 0;
    double m_demand = 0;
    double m_oderOrSetupCost = 0;
    double m_holdingCost = 0;
    double m_purchaseOrProductionCost = 0;
    double m_shortageCost = 0;
    double m_productionRate = 0;

    double m_optimumOrderOrProductionQuantity = 0;
    double m_orderingCycle = 0;
    double m_allowedShortage = 0;
    double m_maxInventory = 0;
    double m_periodPuchaseOrProductionCost = 0;
    double m_periodOrderingOrProductionCost = 0;
    double m_periodHoldingCost = 0;
    double m_periodShortageCost = 0;
    double m_totalPeriodCost = 0;

    FaultReporter m_faultReporter;
    std::optional<RuntimeError> m_lastFault;
};

}  // namespace tervalo::core::lotsize
