#include "core/stochastic/AspirationLevel.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::stochastic {

AspirationResult computeAspiration(std::span<const DemandRow> rows, const std::string& stockoutText) {
    AspirationResult result;
    result.rows = sortedByDemand(rows);
    const std::vector<double> cumulative = cumulativeProbabilities(result.rows);
    for (const DemandRow& row : result.rows)
        result.mean = checked::add(result.mean, checked::mul(row.probability, row.demand));
    const double alpha = leadingNumber(stockoutText);
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const DemandRow& row = result.rows[i];
        const double tail = 1.0 - cumulative[i];
        result.tails.push_back(tail);
        result.grid.push_back(
            {textWithLeadingBlank(row.demand), textWithLeadingBlank(row.probability), textWithLeadingBlank(tail)});
        if (!result.markedRow && tail <= alpha) {
            result.markedRow = i + 1;
            result.resultText = "When inventory level reaches " + textWithLeadingBlank(row.demand) +
                                ", place an order to ensure stockout probability <" + stockoutText +
                                "\r\nThe average demand during the lead time is " + textWithLeadingBlank(result.mean) +
                                ".\r\nThe safety stock level is " + textWithLeadingBlank(row.demand - result.mean) +
                                ".";
        }
    }
    return result;
}

std::optional<CheckMessage> checkStockoutProbability(const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (!isNumber(text)) return CheckMessage{"This field must be a number.", "Not a number", MessageIcon::Exclamation};
    if (leadingNumber(text) > 1) {
        return CheckMessage{"The probability should be less than 1. Please reenter this parameter.", "Error Message",
                            MessageIcon::Information};
    }
    return std::nullopt;
}

}  // namespace tervalo::core::stochastic
