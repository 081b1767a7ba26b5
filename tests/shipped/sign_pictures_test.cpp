// What the generated sign pictures show: numerals that count right, figures
// that follow the trigram rule, seals in their colours, no two pictures of a
// family alike.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/picture.h"
#include "layout/signtable.h"

namespace {

using kl::platform::Picture;
using kl::platform::Rgb;

class SignPictures : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = kl::platform::programDirectory();
        kl::platform::setProgramDirectory(KL_SHIPPED_DIR);
    }
    void TearDown() override { kl::platform::setProgramDirectory(previous_); }

    static Picture sign(int code) { return Picture::load(kl::layout::signFileName(code)); }
    static bool visible(const Picture& p, int x, int y, int code) { return !(p.pixel(x, y) == kl::layout::signKeyColor(code)); }

    // Blobs of clearly drawn pixels (brighter than the antialiased fringe),
    // 4-connected; returns their widths.
    static std::vector<int> blobWidths(const Picture& p) {
        const int w = p.width(), h = p.height();
        std::vector<int> seen(w * h, 0);
        const auto bright = [&](int x, int y) {
            const Rgb c = p.pixel(x, y);
            return c.r + c.g + c.b > 300 && !(c == Rgb{216, 208, 200});
        };
        std::vector<int> widths;
        for (int y0 = 0; y0 < h; ++y0)
            for (int x0 = 0; x0 < w; ++x0) {
                if (seen[y0 * w + x0] || !bright(x0, y0)) continue;
                int minX = x0, maxX = x0;
                std::vector<std::pair<int, int>> stack{{x0, y0}};
                seen[y0 * w + x0] = 1;
                while (!stack.empty()) {
                    const auto [x, y] = stack.back();
                    stack.pop_back();
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    const int nx[4] = {x + 1, x - 1, x, x}, ny[4] = {y, y, y + 1, y - 1};
                    for (int k = 0; k < 4; ++k)
                        if (nx[k] >= 0 && ny[k] >= 0 && nx[k] < w && ny[k] < h && !seen[ny[k] * w + nx[k]] &&
                            bright(nx[k], ny[k])) {
                            seen[ny[k] * w + nx[k]] = 1;
                            stack.push_back({nx[k], ny[k]});
                        }
                }
                widths.push_back(maxX - minX + 1);
            }
        return widths;
    }

    static std::string bytes(const Picture& p) {
        std::string s;
        for (int y = 0; y < p.height(); ++y) s.append(reinterpret_cast<const char*>(p.row(y)), 3 * p.width());
        return s;
    }

private:
    std::string previous_;
};

// A dot is one, a bar five: the horizontal numerals have t mod 5 dots and
// t div 5 bars, bars wider than dots. A dot is a clear disc, not a speck:
// tone 1 of the day view and the oracle (code 51) is 12 pixels across, its
// bright core 10.
TEST_F(SignPictures, TonesCountInBarsAndDots) {
    const std::pair<int, int> sets[] = {{51, 10}, {118, 5}, {142, 4}};  // first code, least width of a dot's bright core
    for (const auto& [first, dotWidth] : sets) {
        for (int t = 1; t <= 13; ++t) {
            SCOPED_TRACE("code " + std::to_string(first + t - 1));
            const std::vector<int> blobs = blobWidths(sign(first + t - 1));
            ASSERT_EQ(static_cast<int>(blobs.size()), t % 5 + t / 5);
            const int widest = *std::max_element(blobs.begin(), blobs.end());
            const int narrowest = *std::min_element(blobs.begin(), blobs.end());
            EXPECT_GE(narrowest, dotWidth);
            if (t % 5 && t / 5) {
                EXPECT_GT(widest, 3 * narrowest);
            }
        }
    }
}

// The year view's strips are upright: columns of marks, a bar as tall as the
// strip's marked rows and a dot two rows high.
TEST_F(SignPictures, YearViewTonesCountInUprightMarks) {
    for (int code = 179; code <= 231; ++code) {
        const int t = (code - 179) % 13 + 1;
        const Picture p = sign(code);
        int marks = 0, tall = 0;
        for (int x = 0; x < p.width(); ++x) {
            int rows = 0;
            for (int y = 0; y < p.height(); ++y) rows += visible(p, x, y, code);
            const bool starts = rows > 0 && (x == 0 || [&] {
                for (int y = 0; y < p.height(); ++y)
                    if (visible(p, x - 1, y, code)) return false;
                return true;
            }());
            if (starts) {
                ++marks;
                tall += rows > 2;
            }
        }
        EXPECT_EQ(marks, t % 5 + t / 5) << "code " << code;
        EXPECT_EQ(tall, t / 5) << "code " << code;
        // Each mark two columns wide, so that a dot is 2 x 2 with a gap of a column.
        int inked = 0;
        for (int x = 0; x < p.width(); ++x)
            for (int y = 0; y < p.height(); ++y)
                if (visible(p, x, y, code)) {
                    ++inked;
                    break;
                }
        EXPECT_EQ(inked, 2 * marks) << "code " << code;
    }
}

// Picture m = code - 250: line i (from the bottom) is bit i of the lower
// trigram of member (m - 1) mod 8 for i < 3 (members 000, 001, 010, 100,
// 101, 110, 011, 111), bit i - 3 of the upper (m - 1) div 8 otherwise; a
// broken line has a gap in the middle. The pieces stack at the same rows, a
// broken piece with the gap, a solid one without.
TEST_F(SignPictures, LineFiguresFollowTheTrigramRule) {
    using kl::layout::kFigureBottomRow;
    using kl::layout::kFigurePitch;
    const int mid = kl::layout::kFigure.w / 2, midRow = kl::layout::kFigurePiece.h / 2;
    for (int m = 1; m <= 64; ++m) {
        static constexpr int kLowerOfMember[8] = {0, 1, 2, 4, 5, 6, 3, 7};
        const int code = 250 + m, lower = kLowerOfMember[(m - 1) % 8], upper = (m - 1) / 8;
        const Picture p = sign(code);
        for (int i = 0; i < 6; ++i) {
            const bool solid = i < 3 ? (lower >> i) & 1 : (upper >> (i - 3)) & 1;
            const int row = kFigureBottomRow - kFigurePitch * i + midRow;
            EXPECT_TRUE(visible(p, 4, row, code)) << "figure " << m << " line " << i;
            EXPECT_EQ(visible(p, mid, row, code), solid) << "figure " << m << " line " << i;
        }
    }
    const Picture broken = sign(233), solid = sign(234);
    EXPECT_FALSE(visible(broken, mid, midRow, 233));
    EXPECT_TRUE(visible(broken, 4, midRow, 233));
    EXPECT_TRUE(visible(solid, mid, midRow, 234));
    // Piece and whole figure draw a line on the same columns.
    for (int x = 0; x < kl::layout::kFigure.w; ++x)
        EXPECT_EQ(visible(solid, x, midRow, 234), visible(sign(250 + 64), x, kFigureBottomRow + midRow, 314)) << x;
}

// Seal 1 red, 2 white, 3 blue, 4 yellow and so on; seal 20 (code 0) yellow.
// The cartouche, halfway along its top edge, carries the colour.
TEST_F(SignPictures, SealsCycleThroughTheFourColours) {
    for (int seal = 1; seal <= 20; ++seal) {
        for (int code : {seal % 20, 30 + seal % 20, 77 + seal}) {
            const Picture p = sign(code);
            Rgb c;  // the strongest pixel across the rim
            for (int y = 0; y < 7; ++y) {
                const Rgb q = p.pixel(p.width() / 2, y);
                if (q.r + q.g + q.b > c.r + c.g + c.b) c = q;
            }
            SCOPED_TRACE("seal " + std::to_string(seal) + " code " + std::to_string(code));
            switch (seal % 4) {
                case 1: EXPECT_TRUE(c.r > 180 && c.g < 100 && c.b < 100); break;
                case 2: EXPECT_TRUE(c.r > 180 && c.g > 180 && c.b > 180); break;
                case 3: EXPECT_TRUE(c.b > 180 && c.r < 120); break;
                default: EXPECT_TRUE(c.r > 180 && c.g > 160 && c.b < 100); break;
            }
        }
    }
}

// How much of two seal pictures of one colour differs, in pixels of
// emblem: each pixel's share of ink (0 on the bare cartouche, 1 on the
// darkest ink of the pair) compared between the two.
double emblemDifference(const Picture& a, const Picture& b) {
    const auto sum = [](Rgb c) { return c.r + c.g + c.b; };
    const auto distance = [](Rgb c, Rgb d) { return std::abs(c.r - d.r) + std::abs(c.g - d.g) + std::abs(c.b - d.b); };
    const Rgb tile = a.pixel(1, a.height() / 2);  // the cartouche's edge, clear of the emblem
    Rgb ink = tile;
    for (const Picture* p : {&a, &b})
        for (int y = 0; y < p->height(); ++y)
            for (int x = 0; x < p->width(); ++x)
                if (distance(p->pixel(x, y), tile) > distance(ink, tile) && sum(p->pixel(x, y)) < sum(tile)) ink = p->pixel(x, y);
    const double full = std::max(1, distance(ink, tile));
    double d = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const double inkA = std::min(1.0, distance(a.pixel(x, y), tile) / full);
            const double inkB = std::min(1.0, distance(b.pixel(x, y), tile) / full);
            d += std::abs(inkA - inkB);
        }
    return d;
}

// Seals of one colour never come close to alike, down to the year view's
// 15-pixel tiles: any two differ in at least 7 % of the tile's area (16 of
// 225 pixels at 15 px; the closest pair measures 23). An emblem repeated, or
// two told apart by one dot, differ in 0 to 5 pixels.
TEST_F(SignPictures, SealsOfAColourDifferAtTheSmallSizes) {
    for (int first : {155, 98}) {  // 15-pixel and 35-pixel sets, seal 1 first
        const Picture tile = sign(first);
        const double least = 0.07 * tile.width() * tile.height();
        double closest = tile.width() * tile.height();
        for (int s = 1; s <= 20; ++s)
            for (int u = s + 4; u <= 20; u += 4) {
                const double d = emblemDifference(sign(first + s - 1), sign(first + u - 1));
                closest = std::min(closest, d);
                EXPECT_GE(d, least) << "seals " << s << " and " << u << " at code " << first;
            }
        std::printf("seals from code %d: closest pair of a colour differs in %.1f pixels\n", first, closest);
    }
}

TEST_F(SignPictures, NoTwoPicturesOfAFamilyAlike) {
    const std::vector<std::pair<int, int>> families = {
        {1, 20},    {31, 50},   {51, 63},   {71, 77},   {78, 97},   {98, 117},  {118, 130},
        {131, 137}, {138, 141}, {142, 154}, {155, 174}, {175, 178}, {179, 230}, {235, 238},
        {251, 314}, {315, 343}, {344, 371}, {374, 392}, {393, 411}, {412, 430},
    };
    for (const auto& [first, last] : families) {
        std::set<std::string> seen;
        for (int code = first; code <= last; ++code)
            EXPECT_TRUE(seen.insert(bytes(sign(code))).second) << "code " << code << " repeats a picture";
    }
}

}  // namespace
