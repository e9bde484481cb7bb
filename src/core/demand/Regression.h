#pragma once
// The straight line demand = a + b * time fitted by ordinary least squares,
// the t statistic of its slope against the two-tailed Student t critical value
// of the chosen level, and the prediction with the half-width of its interval
// for one new observation at a chosen time.
#include <vector>

namespace tervalo::core::demand {

// The two-tailed Student t critical value for df degrees of freedom at level
// 0.05 or 0.1 (compared exactly: the numbers the texts "0.05" and "0.10" give).
// Tables for 1 to 30, linear between the anchors 30, 40, 50, 60 and 120, the
// value of 120 beyond. Any other level, a mode other than 0 or df 0 gives 0; a
// negative df raises RuntimeError(InvalidCall).
double TCriticalValue(int df, double alpha, int mode = 0);

struct Regression {
    double A = 0;  // intercept
    double B = 0;  // slope
    std::vector<double> YHat;
    double SE = 0;     // standard error of the estimate
    double T = 0;      // t statistic of the slope
    double TCrit = 0;  // critical value for n - 2 degrees of freedom
    double X0 = 0;     // the prediction time; 0 stands for none
    double Y0 = 0;     // prediction at X0 (0 when X0 is 0)
    double Err = 0;    // half-width of the prediction interval at X0 (0 when X0 is 0)
};

// Fits Y on X (sums in index order). Raises RuntimeError when the line cannot
// be fitted: all times equal or one point (Overflow), two points
// (DivisionByZero), Y shorter than X (InvalidCall), more than 32767 points
// (Overflow). Points exactly on a line give T = 10000 for a rising line,
// -10000 for a falling one and 0 for a flat one: a constant history is no trend.
Regression LinearRegression(const std::vector<double>& X, const std::vector<double>& Y, double X0, double alpha);

}  // namespace tervalo::core::demand
