#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/lotsize/Eoq.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
using tervalo::core::lotsize::Eoq;

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

// A calculator whose outputs all hold a marker, with a recording fault reporter.
struct MarkedEoq {
    static constexpr double kMarker = -7.5;
    Eoq eoq;
    std::vector<std::string> reports;

    explicit MarkedEoq(int modelType) {
        eoq.setFaultReporter([this](const std::string& description) { reports.push_back(description); });
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
    EXPECT_FALSE(eoq.lastFault().has_value());
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
        EXPECT_TRUE(marked.eoq.run()) << "model " << model;
        EXPECT_EQ(marked.touched(), expected[model - 1]) << "model " << model;
        EXPECT_TRUE(marked.reports.empty());
    }
}

TEST(EoqFaults, UnknownModelTypeChangesNothing) {
    for (int model : {0, 5, -1}) {
        MarkedEoq marked(model);
        EXPECT_TRUE(marked.eoq.run());
        EXPECT_TRUE(marked.touched().empty());
        EXPECT_TRUE(marked.reports.empty());
    }
}

TEST(EoqFaults, ZeroHoldingCostFaultsBeforeAnyOutput) {
    for (int model = 1; model <= 4; ++model) {
        MarkedEoq marked(model);
        marked.eoq.setHoldingCost(0);
        EXPECT_FALSE(marked.eoq.run());
        EXPECT_TRUE(marked.touched().empty()) << "model " << model;
        ASSERT_EQ(marked.reports.size(), 1u);
        ASSERT_TRUE(marked.eoq.lastFault().has_value());
        if (model == 1 || model == 3) {
            EXPECT_EQ(marked.reports[0], "Division by zero");
            EXPECT_EQ(marked.eoq.lastFault()->code(), ErrorCode::DivisionByZero);
        }
    }
}

TEST(EoqFaults, ZeroShortageCostFaultsBeforeAnyOutput) {
    for (int model : {2, 4}) {
        MarkedEoq marked(model);
        marked.eoq.setShortageCost(0.0);
        EXPECT_FALSE(marked.eoq.run());
        EXPECT_TRUE(marked.touched().empty());
        EXPECT_EQ(marked.reports, std::vector<std::string>{"Division by zero"});
    }
}

TEST(EoqFaults, ZeroDemandFaultsAtTheCycleAfterTheEarlierOutputs) {
    const std::vector<std::vector<int>> expected = {{Q}, {Q, S}, {Q, MaxInv}, {Q, S, MaxInv}};
    for (int model = 1; model <= 4; ++model) {
        MarkedEoq marked(model);
        marked.eoq.setDemand(0);
        EXPECT_FALSE(marked.eoq.run());
        EXPECT_EQ(marked.touched(), expected[model - 1]) << "model " << model;
        EXPECT_EQ(marked.eoq.optimumOrderOrProductionQuantity(), 0);
        EXPECT_EQ(marked.eoq.lastFault()->code(), ErrorCode::InvalidCall);
        EXPECT_EQ(marked.reports, std::vector<std::string>{"Invalid procedure call or argument"});
    }
}

TEST(EoqFaults, ProductionRateAtOrBelowDemandFaultsAtTheQuantity) {
    for (int model : {3, 4}) {
        MarkedEoq equal(model);
        equal.eoq.setProductionRate(100);
        EXPECT_FALSE(equal.eoq.run());
        EXPECT_TRUE(equal.touched().empty());
        EXPECT_EQ(equal.eoq.lastFault()->code(), ErrorCode::DivisionByZero);

        MarkedEoq below(model);
        below.eoq.setProductionRate(50);
        EXPECT_FALSE(below.eoq.run());
        EXPECT_TRUE(below.touched().empty());
        EXPECT_EQ(below.eoq.lastFault()->code(), ErrorCode::InvalidCall);
    }
}

TEST(EoqFaults, ASuccessfulRunClearsTheLastFault) {
    MarkedEoq marked(1);
    marked.eoq.setHoldingCost(0);
    EXPECT_FALSE(marked.eoq.run());
    marked.eoq.setHoldingCost(2);
    EXPECT_TRUE(marked.eoq.run());
    EXPECT_FALSE(marked.eoq.lastFault().has_value());
    EXPECT_EQ(marked.reports.size(), 1u);
}

TEST(EoqFaults, RunWithoutReporterStillSignalsTheFault) {
    Eoq eoq;
    eoq.setModelType(1);
    eoq.setDemand(8);
    eoq.setOderOrSetupCost(130);
    EXPECT_FALSE(eoq.run());
    EXPECT_EQ(eoq.lastFault()->description(), "Division by zero");
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
