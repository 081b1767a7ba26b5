#include "imaging/keyed.h"

#include <algorithm>

namespace kl {

void drawKeyed(const platform::Picture& source, platform::Picture& dest, int left, int top, platform::Rgb key) {
    // Source columns [x0, x1) and rows [y0, y1) land inside dest.
    const int x0 = std::max(0, -left), x1 = std::min(source.width(), dest.width() - left);
    const int y0 = std::max(0, -top), y1 = std::min(source.height(), dest.height() - top);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* s = source.row(y) + 3 * x0;
        std::uint8_t* d = dest.row(y + top) + 3 * (x0 + left);
        for (int x = x0; x < x1; ++x, s += 3, d += 3)
            if (s[0] != key.r || s[1] != key.g || s[2] != key.b) d[0] = s[0], d[1] = s[1], d[2] = s[2];
    }
}

}  // namespace kl
