// Where the calendar pages put things: the moon-month view (four rows of
// seven day cells), the week view (seven day columns), the year view (thirteen
// blocks of 28 small cells in the wavespell's U) and the day-out-of-time page
// that the moon and week views show on 25 July. View coordinates; a centred
// placement is an offset from the centre line. Sign codes are a family's
// base (layout/signcodes.h) plus the number it is indexed by.
#pragma once

#include "layout/signcodes.h"

namespace kl::layout {

struct Point {
    int x, y;
};

// The day-out-of-time page of the moon and week views: its dot, the day's
// seal with its tone above, and two lines of text; all centred.
namespace doot {
inline constexpr Point kDot{6, 146};
inline constexpr Point kSeal{0, 218};
inline constexpr Point kTone{0, 198};
inline constexpr Point kDayText{0, 280};
inline constexpr Point kOutOfTimeText{0, 295};
}  // namespace doot

// How the Gregorian date under a day is set: formats 0 and 1 (with the year)
// in `longPreset`, `longDrop` pixels below where the short formats stand in
// `shortPreset`.
struct DateStyle {
    int longDrop;
    int longPreset, shortPreset;
};
// Under the cells of the calendar pages and the icons: the long formats in
// small print 5 pixels lower than the short ones in the name font.
inline constexpr DateStyle kCellDate{5, 6, 2};

namespace moon {
// Header: the moon's tone, its name and action, the totem's caption and name.
inline constexpr Point kTone{272, 3};
inline constexpr Point kName{8, 43};
inline constexpr Point kAction{8, 63};
inline constexpr Point kTotemCaption{200, 47};
inline constexpr Point kTotem{200, 63};
// The rune of a moon of the years 2000..2004.
inline constexpr Point kYearRune{100, 30};
inline constexpr int kRuneYearFirst = 2000, kRuneYearLast = 2004;
// Cell (row i 1..4, column j 1..7): x = 76 j, y = 86 i; the parts are
// offsets from (x, y).
inline constexpr int kPitchX = 76, kPitchY = 86;
inline constexpr int kPlasmaDX = -13, kPlasmaY = 95;  // column headings over row 1
inline constexpr Point kFrame{-30, 50};
inline constexpr int kWeekNumberX = 6, kWeekNumberDY = 80;  // beside column 1
inline constexpr Point kMarker{-18, 73};
inline constexpr Point kSeal{-4, 73};
inline constexpr Point kTone35{-4, 53};
inline constexpr Point kDayNumber{-312, 58};  // centred
inline constexpr Point kDate{-295, 107};      // centred; short formats
inline constexpr Point kShine{-40, 40};
// Shine types by the cell's cromatic 1..4.
inline constexpr int kShineOfCromatic[5] = {1, 1, 6, 7, 8};
}  // namespace moon

namespace week {
inline constexpr int kPitchX = 76;  // column i 1..7 at x = 76 i
// The frame lines of week w, q = w mod 4 picks their colour.
inline constexpr Point kLineTop{27, 72};
inline constexpr Point kLineRight{582, 100};
inline constexpr Point kLineLeft{27, 100};
inline constexpr Point kLineBottom{27, 424};
inline constexpr Point kCaption{10, 35};  // centred "Week n"
// The figure: column i shows its first i lines at (x - 14, 220); the whole
// figure and its number beside the last column.
inline constexpr int kFigureDX = -14, kFigureTop = 220;
inline constexpr Point kWholeFigure{517, 222};
inline constexpr Point kFigureNumber{-236, 234};  // centred
// Parts of column i, as x offsets from 76 i and absolute y.
inline constexpr Point kMarker{-18, 159};
inline constexpr Point kVinal40{-4, 375};
inline constexpr Point kVinalCount{-21, 380};
inline constexpr Point kVinal50{-20, 370};
inline constexpr Point kRune{-15, 280};
inline constexpr Point kMoonDaySign{-20, 325};
inline constexpr Point kPlasma{-13, 90};
inline constexpr Point kFrame{-30, 129};
inline constexpr Point kSeal{-4, 159};
inline constexpr Point kTone35{-4, 139};
inline constexpr Point kDayNumber{-312, 144};  // centred
inline constexpr Point kDate{-295, 193};       // centred; short formats
inline constexpr Point kShine{-40, 119};
inline constexpr int kShineType = 5;
// Years up to this one show no figures.
inline constexpr int kLastYearWithoutFigures = 1996;
}  // namespace week

namespace year {
// The header over the grid's right half: the calendar's name, "year" and
// the bearer's colour, tone and seal; centred.
inline constexpr Point kTitle{126, 8};
inline constexpr Point kYearCaption{126, 27};
inline constexpr Point kBearerName{126, 40};
// Cell of day j (0..6) of week w (0..3) of the block at (column, row):
// x0 = 128 column + 17 j + 20, y0 = 100 row + 23 w - 78.
inline constexpr int kBlockPitchX = 128, kBlockPitchY = 100;
inline constexpr int kCellPitchX = 17, kCellPitchY = 23;
inline constexpr int kCellX = 20, kCellY = -78;
inline constexpr Point kCellFrame{-1, -7};
inline constexpr Point kCellTone{0, -7};
// The dot of the day-out-of-time grid, beside the first moon.
inline constexpr Point kGridDot{143, 46};
// The year bearer's seal with its tone above.
inline constexpr Point kBearerSeal{236, 22};
inline constexpr Point kBearerTone{236, 2};
// On 25 July: the day out of time large, with its two lines.
inline constexpr Point kDootSeal{236, 118};
inline constexpr Point kDootTone{236, 98};
inline constexpr Point kDootDayText{-82, 180};        // centred
inline constexpr Point kDootOutOfTimeText{-82, 195};  // centred
// The current day's icon in the middle of the U.
inline constexpr Point kIconSeal{315, 240};
inline constexpr Point kIconMarker{301, 240};
inline constexpr Point kIconTone{315, 220};
inline constexpr Point kIconDate{-12, 274};  // centred; short formats
inline constexpr Point kIconFrame{289, 217};
inline constexpr Point kIconDayNumber{-29, 225};  // centred
// On other days the day out of time sits in a cell of its own below the
// bearer, with its caption in small print.
inline constexpr Point kDot{167, 62};
inline constexpr Point kDootFrame{244, 115};
inline constexpr Point kDootCellSeal{245, 122};
inline constexpr Point kDootCellTone{245, 115};
inline constexpr Point kDootCaptionDay{-82, 163};         // centred
inline constexpr Point kDootCaptionOutOfTime{-82, 173};  // centred
// The line from the current cell ends at the icon, on the side of its moon.
inline constexpr Point kLineEnd[14] = {{0, 0},                                                   // unused
                                       {284, 221}, {284, 235}, {284, 248}, {284, 262}, {284, 275},  // 1..5
                                       {293, 287}, {319, 287}, {340, 287},                          // 6..8
                                       {350, 275}, {350, 262}, {350, 248}, {350, 235}, {350, 221}}; // 9..13
inline constexpr Point kShine{-13, -19};
inline constexpr int kShineType = 4;
inline constexpr int kLinePicture = 0;
// Weeks before this one take a kin's first place in the year, the others
// its last (a kin of the first 104 days comes back 260 days later).
inline constexpr int kSecondHalfWeek = 25;
}  // namespace year

// The pulse lines join tone points of the wavespell's U: tone t sits at
// column c, row r (tones 1..5 down column 1, 6..9 along row 5, 10..12 up
// column 5, 13 at column 4, row 2), its point at (102 c + 15, 91 r - 30).
namespace pulse {
inline constexpr int kPitchX = 102, kPitchY = 91;
inline constexpr int kOriginX = 15, kOriginY = -30;
}  // namespace pulse

}  // namespace kl::layout
