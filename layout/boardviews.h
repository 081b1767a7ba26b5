// Where the board views put things: the wings (the five castles), the
// wavespell's thirteen days on its U, and the Tzolkin's cells. View
// coordinates; a centred placement is an offset from the centre line. Sign
// codes are a family's base (layout/signcodes.h) plus the number it is indexed by.
#pragma once

#include "layout/calendarviews.h"
#include "layout/colour.h"
#include "layout/signcodes.h"

namespace kl::layout {

// The castle (1..5) and wavespell (1..20) of a kin: 52 kins to a castle,
// 13 to a wavespell.
constexpr int castleOf(int kin) { return (kin - 1) / 52 + 1; }
constexpr int wavespellOf(int kin) { return (kin - 1) / 13 + 1; }

namespace wings {
inline constexpr Point kBoard{0, 10};  // centred
// tech.dat: line 2k - 2 the x, line 2k - 1 the y of kin k's cell; the shine
// sits at (x - 7, y - 14).
inline constexpr const char* kCellFile = "tech.dat";
inline constexpr Point kShine{-7, -14};
inline constexpr int kShineType = 3;
// The castle's texts on the left and the wavespell's on the right, centred.
inline constexpr int kCastleX = -181;
inline constexpr int kTitleY = 0, kColourY = 60, kNameY = 75, kCourtY = 90, kKinsY = 125;
inline constexpr int kWaveX = 182;
inline constexpr int kModuleY = 1, kWaveNameY = 14, kWaveKinsY = 28, kWaveAimY = 42;
// The day's icon under the wavespell's texts.
inline constexpr Point kIconFrame{445, 75};
inline constexpr Point kIconMarker{457, 98};
inline constexpr Point kIconSeal{471, 98};
inline constexpr Point kIconTone{471, 78};
inline constexpr Point kIconDayNumber{164, 83};  // centred
inline constexpr Point kIconDate{181, 132};      // centred; short formats
}  // namespace wings

namespace wave {
inline constexpr Point kBoard{25, 12};  // centred
inline constexpr Point kModule{240, 20};
inline constexpr Point kCreation{216, 50};
inline constexpr int kTitlePreset = 8;
// Day (tone) i of a wavespell at column and row of the U: days 1..5 down
// column 0 from row 1, 6..9 along row 5, 10..12 up column 4, 13 at column 3,
// row 2. With g = 102 column and h = 91 row the day's parts are offsets
// from (g, h).
inline constexpr int kPitchX = 102, kPitchY = 91;
constexpr Point slot(int i) {
    if (i <= 5) return {0, i};
    if (i <= 9) return {i - 5, 5};
    if (i <= 12) return {4, 14 - i};
    return {3, 2};
}
inline constexpr Point kSeal{79, -44};
inline constexpr Point kTone{79, -68};
inline constexpr Point kGuide{128, -35};
// The date under the day, centred: with the year in small print one pixel
// lower than the short formats.
inline constexpr Point kDate{-180, 2};
inline constexpr DateStyle kDateStyle{1, 6, 3};
inline constexpr Point kShine{50, -91};
inline constexpr int kShineType = 0;
}  // namespace wave

namespace tzolkin {
// Kins run down the 20 rows of a column and the 13 columns from left to
// right; the shine of kin k sits at (23 c + 156, 22 r + 16).
inline constexpr int kPitchX = 23, kPitchY = 22;
inline constexpr Point kShineOrigin{156, 16};
constexpr Point shineAt(int kin) {
    return {kPitchX * ((kin - 1) / 20) + kShineOrigin.x, kPitchY * ((kin - 1) % 20) + kShineOrigin.y};
}
inline constexpr int kShineType = 2;
// Fills of the marked cells, which the legend repeats: the mystic column
// (kins 121..140) and the portal kins.
inline constexpr Rgb kMysticFill{88, 88, 102};
inline constexpr Rgb kPortalFill{20, 92, 36};
}  // namespace tzolkin

}  // namespace kl::layout
