// The two pixel filters of the finished page: smoothing before printing and
// grey for black-and-white output. Each works on a block of columns and rows
// (inclusive, clipped to the picture) and can report each row to a progress
// bar before filtering it.
#pragma once

#include <functional>

#include "platform/picture.h"

namespace kl::print {

struct PrintState;
struct RunHooks;

using RowProgress = std::function<void(int row)>;

// Each channel of each pixel of the block becomes the truncated mean of its
// 3x3 neighbourhood in the unchanged picture (a neighbour beyond the edge is
// the pixel itself).
void blurm(platform::Picture& picture, int firstColumn, int lastColumn, int firstRow, int lastRow,
           const RowProgress& onRow = {});

// Each pixel of the block becomes (g, g, g) with g = (R + G + B) div 3.
void blacknwhite(platform::Picture& picture, int firstColumn, int lastColumn, int firstRow, int lastRow,
                 const RowProgress& onRow = {});

// The progress a filter over rows firstRow..lastRow shows: in progress mode
// 0 the bar runs 0..100, in mode 1 from its value at the start to 40 more;
// other modes show nothing (an empty function). A block of one row shows
// the end value.
RowProgress filterProgress(PrintState& state, const RunHooks& hooks, int firstRow, int lastRow);

// The page filters as the window's buttons apply them: over columns
// 1..width-1 and rows 1..height-1, so the first row and column keep their
// colours.
void smoothPage(PrintState& state, platform::Picture& page, const RunHooks& hooks);
void greyPage(PrintState& state, platform::Picture& page, const RunHooks& hooks);

}  // namespace kl::print
