#include "stochastic/SinglePeriodCalculator.h"

#include "stochastic/SinglePeriodRun.h"

namespace tervalo::stochastic {

jobs::SinglePeriodCalculation WindowlessSinglePeriod::runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts,
                                                                      const QDate& day) const {
    return computeSinglePeriodRow(singlePeriodCase(texts), day);
}

jobs::SinglePeriodCalculation WindowlessSinglePeriod::runSS_unif(const jobs::SsUniformTexts& texts,
                                                                 const QDate& day) const {
    return computeSinglePeriodRow(singlePeriodCase(texts), day);
}

}  // namespace tervalo::stochastic
