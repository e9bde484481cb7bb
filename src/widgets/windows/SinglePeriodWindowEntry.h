#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include "core/stochastic/Problem.h"
#include "jobs/SinglePeriodRuns.h"

namespace tervalo::widgets {

// frmSinglePeriodC as the left panel, the wizard and the batch analysis drive
// it. Each run selects the options of its case first (a change runs the
// option's handler, which empties the boxes, and may bring up the refusal of
// normal demand with the (s,S) policy), then fills the boxes and calculates as
// the button does, checks and messages included.
class SinglePeriodWindowEntry {
public:
    virtual ~SinglePeriodWindowEntry() = default;
    // Selects an option as a click does: its handler runs only when it changes the selection.
    virtual void select(core::stochastic::Problem problem) = 0;          // optType
    virtual void select(core::stochastic::ContinuousDemand demand) = 0;  // optModel
    virtual jobs::SinglePeriodRunResult runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) = 0;
    virtual jobs::SinglePeriodRunResult runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) = 0;
    virtual jobs::SinglePeriodRunResult runSS_unif(const jobs::SsUniformTexts& texts) = 0;
};

}  // namespace tervalo::widgets
