#include <gtest/gtest.h>

#include "core/RuntimeError.h"
#include "core/lotsize/DiscountOffer.h"
#include "core/lotsize/Eoq.h"
#include "support/Tolerance.h"

using tervalo::core::CheckMessage;
using tervalo::core::ErrorCode;
using tervalo::core::firstFailedCheck;
using tervalo::core::MessageIcon;
using tervalo::core::RuntimeError;
using namespace tervalo::core::lotsize;

namespace {

// The paper example (8 a week at $25, $130 an order, $1.173 holding) after its
// calculation, with an offer of `rate` percent for 100 units.
DiscountOfferInputs paperOffer(OfferWindow window, double rate) {
    Eoq eoq;
    eoq.setModelType(window == OfferWindow::NoShortages ? 1 : 2);
    eoq.setDemand(8);
    eoq.setPurchaseOrProductionCost(25);
    eoq.setOderOrSetupCost(130);
    eoq.setHoldingCost(1.173);
    eoq.setShortageCost(15);
    EXPECT_NO_THROW(eoq.run());

    DiscountOfferInputs in;
    in.window = window;
    in.ratePercent = rate;
    in.offeredQuantity = 100;
    in.price = 25;
    in.holdingCost = 1.173;
    in.demand = 8;
    in.orderingCost = 130;
    in.shortageCost = 15;
    in.allowedShortage = 3;  // the shortage window shows " 3"
    in.optimalTotal = eoq.totalPeriodCost();
    in.timeUnit = TimeUnit::Week;
    return in;
}

RuntimeError errorOf(const DiscountOfferInputs& in) {
    try {
        evaluateDiscountOffer(in);
    } catch (const RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no run-time error raised";
    return RuntimeError(ErrorCode::Other, "none");
}

constexpr int kRate = static_cast<int>(OfferField::Rate);
constexpr int kQuantity = static_cast<int>(OfferField::Quantity);

std::optional<CheckMessage> checkDiscountOffer(OfferWindow window, const char* rate, const char* quantity) {
    OfferTexts texts;
    texts[OfferField::Rate] = rate;
    texts[OfferField::Quantity] = quantity;
    return firstFailedCheck(discountOfferChecks(window), texts.all());
}

}  // namespace

TEST(DiscountOfferChecks, WindowWithoutShortages) {
    const auto w = OfferWindow::NoShortages;
    EXPECT_EQ(checkDiscountOffer(w, "", "100"),
              (CheckMessage{"Please enter Discount.", "Msssing Input", MessageIcon::Exclamation, kRate}));
    EXPECT_EQ(checkDiscountOffer(w, "5", ""),
              (CheckMessage{"Please enter Discount Quantity.", "Title", MessageIcon::Exclamation, kQuantity}));
    EXPECT_EQ(checkDiscountOffer(w, "5", "100"), std::nullopt);
    EXPECT_EQ(checkDiscountOffer(w, "99.9", "0"), std::nullopt);
}

TEST(DiscountOfferChecks, WindowWithShortages) {
    const auto w = OfferWindow::ShortagesAllowed;
    EXPECT_EQ(checkDiscountOffer(w, "", ""),
              (CheckMessage{"Please enter Discount rate.", "", MessageIcon::Information, kRate}));
    EXPECT_EQ(checkDiscountOffer(w, "5", ""),
              (CheckMessage{"Please enter the order quantity.", "", MessageIcon::Information, kQuantity}));
    EXPECT_EQ(checkDiscountOffer(w, "20", "100"), std::nullopt);
}

TEST(DiscountOfferChecks, ZeroRateIsRefusedAsText) {
    const CheckMessage zero{"The rate cannnot be 0! This means no discount.", "", MessageIcon::None, kRate};
    EXPECT_EQ(checkDiscountOffer(OfferWindow::NoShortages, "0", ""), zero);
    EXPECT_EQ(checkDiscountOffer(OfferWindow::ShortagesAllowed, "0", ""), zero);
    // Other spellings of zero reach the range check.
    const auto zeroPointZero = checkDiscountOffer(OfferWindow::NoShortages, "0.0", "100");
    ASSERT_TRUE(zeroPointZero.has_value());
    EXPECT_EQ(zeroPointZero->text, "The rate you entered is not valid. If you want to enter  0%. Just enter  0.");
    EXPECT_EQ(checkDiscountOffer(OfferWindow::NoShortages, "00", "100")->text, zeroPointZero->text);
}

TEST(DiscountOfferChecks, FractionalRateSuggestsThePercentage) {
    EXPECT_EQ(checkDiscountOffer(OfferWindow::NoShortages, "0.5", "100"),
              (CheckMessage{"The rate you entered is not valid. If you want to enter  50%. Just enter  50.", "",
                            MessageIcon::Information, kRate}));
    EXPECT_EQ(checkDiscountOffer(OfferWindow::ShortagesAllowed, "0.05", "")->text,
              "The rate you entered is not valid. If you want to enter  5%. Just enter  5.");
    EXPECT_EQ(checkDiscountOffer(OfferWindow::NoShortages, "100", "100")->text,
              "The rate you entered is not valid. If you want to enter  10000%. Just enter  10000.");
    EXPECT_EQ(checkDiscountOffer(OfferWindow::NoShortages, "1", "")->field, kQuantity);
}

TEST(DiscountOfferEvaluation, FivePercentIsRejected) {
    const auto out = evaluateDiscountOffer(paperOffer(OfferWindow::NoShortages, 5));
    EXPECT_NEARLY_EQUAL(out.discountedPrice, 23.75);
    EXPECT_NEARLY_EQUAL(out.scaledHoldingCost, 1.11435);
    EXPECT_NEARLY_EQUAL(out.purchaseCost, 190);
    EXPECT_NEARLY_EQUAL(out.orderingCost, 10.4);
    EXPECT_NEARLY_EQUAL(out.holdingCost, 55.7175);
    EXPECT_NEARLY_EQUAL(out.totalCost, 256.1175);
    EXPECT_NEARLY_EQUAL(out.intervalDays, 87.5);
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.decision,
              "No, do not accept this offer, because it increases your total cost. In this case,"
              "your order quantity is  100 units,and order interval is  87.5 days.The cost increases to: "
              "\r\n\r\nPuchase: $190.00\r\nOrder:   $10.40\r\nHolding: $55.72\r\nTotal:   $256.12 .");
}

TEST(DiscountOfferEvaluation, TwentyPercentIsAccepted) {
    const auto out = evaluateDiscountOffer(paperOffer(OfferWindow::NoShortages, 20));
    EXPECT_NEARLY_EQUAL(out.purchaseCost, 160);
    EXPECT_NEARLY_EQUAL(out.holdingCost, 46.92);
    EXPECT_NEARLY_EQUAL(out.totalCost, 217.32);
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.decision,
              "Yes. Accept this offer, because it reduces your total cost. In this case,"
              "your order quantity is  100 units,and order interval is  87.5 days.The cost reduces to: "
              "\r\n\r\nPuchase: $160.00\r\nOrder:   $10.40\r\nHolding: $46.92\r\nTotal:   $217.32 .");
}

TEST(DiscountOfferEvaluation, TieAccepts) {
    auto in = paperOffer(OfferWindow::NoShortages, 20);
    in.optimalTotal = evaluateDiscountOffer(in).totalCost;
    EXPECT_TRUE(evaluateDiscountOffer(in).accepted);
}

TEST(DiscountOfferEvaluation, IntervalFollowsTheTimeUnit) {
    auto in = paperOffer(OfferWindow::NoShortages, 5);
    in.timeUnit = TimeUnit::Month;
    EXPECT_NEARLY_EQUAL(evaluateDiscountOffer(in).intervalDays, 100.0 / 8 * 30);
    in.timeUnit = TimeUnit::Year;
    EXPECT_NEARLY_EQUAL(evaluateDiscountOffer(in).intervalDays, 100.0 / 8 * 365);
}

TEST(DiscountOfferEvaluation, ShortageWindowRejectsFivePercent) {
    const auto out = evaluateDiscountOffer(paperOffer(OfferWindow::ShortagesAllowed, 5));
    EXPECT_NEARLY_EQUAL(out.holdingCost, 97.0 * 97.0 * 1.11435 / 2 / 100);
    EXPECT_NEARLY_EQUAL(out.shortageCost, 15.0 * 9 / 2 / 100);
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.decision,
              "No, do not accept, because it increases your total cost. In this case,"
              "order Qty is  100 units,order interval is  87.5 days.The cost increases to: "
              "\r\n\r\nPuchase: $190.00\r\nOrder:   $10.40\r\nHolding: $52.42\r\nShortage:$.68\r\nTotal:   $253.50 .");
}

TEST(DiscountOfferEvaluation, ShortageWindowAcceptsTwentyPercent) {
    const auto out = evaluateDiscountOffer(paperOffer(OfferWindow::ShortagesAllowed, 20));
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.decision,
              "Yes. Accept this offer, because it reduces your total cost. In this case,"
              "order Qty is  100 units,order interval is  87.5 days.The cost reduces to: "
              "\r\n\r\nPuchase: $160.00\r\nOrder:   $10.40\r\nHolding: $44.15\r\nShortage:$.68\r\nTotal:   $215.22 .");
}

TEST(DiscountOfferEvaluation, ShortageWindowUsesTheShownShortage) {
    auto shown = paperOffer(OfferWindow::ShortagesAllowed, 5);
    auto unrounded = shown;
    unrounded.allowedShortage = 3.1713;
    EXPECT_NE(evaluateDiscountOffer(shown).totalCost, evaluateDiscountOffer(unrounded).totalCost);
    EXPECT_NEARLY_EQUAL(evaluateDiscountOffer(shown).shortageCost, 0.675);
}

TEST(DiscountOfferEvaluation, ArithmeticFaultsRaise) {
    for (auto window : {OfferWindow::NoShortages, OfferWindow::ShortagesAllowed}) {
        auto freePrice = paperOffer(window, 5);
        freePrice.price = 0;
        EXPECT_EQ(errorOf(freePrice).code(), ErrorCode::DivisionByZero);
        freePrice.holdingCost = 0;
        EXPECT_EQ(errorOf(freePrice).code(), ErrorCode::InvalidCall);

        auto noQuantity = paperOffer(window, 5);
        noQuantity.offeredQuantity = 0;
        EXPECT_EQ(errorOf(noQuantity).code(), ErrorCode::DivisionByZero);

        auto noDemand = paperOffer(window, 5);
        noDemand.demand = 0;
        EXPECT_EQ(errorOf(noDemand).code(), ErrorCode::DivisionByZero);
    }
}

TEST(DiscountOfferSentence, UsesTheBoxesAsTyped) {
    EXPECT_EQ(discountOfferSentence("5", "100"), "The supplier will give a 5% discount if you order 100.");
    EXPECT_EQ(discountOfferSentence("7.50", " 120"), "The supplier will give a 7.50% discount if you order  120.");
}
