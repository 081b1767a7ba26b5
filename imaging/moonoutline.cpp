#include "imaging/moonoutline.h"

#include <algorithm>
#include <cmath>

namespace kl {

namespace {

// The ring: a pale blue-grey at low opacity, a pixel and a half wide (at 1x), on
// the disc's edge (the mask's disc fills its square but for a pixel).
constexpr Rgb kOutline{150, 160, 205};
constexpr double kOutlineStrength = 0.45;
constexpr double kOutlineWidth = 1.5;

double discRadius(int size) { return size / 2.0 - 0.5; }

}  // namespace

double litShare(const platform::Picture& opacity) {
    const int size = std::min(opacity.width(), opacity.height());
    if (size <= 0) return 0;
    const double c = size / 2.0, r = discRadius(size);
    double lit = 0, disc = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (std::hypot(x + 0.5 - c, y + 0.5 - c) > r) continue;
            disc += 1;
            lit += opacity.pixel(x, y).r / 255.0;
        }
    return disc > 0 ? lit / disc : 0;
}

void drawDarkMoonOutline(platform::Picture& dest, const platform::Picture& opacity, int left, int top, int scale) {
    const int size = std::min(opacity.width(), opacity.height());
    if (size <= 0 || left < 0 || top < 0 || left + size > dest.width() || top + size > dest.height()) return;
    if (litShare(opacity) >= kDarkMoonLitShare) return;
    // The ring's full-strength core plus its one-pixel soft edge make its
    // weight: at `scale` the weight grows as the disc does, and the edge
    // stays one pixel, so the ring is as heavy and sharper.
    const double width = (kOutlineWidth + 1) * std::max(1, scale) - 1;
    const double c = size / 2.0, r = discRadius(size) - width / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double off = std::abs(std::hypot(x + 0.5 - c, y + 0.5 - c) - r);
            const double ring = std::clamp(1.0 - (off - width / 2), 0.0, 1.0);
            const double a = ring * kOutlineStrength * (1.0 - opacity.pixel(x, y).r / 255.0);
            if (a <= 0) continue;
            const Rgb d = dest.pixel(left + x, top + y);
            const auto mix = [a](std::uint8_t from, std::uint8_t to) {
                return static_cast<std::uint8_t>(std::lround(from + (to - from) * a));
            };
            dest.setPixel(left + x, top + y, {mix(d.r, kOutline.r), mix(d.g, kOutline.g), mix(d.b, kOutline.b)});
        }
}

}  // namespace kl
