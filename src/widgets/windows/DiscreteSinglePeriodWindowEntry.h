#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
namespace tervalo::widgets {

// The two problem options of frmSinglePeriodD: optType(0) "(s,S) policy" and
// optType(1) the single-period problem.
enum class DiscreteProblemOption { SsPolicy, SinglePeriod };

// frmSinglePeriodD as the left panel drives it: it opens the window, then
// chooses the problem.
class DiscreteSinglePeriodWindowEntry {
public:
    virtual ~DiscreteSinglePeriodWindowEntry() = default;
    // Selects the option as a click on it does.
    virtual void select(DiscreteProblemOption option) = 0;
};

}  // namespace tervalo::widgets
