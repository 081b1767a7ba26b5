// How the calendar's glyph export rebuilds a sign on a printed page: which
// letters of which face, in which colour, size and place, beside where the
// picture export puts the sign's picture. The font generator fits each
// glyph to these placements, and the font tests check the fonts against
// them. Positions are page coordinates of a view exported with the export
// state 0 (x less 145 unless centred, y less 50).
#pragma once

#include <string>
#include <vector>

namespace kl::picgen {

// Faces of the glyph export (the sign font's family is platform::kSignFontFamily).
inline constexpr const char* kRuneFace = "VIREV2";
inline constexpr const char* kFigureFace = "RURAZO";
inline constexpr const char* kMoonDayFace = "Vod 7777 urer";
inline constexpr const char* kVinalFace = "ZOVADIRIVAV";
inline constexpr const char* kPieceFace = "KESTRALUNE2x";

struct LayerColour {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const LayerColour&, const LayerColour&) = default;
};

// One FONT + TEXT pair: glyph `glyph` of `face` drawn with its text line's
// top-left corner at (x, y) (centred: x is then the offset of the text's
// centre from the page's centre line), `pixelHeight` pixels to the em.
struct GlyphLayer {
    std::string face;
    char glyph = 0;
    LayerColour colour;
    int pointSize = 0, pixelHeight = 0;
    int x = 0, y = 0;
    bool centred = false;
};

// The picture line and the glyph lines of one sign drawn at view position
// (x, y). The picture's top-left is at (pictX, pictY); when centred the
// picture is centred on the page (its left edge pictX + page width / 2 -
// picture width / 2, truncated). `layers` is empty for codes that the glyph
// export skips.
struct ExportedSign {
    int pictX = 0, pictY = 0;
    bool centred = false;
    std::vector<GlyphLayer> layers;
};
ExportedSign exportSign(int code, int x, int y, bool centred);

// Sign 241 (the wavespell board) is rebuilt from 13 marks, one per day.
inline constexpr int kWavespellBoardCode = 241;

// Every code whose glyph form the views can ask for, and whether views draw
// it centred, not centred, or both.
struct ExportUse {
    int code;
    bool left, centred;
};
const std::vector<ExportUse>& exportUses();

}  // namespace kl::picgen
