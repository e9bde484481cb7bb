#pragma once
// The one tolerance for computed floating-point amounts in the tests: they
// agree to a relative 1e-9 (absolute near zero). Plain C++, so the core tests
// use it without Qt; the macros expand only where their framework is included.
#include <algorithm>
#include <cmath>

namespace tervalo::test {

inline constexpr double kRelativeTolerance = 1e-9;

inline bool nearlyEqual(double actual, double expected, double relative = kRelativeTolerance) {
    return std::fabs(actual - expected) <= relative * std::max(1.0, std::fabs(expected));
}

}  // namespace tervalo::test

// GoogleTest: fails with both values printed.
#define EXPECT_NEARLY_EQUAL(actual, expected) \
    EXPECT_PRED3(::tervalo::test::nearlyEqual, actual, expected, ::tervalo::test::kRelativeTolerance)

// GoogleTest with a looser relative tolerance, for a model that stops its
// iteration short of full precision.
#define EXPECT_NEARLY_EQUAL_WITHIN(actual, expected, relative) \
    EXPECT_PRED3(::tervalo::test::nearlyEqual, actual, expected, relative)

// QTest: fails with both values printed to 17 digits.
#define QCOMPARE_NEARLY(actual, expected)                                 \
    QVERIFY2(::tervalo::test::nearlyEqual(actual, expected),              \
             qPrintable(QStringLiteral("%1 differs from the expected %2") \
                            .arg(double(actual), 0, 'g', 17)              \
                            .arg(double(expected), 0, 'g', 17)))
