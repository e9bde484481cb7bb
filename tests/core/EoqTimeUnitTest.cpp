#include <gtest/gtest.h>

#include "core/RuntimeError.h"
#include "core/lotsize/LotSizeText.h"
#include "core/lotsize/TimeUnit.h"

using tervalo::core::ErrorCode;
using tervalo::core::RuntimeError;
using namespace tervalo::core::lotsize;

TEST(EoqTimeUnit, TextsAndDays) {
    EXPECT_EQ(timeUnitText(TimeUnit::Year), "Year");
    EXPECT_EQ(timeUnitText(TimeUnit::Month), "Month");
    EXPECT_EQ(timeUnitText(TimeUnit::Week), "Week");
    EXPECT_EQ(daysPerUnit(TimeUnit::Year), 365);
    EXPECT_EQ(daysPerUnit(TimeUnit::Month), 30);
    EXPECT_EQ(daysPerUnit(TimeUnit::Week), 7);
}

TEST(EoqTimeUnit, WizardTextsCompareExactly) {
    EXPECT_EQ(timeUnitFromWizardText("year"), TimeUnit::Year);
    EXPECT_EQ(timeUnitFromWizardText("month"), TimeUnit::Month);
    EXPECT_EQ(timeUnitFromWizardText("week"), TimeUnit::Week);
    EXPECT_EQ(timeUnitFromWizardText("Week"), TimeUnit::Year);
    EXPECT_EQ(timeUnitFromWizardText("week "), TimeUnit::Year);
    EXPECT_EQ(timeUnitFromWizardText(""), TimeUnit::Year);
}

TEST(EoqTimeUnit, IntervalDaysAreSinglePrecision) {
    EXPECT_EQ(intervalDays(0.1, TimeUnit::Week), 0.7f);
    EXPECT_EQ(intervalDays(2.0, TimeUnit::Month), 60.0f);
    EXPECT_EQ(intervalDays(0.5, TimeUnit::Year), 182.5f);
}

TEST(EoqTimeUnit, RoundedTextRoundsHalfToEvenWithALeadingBlank) {
    EXPECT_EQ(roundedText(554.7), " 555");
    EXPECT_EQ(roundedText(2.5), " 2");
    EXPECT_EQ(roundedText(3.5), " 4");
    EXPECT_EQ(roundedText(0.4), " 0");
    EXPECT_EQ(roundedText(-3.2), "-3");
    EXPECT_EQ(roundedText(32767.4), " 32767");
    try {
        roundedText(2147483647.5);
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::Overflow);
    }
}
