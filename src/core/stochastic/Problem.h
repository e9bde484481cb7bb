#pragma once
// The options of the single-period windows, for the models and the windows
// alike: which problem is solved, and how continuous demand is spread.
namespace tervalo::core::stochastic {

// optType(0) "(s,S) policy" and optType(1) "Christmas Tree" (the single-period problem).
enum class Problem { SsPolicy, SinglePeriod };
// optModel(0) "Uniform" and optModel(1) "Normal".
enum class ContinuousDemand { Uniform, Normal };

// The calculation object's Problems number, the one place it is converted:
// the windows pass 1 for the (s,S) policy and 2 for the single period; read
// back, 2 is the single period and every other value the (s,S) policy.
constexpr int problemsNumber(Problem problem) { return problem == Problem::SinglePeriod ? 2 : 1; }
constexpr Problem problemOf(int problems) { return problems == 2 ? Problem::SinglePeriod : Problem::SsPolicy; }

}  // namespace tervalo::core::stochastic
