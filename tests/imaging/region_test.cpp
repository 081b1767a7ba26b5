#include <gtest/gtest.h>

#include <random>

#include "imaging/blend.h"

namespace kl {
namespace {

using platform::Picture;
using platform::Region;
using platform::Rgb;

// The region by the literal method: one 1x1 rectangle per pixel, one
// rectangle per pair of pure red markers.
Region referenceRegion(const Picture& p, Rgb key, bool keepKey) {
    Region r;
    bool open = false;
    QPoint first;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const Rgb c = p.pixel(x, y);
            if (c.r == 255 && c.g < 50 && c.b == 0) {
                if (c.g != 0) continue;
                if (!open) {
                    first = {x, y};
                    open = true;
                } else {
                    r += QRect(QPoint(std::min(first.x(), x), first.y()),
                               QPoint(std::max(first.x(), x), y));
                    open = false;
                }
                continue;
            }
            const bool in = keepKey ? c == key : c.r != key.r && c.g != key.g && c.b != key.b;
            if (in) r += QRect(x, y, 1, 1);
        }
    return r;
}

// Same set of pixels, whatever the decomposition into rectangles.
void expectSameRegion(const Region& got, const Region& want) {
    EXPECT_TRUE((got ^ want).isEmpty()) << "differs in " << (got ^ want).rectCount() << " rectangles";
    EXPECT_EQ(got.boundingRect(), want.boundingRect());
}

TEST(RegionTracing, MarkersPairUpInScanningOrder) {
    Picture p(20, 12, {0, 0, 0});
    p.setPixel(3, 2, {255, 0, 0});
    p.setPixel(8, 5, {255, 0, 0});   // closes the rectangle 3..8 x 2..5
    p.setPixel(15, 9, {255, 0, 0});  // odd one out: unpaired
    const Region r = bmptorgn(p, 0, false);
    expectSameRegion(r, Region(QRect(QPoint(3, 2), QPoint(8, 5))));
    EXPECT_FALSE(r.contains(QPoint(15, 9)));
}

TEST(RegionTracing, OnlyPureRedPairsUpAsMarkers) {
    // Reddish pixels with green 1..49 stay out of the region but are not
    // corners: the pure red ones on either side of them pair with each other.
    for (int green : {1, 9, 49}) {
        Picture p(20, 12, {0, 0, 0});
        p.setPixel(3, 2, {255, 0, 0});
        p.setPixel(5, 3, {255, static_cast<std::uint8_t>(green), 0});
        p.setPixel(8, 5, {255, 0, 0});
        const Region r = bmptorgn(p, 0, false);
        SCOPED_TRACE(green);
        expectSameRegion(r, Region(QRect(QPoint(3, 2), QPoint(8, 5))));
    }
    Picture p(3, 1, {0, 0, 0});
    p.setPixel(1, 0, {255, 50, 0});  // green 50: an ordinary colour
    expectSameRegion(bmptorgn(p, 0x000032FF, true), Region(QRect(1, 0, 1, 1)));
}

TEST(RegionTracing, KeyFreeMeansEveryChannelDiffersFromTheKey) {
    Picture p(4, 1, {0, 0, 0});
    p.setPixel(0, 0, {0, 120, 200});   // R equals the black key's R: out
    p.setPixel(1, 0, {10, 120, 200});  // in
    p.setPixel(2, 0, {255, 30, 0});    // reddish marker candidate: never in
    p.setPixel(3, 0, {255, 60, 1});    // an ordinary colour: in
    const Region r = bmptorgn(p, 0, false);
    EXPECT_FALSE(r.contains(QPoint(0, 0)));
    EXPECT_TRUE(r.contains(QPoint(1, 0)));
    EXPECT_FALSE(r.contains(QPoint(2, 0)));
    EXPECT_TRUE(r.contains(QPoint(3, 0)));
}

TEST(RegionTracing, KeepKeyTakesExactlyTheKeyColour) {
    const std::uint32_t key = 0x00C87800;  // R 0, G 120, B 200 in the Windows layout
    Picture p(3, 1, {0, 120, 200});
    p.setPixel(1, 0, {0, 120, 201});
    const Region r = bmptorgn(p, key, true);
    expectSameRegion(r, Region(QRect(0, 0, 1, 1)) + QRect(2, 0, 1, 1));
}

TEST(RegionTracing, EqualsThePixelByPixelUnionOnRandomPictures) {
    std::mt19937 rng(3);
    for (int round = 0; round < 6; ++round) {
        Picture p(61 + round, 37);
        // Few colours, so that key matches, markers and runs all occur.
        const Rgb palette[] = {{0, 0, 0}, {0, 5, 9}, {7, 0, 3}, {40, 50, 60}, {255, 0, 0},
                               {255, 20, 0}, {200, 200, 200}, {255, 9, 0}};
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) {
                int i = rng() % 8;
                if (i == 4 && rng() % 8) i = 3;  // markers rarer than the rest
                p.setPixel(x, y, palette[i]);
            }
        const bool keepKey = round % 2 == 1;
        const std::uint32_t key = round < 4 ? 0 : 0x00030007;
        SCOPED_TRACE(round);
        expectSameRegion(bmptorgn(p, key, keepKey),
                         referenceRegion(p, platform::rgbFromColorRef(key), keepKey));
    }
}

TEST(RegionTracing, EqualsThePixelByPixelUnionOnAShape) {
    // A disc with a hole, a bar through it and a marker rectangle at a corner:
    // the shape of a window face.
    Picture p(120, 90, {0, 0, 0});
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) {
            const int dx = x - 60, dy = y - 45;
            const int d2 = dx * dx + dy * dy;
            if ((d2 < 40 * 40 && d2 > 10 * 10) || (y >= 40 && y < 50 && x >= 5 && x < 115))
                p.setPixel(x, y, {90, 60, 30});
        }
    p.setPixel(100, 3, {255, 0, 0});
    p.setPixel(117, 12, {255, 0, 0});
    const Region got = bmptorgn(p, 0, false);
    expectSameRegion(got, referenceRegion(p, {}, false));
    EXPECT_TRUE(got.contains(QPoint(110, 8)));  // inside the marker rectangle
    EXPECT_FALSE(got.contains(QPoint(60, 38)));  // the hole above the bar
    // Rows of equal runs share rectangles: far fewer than one per row.
    EXPECT_LT(got.rectCount(), 2 * 90);
}

TEST(RegionTracing, EmptyAndAllKeyPicturesGiveEmptyRegions) {
    EXPECT_TRUE(bmptorgn(Picture(), 0, false).isEmpty());
    EXPECT_TRUE(bmptorgn(Picture(30, 20, {0, 0, 0}), 0, false).isEmpty());
    expectSameRegion(bmptorgn(Picture(30, 20, {1, 1, 1}), 0, false), Region(QRect(0, 0, 30, 20)));
}

}  // namespace
}  // namespace kl
