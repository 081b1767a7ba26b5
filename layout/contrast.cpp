#include "layout/contrast.h"

#include <cmath>

namespace kl::layout {

namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t mix(std::uint8_t from, std::uint8_t to, int step) {
    return static_cast<std::uint8_t>(from + ((to - from) * step + (to > from ? 127 : -127)) / 255);
}

}  // namespace

double relativeLuminance(Rgb c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); }

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

Rgb liftedTo(Rgb colour, Rgb ground, double ratio) {
    // Away from the ground: towards white on grounds darker than the middle
    // grey of the ratio scale, towards black on lighter ones.
    const bool darkGround = contrastRatio(ground, {0, 0, 0}) < contrastRatio(ground, {255, 255, 255});
    const std::uint8_t end = darkGround ? 255 : 0;
    const auto at = [&](int step) {
        return Rgb{mix(colour.r, end, step), mix(colour.g, end, step), mix(colour.b, end, step)};
    };
    for (int step = 0; step < 255; ++step)
        if (contrastRatio(at(step), ground) >= ratio) return at(step);
    return at(255);
}

}  // namespace kl::layout
