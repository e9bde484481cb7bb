#include "core/stochastic/CostSplit.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"

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

std::optional<std::string> pieFault(const CostSplit& split, std::size_t parts) {
    try {
        for (std::size_t i = 0; i < parts && i < split.shares.size(); ++i) {
            const std::string text = formatNumber(split.shares[i], "#.00");
            if (!isNumber(text)) throw RuntimeError(ErrorCode::TypeMismatch);
            roundToInt16(leadingNumber(text));
        }
    } catch (const RuntimeError& fault) {
        return fault.description();
    }
    return std::nullopt;
}

}  // namespace tervalo::core::stochastic
