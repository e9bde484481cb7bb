#include "core/lotsize/EoqChecks.h"

#include <array>

namespace tervalo::core::lotsize {

namespace {

using F = EoqField;
constexpr auto kInfo = MessageIcon::Information;
constexpr auto kExclamation = MessageIcon::Exclamation;

constexpr InputCheck number(EoqField f, const char* message, const char* title = "Error Message") {
    return {field(f), CheckRule::NotNumber, message, title, kInfo};
}
constexpr InputCheck kNamedItem{field(F::Item), CheckRule::Empty, "Please enter a name for this item.", "Error Message",
                                kInfo};
// A rate equal to the demand passes; the calculator then reports the division by zero.
constexpr InputCheck kRateBelowDemand{
    field(F::ProductionRate), CheckRule::BelowField, "Production Rate is larger than demand.",
    "Large Production Rate",  kExclamation,          field(F::Demand)};

constexpr InputCheck kPurchasingNoShortages[] = {
    {field(F::Item), CheckRule::Empty, "Please enter a item name.", "Error Message", kExclamation},
    number(F::Demand, "Please enter Demand."),
    number(F::Price, "Please enter Price."),
    number(F::HoldingCost, "Please enter Holding Cost."),
    number(F::OrderingCost, "Please enter Ordering Cost."),
};

// The demand and holding-cost boxes title their message "Error Message." with a
// full stop; texts and titles are kept letter for letter, as the help pages quote them.
constexpr InputCheck kPurchasingShortages[] = {
    kNamedItem,
    number(F::Demand, "Please enter a Demand.", "Error Message."),
    number(F::Price, "Please enter Price."),
    number(F::HoldingCost, "Please enter Holding Cost.", "Error Message."),
    number(F::OrderingCost, "Please enter Ordering Cost."),
    number(F::ShortageCost, "Please enter Shortage Cost."),
};

template <std::size_t N, std::size_t M>
constexpr std::array<InputCheck, N + M> join(const std::array<InputCheck, N>& first,
                                             const std::array<InputCheck, M>& then) {
    std::array<InputCheck, N + M> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        all[N + i] = then[i];
    return all;
}

constexpr std::array<InputCheck, 6> kProductionBoxes{
    kNamedItem,
    number(F::Demand, "Please enter Demand."),
    number(F::Price, "Please enter Price."),
    number(F::HoldingCost, "Please enter Holding Cost."),
    number(F::OrderingCost, "Please entering Setup Cost."),
    number(F::ProductionRate, "Please enter Manufacturing Rate."),
};

constexpr auto kProductionNoShortages = join(kProductionBoxes, std::array{kRateBelowDemand});
// The shortage cost is checked after the rate box and before the rate-versus-demand test.
constexpr auto kProductionShortages =
    join(kProductionBoxes, std::array{number(F::ShortageCost, "Please enter Shortage Cost."), kRateBelowDemand});

}  // namespace

std::span<const InputCheck> eoqChecks(EoqModel model) {
    switch (model) {
        case EoqModel::PurchasingNoShortages:
            return kPurchasingNoShortages;
        case EoqModel::PurchasingShortages:
            return kPurchasingShortages;
        case EoqModel::ProductionNoShortages:
            return kProductionNoShortages;
        case EoqModel::ProductionShortages:
            return kProductionShortages;
    }
    return {};
}

EoqInputs eoqInputs(EoqModel model, const EoqTexts& texts) {
    EoqInputs in;
    in.model = model;
    in.demand = texts.number(F::Demand);
    in.price = texts.number(F::Price);
    in.holdingCost = texts.number(F::HoldingCost);
    in.orderCost = texts.number(F::OrderingCost);
    if (isProduction(model)) in.productionRate = texts.number(F::ProductionRate);
    if (allowsShortages(model)) in.shortageCost = texts.number(F::ShortageCost);
    return in;
}

}  // namespace tervalo::core::lotsize
