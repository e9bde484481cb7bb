#include "core/stochastic/ContinuousSinglePeriod.h"

#include <array>
#include <cstddef>

#include "core/CalculationSequence.h"
#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::stochastic {

namespace {

using F = ContinuousField;
using P = Problem;
using D = ContinuousDemand;

constexpr bool enabled(F f, P problem, D demand) {
    switch (f) {
        case F::LowDemand:
        case F::HighDemand:
            return demand == D::Uniform;
        case F::Mean:
        case F::Variance:
            return demand == D::Normal;
        case F::OrderingCost:
            return problem == P::SsPolicy;
        default:
            return true;
    }
}

constexpr const char* kCheckingInput = "One of required input is either misssing or invalid. Check your data.";

constexpr InputCheck box(F f) {
    return {field(f), f == F::Item ? CheckRule::Empty : CheckRule::NotNumber, kCheckingInput, "Checking Input",
            MessageIcon::Exclamation};
}

// The boxes in the order Calculate examines them.
constexpr std::array kBoxes{box(F::LowDemand), box(F::HighDemand),  box(F::Mean),
                            box(F::Variance),  box(F::Item),        box(F::OrderingCost),
                            box(F::Price),     box(F::HoldingCost), box(F::ShortageCost)};

constexpr InputCheck kCheckCosts{field(F::ShortageCost),
                                 CheckRule::BelowField,
                                 "Shortage cost cannnot be less than price, which is nonsensical because it means "
                                 "that cost of purchasing the item is higher than the penalty for not providing it.",
                                 "Check costs",
                                 MessageIcon::Exclamation,
                                 field(F::Price)};

constexpr std::size_t enabledCount(P problem, D demand) {
    std::size_t n = 0;
    for (const InputCheck& check : kBoxes)
        n += enabled(static_cast<F>(check.field), problem, demand) ? 1 : 0;
    return n;
}

template <P problem, D demand>
constexpr auto kChecks = [] {
    std::array<InputCheck, enabledCount(problem, demand) + 1> checks{};
    std::size_t n = 0;
    for (const InputCheck& check : kBoxes)
        if (enabled(static_cast<F>(check.field), problem, demand)) checks[n++] = check;
    checks[n] = kCheckCosts;
    return checks;
}();

constexpr const char* kNormalRefused =
    "Currently, Normal Distribution Model is not available for s_S Policy. Quib can use Uniform Distribution Model "
    "instead.";

std::string roundedText(double value) { return textWithLeadingBlank(roundToInt32(value)); }

}  // namespace

bool isEnabled(ContinuousField f, Problem problem, ContinuousDemand demand) { return enabled(f, problem, demand); }

std::span<const InputCheck> continuousChecks(Problem problem, ContinuousDemand demand) {
    if (problem == P::SsPolicy) {
        if (demand == D::Uniform) return kChecks<P::SsPolicy, D::Uniform>;
        return kChecks<P::SsPolicy, D::Normal>;
    }
    if (demand == D::Uniform) return kChecks<P::SinglePeriod, D::Uniform>;
    return kChecks<P::SinglePeriod, D::Normal>;
}

std::optional<CheckMessage> checkContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts) {
    if (auto failed = firstFailedCheck(continuousChecks(problem, demand), texts.all())) return failed;
    if (texts.number(F::ShortageCost) + texts.number(F::HoldingCost) == 0) {
        return CheckMessage{"Check shortage cost and holding cost. Either or both may not be valid.", "Invalid cost",
                            MessageIcon::Exclamation, field(F::ShortageCost)};
    }
    return std::nullopt;
}

SinglePeriodInputs continuousInputs(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts) {
    auto read = [&](F f) { return enabled(f, problem, demand) ? texts.number(f) : 0.0; };
    SinglePeriodInputs in;
    in.models = static_cast<int>(demand == D::Uniform ? DemandModel::Uniform : DemandModel::Normal);
    in.problems = problemsNumber(problem);
    in.orderCost = read(F::OrderingCost);
    in.price = read(F::Price);
    in.holding = read(F::HoldingCost);
    in.shortage = read(F::ShortageCost);
    in.high = read(F::HighDemand);
    in.low = read(F::LowDemand);
    in.mean = read(F::Mean);
    in.variance = read(F::Variance);
    return in;
}

SsRowCodes ssRowCodes(Problem problem, ContinuousDemand demand) {
    const bool uniform = demand == D::Uniform;
    if (problem == P::SsPolicy) return {1, uniform ? 1 : 2, 10};
    return {2, uniform ? 1 : 2, uniform ? 7 : 8};
}

Outcome<ContinuousResult> computeContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts) {
    const SinglePeriodInputs in = continuousInputs(problem, demand, texts);
    ContinuousResult result;
    if (auto message = computeSinglePeriod(in, result.outputs)) return *message;
    const SinglePeriodOutputs& out = result.outputs;
    result.orderUpToText = roundedText(out.s2);
    result.reorderPointText = roundedText(out.s1);
    const double purchase = checked::add(in.orderCost, out.purchaseCost);
    const double total = checked::add(checked::add(out.shortageCost, purchase), out.holdingCost);
    result.costs = splitCosts({purchase, out.shortageCost, out.holdingCost, total});
    if (problem == P::SsPolicy) result.costNote = "Order/setup cost included in Purchase.";
    result.codes = ssRowCodes(problem, demand);
    return result;
}

CheckMessage calculateErrorMessage(const RuntimeError& fault) {
    return {fault.description(), "Error Message", MessageIcon::Exclamation, -1};
}

ContinuousRun calculateContinuous(Problem problem, ContinuousDemand demand, const ContinuousTexts& texts) {
    ContinuousRun run;
    ContinuousResult computed;
    CalculationSteps steps;
    steps.check = [&] { return checkContinuous(problem, demand, texts); };
    steps.compute = [&]() -> std::optional<CheckMessage> {
        auto outcome = computeContinuous(problem, demand, texts);
        if (auto* message = std::get_if<CheckMessage>(&outcome)) return std::move(*message);
        computed = std::get<ContinuousResult>(std::move(outcome));
        return std::nullopt;
    };
    // The pie's own message, which does not stop the calculation.
    steps.prepare = [&] {
        if (auto fault = pieFault(computed.costs, computed.costs.amounts.size() - 1))
            run.messages.push_back({*fault, "", MessageIcon::None, -1});
    };
    steps.show = [&] { run.result = std::move(computed); };
    steps.stopped = [&](const CheckMessage& message, MessageSource) { run.messages.push_back(message); };
    steps.faulted = [&](CalculationStep, const RuntimeError* fault) {
        if (fault) run.messages.push_back(calculateErrorMessage(*fault));
        return fault != nullptr;
    };
    runCalculation(steps);
    return run;
}

ContinuousTexts continuousExample(Problem problem, ContinuousDemand demand) {
    ContinuousTexts texts;
    if (demand == D::Normal) {
        texts[F::Mean] = "20";
        texts[F::Variance] = "25";
        texts[F::Item] = "Skis";
        texts[F::Price] = "60";
        texts[F::HoldingCost] = "-40";
        texts[F::ShortageCost] = "125";
    } else if (problem == P::SsPolicy) {
        texts[F::LowDemand] = "75";
        texts[F::HighDemand] = "100";
        texts[F::Item] = "Cars";
        texts[F::OrderingCost] = "5000";
        texts[F::Price] = "14000";
        texts[F::HoldingCost] = "60";
        texts[F::ShortageCost] = "16000";
    } else {
        texts[F::LowDemand] = "500";
        texts[F::HighDemand] = "1000";
        texts[F::Item] = "Christmas Tree";
        texts[F::Price] = "6.00";
        texts[F::HoldingCost] = "0.50";
        texts[F::ShortageCost] = "20";
    }
    return texts;
}

OptionRefusal refusalOnChoosingSsPolicy() {
    return {CheckMessage{kNormalRefused, "Normal Model not availalbe", MessageIcon::None, -1}, true};
}

OptionRefusal refusalOnChoosingNormal() {
    return {CheckMessage{kNormalRefused, "Normal Model not availalbe", MessageIcon::Information, -1}, false};
}

}  // namespace tervalo::core::stochastic
