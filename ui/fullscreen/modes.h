// The mode table of the full-screen window: what each mode number 0..48 is,
// who draws it, and how the print manager exports it. A new view is one file
// under views/ and one row here.
#pragma once

#include <span>

#include "ui/fullscreen/viewcontext.h"

namespace kl {

using RenderFunction = void (*)(ViewContext& view, int mode);

// The window a mode stands for: the mode draws a blank view and its window
// opens when the full-screen window's fade toward the mode begins.
enum class ModeWindow { None, PrintManager, Configuration };

struct ModeEntry {
    int first, last;            // help pages span 25..48
    const char* name;           // "day view"
    RenderFunction render;      // nullptr for the blank modes and the windows' modes
    const char* exportHeader;   // the script's first line, or nullptr when the mode has no export
    int pageWidth = 0;          // the exported page, canvasWidth x canvasHeight
    int pageHeight = 0;
    ModeWindow opens = ModeWindow::None;
};

// Every row, in mode order; rows cover 0..48 without gaps.
std::span<const ModeEntry> modeTable();
// The row of a mode; nullptr outside 0..48.
const ModeEntry* findMode(int mode);
// The mode a request for `mode` ends up showing: a help page past the last
// one (or one whose file is missing) is the first page, 19; any other mode
// is itself.
int shownMode(int mode);

}  // namespace kl
