// The day sign renderer's export: the picture line, and the glyph lines of
// every family, written exactly as a printed page reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/settings.h"
#include "layout/signtable.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/signrenderer.h"

namespace kl {
namespace {

using Lines = std::vector<std::string>;

class SignExport : public ::testing::Test {
protected:
    void SetUp() override {
        _expstate = 0;
        _TEXTGRAPHIC = true;
        settings()._signfont = "KSIGN";
        clearRoleMarks();
    }
    void TearDown() override { _TEXTGRAPHIC = true; }
    ScriptSink sign(int x, int y, int code, bool centred) {
        ScriptSink s;
        exportSign(s, x, y, code, centred, settings()._signfont);
        return s;
    }
    // Only the glyph lines (TEXT ...), without FONT lines.
    static Lines texts(const Lines& lines) {
        Lines out;
        for (const auto& l : lines)
            if (l.starts_with("TEXT")) out.push_back(l);
        return out;
    }
};

TEST_F(SignExport, PictureLineMovesToThePageAndNamesTheFileAndKey) {
    _TEXTGRAPHIC = false;
    EXPECT_EQ(sign(200, 100, 5, false).lines, Lines{"PICT 90 50 0 0 0 rgt 'graphic\\5Y.bmp'"});
    // Centred: x stays an offset, shifted by 2; the light key is written.
    EXPECT_EQ(sign(0, 100, 155, true).lines, Lines{"PICT 2 50 216 208 200 cnt 'graphic\\zcs150000.bmp'"});
    // Outside the day-info page's mode the position is the view's.
    _expstate = 4;
    EXPECT_EQ(sign(200, 100, 5, false).lines, Lines{"PICT 235 100 0 0 0 rgt 'graphic\\5Y.bmp'"});
}

TEST_F(SignExport, SealGlyphsAreATileAndALetterOrTheDaysKeyword) {
    EXPECT_EQ(sign(200, 100, 5, false).lines,
              (Lines{"FONT 72 -96 255 0 0 thn nrm KSIGN", "TEXT 86 34 rgt 'W'", "FONT 72 -96 0 0 0 thn nrm KSIGN",
                     "TEXT 86 34 rgt 'E'"}));
    _KIN = true;
    EXPECT_EQ(sign(200, 100, 5, false).lines.back(), "TEXT 86 34 rgt kin");
    // Of two marks the later in the list wins: kin over guide.
    _GUIDE = true;
    _KIN = true;
    EXPECT_EQ(sign(200, 100, 5, false).lines.back(), "TEXT 86 34 rgt kin");
    clearRoleMarks();
    _GUIDE = true;
    _ANALOG = true;
    _ATEACHER = true;
    EXPECT_EQ(sign(200, 100, 5, false).lines.back(), "TEXT 86 34 rgt ateacher");
}

TEST_F(SignExport, SealTwentyIsAYellowTInEveryForm) {
    for (int code : {0, 20, 30, 50}) {
        const Lines l = sign(0, 100, code, true).lines;
        ASSERT_EQ(l.size(), 4u) << code;
        EXPECT_NE(l[0].find(" 255 255 0 thn"), std::string::npos) << code;
        EXPECT_TRUE(l[3].ends_with("'T'")) << code;
    }
    // The seal sets shift by their own amounts: 45-pixel seals move 3 down.
    EXPECT_EQ(texts(sign(200, 100, 78, false).lines)[0], "TEXT 91 44 rgt 'W'");  // x 93 - 2, y 53 - 8.8
    EXPECT_EQ(texts(sign(0, 100, 78, true).lines)[0], "TEXT 2 44 cnt 'W'");
    EXPECT_TRUE(texts(sign(0, 100, 97, true).lines)[1].ends_with("'T'"));
}

TEST_F(SignExport, TonesPlasmasAndFrames) {
    // Tone 1 of the large set is 'a'; the 45-pixel set shifts 6 more.
    EXPECT_EQ(sign(200, 100, 51, false).lines, (Lines{"FONT 78 -104 0 0 0 thn nrm KSIGN", "TEXT 81 33 rgt 'a'"}));
    EXPECT_EQ(texts(sign(200, 100, 130, false).lines), Lines{"TEXT 89 41 rgt 'm'"});
    _TONE = true;
    EXPECT_EQ(texts(sign(200, 100, 63, false).lines), Lines{"TEXT 81 33 rgt tone"});
    // Plasma 1 large: x 90 - 4, X = round(86 - 50 * 0.045), Y = y.
    EXPECT_EQ(sign(200, 100, 71, false).lines,
              (Lines{"FONT 50 -67 255 255 0 thn nrm KSIGN", "TEXT 84 50 rgt 'X'", "FONT 50 -67 0 0 0 thn nrm KSIGN",
                     "TEXT 84 50 rgt '1'"}));
    _PLASM = true;
    EXPECT_EQ(sign(200, 100, 137, false).lines.back(), "TEXT 89 50 rgt plasm");
    // Frame 1 in light red, moved 12 left and 15 down.
    EXPECT_EQ(sign(200, 100, 138, false).lines,
              (Lines{"FONT 86 -115 255 100 100 thn nrm KSIGN", "TEXT 69 46 rgt '\\'"}));
}

TEST_F(SignExport, YearViewSignsGoToTheYearSubScript) {
    ScriptSink s = sign(200, 100, 155, false);
    EXPECT_TRUE(s.lines.empty());
    EXPECT_EQ(s.yearExportList, (Lines{"FONT 14 -19 255 0 0 thn nrm KSIGN", "TEXT 90 47  'W'",
                                       "FONT 14 -19 0 0 0 thn nrm KSIGN", "TEXT 90 47  'A'"}));
    s = sign(200, 100, 192, false);  // second colour set, tone 1
    EXPECT_EQ(s.yearExportList, (Lines{"FONT 16 -21 0 0 0 thn nrm KSIGN", "TEXT 89 45  'a'"}));
}

TEST_F(SignExport, FigurePiecesMarkersAndTheWavespell) {
    EXPECT_EQ(sign(200, 100, 233, false).lines,
              (Lines{"FONT 33 -44 0 0 0 thn nrm KESTRALUNE2x", "TEXT 90 23  ']'"}));
    EXPECT_EQ(texts(sign(200, 100, 234, false).lines), Lines{"TEXT 90 23  '['"});
    EXPECT_EQ(sign(0, 100, 239, true).lines, (Lines{"FONT 20 -27 250 50 250 thn nrm KSIGN", "TEXT 4 46 cnt '*'"}));
    EXPECT_EQ(sign(0, 100, 243, true).lines[0], "FONT 20 -27 50 250 150 thn nrm KSIGN");
    const Lines wave = sign(25, 12, 241, true).lines;
    ASSERT_EQ(wave.size(), 14u);
    EXPECT_EQ(wave[0], "FONT 100 -133 200 20 200 thn nrm KSIGN");
    const int expected[13][2] = {{-178, 16},  {-178, 107}, {-178, 198}, {-178, 289}, {-178, 380},
                                 {-76, 380},  {26, 380},   {128, 380},  {230, 380},  {230, 289},
                                 {230, 198},  {230, 107},  {128, 107}};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(wave[i + 1], "TEXT " + std::to_string(expected[i][0]) + " " + std::to_string(expected[i][1]) +
                                   " cnt '_'");
}

// The year view's dot: a gold '.' whose text corner is the picture line's
// corner less the sign font's standard offsets, on the main page (not in the
// year sub-script, which holds only the grid).
TEST_F(SignExport, TheYearDotIsAGoldDotWhereItsPictureIs) {
    const ScriptSink glyph = sign(167, 62, 232, false);
    EXPECT_EQ(glyph.lines, (Lines{"FONT 16 -21 236 196 96 thn nrm KSIGN", "TEXT 56 8 rgt '.'"}));
    EXPECT_TRUE(glyph.yearExportList.empty());
    _TEXTGRAPHIC = false;
    EXPECT_EQ(sign(167, 62, 232, false).lines, Lines{"PICT 57 12 0 0 0 rgt 'graphic\\DOT.bmp'"});
    // Centred it takes the picture line's centred shift.
    _TEXTGRAPHIC = true;
    EXPECT_EQ(texts(sign(10, 62, 232, true).lines), Lines{"TEXT 11 8 cnt '.'"});
}

// The day out of time's dot: a bone 'o' and over it a gold ':' (its core),
// both at the text corner of the picture line's corner less the sign font's
// offsets, left-aligned on the year grid and centred on the moon page.
TEST_F(SignExport, TheDayOutOfTimeDotIsABoneDiscUnderAGoldCore) {
    _expstate = 4;  // the views' own coordinates, as the year and moon exports write them
    const ScriptSink grid = sign(143, 46, 372, false);
    EXPECT_EQ(grid.lines, (Lines{"FONT 16 -21 244 238 222 thn nrm KSIGN", "TEXT 177 42 rgt 'o'",
                                 "FONT 16 -21 236 196 96 thn nrm KSIGN", "TEXT 177 42 rgt ':'"}));
    EXPECT_TRUE(grid.yearExportList.empty());
    EXPECT_EQ(sign(6, 146, 372, true).lines,
              (Lines{"FONT 16 -21 244 238 222 thn nrm KSIGN", "TEXT 7 142 cnt 'o'",
                     "FONT 16 -21 236 196 96 thn nrm KSIGN", "TEXT 7 142 cnt ':'"}));
    _TEXTGRAPHIC = false;
    EXPECT_EQ(sign(143, 46, 372, false).lines, Lines{"PICT 178 46 0 0 0 rgt 'graphic\\DOT1.bmp'"});
    EXPECT_EQ(sign(6, 146, 372, true).lines, Lines{"PICT 8 146 0 0 0 cnt 'graphic\\DOT1.bmp'"});
}

// The glyphs of the 64 line figures: base letter and overlay.
TEST_F(SignExport, LineFiguresRunThroughTheAlphabetWithOverlays) {
    const auto figure = [&](int code) {
        const Lines l = texts(sign(0, 0, code, false).lines);
        std::string g;
        for (std::size_t i = 1; i < l.size(); ++i) g += l[i].substr(l[i].size() - 2, 1);
        return g;  // overlay (if any) then base letter
    };
    EXPECT_EQ(figure(251), "A");
    EXPECT_EQ(figure(252), "oA");
    EXPECT_EQ(figure(253), "pA");
    EXPECT_EQ(figure(254), "B");
    EXPECT_EQ(figure(257), "C");
    EXPECT_EQ(figure(258), "D");
    EXPECT_EQ(figure(259), "E");
    EXPECT_EQ(figure(302), "Z");
    EXPECT_EQ(figure(304), "pZ");
    EXPECT_EQ(figure(305), "a");
    EXPECT_EQ(figure(308), "oc");
    EXPECT_EQ(figure(312), "pd");
    EXPECT_EQ(figure(314), "f");
    const Lines l = sign(200, 100, 251, false).lines;
    EXPECT_EQ(l[0], "FONT 39 -52 159 159 159 thn nrm VIREV2");
    EXPECT_EQ(l[1], "TEXT 105 47  '\\'");  // x 89 + 18 - 1.95, y 70 - 14 - 8.58
    EXPECT_EQ(l[2], "FONT 36 -48 0 0 0 thn nrm RURAZO");
}

TEST_F(SignExport, RunesVinalsAndCounts) {
    EXPECT_EQ(sign(200, 100, 315, false).lines,
              (Lines{"FONT 24 -32 0 0 0 thn nrm VIREV2", "TEXT 100 49  '_'", "TEXT 100 49  'A'"}));
    // G, N, U and the backslash stand without the frame glyph.
    EXPECT_EQ(texts(sign(200, 100, 321, false).lines), Lines{"TEXT 100 49  'G'"});
    EXPECT_EQ(texts(sign(200, 100, 342, false).lines), Lines{"TEXT 100 49  '\\'"});
    EXPECT_EQ(texts(sign(200, 100, 341, false).lines), (Lines{"TEXT 100 49  '_'", "TEXT 100 49  '['"}));
    EXPECT_EQ(sign(200, 100, 374, false).lines,
              (Lines{"FONT 41 -55 0 0 0 thn nrm ZOVADIRIVAV", "TEXT 86 55  'A'"}));
    EXPECT_EQ(texts(sign(200, 100, 411, false).lines), Lines{"TEXT 86 58  'S'"});
    EXPECT_EQ(texts(sign(200, 100, 412, false).lines), Lines{"TEXT 77 53  'a'"});
}

TEST_F(SignExport, DaySignsOfTheMoonAreLayersOfColour) {
    // q = 2 (code 346): digit, white O, black C, red U, yellow T.
    EXPECT_EQ(sign(200, 100, 346, false).lines,
              (Lines{"FONT 28 -37 255 0 0 thn nrm Vod 7777 urer", "TEXT 95 46  '3'",
                     "FONT 28 -37 255 255 255 thn nrm Vod 7777 urer", "TEXT 95 46  'O'",
                     "FONT 28 -37 0 0 0 thn nrm Vod 7777 urer", "TEXT 95 46  'C'",
                     "FONT 28 -37 255 0 0 thn nrm Vod 7777 urer", "TEXT 95 46  'U'",
                     "FONT 28 -37 255 255 0 thn nrm Vod 7777 urer", "TEXT 95 46  'T'"}));
    // The fourth sign of every set is blue, whatever its set.
    for (int code : {347, 354, 361, 368}) EXPECT_EQ(sign(0, 0, code, false).lines[0], "FONT 28 -37 0 0 255 thn nrm Vod 7777 urer");
    // q = 0 and 4 have no fourth or fifth layer; q = 6 has both.
    EXPECT_EQ(texts(sign(0, 0, 351, false).lines).size(), 3u);
    EXPECT_EQ(texts(sign(0, 0, 362, false).lines).size(), 3u);
    const Lines six = texts(sign(0, 0, 371, false).lines);
    ASSERT_EQ(six.size(), 5u);
    EXPECT_TRUE(six[1].ends_with("'S'") && six[2].ends_with("'G'") && six[3].ends_with("'X'") &&
                six[4].ends_with("'W'"));
}

TEST_F(SignExport, CodesWithoutGlyphsWriteNothingAndEveryGlyphExportResetsTheFont) {
    for (int code : {21, 175, 231, 235, 240, 242, 244, 373, 431, 442, 500}) {
        EXPECT_TRUE(sign(0, 0, code, false).lines.empty()) << code;
    }
    _pfont = 3;
    sign(0, 0, 5, false);
    EXPECT_EQ(_pfont, 255);
}

TEST(SignTable, SizesAndColoursOfTheGlyphs) {
    const std::pair<int, const char*> entries[] = {
        {0, "72 -96"},    {50, "62 -83"},   {63, "78 -104"},  {71, "50 -67"},  {97, "40 -53"},
        {117, "30 -40"},  {137, "30 -40"},  {118, "42 -56"},  {141, "86 -115"}, {154, "36 -48"},
        {314, "36 -48"},  {174, "14 -19"},  {230, "16 -21"},  {239, "20 -27"},  {243, "20 -27"},
        {241, "100 -133"}, {343, "24 -32"}, {371, "28 -37"},  {392, "41 -55"},  {411, "34 -45"},
        {430, "38 -51"},  {232, "16 -21"},  {372, "16 -21"}};
    for (const auto& [code, entry] : entries) {
        EXPECT_EQ(sizes(code), entry) << code;
        EXPECT_EQ(sizef(code), std::stoi(entry)) << code;
    }
    for (int code : {21, 64, 175, 231, 240, 244, 373, 431}) EXPECT_EQ(sizes(code), "") << code;
    EXPECT_EQ(colors(0), " 255 0 0 ");
    EXPECT_EQ(colors(4), " 255 0 0 ");  // seal 1
    EXPECT_EQ(colors(22), " 0 0 255 ");  // seal 19
    EXPECT_EQ(colors(43), " 255 255 0 ");
    EXPECT_EQ(colors(44), "");
    EXPECT_EQ(colors(101), " 180 180 180 ");
    EXPECT_EQ(colors(103), " 255 255 100 ");
    EXPECT_EQ(colors(232), " 236 196 96 ");  // the dot's gold
    EXPECT_EQ(colors(372), " 244 238 222 ");  // the bone of the day out of time's dot
    EXPECT_EQ(colors(231), "");
}

TEST(SignTable, RestructLetters) {
    EXPECT_EQ(restruct(1, 0), "A");
    EXPECT_EQ(restruct(20, 0), "T");
    EXPECT_EQ(restruct(0, 0), "T");
    EXPECT_EQ(restruct(0, 1), "a");
    EXPECT_EQ(restruct(12, 1), "m");
    EXPECT_EQ(restruct(7, 2), "7");
    EXPECT_EQ(restruct(0, 3), "A");
    EXPECT_EQ(restruct(26, 3), "{");  // past 'z' nothing is upper-cased
}

TEST(SignTable, GlyphFamiliesCoverTheirRuns) {
    using layout::GlyphFamily;
    using layout::glyphFamily;
    const std::tuple<int, int, GlyphFamily> runs[] = {
        {0, 20, GlyphFamily::Seal},         {30, 50, GlyphFamily::Seal},         {78, 117, GlyphFamily::Seal},
        {51, 63, GlyphFamily::Tone},        {118, 130, GlyphFamily::Tone},       {142, 154, GlyphFamily::Tone},
        {71, 77, GlyphFamily::Plasma},      {131, 137, GlyphFamily::Plasma},     {138, 141, GlyphFamily::Frame},
        {155, 174, GlyphFamily::SmallSeal}, {179, 230, GlyphFamily::YearTone},   {233, 234, GlyphFamily::FigurePiece},
        {251, 314, GlyphFamily::LineFigure}, {315, 343, GlyphFamily::Rune},      {344, 371, GlyphFamily::MoonDaySign},
        {374, 411, GlyphFamily::Vinal},     {412, 430, GlyphFamily::VinalCount}};
    for (const auto& [first, last, family] : runs)
        for (int code = first; code <= last; ++code) EXPECT_EQ(glyphFamily(code), family) << code;
    EXPECT_EQ(glyphFamily(239), GlyphFamily::Marker);
    EXPECT_EQ(glyphFamily(243), GlyphFamily::Marker);
    EXPECT_EQ(glyphFamily(241), GlyphFamily::Wavespell);
    EXPECT_EQ(glyphFamily(232), GlyphFamily::Dot);
    EXPECT_EQ(glyphFamily(372), GlyphFamily::Dot);
    for (int code : {21, 64, 70, 175, 178, 231, 235, 238, 240, 242, 244, 250, 373, 431, 442})
        EXPECT_EQ(glyphFamily(code), GlyphFamily::None) << code;
}

}  // namespace
}  // namespace kl
