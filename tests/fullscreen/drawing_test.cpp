// Signs and moons drawn into the view picture: placement, the key colour,
// clipping at the edges, failures reported once, and the moon's mask.
#include <gtest/gtest.h>

#include "core/moonmask.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "fullscreen/viewfixture.h"
#include "layout/viewgeometry.h"
#include "ui/fullscreen/moonpicture.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/scriptcanvas.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/signrenderer.h"

namespace kl::test {
namespace {

const platform::Rgb kBg = layout::kViewBackground;

// The box of the pixels that differ from the background.
struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;
};
Box inkBox(const platform::Picture& p, platform::Rgb bg = kBg) {
    Box b;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            if (p.pixel(x, y) == bg) continue;
            if (b.left < 0 || x < b.left) b.left = x;
            if (b.top < 0) b.top = y;
            b.right = std::max(b.right, x);
            b.bottom = y;
        }
    return b;
}

using SignDrawing = ViewTest;

TEST_F(SignDrawing, CentredAndLeftPlacementLeaveTheKeyOut) {
    // A 100-pixel-wide board centred at x = 0 starts at 249; its key-coloured
    // rim is not drawn, so the ink starts one pixel in.
    writePicture("zolkin.bmp", 100, 30, {0, 0, 0});
    platform::Picture board(100, 30, {0, 0, 0});
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 99; ++x) board.setPixel(x, y, {200, 100, 50});
    board.save(path("graphic/zolkin.bmp"));
    platform::Picture view(670, 550, kBg);
    drawsignOn(view, 0, 40, 240, true);
    const Box b = inkBox(view);
    EXPECT_EQ(b.left, 250);
    EXPECT_EQ(b.right, 347);
    EXPECT_EQ(b.top, 41);
    EXPECT_EQ(b.bottom, 68);
    EXPECT_EQ(view.pixel(249, 41), kBg) << "the key colour is transparent";
    EXPECT_EQ(reports(), 0);
}

TEST_F(SignDrawing, APictureOverAnEdgeIsCutOff) {
    writeSign(5, {200, 30, 30});  // 76 x 76, light inside a black rim
    platform::Picture view(670, 550, kBg);
    drawsignOn(view, 640, 520, 5, false);
    drawsignOn(view, -40, -40, 5, false);
    const Box b = inkBox(view);
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.right, 669);
    EXPECT_EQ(b.bottom, 549);
    EXPECT_EQ(view.pixel(669, 549), (platform::Rgb{200, 30, 30}));
    EXPECT_EQ(view.pixel(34, 34), (platform::Rgb{200, 30, 30}));
    EXPECT_EQ(reports(), 0);
}

TEST_F(SignDrawing, ScratchPictureWhileUsepb2IsSet) {
    writeSign(5, {200, 30, 30});
    platform::Picture view(670, 550, kBg), scratch(670, 550, kBg);
    PictureCanvas canvas(view, scratch);
    USEPB2 = true;
    canvas.drawsign(10, 10, 5, false);
    canvas.drawtxt(10, 100, "MMM", 2, false);  // texts stay on the view
    USEPB2 = false;
    EXPECT_EQ(inkBox(scratch).left, 11);
    EXPECT_EQ(inkBox(scratch).bottom, 84);
    EXPECT_GE(inkBox(view).top, 100);
    canvas.drawsign(300, 10, 5, false);
    EXPECT_EQ(inkBox(view).top, 11);
}

TEST_F(SignDrawing, AMissingPictureIsReportedOnceAndDrawsNothing) {
    platform::Picture view(670, 550, kBg);
    EXPECT_NO_THROW(drawsignOn(view, 10, 10, 5, false));
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(inkBox(view).left, -1);
    EXPECT_NO_THROW(drawsignOn(view, 10, 10, 25, false));  // a code without a picture
    EXPECT_EQ(reports(), 2);
    EXPECT_TRUE(logWritten());
}

using MoonDrawing = ViewTest;

TEST_F(MoonDrawing, TheHundredPixelMaskIsTheCompactFacesMask) {
    for (int p : {0, 7, 25, 42, 50, 63, 75, 88, 99}) {
        for (bool linear : {true, false}) {
            settings()._Mlinear = linear;
            GreyCanvas face;
            drawMoonMask(face, p, linear);
            platform::Picture mask(100, 100);
            drawmoon3(mask, p, settings()._Mlinear);
            int differ = 0;
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x) differ += mask.pixel(x, y).r != face.at(x, y);
            EXPECT_EQ(differ, 0) << "p " << p << " linear " << linear;
        }
    }
}

TEST_F(MoonDrawing, SmallMoonsWithoutASoftEdgeStillDraw) {
    // Width 15 gives an edge scale of 1 and, near new and full moon, an edge
    // of 0 steps; width 10 always 0. Each band then runs its one step at its
    // end grey level.
    for (int w : {10, 15, 29}) {
        for (int p = 0; p <= 100; ++p) {
            platform::Picture mask(w, w, {9, 9, 9});
            ASSERT_NO_THROW(drawmoon3(mask, p, settings()._Mlinear));
            for (int y = 0; y < w; ++y)
                for (int x = 0; x < w; ++x) {
                    const platform::Rgb c = mask.pixel(x, y);
                    ASSERT_TRUE(c.r == c.g && c.g == c.b) << w << " " << p;
                    ASSERT_FALSE(c.r == 9) << "every pixel is painted";
                }
        }
    }
    settings()._Mlinear = true;
    platform::Picture full(15, 15), none(15, 15);
    drawmoon3(full, 50, settings()._Mlinear);
    drawmoon3(none, 0, settings()._Mlinear);
    EXPECT_EQ(full.pixel(7, 7).r, 255);
    EXPECT_EQ(none.pixel(7, 7).r, 0);
}

TEST_F(MoonDrawing, TheMoonIsLaidInAndLeftOutWhereItDoesNotFit) {
    writePicture("moon.bmp", 60, 60, {220, 210, 200});
    platform::Picture view(670, 550, kBg);
    xmoonOn(view, 500'000'000, 390, 216, settings()._Mlinear);  // full moon
    const Box b = inkBox(view);
    EXPECT_GE(b.left, 390);
    EXPECT_LE(b.right, 449);
    EXPECT_EQ(view.pixel(420, 246), (platform::Rgb{220, 210, 200}));
    platform::Picture edge(670, 550, kBg);
    xmoonOn(edge, 500'000'000, 640, 216, settings()._Mlinear);
    EXPECT_EQ(inkBox(edge).left, -1);
    EXPECT_EQ(reports(), 0);
}

// On a new-moon day the moon would leave nothing: a faint ring shows where
// its dark disc is. Any lit moon is drawn as before, without a ring.
TEST_F(MoonDrawing, ADarkMoonShowsItsDiscAsAFaintRing) {
    writePicture("moon.bmp", 60, 60, {220, 210, 200});
    for (bool linear : {true, false}) {
        platform::Picture dark(670, 550, kBg);
        xmoonOn(dark, 0, 390, 216, linear);
        const Box b = inkBox(dark);
        EXPECT_GE(b.left, 390);
        EXPECT_LE(b.right, 449);
        EXPECT_LE(b.left, 392);  // the ring reaches the disc's edge
        EXPECT_GE(b.right, 447);
        EXPECT_EQ(dark.pixel(420, 246), kBg);  // the disc itself stays dark
        const platform::Rgb edge = dark.pixel(391, 246);
        EXPECT_GT(edge.b, kBg.b + 30);
        EXPECT_LT(edge.r, 120);  // faint: far from the lit moon's texture
    }
    // At 2x the ring keeps its share of the disc: twice as much ink across it.
    const auto across = [](const platform::Picture& p, int y, int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x) n += p.pixel(x, y).b - kBg.b;
        return n;
    };
    platform::Picture once(670, 550, kBg), twice(1340, 1100, kBg);
    twice.setScale(2);
    xmoonOn(once, 0, 390, 216, true);
    xmoonOn(twice, 0, 390, 216, true);
    const int single = across(once, 246, 390, 420);
    ASSERT_GT(single, 0);
    EXPECT_NEAR(double(across(twice, 492, 780, 840)) / single, 2.0, 0.25);
    // A quarter moon: its dark half is left as the view was.
    platform::Picture quarter(670, 550, kBg);
    xmoonOn(quarter, 250'000'000, 390, 216, true);
    EXPECT_EQ(quarter.pixel(391, 246), kBg);
    EXPECT_EQ(reports(), 0);
}

TEST(MoonExport, DayInfoPageAndFullPage) {
    ScriptSink dayInfo;
    dayInfo.canvasWidth = 380;
    exportMoon(dayInfo, 123'456'789, 390, 216);
    EXPECT_EQ(dayInfo.lines, std::vector<std::string>{"MOON 281 166 60 12 IMAGE"});
    ScriptSink page;
    page.canvasWidth = 670;
    exportMoon(page, 999'999'999, 428, 229);
    exportMoon(page, 0, 428, 229);
    EXPECT_EQ(page.lines, (std::vector<std::string>{"MOON 468 231 60 99 IMAGE", "MOON 468 231 60 0 IMAGE"}));
}

}  // namespace
}  // namespace kl::test

namespace kl::test {
namespace {

TEST(Canvases, DrawingOnlyExtrasReachTheViewAndNeverTheScript) {
    platform::Picture view(670, 550, kBg), scratch(670, 550, kBg);
    PictureCanvas drawing(view, scratch);
    ScriptSink sink;
    ScriptCanvas script(sink);
    EXPECT_EQ(drawing.picture(), &view);
    EXPECT_EQ(script.picture(), nullptr);
    int painted = 0;
    const auto box = [&](platform::Painter& p) {
        ++painted;
        p.fillRect(10, 10, 20, 20, {255, 0, 0});
    };
    drawing.paint(box);
    script.paint(box);
    script.drawtxt2(100, 100, "ABC", 4, 180, 0, 50, true, false, false);
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(view.pixel(15, 15), (platform::Rgb{255, 0, 0}));
    EXPECT_TRUE(sink.lines.empty());
}

}  // namespace
}  // namespace kl::test
