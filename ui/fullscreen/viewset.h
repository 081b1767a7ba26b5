// Pictures laid into the view picture. The view picture is drawn in the
// picture set of the full-screen window's screen (its scale, 1 or 2); the
// views place everything in the same 670 x 550 units whatever the set. A
// picture laid in comes from the view picture's set and lands at the view
// position times the scale, so it keeps its place and its own pixels.
#pragma once

#include <cstdint>
#include <string>

#include "platform/picture.h"

namespace kl {

// A picture of the 1x set as the set of `view` has it (platform::loadInSet);
// throws platform::PictureError as loading does.
platform::Picture loadForView(const platform::Picture& view, const std::string& name);

// blendbmp of `source` (a picture of the view's set) into `view` with its
// top-left corner at the view position (x, y); the result code as blendbmp's.
std::uint8_t blendIntoView(const platform::Picture& source, platform::Picture& view, const platform::Picture* mask,
                           int x, int y, int alpha, int mode);

}  // namespace kl
