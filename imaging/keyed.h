// Drawing a picture over another with one colour left out.
#pragma once

#include "platform/picture.h"

namespace kl {

// Copies every pixel of `source` whose colour is not exactly `key` into
// `dest` with the source's top-left at (left, top). What falls outside
// `dest` is cut off, so a picture may hang over any edge.
void drawKeyed(const platform::Picture& source, platform::Picture& dest, int left, int top, platform::Rgb key);

}  // namespace kl
