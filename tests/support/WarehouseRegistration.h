#pragma once
// The warehouse's windows registered as the program does, with the windowless
// single-period calculation the batch analysis runs.
#include "stochastic/SinglePeriodCalculator.h"
#include "warehouse/WarehouseWindows.h"
#include "widgets/AppContext.h"

namespace tervalo::test {

inline void registerWarehouse(widgets::AppContext& ctx) {
    static const stochastic::WindowlessSinglePeriod calculator;
    warehouse::registerWarehouseWindows(ctx, calculator);
}

}  // namespace tervalo::test
