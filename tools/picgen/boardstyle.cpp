#include "tools/picgen/boardstyle.h"
#include "tools/picgen/picgen.h"

#include <QRadialGradient>

#include <algorithm>

namespace kl::picgen::style {

QColor familyColour(int family) {
    switch (family & 3) {
    case 0: return QColor(176, 44, 52);    // red
    case 1: return QColor(200, 200, 214);  // white
    case 2: return QColor(40, 86, 196);    // blue
    default: return QColor(214, 176, 40);  // yellow
    }
}

std::uint32_t Scatter::next() {
    // xorshift32: tiny, fast and identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Scatter::unit() { return (next() >> 8) / double(1u << 24); }

QImage canvas(int width, int height, const QColor& fill) {
    QImage img(width * drawScale(), height * drawScale(), QImage::Format_RGB32);
    img.setDevicePixelRatio(drawScale());
    img.fill(fill);
    return img;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void stars(QPainter& p, const QRectF& area, int count, std::uint32_t seed, const QPainterPath* where) {
    Scatter s(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(s.range(area.left(), area.right()), s.range(area.top(), area.bottom()));
        const double size = 0.5 + 1.1 * s.unit() * s.unit();
        const int alpha = 40 + int(110 * s.unit());
        if (where && !where->contains(at)) continue;
        QColor c = kStar;
        c.setAlpha(alpha);
        p.setBrush(c);
        p.drawEllipse(at, size, size);
    }
    p.restore();
}

void fitToShape(QImage& img, const QImage& inside) {
    img = img.convertToFormat(QImage::Format_RGB32);
    const QImage mask = inside.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qRed(m[x]) == 0) {
                row[x] = qRgb(0, 0, 0);
                continue;
            }
            int r = std::max(1, qRed(row[x]));
            int g = std::max(1, qGreen(row[x]));
            int b = std::max(1, qBlue(row[x]));
            if (r == 255 && g < 50) g = 50;
            row[x] = qRgb(r, g, b);
        }
    }
}

QImage shapeMask(int width, int height, const QPainterPath& path) {
    QImage img = canvas(width, height, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
    return img;
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double strength) {
    QRadialGradient g(centre, radius);
    QColor c0 = colour, c1 = colour, c2 = colour;
    c0.setAlphaF(std::clamp(strength, 0.0, 1.0));
    c1.setAlphaF(std::clamp(strength * 0.35, 0.0, 1.0));
    c2.setAlphaF(0);
    g.setColorAt(0, c0);
    g.setColorAt(0.45, c1);
    g.setColorAt(1, c2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

}  // namespace kl::picgen::style
