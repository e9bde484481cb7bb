#pragma once
// How the lot-size windows write the quantities and intervals they compute.
#include <string>

#include "core/lotsize/TimeUnit.h"

namespace tervalo::core::lotsize {

// A quantity, interval, shortage or maximum inventory as the windows show it:
// rounded half to even to a 32-bit integer (Overflow only beyond +-2147483647,
// so a yearly demand of a million is an ordinary quantity) and
// written with a leading blank (554.7 -> " 555").
std::string roundedText(double value);

// An ordering cycle in time units turned into days (365, 30 or 7 per unit),
// kept in single precision as the interval boxes and stored rows expect.
float intervalDays(double orderingCycle, TimeUnit unit);

}  // namespace tervalo::core::lotsize
