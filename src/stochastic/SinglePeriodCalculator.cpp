#include "stochastic/SinglePeriodCalculator.h"

#include "stochastic/SinglePeriodRun.h"

namespace tervalo::stochastic {

widgets::SinglePeriodCalculation WindowlessSinglePeriod::runSingleP_unif(const widgets::SinglePeriodUniformTexts& texts,
                                                                         const QDate& day) const {
    return computeSinglePeriodRow(singlePeriodCase(texts), day);
}

widgets::SinglePeriodCalculation WindowlessSinglePeriod::runSS_unif(const widgets::SsUniformTexts& texts,
                                                                    const QDate& day) const {
    return computeSinglePeriodRow(singlePeriodCase(texts), day);
}

}  // namespace tervalo::stochastic
