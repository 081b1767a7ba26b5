// Pulse lines and shines: where the stamps of a line fall, which pulsars a
// tone draws in which colours, and the shine's pictures and caption.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

#include "core/kin.h"
#include "core/state.h"
#include "fullscreen/calendarfixture.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/scriptcanvas.h"
#include "ui/fullscreen/views/pulsars.h"
#include "ui/fullscreen/views/shine.h"

namespace kl::test {
namespace {

using Stamps = std::set<std::pair<int, int>>;
Stamps stampSet(int x1, int y1, int x2, int y2) {
    Stamps s;
    for (const layout::Point& p : views::pulseStamps(x1, y1, x2, y2)) s.insert({p.x, p.y});
    return s;
}

TEST(PulseLines, TonePointsRunRoundTheU) {
    const std::pair<int, layout::Point> expected[] = {
        {1, {117, 61}}, {5, {117, 425}}, {6, {219, 425}}, {9, {525, 425}}, {10, {525, 334}}, {12, {525, 152}},
        {13, {423, 152}}};
    for (const auto& [tone, p] : expected) {
        EXPECT_EQ(views::tonexy(tone).x, p.x) << tone;
        EXPECT_EQ(views::tonexy(tone).y, p.y) << tone;
    }
}

TEST(PulseLines, OneStampPerPixelAlongTheMajorAxis) {
    // Tones 2 and 12: a horizontal line of 409 stamps at y 152.
    const auto flat = views::pulseStamps(117, 152, 525, 152);
    ASSERT_EQ(flat.size(), 409u);
    EXPECT_TRUE(std::all_of(flat.begin(), flat.end(), [](const layout::Point& p) { return p.y == 152; }));
    EXPECT_EQ(flat.front().x, 117);
    EXPECT_EQ(flat.back().x, 525);
    // Halves round to even: slope 1/2 puts x 1 at y 0 and x 3 at y 2.
    const auto half = views::pulseStamps(0, 0, 4, 2);
    ASSERT_EQ(half.size(), 5u);
    EXPECT_EQ(half[1].y, 0);
    EXPECT_EQ(half[3].y, 2);
    // A steep line (tones 2 to 6) is stamped along y, a flatter one along x.
    const auto steep = views::pulseStamps(117, 152, 219, 425);
    EXPECT_EQ(steep.size(), 274u);
    EXPECT_EQ(steep[137].x, 168);
    EXPECT_EQ(steep.back().x, 219);
    EXPECT_EQ(views::pulseStamps(117, 243, 321, 425).size(), 205u);
}

TEST(PulseLines, EitherEndGivesTheSameLineVerticalOnesIncluded) {
    // A vertical line given from its lower end used to divide by zero and
    // stamp nothing.
    EXPECT_EQ(views::pulseStamps(100, 300, 100, 200).size(), 101u);
    for (const auto& [a, b] : {std::pair{layout::Point{100, 300}, layout::Point{100, 200}},
                               std::pair{layout::Point{10, 100}, layout::Point{20, 50}},
                               std::pair{layout::Point{284, 275}, layout::Point{54, 491}},
                               std::pair{layout::Point{525, 152}, layout::Point{423, 425}},
                               std::pair{layout::Point{7, 7}, layout::Point{7, 7}}})
        EXPECT_EQ(stampSet(a.x, a.y, b.x, b.y), stampSet(b.x, b.y, a.x, a.y)) << a.x << "," << a.y;
    EXPECT_EQ(views::pulseStamps(7, 7, 7, 7).size(), 1u);
}

class Pulsars : public CalendarTest {
protected:
    platform::Picture view{670, 550, layout::kViewBackground};
    platform::Picture scratch{670, 550, layout::kViewBackground};
    PictureCanvas canvas{view, scratch};

    platform::Picture drawn(int tone, int what, int type) {
        view.fill(layout::kViewBackground);
        views::pulsars(canvas, tone, what, type);
        return view;
    }
};

TEST_F(Pulsars, ATonesPulsarsInTheirColours) {
    // Tone 7: the sense pulsar 3-7-11 in colour c2 (type 0: picture 2) and
    // the overtone pulsar 2-7-12 in picture 4.
    platform::Picture p = drawn(7, 2, 0);
    EXPECT_EQ(p.pixel(321, 243), pulseColour(2)) << "3-11";
    EXPECT_EQ(p.pixel(321, 152), pulseColour(4)) << "2-12";
    EXPECT_EQ(p.pixel(117, 100), layout::kViewBackground) << "not the time pulsar";
    EXPECT_EQ(drawn(7, 0, 0).pixel(321, 152), layout::kViewBackground) << "four-tone only";
    EXPECT_EQ(drawn(7, 1, 0).pixel(321, 243), layout::kViewBackground) << "overtone only";
    // Tone 13: the time pulsar's six lines in picture 0, then 3-8-13.
    p = drawn(13, 2, 0);
    EXPECT_EQ(p.pixel(117, 150), pulseColour(0)) << "1-5";
    EXPECT_EQ(p.pixel(321, 243), pulseColour(0)) << "1-9";
    EXPECT_EQ(p.pixel(117, 243), pulseColour(4)) << "3-8 drawn last, from tone 3";
    // The types turn the colours of the other four-tone pulsars.
    EXPECT_EQ(drawn(2, 0, 1).pixel(168, 289), pulseColour(2));
    EXPECT_EQ(drawn(2, 0, 3).pixel(168, 289), pulseColour(5));
    EXPECT_EQ(drawn(2, 0, 9).pixel(168, 289), pulseColour(1));
    EXPECT_EQ(reports(), 0);
}

TEST_F(Pulsars, StampsOffTheViewAreSkippedAndMissingPicturesReported) {
    // From x 660 to 690: the stamps up to 667 fit, the others are left out.
    views::pulsar(canvas, -660, -10, 0, -10, -690);
    EXPECT_EQ(view.pixel(660, 10), pulseColour(0));
    EXPECT_EQ(view.pixel(669, 12), pulseColour(0));
    EXPECT_EQ(reports(), 0);
    std::filesystem::remove(path("graphic/PulsL.bmp"));
    views::pulsar(canvas, 2, 12, 4, 0, 0);
    EXPECT_EQ(reports(), 1);
    views::pulsar(canvas, 2, 12, 6, 0, 0);
    EXPECT_EQ(reports(), 2) << "no such picture";
}

TEST_F(Pulsars, AnExportHasNoPulseLines) {
    ScriptSink sink;
    ScriptCanvas script(sink);
    views::pulsars(script, 13, 2, 0);
    EXPECT_TRUE(sink.lines.empty());
    EXPECT_EQ(reports(), 0);
}

TEST(Shines, EachTypeHasItsPictureAndMask) {
    const std::pair<int, const char*> expected[] = {{0, "shine1 shine1t"}, {1, "shine2 shine2t"},
                                                    {2, "shine3 shine3t"}, {3, "shine4 shine4t"},
                                                    {4, "shine5 shine5t"}, {5, "shine6 shine6t"},
                                                    {6, "shine7 shine2t"}, {7, "shine8 shine2t"},
                                                    {8, "shine9 shine2t"}};
    for (const auto& [type, names] : expected) {
        const views::ShineFiles f = views::shineFiles(type);
        const std::string got = f.picture.substr(8, f.picture.size() - 12) + " " + f.mask.substr(8, f.mask.size() - 12);
        EXPECT_EQ(got, names) << type;
    }
    EXPECT_TRUE(views::shineFiles(9).picture.empty());
    EXPECT_TRUE(views::shineFiles(-1).picture.empty());
}

TEST_F(Pulsars, TheShineLeavesItsOutcomeInTheCaption) {
    DispatcherHooks hooks;
    std::string caption;
    hooks.setCaption = [&](const std::string& c) { caption = c; };
    ViewContext v{canvas, 7, currentDate, currentDay, computeKinRelations(currentDay), settings(), hooks};
    views::shine(v, 10, 20, 4);
    EXPECT_EQ(caption, "OK");
    EXPECT_EQ(view.pixel(10, 20), shineColour(4));
    view.fill(layout::kViewBackground);
    views::shine(v, 660, 20, 4);
    EXPECT_EQ(caption, ">X");
    views::shine(v, 10, 540, 4);
    EXPECT_EQ(caption, ">Y");
    views::shine(v, -1, 20, 4);
    EXPECT_EQ(caption, "<X");
    views::shine(v, 10, -1, 4);
    EXPECT_EQ(caption, "<Y");
    EXPECT_EQ(view.pixel(660, 20), layout::kViewBackground) << "a shine that does not fit is not drawn";
    caption.clear();
    views::shine(v, 10, 20, 9);
    EXPECT_EQ(caption, "") << "no such shine";
    EXPECT_EQ(reports(), 0);
    std::filesystem::remove(path("graphic/shine5t.bmp"));
    views::shine(v, 10, 20, 4);
    EXPECT_EQ(reports(), 1);
}

}  // namespace
}  // namespace kl::test
