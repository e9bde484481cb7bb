#pragma once
// Floating-point steps that raise run-time errors instead of producing
// infinities or NaNs: division by zero, overflow and invalid operations.
namespace tervalo::core::checked {

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);  // x/0 -> DivisionByZero; 0/0 -> InvalidCall
double sqrt(double a);           // a < 0 -> InvalidCall
double pow(double a, double b);  // invalid results -> InvalidCall; overflow -> Overflow
double check(double result);     // NaN -> InvalidCall; +-inf -> Overflow

}  // namespace tervalo::core::checked
