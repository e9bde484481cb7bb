#include "core/CheckedMath.h"

#include <cmath>

#include "core/RuntimeError.h"

namespace tervalo::core::checked {

double check(double result) {
    if (std::isnan(result)) {
        throw RuntimeError(ErrorCode::InvalidCall);
    }
    if (std::isinf(result)) {
        throw RuntimeError(ErrorCode::Overflow);
    }
    return result;
}

double add(double a, double b) { return check(a + b); }

double sub(double a, double b) { return check(a - b); }

double mul(double a, double b) { return check(a * b); }

double div(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a)) {
            throw RuntimeError(ErrorCode::InvalidCall);
        }
        throw RuntimeError(ErrorCode::DivisionByZero);
    }
    return check(a / b);
}

double sqrt(double a) {
    if (a < 0.0) {
        throw RuntimeError(ErrorCode::InvalidCall);
    }
    return check(std::sqrt(a));
}

double pow(double a, double b) {
    if (a == 0.0 && b < 0.0) {
        throw RuntimeError(ErrorCode::DivisionByZero);
    }
    return check(std::pow(a, b));
}

}  // namespace tervalo::core::checked
