// The dispatcher: modes drawn through the mode table, the windows of modes
// 18 and 20, the help pages past the last, and the flags it leaves clean.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/state.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "fullscreen/viewfixture.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/scriptcanvas.h"
#include "ui/fullscreen/viewexport.h"
#include "ui/fullscreen/views/daytools.h"

namespace kl::test {
namespace {

using Lines = std::vector<std::string>;

class Dispatcher : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        dispatcherHooks() = {};
        dispatcherHooks().openPrintManager = [this] { ++printManagerOpened; };
        dispatcherHooks().openConfiguration = [this] { ++configurationOpened; };
    }
    void TearDown() override {
        dispatcherHooks() = {};
        ViewTest::TearDown();
    }
    bool blank() const {
        const platform::Picture& v = viewPicture();
        for (int y = 0; y < v.height(); y += 2)
            for (int x = 0; x < v.width(); x += 2)
                if (!(v.pixel(x, y) == kViewBackground)) return false;
        return true;
    }
    int printManagerOpened = 0, configurationOpened = 0;
};

TEST_F(Dispatcher, OutsideTheTableAndBlankModesDrawOnlyTheBackground) {
    writeAllSigns();
    for (int mode : {-1, 10, 15, 21, 49, 1000}) {
        paintall(0, 255);
        ASSERT_FALSE(blank());
        paintall(mode, 255);
        EXPECT_TRUE(blank()) << mode;
        EXPECT_EQ(_expstate, mode);
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(Dispatcher, DrawingAWindowsModeOpensNothingItsFadeOpensIt) {
    // However the state stands, drawing modes 18 and 20 (a key, the date
    // dialog, the old view of a fade) draws a blank view and opens nothing.
    for (int requested : {18, 20}) {
        _newstate = static_cast<std::uint8_t>(requested);
        spin = 0;
        paintall(18, 255);
        EXPECT_TRUE(blank());
        paintall(20, 255);
        EXPECT_TRUE(blank());
    }
    EXPECT_EQ(printManagerOpened + configurationOpened, 0);
    openModeWindow(18);
    EXPECT_EQ(printManagerOpened, 1);
    openModeWindow(20);
    EXPECT_EQ(configurationOpened, 1);
    for (int other : {0, 9, 19, 49, -1}) openModeWindow(other);
    EXPECT_EQ(printManagerOpened + configurationOpened, 2);
}

TEST_F(Dispatcher, HelpPagesPastTheLastOrMissingShowTheFirst) {
    settings()._hlpcount = 3;
    writeLines("hlp1.dat", {"first page"});
    writeLines("hlp2.dat", {"second page"});
    paintall(19, 255);
    const QImage first = viewPicture().image().copy();
    EXPECT_FALSE(blank());
    paintall(25, 255);  // page 2
    EXPECT_NE(viewPicture().image(), first);
    EXPECT_EQ(shownMode(25), 25);
    // Page 3 is within the count but its file is missing, page 4 is past
    // the count, mode 48 far past it: each draws the first page, without a
    // report and without touching the window's state.
    for (int mode : {26, 27, 48}) {
        _newstate = static_cast<std::uint8_t>(mode);
        spin = 2;
        paintall(mode, 255);
        EXPECT_EQ(viewPicture().image(), first) << mode;
        EXPECT_EQ(shownMode(mode), 19) << mode;
        EXPECT_EQ(_newstate, mode);
        EXPECT_EQ(spin, 2);
    }
    EXPECT_EQ(shownMode(19), 19);
    EXPECT_EQ(shownMode(14), 14);
    EXPECT_EQ(reports(), 0);
}

TEST_F(Dispatcher, EveryExportStartsWithItsFontLine) {
    _pfont = 3;  // as left by a previous export of the same preset
    const Lines lines = exportLines(4, false);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "[Oracle script]");
    EXPECT_EQ(lines[1], "/[PAGE 670 550]");  // the page size rides along as a comment
    EXPECT_EQ(lines[2], "FONT 12 -16 0 0 0 bld nrm Arial");
    const Lines again = exportLines(4, false);
    EXPECT_EQ(again, lines);
    EXPECT_FALSE(_Export);
}

TEST_F(Dispatcher, FlagsAreClearedEvenWhenAViewFails) {
    // The year's shine fails when the caption it leaves cannot be set.
    writeAllSigns();
    settings()._Yshine = true;
    dispatcherHooks().setCaption = [](const std::string&) { throw std::runtime_error("no caption"); };
    rightallign = true;
    _KIN = true;
    paintall(9, 1);
    EXPECT_EQ(reports(), 1);
    EXPECT_FALSE(_Export);
    EXPECT_FALSE(rightallign);
    EXPECT_FALSE(_KIN);
}

TEST_F(Dispatcher, AYearWithoutAFigureIndexDrawsNoFigure) {
    writeAllSigns();
    setDate(2026, 12, 8);  // its year bearer is not among the seventeen
    EXPECT_FALSE(views::izinyear(currentDay.yearSign, currentDay.yearTone).has_value());
    // Line 52 * 0 + week - 1 would hold a figure if the index fell back to 0.
    EXPECT_FALSE(views::izinfigure(currentDay.yearSign, currentDay.yearTone, currentDay.weekNumber));
    const Lines lines = exportLines(14, false);
    for (const auto& l : lines) {
        EXPECT_EQ(l.find("izin"), std::string::npos) << l;
        EXPECT_EQ(l.find("sgn"), std::string::npos) << l;
        EXPECT_EQ(l.find("'42'"), std::string::npos) << l;
    }
    setDate(2005, 3, 10);
    bool figure = false;
    for (const auto& l : exportLines(14, false)) figure = figure || l.find("izin") != std::string::npos;
    EXPECT_TRUE(figure);
}

TEST_F(Dispatcher, TheBooksDayOutOfTimeLineHasARowOfItsOwn) {
    // 25 July 2027 (kin 73, seal 13): a seal name that takes two rows.
    writeDatabase({{93, "L93 is a seal name long enough to need a row of its own"}});
    setDate(2027, 7, 25);
    int doot = -1000;
    std::vector<int> rows;  // the other centred texts
    for (const std::string& l : exportLines(14, false)) {
        int x = 0, y = 0;
        char text[200] = {};
        if (std::sscanf(l.c_str(), "TEXT %d %d cnt '%199[^']'", &x, &y, text) != 3 || x != 0) continue;
        if (std::string(text) == "L419") doot = y;
        else rows.push_back(y);
    }
    ASSERT_NE(doot, -1000);
    EXPECT_GE(rows.size(), 4u);
    for (int y : rows) EXPECT_GE(std::abs(y - doot), 14) << "a text at " << y << " over the line at " << doot;
}

TEST_F(Dispatcher, CentringFollowsTheModeDrawnNotTheModeRequested) {
    // The year's header is centred on 335; any other view on 299, whatever
    // is requested while it fades out.
    writeAllSigns();
    _newstate = 9;
    paintall(4, 255);
    const platform::Picture oracleWhileYearRequested = viewPicture();
    _newstate = 4;
    paintall(4, 255);
    EXPECT_TRUE(oracleWhileYearRequested.image() == viewPicture().image());
    // The year header "L423" centred at 126 from 335: its ink starts past 440
    // (the grid and the bearer keep left of x 300 at these rows).
    _newstate = 0;
    paintall(9, 255);
    int first = -1;
    for (int x = 300; x < 670 && first < 0; ++x)
        for (int y = 8; y < 20; ++y)
            if (!(viewPicture().pixel(x, y) == kViewBackground)) {
                first = x;
                break;
            }
    EXPECT_GT(first, 440);
    EXPECT_LT(first, 461);
}

TEST_F(Dispatcher, YearExportPutsItsSubScriptInPlaceOfTheYearLine) {
    ScriptSink sink;
    sink.lines = {"[Year script]", "TEXT 0 0 cnt 'a'", kYearLine, "TEXT 0 1 cnt 'b'"};
    sink.yearExportList = {"FONT 14 -19 0 0 0 thn nrm K", "TEXT 1 2  'A'"};
    EXPECT_EQ(selfContained(sink), (Lines{"[Year script]", "TEXT 0 0 cnt 'a'", "FONT 14 -19 0 0 0 thn nrm K",
                                          "TEXT 1 2  'A'", "TEXT 0 1 cnt 'b'"}));
    _TEXTGRAPHIC = true;
    ASSERT_TRUE(exportView(9, sink));
    EXPECT_EQ(sink.lines.front(), "[Year script]");
    EXPECT_EQ(sink.canvasWidth, 740);
    EXPECT_NE(std::find(sink.lines.begin(), sink.lines.end(), kYearLine), sink.lines.end());
    _TEXTGRAPHIC = false;
    ASSERT_TRUE(exportView(9, sink));
    EXPECT_EQ(std::find(sink.lines.begin(), sink.lines.end(), kYearLine), sink.lines.end());
    EXPECT_FALSE(exportView(5, sink));
    EXPECT_FALSE(exportView(8, sink));
}

TEST(BookOfKinsTools, DatesSpecialKinsAndYearIndexes) {
    const GregorianDate d{5, 3, 0, 2004};
    const char* expected[] = {"05.03.2004", "05.03.04", "05.03", "03.05", "03/05", "05/03", ""};
    for (int f = 0; f <= 6; ++f) EXPECT_EQ(views::gregtostr(d, f), expected[f]) << f;
    int marked = 0;
    for (int k = 0; k < 256; ++k) marked += views::pvsign(static_cast<std::uint8_t>(k));
    EXPECT_EQ(marked, 13);
    EXPECT_TRUE(views::pvsign(245));
    const std::tuple<int, int, int> years[] = {{4, 5, 0}, {19, 8, 3}, {9, 1, 9}, {19, 7, 15}, {4, 8, 16}};
    for (const auto& [seal, tone, r] : years) EXPECT_EQ(views::izinyear(seal, tone), r) << seal << "/" << tone;
    EXPECT_FALSE(views::izinyear(9, 9).has_value());
    EXPECT_FALSE(views::izinyear(4, 6).has_value());
}

}  // namespace
}  // namespace kl::test

namespace kl::test {
namespace {

using FigureFiles = ViewTest;

TEST_F(FigureFiles, FigureNumbersAndPiecesFromTheFigureLine) {
    _TEXTGRAPHIC = false;
    _expstate = 14;
    ScriptSink sink;
    ScriptCanvas canvas(sink);
    // One digit when the line is 8 characters long, two otherwise; the
    // pieces stack upwards from y0 + 42, '1' lines and '0' lines. A line
    // whose number does not read is no figure at all.
    const auto figure = [](const char* line) { return *views::parseFigure(line); };
    EXPECT_EQ(views::drawizin(canvas, figure("011010 7"), 190, 3, 146), 7);
    EXPECT_EQ(sink.lines, (Lines{"PICT 225 188 0 0 0 rgt 'graphic\\izin6.bmp'", "PICT 225 181 0 0 0 rgt 'graphic\\izin9.bmp'",
                                 "PICT 225 174 0 0 0 rgt 'graphic\\izin9.bmp'"}));
    EXPECT_EQ(views::drawizin(canvas, figure("011010 64"), 190, 0, 146), 64);
    EXPECT_FALSE(views::parseFigure("011010 x"));
    EXPECT_FALSE(views::parseFigure("011010"));
    // Display numbers: the first line with the same six characters.
    EXPECT_EQ(views::zinnumber(figure("101100 8")), "42");
    EXPECT_EQ(views::zinnumber(figure("000000 3")), "1");
    EXPECT_EQ(views::zinnumber(figure("111111 9")), "Error1");
    EXPECT_EQ(reports(), 0);
    std::filesystem::remove(path("iznum.drs"));
    EXPECT_EQ(views::zinnumber(figure("101100 8")), "Error1");
    EXPECT_EQ(reports(), 1);
}

TEST_F(FigureFiles, TheWholeFigureOnTheLastDayOfTheWeek) {
    setDate(2005, 3, 13);  // day 7 of the moon: all six lines are the figure
    ASSERT_EQ(currentDay.monthDay % 7, 0);
    _TEXTGRAPHIC = false;
    bool whole = false, pieces = false;
    for (const auto& l : exportLines(14, false)) {
        whole = whole || l == "PICT 225 145 0 0 0 rgt 'graphic\\sgn0007.bmp'";
        pieces = pieces || l.find("izin") != std::string::npos;
    }
    EXPECT_TRUE(whole) << "figure number 8 (year index 7) is sign 258";
    EXPECT_FALSE(pieces) << "a count of 0 draws no pieces";
}

}  // namespace
}  // namespace kl::test
