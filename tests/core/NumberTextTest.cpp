#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "core/NumberText.h"
#include "core/RuntimeError.h"

using namespace tervalo::core;

namespace {

template <typename F>
ErrorCode errorCodeOf(F step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    ADD_FAILURE() << "no run-time error raised";
    return ErrorCode::Other;
}

}  // namespace

// --- leading number -----------------------------------------------------------

TEST(LeadingNumber, TwelveAbcGivesTwelve) { EXPECT_EQ(leadingNumber("12abc"), 12.0); }

TEST(LeadingNumber, AbcGivesZero) { EXPECT_EQ(leadingNumber("abc"), 0.0); }

TEST(LeadingNumber, EmptyGivesZero) { EXPECT_EQ(leadingNumber(""), 0.0); }

TEST(LeadingNumber, LeadingBlanksAreSkipped) {
    EXPECT_EQ(leadingNumber(" 42"), 42.0);
    EXPECT_EQ(leadingNumber("\t 42"), 42.0);
    EXPECT_EQ(leadingNumber("   "), 0.0);
}

TEST(LeadingNumber, BlanksInsideTheNumberAreSkipped) {
    EXPECT_EQ(leadingNumber("1 2"), 12.0);
    EXPECT_EQ(leadingNumber("1 2 . 5"), 12.5);
    EXPECT_EQ(leadingNumber("- 3"), -3.0);
}

TEST(LeadingNumber, SignPointAndExponent) {
    EXPECT_EQ(leadingNumber("-3e2"), -300.0);
    EXPECT_EQ(leadingNumber("+7"), 7.0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("-.25"), -0.25);
    EXPECT_EQ(leadingNumber("5."), 5.0);
    EXPECT_EQ(leadingNumber("36.85"), 36.85);
    EXPECT_EQ(leadingNumber("1.5E-3"), 0.0015);
    EXPECT_EQ(leadingNumber("2e+3x"), 2000.0);
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(leadingNumber("1..2"), 1.0);
    EXPECT_EQ(leadingNumber("1,000"), 1.0);
    EXPECT_EQ(leadingNumber("1e"), 1.0);
    EXPECT_EQ(leadingNumber("1e+"), 1.0);
    EXPECT_EQ(leadingNumber("3-4"), 3.0);
    EXPECT_EQ(leadingNumber("-"), 0.0);
    EXPECT_EQ(leadingNumber("."), 0.0);
    EXPECT_EQ(leadingNumber("$5"), 0.0);
}

TEST(LeadingNumber, NeverGivesNegativeZero) {
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
    EXPECT_FALSE(std::signbit(leadingNumber("-0.0e5")));
}

TEST(LeadingNumber, BeyondTheDoubleRangeOverflows) {
    EXPECT_EQ(errorCodeOf([] { leadingNumber("1e400"); }), ErrorCode::Overflow);
    EXPECT_EQ(leadingNumber("1e-400"), 0.0);
    EXPECT_EQ(leadingNumber("1e308"), 1e308);
}

// --- is a number ------------------------------------------------------------------

TEST(IsNumber, EmptyIsNotANumber) {
    EXPECT_FALSE(isNumber(""));
    EXPECT_FALSE(isNumber("   "));
}

TEST(IsNumber, TwoPointsAreNotANumber) { EXPECT_FALSE(isNumber("1..2")); }

TEST(IsNumber, BlanksAroundANumberAreAllowed) { EXPECT_TRUE(isNumber(" 12.5 ")); }

TEST(IsNumber, SignedExponentFormIsANumber) { EXPECT_TRUE(isNumber("-3e2")); }

TEST(IsNumber, Numbers) {
    EXPECT_TRUE(isNumber("0"));
    EXPECT_TRUE(isNumber("42"));
    EXPECT_TRUE(isNumber("+42"));
    EXPECT_TRUE(isNumber(".5"));
    EXPECT_TRUE(isNumber("5."));
    EXPECT_TRUE(isNumber("-0.25"));
    EXPECT_TRUE(isNumber("1E+5"));
    EXPECT_TRUE(isNumber("1e-400"));
    EXPECT_TRUE(isNumber("\t7\t"));
}

TEST(IsNumber, NotNumbers) {
    EXPECT_FALSE(isNumber("."));
    EXPECT_FALSE(isNumber("+"));
    EXPECT_FALSE(isNumber("-"));
    EXPECT_FALSE(isNumber("1e"));
    EXPECT_FALSE(isNumber("1e+"));
    EXPECT_FALSE(isNumber("12a"));
    EXPECT_FALSE(isNumber("1,000"));
    EXPECT_FALSE(isNumber("1 2"));
    EXPECT_FALSE(isNumber("--1"));
    EXPECT_FALSE(isNumber("e5"));
    EXPECT_FALSE(isNumber("1.5.2"));
    EXPECT_FALSE(isNumber("abc"));
}

TEST(IsNumber, BeyondTheDoubleRangeIsNotANumber) { EXPECT_FALSE(isNumber("1e400")); }

// --- general text -----------------------------------------------------------------

TEST(GeneralText, Examples) {
    EXPECT_EQ(generalText(0.0), "0");
    EXPECT_EQ(generalText(-0.0), "0");
    EXPECT_EQ(generalText(36.85), "36.85");
    EXPECT_EQ(generalText(100.0), "100");
    EXPECT_EQ(generalText(-3.0), "-3");
    EXPECT_EQ(generalText(12.5), "12.5");
}

TEST(GeneralText, NoZeroBeforeThePoint) {
    EXPECT_EQ(generalText(0.5), ".5");
    EXPECT_EQ(generalText(-0.5), "-.5");
    EXPECT_EQ(generalText(-0.25), "-.25");
    EXPECT_EQ(generalText(0.0001), ".0001");
}

TEST(GeneralText, FifteenSignificantDigitsRounded) {
    EXPECT_EQ(generalText(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(generalText(2.0 / 3.0), ".666666666666667");
    EXPECT_EQ(generalText(0.1 + 0.2), ".3");
    EXPECT_EQ(generalText(123456789012345.0), "123456789012345");
    EXPECT_EQ(generalText(1234567.89012345678), "1234567.89012346");
    EXPECT_EQ(generalText(123456789012345678.0), "1.23456789012346E+17");
}

TEST(GeneralText, ExponentFormFromOneE15) {
    EXPECT_EQ(generalText(1e15), "1E+15");
    EXPECT_EQ(generalText(999999999999999.0), "999999999999999");
    // Rounded to 15 digits this is 1E+15, which is written in exponent form.
    EXPECT_EQ(generalText(999999999999999.9), "1E+15");
    EXPECT_EQ(generalText(1e16), "1E+16");
    EXPECT_EQ(generalText(-2.5e20), "-2.5E+20");
    EXPECT_EQ(generalText(1e100), "1E+100");
}

TEST(GeneralText, ExponentFormBelowOneEMinus4) {
    EXPECT_EQ(generalText(0.00015), ".00015");
    EXPECT_EQ(generalText(0.00001), "1E-05");
    EXPECT_EQ(generalText(1.5e-5), "1.5E-05");
    EXPECT_EQ(generalText(-1.5e-5), "-1.5E-05");
    EXPECT_EQ(generalText(1e-300), "1E-300");
}

TEST(TextWithLeadingBlank, NonNegativeNumbersGetABlank) {
    EXPECT_EQ(textWithLeadingBlank(42.0), " 42");
    EXPECT_EQ(textWithLeadingBlank(0.0), " 0");
    EXPECT_EQ(textWithLeadingBlank(0.5), " .5");
    EXPECT_EQ(textWithLeadingBlank(1e15), " 1E+15");
}

TEST(TextWithLeadingBlank, NegativeNumbersGetTheirSign) {
    EXPECT_EQ(textWithLeadingBlank(-3.0), "-3");
    EXPECT_EQ(textWithLeadingBlank(-0.5), "-.5");
}

// --- format patterns ------------------------------------------------------------

TEST(FormatNumber, HashPointZeroZeroHalfGivesPointFifty) { EXPECT_EQ(formatNumber(0.5, "#.00"), ".50"); }

TEST(FormatNumber, HashPointZeroZeroZeroGivesPointZeroZero) { EXPECT_EQ(formatNumber(0.0, "#.00"), ".00"); }

TEST(FormatNumber, HashPointZeroZeroMinusHalfGivesMinusPointFifty) { EXPECT_EQ(formatNumber(-0.5, "#.00"), "-.50"); }

TEST(FormatNumber, HashPointZeroZero) {
    EXPECT_EQ(formatNumber(249.3919, "#.00"), "249.39");
    EXPECT_EQ(formatNumber(12345.678, "#.00"), "12345.68");
    EXPECT_EQ(formatNumber(100.0, "#.00"), "100.00");
    EXPECT_EQ(formatNumber(0.994, "#.00"), ".99");
    EXPECT_EQ(formatNumber(0.995, "#.00"), "1.00");  // rounds the printed 0.995, not its binary tail
    EXPECT_EQ(formatNumber(0.9951, "#.00"), "1.00");
    EXPECT_EQ(formatNumber(9.999, "#.00"), "10.00");
    EXPECT_EQ(formatNumber(1234567.0, "#.00"), "1234567.00");
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnThePrintedValue) {
    EXPECT_EQ(formatNumber(0.125, "#.00"), ".13");
    EXPECT_EQ(formatNumber(-0.125, "#.00"), "-.13");
    EXPECT_EQ(formatNumber(0.375, "#.00"), ".38");
    EXPECT_EQ(formatNumber(2.5, "0"), "3");
    EXPECT_EQ(formatNumber(3.5, "0"), "4");
    EXPECT_EQ(formatNumber(-2.5, "0"), "-3");
    // Stored as 2.67499999..., printed (15 digits) as 2.675: rounds up as printed.
    EXPECT_EQ(formatNumber(2.675, "#.00"), "2.68");
    EXPECT_EQ(formatNumber(1.005, "0.00"), "1.01");
    // A computed sum whose binary value falls just below the half.
    EXPECT_EQ(formatNumber(190.0 + 10.4 + 55.7175, "$#.00"), "$256.12");
}

TEST(FormatNumber, NegativeRoundingToZeroKeepsTheSign) {
    EXPECT_EQ(formatNumber(-0.001, "#.00"), "-.00");
    EXPECT_EQ(formatNumber(-0.0, "#.00"), ".00");
}

TEST(FormatNumber, DollarHashPointZeroZero) {
    EXPECT_EQ(formatNumber(12.5, "$#.00"), "$12.50");
    EXPECT_EQ(formatNumber(0.25, "$#.00"), "$.25");
    EXPECT_EQ(formatNumber(256.1175, "$#.00"), "$256.12");
    EXPECT_EQ(formatNumber(217.32, "$#.00"), "$217.32");
    EXPECT_EQ(formatNumber(-1.5, "$#.00"), "-$1.50");
    EXPECT_EQ(formatNumber(1234.5, "$#.00"), "$1234.50");
}

TEST(FormatNumber, DollarWithGrouping) {
    EXPECT_EQ(formatNumber(1234.5, "$#,##0.00"), "$1,234.50");
    EXPECT_EQ(formatNumber(0.5, "$#,##0.00"), "$0.50");
    EXPECT_EQ(formatNumber(1234567.891, "$#,##0.00"), "$1,234,567.89");
    EXPECT_EQ(formatNumber(999.999, "$#,##0.00"), "$1,000.00");
    EXPECT_EQ(formatNumber(-1234.5, "$#,##0.00"), "-$1,234.50");
    EXPECT_EQ(formatNumber(1234.5, "\"$\"#,##0.00"), "$1,234.50");
}

TEST(FormatNumber, ZeroPlaceholders) {
    EXPECT_EQ(formatNumber(0.5, "0.00"), "0.50");
    EXPECT_EQ(formatNumber(3.14159, "0.0000"), "3.1416");
    EXPECT_EQ(formatNumber(0.0, "0.0000"), "0.0000");
    EXPECT_EQ(formatNumber(42.4, "0"), "42");
    EXPECT_EQ(formatNumber(0.0, "0"), "0");
    EXPECT_EQ(formatNumber(5.0, "000"), "005");
    EXPECT_EQ(formatNumber(12.34567, "#####0.0000"), "12.3457");
    EXPECT_EQ(formatNumber(0.25, "##0.00"), "0.25");
    EXPECT_EQ(formatNumber(0.25, "#0.0000"), "0.2500");
}

TEST(FormatNumber, GroupedIntegers) {
    EXPECT_EQ(formatNumber(1234567.0, "#,##0"), "1,234,567");
    EXPECT_EQ(formatNumber(999.0, "#,##0"), "999");
    EXPECT_EQ(formatNumber(1000.0, "#,##0"), "1,000");
    EXPECT_EQ(formatNumber(0.0, "#,##0"), "0");
    EXPECT_EQ(formatNumber(-1234.5, "#,##0"), "-1,235");
}

TEST(FormatNumber, HashAlone) {
    EXPECT_EQ(formatNumber(42.0, "#"), "42");
    EXPECT_EQ(formatNumber(42.5, "#"), "43");
    EXPECT_EQ(formatNumber(0.0, "#"), "");
}

TEST(FormatNumber, OptionalFractionDigits) {
    EXPECT_EQ(formatNumber(1.5, "0.0#"), "1.5");
    EXPECT_EQ(formatNumber(1.25, "0.0#"), "1.25");
    EXPECT_EQ(formatNumber(5.0, "0.##"), "5.");
}

TEST(FormatNumber, OtherCharactersAreCopied) {
    EXPECT_EQ(formatNumber(12.5, "#.00%"), "12.50%");
    EXPECT_EQ(formatNumber(7.0, "0 units"), "7 units");
    EXPECT_EQ(formatNumber(7.0, "\\#0"), "#7");
}

TEST(FormatNumber, Sections) {
    EXPECT_EQ(formatNumber(-1.5, "0.00;(0.00)"), "(1.50)");
    EXPECT_EQ(formatNumber(1.5, "0.00;(0.00)"), "1.50");
    EXPECT_EQ(formatNumber(0.0, "0.00;(0.00);\"zero\""), "zero");
}

TEST(FormatNumber, ScalingCommas) { EXPECT_EQ(formatNumber(1234567.0, "#,##0,"), "1,235"); }

TEST(FormatNumber, EmptyPatternGivesTheGeneralText) { EXPECT_EQ(formatNumber(0.5, ""), ".5"); }

TEST(FormatNumber, DoesNotDependOnTheLocale) {
    // std::to_chars never reads the locale; this guards against a switch to printf.
    EXPECT_EQ(formatNumber(1.5, "0.00"), "1.50");
    EXPECT_EQ(generalText(1.5), "1.5");
}

// --- rounding to integers -----------------------------------------------------------

TEST(RoundToInt16, TwelveAndAHalfRoundsToTwelve) { EXPECT_EQ(roundToInt16(12.5), 12); }

TEST(RoundToInt16, ThirteenAndAHalfRoundsToFourteen) { EXPECT_EQ(roundToInt16(13.5), 14); }

TEST(RoundToInt16, ThirtyTwoSevenSixSevenAndAHalfOverflows) {
    EXPECT_EQ(errorCodeOf([] { roundToInt16(32767.5); }), ErrorCode::Overflow);
}

TEST(RoundToInt16, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(-3.5), -4);
    EXPECT_EQ(roundToInt16(0.5), 0);
    EXPECT_EQ(roundToInt16(1.5), 2);
    EXPECT_EQ(roundToInt16(42.11), 42);
    EXPECT_EQ(roundToInt16(42.51), 43);
    EXPECT_EQ(roundToInt16(-42.6), -43);
    EXPECT_EQ(roundToInt16(0.49999999999999994), 0);
}

TEST(RoundToInt16, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.0), -32768);
    EXPECT_EQ(roundToInt16(-32768.5), -32768);
    EXPECT_EQ(errorCodeOf([] { roundToInt16(-32769.0); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { roundToInt16(-32768.51); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { roundToInt16(1e10); }), ErrorCode::Overflow);
}

TEST(RoundToInt16, NaNAndInfinityOverflow) {
    EXPECT_EQ(errorCodeOf([] { roundToInt16(std::nan("")); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { roundToInt16(std::numeric_limits<double>::infinity()); }), ErrorCode::Overflow);
}

TEST(RoundToInt16, OverflowCarriesItsDescription) {
    try {
        roundToInt16(40000.0);
        FAIL() << "no run-time error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.description(), "Overflow");
    }
}

TEST(RoundToInt32, HalvesAndRange) {
    EXPECT_EQ(roundToInt32(12.5), 12);
    EXPECT_EQ(roundToInt32(13.5), 14);
    EXPECT_EQ(roundToInt32(100000.5), 100000);
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(errorCodeOf([] { roundToInt32(2147483647.5); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { roundToInt32(-2147483649.0); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { roundToInt32(std::nan("")); }), ErrorCode::Overflow);
}

// --- single precision -----------------------------------------------------------------

TEST(ToSingle, ConvertsInRange) {
    EXPECT_EQ(toSingle(1.5), 1.5f);
    EXPECT_EQ(toSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(toSingle(-static_cast<double>(FLT_MAX)), -FLT_MAX);
    EXPECT_EQ(toSingle(1e-50), 0.0f);
}

TEST(ToSingle, OutOfRangeOverflows) {
    EXPECT_EQ(errorCodeOf([] { toSingle(1e39); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { toSingle(-1e39); }), ErrorCode::Overflow);
    EXPECT_EQ(errorCodeOf([] { toSingle(std::numeric_limits<double>::infinity()); }), ErrorCode::Overflow);
}
