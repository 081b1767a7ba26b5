#include "imaging/keyed.h"

#include <algorithm>

#include "imaging/blendrows.h"

namespace kl {

void drawKeyed(const platform::Picture& source, platform::Picture& dest, int left, int top, platform::Rgb key) {
    // Source columns [x0, x1) and rows [y0, y1) land inside dest.
    const int x0 = std::max(0, -left), x1 = std::min(source.width(), dest.width() - left);
    const int y0 = std::max(0, -top), y1 = std::min(source.height(), dest.height() - top);
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y)
        blendrows::keyRow(dest.row(y + top) + 3 * (x0 + left), source.row(y) + 3 * x0, key, x1 - x0);
}

}  // namespace kl
