#pragma once
// The cost table of the stochastic windows: the parts and their Total as
// amounts, and each as a share of the Total in percent, both shown "#.00".
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

}  // namespace tervalo::core::stochastic
