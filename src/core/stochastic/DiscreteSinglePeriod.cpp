#include "core/stochastic/DiscreteSinglePeriod.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::stochastic {

namespace ck = core::checked;

namespace {

using F = DiscreteField;

constexpr InputCheck number(F f, const char* message) {
    return {field(f), CheckRule::NotNumber, message, "Error Message", MessageIcon::Exclamation};
}

// A single blank is not a number either, so NotNumber covers both.
constexpr InputCheck kBoxChecks[] = {
    number(F::Demand, "Please enter the Demand."),
    number(F::Probability, "Please enter the Probability."),
    number(F::Price, "Please enter the Purchase or Production Cost."),
    number(F::HoldingCost, "Please enter the Holding Cost."),
    number(F::ShortageCost, "Please enter the Shortage Cost or Selling Price."),
};

constexpr const char* kNoSolution = "No solution in this case.";
constexpr const char* kNoOrderUpTo =
    "No solution in this case. Please check your data to see if there is anything unreasonable";

}  // namespace

std::span<const InputCheck> discreteBoxChecks() { return kBoxChecks; }

std::optional<CheckMessage> checkDiscrete(std::span<const DemandRow> rows, const DiscreteTexts& texts) {
    if (auto failed = firstFailedCheck(kBoxChecks, texts.all())) return failed;
    if (auto refused = checkDemandTable(rows)) return refused;
    const double c = texts.number(F::Price);
    const double h = texts.number(F::HoldingCost);
    const double p = texts.number(F::ShortageCost);
    if (p == c) {
        return CheckMessage{"Your selling price cannot be equal to purchase price. Please reenter these data.", "",
                            MessageIcon::Exclamation, field(F::Price)};
    }
    if (p < c) {
        return CheckMessage{"Your selling price cannot be less than purchase price. Please reenter these data.", "",
                            MessageIcon::Exclamation, field(F::Price)};
    }
    if (h + p == 0) {
        return CheckMessage{"Check your Holding cost and Selling Price. They might be unreasonable.", "Error Message",
                            MessageIcon::Exclamation, field(F::HoldingCost)};
    }
    return std::nullopt;
}

Beep discreteBeep(const CheckMessage& message) {
    const bool noSolution = message.text.rfind(kNoSolution, 0) == 0;
    return noSolution ? Beep::None : Beep::BeforeMessage;
}

double discreteExpectedCost(std::span<const DemandRow> rows, double c, double h, double p, double y) {
    double sum = 0;
    for (const DemandRow& row : rows) {
        const double part = row.demand <= y ? ck::mul(h, ck::sub(y, row.demand)) : ck::mul(p, ck::sub(row.demand, y));
        sum = ck::add(sum, ck::mul(row.probability, part));
    }
    return ck::add(ck::mul(c, y), sum);
}

Outcome<DiscreteResult> computeDiscrete(Problem problem, std::span<const DemandRow> rows, const DiscreteTexts& texts) {
    const double c = texts.number(F::Price);
    const double h = texts.number(F::HoldingCost);
    const double p = texts.number(F::ShortageCost);
    DiscreteResult result;
    result.rows = sortedByDemand(rows);
    const std::vector<DemandRow>& table = result.rows;
    result.ratio = ck::div(ck::sub(p, c), ck::add(h, p));
    const std::vector<double> cumulative = cumulativeProbabilities(table);
    std::size_t k = 0;
    while (k < table.size() && !(cumulative[k] >= result.ratio))
        ++k;
    if (k == table.size()) return CheckMessage{kNoOrderUpTo, "Error Message", MessageIcon::Exclamation, -1};
    result.sRow = k + 1;
    const double s = table[k].demand;
    result.orderUpTo = s;
    result.orderUpToText = textWithLeadingBlank(s);

    // Holding over the rows up to k, shortage over the rows after it.
    double leftover = 0;
    for (std::size_t j = 0; j <= k; ++j)
        leftover = ck::add(leftover, ck::mul(ck::sub(s, table[j].demand), table[j].probability));
    double shortfall = 0;
    for (std::size_t j = k + 1; j < table.size(); ++j)
        shortfall = ck::add(shortfall, ck::mul(ck::sub(table[j].demand, s), table[j].probability));
    const double purchase = ck::mul(c, s);
    const double holding = ck::mul(h, leftover);
    const double shortage = ck::mul(p, shortfall);
    const double total = ck::add(ck::add(purchase, shortage), holding);

    if (problem == Problem::SsPolicy) {
        const double setup = texts.number(F::SetupCost);
        // S as the window reads it back from its box.
        const double shownS = leadingNumber(result.orderUpToText);
        const double target = ck::add(setup, discreteExpectedCost(table, c, h, p, shownS));
        // The smallest table value up to S whose cost is within the order cost
        // of S's. S itself qualifies for any order cost of 0 or more, so only
        // a negative one can leave no solution.
        for (std::size_t m = 0; m <= k; ++m) {
            const double y = m == k ? shownS : table[m].demand;
            if (discreteExpectedCost(table, c, h, p, y) <= target) {
                result.reorderPointText = textWithLeadingBlank(y);
                break;
            }
        }
        if (!result.reorderPointText) {
            result.reorderPointText = "no solution";
            result.reorderNotice = CheckMessage{kNoSolution, "No Solution", MessageIcon::Exclamation, -1};
        }
    }
    result.costs = splitCosts({purchase, shortage, holding, total});
    return result;
}

}  // namespace tervalo::core::stochastic
