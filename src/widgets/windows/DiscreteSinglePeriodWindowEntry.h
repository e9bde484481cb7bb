#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include "core/stochastic/Problem.h"

namespace tervalo::widgets {

// frmSinglePeriodD as the left panel drives it: it opens the window, then
// chooses the problem.
class DiscreteSinglePeriodWindowEntry {
public:
    virtual ~DiscreteSinglePeriodWindowEntry() = default;
    // Selects the option (optType) as a click on it does.
    virtual void select(core::stochastic::Problem problem) = 0;
};

}  // namespace tervalo::widgets
