// The day's moon of the full-screen views: the moon texture laid over the
// view through a soft phase mask, or a MOON line of a print script.
#pragma once

#include <cstdint>

#include "platform/picture.h"
#include "print/scriptsink.h"

namespace kl {

// Draws the grey phase mask for percent p (0..100) over the whole of `mask`,
// a square picture of the caller's (its width is taken as its height too):
// white where the moon is lit, black where dark, with a soft edge. The same
// mask as the compact face's, scaled to the picture's width; `linear`
// chooses the linear phase model (_Mlinear).
void drawmoon3(platform::Picture& mask, int p, bool linear);

// Lays the 60 x 60 moon of `moonPhase` into `view` with its top-left
// corner at (x, y). A moon that does not fit is left out; a failure is
// reported ("xmoon").
void xmoonOn(platform::Picture& view, std::int32_t moonPhase, int x, int y, bool linear);

// Appends "MOON x y 60 p IMAGE", placed for the day-info page (page width
// 380) or for a full view page.
void exportMoon(ScriptSink& sink, std::int32_t moonPhase, int x, int y);

}  // namespace kl
