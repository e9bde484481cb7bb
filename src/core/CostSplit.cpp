#include "core/CostSplit.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"
#include "core/RuntimeError.h"

namespace tervalo::core {

namespace {

std::vector<std::string> texts(const std::vector<double>& values) {
    std::vector<std::string> out;
    out.reserve(values.size());
    for (double value : values)
        out.push_back(amountText(value));
    return out;
}

}  // namespace

std::vector<std::string> CostSplit::amountTexts() const { return texts(amounts); }
std::vector<std::string> CostSplit::shareTexts() const { return texts(shares); }

CostSplit splitCosts(std::vector<double> partsThenTotal, bool constantTotalShare) {
    CostSplit split;
    split.amounts = std::move(partsThenTotal);
    const double total = split.amounts.empty() ? 0.0 : checked::check(split.amounts.back());
    split.shares.reserve(split.amounts.size());
    for (std::size_t i = 0; i < split.amounts.size(); ++i) {
        const bool totalRow = i + 1 == split.amounts.size();
        split.shares.push_back(
            totalRow && constantTotalShare ? 100.0 : checked::mul(checked::div(split.amounts[i], total), 100.0));
    }
    return split;
}

PieSlices pieSlices(const CostSplit& split, std::size_t parts) {
    PieSlices pie;
    try {
        for (std::size_t i = 0; i < parts && i < split.shares.size(); ++i) {
            const std::string text = amountText(split.shares[i]);
            if (!isNumber(text)) throw RuntimeError(ErrorCode::TypeMismatch);
            pie.slices.push_back(roundToInt16(leadingNumber(text)));
        }
    } catch (const RuntimeError& fault) {
        pie.slices.clear();
        pie.fault = fault.description();
    }
    return pie;
}

std::optional<std::string> pieFault(const CostSplit& split, std::size_t parts) { return pieSlices(split, parts).fault; }

}  // namespace tervalo::core
