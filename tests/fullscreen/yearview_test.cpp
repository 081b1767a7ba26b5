// The year view (mode 9): the grid and its cache in the scratch picture,
// the bearer of the year drawn, the day out of time, the current day's
// icon, shine and line; its export in one script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "core/kin.h"
#include "core/state.h"
#include "data/settings.h"
#include "fullscreen/calendarfixture.h"
#include "layout/signtable.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/viewexport.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/pagedays.h"
#include "ui/fullscreen/views/views.h"
#include "ui/fullscreen/views/yeargrid.h"

namespace kl::test {
namespace {

class YearView : public CalendarTest {
protected:
    void SetUp() override {
        CalendarTest::SetUp();
        settings()._Yfigure = settings()._Yshine = settings()._Yline = true;
    }
};

bool holds(const platform::Picture& p, platform::Rgb c) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (p.pixel(x, y) == c) return true;
    return false;
}

// 8 December 2026: kin 104 (seal 4, tone 13, chromatic 4), moon 5 day 24,
// week 20, in the year of (9, 8) that began on 26 July 2026 (kin 229) and
// ends on 25 July 2027 (kin 73: seal 13, tone 8, chromatic 1).
TEST_F(YearView, AnOrdinaryDayShowsItsYearAndItsCell) {
    const Lines l = script(9);
    // The first cell, 26 July: kin 229 (seal 9, tone 8, chromatic 1).
    EXPECT_EQ(l[0], "PICT 54 15 0 0 0 rgt 'graphic\\fr1.bmp'");
    EXPECT_EQ(l[1], "PICT 55 22 216 208 200 rgt 'graphic\\zcs150008.bmp'");
    EXPECT_EQ(l[2], "PICT 55 15 216 208 200 rgt 'graphic\\tn6h0007.bmp'");
    EXPECT_EQ(count(l, "zcs15"), 365) << "364 cells and the day out of time";
    // Moon 13, week 4, day 7 (24 July 2027, kin 72: seal 12, tone 7): block (3, 2).
    EXPECT_TRUE(has(l, "PICT 541 191 216 208 200 rgt 'graphic\\zcs150011.bmp'"));
    // The bearer, the icon and the day out of time.
    EXPECT_TRUE(has(l, "PICT 271 22 0 0 0 rgt 'graphic\\zc350008.bmp'"));
    EXPECT_TRUE(has(l, "PICT 271 2 0 0 0 rgt 'graphic\\tn350007.bmp'"));
    EXPECT_TRUE(has(l, "PICT 350 240 0 0 0 rgt 'graphic\\zc350003.bmp'"));
    EXPECT_TRUE(has(l, "PICT 350 220 0 0 0 rgt 'graphic\\tn350012.bmp'"));
    EXPECT_TRUE(has(l, "PICT 324 217 0 0 0 rgt 'graphic\\md0004.bmp'"));
    EXPECT_TRUE(has(l, "TEXT -29 225 cnt '24'"));
    EXPECT_TRUE(has(l, "TEXT -12 274 cnt '08/12'"));
    EXPECT_TRUE(has(l, "PICT 202 62 0 0 0 rgt 'graphic\\DOT.bmp'"));
    EXPECT_TRUE(has(l, "PICT 279 115 0 0 0 rgt 'graphic\\fr1.bmp'"));
    EXPECT_TRUE(has(l, "PICT 280 122 216 208 200 rgt 'graphic\\zcs150012.bmp'"));
    EXPECT_TRUE(has(l, "PICT 280 115 216 208 200 rgt 'graphic\\tn6h0007.bmp'"));
    EXPECT_TRUE(has(l, "TEXT -82 163 cnt 'L420'"));
    EXPECT_TRUE(has(l, "TEXT -82 173 cnt 'L424'"));
    EXPECT_TRUE(has(l, "TEXT 126 8 cnt 'L423'"));
    EXPECT_EQ(DOTS, 13);
    EXPECT_EQ(DOTT, 8);
    EXPECT_EQ(DOTC, 1);
    EXPECT_EQ(reports(), 0);
}

TEST_F(YearView, TheShineAndTheLineMarkTheCurrentCell) {
    // Moon 5 is block (0, 5); day 24 is week 3, day 2: cell (54, 491).
    const platform::Picture p = draw(9);
    EXPECT_EQ(p.pixel(54 - 13, 491 - 19), shineColour(4));
    // The line runs from the cell to (284, 275), the end of moon 5.
    EXPECT_EQ(p.pixel(54, 491), pulseColour(0));
    EXPECT_EQ(p.pixel(284, 275), pulseColour(0));
    EXPECT_EQ(p.pixel(169, 383), pulseColour(0)) << "half way";
    settings()._Yshine = settings()._Yline = settings()._Yfigure = false;
    pb2ys = 0;
    const platform::Picture plain = draw(9);
    EXPECT_NE(plain.pixel(54 - 13, 491 - 19), shineColour(4));
    EXPECT_EQ(plain.pixel(169, 383), layout::kViewBackground);
    EXPECT_EQ(plain.pixel(330, 255), layout::kViewBackground) << "no icon";
    EXPECT_EQ(reports(), 0);
}

TEST_F(YearView, AKinOfBothHalvesShinesOnTheHalfOfTheDay) {
    // Kin 229 begins the year on 26 July 2026 and comes back 260 days later,
    // on 12 April 2027 (moon 10, day 9, week 38).
    setDate(2026, 7, 26);
    EXPECT_EQ(draw(9).pixel(20 - 13, 22 - 19), shineColour(4)) << "the first cell";
    setDate(2027, 4, 12);
    const layout::Point later = views::yearCell(views::yearBlock(10), 1, 1);
    EXPECT_EQ(later.x, 549);
    EXPECT_EQ(later.y, 345);
    pb2ys = 0;
    const platform::Picture drawn = draw(9);
    EXPECT_EQ(drawn.pixel(later.x - 13, later.y - 19), shineColour(4)) << "the grid's own walk";
    EXPECT_NE(drawn.pixel(20 - 13, 22 - 19), shineColour(4));
    EXPECT_TRUE(draw(9).image() == drawn.image()) << "and the held grid's";
}

TEST_F(YearView, TheGridIsDrawnOnceAYear) {
    draw(9);
    EXPECT_EQ(pb2ys, 9);
    EXPECT_EQ(pb2yt, 8);
    // Without the grid's pictures only a held grid can still show it.
    // (The day out of time's cell, drawn on every view, keeps its own.)
    for (int code = 155; code <= 230; ++code)
        if (code != 167 && code != 175 && code != 186)
            std::filesystem::remove(path("graphic/" + layout::signFileName(code).substr(8)));
    setDate(2027, 3, 1);
    const platform::Picture held = draw(9);
    EXPECT_EQ(reports(), 0);
    EXPECT_EQ(held.pixel(21, 23), signColour(154 + 9)) << "26 July's seal";
    setDate(2027, 7, 26);  // the next year draws afresh, with gaps
    draw(9);
    EXPECT_GT(reports(), 0);
    EXPECT_EQ(pb2ys, 0) << "a grid drawn with a failing sign is not held";
    EXPECT_EQ(pb2yt, 0);
}

TEST_F(YearView, AChangeOfPictureSetLetsGoOfTheHeldGrid) {
    const platform::Picture single = draw(9);
    ASSERT_EQ(pb2ys, 9);
    setViewPictureSet(2);
    const platform::Picture twice = draw(9);
    ASSERT_EQ(single.pixel(22, 24), signColour(154 + 9));
    EXPECT_EQ(twice.pixel(2 * 22, 2 * 24), signColour(154 + 9)) << "26 July's seal, at twice its place";
    setViewPictureSet(1);
    EXPECT_TRUE(draw(9).image() == single.image());
}

TEST_F(YearView, DrawnAndHeldGridsAgreeOnEveryDayOfAYear) {
    views::PageDate d{26, 7, 2026};
    for (int i = 0; i < 365; ++i, d.forward()) {
        setDate(static_cast<int>(d.year), d.month, d.day);
        pb2ys = pb2yt = 0;
        const platform::Picture drawn = draw(9);
        if (d.isJuly25()) {
            EXPECT_EQ(pb2ys, 0) << "the grid of 25 July is never held";
            setDate(2027, 7, 24);
            draw(9);
            setDate(2027, 7, 25);
        }
        ASSERT_NE(pb2ys, 0);
        const platform::Picture held = draw(9);
        ASSERT_TRUE(held.image() == drawn.image()) << int(d.day) << "." << int(d.month) << "." << d.year;
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(YearView, TheDayOutOfTimeIsTheEndOfItsYearEitherWay) {
    // 25 July 2026, reached forward, ends the year of (4, 7) that began on
    // 26 July 2025 (kin 124); 25 July 1990, reached backward, carries the
    // bearer (9, 11) of the next year but ends the year of (4, 10).
    struct Case {
        int year, bearerTone, dotSeal, dotTone;
        const char* firstTone;
    };
    for (const Case& c : {Case{2026, 7, 8, 7, "tn6h0045"}, Case{1990, 10, 8, 10, "tn6h0048"}}) {
        setDate(c.year, 7, 25);
        const Lines l = script(9);
        EXPECT_EQ(l[0], "PICT 178 46 0 0 0 rgt 'graphic\\DOT1.bmp'") << c.year;
        EXPECT_EQ(l[2], "PICT 55 22 216 208 200 rgt 'graphic\\zcs150003.bmp'") << "26 July, seal 4";
        EXPECT_EQ(l[3], std::string("PICT 55 15 216 208 200 rgt 'graphic\\") + c.firstTone + ".bmp'");
        EXPECT_TRUE(has(l, "PICT 271 22 0 0 0 rgt 'graphic\\zc350003.bmp'")) << c.year;
        EXPECT_TRUE(has(l, "PICT 271 2 0 0 0 rgt 'graphic\\" + layout::signFileName(141 + c.bearerTone).substr(8) + "'"))
            << c.year;
        EXPECT_TRUE(has(l, "PICT 271 118 0 0 0 rgt 'graphic\\zc350007.bmp'"));
        EXPECT_TRUE(has(l, "PICT 271 98 0 0 0 rgt 'graphic\\" + layout::signFileName(141 + c.dotTone).substr(8) + "'"));
        EXPECT_TRUE(has(l, "TEXT -82 180 cnt 'L420'"));
        EXPECT_TRUE(has(l, "TEXT -82 195 cnt 'L424'"));
        EXPECT_EQ(count(l, "DOT.bmp"), 0) << "nothing of another day";
        EXPECT_EQ(count(l, "'graphic\\md"), 0);
        // The header names the same year.
        CalendarDay bearer;
        bearer.sign = 4;
        bearer.tone = static_cast<std::uint8_t>(c.bearerTone);
        const KinRelations r = computeKinRelations(bearer);
        EXPECT_TRUE(has(l, "TEXT 126 40 cnt '" + views::colourWord(r) + " " + views::toneWord(r, c.bearerTone) + " L84'"))
            << c.year;
        // A 25 July grid is never held; the next view draws again.
        const platform::Picture p = draw(9);
        EXPECT_EQ(pb2ys, 0);
        EXPECT_EQ(p.pixel(144, 47), signColour(372));
        EXPECT_FALSE(holds(p, shineColour(4))) << "no shine";
        EXPECT_FALSE(holds(p, pulseColour(0))) << "no line";
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(YearView, AnExportNeverMarksTheGridHeld) {
    script(9);
    EXPECT_EQ(pb2ys, 0);
    const platform::Picture drawn = draw(9);
    EXPECT_EQ(pb2ys, 9);
    // An export of another year leaves the held grid as it was.
    setDate(2030, 1, 1);
    script(9, true);
    setDate(2026, 12, 8);
    EXPECT_EQ(pb2ys, 9);
    EXPECT_TRUE(draw(9).image() == drawn.image());
    EXPECT_FALSE(USEPB2);
}

// A picture canvas whose signs start failing after a number of them.
class FailingCanvas : public PictureCanvas {
public:
    FailingCanvas(platform::Picture& view, platform::Picture& scratch, int signsBeforeFailure)
        : PictureCanvas(view, scratch), left_(signsBeforeFailure) {}

protected:
    void sign(int x, int y, int code, bool centred) override {
        if (left_-- <= 0) throw std::runtime_error("sign failed");
        PictureCanvas::sign(x, y, code, centred);
    }

private:
    int left_;
};

TEST_F(YearView, AGridThatFailsPartWayIsNeverHeld) {
    draw(9);
    ASSERT_EQ(pb2ys, 9) << "a grid held before";
    setDate(2030, 1, 1);  // another year, whose grid fails half drawn
    FailingCanvas canvas(viewPicture(), scratchPicture(), 500);
    DispatcherHooks hooks;
    ViewContext v{canvas, 9, currentDate, currentDay, computeKinRelations(currentDay), settings(), hooks};
    views::year(v, 9);
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(pb2ys, 0) << "neither the half-drawn grid nor the overwritten one";
    EXPECT_FALSE(USEPB2) << "signs go to the view again";
    // Back in 2026 the grid is drawn afresh and held again.
    setDate(2026, 12, 8);
    draw(9);
    EXPECT_EQ(pb2ys, 9);
}

TEST_F(YearView, TheGlyphExportIsOneScript) {
    _TEXTGRAPHIC = true;
    ScriptSink sink;
    ASSERT_TRUE(exportView(9, sink));
    EXPECT_EQ(sink.lines[0], "[Year script]");
    const auto yearLine = std::find(sink.lines.begin(), sink.lines.end(), std::string(kYearLine));
    ASSERT_NE(yearLine, sink.lines.end());
    // The day out of time's small seal and tone follow the YEAR line.
    EXPECT_EQ(sink.lines.end() - yearLine, 7);
    EXPECT_EQ(sink.lines.back(), "TEXT 279 110  'h'");
    // 364 cells of four seal lines and two tone lines.
    EXPECT_EQ(sink.yearExportList.size(), 364u * 6);
    const Lines whole = selfContained(sink);
    EXPECT_EQ(whole.size(), sink.lines.size() - 1 + sink.yearExportList.size());
    EXPECT_EQ(count(whole, "YEAR"), 0);
    EXPECT_EQ(pb2ys, 0);
    EXPECT_EQ(reports(), 0);
}

// The small gold dot beside the first moon: one gold '.' on the glyph page,
// at the picture's corner less the sign font's offsets (202 - 1, 62 - 4).
TEST_F(YearView, TheDotHasItsGlyphOnTheGlyphPage) {
    EXPECT_TRUE(has(script(9), "PICT 202 62 0 0 0 rgt 'graphic\\DOT.bmp'"));
    const Lines glyphs = script(9, true);
    EXPECT_EQ(count(glyphs, "'.'"), 1);
    const auto dot = std::find(glyphs.begin(), glyphs.end(), std::string("TEXT 201 58 rgt '.'"));
    ASSERT_NE(dot, glyphs.end());
    ASSERT_NE(dot, glyphs.begin());
    EXPECT_EQ(*(dot - 1), "FONT 16 -21 236 196 96 thn nrm " + settings()._signfont);
    // 25 July has the day out of time's own dot on the grid, not this one.
    setDate(2026, 7, 25);
    EXPECT_EQ(count(script(9, true), "'.'"), 0);
}

// On 25 July the grid's bone-and-gold dot comes first in both forms: its
// picture line, or a bone 'o' and a gold ':' at the picture's corner less
// the sign font's offsets (178 - 1, 46 - 4), on the main page, not among the
// grid's own lines.
TEST_F(YearView, TheDayOutOfTimeDotHasItsGlyphOnTheGrid) {
    setDate(2026, 7, 25);
    EXPECT_EQ(script(9)[0], "PICT 178 46 0 0 0 rgt 'graphic\\DOT1.bmp'");
    _TEXTGRAPHIC = true;
    ScriptSink sink;
    paintall(9, 4, &sink);
    const Lines dot{"FONT 16 -21 244 238 222 thn nrm " + settings()._signfont, "TEXT 177 42 rgt 'o'",
                    "FONT 16 -21 236 196 96 thn nrm " + settings()._signfont, "TEXT 177 42 rgt ':'"};
    ASSERT_GE(sink.lines.size(), 4u);
    EXPECT_EQ(Lines(sink.lines.begin(), sink.lines.begin() + 4), dot);
    EXPECT_EQ(count(sink.yearExportList, "'o'") + count(sink.yearExportList, "':'"), 0);
    const Lines whole = selfContained(sink);
    EXPECT_EQ(count(whole, "'o'"), 1);
    EXPECT_EQ(count(whole, "':'"), 1);
    // Any other day has no such dot.
    setDate(2026, 7, 26);
    const Lines other = script(9, true);
    EXPECT_EQ(count(other, "'o'") + count(other, "':'"), 0);
    EXPECT_EQ(reports(), 0);
}

// The year of the last days of the range runs to 25 July 2147483648: its
// later cells repeat those of 52 years before.
TEST_F(YearView, TheLastYearOfTheRangeDrawsLikeThe52ndBefore) {
    setDate(2147483647, 12, 31);
    const platform::Picture last = draw(9);
    const Lines lastScript = script(9);
    setDate(2147483595, 12, 31);
    pb2ys = 0;
    EXPECT_TRUE(draw(9).image() == last.image());
    EXPECT_EQ(script(9), lastScript);
    setDate(1, 1, 1);
    pb2ys = 0;
    const platform::Picture first = draw(9);
    setDate(53, 1, 1);
    pb2ys = 0;
    EXPECT_TRUE(draw(9).image() == first.image());
    EXPECT_EQ(reports(), 0);
}

TEST(PageDays, DaysBeyondTheRangeTakeTheValuesOf52YearsNearer) {
    const auto at = [](std::int64_t y) { return views::pageDayValues(views::PageDate{9, 1, y}); };
    const auto engine = [](std::int32_t y) { return computeCalendarDay(GregorianDate{9, 1, 0, y}); };
    EXPECT_EQ(at(2147483648LL), engine(2147483596));
    EXPECT_EQ(at(2147483647LL + 60), engine(2147483647 - 44));  // 60 past the end, 104 years nearer
    EXPECT_EQ(at(0), engine(52));
    EXPECT_EQ(at(-51), engine(1));
    // Only the moon phase differs between the same days 52 years apart.
    CalendarDay a = engine(2000), b = engine(2052);
    a.moonPhase = b.moonPhase = 0;
    EXPECT_EQ(a, b);
}

TEST(PageDays, TheTwentyNinthOfFebruaryAnchorsOnTheTwentyEighth) {
    EXPECT_EQ(views::pageAnchor(GregorianDate{29, 2, 0, 2024}), (GregorianDate{28, 2, 0, 2024}));
    EXPECT_EQ(views::pageAnchor(GregorianDate{29, 2, 0, 2023}), (GregorianDate{28, 2, 0, 2023}));
    EXPECT_EQ(views::pageAnchor(GregorianDate{1, 3, 0, 2024}), (GregorianDate{1, 3, 0, 2024}));
    views::PageDate d{31, 12, 2147483647LL};
    d.forward();
    EXPECT_EQ(d.year, 2147483648LL);
    EXPECT_EQ(d.month, 1);
    d.backward();
    d.backward();
    EXPECT_EQ(d.day, 30);
    EXPECT_EQ(views::PageDate({1, 3, 2024}).moved(-1).day, 28) << "February has 28 days";
}

}  // namespace
}  // namespace kl::test
