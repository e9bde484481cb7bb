// Fitting the stored main-window frame to the screen, from twips of any size.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <limits>

#include "platform/WindowPlacement.h"

using namespace tervalo::platform;

void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace {

const QRect kScreen(0, 0, 1920, 1040);
const QRect kSecond(1920, 24, 1280, 776);
const QRect kUserScreen(0, 0, 1280, 900);
const QMargins kTitleBar(1, 20, 1, 5);  // a window manager's frame: borders, title bar, bottom handle
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();

struct FitCase {
    AppSettings::MainPlacement twips;
    QRect available, expected;  // expected: the frame's corner, the client area's size
    QMargins frame{};
};
void PrintTo(const FitCase& c, std::ostream* os) {
    *os << "twips " << c.twips.left << "," << c.twips.top << " " << c.twips.width << "x" << c.twips.height << " on ";
    ::PrintTo(c.available, os);
}

class WindowPlacementFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(WindowPlacementFit, FrameLiesWhollyOnTheScreen) {
    const QRect fitted = fitToScreen(placementRect(GetParam().twips), GetParam().available, GetParam().frame);
    EXPECT_EQ(fitted, GetParam().expected);
    EXPECT_TRUE(GetParam().available.contains(QRect(fitted.topLeft(), fitted.size().grownBy(GetParam().frame))));
}

INSTANTIATE_TEST_SUITE_P(
    StoredTwips, WindowPlacementFit,
    ::testing::Values(FitCase{{1000, 1000, 6500, 6500}, kScreen, {67, 67, 433, 433}},
                      FitCase{{1000, 1000, 6500, 6500}, kSecond, {1920, 67, 433, 433}},
                      FitCase{{500000, 1000, 6500, 6500}, kScreen, {1487, 67, 433, 433}},
                      FitCase{{27000, 15000, 6500, 6500}, kScreen, {1487, 607, 433, 433}},
                      FitCase{{-300000, -300000, 6500, 6500}, kScreen, {0, 0, 433, 433}},
                      FitCase{{1e8f, 1000, 1e8f, 1e8f}, kScreen, {0, 0, 1920, 1040}},
                      FitCase{{1500, 1500, 0, -6500}, kScreen, {100, 100, 200, 150}},
                      FitCase{{kNaN, kNaN, kNaN, kNaN}, kScreen, {0, 0, 200, 150}},
                      FitCase{{kInf, -kInf, -kInf, kInf}, kScreen, {1720, 0, 200, 1040}},
                      FitCase{{1000, 1000, 6500, 6500}, {0, 0, 160, 120}, {0, 0, 160, 120}},
                      FitCase{{1000, 1000, 18105, 12465}, kUserScreen, {67, 44, 1207, 831}, kTitleBar},
                      FitCase{{1000, 1000, 30000, 30000}, kUserScreen, {0, 0, 1278, 875}, kTitleBar},
                      FitCase{{1000, 1000, 6500, 6500}, kUserScreen, {67, 67, 433, 433}, kTitleBar}));

}  // namespace

TEST(WindowPlacement, TwipsBecomePixelsWithoutOverflowAndExtremeFramesAreFitted) {
    EXPECT_EQ(placementRect({7, 8, -300000, 1e8f}), QRect(0, 1, -20000, 6666667));
    EXPECT_EQ(placementRect({FLT_MAX, -FLT_MAX, 0, 0}), QRect(1 << 24, -(1 << 24), 0, 0));
    EXPECT_EQ(fitToScreen(QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)), kSecond), kSecond);
    EXPECT_EQ(fitToScreen(QRect(67, 67, 433, 433), QRect()), QRect(67, 67, 433, 433));  // no screen known
}
