// The view text renderer: presets, export lines, alignment, the letter-by-
// letter forms and the rainbow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/settings.h"
#include "layout/fontpresets.h"
#include "layout/lettering.h"
#include "platform/draw.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/signrenderer.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {
namespace {

using Lines = std::vector<std::string>;

class TextExport : public ::testing::Test {
protected:
    void SetUp() override {
        _expstate = 0;
        _pfont = 255;
        _TEXTGRAPHIC = true;
    }
    ScriptSink sink;
};

TEST_F(TextExport, FontLineOnceThenTextLines) {
    exportTxt(sink, 200, 100, "Kin", 3, false);
    exportTxt(sink, 0, 120, "Tone", 3, true);
    EXPECT_EQ(sink.lines, (Lines{"FONT 8 -11 0 0 0 bld nrm Arial", "TEXT 92 50 rgt 'Kin'", "TEXT 0 70 cnt 'Tone'"}));
    EXPECT_EQ(_pfont, 3);
}

TEST_F(TextExport, ASignBetweenTwoTextsBringsTheFontLineBack) {
    exportTxt(sink, 0, 100, "a", 2, true);
    exportSign(sink, 0, 100, 5, true, settings()._signfont);
    exportTxt(sink, 0, 100, "b", 2, true);
    ASSERT_GE(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[sink.lines.size() - 2], "FONT 10 -13 0 0 0 bld nrm Arial");
    EXPECT_EQ(sink.lines.back(), "TEXT 0 50 cnt 'b'");
}

TEST_F(TextExport, PositionsStayInOtherModesAndColourIsAlwaysBlack) {
    _expstate = 5;
    exportTxt(sink, 200, 100, "x", 9, false);  // red preset, written black
    exportTxt(sink, -30, 100, "y", 9, true);
    EXPECT_EQ(sink.lines, (Lines{"FONT 7 -9 0 0 0 thn nrm Arial", "TEXT 237 100 rgt 'x'", "TEXT -30 100 cnt 'y'"}));
}

TEST_F(TextExport, EveryPresetNamesItsFaceAndPointSize) {
    const char* expected[16] = {"FONT 8 -11 0 0 0 bld nrm Arial",    "FONT 9 -12 0 0 0 bld nrm Arial",
                                "FONT 10 -13 0 0 0 bld nrm Arial",   "FONT 8 -11 0 0 0 bld nrm Arial",
                                "FONT 12 -16 0 0 0 bld nrm Arial",   "FONT 10 -13 0 0 0 bld nrm Verdana",
                                "FONT 7 -9 0 0 0 thn nrm Arial",     "FONT 16 -21 0 0 0 thn nrm Arial",
                                "FONT 12 -16 0 0 0 bld nrm Arial",   "FONT 7 -9 0 0 0 thn nrm Arial"};
    for (int p = 0; p < 10; ++p) EXPECT_EQ(presetFontLine(p), expected[p]) << p;
    for (int p = 10; p < 16; ++p) EXPECT_EQ(presetFontLine(p), expected[9]) << p;
}

TEST_F(TextExport, LineBreaksInsideATextBecomeSpaces) {
    exportTxt(sink, 0, 100, "one\r\ntwo\nthree", 2, true);
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[1], "TEXT 0 50 cnt 'one  two three'");
}

// The first column of the picture that differs from the background.
int firstInk(const platform::Picture& p, platform::Rgb background) {
    for (int x = 0; x < p.width(); ++x)
        for (int y = 0; y < p.height(); ++y)
            if (!(p.pixel(x, y) == background)) return x;
    return -1;
}
int lastInk(const platform::Picture& p, platform::Rgb background) {
    for (int x = p.width() - 1; x >= 0; --x)
        for (int y = 0; y < p.height(); ++y)
            if (!(p.pixel(x, y) == background)) return x;
    return -1;
}

TEST(TextDrawing, LeftRightAndCentredPlacement) {
    const platform::Rgb bg{7, 0, 35};
    const std::string text = "MMMM";
    const int w = platform::textWidth(presetFont(2), text);
    ASSERT_GT(w, 20);
    platform::Picture p(670, 60, bg);
    drawtxtOn(p, 100, 10, text, 2, false, 299);
    const int left = firstInk(p, bg);
    EXPECT_GE(left, 100);
    EXPECT_LE(left, 102);
    // Right-aligned: the same text now ends at 300.
    platform::Picture r(670, 60, bg);
    rightallign = true;
    drawtxtOn(r, 300, 10, text, 2, false, 299);
    rightallign = false;
    EXPECT_EQ(firstInk(r, bg), left - 100 + 300 - w);
    // Centred on 299 and, for the year view, on 335: the same shape moved by 36.
    platform::Picture c1(670, 60, bg), c2(670, 60, bg);
    drawtxtOn(c1, 0, 10, text, 2, true, 299);
    drawtxtOn(c2, 0, 10, text, 2, true, 335);
    EXPECT_EQ(firstInk(c1, bg), left - 100 + 299 - w / 2);
    EXPECT_EQ(firstInk(c2, bg) - firstInk(c1, bg), 36);
    EXPECT_EQ(lastInk(c2, bg) - lastInk(c1, bg), 36);
}

TEST(TextDrawing, PresetColoursAreDrawn) {
    const platform::Rgb bg{0, 0, 0};
    platform::Picture p(200, 40, bg);
    drawtxtOn(p, 10, 10, "MMMMMMMM", 9, false, 299);  // preset 9 is red
    bool red = false, other = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const platform::Rgb c = p.pixel(x, y);
            if (c == bg) continue;
            if (c.g == 0 && c.b == 0) red = true;
            else other = true;
        }
    EXPECT_TRUE(red);
    EXPECT_FALSE(other);
}

TEST(Rainbow, RampsAndTheirWrappedBytes) {
    const auto rgb = [](int p) {
        const Rgb c = getrnb(p);
        return std::vector<int>{c.r, c.g, c.b};
    };
    EXPECT_EQ(rgb(0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(rgb(10), (std::vector<int>{255, 128, 0}));  // 127.5 to even
    EXPECT_EQ(rgb(20), (std::vector<int>{255, 255, 0}));
    EXPECT_EQ(rgb(21), (std::vector<int>{242, 255, 0}));
    EXPECT_EQ(rgb(40), (std::vector<int>{0, 255, 0}));
    EXPECT_EQ(rgb(41), (std::vector<int>{0, 255, 12}));
    EXPECT_EQ(rgb(60), (std::vector<int>{0, 255, 254}));
    EXPECT_EQ(rgb(61), (std::vector<int>{0, 244, 255}));
    EXPECT_EQ(rgb(81)[0], 10);  // round(777.75) = 778, low byte 10
    EXPECT_EQ(rgb(101)[2], 246);  // round(-777.75) = -778, low byte 246
    EXPECT_EQ(rgb(120), (std::vector<int>{255, 0, 4}));
    EXPECT_EQ(rgb(121), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(rgb(-1), (std::vector<int>{0, 0, 0}));
}

TEST(ArcText, LettersSitBeforeTheStepAndTurnAfterIt) {
    // A 4-letter text from 180 to 0 degrees: 180, 135, 90 and 45 on the
    // circle, turned 45, 0, -45 and -90 degrees.
    const int expected[4][3] = {{200 - 100, 300, 450}, {200 - 71, 300 - 71, 0}, {200, 200, -450}, {271, 229, -900}};
    for (int i = 0; i < 4; ++i) {
        const layout::ArcLetter a = layout::arcLetter(200, 300, 180, 0, 100, i, 4);
        EXPECT_EQ(a.x, expected[i][0]) << i;
        EXPECT_EQ(a.y, expected[i][1]) << i;
        EXPECT_EQ(a.escapement, expected[i][2]) << i;
    }
    // Beyond 180 degrees the letters turn the other way round.
    EXPECT_EQ(layout::arcLetter(0, 0, 190, 250, 50, 0, 2).escapement, 2200 + 900);
}

TEST(ArcText, DrawsEveryFormAndNothingForAnEmptyText) {
    const platform::Rgb bg{0, 0, 0};
    for (int radius : {80, -1, -2}) {
        platform::Picture p(300, 300, bg);
        drawtxt2On(p, 150, 150, "ABCDEF", 4, 180, 0, radius, true, true, true);
        EXPECT_NE(firstInk(p, bg), -1) << radius;
    }
    platform::Picture p(300, 300, bg);
    drawtxt2On(p, 150, 150, "", 4, 180, 0, 80, true, false, false);
    drawtxt2On(p, 150, 150, "ABC", 4, 180, 0, -3, false, false, false);
    EXPECT_EQ(firstInk(p, bg), -1);
}

}  // namespace
}  // namespace kl
