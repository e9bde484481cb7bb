// Fitting the stored main-window frame to the screen, from twips of any size.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <limits>
#include <ostream>

#include "ScopedConfigHome.h"
#include "platform/AppSettings.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"

using tervalo::platform::AppSettings;
using tervalo::platform::fitToScreen;
using tervalo::platform::placementRect;
using Placement = AppSettings::MainPlacement;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
QT_END_NAMESPACE

namespace {

const QRect kScreen(0, 0, 1920, 1040);
const QRect kSecondScreen(1920, 24, 1280, 776);
const QRect kTinyScreen(0, 0, 160, 120);
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct FitCase {
    const char* name;
    Placement twips;
    QRect available;
    QRect expected;
};

class WindowPlacementFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(WindowPlacementFit, FrameLiesWhollyOnTheScreen) {
    const QRect fitted = fitToScreen(placementRect(GetParam().twips), GetParam().available);
    EXPECT_EQ(fitted, GetParam().expected);
    EXPECT_TRUE(GetParam().available.contains(fitted));
}

INSTANTIATE_TEST_SUITE_P(
    StoredTwips, WindowPlacementFit,
    ::testing::Values(FitCase{"Defaults", {1000, 1000, 6500, 6500}, kScreen, {67, 67, 433, 433}},
                      FitCase{"WholeScreen", {0, 0, 28800, 15600}, kScreen, {0, 0, 1920, 1040}},
                      FitCase{"DefaultsOnASecondScreen", {1000, 1000, 6500, 6500}, kSecondScreen, {1920, 67, 433, 433}},
                      FitCase{"FarRight", {500000, 1000, 6500, 6500}, kScreen, {1487, 67, 433, 433}},
                      FitCase{"PastTheBottomRightCorner", {27000, 15000, 6500, 6500}, kScreen, {1487, 607, 433, 433}},
                      FitCase{"Negative", {-300000, -300000, 6500, 6500}, kScreen, {0, 0, 433, 433}},
                      FitCase{"HugeSize", {1000, 1000, 1e8f, 1e8f}, kScreen, {0, 0, 1920, 1040}},
                      FitCase{"AllHuge", {1e8f, 1e8f, 1e8f, 1e8f}, kScreen, {0, 0, 1920, 1040}},
                      FitCase{"ZeroSize", {1000, 1000, 0, 0}, kScreen, {67, 67, 200, 150}},
                      FitCase{"NegativeSize", {1500, 1500, -6500, -6500}, kScreen, {100, 100, 200, 150}},
                      FitCase{"NotANumber", {kNaN, kNaN, kNaN, kNaN}, kScreen, {0, 0, 200, 150}},
                      FitCase{"Infinities", {kInf, -kInf, kInf, kInf}, kScreen, {0, 0, 1920, 1040}},
                      FitCase{"LargestFloats", {FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX}, kScreen, {1720, 0, 200, 1040}},
                      FitCase{"ScreenBelowTheMinimum", {1000, 1000, 6500, 6500}, kTinyScreen, {0, 0, 160, 120}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(WindowPlacement, TwipsBecomePixelsToTheNearestPixel) {
    EXPECT_EQ(placementRect({1000, 1000, 6500, 6500}), QRect(67, 67, 433, 433));
    EXPECT_EQ(placementRect({7, 8, 22, 23}), QRect(0, 1, 1, 2));
    EXPECT_EQ(placementRect({-300000, 500000, 1e8f, 15}), QRect(-20000, 33333, 6666667, 1));
}

TEST(WindowPlacement, FrameOnTheScreenIsKeptExactly) {
    for (const QRect& frame : {QRect(100, 200, 800, 600), QRect(0, 0, 1920, 1040), QRect(1720, 890, 200, 150)})
        EXPECT_EQ(fitToScreen(frame, kScreen), frame);
    EXPECT_EQ(fitToScreen(QRect(2000, 30, 640, 480), kSecondScreen), QRect(2000, 30, 640, 480));
}

TEST(WindowPlacement, RectangleSpanningTheIntRangeIsFitted) {
    const QRect everything(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX));
    EXPECT_EQ(fitToScreen(everything, kSecondScreen), kSecondScreen);
}

TEST(WindowPlacement, NoScreenLeavesTheFrameAsStored) {
    EXPECT_EQ(fitToScreen(QRect(67, 67, 433, 433), QRect()), QRect(67, 67, 433, 433));
}

TEST(WindowPlacement, GarbageInTheSettingsPlacesTheDefaultFrame) {
    tervalo::platform::test::ScopedConfigHome home;
    tervalo::platform::SettingsStore store;
    store.save("Settings", "MainLeft", "1e30");
    store.save("Settings", "MainTop", QString::fromLatin1("\x01\xff", 2));
    store.save("Settings", "MainWidth", "-500000000");
    store.save("Settings", "MainHeight", "wide");
    EXPECT_EQ(fitToScreen(placementRect(AppSettings(store).mainPlacement()), kScreen), QRect(67, 67, 433, 433));
}
