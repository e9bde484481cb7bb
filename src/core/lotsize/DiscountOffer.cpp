#include "core/lotsize/DiscountOffer.h"

#include "core/CheckedMath.h"
#include "core/NumberText.h"

namespace tervalo::core::lotsize {

namespace ck = core::checked;

namespace {

constexpr const char* kCrLf = "\r\n";

std::string dollars(double amount) { return formatNumber(amount, "$#.00"); }

std::string decisionText(const DiscountOfferInputs& in, const DiscountOfferResult& out) {
    const bool shortages = in.window == OfferWindow::ShortagesAllowed;
    std::string text;
    if (out.accepted) {
        text = "Yes. Accept this offer, because it ";
        text += "reduces your total cost. In this case,";
    } else {
        text = shortages ? "No, do not accept, because it " : "No, do not accept this offer, because it ";
        text += "increases your total cost. In this case,";
    }
    text += shortages ? "order Qty is " : "your order quantity is ";
    text += textWithLeadingBlank(in.offeredQuantity) + " units,";
    text += shortages ? "order interval is " : "and order interval is ";
    text += textWithLeadingBlank(out.intervalDays) + " days.";
    text += out.accepted ? "The cost reduces to: " : "The cost increases to: ";
    text += std::string(kCrLf) + kCrLf;
    text += "Puchase: " + dollars(out.purchaseCost) + kCrLf;
    text += "Order:   " + dollars(out.orderingCost) + kCrLf;
    text += "Holding: " + dollars(out.holdingCost) + kCrLf;
    if (shortages) {
        text += "Shortage:" + dollars(out.shortageCost) + kCrLf;
    }
    text += "Total:   " + dollars(out.totalCost) + " .";
    return text;
}

}  // namespace

std::optional<CheckMessage> checkDiscountOffer(OfferWindow window, std::string_view rateText,
                                               std::string_view quantityText) {
    const bool shortages = window == OfferWindow::ShortagesAllowed;
    if (rateText.empty()) {
        if (shortages) {
            return CheckMessage{"Please enter Discount rate.", "", MessageIcon::Information, "txtDiscRate"};
        }
        return CheckMessage{"Please enter Discount.", "Msssing Input", MessageIcon::Exclamation, "txtDiscRate"};
    }
    if (rateText == "0") {
        return CheckMessage{"The rate cannnot be 0! This means no discount.", "", MessageIcon::None, "txtDiscRate"};
    }
    const double x = leadingNumber(rateText);
    if (x < 1 || x >= 100) {
        // Someone who typed 0.05 for 5 % is told to type 5.
        const std::string suggestion = textWithLeadingBlank(ck::mul(x, 100.0));
        return CheckMessage{"The rate you entered is not valid. If you want to enter " + suggestion + "%. Just enter " +
                                suggestion + ".",
                            "", MessageIcon::Information, "txtDiscRate"};
    }
    if (quantityText.empty()) {
        if (shortages) {
            return CheckMessage{"Please enter the order quantity.", "", MessageIcon::Information, "txtDiscQ"};
        }
        return CheckMessage{"Please enter Discount Quantity.", "Title", MessageIcon::Exclamation, "txtDiscQ"};
    }
    return std::nullopt;
}

DiscountOfferResult evaluateDiscountOffer(const DiscountOfferInputs& in) {
    DiscountOfferResult out;
    const double qd = in.offeredQuantity;
    out.rate = ck::div(in.ratePercent, 100.0);
    out.discountedPrice = ck::sub(in.price, ck::mul(in.price, out.rate));
    out.scaledHoldingCost = ck::mul(ck::div(in.holdingCost, in.price), out.discountedPrice);
    out.purchaseCost = ck::mul(in.demand, out.discountedPrice);
    out.orderingCost = ck::div(ck::mul(in.orderingCost, in.demand), qd);
    if (in.window == OfferWindow::ShortagesAllowed) {
        const double s = in.allowedShortage;
        out.holdingCost = ck::div(ck::div(ck::mul(ck::pow(ck::sub(qd, s), 2.0), out.scaledHoldingCost), 2.0), qd);
        out.shortageCost = ck::div(ck::div(ck::mul(in.shortageCost, ck::pow(s, 2.0)), 2.0), qd);
        out.totalCost =
            ck::add(ck::add(ck::add(out.orderingCost, out.purchaseCost), out.holdingCost), out.shortageCost);
    } else {
        out.holdingCost = ck::div(ck::mul(out.scaledHoldingCost, qd), 2.0);
        out.totalCost = ck::add(ck::add(out.orderingCost, out.purchaseCost), out.holdingCost);
    }
    out.intervalDays = ck::mul(ck::div(qd, in.demand), daysPerUnit(in.timeUnit));
    out.accepted = out.totalCost <= in.optimalTotal;
    out.decision = decisionText(in, out);
    return out;
}

std::string discountOfferSentence(std::string_view rateText, std::string_view quantityText) {
    return "The supplier will give a " + std::string(rateText) + "% discount if you order " +
           std::string(quantityText) + ".";
}

}  // namespace tervalo::core::lotsize
