#include "core/NumberText.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

#include "core/RuntimeError.h"

namespace tervalo::core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The pieces of a decimal number as written: sign, digits before and after the
// point and the written exponent.
struct DecimalText {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    long exponent = 0;  // clamped to +-100000; beyond that the value is 0 or out of range
};

void addExponentDigit(long& exponent, char c) {
    if (exponent < 100000) {
        exponent = exponent * 10 + (c - '0');
    }
}

// Converts the pieces to a double. Raises Overflow when the value lies beyond
// the double range; a value too small for it becomes 0.
double toDouble(const DecimalText& number) {
    std::string text = number.intDigits.empty() ? std::string("0") : number.intDigits;
    if (!number.fracDigits.empty()) {
        text += '.';
        text += number.fracDigits;
    }
    text += 'e';
    text += std::to_string(number.exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Position of the first significant digit relative to the point decides
        // between a value too large and one too small (a zero is never out of
        // range, so there is a non-zero digit).
        long magnitude = 0;
        const auto firstInt = number.intDigits.find_first_not_of('0');
        if (firstInt != std::string::npos) {
            magnitude = static_cast<long>(number.intDigits.size() - firstInt);
        } else {
            magnitude = -static_cast<long>(number.fracDigits.find_first_not_of('0'));
        }
        if (magnitude + number.exponent > 0) {
            throw RuntimeError(ErrorCode::Overflow);
        }
        value = 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    if (value == 0.0) {
        return 0.0;  // never a negative zero
    }
    return number.negative ? -value : value;
}

// The decimal expansion of a finite double's magnitude at 15 significant
// digits (the digits the user sees of it): digits before and after the point.
// Rounding the shown decimals starts from this form, so a computed 2.675 or
// 256.1175 rounds up as its printed value says, not as its binary tail does.
void exactDecimal(double magnitude, std::string& intDigits, std::string& fracDigits) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, 14);
    const std::string text(buffer.data(), result.ptr);  // d.dddddddddddddde+XX
    const auto ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    const int exponent = std::stoi(text.substr(ePos + 1));
    const int pointPos = exponent + 1;  // digits before the point
    if (pointPos <= 0) {
        intDigits.clear();
        fracDigits = std::string(static_cast<std::size_t>(-pointPos), '0') + digits;
    } else if (static_cast<std::size_t>(pointPos) >= digits.size()) {
        intDigits = digits + std::string(static_cast<std::size_t>(pointPos) - digits.size(), '0');
        fracDigits.clear();
    } else {
        intDigits = digits.substr(0, static_cast<std::size_t>(pointPos));
        fracDigits = digits.substr(static_cast<std::size_t>(pointPos));
    }
    const auto lastNonZero = fracDigits.find_last_not_of('0');
    fracDigits.erase(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    const auto firstNonZero = intDigits.find_first_not_of('0');
    intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
}

// Adds one unit to the last digit of a digit string; returns true when a carry
// leaves the string (all nines).
bool incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

// Rounds the exact decimal to `decimals` fraction digits, half away from zero.
// The fraction afterwards has exactly `decimals` digits.
void roundDecimal(std::string& intDigits, std::string& fracDigits, std::size_t decimals) {
    const bool roundUp = fracDigits.size() > decimals && fracDigits[decimals] >= '5';
    fracDigits.resize(decimals, '0');
    if (roundUp && incrementDigits(fracDigits)) {
        if (incrementDigits(intDigits)) {
            intDigits.insert(intDigits.begin(), '1');
        }
    }
}

// Divides an exact decimal by 1000 `times` times (the scaling commas of a pattern).
void scaleDown(std::string& intDigits, std::string& fracDigits, int times) {
    for (int t = 0; t < times; ++t) {
        std::string moved = intDigits.size() >= 3 ? intDigits.substr(intDigits.size() - 3)
                                                  : std::string(3 - intDigits.size(), '0') + intDigits;
        intDigits.erase(intDigits.size() >= 3 ? intDigits.size() - 3 : 0);
        fracDigits = moved + fracDigits;
    }
    const auto firstNonZero = intDigits.find_first_not_of('0');
    intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
}

// One piece of a format pattern.
struct Token {
    enum Kind { Digit, Point, Comma, Literal } kind;
    char placeholder = 0;  // '0' or '#' for Digit
    std::string text;      // for Literal
};

std::vector<Token> tokenize(std::string_view pattern) {
    std::vector<Token> tokens;
    tokens.reserve(pattern.size());  // at most one token a character
    auto addLiteral = [&tokens](std::string_view text) {
        if (!tokens.empty() && tokens.back().kind == Token::Literal) {
            tokens.back().text += text;
        } else {
            tokens.push_back({Token::Literal, 0, std::string(text)});
        }
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '0' || c == '#') {
            tokens.push_back({Token::Digit, c, {}});
        } else if (c == '.') {
            tokens.push_back({Token::Point, 0, {}});
        } else if (c == ',') {
            tokens.push_back({Token::Comma, 0, {}});
        } else if (c == '"') {
            const auto close = pattern.find('"', i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            addLiteral(pattern.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '\\' && i + 1 < pattern.size()) {
            addLiteral(pattern.substr(i + 1, 1));
            ++i;
        } else {
            addLiteral(pattern.substr(i, 1));
        }
    }
    return tokens;
}

// Splits a pattern at the semicolons that lie outside quotes.
std::vector<std::string_view> sections(std::string_view pattern) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '"') {
            quoted = !quoted;
        } else if (pattern[i] == '\\' && !quoted) {
            ++i;
        } else if (pattern[i] == ';' && !quoted) {
            parts.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(pattern.substr(start));
    return parts;
}

// Formats a magnitude with one pattern section; the caller adds any sign.
std::string formatSection(double magnitude, std::string_view pattern) {
    std::vector<Token> tokens = tokenize(pattern);

    std::size_t pointIndex = tokens.size();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Point) {
            pointIndex = i;
            break;
        }
    }

    // Integer part: placeholders, grouping and scaling commas.
    std::vector<std::size_t> intPlaceholders;
    for (std::size_t i = 0; i < pointIndex; ++i) {
        if (tokens[i].kind == Token::Digit) {
            intPlaceholders.push_back(i);
        }
    }
    bool grouping = false;
    int scaling = 0;
    std::vector<bool> commaIsLiteral(tokens.size(), false);
    if (!intPlaceholders.empty()) {
        const std::size_t lastDigit = intPlaceholders.back();
        for (std::size_t i = 0; i < pointIndex; ++i) {
            if (tokens[i].kind != Token::Comma) {
                continue;
            }
            if (i < intPlaceholders.front()) {
                commaIsLiteral[i] = true;
            } else if (i < lastDigit) {
                grouping = true;
            } else {
                ++scaling;  // commas right after the last digit divide by 1000 each
            }
        }
    } else {
        for (std::size_t i = 0; i < pointIndex; ++i) {
            commaIsLiteral[i] = tokens[i].kind == Token::Comma;
        }
    }
    for (std::size_t i = pointIndex; i < tokens.size(); ++i) {
        commaIsLiteral[i] = tokens[i].kind == Token::Comma;
    }

    // Fraction placeholders.
    std::size_t fracPlaceholders = 0;
    std::size_t requiredFrac = 0;
    for (std::size_t i = pointIndex; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Digit) {
            ++fracPlaceholders;
            if (tokens[i].placeholder == '0') {
                requiredFrac = fracPlaceholders;
            }
        }
    }

    std::string intDigits;
    std::string fracDigits;
    exactDecimal(magnitude, intDigits, fracDigits);
    scaleDown(intDigits, fracDigits, scaling);
    roundDecimal(intDigits, fracDigits, fracPlaceholders);

    // Digits shown before the point: at least as many as from the first '0' placeholder on.
    std::size_t requiredInt = 0;
    for (std::size_t k = 0; k < intPlaceholders.size(); ++k) {
        if (tokens[intPlaceholders[k]].placeholder == '0') {
            requiredInt = intPlaceholders.size() - k;
            break;
        }
    }
    if (intDigits.size() < requiredInt) {
        intDigits.insert(0, requiredInt - intDigits.size(), '0');
    }

    std::size_t shownFrac = fracDigits.size();
    while (shownFrac > requiredFrac && fracDigits[shownFrac - 1] == '0') {
        --shownFrac;
    }

    std::string out;
    const std::size_t n = intDigits.size();
    auto emitIntDigit = [&](std::size_t index) {
        out += intDigits[index];
        const std::size_t fromRight = n - 1 - index;
        if (grouping && fromRight > 0 && fromRight % 3 == 0) {
            out += ',';
        }
    };
    auto emitAllIntDigits = [&]() {
        for (std::size_t index = 0; index < n; ++index) {
            emitIntDigit(index);
        }
    };

    const std::size_t placeholders = intPlaceholders.size();
    std::size_t placeholder = 0;  // integer placeholders seen so far
    std::size_t fracShown = 0;    // fraction placeholders seen so far
    bool intWritten = placeholders > 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (i == pointIndex && !intWritten) {
            emitAllIntDigits();  // a pattern without integer placeholders still shows them
            intWritten = true;
        }
        switch (token.kind) {
            case Token::Literal:
                out += token.text;
                break;
            case Token::Comma:
                if (commaIsLiteral[i]) {
                    out += ',';
                }
                break;
            case Token::Point:
                out += '.';
                break;
            case Token::Digit:
                if (i < pointIndex) {
                    // The first placeholder takes every digit the others leave over.
                    const std::size_t rightOfThis = placeholders - 1 - placeholder;
                    if (placeholder == 0) {
                        for (std::size_t index = 0; index + rightOfThis < n; ++index) {
                            emitIntDigit(index);
                        }
                    } else if (n > rightOfThis) {
                        emitIntDigit(n - 1 - rightOfThis);
                    }
                    ++placeholder;
                } else {
                    if (fracShown < shownFrac) {
                        out += fracDigits[fracShown];
                    }
                    ++fracShown;
                }
                break;
        }
    }
    if (!intWritten) {
        emitAllIntDigits();
    }
    return out;
}

}  // namespace

double leadingNumber(std::string_view text) {
    DecimalText number;
    std::size_t i = 0;
    auto skipBlanks = [&]() {
        while (i < text.size() && (isBlank(text[i]) || text[i] == '\n')) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    skipBlanks();
    while (i < text.size()) {
        if (isDigit(text[i])) {
            number.intDigits += text[i];
        } else if (!isBlank(text[i]) && text[i] != '\n') {
            break;
        }
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size()) {
            if (isDigit(text[i])) {
                number.fracDigits += text[i];
            } else if (!isBlank(text[i]) && text[i] != '\n') {
                break;
            }
            ++i;
        }
    }
    if (number.intDigits.empty() && number.fracDigits.empty()) {
        return 0.0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        while (j < text.size() && (isBlank(text[j]) || text[j] == '\n')) {
            ++j;
        }
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        bool anyDigit = false;
        long exponent = 0;
        while (j < text.size()) {
            if (isDigit(text[j])) {
                addExponentDigit(exponent, text[j]);
                anyDigit = true;
            } else if (!isBlank(text[j]) && text[j] != '\n') {
                break;
            }
            ++j;
        }
        if (anyDigit) {
            number.exponent = negativeExponent ? -exponent : exponent;
        }
    }
    return toDouble(number);
}

bool isNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    DecimalText number;
    std::size_t i = begin;
    // The sign does not decide whether the text is a number.
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    while (i < end && isDigit(text[i])) {
        number.intDigits += text[i++];
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && isDigit(text[i])) {
            number.fracDigits += text[i++];
        }
    }
    if (number.intDigits.empty() && number.fracDigits.empty()) {
        return false;
    }
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= end || !isDigit(text[i])) {
            return false;
        }
        long exponent = 0;
        while (i < end && isDigit(text[i])) {
            addExponentDigit(exponent, text[i++]);
        }
        number.exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != end) {
        return false;
    }
    try {
        toDouble(number);  // a number beyond the double range is not a number
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

std::string generalText(double value) {
    if (value == 0.0) {
        return "0";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }

    // 15 significant digits, correctly rounded: d.dddddddddddddde+x
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exponent = std::stoi(text.substr(e + 1));
    const auto last = digits.find_last_not_of('0');
    digits.erase(last + 1);  // the first digit is never 0

    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponentDigits.size() < 2) {
            out += '0';
        }
        out += exponentDigits;
    } else if (exponent >= 0) {
        const auto intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            out += digits;
            out.append(intCount - digits.size(), '0');
        } else {
            out += digits.substr(0, intCount);
            out += '.';
            out += digits.substr(intCount);
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string plainDecimalText(double value) {
    std::string text = generalText(value);
    if (text.rfind(".", 0) == 0) {
        text.insert(text.begin(), '0');
        return text;
    }
    if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
    return text;
}

std::string textWithLeadingBlank(double value) {
    std::string text = generalText(value);
    if (value >= 0.0) text.insert(text.begin(), ' ');
    return text;
}

std::string amountText(double value) { return formatNumber(value, "#.00"); }

std::string formatNumber(double value, std::string_view pattern) {
    if (pattern.empty()) {
        return generalText(value);
    }
    if (!std::isfinite(value)) {
        return generalText(value);
    }
    const std::vector<std::string_view> parts = sections(pattern);
    if (value < 0.0 && parts.size() >= 2 && !parts[1].empty()) {
        return formatSection(-value, parts[1]);  // the negative section carries its own sign
    }
    if (value == 0.0 && parts.size() >= 3 && !parts[2].empty()) {
        return formatSection(0.0, parts[2]);
    }
    const std::string text = formatSection(std::fabs(value), parts[0]);
    return value < 0.0 ? "-" + text : text;
}

namespace {

// Rounds to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5) {
        return floorValue;
    }
    if (diff > 0.5) {
        return floorValue + 1.0;
    }
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

template <typename Int>
Int roundToInteger(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorCode::Overflow);
    }
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw RuntimeError(ErrorCode::Overflow);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t roundToInt16(double value) { return roundToInteger<std::int16_t>(value); }

std::int32_t roundToInt32(double value) { return roundToInteger<std::int32_t>(value); }

float toSingle(double value) {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) {
        throw RuntimeError(ErrorCode::Overflow);
    }
    return static_cast<float>(value);
}

}  // namespace tervalo::core
