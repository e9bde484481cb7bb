#pragma once
// What the stochastic-model tests share: the tests' one tolerance and short
// ways to read outcomes and cost tables.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "core/CheckMessage.h"
#include "core/NumberText.h"
#include "support/Tolerance.h"

namespace tervalo::test {

// The result of an outcome (a copy, so a temporary outcome may be passed),
// failing the test when a message came instead.
template <class Result>
Result resultOf(const std::variant<Result, core::CheckMessage>& outcome) {
    if (const auto* message = std::get_if<core::CheckMessage>(&outcome)) {
        ADD_FAILURE() << "message instead of a result: " << message->text;
        return Result{};
    }
    return std::get<Result>(outcome);
}

// The message of an outcome, or an empty one (text "") when a result came.
template <class Result>
core::CheckMessage messageOf(const std::variant<Result, core::CheckMessage>& outcome) {
    if (const auto* message = std::get_if<core::CheckMessage>(&outcome)) return *message;
    return {};
}

// The pie's slices: each share text rounded half to even to 16 bits, the Total left out.
inline std::vector<int> pieSlices(const std::vector<std::string>& shareTexts) {
    std::vector<int> slices;
    for (std::size_t i = 0; i + 1 < shareTexts.size(); ++i)
        slices.push_back(core::roundToInt16(core::leadingNumber(shareTexts[i])));
    return slices;
}

}  // namespace tervalo::test
