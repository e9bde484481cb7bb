#include "core/stochastic/DemandTable.h"

#include <algorithm>
#include <cmath>

namespace tervalo::core::stochastic {

namespace {

constexpr const char* kAboveOne = "The cumulative probability cannot be larger than 1";
constexpr double kFullTolerance = 0.0001;
constexpr double kRoundingAllowance = 1e-9;

CheckMessage refusedRow(const char* text) { return {text, "Error Message", MessageIcon::Exclamation, -1}; }

std::optional<CheckMessage> negativeProbability(double probability) {
    if (probability < 0) return refusedRow("The probability cannot be negative");
    return std::nullopt;
}

}  // namespace

std::vector<double> cumulativeProbabilities(std::span<const DemandRow> rows) {
    std::vector<double> sums;
    sums.reserve(rows.size());
    double sum = 0;
    for (const DemandRow& row : rows) {
        sum += row.probability;
        sums.push_back(sum);
    }
    return sums;
}

double runningTotal(std::span<const DemandRow> storedRows) {
    const std::vector<double> sums = cumulativeProbabilities(storedRows);
    return sums.empty() ? 0.0 : sums.back();
}

std::vector<DemandRow> sortedByDemand(std::span<const DemandRow> rows) {
    std::vector<DemandRow> sorted(rows.begin(), rows.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const DemandRow& a, const DemandRow& b) { return a.demand < b.demand; });
    return sorted;
}

std::optional<CheckMessage> cumulativeMessage(double cumulative) {
    if (cumulative == 1.0) {
        return CheckMessage{
            "The cumulative probability has already reached 1. If you still have the probability data to enter, "
            "your data will not be correct. If the input in this section is completed, please enter the costs and "
            "then calculate.",
            "Remind", MessageIcon::Exclamation, -1};
    }
    if (cumulative > 1.0) return refusedRow(kAboveOne);
    return std::nullopt;
}

Beep cumulativeMessageBeep(const CheckMessage& message) {
    return message.title == "Remind" ? Beep::BeforeMessage : Beep::None;
}

std::optional<CheckMessage> probabilityMessage(double probability, double cumulative) {
    if (auto refused = negativeProbability(probability)) return refused;
    return cumulativeMessage(cumulative);
}

std::optional<CheckMessage> checkDemandTable(std::span<const DemandRow> rows) {
    const std::vector<double> sums = cumulativeProbabilities(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (auto refused = negativeProbability(rows[i].probability)) return refused;
        if (sums[i] > 1.0 + kRoundingAllowance) return refusedRow(kAboveOne);
    }
    return std::nullopt;
}

std::optional<CheckMessage> nextRefusal(double cumulativeOfShownRow) {
    if (std::fabs(cumulativeOfShownRow - 1.0) < kFullTolerance) {
        return refusedRow(kAboveOne);
    }
    return std::nullopt;
}

}  // namespace tervalo::core::stochastic
