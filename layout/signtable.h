// The sign codes: one integer names every sign picture of the full-screen
// views. One row per run of codes says what the pictures are, how their
// files are named, which colour is their transparent key, how large the
// generator draws them (and so where the views place them), and which glyph
// family rebuilds them from symbol fonts in an exported script.
//
// Sizes say where the views put the pictures:
// Compact face (600 x 450): the large seal is drawn at (224, 220) and fills
// hot rectangle 2 (226, 222)-(298, 294); the tone at (227, 182) stays inside
// rectangle 1 (226, 177)-(298, 217) and above the seal; the plasma at
// (150, 216) covers rectangle 4 (154, 218)-(208, 272); the guide's small seal
// at (308, 229) fills rectangle 3 (310, 231)-(370, 291).
#pragma once

#include <string>

#include "layout/colour.h"
#include "layout/signcodes.h"

namespace kl::layout {

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
// Boards and whole-view pictures are drawn by their own generators; their
// sizes live with the view geometry, not here.
inline constexpr PicSize kBoard{};

// How the glyph export rebuilds a sign from symbol-font glyphs.
enum class GlyphFamily {
    None,         // nothing is written
    Seal,         // colour tile 'W', then the seal letter
    Tone,         // the tone letter
    Plasma,       // colour disc 'X', then the digit
    Frame,        // '\' in the frame's light colour
    SmallSeal,    // year list: tile and letter
    YearTone,     // year list: the tone letter
    FigurePiece,  // one line of a line figure
    Marker,       // '*'
    Dot,          // '.' in gold; the day out of time's: a bone 'o' under a gold ':'
    Wavespell,    // thirteen '_' at the wavespell's day positions
    LineFigure,   // background, overlay and base glyph
    Rune,         // optional frame '_' and the rune letter
    MoonDaySign,  // up to five coloured layers
    Vinal,        // the vinal letter
    VinalCount,   // the count letter
};

// How the number in a file name is written.
enum class Naming {
    None,     // the code names no picture
    Fixed,    // stem alone ("graphic\0Y.bmp")
    Plain,    // stem + (code - base) + tail, plain decimal
    Padded,   // stem + numsuffix(code - base, 0)
    Grouped,  // stem + numsuffix(m, g): member m and group g of eight
};

struct SignRange {
    int first, last;
    const char* what;
    Naming naming;
    const char* stem;  // without "graphic\" and ".bmp"
    int base;          // subtracted from the code before it is written
    const char* tail;
    bool lightKey;     // key colour (216, 208, 200) instead of black
    PicSize size;      // {0, 0}: a board, or no picture
    int pointSize;     // glyph size in points; 0 when the code has none
    GlyphFamily glyph;
};

// The row of a code; nullptr for a code that names nothing.
const SignRange* signRange(int code);

// The numeric part of picture file names: the decimal digits of `lead`,
// followed by k padded with leading zeros to three digits.
// numsuffix(0, 0) == "0000", numsuffix(19, 0) == "0019", numsuffix(5, 3) == "3005".
std::string numsuffix(int k, int lead);

// The picture file of a sign code, e.g. "graphic\zc450000.bmp" for 78;
// empty for a code that names no picture (21..29, 64..70, 245..250, > 442, < 0).
std::string signFileName(int code);

inline constexpr Rgb kLightKey{216, 208, 200};
// Pixels of exactly this colour are not drawn: RGB (216, 208, 200) for codes
// 100, 155..174 and 179..231, black for every other code.
Rgb signKeyColor(int code);

// The promised size of the picture of a sign code; {0, 0} for codes whose
// picture is a board (drawn elsewhere) or that name no picture.
PicSize signPictureSize(int code);

// The glyph export's size entry: point size, a space, the pixel height
// -round(size x 96 / 72), e.g. "72 -96"; empty for a code without one.
std::string glyphSizeEntry(int code);
// The glyph point size alone; 0 for a code without one.
int glyphPointSize(int code);
GlyphFamily glyphFamily(int code);

// The glyph colour entry of a colour index, with a space before and after
// (" 255 0 0 "): indexes 0..43 cycle red, white, blue, yellow; 100..103 are
// the frames' light colours, 232 the dot's gold, 239 and 243 the markers',
// 372 the bone of the day out of time's dot. Empty for any other.
// Callers use seal + 3, so seal 1 is red and seal 20 yellow.
std::string glyphColourEntry(int index);

}  // namespace kl::layout
