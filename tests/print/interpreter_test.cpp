// Running scripts onto the page: texts, pictures, moons, the year
// sub-script, the modes, and what happens to lines that cannot be read.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <filesystem>
#include <sys/stat.h>

#include "data/errorlog.h"
#include "print/printfixture.h"
#include "print/report.h"
#include "print/script.h"

namespace kl::print::test {
namespace {

const std::string kFont = "FONT 0 -20 0 0 0 thn nrm DejaVu Sans";

using Interpreter = PrintTest;

TEST_F(Interpreter, TextSitsAtItsCornerOrIsCentred) {
    ASSERT_TRUE(show({kFont, "TEXT 10 20 rgt 'Hello'"}).clean());
    Box b = inkBox(page);
    ASSERT_FALSE(b.empty());
    EXPECT_GE(b.left, 10);
    EXPECT_LE(b.left, 13);
    EXPECT_GE(b.top, 20);
    EXPECT_LE(b.bottom, 20 + 24);

    ASSERT_TRUE(show({kFont, "TEXT 10 20 cnt 'Hello'"}).clean());
    b = inkBox(page);
    EXPECT_NEAR((b.left + b.right) / 2.0, 10 + 100, 3);  // x + canvasWidth div 2

    // Without an align field the quoted text goes to x; an empty text draws nothing.
    ASSERT_TRUE(show({kFont, "TEXT 30 20 'Hello'"}).clean());
    EXPECT_GE(inkBox(page).left, 30);
    ASSERT_TRUE(show({kFont, "TEXT 30 20 cnt ''"}).clean());
    EXPECT_EQ(countNot(page), 0);
}

TEST_F(Interpreter, KeywordsDrawTheSameAsTheirLetters) {
    // 2001-08-21: seal 10 (J), tone 9 (i), plasma 6, guide 6 (F).
    const auto drawn = [&](const std::string& text) {
        EXPECT_TRUE(show({kFont, "TEXT 5 5 rgt " + text}).clean());
        return page.image();
    };
    EXPECT_EQ(drawn("kin"), drawn("'J'"));
    EXPECT_EQ(drawn("TONE"), drawn("'i'"));
    EXPECT_EQ(drawn("plasm"), drawn("'6'"));
    EXPECT_EQ(drawn("guide"), drawn("'F'"));
    EXPECT_NE(drawn("kin"), drawn("'K'"));
}

TEST_F(Interpreter, FontColourAndMonoMode) {
    ASSERT_TRUE(show({"FONT 0 -40 255 0 0 bld nrm DejaVu Sans", "TEXT 5 5 rgt 'M'"}).clean());
    const Box b = inkBox(page);
    ASSERT_FALSE(b.empty());
    bool sawRed = false;
    for (int y = b.top; y <= b.bottom; ++y)
        for (int x = b.left; x <= b.right; ++x)
            sawRed = sawRed || page.pixel(x, y) == Rgb{255, 0, 0};
    EXPECT_TRUE(sawRed);
    EXPECT_EQ(state.pageFont.colour, (Rgb{255, 0, 0}));
    EXPECT_TRUE(state.pageFont.bold);

    // In mono mode a colour becomes white, and only black stays black.
    state.monoMode = true;
    ASSERT_TRUE(show({"FONT 0 -40 255 0 0 thn nrm DejaVu Sans", "TEXT 5 5 rgt 'M'"}).clean());
    EXPECT_EQ(countNot(page), 0);
    ASSERT_TRUE(show({"FONT 0 -40 256 0 0 thn nrm DejaVu Sans", "TEXT 5 5 rgt 'M'"}).clean());
    EXPECT_GT(countNot(page), 0);  // 256 is 0 modulo 256: black
}

TEST_F(Interpreter, FontHeightsNegativePositiveAndDefault) {
    FontSpec fontSpec;
    fontSpec.face = "DejaVu Sans";
    fontSpec.height = -30;
    EXPECT_EQ(pageQFont(fontSpec, -13).pixelSize(), 30);
    fontSpec.height = 30;  // a cell height: ascent + descent
    const QFontMetrics m(pageQFont(fontSpec, -13));
    EXPECT_NEAR(m.ascent() + m.descent(), 30, 1);
    EXPECT_LT(pageQFont(fontSpec, -13).pixelSize(), 30);
    fontSpec.height = 0;
    EXPECT_EQ(pageQFont(fontSpec, -17).pixelSize(), 17);
    fontSpec.face.clear();  // the sign font
    EXPECT_EQ(pageQFont(fontSpec, -17).family().toStdString(), kDefaultSignFont);
}

TEST_F(Interpreter, PreviewModeRunsOnlyFontLines) {
    state.previewMode = true;
    std::vector<FontSpec> previewed;
    RunHooks hooks;
    hooks.previewFont = [&](const FontSpec& f) { previewed.push_back(f); };
    state.script.lines = {"Syntax error:", kFont, "TEXT 5 5 rgt 'Hello'", "MOON 0 0 10 0 IMAGE", "FONT 1 -9 1 2 3 bld itl X"};
    page = Picture(200, 100, kWhite);
    const RunResult r = drawimage(state, state.script.lines, page, hooks);
    EXPECT_TRUE(r.clean());
    EXPECT_EQ(countNot(page), 0);
    ASSERT_EQ(previewed.size(), 2u);
    EXPECT_EQ(previewed[1].face, "X");
    EXPECT_EQ(previewed[1].colour, (Rgb{1, 2, 3}));
    EXPECT_EQ(state.script.lines.size(), 5u);  // the marker stays in preview mode
}

TEST_F(Interpreter, UnreadableLinesAreMarkedAndTheRunGoesOn) {
    const std::vector<std::string> script = {"[Main script]", "TEXT x 0 cnt 'a'", kFont, "TEXT 0 0 cnt 'Hello'",
                                             "FONT 1 -2 z 0 0 a b c"};
    const RunResult r = show(script);
    EXPECT_EQ(r.failedLines, 2);
    EXPECT_GT(countNot(page), 0);  // the good text after the bad line was drawn
    const std::vector<std::string> marked = {"[Main script]", "Syntax error:",       "TEXT x 0 cnt 'a'",
                                             "///Syntax error\\\\\\", kFont,          "TEXT 0 0 cnt 'Hello'",
                                             "Syntax error:",       "FONT 1 -2 z 0 0 a b c", "///Syntax error\\\\\\"};
    EXPECT_EQ(state.script.lines, marked);
    ASSERT_EQ(r.failures.size(), 2u);
    EXPECT_EQ(r.failures[0].sender, "text in printpage");
    EXPECT_EQ(r.failures[0].index, 1u);
    EXPECT_EQ(r.failures[1].sender, "font in printpage");
    EXPECT_EQ(r.failures[1].index, 4u);  // its place in the script as given, before marking
    // The caret goes after the first failing line: 13 + 16 characters.
    EXPECT_EQ(r.caretOffset, 29);

    // The next run removes the old markers and puts new ones: the script
    // does not grow.
    const RunResult again = showPage(state, page);
    EXPECT_EQ(again.failedLines, 2);
    ASSERT_EQ(again.failures.size(), 2u);
    EXPECT_EQ(again.failures[0].index, 2u);
    EXPECT_EQ(again.failures[1].index, 7u);
    EXPECT_EQ(state.script.lines, marked);

    // The window reports the run once: one box, one report, no request to end.
    std::vector<std::string> reports;
    setReportSink([&](const std::string& bytes) {
        reports.push_back(bytes);
        return true;
    });
    reportRun(r);
    setReportSink({});
    ASSERT_EQ(kl::test::recorded().messages.size(), 1u);
    const std::string& box = kl::test::recorded().messages[0];
    EXPECT_NE(box.find("ERROR! ERROR CODE:106"), std::string::npos);
    EXPECT_NE(box.find("Syntax error at line 1"), std::string::npos);
    EXPECT_NE(box.find("Lines failed in this run: 2."), std::string::npos) << box;
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("string:TEXT x 0 cnt 'a'"), std::string::npos);
    EXPECT_NE(reports[0].find("ERROR SENDER:text in printpage"), std::string::npos);
    EXPECT_EQ(kl::test::recorded().terminateRequests, 0);
}

TEST_F(Interpreter, OutOfRangeValuesAreRefusedAsUnreadable) {
    const RunResult r = show({"MOON 0 0 0 50 IMAGE", "MOON 0 0 4097 50 IMAGE", "MOON 0 0 -5 50 IMAGE",
                              "FONT 0 -801 0 0 0 thn nrm Arial",  // more than 4 x the 200-pixel side
                              "FONT 0 800 0 0 0 thn nrm Arial", "TEXT 2147483647 2147483647 cnt 'far away'",
                              "TEXT -2147483648 0 cnt 'x'"});
    EXPECT_EQ(r.failedLines, 4);
    EXPECT_EQ(r.missingPictures, 0);
    EXPECT_EQ(countNot(page), 0);
}

TEST_F(Interpreter, TheLargestMoonIsDrawn) {
    // Its disc's centre on the page's centre.
    EXPECT_TRUE(show({"MOON -1948 -1998 4096 0 0 0 255"}).clean());
    EXPECT_EQ(page.pixel(100, 50), (Rgb{0, 0, 255}));
}

TEST_F(Interpreter, MissingPicturesGiveOneMessageWithACount) {
    const RunResult r = show({"PICT 0 0 0 0 0 rgt 'graphic\\none1.bmp'", "PICT 0 0 0 0 0 rgt 'none2.bmp'",
                              "PICT 0 0 0 0 0 rgt ''", "PICT 0 0 0 0 0 rgt"});
    EXPECT_EQ(r.missingPictures, 4);
    EXPECT_EQ(r.failedLines, 0);
    EXPECT_EQ(state.script.lines.size(), 4u);  // not marked: the lines are fine
    reportRun(r);
    ASSERT_EQ(kl::test::recorded().messages.size(), 1u);
    const std::string& box = kl::test::recorded().messages[0];
    EXPECT_NE(box.find(kMissingFileMessage), std::string::npos);
    EXPECT_NE(box.find("Pictures not drawn: 4."), std::string::npos) << box;
    EXPECT_FALSE(logWritten());
}

TEST_F(Interpreter, PicturesUseTheirKeyColourAndCentre) {
    Picture bmp(4, 3, {0, 0, 255});
    bmp.setPixel(0, 0, {10, 20, 30});
    bmp.setPixel(3, 2, {10, 20, 30});
    writeBitmap("graphic/Small.bmp", bmp);
    ASSERT_TRUE(show({"PICT 5 6 10 20 30 rgt 'GRAPHIC\\small.bmp'"}).clean());
    EXPECT_EQ(page.pixel(5, 6), kWhite);  // key colour: transparent
    EXPECT_EQ(page.pixel(6, 6), (Rgb{0, 0, 255}));
    EXPECT_EQ(page.pixel(8, 8), kWhite);
    EXPECT_EQ(inkBox(page).left, 5);
    EXPECT_EQ(state.lastKeyColour, (Rgb{10, 20, 30}));

    ASSERT_TRUE(show({"PICT 5 6 0 0 0 cnt 'graphic\\small.bmp'"}).clean());
    EXPECT_EQ(inkBox(page).left, 5 + 100 - 2);
    EXPECT_EQ(page.pixel(103, 6), (Rgb{10, 20, 30}));  // black key: nothing left out

    // Absolute names, as the picture dialog gives them, and pictures partly
    // off the page.
    ASSERT_TRUE(show({"PICT -2 98 0 0 0 rgt '" + path("graphic/small.bmp") + "'"}).clean());
    EXPECT_EQ(inkBox(page).left, 0);
    EXPECT_EQ(inkBox(page).bottom, 99);
}

TEST_F(Interpreter, PictReadsOnlyBoundedRegularBitmaps) {
    std::filesystem::create_directories(path("graphic/dir.bmp"));
    ASSERT_EQ(::mkfifo(path("graphic/pipe.bmp").c_str(), 0600), 0);
    // A header that claims a 100000 x 100000 picture.
    std::string forged = "BM" + std::string(12, '\0') + std::string("\x28\0\0\0", 4) + std::string("\xA0\x86\x01\0", 4) +
                         std::string("\xA0\x86\x01\0", 4) + std::string(40, '\0');
    writeFile("graphic/huge.bmp", forged);
    writeFile("graphic/text.bmp", "just some text, not a picture");
    const RunResult r = show({"PICT 0 0 0 0 0 rgt 'graphic\\dir.bmp'", "PICT 0 0 0 0 0 rgt 'graphic\\pipe.bmp'",
                              "PICT 0 0 0 0 0 rgt 'graphic\\huge.bmp'", "PICT 0 0 0 0 0 rgt 'graphic\\text.bmp'"});
    EXPECT_EQ(r.missingPictures, 4);
    ASSERT_EQ(r.failures.size(), 4u);
    EXPECT_NE(r.failures[0].detail.find("not a regular file"), std::string::npos);
    EXPECT_NE(r.failures[1].detail.find("not a regular file"), std::string::npos);
    EXPECT_NE(r.failures[2].detail.find("too large"), std::string::npos);
    EXPECT_NE(r.failures[3].detail.find("not a bitmap"), std::string::npos);
}

// A decoder draws what a short file lacks as black: such a file is refused
// as a missing picture, whole or not at all.
TEST_F(Interpreter, PictRefusesBitmapsShorterThanTheirPixels) {
    writeBitmap("graphic/whole.bmp", Picture(40, 30, {200, 10, 10}));
    const std::string whole = readFile("graphic/whole.bmp");
    writeFile("graphic/cut.bmp", whole.substr(0, whole.size() - 3));
    // A header claiming 5000 x 6000 at 24 bits, in a file of 70 bytes.
    std::string claim = whole.substr(0, 54);
    claim.replace(18, 8, std::string("\x88\x13\0\0\x70\x17\0\0", 8));
    writeFile("graphic/claim.bmp", claim + std::string(16, '\0'));
    ASSERT_EQ(readFile("graphic/claim.bmp").size(), 70u);
    const RunResult r = show({"PICT 0 0 1 1 1 rgt 'graphic\\cut.bmp'", "PICT 0 0 1 1 1 rgt 'graphic\\claim.bmp'",
                              std::string("PICT 0 0 1 1 1 rgt 'graphic\\whole.bmp") + '\0' + "x'"});
    EXPECT_EQ(r.missingPictures, 3);
    EXPECT_EQ(r.failedLines, 0);
    EXPECT_TRUE(inkBox(page).empty());  // nothing drawn, not even a black block
    ASSERT_EQ(r.failures.size(), 3u);
    EXPECT_NE(r.failures[0].detail.find("shorter than its pixel data"), std::string::npos);
    EXPECT_NE(r.failures[1].detail.find("shorter than its pixel data"), std::string::npos);
    EXPECT_NE(r.failures[2].detail.find("NUL"), std::string::npos);
    EXPECT_NE(runSummary(r).find(kMissingFileMessage), std::string::npos);
    EXPECT_TRUE(show({"PICT 0 0 1 1 1 rgt 'graphic\\whole.bmp'"}).clean());
}

class Moon : public PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        writeBitmap("graphic/moon2.bmp", Picture(240, 240, {0, 0, 200}));
    }
};

TEST_F(Moon, ImageLookShowsTheMoonPictureThroughThePhase) {
    ASSERT_TRUE(show({"MOON 10 10 80 50 IMAGE"}).clean());  // full moon
    EXPECT_EQ(page.pixel(50, 50), (Rgb{0, 0, 200}));
    EXPECT_EQ(page.pixel(11, 11), kWhite);  // the square's corner is outside the disc
    const Box b = inkBox(page);
    EXPECT_GE(b.left, 10);
    EXPECT_LE(b.right, 89);

    ASSERT_TRUE(show({"MOON 10 10 80 0 image"}).clean());  // new moon: nothing lit
    EXPECT_EQ(page.pixel(50, 50), kWhite);
    // Waxing: the right half is lit.
    ASSERT_TRUE(show({"MOON 10 10 80 25 IMAGE"}).clean());
    EXPECT_EQ(page.pixel(75, 50), (Rgb{0, 0, 200}));
    EXPECT_EQ(page.pixel(25, 50), kWhite);
}

TEST_F(Moon, ColourLookInksTheShadowWithAnOutline) {
    // Phase 50 in colour is drawn with the shape of phase 100: only the outline.
    ASSERT_TRUE(show({"MOON 10 10 80 50 255 0 0"}).clean());
    EXPECT_EQ(page.pixel(50, 50), kWhite);
    const Rgb edge = page.pixel(10, 50);
    EXPECT_GT(edge.r, 200);
    EXPECT_LT(edge.g, 200);
    // Phase 0 in colour: the whole disc in the colour.
    ASSERT_TRUE(show({"MOON 10 10 80 0 255 0 0"}).clean());
    EXPECT_EQ(page.pixel(50, 50), (Rgb{255, 0, 0}));
    // A look that is not a colour is white: fill and outline vanish on white.
    ASSERT_TRUE(show({"MOON 10 10 80 0 red"}).clean());
    EXPECT_EQ(countNot(page), 0);
    // Phases outside 0..100 go round the cycle.
    ASSERT_TRUE(show({"MOON 10 10 80 100 255 0 0"}).clean());
    const Picture hundred = page;
    ASSERT_TRUE(show({"MOON 10 10 80 300 255 0 0"}).clean());
    EXPECT_EQ(page.image(), hundred.image());
    ASSERT_TRUE(show({"MOON 10 10 80 2147483647 255 0 0"}).clean());
}

TEST_F(Moon, PicturesAndMoonsCoverTheirWholeSquare) {
    // On a black page every edge of a picture and of a moon's square shows,
    // up to the page's own last column and row.
    state.background = {0, 0, 0};
    writeBitmap("graphic/block.bmp", Picture(4, 3, {0, 0, 255}));
    ASSERT_TRUE(show({"PICT 5 6 1 1 1 rgt 'graphic\\block.bmp'", "PICT 196 97 1 1 1 rgt 'graphic\\block.bmp'",
                      "MOON 30 20 80 50 IMAGE"})
                    .clean());
    const Rgb black{0, 0, 0}, blue{0, 0, 255};
    EXPECT_EQ(page.pixel(5, 6), blue);
    EXPECT_EQ(page.pixel(8, 8), blue);
    EXPECT_EQ(page.pixel(9, 6), black);
    EXPECT_EQ(page.pixel(5, 9), black);
    EXPECT_EQ(page.pixel(199, 99), blue);
    EXPECT_EQ(page.pixel(195, 99), black);
    for (int y : {20, 60, 99}) {
        // The square's corners and the disc's rim are white.
        EXPECT_EQ(page.pixel(29, y), black) << y;
        EXPECT_EQ(page.pixel(30, y), kWhite) << y;
        EXPECT_EQ(page.pixel(109, y), kWhite) << y;
        EXPECT_EQ(page.pixel(110, y), black) << y;
    }
    EXPECT_EQ(page.pixel(60, 19), black);
}

TEST_F(Moon, MissingMoonPictureIsAPaintmoonFailure) {
    std::filesystem::remove(path("graphic/moon2.bmp"));
    const RunResult r = show({"MOON 0 0 20 50 IMAGE", "MOON 0 0 20 50 0 0 0"});
    EXPECT_EQ(r.failedLines, 1);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].kind, LineFailure::Kind::DrawFailed);
    EXPECT_EQ(r.failures[0].sender, "paintmoon in printpage");
    EXPECT_EQ(state.script.lines.size(), 2u);  // a drawing failure does not mark the line
    EXPECT_GT(countNot(page), 0);              // the coloured moon still drew
}

TEST_F(Interpreter, YearRunsTheSubScriptOnce) {
    state.script.yearExportList = {kFont, "TEXT 0 0 rgt 'Y'", "YEAR 1 2 3"};
    state.progressMode = 0;
    const RunResult r = show({"YEAR 53 12 1"});
    EXPECT_TRUE(state.yearDrawn);
    EXPECT_EQ(state.progressMode, 2);
    EXPECT_GT(countNot(page), 0);
    // The year sub-script's own YEAR line does not run it again.
    EXPECT_EQ(r.failedLines, 1);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_TRUE(r.failures[0].inYearList);
    EXPECT_EQ(r.failures[0].sender, "pyear in printpage");

    state.script.yearExportList.clear();
    EXPECT_TRUE(show({"YEAR 53 12 1"}).clean());  // an empty list draws nothing
    EXPECT_EQ(countNot(page), 0);
    EXPECT_EQ(show({"YEAR x 12 1"}).failedLines, 1);
}

TEST_F(Interpreter, ProgressModes) {
    std::vector<int> values;
    RunHooks hooks;
    hooks.progress = [&](int v) { values.push_back(v); };
    page = Picture(200, 100, kWhite);

    state.progressMode = 0;
    std::vector<std::string> three = {"a", "b", "c"};
    drawimage(state, three, page, hooks);
    EXPECT_EQ(values, (std::vector<int>{0, 50, 100}));

    values.clear();
    state.progressMode = 1;
    state.progressValue = 10;
    std::vector<std::string> one = {"a"};
    drawimage(state, one, page, hooks);  // one line: no division by zero
    EXPECT_EQ(values, (std::vector<int>{50}));

    values.clear();
    for (std::uint8_t mode : {2, 5, 20}) {
        state.progressMode = mode;
        drawimage(state, three, page, hooks);
    }
    EXPECT_TRUE(values.empty());
}

TEST_F(Interpreter, ShowRefusesPageSizesOutOfRange) {
    for (auto [w, h] : {std::pair{0, 10}, {10, -1}, {16385, 10}, {16384, 16384}}) {
        state.script.canvasWidth = w;
        state.script.canvasHeight = h;
        const RunResult r = show({kFont});
        EXPECT_TRUE(r.refused) << w << "x" << h;
        EXPECT_EQ(r.refusal, kTooLargeMessage);
    }
    state.script.canvasWidth = 16384;
    state.script.canvasHeight = 8192;  // 2^27 pixels exactly
    EXPECT_TRUE(validPageSize(16384, 8192));
    EXPECT_FALSE(validPageSize(16384, 8193));
}

TEST_F(Interpreter, MonoPageKeepsItsFirstRowAndColumn) {
    state.background = {200, 0, 0};
    state.monoMode = true;
    ASSERT_TRUE(show({}).clean());
    EXPECT_EQ(page.pixel(0, 0), (Rgb{200, 0, 0}));
    EXPECT_EQ(page.pixel(5, 0), (Rgb{200, 0, 0}));
    EXPECT_EQ(page.pixel(0, 5), (Rgb{200, 0, 0}));
    EXPECT_EQ(page.pixel(1, 1), (Rgb{66, 66, 66}));
    EXPECT_EQ(page.pixel(199, 99), (Rgb{66, 66, 66}));
}

class Rescale : public PrintTest {};

TEST_F(Rescale, DoubleScalesPageScriptAndYearListTogether) {
    state.script.canvasWidth = 380;
    state.script.canvasHeight = 380;
    state.script.lines = {"[Day info script]", "FONT 12 -16 0 0 0 thn nrm Arial", "TEXT 10 15 cnt 'A'",
                          "PICT 3 4 0 0 0 rgt 'graphic\\5Y.bmp'", "MOON 281 166 60 42 IMAGE", "YEAR 53 12 1",
                          "YEAR 53 12 1"};
    state.script.yearExportList = {"TEXT 7 9 rgt 'x'"};
    const RunResult r = doublePage(state, page);
    EXPECT_TRUE(r.clean());
    EXPECT_EQ(state.canvasWidth(), 760);
    EXPECT_EQ(state.canvasHeight(), 760);
    EXPECT_EQ(page.width(), 760);
    EXPECT_EQ(state.script.lines,
              (std::vector<std::string>{"[Day info script]", "FONT 24 -32 0 0 0 thn nrm Arial", "TEXT 20 30 cnt 'A'",
                                        "PICT 6 8 0 0 0 rgt 'graphic\\5Y.bmp'", "MOON 562 332 120 42 IMAGE",
                                        "YEAR 106 24 2", "YEAR 106 24 2"}));
    // Two YEAR lines, one rewrite of the year list.
    EXPECT_EQ(state.script.yearExportList, (std::vector<std::string>{"TEXT 14 18 rgt 'x'"}));

    ASSERT_TRUE(halvePage(state, page).clean());
    EXPECT_EQ(state.canvasWidth(), 380);
    EXPECT_EQ(state.script.lines[2], "TEXT 10 15 cnt 'A'");
}

TEST_F(Rescale, ThePageSizeLineSaysTheNewSizeExactly) {
    state.script.canvasWidth = 375;
    state.script.canvasHeight = 379;
    state.script.lines = {"[Day info script]", "/[PAGE 375 379]", "TEXT 10 15 cnt 'A'"};
    ASSERT_TRUE(halvePage(state, page).clean());
    // The page halves truncating; the line follows the page, not the rounding.
    EXPECT_EQ(state.script.lines[1], "/[PAGE 187 189]");
}

TEST_F(Rescale, AllOrNothing) {
    state.script.canvasWidth = 300;
    state.script.canvasHeight = 200;
    page = Picture(300, 200, kWhite);
    state.script.lines = {"TEXT 10 15 cnt 'A'", "TEXT 2000000000 0 cnt 'far'"};
    state.script.yearExportList = {"TEXT 1 1 rgt 'y'"};
    const PrintState before = state;
    RunResult r = doublePage(state, page);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(state.script.lines, before.script.lines);
    EXPECT_EQ(state.script.yearExportList, before.script.yearExportList);
    EXPECT_EQ(state.canvasWidth(), 300);
    EXPECT_EQ(page.width(), 300);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].line, "TEXT 2000000000 0 cnt 'far'");

    // A page that would be too large, or a side halved to nothing.
    state.script.lines = {"TEXT 10 15 cnt 'A'"};
    state.script.canvasWidth = 10000;
    r = doublePage(state, page);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.refusal, kTooLargeMessage);
    EXPECT_EQ(state.canvasWidth(), 10000);
    EXPECT_EQ(state.script.lines[0], "TEXT 10 15 cnt 'A'");
    state.script.canvasWidth = 1;
    EXPECT_TRUE(halvePage(state, page).refused);
    EXPECT_EQ(state.canvasWidth(), 1);

    // A moon the next run would refuse: the refusal names its line.
    state.script.canvasWidth = 300;
    state.script.lines = {"TEXT 10 15 cnt 'A'", "MOON 0 0 3000 1 IMAGE"};
    r = doublePage(state, page);
    EXPECT_TRUE(r.refused);
    EXPECT_NE(r.refusal.find("line 1 (MOON 0 0 3000 1 IMAGE): the moon size would be 6000"), std::string::npos)
        << r.refusal;
    EXPECT_EQ(state.script.lines[1], "MOON 0 0 3000 1 IMAGE");
}

TEST_F(Rescale, RewriteModeOfTheInterpreterKeepsUnreadableLines) {
    state.rewriteMode = true;
    state.scaleFactor = 2.0;
    state.script.lines = {"[Main script]", "TEXT x 1 cnt 'a'", "/[AFTER RESIZE]", "TEXT 1 2 cnt 'b'"};
    const RunResult r = drawimage(state, state.script.lines, page);
    EXPECT_EQ(r.failedLines, 1);
    EXPECT_EQ(state.script.lines,
              (std::vector<std::string>{"[Main script]", "TEXT x 1 cnt 'a'", "TEXT 2 4 cnt 'b'"}));
}

}  // namespace
}  // namespace kl::print::test
