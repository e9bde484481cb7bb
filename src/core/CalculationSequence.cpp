#include "core/CalculationSequence.h"

#include "core/RuntimeError.h"

namespace tervalo::core {

namespace {

// Runs one step; false when it raised a fault that the caller dealt with.
template <class Step>
bool ranThrough(const CalculationSteps& steps, CalculationStep which, Step&& step) {
    try {
        step();
        return true;
    } catch (const RuntimeError& fault) {
        if (steps.faulted && steps.faulted(which, &fault)) return false;
        throw;
    } catch (...) {
        if (steps.faulted && steps.faulted(which, nullptr)) return false;
        throw;
    }
}

}  // namespace

bool runCalculation(const CalculationSteps& steps) {
    if (std::optional<CheckMessage> failed = steps.check()) {
        steps.stopped(*failed, MessageSource::Check);
        return false;
    }
    if (steps.start) steps.start();
    std::optional<CheckMessage> message;
    if (!ranThrough(steps, CalculationStep::Compute, [&] { message = steps.compute(); })) return false;
    if (message) {
        steps.stopped(*message, MessageSource::Calculation);
        return false;
    }
    if (!ranThrough(steps, CalculationStep::Prepare, steps.prepare)) return false;
    steps.show();
    if (steps.save) steps.save();
    return true;
}

}  // namespace tervalo::core
