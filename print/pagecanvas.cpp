#include "print/pagecanvas.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "core/moonmask.h"
#include "data/settings.h"
#include "imaging/blend.h"
#include "print/bitmapfile.h"
#include "print/fitting.h"

namespace kl::print {

namespace {

QColor qcolour(platform::Rgb c) { return QColor(c.r, c.g, c.b); }

// Copies `source` onto `page` with its top-left corner at (x, y), clipped
// to the page; pixels of the key colour are left out when `key` is given.
void drawClipped(const platform::Picture& source, platform::Picture& page, std::int64_t x, std::int64_t y,
                 const std::optional<platform::Rgb>& key) {
    const std::int64_t x0 = std::max<std::int64_t>(x, 0), y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t x1 = std::min<std::int64_t>(x + source.width(), page.width());
    const std::int64_t y1 = std::min<std::int64_t>(y + source.height(), page.height());
    if (x0 >= x1 || y0 >= y1) return;
    for (std::int64_t py = y0; py < y1; ++py) {
        const std::uint8_t* s = source.row(static_cast<int>(py - y)) + 3 * (x0 - x);
        std::uint8_t* d = page.row(static_cast<int>(py)) + 3 * x0;
        if (!key) {
            std::copy(s, s + 3 * (x1 - x0), d);
            continue;
        }
        for (std::int64_t px = x0; px < x1; ++px, s += 3, d += 3)
            if (s[0] != key->r || s[1] != key->g || s[2] != key->b) std::copy(s, s + 3, d);
    }
}

// A page coordinate far outside every page is drawn nowhere; keeping it in
// range keeps the painter's arithmetic exact.
double clampedCoordinate(std::int64_t v) {
    return static_cast<double>(std::clamp<std::int64_t>(v, -(std::int64_t{1} << 30), std::int64_t{1} << 30));
}

// A coloured moon's phase: the colour inks the shadow, half a cycle on.
int moonShapePhase(int phase, bool image) {
    int p = phase >= 0 && phase <= 100 ? phase : ((phase % 100) + 100) % 100;
    if (!image) {
        p += 50;
        if (p > 100) p -= 100;
    }
    return p;
}

// The phase mask drawn as shapes: every grey level of the mask's pies,
// arcs, lines and boxes painted as the colour the mask gives there over
// white, in the mask's 100 x 100 space scaled onto the moon's square. The
// bitmap page runs the same drawing through a grey picture, so both show
// the same shape.
class ShapeMask : public MaskCanvas {
public:
    ShapeMask(QPainter& painter, platform::Rgb colour) : p_(painter), colour_(colour) {}

    void setPen(std::uint8_t grey) override { pen_ = grey; }
    void setBrush(std::uint8_t grey) override { brush_ = grey; }
    void fillRect(int left, int top, int right, int bottom) override {
        if (right > left && bottom > top)
            p_.fillRect(QRectF(left, top, right - left, bottom - top).adjusted(-kOverlap, -kOverlap, kOverlap, kOverlap),
                        ink(brush_));
    }
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        part(x1, y1, x2, y2, x3, y3, x4, y4, true);
    }
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        part(x1, y1, x2, y2, x3, y3, x4, y4, false);
    }
    void line(int x1, int y1, int x2, int y2) override {
        p_.setPen(QPen(ink(pen_), 1.0, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    }

private:
    // Shapes that meet edge to edge would let a thin seam of what lies
    // under them show where a viewer smooths each edge on its own: every
    // fill reaches this far (in mask pixels) over its edge.
    static constexpr double kOverlap = 0.3;

    // The colour the mask's grey level shows: the moon's colour through
    // the mask over the white square (the blend rule of the bitmap).
    QColor ink(std::uint8_t grey) const {
        return QColor(mixChannel(grey, 255, colour_.r), mixChannel(grey, 255, colour_.g), mixChannel(grey, 255, colour_.b));
    }

    void part(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool filled) {
        if (x1 > x2) std::swap(x1, x2);
        if (y1 > y2) std::swap(y1, y2);
        if (x2 <= x1 || y2 <= y1) return;
        const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
        const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
        // Angles in the box's normalised coordinates, counter-clockwise on
        // the screen: the parametric angles the painter's arcs take.
        constexpr double kDegrees = 180.0 / 3.14159265358979323846;
        const auto angle = [&](double x, double y) {
            double a = std::atan2(-(y - cy) / ry, (x - cx) / rx) * kDegrees;
            return a < 0 ? a + 360.0 : a;
        };
        const double start = angle(x3, y3);
        double span = angle(x4, y4) - start;
        if (span <= 0) span += 360.0;
        const QRectF box(x1, y1, x2 - x1, y2 - y1);
        if (filled) {
            QPainterPath wedge(QPointF(cx, cy));
            wedge.arcTo(box, start, span);
            wedge.closeSubpath();
            p_.fillPath(wedge, ink(brush_));
            p_.strokePath(wedge, QPen(ink(brush_), 2 * kOverlap));
        }
        if (filled && pen_ == brush_) return;
        // The rim: one mask pixel wide, inside the ellipse. (The grey mask
        // also inks a pie's two radii, one pixel wide, which its blur all
        // but wipes out; as shapes they would stay sharp hairlines, so they
        // are left out.)
        QPainterPath rim;
        const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);
        rim.arcMoveTo(inner, start);
        rim.arcTo(inner, start, span);
        p_.strokePath(rim, QPen(ink(pen_), 1.0, Qt::SolidLine, Qt::FlatCap));
    }

    QPainter& p_;
    platform::Rgb colour_;
    std::uint8_t pen_ = 0, brush_ = 0;
};

}  // namespace

platform::Rgb greyOf(platform::Rgb c) {
    const auto g = static_cast<std::uint8_t>((c.r + c.g + c.b) / 3);
    return {g, g, g};
}

platform::Picture moonSquare(int size, int phase, bool image, platform::Rgb colour) {
    GreyCanvas grey;
    drawMoonMask(grey, moonShapePhase(phase, image), settings()._Mlinear);
    platform::Picture full(kMoonMaskSize, kMoonMaskSize);
    for (int y = 0; y < kMoonMaskSize; ++y)
        for (int x = 0; x < kMoonMaskSize; ++x) full.setPixel(x, y, {grey.at(x, y), grey.at(x, y), grey.at(x, y)});
    platform::Picture mask =
        size == kMoonMaskSize
            ? std::move(full)
            : platform::Picture::fromImage(full.image().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    blurrect(mask, 1, 1, size - 1, size - 1);

    platform::Picture source;
    if (image) {
        // The moon picture is black around its disc: keep the mask inside
        // the disc (with a soft rim) so no dark corner shows through.
        const double c = size / 2.0, radius = size >= 4 ? c - 1.0 : c;
        for (int y = 0; y < size; ++y) {
            std::uint8_t* row = mask.row(y);
            for (int x = 0; x < size; ++x, row += 3) {
                const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
                const double cover = std::clamp(radius + 0.5 - d, 0.0, 1.0);
                if (cover < 1.0)
                    row[0] = row[1] = row[2] = static_cast<std::uint8_t>(roundHalfEven(row[0] * cover));
            }
        }
        std::string why;
        const auto moon = loadBitmapFile(kMoonPicture, why);
        if (!moon) throw platform::PictureError(std::string(kMoonPicture) + ": " + why);
        source = platform::Picture::fromImage(
            moon->image().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        source = platform::Picture(size, size, colour);
    }
    platform::Picture result(size, size, {255, 255, 255});
    if (mask.width() != size || source.width() != size || source.height() != size)
        throw platform::PictureError("cannot make the moon pictures");
    blendbmp(source, result, &mask, 0, 0, 200, kBlendMask);
    if (!image) {
        QPainter painter(&result.image());
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(qcolour(colour), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    }
    return result;
}

// The bitmap page -----------------------------------------------------------

void BitmapCanvas::fill(platform::Rgb colour) { page_.fill(colour); }

void BitmapCanvas::text(const QFont& font, platform::Rgb colour, double left, double baseline, const QString& text) {
    QPainter p(&page_.image());
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
    p.setPen(qcolour(colour));
    p.drawText(QPointF(left, baseline), text);
}

void BitmapCanvas::picture(const std::string&, const platform::Picture& bitmap, std::int64_t x, std::int64_t y,
                           platform::Rgb key) {
    drawClipped(bitmap, page_, x, y, key);
}

void BitmapCanvas::moon(std::int64_t x, std::int64_t y, int size, int phase, bool image, platform::Rgb colour) {
    if (x >= width() || y >= height() || x + size <= 0 || y + size <= 0) return;
    drawClipped(moonSquare(size, phase, image, colour), page_, x, y, std::nullopt);
}

// Prepared images -------------------------------------------------------------

const QImage& PreparedImages::keyed(const std::string& source, const platform::Picture& bitmap, platform::Rgb key,
                                    bool grey) {
    const std::uint32_t k = std::uint32_t{key.r} << 16 | std::uint32_t{key.g} << 8 | key.b;
    // Named pictures are one picture per name within a document; an unnamed
    // one is told apart by its image.
    const auto id = std::make_tuple(source, k, grey, source.empty() ? bitmap.image().cacheKey() : qint64{0});
    if (const auto it = keyed_.find(id); it != keyed_.end()) return it->second;
    QImage out(bitmap.width(), bitmap.height(), QImage::Format_ARGB32);
    bool transparent = false;
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t* s = bitmap.row(y);
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x, s += 3) {
            if (s[0] == key.r && s[1] == key.g && s[2] == key.b) {
                d[x] = qRgba(0, 0, 0, 0);
                transparent = true;
                continue;
            }
            const platform::Rgb c = grey ? greyOf({s[0], s[1], s[2]}) : platform::Rgb{s[0], s[1], s[2]};
            d[x] = qRgb(c.r, c.g, c.b);
        }
    }
    // A picture without a key pixel needs no mask in the document.
    if (!transparent) out = out.convertToFormat(QImage::Format_RGB32);
    return keyed_.emplace(id, std::move(out)).first->second;
}

const QImage& PreparedImages::pictureMoon(int size, int phase, bool grey) {
    if (!moonSide_) {
        std::string why;
        const auto moon = loadBitmapFile(kMoonPicture, why);
        if (!moon) throw platform::PictureError(std::string(kMoonPicture) + ": " + why);
        moonSide_ = std::max(moon->width(), moon->height());
    }
    // The moon picture's own pixels, or the square's when it is larger.
    const int side = std::clamp(std::max(size, *moonSide_), 1, 4096);
    const auto id = std::make_tuple(side, phase, grey);
    if (const auto it = moons_.find(id); it != moons_.end()) return it->second;
    platform::Picture square = moonSquare(side, phase, true, {});
    QImage out = square.image().convertToFormat(QImage::Format_RGB32);
    if (grey) {
        for (int y = 0; y < out.height(); ++y) {
            auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x) {
                const platform::Rgb g = greyOf({static_cast<std::uint8_t>(qRed(d[x])), static_cast<std::uint8_t>(qGreen(d[x])),
                                                static_cast<std::uint8_t>(qBlue(d[x]))});
                d[x] = qRgb(g.r, g.g, g.b);
            }
        }
    }
    return moons_.emplace(id, std::move(out)).first->second;
}

// The painter page ------------------------------------------------------------

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, bool grey, PreparedImages* images)
    : PageCanvas(width, height), painter_(painter), grey_(grey) {
    if (!images) {
        ownImages_ = std::make_unique<PreparedImages>();
        images = ownImages_.get();
    }
    images_ = images;
    painter_.save();
    painter_.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Pictures go into a document as they are: line art never turns JPEG.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
}

PainterCanvas::~PainterCanvas() { painter_.restore(); }

platform::Rgb PainterCanvas::shade(platform::Rgb c) const { return grey_ ? greyOf(c) : c; }

void PainterCanvas::fill(platform::Rgb colour) { painter_.fillRect(QRectF(0, 0, width(), height()), qcolour(shade(colour))); }

void PainterCanvas::text(const QFont& font, platform::Rgb colour, double left, double baseline, const QString& text) {
    painter_.setFont(font);
    painter_.setPen(qcolour(shade(colour)));
    painter_.drawText(QPointF(left, baseline), text);
}

void PainterCanvas::picture(const std::string& source, const platform::Picture& bitmap, std::int64_t x, std::int64_t y,
                            platform::Rgb key) {
    if (bitmap.isNull() || x >= width() || y >= height() || x + bitmap.width() <= 0 || y + bitmap.height() <= 0) return;
    const QImage& image = images_->keyed(source, bitmap, key, grey_);
    painter_.drawImage(QRectF(clampedCoordinate(x), clampedCoordinate(y), bitmap.width(), bitmap.height()), image);
}

void PainterCanvas::moon(std::int64_t x, std::int64_t y, int size, int phase, bool image, platform::Rgb colour) {
    if (size < 1 || x >= width() || y >= height() || x + size <= 0 || y + size <= 0) return;
    const QRectF square(clampedCoordinate(x), clampedCoordinate(y), size, size);
    if (image) {
        painter_.drawImage(square, images_->pictureMoon(size, moonShapePhase(phase, true), grey_));
        return;
    }
    const platform::Rgb c = shade(colour);
    painter_.save();
    painter_.fillRect(square, Qt::white);
    painter_.translate(square.topLeft());
    painter_.save();
    painter_.scale(size / double(kMoonMaskSize), size / double(kMoonMaskSize));
    painter_.setClipRect(QRectF(0, 0, kMoonMaskSize, kMoonMaskSize), Qt::IntersectClip);
    ShapeMask mask(painter_, c);
    drawMoonMask(mask, moonShapePhase(phase, false), settings()._Mlinear);
    painter_.restore();
    painter_.setPen(QPen(qcolour(c), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    painter_.restore();
}

}  // namespace kl::print
