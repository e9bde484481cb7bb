#pragma once
// The single-period calculation without a window, for the batch analysis: the
// window's typed runs made with runSinglePeriod on the connection given, the
// failed save of the s_S row told apart from the boxes.
#include "widgets/WindowInterfaces.h"

namespace tervalo::stochastic {

class WindowlessSinglePeriod : public widgets::SinglePeriodCalculator {
public:
    widgets::SinglePeriodCalculation runSingleP_unif(const widgets::SinglePeriodUniformTexts& texts,
                                                     data::Connection& cnn, const QDate& day) const override;
    widgets::SinglePeriodCalculation runSS_unif(const widgets::SsUniformTexts& texts, data::Connection& cnn,
                                                const QDate& day) const override;
};

}  // namespace tervalo::stochastic
