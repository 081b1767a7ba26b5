// The shine: a glow drawn through its mask over the current day's cell of
// a calendar view.
#pragma once

#include <string>

#include "ui/fullscreen/viewcontext.h"

namespace kl::views {

// The picture and mask files of a shine type; empty names for a type
// without a shine (below 0 or above 8). Types 1, 6, 7 and 8 (the moon-month
// view's four colours) share one mask.
struct ShineFiles {
    std::string picture, mask;
};
ShineFiles shineFiles(int type);

// The caption the window shows for a blend result: "OK", ">X", ">Y", "<X",
// "<Y" or "Error!!!".
std::string shineCaption(int blendResult);

// Draws the shine of `type` with its top-left corner at (x, y) into the view
// picture through its mask, and leaves the blend's outcome in the window's
// caption. A shine that does not fit is not drawn. A type without a shine
// draws nothing; a missing picture is reported ("loadrect in fullmode").
// An export has no shine.
void shine(ViewContext& view, int x, int y, int type);

}  // namespace kl::views
