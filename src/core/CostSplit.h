#pragma once
// The cost table of the model windows: the parts and their Total as amounts,
// each as a share of the Total in percent, both shown "#.00", and the pie's
// slices made from the share texts.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tervalo::core {

struct CostSplit {
    std::vector<double> amounts;  // the parts in table order, then the Total
    std::vector<double> shares;   // each amount / Total x 100, the Total's own row included

    // The texts of the two columns ("#.00": 5609.76, .50, -12.92).
    std::vector<std::string> amountTexts() const;
    std::vector<std::string> shareTexts() const;
};

// `partsThenTotal`: the amounts in table order with the Total last.
// `constantTotalShare`: the Total's share is the constant 100 instead of
// total / total x 100. A Total of 0 raises RuntimeError (the division of the
// first share), one that is not finite too.
CostSplit splitCosts(std::vector<double> partsThenTotal, bool constantTotalShare = false);

// The pie of the first `parts` shares, as the cost table finds it from their
// texts: each "#.00" text, which must be a number, rounded half to even to a
// 16-bit whole percent ("12.50" -> 12, "13.50" -> 14). The first failure stops
// the pie: no slices, its description.
struct PieSlices {
    std::vector<int> slices;
    std::optional<std::string> fault;
};
PieSlices pieSlices(const CostSplit& split, std::size_t parts);

// Why the pie cannot show the first `parts` shares; nullopt when every slice fits.
std::optional<std::string> pieFault(const CostSplit& split, std::size_t parts);

}  // namespace tervalo::core
