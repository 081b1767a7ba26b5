// The print manager's "export from calendar": a view written as a print
// script, exactly as its export button leaves it.
#pragma once

#include <string>
#include <vector>

#include "print/scriptsink.h"

namespace kl {

// The line that runs the year sub-script from the main script.
inline constexpr const char* kYearLine = "YEAR 53 12 1";

// Exports `mode` into `sink` as the print manager's export button does:
// clears the script (and, for the year, the year sub-script), writes the
// header and the page-size line (layout/scriptpage.h), sets the page size, and draws the mode through the script canvas.
// Signs become glyph lines while _TEXTGRAPHIC is set; for the year the YEAR
// line and the sub-script's last six lines then follow. False, with the
// sink untouched, for a mode without an export.
bool exportView(int mode, ScriptSink& sink);

// The script with the year sub-script's lines in place of its YEAR line:
// one script that draws the same page on its own.
std::vector<std::string> selfContained(const ScriptSink& sink);

}  // namespace kl
