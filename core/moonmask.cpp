#include "core/moonmask.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace kl {

namespace {

constexpr double kPi = 3.1415926;

// Nearest integer, ties to even (2.5 gives 2, 3.5 gives 4).
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Grey level of step k (from 0) of a band of 2c + 1 steps. A band of
// width 0 (a small moon) is its single last step: white when rising,
// black when falling.
std::uint8_t rising(int k, int c) {
    if (c == 0) return 255;
    return static_cast<std::uint8_t>(roundEven(k * 255.0 / (2 * c)));
}
std::uint8_t falling(int k, int c) { return static_cast<std::uint8_t>(255 - rising(k, c)); }

// Right and left halves of the ellipse in the box (x1, 0)-(x2, W).
struct Halves {
    MaskCanvas& m;
    int W, H;
    void rightHalfPie(int x1, int x2) { m.pie(x1, 0, x2, W, H, W, H, 0); }
    void rightHalfArc(int x1, int x2) { m.arc(x1, 0, x2, W, H, W, H, 0); }
    void leftHalfPie(int x1, int x2) { m.pie(x1, 0, x2, W, H, 0, H, W); }
    void leftHalfArc(int x1, int x2) { m.arc(x1, 0, x2, W, H, 0, H, W); }
};

}  // namespace

GreyCanvas::GreyCanvas(int size) : size_(size), pixels_(static_cast<std::size_t>(size * size), 0) {}

void GreyCanvas::plot(int x, int y, std::uint8_t grey) {
    if (x >= 0 && y >= 0 && x < size_ && y < size_) pixels_[y * size_ + x] = grey;
}

void GreyCanvas::fillRect(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) plot(x, y, brush_);
}

void GreyCanvas::line(int x1, int y1, int x2, int y2) {
    // Bresenham; the end point is not painted.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        plot(x1, y1, pen_);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += sx; }
        if (e2 <= dx) { err += dx; y1 += sy; }
    }
}

void GreyCanvas::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    ellipsePart(x1, y1, x2, y2, x3, y3, x4, y4, true);
}

void GreyCanvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    ellipsePart(x1, y1, x2, y2, x3, y3, x4, y4, false);
}

void GreyCanvas::ellipsePart(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                             bool filled) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 <= x1 || y2 <= y1) return;
    // Pixel columns x1..x2-1 and rows y1..y2-1: the right and bottom edges
    // of the box are not painted.
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
    const auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    // Angles counter-clockwise on screen (y grows downward), in the box's
    // normalised coordinates so that rays meet the ellipse where GDI puts them.
    const auto angle = [&](double x, double y) {
        double a = std::atan2(-(y - cy) / ry, (x - cx) / rx);
        return a < 0 ? a + 2 * kPi : a;
    };
    const double start = angle(x3, y3);
    double span = angle(x4, y4) - start;
    if (span <= 0) span += 2 * kPi;
    const auto inWedge = [&](int x, int y) {
        double d = angle(x + 0.5, y + 0.5) - start;
        if (d < 0) d += 2 * kPi;
        return d <= span;
    };
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (!inside(x, y) || !inWedge(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge) plot(x, y, pen_);
            else if (filled) plot(x, y, brush_);
        }
    }
    if (filled) {
        // The two radii of the pie, from the centre to the ellipse.
        const auto radius = [&](double a) {
            line(static_cast<int>(cx), static_cast<int>(cy),
                 static_cast<int>(std::lround(cx + rx * std::cos(a))),
                 static_cast<int>(std::lround(cy - ry * std::sin(a))));
        };
        radius(start);
        radius(start + span);
    }
}

int moonDrawingPercent(int p, bool linear) {
    if (linear) return p;
    if (p < 50) return roundEven(50 * (0.5 - 0.5 * std::cos(2 * p * kPi / 100)));
    return roundEven(50 + 50 * (0.5 - 0.5 * std::cos(2 * (p - 50) * kPi / 100)));
}

void drawMoonMask(MaskCanvas& m, int p, bool linear, int size) {
    const int W = size;
    const int H = W / 2;
    Halves half{m, W, H};
    const int r = moonDrawingPercent(p, linear);
    m.setPen(0);
    m.setBrush(0);
    m.fillRect(0, 0, W, W);

    // Width of the soft terminator, widest at the quarters: [2, 8] on the
    // 100-pixel face, 0 or 1 on a moon smaller than 30 pixels.
    const int c = roundEven((W / 15) * (0.8 - 0.5 * std::cos(4 * kPi * p / 100)));
    int q = W * r / 100;
    if (q >= H) q -= H;
    const int s = roundEven(0.99 * q);  // [0, 49] offset of the terminator
    const int t = r <= 50 ? 2 * r : 2 * r - 100;
    const int d = roundEven(0.9 * c * (t / 50.0 - 1));  // [-0.9c, 0.9c] shift within the half

    // The lit half: right while waxing, left while waning, both at full moon.
    m.setPen(255);
    m.setBrush(255);
    if (r <= 50) m.pie(1, 0, W - 1, W, H - 1, W, H - 1, 0);
    if (r >= 50) {
        m.pie(1, 0, W - 1, W, H, 0, H, W);
        m.setPen(0);
        m.setBrush(0);
        if (r > 75) m.fillRect(H, 0, W, W);
    }

    // Band 1: the shadow edge of a young moon.
    if (r <= 30) {
        m.setPen(255);
        m.setBrush(0);
        for (int i = d - c, k = 0; i <= d + c; ++i, ++k) {
            const std::uint8_t g = falling(k, c);
            m.setPen(g);
            m.setBrush(g);
            const int x = 2 * s + i;
            const int x2 = W - 2 * s - i;
            if (x <= 0) {
                m.pie(1, 0, W - 1, W, H + 1, W, H + 1, 0);
            } else if (x <= H) {
                if (x == x2) m.line(x - 1, 0, x2 - 1, W);
                if (i == d + c) {
                    half.rightHalfArc(x, x2);
                } else {
                    m.setBrush(0);
                    half.rightHalfPie(x, x2);
                }
            }
        }
        m.setBrush(0);
        if (H > d + c + 1 + 2 * s) m.fillRect(0, 0, H + 1, W);
    }
    // Band 2: the lit edge growing towards full moon.
    if (r > 20 && r < 55) {
        m.setPen(255);
        m.setBrush(255);
        for (int i = -c - d, k = 0; i <= c - d; ++i, ++k) {
            const std::uint8_t g = rising(k, c);
            m.setPen(g);
            m.setBrush(g);
            const int x = W - 2 * s + i;
            const int x1 = 2 * s - i;
            if (x > 0 && x <= H) {
                if (x == x1) m.line(x1, 0, x, W);
                if (i == c - d) {
                    m.setBrush(255);
                    half.leftHalfPie(x1, x);
                } else {
                    half.leftHalfArc(x1, x);
                }
            }
        }
    }
    // Band 3: the lit edge shrinking after full moon.
    if (r > 50 && r < 80) {
        m.setPen(255);
        m.setBrush(255);
        for (int i = d - c, k = 0; i <= d + c; ++i, ++k) {
            const std::uint8_t g = rising(k, c);
            m.setPen(g);
            m.setBrush(g);
            const int x = 2 * s + i;
            const int x2 = W - 2 * s - i;
            if (x >= 0 && x <= H) {
                if (x == x2) m.line(x, 0, x2, W);
                if (i == d + c) {
                    m.setBrush(255);
                    half.rightHalfPie(x, x2 - 1);
                } else {
                    half.rightHalfArc(x, x2 - 1);
                }
            }
        }
    }
    // Band 4: the shadow edge of an old moon.
    if (r > 70) {
        m.setPen(255);
        m.setBrush(255);
        for (int i = -c - d, k = 0; i <= c - d; ++i, ++k) {
            const std::uint8_t g = falling(k, c);
            m.setPen(g);
            m.setBrush(g);
            const int x = W - 2 * s + i;
            const int x1 = 2 * s - i;
            if (x <= 0) {
                m.setPen(0);
                m.setBrush(0);
                m.pie(1, 0, W - 1, W, H + 1, 0, H + 1, W);
            } else if (x <= H) {
                if (x == x1) m.line(x1 - 1, 0, x - 1, W);
                if (i == c - d) {
                    m.setBrush(0);
                    half.leftHalfPie(x1, x);
                } else {
                    half.leftHalfArc(x1, x);
                }
            }
        }
    }
}

}  // namespace kl
