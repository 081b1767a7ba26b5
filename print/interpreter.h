// The layout script interpreter: runs a list of script lines onto the page
// picture (draw mode), only its FONT lines (preview mode), or rewrites it
// for a scaled page (rewrite mode). Reports nothing itself: what went wrong
// comes back in a RunResult, and the caller shows it (reportRun for the
// window, one line each on stderr for the command line).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "print/pagecanvas.h"
#include "print/printstate.h"
#include "print/rewrite.h"

class QFont;

namespace kl::print {

struct LineFailure {
    enum class Kind {
        Unreadable,      // the line cannot be read or holds a value out of range; it is marked
        DrawFailed,      // the line was read but drawing it failed
        MissingPicture,  // a PICT bitmap that is missing or not a bitmap
    };
    Kind kind = Kind::Unreadable;
    int code = 106;
    std::string sender;      // e.g. "text in printpage"
    std::string line;        // the script line
    std::size_t index = 0;   // its zero-based index in the list as the run was given it
    bool inYearList = false;
    std::string detail;      // the picture file, or what was wrong
    // Extra lines for the error report; empty means "string:" + the line.
    std::vector<std::string> reportLines;
};

struct RunResult {
    // Every failure of the run in order; only the first kMaxKept are kept,
    // the counts below are exact.
    static constexpr std::size_t kMaxKept = 1000;
    std::vector<LineFailure> failures;
    int failedLines = 0;      // Unreadable and DrawFailed
    int missingPictures = 0;
    // The run ended early on a failure outside the lines.
    bool aborted = false;
    // A rewrite or resize was refused as a whole; nothing was changed.
    bool refused = false;
    std::string refusal;      // the message for it
    // Characters of the editor script up to and including the first line
    // that was marked (line breaks not counted), for the caret; -1 if none.
    std::int64_t caretOffset = -1;

    bool clean() const { return failedLines == 0 && missingPictures == 0 && !aborted && !refused; }
    void add(LineFailure f);
    // Adds another run's failures, counts and flags to this one.
    void append(RunResult other);
};

struct RunHooks {
    // The progress bar's new value (progress modes 0 and 1); the window
    // also lets pending events through here so it stays responsive.
    std::function<void(int value)> progress;
    // Preview mode: the sample panel takes the font of each FONT line.
    std::function<void(const FontSpec&)> previewFont;
};

// Runs `list` in the state's mode. Draw mode draws on `page`, which must be
// canvasWidth x canvasHeight; lines that cannot be read are reported in the
// result and marked in `list` between kMarkerBefore and kMarkerAfter, and
// the run goes on with the next line; markers met are removed. Rewrite mode
// rewrites `list` and the year sub-script by scaleFactor (all or nothing,
// see rewriteScript) and draws nothing.
RunResult drawimage(PrintState& state, std::vector<std::string>& list, platform::Picture& page,
                    const RunHooks& hooks = {});

// drawimage onto any page canvas (draw and preview modes; rewrite mode
// rewrites as drawimage does and draws nothing).
RunResult drawimageOn(PrintState& state, std::vector<std::string>& list, PageCanvas& canvas,
                      const RunHooks& hooks = {});

// "show": the page takes the canvas size and the background colour, the
// editor script is drawn on it, and in mono mode the page turns grey from
// its second row and column on. A page size out of range is refused.
RunResult showPage(PrintState& state, platform::Picture& page, const RunHooks& hooks = {});

// The page resized to newWidth x newHeight with the script and the year
// sub-script rewritten by `factor`, all together or not at all: a size out
// of range, a picture that cannot be made, or a scaled number out of range
// leaves the state and the page as they were (result.refused). The new page
// is filled with the background colour; draw it with showPage.
RunResult rescalePage(PrintState& state, platform::Picture& page, int newWidth, int newHeight, double factor);
// "double" and the halving button.
RunResult doublePage(PrintState& state, platform::Picture& page);
RunResult halvePage(PrintState& state, platform::Picture& page);

// The font a FontSpec draws with on a page of the given size: the face (or
// the sign font), the style, and a pixel size from the height (a cell
// height is converted with the font's own metrics; 0 takes the editor's
// height).
QFont pageQFont(const FontSpec& fontSpec, int editorFontHeight);

// Limits for a rewrite (see rewriteScript) with the fonts' pixel sizes as
// the interpreter draws them; the pages come from the script.
RewriteLimits interpreterLimits(int editorFontHeight = -13);

inline constexpr const char* kTooLargeMessage = "ERROR! ERROR CODE 115. Bitmap is too large!";
inline constexpr const char* kMissingFileMessage = "ERROR! ERROR CODE 101. FILE NOT EXISTS!";
inline constexpr const char* kRunFailedMessage = "ERROR! TRY PLEASE, TRY AGAIN!";

}  // namespace kl::print
