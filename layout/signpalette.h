// The colours the sign pictures are drawn in. The picture generator paints
// with them, and the views use them where they build a sign from its glyphs
// at a size no picture has, so both show the same sign.
#pragma once

#include "layout/colour.h"

namespace kl::layout::palette {

// The four colours of the count, red, white, blue, yellow, cycling from seal 1.
inline constexpr Rgb kSealColours[4] = {{232, 52, 44}, {242, 242, 238}, {64, 128, 255}, {252, 214, 40}};
constexpr Rgb sealColour(int colourIndex) { return kSealColours[((colourIndex % 4) + 4) % 4]; }
// Dark ink of the emblems on their coloured tiles.
inline constexpr Rgb kInk{16, 10, 40};
// Plates behind the symbols (the plasma's disc): a little lighter than the
// view background, so that a sign reads as a tile.
inline constexpr Rgb kPlate{28, 22, 68};
// Neutral light colour of the tones, pieces and dots.
inline constexpr Rgb kBone{244, 238, 222};

}  // namespace kl::layout::palette
