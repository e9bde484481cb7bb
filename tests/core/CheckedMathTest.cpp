#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "core/CheckedMath.h"
#include "core/RuntimeError.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
namespace checked = tervalo::core::checked;

namespace {

// Runs the step and returns the error it raised; fails the test when none is raised.
template <typename F>
RuntimeError errorOf(F step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no run-time error raised";
    return RuntimeError(ErrorCode::Other, "none");
}

}  // namespace

TEST(CheckedMath, OrdinaryStepsGiveTheirResults) {
    EXPECT_DOUBLE_EQ(checked::add(1.5, 2.25), 3.75);
    EXPECT_DOUBLE_EQ(checked::sub(1.5, 2.25), -0.75);
    EXPECT_DOUBLE_EQ(checked::mul(1.5, -4.0), -6.0);
    EXPECT_DOUBLE_EQ(checked::div(7.0, 2.0), 3.5);
    EXPECT_DOUBLE_EQ(checked::div(0.0, 5.0), 0.0);
    EXPECT_DOUBLE_EQ(checked::sqrt(16.0), 4.0);
    EXPECT_DOUBLE_EQ(checked::sqrt(0.0), 0.0);
    EXPECT_DOUBLE_EQ(checked::pow(2.0, 10.0), 1024.0);
    EXPECT_DOUBLE_EQ(checked::pow(-2.0, 3.0), -8.0);
    EXPECT_DOUBLE_EQ(checked::pow(0.0, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(checked::pow(4.0, -0.5), 0.5);
    EXPECT_DOUBLE_EQ(checked::check(42.0), 42.0);
}

TEST(CheckedMath, DivisionByZeroRaisesDivisionByZero) {
    RuntimeError error = errorOf([] { checked::div(5.0, 0.0); });
    EXPECT_EQ(error.code(), ErrorCode::DivisionByZero);
    EXPECT_EQ(error.description(), "Division by zero");
    EXPECT_EQ(errorOf([] { checked::div(-5.0, 0.0); }).code(), ErrorCode::DivisionByZero);
    EXPECT_EQ(errorOf([] { checked::div(5.0, -0.0); }).code(), ErrorCode::DivisionByZero);
}

TEST(CheckedMath, ZeroByZeroRaisesInvalidCall) {
    RuntimeError error = errorOf([] { checked::div(0.0, 0.0); });
    EXPECT_EQ(error.code(), ErrorCode::InvalidCall);
    EXPECT_EQ(error.description(), "Invalid procedure call or argument");
}

TEST(CheckedMath, OverflowRaisesOverflow) {
    RuntimeError error = errorOf([] { checked::mul(DBL_MAX, 2.0); });
    EXPECT_EQ(error.code(), ErrorCode::Overflow);
    EXPECT_EQ(error.description(), "Overflow");
    EXPECT_EQ(errorOf([] { checked::add(DBL_MAX, DBL_MAX); }).code(), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { checked::sub(-DBL_MAX, DBL_MAX); }).code(), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { checked::div(DBL_MAX, 0.5); }).code(), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { checked::pow(10.0, 400.0); }).code(), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { checked::check(std::numeric_limits<double>::infinity()); }).code(), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { checked::check(-std::numeric_limits<double>::infinity()); }).code(), ErrorCode::Overflow);
}

TEST(CheckedMath, InvalidOperationsRaiseInvalidCall) {
    RuntimeError error = errorOf([] { checked::sqrt(-1.0); });
    EXPECT_EQ(error.code(), ErrorCode::InvalidCall);
    EXPECT_EQ(error.description(), "Invalid procedure call or argument");
    EXPECT_EQ(errorOf([] { checked::pow(-8.0, 1.0 / 3.0); }).code(), ErrorCode::InvalidCall);
    EXPECT_EQ(errorOf([] { checked::check(std::nan("")); }).code(), ErrorCode::InvalidCall);
}

TEST(CheckedMath, ZeroToANegativePowerRaisesDivisionByZero) {
    RuntimeError error = errorOf([] { checked::pow(0.0, -1.0); });
    EXPECT_EQ(error.code(), ErrorCode::DivisionByZero);
    EXPECT_EQ(error.description(), "Division by zero");
}
