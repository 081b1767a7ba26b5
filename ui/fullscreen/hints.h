// Field hints of the telektonon: seventy hot rectangles of the board, each
// with a short text that is shown in a fixed box at the lower right of the
// view while the pointer rests on the field. Loaded once from HRCT.dat and
// Fieldhlp.drs; the window only hands its mouse moves to hintMove.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "layout/telektonon.h"
#include "platform/picture.h"

namespace kl {

struct FieldRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::string text;
};
using FieldRects = std::array<FieldRect, layout::telektonon::kFieldCount>;

// The table, all-zero rectangles with empty texts until loaded; a zero
// rectangle never matches.
FieldRects& fieldRects();

// The hint text last shown; empty at first.
extern std::string lastHint;

// Fills the table from HRCT.dat (70 records of 16 bytes: left, top, right,
// bottom as signed 32-bit little-endian) and Fieldhlp.drs (line k is the
// text of rectangle k; missing lines are empty). A missing file or a
// HRCT.dat shorter than 70 records is reported (code 101, "loadrect in
// fullmode") without a report file; the records before the short one stay
// loaded and the rest stay zero.
void loadbaserects();

// The text of the first rectangle, in table order, holding (x, y) strictly
// inside; nothing when none does.
std::optional<std::string> checkrect(int x, int y);

// The lines a hint text is painted in: two spaces end a line, a single space
// stays between words, spaces at the end add nothing. There is always at
// least one line, possibly empty.
std::vector<std::string> hintLines(const std::string& text);

// Paints the hint box at (x, y) into the view picture: the 160 x 80 box
// filled with the background, then the lines 10 pixels apart in preset 6.
void hintout(platform::Picture& view, int x, int y, const std::string& text);

// A mouse move over the picture box at (x, y). The hint is the text of the
// field under the pointer while the telektonon is shown and still; when it
// differs from the last one it is painted into `view` and the answer is
// true: the window then shows `view`. On 25 July, which has no board, and
// outside the telektonon, nothing is painted; leaving a field for empty
// board paints an empty box.
bool hintMove(int x, int y, platform::Picture& view);

}  // namespace kl
