#include "demand/WizardChecks.h"

namespace tervalo::demand {

namespace {

using core::CheckRule;
using core::field;
using core::InputCheck;
using core::MessageIcon;
using D = DemandDataField;
using C = CostField;

constexpr MessageIcon kIcon = MessageIcon::Exclamation;

constexpr InputCheck kUniform[] = {
    {field(D::Lower), CheckRule::Empty, "Please enter the lower bound of the demand.", "Enter Lower Bound Demand",
     kIcon},
    {field(D::Upper), CheckRule::Empty, "Please enter the upper bound of the demand.", "Enter Upper Demand", kIcon},
    // Equal bounds are refused too; the focus goes to the upper one.
    {field(D::Upper), CheckRule::NotAboveField,
     "The lower bound of the demand should be smaller than the upper bound. Please check your data.",
     "Check demand data", kIcon, field(D::Lower)},
};

constexpr InputCheck kNormal[] = {
    {field(D::Mean), CheckRule::Empty, "Please enter the Mean of the Demand.", "Enter the Mean", kIcon},
    {field(D::Variance), CheckRule::Empty, "Please enter the Variance of the Demand.", "Enter the Variance", kIcon},
};

constexpr InputCheck kCertainManufactured[] = {
    {field(D::Constant), CheckRule::Empty, "Please enter the Demand.", "Enter the Demand", kIcon},
    {field(D::ManufRate), CheckRule::Empty, "Please enter the Manufacture Rate.", "Enter Production Rate", kIcon},
};

// "Enter data" on the first, "Enter Data" on the others: the titles users know.
constexpr InputCheck kSteadyCosts[] = {
    {field(C::Ordering), CheckRule::Empty, "Please enter Ordering/Setup Cost.", "Enter data", kIcon},
    {field(C::Item), CheckRule::Empty, "Please enter Item Cost.", "Enter Data", kIcon},
    {field(C::Holding), CheckRule::Empty, "Please enter Holding Cost.", "Enter Data", kIcon},
    {field(C::Shortage), CheckRule::Empty, "Please enter Shortage Cost.", "Enter Data", kIcon},
};

}  // namespace

std::span<const InputCheck> demandDataChecks(DemandKnowledge shown, bool manufacturing) {
    switch (shown) {
        case DemandKnowledge::Uniform:
            return kUniform;
        case DemandKnowledge::Normal:
            return kNormal;
        case DemandKnowledge::Certain:
            return std::span<const InputCheck>(kCertainManufactured).first(manufacturing ? 2 : 1);
        case DemandKnowledge::None:
            break;
    }
    return {};
}

std::span<const InputCheck> costChecks(DemandType type) {
    const std::span<const InputCheck> all(kSteadyCosts);
    return type == DemandType::SinglePeriod ? all.subspan(1) : all;
}

}  // namespace tervalo::demand
