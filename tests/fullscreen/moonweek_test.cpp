// The moon-month view (mode 7) and the week view (mode 11): cells where the
// layout puts them for an ordinary day, 29 February, the day out of time
// reached forward and backward and the last days of the range; the week's
// figure and its strict reading; the shine on the current day.
#include <gtest/gtest.h>

#include "data/settings.h"
#include "fullscreen/calendarfixture.h"
#include "ui/fullscreen/views/daytools.h"

namespace kl::test {
namespace {

using MoonView = CalendarTest;
using WeekView = CalendarTest;

// 8 December 2026: kin 104 (seal 4, tone 13, chromatic 4), moon 5 day 24,
// week 20; the moon began on 15 November (kin 81, plasma 1).
TEST_F(MoonView, AnOrdinaryDaysCellsSitWhereTheGridPutsThem) {
    const Lines l = script(7, false);
    EXPECT_TRUE(has(l, "PICT 307 3 0 0 0 rgt 'graphic\\Tone5.bmp'")) << "the moon's tone";
    EXPECT_TRUE(has(l, "TEXT 8 43 cnt 'L71L29'"));
    EXPECT_TRUE(has(l, "TEXT 8 63 cnt 'L61 L155'"));
    EXPECT_TRUE(has(l, "TEXT 200 47 cnt 'L469'"));
    EXPECT_TRUE(has(l, "TEXT 200 63 cnt 'L474'"));
    // Row 1, column 1: the plasma heading, and kin 81 (seal 1).
    EXPECT_TRUE(has(l, "PICT 98 95 0 0 0 rgt 'graphic\\pl350000.bmp'"));
    EXPECT_TRUE(has(l, "PICT 107 159 0 0 0 rgt 'graphic\\zc350000.bmp'"));
    EXPECT_TRUE(has(l, "TEXT 43 166 rgt '17'")) << "week number beside row 1";
    // Day 24 is row 4, column 3 (x 228, y 344): frame, seal, tone, numbers.
    EXPECT_TRUE(has(l, "PICT 233 394 0 0 0 rgt 'graphic\\md0004.bmp'"));
    EXPECT_TRUE(has(l, "PICT 259 417 0 0 0 rgt 'graphic\\zc350003.bmp'"));
    EXPECT_TRUE(has(l, "PICT 259 397 0 0 0 rgt 'graphic\\tn350012.bmp'"));
    EXPECT_TRUE(has(l, "TEXT -84 402 cnt '24'"));
    EXPECT_TRUE(has(l, "TEXT -67 451 cnt '08/12'"));
    EXPECT_TRUE(has(l, "TEXT 43 424 rgt '20'"));
    EXPECT_EQ(count(l, "zc35"), 28);
    EXPECT_EQ(count(l, "pl35"), 7);
    EXPECT_EQ(count(l, "rns"), 0) << "runes of the moons of 2000..2004 only";
    EXPECT_EQ(reports(), 0);
}

TEST_F(MoonView, LongDatesArePrintedSmallerAndLower) {
    settings()._DateFormat = 0;
    const Lines l = script(7, false);
    EXPECT_TRUE(has(l, "TEXT -67 456 cnt '08.12.2026'"));
    settings()._DateFormat = 6;  // no date
    EXPECT_EQ(count(script(7, false), "'08"), 0);
    EXPECT_EQ(reports(), 0);
}

TEST_F(MoonView, AMoonOf2001ShowsItsRune) {
    setDate(2001, 3, 10);  // moon 9 of the year of (19, 8): base 0, k = 5
    EXPECT_TRUE(has(script(7, false), "PICT 135 30 0 0 0 rgt 'graphic\\rns0004.bmp'"));
}

TEST_F(MoonView, TheShineTakesTheCurrentCellsChromaticColour) {
    // Kin 104, chromatic 4: shine type 8 at (228 - 40, 344 + 40).
    EXPECT_EQ(draw(7).pixel(188, 384), shineColour(8));
    // Day 1 (15 November, kin 81, chromatic 3): the first cell, type 7.
    setDate(2026, 11, 15);
    EXPECT_EQ(draw(7).pixel(76 - 40, 86 + 40), shineColour(7));
    // Day 28 (12 December, kin 108, chromatic 4): the last cell of row 4.
    setDate(2026, 12, 12);
    const platform::Picture p = draw(7);
    EXPECT_EQ(p.pixel(7 * 76 - 40, 4 * 86 + 40), shineColour(8));
    EXPECT_NE(p.pixel(188, 384), shineColour(8)) << "only the current cell shines";
    EXPECT_EQ(reports(), 0);
}

TEST_F(MoonView, TwentyNinthOfFebruaryIsTheTwentyEighthsPage) {
    // 28 February 2024 is moon 8 day 22: the moon began on 7 February.
    for (bool glyphs : {false, true}) {
        setDate(2024, 2, 28);
        const Lines the28th = script(7, glyphs);
        setDate(2024, 2, 29);
        EXPECT_EQ(script(7, glyphs), the28th);
    }
    setDate(2024, 2, 29);
    const Lines l = script(7, false);
    EXPECT_TRUE(has(l, "TEXT -219 193 cnt '07/02'")) << "the first cell";
    EXPECT_TRUE(has(l, "TEXT -219 451 cnt '28/02'")) << "day 22: row 4, column 1";
    setDate(2024, 2, 28);
    const platform::Picture the28th = draw(7);
    setDate(2024, 2, 29);
    EXPECT_TRUE(draw(7).image() == the28th.image()) << "the shine on the same cell";
}

// 25 July 2026 (reached forward) is kin 228, seal 8, tone 7; 25 July 1990
// (reached backward) kin 88, seal 8, tone 10.
TEST_F(MoonView, TheDayOutOfTimeShowsItsOwnPageOnly) {
    for (int mode : {7, 11}) {
        setDate(2026, 7, 25);
        EXPECT_EQ(script(mode, false),
                  (Lines{"PICT 8 146 0 0 0 cnt 'graphic\\DOT1.bmp'",
                         "PICT 2 218 0 0 0 cnt 'graphic\\zc350007.bmp'", "PICT 2 198 0 0 0 cnt 'graphic\\tn350006.bmp'",
                         "FONT 10 -13 0 0 0 bld nrm Arial", "TEXT 0 280 cnt 'L420'", "TEXT 0 295 cnt 'L424'"}))
            << "mode " << mode;
        setDate(1990, 7, 25);
        const Lines back = script(mode, false);
        EXPECT_TRUE(has(back, "PICT 2 218 0 0 0 cnt 'graphic\\zc350007.bmp'"));
        EXPECT_TRUE(has(back, "PICT 2 198 0 0 0 cnt 'graphic\\tn350009.bmp'"));
        EXPECT_EQ(back.size(), 6u);
    }
    EXPECT_EQ(reports(), 0);
}

// In glyph form the page's dot is a bone 'o' under a gold ':', centred where
// its picture is (8 - 1, 146 - 4), before the seal and tone.
TEST_F(MoonView, TheDayOutOfTimeDotHasItsGlyphs) {
    for (int mode : {7, 11}) {
        setDate(2026, 7, 25);
        const Lines l = script(mode, true);
        ASSERT_GE(l.size(), 5u);
        EXPECT_EQ(Lines(l.begin(), l.begin() + 4),
                  (Lines{"FONT 16 -21 244 238 222 thn nrm " + settings()._signfont, "TEXT 7 142 cnt 'o'",
                         "FONT 16 -21 236 196 96 thn nrm " + settings()._signfont, "TEXT 7 142 cnt ':'"}))
            << "mode " << mode;
        EXPECT_TRUE(l[4].starts_with("FONT 30 -40 ")) << "then the seal: " << l[4];
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(MoonView, AnEmptyCaptionDrawsNothingAndIsNoFailure) {
    writeDatabase({{420, ""}, {424, ""}});
    setDate(2026, 7, 25);
    const platform::Picture p = draw(7);
    for (int y = 278; y < 312; ++y)
        for (int x = 200; x < 400; ++x) ASSERT_EQ(p.pixel(x, y), layout::kViewBackground) << x << "," << y;
    EXPECT_EQ(reports(), 0);
}

// The last moon of the range runs into year 2147483648: its cells take the
// values of 52 years before, which repeat exactly, and keep their own date.
TEST_F(MoonView, TheLastDaysOfTheRangeDrawLikeTheSameDays52YearsBefore) {
    for (int mode : {7, 11}) {
        setDate(2147483647, 12, 31);
        const Lines last = script(mode, false);
        setDate(2147483595, 12, 31);
        EXPECT_EQ(script(mode, false), last) << "mode " << mode;
        settings()._DateFormat = 0;
        setDate(2147483647, 12, 31);
        EXPECT_EQ(count(script(mode, false), ".01.2147483648'"), mode == 7 ? 9 : 2) << "mode " << mode;
        settings()._DateFormat = 5;
    }
    // And the first days of year 1 like those of year 53.
    for (int mode : {7, 11}) {
        setDate(1, 1, 1);
        const Lines first = script(mode, false);
        setDate(53, 1, 1);
        EXPECT_EQ(script(mode, false), first);
    }
    EXPECT_EQ(reports(), 0);
}

// 10 March 2005: kin 226, moon 9 day 4, week 33 of the year of (19, 12),
// figure index 7, whose figure line reads "101100 8".
TEST_F(WeekView, ColumnsShowTheWeekAndTheFigureGrows) {
    setDate(2005, 3, 10);
    const Lines l = script(11, false);
    // Week 33: the red frame lines (33 mod 4 = 1) and the caption.
    EXPECT_TRUE(has(l, "PICT 62 72 0 0 0 rgt 'graphic\\LNR1.bmp'"));
    EXPECT_TRUE(has(l, "PICT 617 100 0 0 0 rgt 'graphic\\LNR3.bmp'"));
    EXPECT_TRUE(has(l, "PICT 62 100 0 0 0 rgt 'graphic\\LNR3.bmp'"));
    EXPECT_TRUE(has(l, "PICT 62 424 0 0 0 rgt 'graphic\\LNR2.bmp'"));
    EXPECT_TRUE(has(l, "TEXT 10 35 cnt 'L566 33'"));
    // Column i shows the first i lines: 1 + 2 + ... + 6 pieces.
    EXPECT_EQ(count(l, "izin9") + count(l, "izin6"), 21);
    EXPECT_TRUE(has(l, "PICT 97 262 0 0 0 rgt 'graphic\\izin9.bmp'")) << "column 1, the bottom line";
    EXPECT_TRUE(has(l, "PICT 477 227 0 0 0 rgt 'graphic\\izin6.bmp'")) << "column 6, the top line";
    EXPECT_EQ(count(l, "PICT 553 "), 0) << "column 7 shows no pieces";
    // The whole figure 8 and its display number beside the columns.
    EXPECT_TRUE(has(l, "PICT 552 222 0 0 0 rgt 'graphic\\sgn0007.bmp'"));
    EXPECT_TRUE(has(l, "TEXT -236 234 cnt '42'"));
    // Column 4 is 10 March: day 4, kin 226 (seal 6, tone 5), chromatic 4.
    EXPECT_TRUE(has(l, "TEXT -8 144 cnt '4'"));
    EXPECT_TRUE(has(l, "PICT 335 159 0 0 0 rgt 'graphic\\zc350005.bmp'"));
    EXPECT_TRUE(has(l, "PICT 335 139 0 0 0 rgt 'graphic\\tn350004.bmp'"));
    EXPECT_TRUE(has(l, "PICT 309 129 0 0 0 rgt 'graphic\\md0008.bmp'"));
    EXPECT_TRUE(has(l, "PICT 324 280 0 0 0 rgt 'graphic\\rns0003.bmp'"));
    EXPECT_TRUE(has(l, "PICT 319 325 0 0 0 rgt 'graphic\\qntr0003.bmp'"));
    EXPECT_TRUE(has(l, "TEXT 9 193 cnt '10/03'"));
    EXPECT_EQ(count(l, "zc35"), 7);
    EXPECT_EQ(reports(), 0);
}

TEST_F(WeekView, TheShineMovesWithTheDayTheColumnsDoNot) {
    setDate(2005, 3, 10);
    EXPECT_EQ(draw(11).pixel(4 * 76 - 40, 119), shineColour(5));
    const Lines onThe10th = script(11, false);
    setDate(2005, 3, 7);  // day 1 of the same week
    EXPECT_EQ(draw(11).pixel(76 - 40, 119), shineColour(5));
    EXPECT_EQ(script(11, false), onThe10th);
    EXPECT_EQ(reports(), 0);
}

TEST_F(WeekView, TwentyNinthOfFebruaryStepsFromTheTwentyEighth) {
    // 28 February 2024 is moon 8 day 22: the first day of its week.
    setDate(2024, 2, 28);
    const Lines the28th = script(11, false);
    EXPECT_TRUE(has(the28th, "TEXT -219 193 cnt '28/02'"));
    EXPECT_TRUE(has(the28th, "TEXT -143 193 cnt '01/03'"));
    setDate(2024, 2, 29);
    EXPECT_EQ(script(11, false), the28th);
    EXPECT_EQ(draw(11).pixel(76 - 40, 119), shineColour(5));
}

TEST_F(WeekView, APlainVinalOnlyOnItsFirstDayThenItsCount) {
    // 26 July 2026 opens vinal 1; the next day is day 1 of its count.
    setDate(2026, 7, 26);
    Lines l = script(11, false);
    EXPECT_TRUE(has(l, "PICT 91 370 0 0 0 rgt 'graphic\\vnl500001.bmp'"));
    EXPECT_TRUE(has(l, "PICT 183 375 0 0 0 rgt 'graphic\\vnl400001.bmp'"));
    EXPECT_TRUE(has(l, "PICT 166 380 0 0 0 rgt 'graphic\\vnt400000.bmp'"));
    EXPECT_EQ(count(l, "vnl50"), 1);
    // Week 3 ends with the last day of vinal 1's count and the first of vinal 2.
    setDate(2026, 8, 9);
    l = script(11, false);
    EXPECT_TRUE(has(l, "PICT 470 380 0 0 0 rgt 'graphic\\vnt400018.bmp'"));
    EXPECT_TRUE(has(l, "PICT 547 370 0 0 0 rgt 'graphic\\vnl500002.bmp'"));
    EXPECT_EQ(count(l, "vnl50"), 1);
}

TEST_F(WeekView, AYearWithoutAFigureIndexShowsNoFigure) {
    // 2026's bearer is not among the seventeen of the figure file.
    const Lines l = script(11, false);
    EXPECT_EQ(count(l, "izin"), 0);
    EXPECT_EQ(count(l, "sgn"), 0);
    EXPECT_EQ(count(l, "'42'"), 0);
    EXPECT_EQ(count(l, "Error1"), 0);
    EXPECT_EQ(reports(), 0);
}

TEST_F(WeekView, AFigureLineThatDoesNotReadMeansNoFigure) {
    setDate(2005, 3, 10);  // figure index 7, week 33: line 52 * 7 + 32
    for (const std::string bad : {"101100", "101100 ", "101100 65", "101100 0", "10x100 5", "101100 4x", ""}) {
        std::vector<std::string> figures(17 * 52, "101100 8");
        figures[52 * 7 + 32] = bad;
        writeLines("izinfo.dat", figures);
        const Lines l = script(11, false);
        EXPECT_EQ(count(l, "izin"), 0) << "'" << bad << "'";
        EXPECT_EQ(count(l, "sgn"), 0) << "'" << bad << "'";
        EXPECT_EQ(count(l, "'42'"), 0) << "'" << bad << "'";
    }
    // The short form: one digit on an 8-character line.
    std::vector<std::string> figures(17 * 52, "011010 27");
    writeLines("izinfo.dat", figures);
    writeLines("iznum.drs", {"011010", "011010 9x", "011010 64", "011010 3"});
    const Lines l = script(11, false);
    EXPECT_TRUE(has(l, "PICT 552 222 0 0 0 rgt 'graphic\\sgn3002.bmp'")) << "figure 27";
    EXPECT_TRUE(has(l, "TEXT -236 234 cnt '64'")) << "the first line that reads";
    EXPECT_EQ(reports(), 0);
}

TEST(Figures, OnlyWellFormedLinesAreFigures) {
    struct Case {
        const char* line;
        bool ok;
        int number;
    };
    for (const Case& c : {Case{"101100 42", true, 42}, Case{"101100 4", true, 4}, Case{"000000-64", true, 64},
                          Case{"111111 07", true, 7}, Case{"101100 42 and more", true, 42},
                          Case{"101100 65", false, 0}, Case{"101100 00", false, 0}, Case{"101100 -1", false, 0},
                          Case{"1011002 4", false, 0}, Case{"101100 ", false, 0}, Case{"10110", false, 0},
                          Case{"", false, 0}}) {
        const auto f = views::parseFigure(c.line);
        EXPECT_EQ(f.has_value(), c.ok) << c.line;
        if (f && c.ok) {
            EXPECT_EQ(f->number, c.number) << c.line;
            EXPECT_EQ(f->lines, std::string(c.line).substr(0, 6));
        }
    }
}

TEST(Gregtostr, ShortYearsAndOddDaysStayInsideTheirTexts) {
    const GregorianDate d{5, 3, 0, 2004};
    const char* expected[] = {"05.03.2004", "05.03.04", "05.03", "03.05", "03/05", "05/03", ""};
    for (int f = 0; f <= 6; ++f) EXPECT_EQ(views::gregtostr(d, f), expected[f]);
    EXPECT_EQ(views::gregtostr(GregorianDate{5, 3, 0, 999}, 1), "05.03.99");
    EXPECT_EQ(views::gregtostr(GregorianDate{5, 3, 0, 7}, 1), "05.03.07");
    EXPECT_EQ(views::gregtostr(GregorianDate{5, 3, 0, 7}, 0), "05.03.7");
    EXPECT_EQ(views::gregtostr(GregorianDate{5, 3, 0, 12345}, 1), "05.03.34");
    EXPECT_EQ(views::gregtostr(GregorianDate{0, 0, 0, 2004}, 0), "00.00.2004");
    EXPECT_EQ(views::gregtostr(GregorianDate{255, 200, 0, 2004}, 4), "200/255");
    EXPECT_EQ(views::gregtostr(1, 1, 2147483648LL, 0), "01.01.2147483648");
    EXPECT_EQ(views::gregtostr(d, -1), "");
}

}  // namespace
}  // namespace kl::test
