#include "layout/lettering.h"

#include <cmath>

namespace kl::layout {

namespace {
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
std::uint8_t lowByte(double v) { return static_cast<std::uint8_t>(static_cast<long long>(std::nearbyint(v)) & 0xFF); }
}  // namespace

ArcLetter arcLetter(int x, int y, int startAngle, int endAngle, int radius, int i, int n) {
    const double step = static_cast<double>(endAngle - startAngle) / n;
    const double before = startAngle + step * i;
    const double after = before + step;
    constexpr double kDegree = 3.14159265358979323846 / 180;
    const int px = roundEven(std::cos(before * kDegree) * radius) + x;
    const int py = roundEven(-std::sin(before * kDegree) * radius) + y;
    const int esc = after > 180 ? roundEven(after * 10 + 900) : roundEven(after * 10 - 900);
    return {px, py, esc};
}

Rgb rainbow(int p) {
    const double v = (p - 20) * 255.0 / 20;
    if (p > 120) return {255, 255, 255};
    if (p < 0) return {0, 0, 0};
    if (p <= 20) return {255, static_cast<std::uint8_t>(roundEven(p * 255.0 / 20)), 0};
    if (p <= 40) return {lowByte(255 - v), 255, 0};
    if (p <= 60) return {0, 255, lowByte(v)};
    if (p <= 80) return {0, lowByte(255 - v), 255};
    if (p <= 100) return {lowByte(v), 0, 255};
    return {255, 0, lowByte(255 - v)};
}

}  // namespace kl::layout
