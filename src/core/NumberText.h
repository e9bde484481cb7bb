#pragma once
// Reading and writing numbers as the windows and the stored rows expect them.
// The decimal separator is always ".", whatever the locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace tervalo::core {

// The number a text begins with: leading blanks skipped, optional sign, digits,
// ".", exponent; 0 when the text begins with none ("12abc" -> 12, "abc" -> 0).
// Blanks between the characters are skipped too ("1 2" -> 12). A number beyond
// the double range raises RuntimeError(Overflow); one too small for it gives 0.
double leadingNumber(std::string_view text);

// Whether the whole text is a number: blanks around it allowed, optional sign,
// digits with one optional ".", optional exponent. "" and "1..2" are not, and
// neither is a number beyond the double range ("1e400").
bool isNumber(std::string_view text);

// General text of a number: at most 15 significant digits, no trailing zeros,
// exponent form at the extremes ("1E+16", "1E-05"), no zero before the point
// (0.5 -> ".5", -0.5 -> "-.5").
std::string generalText(double value);

// General text with the zero before the point (0.5 -> "0.5", -0.5 -> "-0.5"),
// as the demand estimation and the wizard write plain decimals.
std::string plainDecimalText(double value);

// The same with one leading blank for a non-negative number (42 -> " 42", -3 -> "-3").
std::string textWithLeadingBlank(double value);

// Format patterns: "#.00", "$#.00", "$#,##0.00", "0.00", "0.0000", "#,##0", "0" ...
// '#' optional digit, '0' required digit, ',' grouping, '.' point; other
// characters are copied, as is text in double quotes or after a backslash.
// Rounds the exact value of the double half away from zero at the last shown
// decimal; a negative number keeps its minus sign in front ("-$1.50", and
// "-.00" for -0.001 with "#.00"). Up to three sections "positive;negative;zero"
// (the negative section gets the magnitude and writes its own sign). Commas
// between digit placeholders group thousands; commas right after the last
// integer placeholder divide by 1000 each. An empty pattern gives generalText.
std::string formatNumber(double value, std::string_view pattern);

// An amount as the cost tables, comparisons and reports show it, "#.00":
// 5609.76, .50, -12.92.
std::string amountText(double value);

// Rounds half to even; raises RuntimeError(Overflow) outside the integer's range.
std::int16_t roundToInt16(double value);
std::int32_t roundToInt32(double value);

// Converts to single precision; raises Overflow when out of range.
float toSingle(double value);

}  // namespace tervalo::core
