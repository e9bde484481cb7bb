#include "core/lotsize/LotSizeText.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::lotsize {

std::string roundedText(double value) { return textWithLeadingBlank(roundToInt32(value)); }

float intervalDays(double orderingCycle, TimeUnit unit) {
    return toSingle(checked::mul(orderingCycle, daysPerUnit(unit)));
}

}  // namespace tervalo::core::lotsize
