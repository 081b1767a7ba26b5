// The day's large seal, tone or plasma at any size: built from the glyphs of
// the sign font, whose outlines are the sign pictures' own drawing, in the
// pictures' colours. A page uses it where it has more room than the
// picture's size.
#pragma once

#include <optional>

#include "layout/viewgeometry.h"
#include "platform/picture.h"

namespace kl {

// Width over height of the sign's design box: the seal's tile, the tone's
// bars and dots, the plasma's disc. Nullopt for a code of any other family.
std::optional<double> scaledSignAspect(int code);

// Draws the sign as large as fits in `box`, centred in it, and answers the
// box it covers; nullopt, with nothing drawn, for a code of another family
// or while the sign font is not there (a substitute would draw letters).
std::optional<layout::ViewBox> drawScaledSignOn(platform::Picture& target, const layout::ViewBox& box, int code);

}  // namespace kl
