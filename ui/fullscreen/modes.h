// The mode table of the full-screen window: what each mode number 0..48 is,
// who draws it, and how the print manager exports it. A new view is one file
// under views/ and one row here.
#pragma once

#include <span>

#include "ui/fullscreen/viewcontext.h"

namespace kl {

using RenderFunction = void (*)(ViewContext& view, int mode);

struct ModeEntry {
    int first, last;            // help pages span 25..48
    const char* name;           // "day view"
    RenderFunction render;      // nullptr for the blank modes
    const char* exportHeader;   // the script's first line, or nullptr when the mode has no export
    int pageWidth = 0;          // the exported page, canvasWidth x canvasHeight
    int pageHeight = 0;
};

// Every row, in mode order; rows cover 0..48 without gaps.
std::span<const ModeEntry> modeTable();
// The row of a mode; nullptr outside 0..48.
const ModeEntry* findMode(int mode);

}  // namespace kl
