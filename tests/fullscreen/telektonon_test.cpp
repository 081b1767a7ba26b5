// The telektonon: where the pieces of a day stand, the board cache, the
// day out of time's page and the script an export leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/state.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "fullscreen/viewfixture.h"
#include "layout/signcodes.h"
#include "layout/signtable.h"
#include "platform/pictureset.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/views/telektonon.h"
#include "ui/fullscreen/workpictures.h"

namespace kl::test {
namespace {

using views::PiecePlacement;
using Lines = std::vector<std::string>;
using Pieces = std::vector<PiecePlacement>;

PiecePlacement piece(const std::string& name, int left, int top) {
    std::string mask = name.rfind("tr", 0) == 0 ? std::string("trA") + name.back()
                       : name.rfind("tlpyr", 0) == 0 ? "tlpyrA"
                       : name == "tlcr"              ? "tlcrA"
                                                     : "tlstA";
    return {"graphic\\" + name + ".bmp", "graphic\\" + mask + ".bmp", left, top};
}

class Telektonon : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        _teldrawed = false;
        settings()._Turtles = false;
        boardPicture() = platform::Picture();
    }
    void TearDown() override {
        _teldrawed = false;
        settings()._Turtles = false;
        boardPicture() = platform::Picture();
        ViewTest::TearDown();
    }
    Pieces piecesOn(int year, int month, int day, bool heavenWalk = false) {
        setDate(year, month, day);
        return views::telektononPieces(currentDay, computeKinRelations(currentDay), heavenWalk);
    }
    Lines exportPictures() {
        _TEXTGRAPHIC = false;
        ScriptSink sink;
        paintall(13, 255, &sink);
        return sink.lines;
    }
};

// Marker D is the day's seal; R, W, B, Y the partners of each colour.
TEST_F(Telektonon, PiecesOfAnOrdinaryDay) {
    // 8 December 2026: seal 4, tone 13, day 24 of moon 5; guide 8, occult 17,
    // analog 15, antipode 14.
    EXPECT_EQ(piecesOn(2026, 12, 8), (Pieces{
                                         piece("tlcr", 535, 200),
                                         piece("tlstB", 20, 95),   // seal 4 at 171 degrees
                                         piece("tlstB", 115, 388), // day 24 at 392 degrees
                                         piece("tlstW", 71, 116),  // tone 13 below the dial's point
                                         piece("tlstW", 71, 446),  // moon 5 at 270 degrees
                                         piece("trW2", 334, 158),  // (6, 1), nudged up 10
                                         piece("trY2", 334, 178),  // (6, 1), nudged down 10
                                         piece("trG2", 282, 248),  // back home on (4, 3)
                                         piece("tlpyrG", 200, 234),
                                         piece("tlpyrR", 368, 166),
                                         piece("tlpyrW", 368, 267),
                                         piece("tlpyrB", 368, 234),
                                         piece("tlpyrY", 200, 368),  // the guide, not the day's seal
                                     }));
}

TEST_F(Telektonon, PiecesOfALeapDayAndOfAFarYear) {
    // 29 February is read as 28 February: seal 11, tone 5, day 22 of moon 8.
    const Pieces leap = piecesOn(2028, 2, 29);
    EXPECT_EQ(leap, piecesOn(2028, 2, 28));
    EXPECT_EQ(leap, (Pieces{piece("tlcr", 434, 267), piece("tlstB", 95, 149), piece("tlstB", 123, 411),
                            piece("tlstW", 70, 133), piece("tlstW", 100, 407), piece("trW3", 368, 168),
                            piece("trY2", 401, 168), piece("trG0", 267, 267), piece("tlpyrG", 368, 368),
                            piece("tlpyrR", 200, 133), piece("tlpyrW", 368, 401), piece("tlpyrB", 368, 100),
                            piece("tlpyrY", 200, 368)}));
    // 10 March 1,000,000: seal 1, tone 3, day 4 of moon 9.
    EXPECT_EQ(piecesOn(1'000'000, 3, 10),
              (Pieces{piece("tlcr", 434, 200), piece("tlstB", 47, 57), piece("tlstB", 35, 379), piece("tlstW", 42, 112),
                      piece("tlstW", 89, 392), piece("trW0", 300, 168), piece("trY0", 300, 335),
                      piece("trG0", 282, 248), piece("tlpyrG", 200, 133), piece("tlpyrR", 200, 267),
                      piece("tlpyrW", 368, 133), piece("tlpyrB", 368, 368), piece("tlpyrY", 200, 100)}));
}

TEST_F(Telektonon, TurtlesOnTheFirstDayTheMeetingDayAndAfter) {
    // 7 February 2026, day 1 of moon 8 and seal 20: Y on (2, 6), W on (2, 1),
    // G at home nudged 15 right and down; all face "0". The seal marker sits
    // on (8, 2) and D on (2, -1).
    const Pieces first = piecesOn(2026, 2, 7);
    EXPECT_EQ(first[0], piece("tlcr", 401, 200));
    EXPECT_EQ(first[5], piece("trW0", 200, 168));
    EXPECT_EQ(first[6], piece("trY0", 200, 335));
    EXPECT_EQ(first[7], piece("trG0", 282, 248));
    EXPECT_EQ(first[8], piece("tlpyrG", 200, 100));

    // Day 23: all three on (7, 1), fanned out by their nudges only; no
    // spreading applies to them that day.
    const Pieces meeting = piecesOn(2026, 2, 1);
    EXPECT_EQ(meeting[5], piece("trW0", 350, 152));
    EXPECT_EQ(meeting[6], piece("trY2", 386, 152));
    EXPECT_EQ(meeting[7], piece("trG1", 368, 176));

    // Day 26: Y and W on (4, 1); G at home, or with the heaven walk on
    // (4, 1) too without a nudge.
    const Pieces home = piecesOn(2026, 2, 4);
    EXPECT_EQ(home[5], piece("trW2", 267, 158));
    EXPECT_EQ(home[6], piece("trY2", 267, 178));
    EXPECT_EQ(home[7], piece("trG2", 282, 248));
    const Pieces heaven = piecesOn(2026, 2, 4, true);
    EXPECT_EQ(heaven[7], piece("trG2", 267, 166));
    EXPECT_TRUE(std::equal(home.begin(), home.begin() + 7, heaven.begin()));

    // Through a whole moon the turtles keep to the board's paths and meet
    // on (7, 1); with the heaven walk they end together on (2, 1).
    using layout::telektonon::Cell;
    EXPECT_EQ(views::turtleCells(23, false), (std::array<Cell, 3>{{{7, 1}, {7, 1}, {7, 1}}}));
    EXPECT_EQ(views::turtleCells(28, true), (std::array<Cell, 3>{{{2, 1}, {2, 1}, {2, 1}}}));
    EXPECT_EQ(views::turtleCells(28, false), (std::array<Cell, 3>{{{2, 1}, {2, 1}, {4, 3}}}));
    EXPECT_EQ(views::turtleCells(12, false)[0], (Cell{13, 6}));
}

TEST_F(Telektonon, TwelfthToneAndMoonSitOnTheDialsPoints) {
    const Pieces p = piecesOn(2026, 6, 8);  // tone 12 in moon 12
    EXPECT_EQ(p[3], piece("tlstW", 71, 103));
    EXPECT_EQ(p[4], piece("tlstW", 71, 416));
}

TEST_F(Telektonon, TheGuidesMarkerIsKeptAndOnTheFirstToneStepsAside) {
    // 18 January 2026, kin 40: seal 20 with tone 1 is its own guide. D and
    // the yellow marker share (2, -1): D steps left, yellow right.
    const Pieces p = piecesOn(2026, 1, 18);
    EXPECT_EQ(p[8], piece("tlpyrG", 185, 100));
    EXPECT_EQ(p[12], piece("tlpyrY", 215, 100));

    // On every kin the four colour markers stand on the four partners'
    // cells, the marker of the day's own colour on the guide's.
    for (int kin = 1; kin <= 260; ++kin) {
        CalendarDay day;
        day.kin = static_cast<std::uint16_t>(kin);
        day.sign = static_cast<std::uint8_t>((kin - 1) % 20 + 1);
        day.tone = static_cast<std::uint8_t>((kin - 1) % 13 + 1);
        day.monthDay = 10;
        day.month = 3;
        const KinRelations r = computeKinRelations(day);
        views::PyramidCells cells;
        for (std::uint8_t seal : {r.guide, r.ateacher, r.analog, r.antipod}) views::pyrpos(seal, true, cells);
        views::pyrpos(day.sign, false, cells);
        using layout::telektonon::pyramidCell;
        std::array<layout::telektonon::Cell, 4> colours{cells.r, cells.w, cells.b, cells.y};
        EXPECT_EQ(colours[(day.sign + 3) % 4], pyramidCell(r.guide)) << kin;
        EXPECT_EQ(colours[(r.analog + 3) % 4], pyramidCell(r.analog)) << kin;
        EXPECT_EQ(colours[(r.antipod + 3) % 4], pyramidCell(r.antipod)) << kin;
        EXPECT_EQ(colours[(r.ateacher + 3) % 4], pyramidCell(r.ateacher)) << kin;
        EXPECT_EQ(cells.d, pyramidCell(day.sign)) << kin;
    }
}

TEST_F(Telektonon, PiecesAreDrawnWhereTheyStand) {
    writeAllSigns();
    writeTelektononPieces();
    for (auto [y, m, d] : {std::tuple{2026, 12, 8}, {2026, 1, 18}, {2026, 2, 1}}) {
        setDate(y, m, d);
        paintall(13, 255);
        const Pieces pieces = views::telektononPieces(currentDay, computeKinRelations(currentDay), false);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const PiecePlacement& p = pieces[i];
            const int size = p.picture.find("tlst") != std::string::npos ? 20 : 33;
            // The piece's top-left and bottom-right pixels show it, unless a
            // later piece covers them.
            for (auto [x, yy] : {std::pair{p.left, p.top}, {p.left + size - 1, p.top + size - 1}}) {
                bool covered = false;
                for (std::size_t j = i + 1; j < pieces.size(); ++j) {
                    const int s = pieces[j].picture.find("tlst") != std::string::npos ? 20 : 33;
                    covered |= x >= pieces[j].left && x < pieces[j].left + s && yy >= pieces[j].top &&
                               yy < pieces[j].top + s;
                }
                if (!covered) {
                    EXPECT_EQ(viewPicture().pixel(x, yy), pieceColour(p.picture)) << p.picture;
                }
            }
        }
    }
    EXPECT_EQ(reports(), 0);
}

// On a screen of twice the pixels the view picture is drawn at 2x: the board
// with the 2x set's own pixels, the pieces at twice their places, the texts
// at full resolution; the 1x view is the same before and after.
TEST_F(Telektonon, AtTheTwiceSetTheBoardIsItsOwnPixelsAndThePiecesStandAtTwiceTheirPlaces) {
    writeAllSigns();
    writeTelektononPieces();
    // The 2x board: a checker inside the key's rim, which no 1x picture
    // doubled can show.
    const int board = layout::code::kTelektononBoard;
    const std::string file = layout::signFileName(board);
    platform::Picture sharp(80, 80, layout::signKeyColor(board));
    const platform::Rgb a{10, 200, 90}, b{200, 10, 90};
    for (int y = 2; y < 78; ++y)
        for (int x = 2; x < 78; ++x) sharp.setPixel(x, y, (x + y) % 2 ? b : a);
    std::string twiceFile = platform::pictureInSet(file, 2);
    std::replace(twiceFile.begin(), twiceFile.end(), '\\', '/');
    std::filesystem::create_directories(path("graphic2x"));
    ASSERT_TRUE(sharp.image().save(QString::fromStdString(path(twiceFile))));

    paintall(13, 255);
    const platform::Picture single = viewPicture();
    setViewPictureSet(2);
    paintall(13, 255);
    const platform::Picture twice = viewPicture();
    setViewPictureSet(1);
    paintall(13, 255);
    EXPECT_EQ(viewPicture().image(), single.image()) << "the 1x view after the 2x one";
    EXPECT_EQ(viewPicture().scale(), 1);

    ASSERT_EQ(twice.width(), 1340);
    ASSERT_EQ(twice.height(), 1100);
    EXPECT_EQ(twice.scale(), 2);
    // The board's corner, where its rim ends: the 2x picture's own pixels.
    EXPECT_EQ(twice.pixel(2, 2), a);
    EXPECT_EQ(twice.pixel(3, 2), b);
    EXPECT_EQ(twice.pixel(1, 1), layout::kViewBackground);
    // The pieces are solid pictures: at 2x each pixel of theirs is the 1x
    // pixel of its place.
    const Pieces pieces = views::telektononPieces(currentDay, computeKinRelations(currentDay), false);
    int mismatched = 0;
    for (const PiecePlacement& p : pieces)
        for (int y = p.top; y < p.top + 20; ++y)
            for (int x = p.left; x < p.left + 20; ++x)
                for (int k = 0; k < 4; ++k) mismatched += twice.pixel(2 * x + k % 2, 2 * y + k / 2) != single.pixel(x, y);
    EXPECT_EQ(mismatched, 0);
    // Texts are drawn at 2x: some 2 x 2 blocks outside the board differ
    // within themselves.
    int sharpBlocks = 0;
    for (int y = 100; y < 1100; y += 2)
        for (int x = 0; x < 1340; x += 2) {
            const platform::Rgb c = twice.pixel(x, y);
            sharpBlocks += twice.pixel(x + 1, y) != c || twice.pixel(x, y + 1) != c || twice.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(sharpBlocks, 100);
    EXPECT_EQ(reports(), 0);
}

TEST_F(Telektonon, TheBoardIsBuiltOnceAndKeptOnlyWhenWhole) {
    writeAllSigns();
    writeTelektononPieces();
    paintall(13, 255);
    EXPECT_TRUE(_teldrawed);
    EXPECT_EQ(reports(), 0);
    const Rgb board = signColour(373);
    EXPECT_EQ(viewPicture().pixel(20, 20), board);  // the stand-in board is 40 x 40
    EXPECT_EQ(boardPicture().pixel(20, 20), board);

    // Later paints take the kept board, not the file.
    boardPicture().setPixel(20, 20, {1, 2, 3});
    setDate(2026, 12, 9);
    paintall(13, 255);
    EXPECT_EQ(viewPicture().pixel(20, 20), (Rgb{1, 2, 3}));

    // Selecting the telektonon again builds it afresh.
    _teldrawed = false;
    paintall(13, 255);
    EXPECT_EQ(viewPicture().pixel(20, 20), board);

    // A board whose picture is missing is drawn without it, reported, and
    // not kept: the next paint tries again.
    _teldrawed = false;
    std::filesystem::remove(path("graphic/telectonon.bmp"));
    paintall(13, 255);
    EXPECT_FALSE(_teldrawed);
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(viewPicture().pixel(20, 20), kViewBackground);
    writeSign(373, board);
    paintall(13, 255);
    EXPECT_TRUE(_teldrawed);
}

TEST_F(Telektonon, AMissingPieceIsReportedOnceAndTheBoardStays) {
    writeAllSigns();
    writeTelektononPieces();
    std::filesystem::remove(path("graphic/tlcr.bmp"));
    paintall(13, 255);
    EXPECT_EQ(reports(), 1);
    EXPECT_NE(readFile("errorlog1.err").find("ERROR SENDER:telectonon in fullmode\r\n"), std::string::npos);
    EXPECT_TRUE(_teldrawed);  // the board itself was whole
}

TEST_F(Telektonon, EmptyCaptionsDrawNothingAndAreNoFailure) {
    std::map<int, std::string> empty;
    for (int line = 577; line <= 626; ++line) empty[line] = "";
    writeDatabase(empty);
    writeAllSigns();
    writeTelektononPieces();
    paintall(13, 255);
    EXPECT_EQ(reports(), 0);
    EXPECT_TRUE(_teldrawed);
}

TEST_F(Telektonon, TheFirstAndLastDaysOfTheCalendarAreDrawn) {
    writeAllSigns();
    writeTelektononPieces();
    for (auto [y, m, d] : {std::tuple{2147483647, 12, 31}, {2147483647, 7, 24}, {1, 1, 1}}) {
        setDate(y, m, d);
        paintall(13, 255);
        const Pieces pieces = views::telektononPieces(currentDay, computeKinRelations(currentDay), false);
        EXPECT_EQ(viewPicture().pixel(pieces[0].left + 5, pieces[0].top + 5), pieceColour(pieces[0].picture)) << y;
    }
    setDate(2147483647, 12, 31);  // seal 12, tone 9, day 19 of moon 6
    EXPECT_EQ(currentDay.sign, 12);
    EXPECT_EQ(piecesOn(2147483647, 12, 31)[0], piece("tlcr", 468, 267));
    EXPECT_EQ(reports(), 0);
}

TEST_F(Telektonon, TheDayOutOfTimeHasItsOwnPage) {
    writeAllSigns();
    writeTelektononPieces();
    setDate(2026, 7, 25);  // seal 8, tone 7
    paintall(13, 255);
    EXPECT_EQ(reports(), 0);
    EXPECT_FALSE(_teldrawed);
    EXPECT_EQ(viewPicture().pixel(20, 20), kViewBackground);  // no board
    EXPECT_EQ(viewPicture().pixel(299, 235), signColour(97 + 8));
    EXPECT_EQ(viewPicture().pixel(299, 206), signColour(141 + 7));
    EXPECT_EQ(exportPictures(), (Lines{
                                    "PICT 8 146 0 0 0 cnt 'graphic\\DOT1.bmp'",
                                    "PICT 2 218 0 0 0 cnt 'graphic\\zc350007.bmp'",
                                    "PICT 2 198 0 0 0 cnt 'graphic\\tn350006.bmp'",
                                    "FONT 10 -13 0 0 0 bld nrm Arial",
                                    "TEXT 0 280 cnt 'L420'",
                                    "TEXT 0 295 cnt 'L424'",
                                }));
    // Whatever the year.
    setDate(1, 7, 25);
    EXPECT_EQ(exportPictures().size(), 6u);
    setDate(2147483647, 7, 25);
    EXPECT_EQ(exportPictures().size(), 6u);
}

TEST_F(Telektonon, AnExportWritesTheBoardsTextsAndNeverMarksItBuilt) {
    writeTelektononPieces();
    const Lines expected{
        "PICT 35 0 0 0 0 rgt 'graphic\\telectonon.bmp'",
        "FONT 7 -9 0 0 0 thn nrm Arial",
        "TEXT 322 518 rgt 'L579'",
        "TEXT 322 506 rgt 'L577'",
        "FONT 10 -13 0 0 0 bld nrm Arial",
        "TEXT 235 28 cnt 'L581'",
        "FONT 7 -9 0 0 0 thn nrm Arial",
        "TEXT -50 447 cnt 'L600'",
        "TEXT -50 456 cnt 'l601'",
        "TEXT 59 447 cnt 'L602'",
        "TEXT 59 456 cnt 'l603'",
        "TEXT 231 104 cnt 'L613'",
        "TEXT 231 424 cnt 'L614'",
        "TEXT 231 137 cnt 'L611'",
        "TEXT 231 155 cnt 'l612'",
        "TEXT 231 391 cnt 'L615'",
        "TEXT 345 258 cnt 'L608'",
        "TEXT 345 268 cnt 'l610'",
    };
    EXPECT_EQ(exportPictures(), expected);
    EXPECT_FALSE(_teldrawed);
    // With the board kept, an export still writes it whole.
    writeAllSigns();
    paintall(13, 255);
    ASSERT_TRUE(_teldrawed);
    EXPECT_EQ(exportPictures(), expected);
    EXPECT_TRUE(_teldrawed);
    EXPECT_EQ(reports(), 0);
}

}  // namespace
}  // namespace kl::test
