#pragma once
// The single-period calculation without a window, for the batch analysis: the
// window's typed runs computed as computeSinglePeriodRow computes them, the
// s_S row handed back for the batch to save.
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::stochastic {

class WindowlessSinglePeriod : public jobs::SinglePeriodCalculator {
public:
    jobs::SinglePeriodCalculation runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts,
                                                  const QDate& day) const override;
    jobs::SinglePeriodCalculation runSS_unif(const jobs::SsUniformTexts& texts, const QDate& day) const override;
};

}  // namespace tervalo::stochastic
