#pragma once
// The checks of the wizard's Next on step 3 and Finish on step 4, as data in
// the order they run. Only the empty box and the order of the uniform bounds
// are tested here: a text that is not a number never leaves its box.
#include <span>

#include "core/InputCheck.h"
#include "demand/WizardInterview.h"

namespace tervalo::demand {

// The number boxes of step 3.
enum class DemandDataField { Lower, Upper, Mean, Variance, Constant, ManufRate, Count };

// The cost boxes of step 4; each field's number is the index of its tab.
enum class CostField { Ordering, Item, Holding, Shortage, Count };

// The checks of the frame shown for `shown` (none when no frame is shown); the
// production rate is required only of a manufactured item.
std::span<const core::InputCheck> demandDataChecks(DemandKnowledge shown, bool manufacturing);

// The cost checks; a single-period item has no ordering cost to enter.
std::span<const core::InputCheck> costChecks(DemandType type);

}  // namespace tervalo::demand
