#include <gtest/gtest.h>

#include "core/moonmask.h"

namespace kl {
namespace {

// --- The moon mask ----------------------------------------------------------

GreyCanvas moonMask(int p, bool linear = true) {
    GreyCanvas canvas;
    canvas.setBrush(9);
    canvas.fillRect(0, 0, kMoonMaskSize, kMoonMaskSize);
    drawMoonMask(canvas, p, linear);
    return canvas;
}

TEST(MoonMask, NewAndFullMoon) {
    for (int p : {0, 100}) {
        const GreyCanvas m = moonMask(p);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) ASSERT_EQ(m.at(x, y), 0) << p << ":" << x << "," << y;
    }
    const GreyCanvas full = moonMask(50);
    for (const auto& [x, y] : {std::pair{50, 50}, {10, 50}, {90, 50}, {50, 5}, {50, 95}})
        EXPECT_EQ(full.at(x, y), 255) << x << "," << y;
    EXPECT_EQ(full.at(2, 2), 0);  // outside the disc
    EXPECT_EQ(full.at(99, 99), 0);
}

TEST(MoonMask, WaxingLightsTheRightAndWaningTheLeft) {
    const GreyCanvas waxing = moonMask(25);
    EXPECT_EQ(waxing.at(85, 50), 255);
    EXPECT_EQ(waxing.at(15, 50), 0);
    const GreyCanvas waning = moonMask(75);
    EXPECT_EQ(waning.at(15, 50), 255);
    EXPECT_EQ(waning.at(85, 50), 0);
}

long litArea(const GreyCanvas& m) {
    long sum = 0;
    for (int y = 0; y < kMoonMaskSize; ++y)
        for (int x = 0; x < kMoonMaskSize; ++x) sum += m.at(x, y);
    return sum;
}

TEST(MoonMask, LitAreaGrowsToFullMoonAndShrinksAfter) {
    for (bool linear : {true, false}) {
        long previous = litArea(moonMask(0, linear));
        for (int p = 5; p <= 50; p += 5) {
            const long area = litArea(moonMask(p, linear));
            EXPECT_GT(area, previous) << p << (linear ? " linear" : " eased");
            previous = area;
        }
        for (int p = 55; p <= 100; p += 5) {
            const long area = litArea(moonMask(p, linear));
            EXPECT_LT(area, previous) << p << (linear ? " linear" : " eased");
            previous = area;
        }
    }
}

TEST(MoonMask, EasedModelIsSlowNearNewAndFullMoon) {
    EXPECT_EQ(moonDrawingPercent(0, false), 0);
    EXPECT_EQ(moonDrawingPercent(50, false), 50);
    EXPECT_EQ(moonDrawingPercent(25, false), 25);
    EXPECT_EQ(moonDrawingPercent(75, false), 75);
    EXPECT_LT(moonDrawingPercent(10, false), 10);
    EXPECT_GT(moonDrawingPercent(40, false), 40);
    EXPECT_EQ(moonDrawingPercent(37, true), 37);
    EXPECT_EQ(moonPercent(1'000'000'000), 100);
    EXPECT_EQ(moonPercent(999'999'975), 99);
}

}  // namespace
}  // namespace kl
