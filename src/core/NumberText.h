#pragma once
// Reading and writing numbers as the windows and the stored rows expect them.
// The decimal separator is always ".", whatever the locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace tervalo::core {

// The number a text begins with: leading blanks skipped, optional sign, digits,
// ".", exponent; 0 when the text begins with none ("12abc" -> 12, "abc" -> 0).
double leadingNumber(std::string_view text);

// Whether the whole text is a number: blanks around it allowed, optional sign,
// digits with one optional ".", optional exponent. "" and "1..2" are not.
bool isNumber(std::string_view text);

// General text of a number: at most 15 significant digits, no trailing zeros,
// exponent form at the extremes ("1E+16", "1E-05"), no zero before the point
// (0.5 -> ".5", -0.5 -> "-.5").
std::string generalText(double value);

// The same with one leading blank for a non-negative number (42 -> " 42", -3 -> "-3").
std::string textWithLeadingBlank(double value);

// Format patterns: "#.00", "$#.00", "$#,##0.00", "0.00", "0.0000", "#,##0", "0" ...
// '#' optional digit, '0' required digit, ',' grouping, '.' point; other
// characters are copied. Rounds half away from zero at the last shown decimal.
std::string formatNumber(double value, std::string_view pattern);

// Rounds half to even; raises RuntimeError(Overflow) outside the integer's range.
std::int16_t roundToInt16(double value);
std::int32_t roundToInt32(double value);

// Converts to single precision; raises Overflow when out of range.
float toSingle(double value);

}  // namespace tervalo::core
