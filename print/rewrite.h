// The scaling pass: a finished layout rewritten for a page enlarged or
// shrunk by a factor, as a function from lines to lines. No Qt.
#pragma once

#include <string>
#include <vector>

namespace kl::print {

struct RewriteIssue {
    std::size_t index = 0;      // zero-based index of the line in its list
    bool inYearList = false;
    std::string line;
    const char* sender = "";    // the command's report sender
};

struct RewriteResult {
    bool ok = false;
    std::vector<std::string> lines;     // the rewritten script (when ok)
    std::vector<std::string> yearList;  // the rewritten year sub-script (when ok)
    // Command lines that could not be read: kept unchanged in their place.
    std::vector<RewriteIssue> unreadable;
    // When not ok: the line whose scaled numbers would leave the 32-bit range.
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
// of YEAR lines. All or nothing: when a scaled number would leave the 32-bit
// range, or the factor is not a positive finite number, `ok` is false and
// nothing else is filled in.
RewriteResult rewriteScript(const std::vector<std::string>& lines, const std::vector<std::string>& yearList,
                            double factor);

// The script with every YEAR line replaced by the year sub-script's lines,
// which draws the same page; used where a script leaves the program (saved
// or printed to standard output) without its year sub-script.
std::vector<std::string> inlineYearList(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& yearList);

// Moves the last `count` lines of the year sub-script, in order, to the end
// of the script; never more lines than the sub-script holds.
void moveYearTail(std::vector<std::string>& yearList, std::vector<std::string>& lines, std::size_t count = 6);

}  // namespace kl::print
