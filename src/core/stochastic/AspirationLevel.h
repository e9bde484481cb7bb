#pragma once
// What the aspiration-level window computes over its demand table: the mean
// demand, each row's tail probability P(>D), the first row whose tail is
// within the permitted stockout probability, and the result text.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/CheckMessage.h"
#include "core/stochastic/DemandTable.h"

namespace tervalo::core::stochastic {

struct AspirationGridRow {
    std::string demand;       // "Demand (D)", with a leading blank
    std::string probability;  // "P (D)"
    std::string tail;         // "P (>D)": 1 - the cumulative probability (" .9", " 1.11022302462516E-16")

    bool operator==(const AspirationGridRow&) const = default;
};

struct AspirationResult {
    std::vector<DemandRow> rows;           // the table in ascending order of demand (stable)
    std::vector<double> tails;             // 1 - cumulative, row by row
    std::vector<AspirationGridRow> grid;   // one grid row per table row
    double mean = 0;                       // sum of P(i) d(i) in row order
    std::optional<std::size_t> markedRow;  // the chosen row, from 1; nullopt when none qualifies
    // Label5: the three lines joined by CR LF; empty when no row qualifies.
    std::string resultText;
};

// `stockoutText`: the text of txtStockoutP as typed; its leading number is the
// permitted stockout probability (0 when empty), the text itself goes into the
// result text. No checks, no messages; a mean beyond the double range raises
// RuntimeError(Overflow).
AspirationResult computeAspiration(std::span<const DemandRow> rows, const std::string& stockoutText);

// The leave-time check of txtStockoutP: an empty text passes; not a number:
// "This field must be a number." ("Not a number"); above 1: "The probability
// should be less than 1..." ("Error Message", information); 1 passes.
std::optional<CheckMessage> checkStockoutProbability(const std::string& text);

}  // namespace tervalo::core::stochastic
