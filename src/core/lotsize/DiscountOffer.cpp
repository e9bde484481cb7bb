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

using F = OfferField;

// Someone who typed 0.05 for 5 % is told to type 5.
std::string notValidRate(double x) {
    const std::string suggestion = textWithLeadingBlank(ck::mul(x, 100.0));
    return "The rate you entered is not valid. If you want to enter " + suggestion + "%. Just enter " + suggestion +
           ".";
}

constexpr InputCheck kZeroRate{
    field(F::Rate), CheckRule::Text, "The rate cannnot be 0! This means no discount.", "", MessageIcon::None, -1, "0"};
constexpr InputCheck kRateRange{
    field(F::Rate), CheckRule::OutsideRange, "", "", MessageIcon::Information, -1, nullptr, 1, 100, notValidRate};

constexpr InputCheck kNoShortagesChecks[] = {
    {field(F::Rate), CheckRule::Empty, "Please enter Discount.", "Msssing Input", MessageIcon::Exclamation},
    kZeroRate,
    kRateRange,
    {field(F::Quantity), CheckRule::Empty, "Please enter Discount Quantity.", "Title", MessageIcon::Exclamation},
};

constexpr InputCheck kShortagesChecks[] = {
    {field(F::Rate), CheckRule::Empty, "Please enter Discount rate.", "", MessageIcon::Information},
    kZeroRate,
    kRateRange,
    {field(F::Quantity), CheckRule::Empty, "Please enter the order quantity.", "", MessageIcon::Information},
};

}  // namespace

std::span<const InputCheck> discountOfferChecks(OfferWindow window) {
    if (window == OfferWindow::ShortagesAllowed) return kShortagesChecks;
    return kNoShortagesChecks;
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

CheckMessage offerInputsChangedMessage() {
    return CheckMessage{"The inputs have changed since the last calculation. Please click Calculate first.", "",
                        MessageIcon::Information, -1};
}

std::string discountOfferSentence(std::string_view rateText, std::string_view quantityText) {
    return "The supplier will give a " + std::string(rateText) + "% discount if you order " +
           std::string(quantityText) + ".";
}

}  // namespace tervalo::core::lotsize
