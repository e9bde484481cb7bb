#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/lotsize/Eoq.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
using tervalo::core::lotsize::computeEoq;
using tervalo::core::lotsize::Eoq;
using tervalo::core::lotsize::EoqInputs;
using tervalo::core::lotsize::EoqModel;
using tervalo::core::lotsize::EoqResult;

namespace {

// The nine outputs in a fixed order, to see which a run touched.
std::array<double, 9> outputs(const Eoq& e) {
    return {e.optimumOrderOrProductionQuantity(),
            e.orderingCycle(),
            e.allowedShortage(),
            e.maxInventory(),
            e.periodPuchaseOrProductionCost(),
            e.periodOrderingOrProductionCost(),
            e.periodHoldingCost(),
            e.periodShortageCost(),
            e.totalPeriodCost()};
}

// A calculator whose outputs all hold a marker.
struct MarkedEoq {
    static constexpr double kMarker = -7.5;
    Eoq eoq;

    explicit MarkedEoq(int modelType) {
        eoq.setModelType(modelType);
        eoq.setDemand(100);
        eoq.setOderOrSetupCost(50);
        eoq.setHoldingCost(2);
        eoq.setPurchaseOrProductionCost(3);
        eoq.setShortageCost(10);
        eoq.setProductionRate(400);
        for (auto setter :
             {&Eoq::setOptimumOrderOrProductionQuantity, &Eoq::setOrderingCycle, &Eoq::setAllowedShortage,
              &Eoq::setMaxInventory, &Eoq::setPeriodPuchaseOrProductionCost, &Eoq::setPeriodOrderingOrProductionCost,
              &Eoq::setPeriodHoldingCost, &Eoq::setPeriodShortageCost, &Eoq::setTotalPeriodCost}) {
            (eoq.*setter)(kMarker);
        }
    }

    // Indices of the outputs that no longer hold the marker.
    std::vector<int> touched() const {
        std::vector<int> indices;
        const auto values = outputs(eoq);
        for (int i = 0; i < 9; ++i) {
            if (values[i] != kMarker) {
                indices.push_back(i);
            }
        }
        return indices;
    }

    // The fault run() raised, if any.
    std::optional<RuntimeError> run() {
        try {
            eoq.run();
        } catch (const RuntimeError& fault) {
            return fault;
        }
        return std::nullopt;
    }
};

enum Output { Q, T, S, MaxInv, Purchase, Ordering, Holding, Shortage, Total };

}  // namespace

TEST(EoqFaults, EverythingStartsAtZero) {
    Eoq eoq;
    EXPECT_EQ(eoq.modelType(), 0);
    EXPECT_EQ(eoq.demand(), 0);
    EXPECT_EQ(eoq.shortageCost(), 0);
    EXPECT_EQ(eoq.productionRate(), 0);
    for (double value : outputs(eoq)) {
        EXPECT_EQ(value, 0);
    }
}

TEST(EoqFaults, EachModelAssignsOnlyItsOwnOutputs) {
    const std::vector<std::vector<int>> expected = {
        {Q, T, Purchase, Ordering, Holding, Total},
        {Q, T, S, Purchase, Ordering, Holding, Shortage, Total},
        {Q, T, MaxInv, Purchase, Ordering, Holding, Total},
        {Q, T, S, MaxInv, Purchase, Ordering, Holding, Shortage, Total},
    };
    for (int model = 1; model <= 4; ++model) {
        MarkedEoq marked(model);
        EXPECT_FALSE(marked.run()) << "model " << model;
        EXPECT_EQ(marked.touched(), expected[model - 1]) << "model " << model;
    }
}

TEST(EoqFaults, UnknownModelTypeChangesNothing) {
    for (int model : {0, 5, -1}) {
        MarkedEoq marked(model);
        EXPECT_FALSE(marked.run());
        EXPECT_TRUE(marked.touched().empty());
    }
}

// A faulting input, the models it is tried on, the outputs written before the
// fault and the fault raised.
struct FaultCase {
    const char* name;
    void (*tweak)(Eoq&);
    std::vector<int> models;
    std::vector<std::vector<int>> touched;  // per model, in the order of `models`
    ErrorCode code;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class EoqFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(EoqFault, RaisesAtItsStepWithTheEarlierOutputsWritten) {
    const FaultCase& c = GetParam();
    for (std::size_t i = 0; i < c.models.size(); ++i) {
        MarkedEoq marked(c.models[i]);
        c.tweak(marked.eoq);
        const auto fault = marked.run();
        ASSERT_TRUE(fault.has_value()) << "model " << c.models[i];
        EXPECT_EQ(fault->code(), c.code) << "model " << c.models[i];
        EXPECT_EQ(fault->description(), RuntimeError::standardDescription(c.code));
        EXPECT_EQ(marked.touched(), c.touched[i]) << "model " << c.models[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EoqFault,
    ::testing::Values(
        FaultCase{"ZeroHoldingCost",
                  [](Eoq& e) { e.setHoldingCost(0); },
                  {1, 2, 3, 4},
                  {{}, {}, {}, {}},
                  ErrorCode::DivisionByZero},
        FaultCase{
            "ZeroShortageCost", [](Eoq& e) { e.setShortageCost(0.0); }, {2, 4}, {{}, {}}, ErrorCode::DivisionByZero},
        FaultCase{"ZeroDemand",
                  [](Eoq& e) { e.setDemand(0); },
                  {1, 2, 3, 4},
                  {{Q}, {Q, S}, {Q, MaxInv}, {Q, S, MaxInv}},
                  ErrorCode::InvalidCall},
        FaultCase{
            "RateEqualToDemand", [](Eoq& e) { e.setProductionRate(100); }, {3, 4}, {{}, {}}, ErrorCode::DivisionByZero},
        FaultCase{
            "RateBelowDemand", [](Eoq& e) { e.setProductionRate(50); }, {3, 4}, {{}, {}}, ErrorCode::InvalidCall}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EoqFaults, ZeroDemandLeavesTheQuantityItComputed) {
    MarkedEoq marked(1);
    marked.eoq.setDemand(0);
    EXPECT_TRUE(marked.run());
    EXPECT_EQ(marked.eoq.optimumOrderOrProductionQuantity(), 0);
}

TEST(EoqFaults, AFaultDoesNotStopTheNextRun) {
    MarkedEoq marked(1);
    marked.eoq.setHoldingCost(0);
    EXPECT_TRUE(marked.run());
    marked.eoq.setHoldingCost(2);
    EXPECT_FALSE(marked.run());
    EXPECT_EQ(marked.touched().size(), 6u);
}

TEST(EoqValueFunction, GivesTheSameOutputsAsTheCalculator) {
    for (int model = 1; model <= 4; ++model) {
        MarkedEoq marked(model);
        marked.run();
        EoqInputs in;
        in.model = static_cast<EoqModel>(model);
        in.demand = 100;
        in.orderCost = 50;
        in.holdingCost = 2;
        in.price = 3;
        in.shortageCost = 10;
        in.productionRate = 400;
        const EoqResult r = computeEoq(in);
        EXPECT_EQ(r.quantity, marked.eoq.optimumOrderOrProductionQuantity());
        EXPECT_EQ(r.total, marked.eoq.totalPeriodCost());
    }
}

TEST(EoqShortageCostText, NumericTextConvertsOnEntry) {
    Eoq eoq;
    eoq.setShortageCost("12.5");
    EXPECT_EQ(eoq.shortageCost(), 12.5);
    eoq.setShortageCost(std::string(" 15 "));
    EXPECT_EQ(eoq.shortageCost(), 15);
}

TEST(EoqShortageCostText, NonNumericTextIsATypeMismatch) {
    Eoq eoq;
    eoq.setShortageCost(3.0);
    for (const char* text : {"abc", "", "12abc"}) {
        try {
            eoq.setShortageCost(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::TypeMismatch);
            EXPECT_EQ(error.description(), "Type mismatch");
        }
        EXPECT_EQ(eoq.shortageCost(), 3.0);
    }
}
