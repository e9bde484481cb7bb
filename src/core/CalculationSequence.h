#pragma once
// The one order in which a model is calculated, in its window or without one:
// check the inputs (the first failure ends the run), start, compute (a message
// of the calculation in place of a result ends the run), prepare every text
// to show, show it all at once, save. What each step does, and what a failure
// does, is the caller's: a window shows messages and empties its results, a
// run without a window collects the messages the window would have shown.
#include <functional>
#include <optional>

#include "core/CheckMessage.h"

namespace tervalo::core {

class RuntimeError;

// Where a message that ends a run comes from.
enum class MessageSource { Check, Calculation };
// The step a fault came from.
enum class CalculationStep { Compute, Prepare };

struct CalculationSteps {
    std::function<std::optional<CheckMessage>()> check;    // nullopt: the inputs pass
    std::function<void()> start;                           // may be empty
    std::function<std::optional<CheckMessage>()> compute;  // nullopt: a result was computed
    std::function<void()> prepare;
    std::function<void()> show;  // raises nothing
    std::function<void()> save;  // may be empty; its fault goes to the caller, after the result was shown
    // A failed check or a message of the calculation, which ends the run.
    std::function<void(const CheckMessage&, MessageSource)> stopped;
    // A fault while computing or preparing; `fault` is null for an exception
    // other than a run-time error. true: it was dealt with and the run ends;
    // false: it goes on to the caller. Empty: every fault goes on.
    std::function<bool(CalculationStep, const RuntimeError* fault)> faulted;
};

// Runs the steps in their order; true when a result was shown and saved.
bool runCalculation(const CalculationSteps& steps);

}  // namespace tervalo::core
