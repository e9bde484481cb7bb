#pragma once
// The input checks of the model windows as data: each model lists its checks
// in the order the window runs them, keyed by the model's field enum, and one
// function runs a table over the texts as typed and returns the first failure.
//
//   enum class EoqField { Item, Demand, ..., Count };
//   constexpr InputCheck kChecks[] = {
//       {field(EoqField::Item), CheckRule::Empty, "Please enter a item name.", "Error Message",
//       MessageIcon::Exclamation},
//       ...};
//   FieldTexts<EoqField> texts;  texts[EoqField::Demand] = "8";
//   if (auto failed = firstFailedCheck(kChecks, texts.all())) ...
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "core/CheckMessage.h"

namespace tervalo::core {

enum class CheckRule {
    Empty,          // fails on the empty text only
    NotNumber,      // fails unless the whole text is a number, so the empty text fails too
    Text,           // fails when the text is exactly `literal`
    BelowField,     // fails when its leading number is below that of `other`
    NotBelowField,  // fails when its leading number is not below that of `other`
    NotAboveField,  // fails when its leading number is not above that of `other`
    OutsideRange,   // fails when its leading number is below `low` or not below `high`
};

struct InputCheck {
    int field = -1;
    CheckRule rule = CheckRule::Empty;
    const char* message = "";
    const char* title = "";  // empty: the program's title
    MessageIcon icon = MessageIcon::None;
    int other = -1;                                  // BelowField, NotBelowField, NotAboveField
    const char* literal = nullptr;                   // Text
    double low = 0;                                  // OutsideRange
    double high = 0;                                 // OutsideRange
    std::string (*compose)(double value) = nullptr;  // a message built from the leading number
};

template <class Field>
constexpr int field(Field f) {
    return static_cast<int>(f);
}

// The texts of a model's boxes, indexed by its field enum (which ends in Count).
template <class Field>
struct FieldTexts {
    std::array<std::string, static_cast<std::size_t>(Field::Count)> values{};

    std::string& operator[](Field f) { return values[static_cast<std::size_t>(f)]; }
    const std::string& operator[](Field f) const { return values[static_cast<std::size_t>(f)]; }
    // The leading number of the field's text (0 when it begins with none).
    double number(Field f) const;
    std::span<const std::string> all() const { return values; }
};

// The first failing check of `checks` over `texts` (indexed by field), or
// nullopt when every check passes. A composed message may raise RuntimeError
// (an absurdly large number overflowing).
std::optional<CheckMessage> firstFailedCheck(std::span<const InputCheck> checks, std::span<const std::string> texts);

double leadingNumberOf(const std::string& text);

template <class Field>
double FieldTexts<Field>::number(Field f) const {
    return leadingNumberOf((*this)[f]);
}

}  // namespace tervalo::core
