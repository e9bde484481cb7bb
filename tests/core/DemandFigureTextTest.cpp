// The plain decimal text that demand figures are handed on in: the general
// text of the number with a zero before a leading point.
#include <gtest/gtest.h>

#include <string>

#include "core/NumberText.h"

using tervalo::core::plainDecimalText;

namespace {

struct Case {
    double value;
    const char* text;
};

constexpr Case kCases[] = {
    {1600, "1600"},
    {0.5, "0.5"},
    {-0.5, "-0.5"},
    {12, "12"},
    {0, "0"},
    {-3, "-3"},
    {1.2, "1.2"},
    {0.125, "0.125"},
    {2.25, "2.25"},
    {1e16, "1E+16"},
    {1e-5, "1E-05"},
    {0.0001, "0.0001"},
    {-0.0001, "-0.0001"},
    {1.0 / 3, "0.333333333333333"},
};

}  // namespace

TEST(PlainDecimalText, ZeroBeforeTheLeadingPoint) {
    for (const Case& c : kCases)
        EXPECT_EQ(plainDecimalText(c.value), c.text) << c.value;
}
