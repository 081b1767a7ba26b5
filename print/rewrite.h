// The scaling pass: a finished layout rewritten for a page enlarged or
// shrunk by a factor, as a function from lines to lines. No Qt.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "layout/scriptpage.h"
#include "print/script.h"

namespace kl::print {

struct RewriteIssue {
    std::size_t index = 0;      // zero-based index of the line in its list
    bool inYearList = false;
    std::string line;
    const char* sender = "";    // the command's report sender
    std::string why;            // for a failure: what the pass would break
};

// What a rewrite checks its lines against, so that it never writes a line
// the next run refuses while the line it came from was accepted.
struct RewriteLimits {
    // The page before and after the pass. When not given: the size the
    // script's page-size line names and its scaled value, else (for a script
    // that does not say) the largest page.
    std::optional<layout::ScriptPageSize> before, after;
    // The pixel size a font draws in (the interpreter's own conversion);
    // when not given, a height's magnitude, 13 for the default 0.
    std::function<int(const FontLine&)> pixelSize;
};

struct RewriteResult {
    bool ok = false;
    std::vector<std::string> lines;     // the rewritten script (when ok)
    std::vector<std::string> yearList;  // the rewritten year sub-script (when ok)
    // Command lines that could not be read: kept unchanged in their place.
    std::vector<RewriteIssue> unreadable;
    // When not ok: the line the pass would break, and how.
    RewriteIssue failure;
};

// Rewrites a script and its year sub-script by `factor`:
// - headers keep their order at the top, in front of every other line;
// - commands are re-emitted after them in their order with their
//   coordinates and sizes scaled (nearest, halves to even): FONT size and
//   height; TEXT and PICT x and y; MOON x, y and size; YEAR all three;
// - a command line that cannot be read, and a plain text line, is kept
//   unchanged in its place among them;
// - the page-size line (layout/scriptpage.h) stays among the headers with
//   its size scaled the same way (at least 1);
// - other comments, blank lines and syntax markers are dropped.
// The year sub-script is rewritten the same way, once, whatever the number
// of YEAR lines. All or nothing: when the factor is not a positive finite
// number, or a line that the interpreter accepts would come out as one it
// refuses (a number beyond the 32-bit range, a moon size beyond
// 1..kMaxMoonSize, a font height beyond its page, a text too wide for its
// font, a page size out of range) or as one that draws otherwise (a font
// height turned to 0, the default), `ok` is false, `failure` names the line
// and nothing else is filled in. A line refused already is scaled as it is.
RewriteResult rewriteScript(const std::vector<std::string>& lines, const std::vector<std::string>& yearList,
                            double factor, const RewriteLimits& limits = {});

// The script with every YEAR line replaced by the year sub-script's lines,
// which draws the same page; used where a script leaves the program (saved
// or printed to standard output) without its year sub-script.
std::vector<std::string> inlineYearList(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& yearList);

// Moves the last `count` lines of the year sub-script, in order, to the end
// of the script; never more lines than the sub-script holds.
void moveYearTail(std::vector<std::string>& yearList, std::vector<std::string>& lines, std::size_t count = 6);

}  // namespace kl::print
