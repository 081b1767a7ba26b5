#include <gtest/gtest.h>

#include "core/moonmask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

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

TEST(MoonMask, EveryPercentGrowsToFullMoonAndShrinksAfter) {
    for (bool linear : {true, false}) {
        long previous = litArea(moonMask(0, linear));
        for (int p = 1; p <= 100; ++p) {
            const long area = litArea(moonMask(p, linear));
            if (p <= 50) {
                EXPECT_GE(area, previous) << p << (linear ? " linear" : " eased");
            } else {
                EXPECT_LE(area, previous) << p << (linear ? " linear" : " eased");
            }
            previous = area;
        }
    }
}

// Inside the disc, every row runs from dark to lit across the terminator
// without a stripe against the gradient: waxing the right side is lit,
// waning the left one.
TEST(MoonMask, RowsRunFromDarkToLitAtEveryPercent) {
    for (bool linear : {true, false}) {
        for (int p = 0; p <= 100; ++p) {
            const GreyCanvas m = moonMask(p, linear);
            const int towardsLight = moonDrawingPercent(p, linear) < 50 ? 1 : -1;
            int worst = 0;
            for (int y = 5; y < 95; ++y) {
                // Columns well inside the disc on this row.
                const double dy = (y + 0.5 - 50) / 50.0;
                const double half = 50 * std::sqrt(1 - dy * dy);
                for (int x = static_cast<int>(std::ceil(51.5 - half)); x < std::floor(47.5 + half); ++x)
                    worst = std::max(worst, towardsLight * (m.at(x, y) - m.at(x + 1, y)));
            }
            EXPECT_LE(worst, 2) << p << (linear ? " linear" : " eased");
        }
    }
}

// The terminator is soft: its grey steps across the middle row are as many
// as the width 2c + 1 of the edge, c = round(4.8 - 3 cos(pi p / 25)), widest
// at the quarters. Where the drawn phase is near new or full moon the edge
// reaches the limb.
TEST(MoonMask, TerminatorIsAsWideAsItsEdgeAtEveryPercent) {
    for (bool linear : {true, false}) {
        for (int p = 0; p <= 100; ++p) {
            const int r = moonDrawingPercent(p, linear);
            if (r < 3 || r > 97 || (r >= 48 && r <= 52)) continue;
            const GreyCanvas m = moonMask(p, linear);
            int greys = 0;
            for (int x = 0; x < kMoonMaskSize; ++x) greys += m.at(x, 50) > 0 && m.at(x, 50) < 255;
            const int c = static_cast<int>(std::lround(4.8 - 3 * std::cos(3.1415926 * p / 25)));
            EXPECT_GE(greys, 2 * c - 3) << p << (linear ? " linear" : " eased");
            EXPECT_LE(greys, 2 * c - 1) << p << (linear ? " linear" : " eased");
        }
    }
}

// Records the operations of a mask.
struct Op {
    char kind;  // 'p'ie, 'a'rc, 'l'ine, 'r'ectangle
    int x1, y1, x2, y2;
    std::uint8_t pen;
};
class RecordingCanvas : public MaskCanvas {
public:
    std::vector<Op> ops;
    void setPen(std::uint8_t g) override { pen = g; }
    void setBrush(std::uint8_t) override {}
    void fillRect(int l, int t, int r, int b) override { ops.push_back({'r', l, t, r, b, pen}); }
    void pie(int x1, int y1, int x2, int y2, int, int, int, int) override { ops.push_back({'p', x1, y1, x2, y2, pen}); }
    void arc(int x1, int y1, int x2, int y2, int, int, int, int) override { ops.push_back({'a', x1, y1, x2, y2, pen}); }
    void line(int x1, int y1, int x2, int y2) override { ops.push_back({'l', x1, y1, x2, y2, pen}); }
    std::uint8_t pen = 0;
};

TEST(MoonMask, AnEdgeOfNoWidthIsDrawnAsAStraightLine) {
    // Where a band's half ellipse shrinks to no width (the terminator on the
    // centre line), nothing of the ellipse shows; a vertical line of the same
    // grey stands in for it right before it, so that no column of the band
    // is missing.
    int straight = 0;
    for (bool linear : {true, false}) {
        for (int p = 0; p <= 100; ++p) {
            RecordingCanvas canvas;
            drawMoonMask(canvas, p, linear);
            for (std::size_t i = 0; i < canvas.ops.size(); ++i) {
                const Op& op = canvas.ops[i];
                // No width: the box's right edge on its left edge, or (for
                // the edge whose box ends a pixel early) one to the left of it.
                const int width = op.x2 - op.x1;
                if ((op.kind != 'p' && op.kind != 'a') || (width != 0 && width != -1)) continue;
                ++straight;
                ASSERT_GT(i, 0u);
                const Op& before = canvas.ops[i - 1];
                EXPECT_EQ(before.kind, 'l') << p << (linear ? " linear" : " eased");
                EXPECT_EQ(before.x1, before.x2) << p;
                EXPECT_LE(std::abs(before.x1 - op.x1), 1) << p;
                EXPECT_EQ(before.y1, 0) << p;
                EXPECT_EQ(before.y2, kMoonMaskSize) << p;
                EXPECT_EQ(before.pen, op.pen) << p;
            }
        }
    }
    EXPECT_GT(straight, 0);  // the case does occur
}

// The eased model follows a cosine over each half of the lunation:
// r = 25 (1 - cos(pi p / 50)) before full moon, 50 more after it.
TEST(MoonMask, EasedModelFollowsItsCurveAtEveryPercent) {
    for (int p = 0; p <= 100; ++p) {
        const int half = p < 50 ? p : p - 50;
        const double r = (p < 50 ? 0 : 50) + 25 * (1 - std::cos(3.1415926 * half / 50));
        EXPECT_EQ(moonDrawingPercent(p, false), std::lround(r)) << p;
        EXPECT_EQ(moonDrawingPercent(p, true), p);
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
