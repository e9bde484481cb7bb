#include "core/stochastic/CostSplit.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::stochastic {

namespace {

std::vector<std::string> texts(const std::vector<double>& values) {
    std::vector<std::string> out;
    out.reserve(values.size());
    for (double value : values)
        out.push_back(formatNumber(value, "#.00"));
    return out;
}

}  // namespace

std::vector<std::string> CostSplit::amountTexts() const { return texts(amounts); }
std::vector<std::string> CostSplit::shareTexts() const { return texts(shares); }

CostSplit splitCosts(std::vector<double> partsThenTotal) {
    CostSplit split;
    split.amounts = std::move(partsThenTotal);
    const double total = split.amounts.empty() ? 0.0 : split.amounts.back();
    split.shares.reserve(split.amounts.size());
    for (double amount : split.amounts)
        split.shares.push_back(checked::mul(checked::div(amount, total), 100.0));
    return split;
}

}  // namespace tervalo::core::stochastic
