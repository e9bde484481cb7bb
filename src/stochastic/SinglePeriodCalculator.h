#pragma once
// The single-period calculation without a window, for the batch analysis: the
// window's typed runs computed as computeSinglePeriodRow computes them, the
// s_S row handed back for the batch to save.
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::stochastic {

class WindowlessSinglePeriod : public widgets::SinglePeriodCalculator {
public:
    widgets::SinglePeriodCalculation runSingleP_unif(const widgets::SinglePeriodUniformTexts& texts,
                                                     const QDate& day) const override;
    widgets::SinglePeriodCalculation runSS_unif(const widgets::SsUniformTexts& texts, const QDate& day) const override;
};

}  // namespace tervalo::stochastic
