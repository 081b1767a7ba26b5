// Sizes of the sign pictures, each derived from where the views place it.
// Shared by the generator and by the tests that check its output.
//
// Compact face (600 x 450): the large seal is drawn at (224, 220) and fills
// hot rectangle 2 (226, 222)-(298, 294); the tone at (227, 182) stays inside
// rectangle 1 (226, 177)-(298, 217) and above the seal; the plasma at
// (150, 216) covers rectangle 4 (154, 218)-(208, 272); the guide's small seal
// at (308, 229) fills rectangle 3 (310, 231)-(370, 291).
#pragma once

namespace kl::picgen {

struct PicSize {
    int w = 0, h = 0;
    friend constexpr bool operator==(PicSize, PicSize) = default;
};

// Large seal, codes 0..20: 2-pixel margin round the 72-pixel rectangle 2.
inline constexpr PicSize kSealLarge{76, 76};
inline constexpr int kSealLargeInset = 2;
// Small seal, codes 30..50: 2-pixel margin round the 60-pixel rectangle 3.
// The oracle stacks it at y 130 above the tone at 195: 64 < 65 rows.
inline constexpr PicSize kSealSmall{64, 64};
inline constexpr int kSealSmallInset = 2;
// Large tone, codes 51..63: from x 227 to 297 and y 182 to 215, inside
// rectangle 1 and clear of the seal at y 220 (and of the oracle's seal at 233).
inline constexpr PicSize kToneLarge{70, 34};
// Large plasma, codes 71..77: the disc covers rectangle 4 exactly (54 pixels
// at offset 4, 2); the picture ends at x 208, clear of the tone at 227.
inline constexpr PicSize kPlasmaLarge{58, 58};
inline constexpr int kPlasmaDiscX = 4, kPlasmaDiscY = 2, kPlasmaDisc = 54;

// Wavespell: seal at (g + 79, h - 44), its tone 24 rows above, the guide
// at (g + 128, h - 35); the 45-pixel set fills the 49-pixel gap between.
inline constexpr PicSize kSeal45{45, 45};
inline constexpr PicSize kTone45{45, 22};
// Moon-month cell (76 x 86) and week column (76 wide): seal at (x - 4, y + 73),
// tone 20 rows above it, marker 14 pixels to its left, plasma heading above.
inline constexpr PicSize kSeal35{35, 35};
inline constexpr PicSize kTone35{35, 18};
inline constexpr PicSize kPlasma35{35, 35};
inline constexpr PicSize kMarker{12, 12};
// Moon-month frame at (x - 30, y + 50) and week frame at (x - 30, 129): one
// whole cell, so that neighbouring frames tile the 76 x 86 grid.
inline constexpr PicSize kCellFrame{76, 86};
// Year view cells are 17 x 23: frame at (x0 - 1, y0 - 7), tone strip at
// (x0, y0 - 7) seven rows high, seal at (x0, y0) fifteen pixels square.
inline constexpr PicSize kYearFrame{17, 23};
inline constexpr PicSize kYearTone{15, 7};
inline constexpr PicSize kSeal15{15, 15};
// Dots: DOT beside the first moon of the year view, DOT1 on the
// day-out-of-time page above the tone at y 198.
inline constexpr PicSize kDot{10, 10};
inline constexpr PicSize kDot1{12, 12};
// Line-figure pieces stack upwards 7 pixels apart: a 5-row line, 2 rows gap.
inline constexpr PicSize kFigurePiece{36, 5};
inline constexpr int kFigurePitch = 7;
// The whole figure replaces the stack of six pieces at the same place (the
// telektonon draws pieces at y0 + 42 - 7i and the figure at y0 - 1), so its
// line i starts at row 43 - 7i.
inline constexpr PicSize kFigure{36, 48};
inline constexpr int kFigureBottomRow = 43;
// Week view: rune at (x - 15, 280) above the day sign at (x - 20, 325),
// which sits above the vinals at y 370.
inline constexpr PicSize kRune{30, 40};
inline constexpr PicSize kMoonDaySign{40, 42};
// Vinal at (x - 20, 370), or the 40-pixel vinal at (x - 4, 375) with its
// count at (x - 21, 380) in the 17 pixels to its left; all end above the
// bottom line at y 424.
inline constexpr PicSize kVinal50{50, 50};
inline constexpr PicSize kVinal40{40, 40};
inline constexpr PicSize kVinalCount{16, 40};
// Week frame lines: the top line at (27, 72) runs to the right line at
// (582, 100) and drops to it at both ends; the side lines run from y 100 to
// the bottom line at (27, 424); columns start at x 46.
inline constexpr PicSize kLineTop{567, 28};
inline constexpr PicSize kLineBottom{567, 12};
inline constexpr PicSize kLineSide{12, 324};

// The promised size of the picture of a sign code; {0, 0} for codes whose
// picture is a board (drawn elsewhere) or that name no picture.
constexpr PicSize signPictureSize(int code) {
    if (code >= 0 && code <= 20) return kSealLarge;
    if (code >= 30 && code <= 50) return kSealSmall;
    if (code >= 51 && code <= 63) return kToneLarge;
    if (code >= 71 && code <= 77) return kPlasmaLarge;
    if (code >= 78 && code <= 97) return kSeal45;
    if (code >= 98 && code <= 117) return kSeal35;
    if (code >= 118 && code <= 130) return kTone45;
    if (code >= 131 && code <= 137) return kPlasma35;
    if ((code >= 138 && code <= 141) || (code >= 235 && code <= 238)) return kCellFrame;
    if (code >= 142 && code <= 154) return kTone35;
    if (code >= 155 && code <= 174) return kSeal15;
    if (code >= 175 && code <= 178) return kYearFrame;
    if (code >= 179 && code <= 231) return kYearTone;
    if (code == 232) return kDot;
    if (code == 233 || code == 234) return kFigurePiece;
    if (code == 239 || code == 243) return kMarker;
    if (code >= 251 && code <= 314) return kFigure;
    if (code >= 315 && code <= 343) return kRune;
    if (code >= 344 && code <= 371) return kMoonDaySign;
    if (code == 372) return kDot1;
    if (code >= 374 && code <= 392) return kVinal50;
    if (code >= 393 && code <= 411) return kVinal40;
    if (code >= 412 && code <= 430) return kVinalCount;
    if (code == 431 || code == 434 || code == 437 || code == 440) return kLineTop;
    if (code == 432 || code == 435 || code == 438 || code == 441) return kLineBottom;
    if (code == 433 || code == 436 || code == 439 || code == 442) return kLineSide;
    return {};
}

}  // namespace kl::picgen
