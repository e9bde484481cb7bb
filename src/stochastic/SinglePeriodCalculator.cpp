#include "stochastic/SinglePeriodCalculator.h"

#include "stochastic/SinglePeriodRun.h"

namespace tervalo::stochastic {

namespace {

// A calculated run without a LogID failed to save: its last message is the save's.
widgets::SinglePeriodCalculation calculation(SinglePeriodRunOutput out) {
    widgets::SinglePeriodCalculation done{std::move(out.result), std::move(out.messages), std::nullopt};
    if (done.result.calculated() && done.result.logId.isEmpty() && !done.messages.empty()) {
        done.saveFault = QString::fromStdString(done.messages.back().text);
        done.messages.pop_back();
    }
    return done;
}

}  // namespace

widgets::SinglePeriodCalculation WindowlessSinglePeriod::runSingleP_unif(const widgets::SinglePeriodUniformTexts& texts,
                                                                         data::Connection& cnn,
                                                                         const QDate& day) const {
    return calculation(runSinglePeriod(singlePeriodCase(texts), cnn, day));
}

widgets::SinglePeriodCalculation WindowlessSinglePeriod::runSS_unif(const widgets::SsUniformTexts& texts,
                                                                    data::Connection& cnn, const QDate& day) const {
    return calculation(runSinglePeriod(singlePeriodCase(texts), cnn, day));
}

}  // namespace tervalo::stochastic
