#pragma once
// The economic-order-quantity models behind every deterministic lot-size
// window: 1 purchasing without shortages, 2 purchasing with backorders,
// 3 production without shortages, 4 production with backorders.
//
// computeEoq() evaluates the model's steps in a fixed order and writes each
// output as soon as its step ends, with every floating-point step checked. A
// fault (division by zero, overflow, invalid argument) raises RuntimeError at
// that step: outputs written before it hold their new values, all others keep
// what they held. The caller decides how a fault is shown.
//
// Eoq is the calculator object the windows hold: the inputs and outputs as
// properties over the same function, named letter for letter as the windows
// call them (misspellings such as OderOrSetupCost included).
#include <string_view>

#include "core/RuntimeError.h"

namespace tervalo::core::lotsize {

// The four models; the number is the ModelType of the calculator and the
// ModelID of the saved rows.
enum class EoqModel {
    PurchasingNoShortages = 1,
    PurchasingShortages = 2,
    ProductionNoShortages = 3,
    ProductionShortages = 4
};

constexpr int modelId(EoqModel model) { return static_cast<int>(model); }
constexpr bool isProduction(EoqModel m) {
    return m == EoqModel::ProductionNoShortages || m == EoqModel::ProductionShortages;
}
constexpr bool allowsShortages(EoqModel m) {
    return m == EoqModel::PurchasingShortages || m == EoqModel::ProductionShortages;
}

struct EoqInputs {
    EoqModel model = EoqModel::PurchasingNoShortages;
    double demand = 0;          // D, per time unit
    double orderCost = 0;       // K, per order or setup
    double holdingCost = 0;     // h, per unit and time unit
    double price = 0;           // c, purchase price or production cost
    double shortageCost = 0;    // p, models 2 and 4
    double productionRate = 0;  // P, models 3 and 4
};

struct EoqResult {
    double quantity = 0;         // Q
    double cycle = 0;            // T = Q / D, in time units
    double allowedShortage = 0;  // models 2 and 4
    double maxInventory = 0;     // models 3 and 4
    double purchaseCost = 0;     // per time unit
    double orderingCost = 0;
    double holdingCost = 0;
    double shortageCost = 0;  // models 2 and 4
    double total = 0;
};

// Writes the model's outputs into `out` step by step; raises RuntimeError at a fault.
void computeEoq(const EoqInputs& in, EoqResult& out);
// The outputs of one calculation, or RuntimeError.
EoqResult computeEoq(const EoqInputs& in);

class Eoq {
public:
    // Computes the outputs of ModelType 1 to 4 from the current inputs; any
    // other ModelType changes nothing. Raises RuntimeError at a fault, with
    // the outputs of the steps before it assigned.
    void run();

    // --- inputs ---
    void setModelType(int value) { m_modelType = value; }
    int modelType() const { return m_modelType; }
    void setDemand(double value) { m_in.demand = value; }
    double demand() const { return m_in.demand; }
    void setOderOrSetupCost(double value) { m_in.orderCost = value; }
    double oderOrSetupCost() const { return m_in.orderCost; }
    void setHoldingCost(double value) { m_in.holdingCost = value; }
    double holdingCost() const { return m_in.holdingCost; }
    void setPurchaseOrProductionCost(double value) { m_in.price = value; }
    double purchaseOrProductionCost() const { return m_in.price; }
    void setShortageCost(double value) { m_in.shortageCost = value; }
    // Converts the way a loosely typed value does: a text that is a number as a
    // whole ("12.5", " 15 ") gives that number; any other text, the empty one
    // included, raises RuntimeError(TypeMismatch) and keeps the old value.
    void setShortageCost(std::string_view text);
    double shortageCost() const { return m_in.shortageCost; }
    void setProductionRate(double value) { m_in.productionRate = value; }
    double productionRate() const { return m_in.productionRate; }

    // --- outputs (run() writes them; a window may set them too) ---
    void setOptimumOrderOrProductionQuantity(double value) { m_out.quantity = value; }
    double optimumOrderOrProductionQuantity() const { return m_out.quantity; }
    // In time units, not days.
    void setOrderingCycle(double value) { m_out.cycle = value; }
    double orderingCycle() const { return m_out.cycle; }
    void setAllowedShortage(double value) { m_out.allowedShortage = value; }
    double allowedShortage() const { return m_out.allowedShortage; }
    void setMaxInventory(double value) { m_out.maxInventory = value; }
    double maxInventory() const { return m_out.maxInventory; }
    void setPeriodPuchaseOrProductionCost(double value) { m_out.purchaseCost = value; }
    double periodPuchaseOrProductionCost() const { return m_out.purchaseCost; }
    void setPeriodOrderingOrProductionCost(double value) { m_out.orderingCost = value; }
    double periodOrderingOrProductionCost() const { return m_out.orderingCost; }
    void setPeriodHoldingCost(double value) { m_out.holdingCost = value; }
    double periodHoldingCost() const { return m_out.holdingCost; }
    void setPeriodShortageCost(double value) { m_out.shortageCost = value; }
    double periodShortageCost() const { return m_out.shortageCost; }
    void setTotalPeriodCost(double value) { m_out.total = value; }
    double totalPeriodCost() const { return m_out.total; }

private:
    int m_modelType = 0;
    EoqInputs m_in;
    EoqResult m_out;
};

}  // namespace tervalo::core::lotsize
