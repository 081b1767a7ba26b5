#include "print/fitting.h"

#include <algorithm>
#include <cmath>

namespace kl::print {

double roundHalfEven(double v) {
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return r;
}

FitRect fitPage(int sheetWidth, int sheetHeight, int margin, int pageWidth, int pageHeight) {
    if (sheetWidth < 1 || sheetHeight < 1 || pageWidth < 1 || pageHeight < 1) return {};
    const std::int64_t m = std::clamp(margin, 0, kMaxMargin);
    const std::int64_t sw = sheetWidth, sh = sheetHeight, pw = pageWidth, ph = pageHeight;
    const auto mx = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(m * sw) / 100));
    const auto my = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(m * sh) / 100));
    // At most 45 % a side leaves 10 % of the sheet, but a sheet of one or
    // two pixels can still round down to nothing.
    const std::int64_t aw = std::max<std::int64_t>(sw - 2 * mx, 1);
    const std::int64_t ah = std::max<std::int64_t>(sh - 2 * my, 1);
    FitRect r;
    if (pw * ah >= aw * ph) {  // pw / ph >= aw / ah, compared exactly
        const std::int64_t h = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(ph * aw) / pw));
        r.width = static_cast<int>(aw);
        r.height = static_cast<int>(std::max<std::int64_t>(h, 1));
        r.left = static_cast<int>(std::min(mx, sw - 1));
        r.top = static_cast<int>((sh - r.height) / 2);
    } else {
        const std::int64_t w = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(pw * ah) / ph));
        r.height = static_cast<int>(ah);
        r.width = static_cast<int>(std::max<std::int64_t>(w, 1));
        r.top = static_cast<int>(std::min(my, sh - 1));
        r.left = static_cast<int>((sw - r.width) / 2);
    }
    return r;
}

int shownSide(int side, double zoom) {
    if (!(zoom > 0) || !std::isfinite(zoom)) zoom = 1.0;
    const double v = roundHalfEven(static_cast<double>(side) / zoom);
    return static_cast<int>(std::clamp(v, 1.0, static_cast<double>(kMaxShownSide)));
}

double clampZoom(double zoom, int width, int height) {
    if (!(zoom > 0) || !std::isfinite(zoom)) zoom = 1.0;
    const int longer = std::max({width, height, 1});
    const int shorter = std::max(std::min(width, height), 1);
    // side / zoom >= 0.5 rounds to at least 1 (halves to even would give 0
    // at exactly 0.5, so stay just above it); side / zoom <= kMaxShownSide.
    const double lowest = static_cast<double>(longer) / kMaxShownSide;
    const double highest = static_cast<double>(shorter) / 0.51;
    return std::clamp(zoom, lowest, std::max(lowest, highest));
}

std::int32_t pageCoordinate(int shown, double zoom) {
    if (!(zoom > 0) || !std::isfinite(zoom)) zoom = 1.0;
    const double v = roundHalfEven(static_cast<double>(shown) * zoom);
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

}  // namespace kl::print
