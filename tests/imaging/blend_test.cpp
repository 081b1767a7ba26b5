#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

#include "imaging/blend.h"
#include "imaging/blendrows.h"

namespace kl {
namespace {

using platform::Picture;
using platform::Rgb;

// The rule of modes 0..2 term by term in floating point, the sum rounded to
// the nearest integer with halves to even (the default rounding mode).
int referenceMix(int w, int d, int s) {
    const double keep = (255.0 - w) * d / 255.0;
    const double take = w * s / 255.0;
    return static_cast<int>(std::nearbyint(keep + take));
}

Picture filled(int w, int h, Rgb c) { return Picture(w, h, c); }

bool samePictures(const Picture& a, const Picture& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!(a.pixel(x, y) == b.pixel(x, y))) return false;
    return true;
}

struct CodeCase {
    const char* what;
    int destW, destH, srcW, srcH;
    int maskW, maskH;  // 0 x 0: no mask
    int left, top, mode;
    int expected;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.what; }

class BlendResultCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(BlendResultCodes, ReportsTheHighestRankedFailureAndDrawsNothing) {
    const CodeCase& c = GetParam();
    const Picture source = filled(c.srcW, c.srcH, {200, 100, 50});
    Picture dest = filled(c.destW, c.destH, {1, 2, 3});
    const Picture before = dest;
    const Picture mask = filled(c.maskW, c.maskH, {255, 255, 255});
    const int code = blendbmp(source, dest, c.maskW ? &mask : nullptr, c.left, c.top, 128, c.mode);
    EXPECT_EQ(code, c.expected) << c.what;
    if (c.expected != 0) {
        EXPECT_TRUE(samePictures(dest, before)) << c.what;
    } else {
        EXPECT_FALSE(samePictures(dest, before)) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlendResultCodes,
    ::testing::Values(
        CodeCase{"fits exactly", 10, 10, 10, 10, 10, 10, 0, 0, 0, 0},
        CodeCase{"opacity without a mask", 10, 10, 4, 4, 0, 0, 6, 6, 2, 0},
        CodeCase{"opacity ignores a mask of another size", 10, 10, 4, 4, 1, 1, 0, 0, 2, 0},
        CodeCase{"one column too wide", 10, 10, 4, 4, 4, 4, 7, 0, 0, 1},
        CodeCase{"one row too tall", 10, 10, 4, 4, 4, 4, 0, 7, 0, 2},
        CodeCase{"too tall outranks too wide", 10, 10, 4, 4, 4, 4, 7, 7, 0, 2},
        CodeCase{"left -1 outranks too wide", 10, 10, 12, 4, 12, 4, -1, 0, 0, 3},
        CodeCase{"top -1 outranks left -1", 10, 10, 4, 4, 4, 4, -1, -1, 0, 4},
        CodeCase{"mask of another size", 10, 10, 4, 4, 4, 5, 0, 0, 0, 5},
        CodeCase{"mask of another size, inverted", 10, 10, 4, 4, 5, 4, 0, 0, 1, 5},
        CodeCase{"mask of another size, key colour", 10, 10, 4, 4, 3, 3, 0, 0, 3, 5},
        CodeCase{"no mask where one is needed", 10, 10, 4, 4, 0, 0, 0, 0, 0, 5},
        CodeCase{"too wide outranks the mask", 10, 10, 4, 4, 1, 1, 8, 0, 0, 1},
        CodeCase{"unknown mode", 10, 10, 4, 4, 4, 4, 0, 0, 9, 6},
        // Positions near the end of the int range do not wrap round into
        // the picture.
        CodeCase{"left at the largest int", 10, 10, 4, 4, 4, 4, INT_MAX - 1, 0, 0, 1},
        CodeCase{"top at the largest int", 10, 10, 4, 4, 4, 4, 0, INT_MAX - 2, 0, 2}));

// Every alpha, d and s, through the routine itself: a 256 x 256 source holds
// every s along x and the destination every d along y, in each channel.
TEST(BlendRounding, EveryWeightAndChannelPairMatchesTheFloatingPointRule) {
    const Picture source = [] {
        Picture p(256, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                p.setPixel(x, y, {std::uint8_t(x), std::uint8_t(255 - x), std::uint8_t(x * 7)});
        return p;
    }();
    Picture dest0(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            dest0.setPixel(x, y, {std::uint8_t(y), std::uint8_t(y + 85), std::uint8_t(255 - y)});

    long mismatches = 0;
    for (int mode : {kBlendMask, kBlendInverseMask, kBlendOpacity}) {
        for (int w = 0; w < 256; ++w) {
            Picture dest = dest0;
            const std::uint8_t m = mode == kBlendInverseMask ? 255 - w : w;
            const Picture mask(256, 256, {m, m, m});
            ASSERT_EQ(blendbmp(source, dest, &mask, 0, 0, w, mode), 0);
            for (int y = 0; y < 256; ++y) {
                const std::uint8_t* d = dest.row(y);
                const std::uint8_t* d0 = dest0.row(y);
                const std::uint8_t* s = source.row(y);
                for (int i = 0; i < 3 * 256; ++i)
                    if (d[i] != referenceMix(w, d0[i], s[i])) ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(BlendRounding, ChannelRuleMatchesTheFloatingPointRuleEverywhere) {
    long mismatches = 0;
    for (int w = 0; w < 256; ++w)
        for (int d = 0; d < 256; ++d)
            for (int s = 0; s < 256; ++s)
                if (mixChannel(w, d, s) != referenceMix(w, d, s)) ++mismatches;
    EXPECT_EQ(mismatches, 0);
}

TEST(BlendRounding, KnownValues) {
    EXPECT_EQ(mixChannel(128, 0, 255), 128);  // 127*0/255 + 128*255/255
    EXPECT_EQ(mixChannel(1, 0, 128), 1);      // 0.502 rounds up
    EXPECT_EQ(mixChannel(1, 0, 127), 0);      // 0.498 rounds down
    EXPECT_EQ(mixChannel(255, 17, 200), 200);
    EXPECT_EQ(mixChannel(0, 17, 200), 17);
    EXPECT_EQ(mixChannel(100, 255, 255), 255);
}

TEST(Blend, DrawsOnlyTheSourceRectangleAtItsPlace) {
    Picture source(3, 2, {250, 0, 0});
    source.setPixel(2, 1, {0, 250, 0});
    Picture dest(8, 6, {10, 20, 30});
    ASSERT_EQ(blendbmp(source, dest, nullptr, 4, 3, 255, kBlendOpacity), 0);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 3 && y < 5;
            const Rgb expected = !inside ? Rgb{10, 20, 30}
                                 : x == 6 && y == 4 ? Rgb{0, 250, 0}
                                                    : Rgb{250, 0, 0};
            EXPECT_EQ(dest.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(Blend, MaskModesWeighEachChannelByItsOwnMaskChannel) {
    const Picture source(1, 1, {255, 255, 255});
    const Picture mask(1, 1, {0, 128, 255});
    Picture dest(1, 1, {0, 0, 0});
    ASSERT_EQ(blendbmp(source, dest, &mask, 0, 0, 0, kBlendMask), 0);
    EXPECT_EQ(dest.pixel(0, 0), (Rgb{0, 128, 255}));
    Picture inverted(1, 1, {0, 0, 0});
    ASSERT_EQ(blendbmp(source, inverted, &mask, 0, 0, 0, kBlendInverseMask), 0);
    EXPECT_EQ(inverted.pixel(0, 0), (Rgb{255, 127, 0}));
}

TEST(Blend, OpacityOutsideItsRangeTakesTheNearestEnd) {
    const Picture source(2, 1, {200, 100, 0});
    Picture over(2, 1, {0, 50, 255}), under(2, 1, {0, 50, 255});
    ASSERT_EQ(blendbmp(source, over, nullptr, 0, 0, 300, kBlendOpacity), 0);
    ASSERT_EQ(blendbmp(source, under, nullptr, 0, 0, -5, kBlendOpacity), 0);
    EXPECT_EQ(over.pixel(1, 0), (Rgb{200, 100, 0}));
    EXPECT_EQ(under.pixel(1, 0), (Rgb{0, 50, 255}));
}

TEST(Blend, KeyColourSkipsOnlyPixelsOfExactlyTheKey) {
    Picture source(3, 1, {9, 9, 9});     // the key
    source.setPixel(1, 0, {9, 9, 10});   // differs in one channel: copied
    source.setPixel(2, 0, {0, 0, 0});
    Picture mask(3, 1, {0, 0, 0});
    mask.setPixel(0, 0, {9, 9, 9});      // only the top-left pixel names the key
    Picture dest(3, 1, {100, 100, 100});
    ASSERT_EQ(blendbmp(source, dest, &mask, 0, 0, 0, kBlendKeyColour), 0);
    EXPECT_EQ(dest.pixel(0, 0), (Rgb{100, 100, 100}));
    EXPECT_EQ(dest.pixel(1, 0), (Rgb{9, 9, 10}));
    EXPECT_EQ(dest.pixel(2, 0), (Rgb{0, 0, 0}));
}

TEST(Blend, WideRowsUseTheSameRuleAsTheirTail) {
    // Rows long enough for the wide path plus a tail, at an odd offset.
    std::mt19937 rng(7);
    Picture source(37, 3), mask(37, 3);
    Picture dest(50, 5);
    for (Picture* p : {&source, &mask, &dest})
        for (int y = 0; y < p->height(); ++y)
            for (int x = 0; x < p->width(); ++x)
                p->setPixel(x, y, {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())});
    const Picture before = dest;
    ASSERT_EQ(blendbmp(source, dest, &mask, 5, 1, 0, kBlendMask), 0);
    for (int y = 0; y < 3; ++y)
        for (int i = 0; i < 3 * 37; ++i)
            ASSERT_EQ(dest.row(y + 1)[15 + i],
                      referenceMix(mask.row(y)[i], before.row(y + 1)[15 + i], source.row(y)[i]))
                << "row " << y << " byte " << i;
}

// Every vector width against the rule byte by byte: lengths from one pixel
// to past two steps of the widest key path (two steps of 64 pixels), so
// every tail length occurs, rows starting at odd addresses, and every kind
// of row.
TEST(BlendPaths, EveryWidthGivesTheScalarRuleOnEveryByte) {
    using blendrows::Path;
    std::mt19937 rng(11);
    const auto byte = [&rng] { return static_cast<std::uint8_t>(rng()); };
    const Rgb key{40, 200, 7};
    long compared = 0, mismatches = 0;
    for (Path path : {Path::Scalar, Path::V16, Path::V32, Path::V64}) {
        if (!blendrows::available(path)) continue;
        for (int width = 1; width <= 140; ++width) {
            for (int offset = 0; offset < 4; ++offset) {
                const int n = 3 * width;
                std::vector<std::uint8_t> s(n + 4), d(n + 4), m(n + 4), b(n + 4), t(n + 4);
                for (int i = 0; i < n + 4; ++i) s[i] = byte(), d[i] = byte(), m[i] = byte(), b[i] = byte();
                // Key pixels, and pixels that differ from the key in one channel.
                for (int c = 0; c < width; ++c) {
                    std::uint8_t* px = s.data() + offset + 3 * c;
                    if (rng() % 2) px[0] = key.r, px[1] = key.g, px[2] = key.b;
                    if (rng() % 4 == 0) px[rng() % 3] ^= 1;
                }
                const std::uint8_t* sp = s.data() + offset;
                const std::uint8_t* mp = m.data() + offset;
                const std::uint8_t* d0 = d.data() + offset;
                const std::uint8_t alpha = byte();
                const auto check = [&](const std::vector<std::uint8_t>& got, auto expected) {
                    for (int i = 0; i < n + 4; ++i) {
                        const bool inside = i >= offset && i < offset + n;
                        const int want = inside ? expected(i - offset) : d[i];  // nothing outside is touched
                        ++compared;
                        if (got[i] != want) ++mismatches;
                    }
                };
                for (int kind = 0; kind < 3; ++kind) {
                    std::vector<std::uint8_t> out = d;
                    const std::uint8_t* mask = kind == 2 ? nullptr : mp;
                    blendrows::mixRow(out.data() + offset, sp, mask, kind == 1, alpha, n, path);
                    check(out, [&](int i) {
                        const unsigned w = kind == 0 ? mp[i] : kind == 1 ? 255u - mp[i] : alpha;
                        return int(mixChannel(w, d0[i], sp[i]));
                    });
                }
                std::vector<std::uint8_t> keyed = d;
                blendrows::keyRow(keyed.data() + offset, sp, key, width, path);
                check(keyed, [&](int i) {
                    const std::uint8_t* px = sp + 3 * (i / 3);
                    return px[0] == key.r && px[1] == key.g && px[2] == key.b ? int(d0[i]) : int(sp[i]);
                });
                std::vector<std::uint8_t> faded = d;
                blendrows::fadeRow(faded.data() + offset, b.data() + offset, sp, mp, alpha, n, path);
                check(faded, [&](int i) {
                    return int(mixChannel(alpha, mixChannel(255 - alpha, b[offset + i], sp[i]), mp[i]));
                });
            }
        }
    }
    EXPECT_GT(compared, 0);
    EXPECT_EQ(mismatches, 0);
}

// The blur by the obvious method, for comparison.
Picture referenceBlur(const Picture& in, int x1, int y1, int x2, int y2) {
    Picture out = in;
    auto at = [&](int x, int y, int ch) {
        x = std::clamp(x, 0, in.width() - 1);
        y = std::clamp(y, 0, in.height() - 1);
        return in.row(y)[3 * x + ch];
    };
    for (int y = std::max(y1, 0); y <= std::min(y2, in.height() - 1); ++y)
        for (int x = std::max(x1, 0); x <= std::min(x2, in.width() - 1); ++x)
            for (int ch = 0; ch < 3; ++ch) {
                int sum = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) sum += at(x + dx, y + dy, ch);
                out.row(y)[3 * x + ch] = std::uint8_t(sum / 9);
            }
    return out;
}

TEST(Blur, OneRowPictureUsesItsRowThreeTimes) {
    Picture p(3, 1);
    p.setPixel(0, 0, {0, 9, 1});
    p.setPixel(1, 0, {90, 9, 1});
    p.setPixel(2, 0, {180, 9, 2});
    blurrect(p, 0, 0, 2, 0);
    EXPECT_EQ(p.pixel(0, 0), (Rgb{30, 9, 1}));   // columns 0, 0, 1
    EXPECT_EQ(p.pixel(1, 0), (Rgb{90, 9, 1}));   // columns 0, 1, 2
    EXPECT_EQ(p.pixel(2, 0), (Rgb{150, 9, 1}));  // columns 1, 2, 2; blue 15 / 9 truncated
}

TEST(Blur, ReadsTheUnchangedPictureAndKeepsPixelsOutsideTheRectangle) {
    std::mt19937 rng(11);
    Picture p(23, 17);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x)
            p.setPixel(x, y, {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())});
    struct R { int x1, y1, x2, y2; };
    for (const R r : {R{0, 0, 22, 16}, R{3, 4, 10, 9}, R{22, 0, 22, 16}, R{5, 5, 5, 5},
                      R{-4, -4, 40, 30}, R{10, 3, 2, 8}, R{30, 30, 40, 40}}) {
        Picture got = p;
        blurrect(got, r.x1, r.y1, r.x2, r.y2);
        EXPECT_TRUE(samePictures(got, referenceBlur(p, r.x1, r.y1, r.x2, r.y2)))
            << r.x1 << "," << r.y1 << " .. " << r.x2 << "," << r.y2;
    }
}

}  // namespace
}  // namespace kl
