#pragma once
// The supplier's-offer what-if of the two purchasing windows: the cost of
// ordering exactly the offered quantity at the discounted price, compared with
// the optimal total of the window's last calculation.
#include <span>
#include <string>
#include <string_view>

#include "core/InputCheck.h"
#include "core/lotsize/TimeUnit.h"

namespace tervalo::core::lotsize {

// The two windows word their messages and decisions differently.
enum class OfferWindow { NoShortages, ShortagesAllowed };

enum class OfferField { Rate, Quantity, Count };
using OfferTexts = FieldTexts<OfferField>;

// The checks of the rate box, then the quantity box, as typed. The rate "0" is
// refused as text, so "0.0" or "00" reach the range check, whose message may
// raise Overflow for an absurdly large rate.
std::span<const InputCheck> discountOfferChecks(OfferWindow window);

struct DiscountOfferInputs {
    OfferWindow window = OfferWindow::NoShortages;
    double ratePercent = 0;      // leading number of the rate box
    double offeredQuantity = 0;  // leading number of the quantity box
    double price = 0;
    double holdingCost = 0;
    double demand = 0;
    double orderingCost = 0;
    double allowedShortage = 0;  // shortage window: the rounded value last shown
    double shortageCost = 0;     // shortage window
    double optimalTotal = 0;     // total of the last calculation
    TimeUnit timeUnit = TimeUnit::Year;
};

struct DiscountOfferResult {
    double rate = 0;  // the rate as a fraction
    double discountedPrice = 0;
    double scaledHoldingCost = 0;  // the holding cost scales with the price
    double purchaseCost = 0;
    double orderingCost = 0;
    double holdingCost = 0;
    double shortageCost = 0;  // 0 in the window without shortages
    double totalCost = 0;
    double intervalDays = 0;  // not rounded
    bool accepted = false;    // a tie accepts
    std::string decision;     // the text for the decision box, CRLF line breaks
};

// Raises RuntimeError on an arithmetic fault: a price of 0, an offered quantity
// of 0 or a demand of 0.
DiscountOfferResult evaluateDiscountOffer(const DiscountOfferInputs& inputs);

// The offer is priced against the last calculation and saved into its row, so
// it waits for Calculate when a box it reads (or the time unit) has changed
// since: "The inputs have changed since the last calculation..." (the
// program's title, information icon).
CheckMessage offerInputsChangedMessage();

// "The supplier will give a 5% discount if you order 100.", from the boxes as typed.
std::string discountOfferSentence(std::string_view rateText, std::string_view quantityText);

}  // namespace tervalo::core::lotsize
