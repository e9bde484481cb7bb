#pragma once
// The boxes of the four EOQ windows as fields, the checks Calculate runs on
// them in each window's order and wording, and the calculator's inputs read
// from them.
#include <span>

#include "core/InputCheck.h"
#include "core/lotsize/Eoq.h"

namespace tervalo::core::lotsize {

enum class EoqField { Item, Demand, Price, HoldingCost, OrderingCost, ProductionRate, ShortageCost, Count };
using EoqTexts = FieldTexts<EoqField>;

// The checks of the model's window, first to last.
std::span<const InputCheck> eoqChecks(EoqModel model);

// The leading number of each box the model reads.
EoqInputs eoqInputs(EoqModel model, const EoqTexts& texts);

}  // namespace tervalo::core::lotsize
