// Drawing helpers shared by the face, board, piece and button families: the
// palette of the views, deterministic scatter, and the finishing step that
// makes a picture safe to trace as a window shape.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

namespace kl::picgen::style {

// Palette. The view background is the colour every full-screen renderer
// fills its picture with before drawing, so boards are painted on it.
inline const QColor kNight(7, 0, 35);
inline const QColor kNightRaised(28, 22, 68);  // the sign plates
inline const QColor kNightDeep(3, 0, 18);
inline const QColor kGold(236, 196, 96);  // the sign pictures' gold
inline const QColor kGoldDim(140, 112, 58);
inline const QColor kViolet(120, 96, 210);
inline const QColor kVioletDim(58, 44, 120);
inline const QColor kCyan(110, 200, 230);
inline const QColor kStar(200, 210, 255);

// The four colour families of the seals (red, white, blue, yellow), drawn
// soft enough that white text stays readable over them.
QColor familyColour(int family);  // family 0..3

// A small deterministic generator: the same seed draws the same picture on
// every machine (the standard distributions are not portable).
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t next();
    double unit();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint32_t state_;
};

// An image of the given size filled with one colour, ready to paint on.
QImage canvas(int width, int height, const QColor& fill);
// A painter with antialiasing on, as every family draws.
void smooth(QPainter& p);

// Faint stars scattered over `area` (only where `where` contains them when a
// path is given).
void stars(QPainter& p, const QRectF& area, int count, std::uint32_t seed,
           const QPainterPath* where = nullptr);

// Makes `img` agree with the binary shape `inside`: every pixel outside is
// pure black, every pixel inside has all three channels non-zero and is never
// a region corner marker (R 255, G < 50, B 0). The window-region tracer keeps
// a pixel only when each channel differs from black, so an inside pixel with
// one zero channel would punch a hole in the window.
void fitToShape(QImage& img, const QImage& inside);

// A binary shape picture of `path`: white inside, black outside, no
// antialiasing, so the traced region is exactly the path.
QImage shapeMask(int width, int height, const QPainterPath& path);

// A glow of `colour` at `centre`: opaque in the middle, fading to nothing at
// `radius`.
void glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double strength = 1.0);

}  // namespace kl::picgen::style
