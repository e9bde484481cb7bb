#pragma once
// The cost table of the stochastic windows: the parts and their Total as
// amounts, and each as a share of the Total in percent, both shown "#.00".
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tervalo::core::stochastic {

struct CostSplit {
    std::vector<double> amounts;  // the parts in table order, then the Total
    std::vector<double> shares;   // each amount / Total x 100, the Total's own row included

    // The texts of the two columns ("#.00": 5609.76, .50, -12.92).
    std::vector<std::string> amountTexts() const;
    std::vector<std::string> shareTexts() const;
};

// `partsThenTotal`: the amounts in table order with the Total last. A Total of
// 0 raises RuntimeError (the division of the first share).
CostSplit splitCosts(std::vector<double> partsThenTotal);

// Why the pie cannot show the first `parts` shares, as the cost table finds it
// from their texts (each "#.00" text, which must be a number, rounded half to
// even to a 16-bit whole percent): the description of the first failure, or
// nullopt when every slice fits. Only the shares are formatted, for a run
// without a window that shows no table.
std::optional<std::string> pieFault(const CostSplit& split, std::size_t parts);

}  // namespace tervalo::core::stochastic
